// Painting the plain frame: caption strip, grooves, caption box and rings.
#include "skin/FramePlain.h"

#include "skin/FitText.h"
#include "skin/FrameGeometry.h"
#include "skin/Geometry.h"
#include "skin/PixelCopy.h"

namespace tavo::skin {

namespace {

TRect MovedBy(const TRect& r, int dx, int dy) { return TRect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// A one-pixel ring just inside r: the top row and the left column in
// topLeft, the right column and the bottom row in bottomRight, which also
// takes the top-right and bottom-left corners.
void Ring(TBitmap& canvas, const TRect& r, TColor topLeft, TColor bottomRight, const TRect& clip) {
  auto put = [&](int x, int y, TColor c) {
    if (!PtInRect(clip, TPoint{x, y})) canvas.SetPixel(x, y, c);
  };
  for (int x = r.left; x < r.right - 1; ++x) put(x, r.top, topLeft);
  for (int y = r.top; y < r.bottom - 1; ++y) put(r.left, y, topLeft);
  for (int y = r.top; y < r.bottom; ++y) put(r.right - 1, y, bottomRight);
  for (int x = r.left; x < r.right; ++x) put(x, r.bottom - 1, bottomRight);
}

}  // namespace

TBitmap PaintPlainCaption(const TPlainFrameInput& in, TFrameTextPainter& text,
                          const std::vector<TPaintedObject>& objects) {
  const int h = PlainCaptionHeight(in.ToolWindow);
  const int width = in.FrameWidth - 2 * kPlainBorder;
  TBitmap caption = NewPicture(width, h);
  if (caption.Empty()) return caption;
  const TFrameSystemColors& c = in.Colors;
  FillRect(caption, TRect{0, 0, width, h}, c.BtnFace);

  const int li = in.CaptionRect.left - kPlainBorder;
  const int ri = width - in.CaptionRect.right;
  if (h > 5)
    for (int i = 0; i < h - 5; ++i)
      FillRect(caption, TRect{li + 2, 2 + i, width - ri - 6, 3 + i}, i % 2 == 0 ? c.BtnHighlight : c.BtnShadow);

  if (!in.Caption.empty()) {
    std::string shown = in.Caption;
    FitText([&](const std::string& s) { return text.TextExtent(s, in.Font).x; }, shown, width - li - ri);
    const TPoint size = text.TextExtent(shown, in.Font);
    const int x = li + (width - li - ri) / 2 - (size.x + 5) / 2;
    const int y = h / 2 - size.y / 2;
    FillRect(caption, TRect{x, 0, x + size.x + 5, h}, c.BtnFace);
    text.TextOut(caption, x + 3, y, shown, in.Font, in.FontColor);
  }

  for (const TPaintedObject& object : objects)
    if (object.Visible && object.Draw)
      object.Draw(caption, MovedBy(object.ObjectRect, -kPlainBorder, -kPlainBorder), true);
  return caption;
}

TBitmap PaintPlainFrame(const TPlainFrameInput& in, TFrameTextPainter& text, const std::vector<TPaintedObject>& objects,
                        const TBitmap& background) {
  TBitmap window = background.To24Bit();
  const int fw = in.FrameWidth, fh = in.FrameHeight;
  const int h = PlainCaptionHeight(in.ToolWindow);
  const TRect client{kPlainBorder, h + kPlainBorder, fw - kPlainBorder, fh - kPlainBorder};
  const TBitmap caption = PaintPlainCaption(in, text, objects);
  DrawPicture(window, caption, TPoint{kPlainBorder, kPlainBorder}, client);
  const TFrameSystemColors& c = in.Colors;
  Ring(window, TRect{0, 0, fw, fh}, c.Light3D, c.DkShadow3D, client);
  Ring(window, TRect{1, 1, fw - 1, fh - 1}, c.BtnHighlight, c.BtnShadow, client);
  Ring(window, TRect{2, 2, fw - 2, fh - 2}, c.BtnFace, c.BtnFace, client);
  return window;
}

}  // namespace tavo::skin
