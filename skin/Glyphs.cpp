// Glyph frames, line glyphs and arrows.
#include "skin/Glyphs.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "skin/PixelCopy.h"

namespace tavo::skin {

void DrawGlyphFrame(TBitmap& canvas, int x, int y, int k, int n, const TBitmap& strip) {
  if (strip.Empty() || n < 1 || k < 1 || k > n) return;
  const int width = strip.Width() / n;
  if (width < 1) return;
  const int64_t left = int64_t{width} * (k - 1);
  const TColor transparent = strip.Pixel(static_cast<int>(left), strip.Height() - 1);
  for (int row = 0; row < strip.Height(); ++row)
    for (int column = 0; column < width; ++column) {
      const TColor c = strip.Pixel(static_cast<int>(left + column), row);
      if (c != transparent) PutPixel(canvas, int64_t{x} + column, int64_t{y} + row, c);
    }
}

namespace {
int32_t Clamp32(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

// Bresenham's walk in 64 bits; it stops on reaching the end point, which is
// not drawn. Horizontal and vertical lines are clipped fills, so their
// length costs nothing; slanted ones are walked pixel by pixel (glyphs keep
// them short).
void Line(TBitmap& canvas, int64_t x0, int64_t y0, int64_t x1, int64_t y1, TColor color) {
  if (y0 == y1 && x0 != x1) {
    const int64_t from = x0 < x1 ? x0 : x1 + 1, to = x0 < x1 ? x1 : x0 + 1;
    FillRect(canvas, TRect{Clamp32(from), Clamp32(y0), Clamp32(to), Clamp32(y0 + 1)}, color);
    return;
  }
  if (x0 == x1 && y0 != y1) {
    const int64_t from = y0 < y1 ? y0 : y1 + 1, to = y0 < y1 ? y1 : y0 + 1;
    FillRect(canvas, TRect{Clamp32(x0), Clamp32(from), Clamp32(x0 + 1), Clamp32(to)}, color);
    return;
  }
  int64_t x = x0, y = y0;
  const int64_t dx = std::llabs(x1 - x0), dy = -std::llabs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int64_t error = dx + dy;
  while (x != x1 || y != y1) {
    PutPixel(canvas, x, y, color);
    const int64_t e2 = 2 * error;
    if (e2 >= dy) error += dy, x += sx;
    if (e2 <= dx) error += dx, y += sy;
  }
}
}  // namespace

void DrawLine(TBitmap& canvas, int x0, int y0, int x1, int y1, TColor color) { Line(canvas, x0, y0, x1, y1, color); }

void DrawRectOutline(TBitmap& canvas, const TRect& r, TColor color) {
  if (int64_t{r.right} - r.left < 1 || int64_t{r.bottom} - r.top < 1) return;
  FillRect(canvas, TRect{r.left, r.top, r.right, r.top + 1}, color);
  FillRect(canvas, TRect{r.left, r.bottom - 1, r.right, r.bottom}, color);
  FillRect(canvas, TRect{r.left, r.top, r.left + 1, r.bottom}, color);
  FillRect(canvas, TRect{r.right - 1, r.top, r.right, r.bottom}, color);
}

namespace {
// Lines and rectangles relative to the glyph origin.
struct TGlyphPen {
  TBitmap& canvas;
  int64_t x, y;
  TColor color;
  void Line(int ax, int ay, int bx, int by) const { skin::Line(canvas, x + ax, y + ay, x + bx, y + by, color); }
  void Frame(int l, int t, int r, int b) const {
    // Outline as four clipped fills, in 64 bits like the line.
    FillRect(canvas, Clip(x + l, y + t, x + r, y + t + 1));
    FillRect(canvas, Clip(x + l, y + b - 1, x + r, y + b));
    FillRect(canvas, Clip(x + l, y + t, x + l + 1, y + b));
    FillRect(canvas, Clip(x + r - 1, y + t, x + r, y + b));
  }
  void FillRect(TBitmap& c, const TRect& r) const { skin::FillRect(c, r, color); }
  static TRect Clip(int64_t l, int64_t t, int64_t r, int64_t b) {
    return TRect{Clamp32(l), Clamp32(t), Clamp32(r), Clamp32(b)};
  }
};
}  // namespace

void DrawCrossGlyph(TBitmap& canvas, int x, int y, TColor color) {
  const TGlyphPen pen{canvas, x, y, color};
  pen.Line(1, 1, 9, 9);
  pen.Line(9, 1, 1, 9);
  pen.Line(2, 1, 10, 9);
  pen.Line(8, 1, 0, 9);
}

void DrawBarGlyph(TBitmap& canvas, int x, int y, TColor color) { TGlyphPen{canvas, x, y, color}.Frame(1, 3, 9, 6); }

void DrawUnderlineGlyph(TBitmap& canvas, int x, int y, TColor color) {
  const TGlyphPen pen{canvas, x, y, color};
  pen.Line(1, 8, 9, 8);
  pen.Line(1, 9, 9, 9);
}

void DrawWindowGlyph(TBitmap& canvas, int x, int y, TColor color) {
  const TGlyphPen pen{canvas, x, y, color};
  pen.Frame(0, 0, 11, 10);
  pen.Frame(0, 0, 11, 2);
}

void DrawTwoWindowsGlyph(TBitmap& canvas, int x, int y, TColor color) {
  const TGlyphPen pen{canvas, x, y, color};
  pen.Frame(2, 0, 10, 6);
  pen.Frame(2, 0, 10, 2);
  pen.Frame(0, 4, 7, 10);
  pen.Frame(0, 4, 7, 6);
}

void DrawTriangleDownGlyph(TBitmap& canvas, int x, int y, TColor color) {
  const TGlyphPen pen{canvas, x, y, color};
  for (int i = 0; i <= 4; ++i) pen.Line(5 - i, 6 - i, 5 + i, 6 - i);
}

void DrawTriangleUpGlyph(TBitmap& canvas, int x, int y, TColor color) {
  const TGlyphPen pen{canvas, x, y, color};
  for (int i = 0; i <= 4; ++i) pen.Line(1 + i, 6 - i, 9 - i, 6 - i);
}

void DrawSquareGlyph(TBitmap& canvas, int x, int y, TColor color) {
  const TGlyphPen pen{canvas, x, y, color};
  pen.FillRect(canvas, TGlyphPen::Clip(int64_t{x} + 2, int64_t{y} + 2, int64_t{x} + 7, int64_t{y} + 7));
}

void DrawArrow(TBitmap& canvas, const TRect& r, TColor color, int direction) {
  // Half width and half height, truncating toward zero; in 64 bits so that
  // no rectangle can overflow them.
  const int64_t halfW = (int64_t{r.right} - r.left) / 2, halfH = (int64_t{r.bottom} - r.top) / 2;
  switch (direction) {
    case 1: {  // left: columns growing taller to the right
      const int64_t x0 = r.left + halfW - 2, y0 = r.top + halfH;
      for (int i = 0; i <= 3; ++i) Line(canvas, x0 + i, y0 - i, x0 + i, y0 + i + 1, color);
      break;
    }
    case 2: {  // right
      const int64_t x0 = r.left + halfW + 2, y0 = r.top + halfH;
      for (int i = 3; i >= 0; --i) Line(canvas, x0 - i, y0 + i, x0 - i, y0 - i - 1, color);
      break;
    }
    case 3: {  // up: rows growing wider downwards
      const int64_t x0 = r.left + halfW, y0 = r.top + halfH - 2;
      for (int i = 0; i <= 3; ++i) Line(canvas, x0 - i, y0 + i, x0 + i + 1, y0 + i, color);
      break;
    }
    case 4: {  // down
      const int64_t x0 = r.left + halfW, y0 = r.top + halfH + 2;
      for (int i = 3; i >= 0; --i) Line(canvas, x0 - i, y0 - i, x0 + i + 1, y0 - i, color);
      break;
    }
    default: break;
  }
}

}  // namespace tavo::skin
