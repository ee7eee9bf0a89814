// Clipped copies, tiling and filling on 24-bit pictures.
#include "skin/PixelCopy.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/WideMath.h"

namespace tavo::skin {

TBitmap NewPicture(int width, int height) {
  TBitmap picture(width, height, TPixelFormat::pf24bit);
  std::fill(picture.Data().begin(), picture.Data().end(), uint8_t{0xFF});
  return picture;
}

const TBitmap& As24Bit(const TBitmap& picture, TBitmap& storage) {
  if (picture.PixelFormat() == TPixelFormat::pf24bit) return picture;
  storage = picture.To24Bit();
  return storage;
}

namespace {
// (2k + 1) * s / (2d): the source pixel under the centre of destination
// pixel k. The product needs more than 64 bits for rectangles spanning the
// whole coordinate range.
int64_t Sample(int64_t k, int64_t s, int64_t d) {
  return MulDiv64(2 * k + 1, s, 2 * d);
}
}  // namespace

void CopyRect(TBitmap& dst, const TRect& dstRect, const TBitmap& src, const TRect& srcRect) {
  const int64_t dw = int64_t{dstRect.right} - dstRect.left, dh = int64_t{dstRect.bottom} - dstRect.top;
  const int64_t sw = int64_t{srcRect.right} - srcRect.left, sh = int64_t{srcRect.bottom} - srcRect.top;
  if (dw < 1 || dh < 1 || sw < 1 || sh < 1 || dst.Empty() || src.Empty()) return;
  const int64_t x0 = std::max<int64_t>(dstRect.left, 0), x1 = std::min<int64_t>(dstRect.right, dst.Width());
  const int64_t y0 = std::max<int64_t>(dstRect.top, 0), y1 = std::min<int64_t>(dstRect.bottom, dst.Height());
  if (x0 >= x1 || y0 >= y1) return;

  // Source column of every visible destination column, -1 when it falls
  // outside the source picture. (2k + 1) * sw / (2 * dw) samples the centre
  // of destination pixel k and gives k itself when the sizes are equal.
  std::vector<int> columns(static_cast<size_t>(x1 - x0));
  bool plain = sw == dw;
  for (int64_t x = x0; x < x1; ++x) {
    const int64_t k = x - dstRect.left;
    const int64_t sx = srcRect.left + (sw == dw ? k : Sample(k, sw, dw));
    const bool inside = sx >= 0 && sx < src.Width();
    columns[static_cast<size_t>(x - x0)] = inside ? static_cast<int>(sx) : -1;
    if (!inside) plain = false;
  }
  for (int64_t y = y0; y < y1; ++y) {
    const int64_t k = y - dstRect.top;
    const int64_t sy = srcRect.top + (sh == dh ? k : Sample(k, sh, dh));
    if (sy < 0 || sy >= src.Height()) continue;
    uint8_t* out = dst.Row(static_cast<int>(y));
    const uint8_t* in = src.Row(static_cast<int>(sy));
    if (plain) {
      std::memcpy(out + 3 * x0, in + 3 * static_cast<size_t>(columns[0]), static_cast<size_t>(3 * (x1 - x0)));
      continue;
    }
    for (int64_t x = x0; x < x1; ++x) {
      const int sx = columns[static_cast<size_t>(x - x0)];
      if (sx < 0) continue;
      std::memcpy(out + 3 * x, in + 3 * static_cast<size_t>(sx), 3);
    }
  }
}

void ForEachTile(int64_t a, int64_t b, int64_t n, int64_t visibleFrom, int64_t visibleTo,
                 const std::function<void(int64_t, int64_t)>& visit) {
  if (n < 1) return;
  const int64_t last = (b - a) / n;  // C++ division truncates toward zero, as the rule says
  if (last < 0) return;
  // Tiles ending at or before visibleFrom and starting at or after visibleTo
  // cannot be seen; jump straight to the first one that can.
  int64_t first = 0;
  if (visibleFrom > a + n) first = (visibleFrom - a) / n - 1;
  for (int64_t k = std::max<int64_t>(first, 0); k <= last; ++k) {
    const int64_t s = a + k * n;
    if (s >= visibleTo) break;
    const int64_t c = std::max<int64_t>(0, s + n - b);
    const int64_t length = n - c;
    if (length > 0 && s + length > visibleFrom) visit(s, length);
  }
}

namespace {
int32_t Clamp32(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}
}  // namespace

void TileAlongX(TBitmap& dst, int64_t a, int64_t b, int64_t y, const TBitmap& src, const TRect& strip) {
  const int64_t n = int64_t{strip.right} - strip.left, h = int64_t{strip.bottom} - strip.top;
  if (h < 1) return;
  ForEachTile(a, b, n, 0, dst.Width(), [&](int64_t s, int64_t length) {
    CopyRect(dst, TRect{Clamp32(s), Clamp32(y), Clamp32(s + length), Clamp32(y + h)}, src,
             TRect{strip.left, strip.top, Clamp32(strip.left + length), strip.bottom});
  });
}

void TileAlongY(TBitmap& dst, int64_t a, int64_t b, int64_t x, const TBitmap& src, const TRect& strip) {
  const int64_t n = int64_t{strip.bottom} - strip.top, w = int64_t{strip.right} - strip.left;
  if (w < 1) return;
  ForEachTile(a, b, n, 0, dst.Height(), [&](int64_t s, int64_t length) {
    CopyRect(dst, TRect{Clamp32(x), Clamp32(s), Clamp32(x + w), Clamp32(s + length)}, src,
             TRect{strip.left, strip.top, strip.right, Clamp32(strip.top + length)});
  });
}

void PutPixel(TBitmap& dst, int64_t x, int64_t y, TColor color) {
  if (x < 0 || y < 0 || x >= dst.Width() || y >= dst.Height()) return;
  if (dst.PixelFormat() != TPixelFormat::pf24bit) {
    dst.SetPixel(static_cast<int>(x), static_cast<int>(y), color);
    return;
  }
  uint8_t* p = dst.Row(static_cast<int>(y)) + 3 * x;
  p[0] = GetBValue(color), p[1] = GetGValue(color), p[2] = GetRValue(color);
}

void FillRect(TBitmap& dst, const TRect& r, TColor color) {
  const int64_t x0 = std::max<int64_t>(r.left, 0), x1 = std::min<int64_t>(r.right, dst.Width());
  const int64_t y0 = std::max<int64_t>(r.top, 0), y1 = std::min<int64_t>(r.bottom, dst.Height());
  for (int64_t y = y0; y < y1; ++y)
    for (int64_t x = x0; x < x1; ++x) PutPixel(dst, x, y, color);
}

}  // namespace tavo::skin
