// Hit codes, message points and the skinned and plain hit tests of the
// window frame.
#include "skin/FrameHitTest.h"

#include "skin/Geometry.h"

namespace tavo::skin {

bool IsSizingHitCode(int code) { return code >= kHtLeft && code <= kHtBottomRight; }

TPoint PointFromMessageParam(uint32_t param) {
  return TPoint{static_cast<int16_t>(param & 0xFFFFu), static_cast<int16_t>(param >> 16)};
}

TPoint ScreenToFrame(TPoint screen, TPoint formOrigin) {
  return TPoint{screen.x - formOrigin.x, screen.y - formOrigin.y};
}

int CursorHitCode(int code, bool useFormCursor) {
  if (!useFormCursor || code == kHtClient || IsSizingHitCode(code)) return code;
  return kHtClient;
}

namespace {

// TBitmap::Pixel answers 0 (black) off the picture; the shape test needs
// such points to count as outside.
bool BlackAt(const TBitmap& strip, int x, int y) {
  if (x < 0 || y < 0 || x >= strip.Width() || y >= strip.Height()) return false;
  return strip.Pixel(x, y) == 0;
}

bool InFormRect(TPoint p, int width, int height) { return PtInRect(TRect{0, 0, width, height}, p); }

bool IsCaptionHit(TPoint p, const std::vector<TRect>& captions) {
  for (const TRect& r : captions)
    if (PtInRect(r, p)) return true;
  return false;
}

bool AtSkinnedEdge(TPoint p, const TSkinnedHitInput& in) {
  const int b = in.BorderWidth;
  const TPoint probes[] = {{p.x - b, p.y}, {p.x, p.y - b}, {p.x + b, p.y}, {p.x, p.y + b}};
  if (in.Mask == nullptr) {
    for (TPoint q : probes)
      if (!InFormRect(q, in.FormWidth, in.FormHeight)) return true;
    return false;
  }
  if (PtInRect(in.MaskRect, p)) return false;
  for (TPoint q : probes)
    if (!PointInFrameShape(q, in.MaskRect, *in.Mask)) return true;
  return false;
}

// The sizing code of an edge point, or kHtNowhere when p lies in none of
// the corner and side areas.
int EdgeCode(TPoint p, const TSkinnedHitInput& in) {
  const TPoint lt = in.HitLeftTop, rt = in.HitRightTop, lb = in.HitLeftBottom, rb = in.HitRightBottom;
  const TRect& c = in.ClientRect;
  if (p.x <= lt.x && p.y <= lt.y) return kHtTopLeft;
  if (p.x >= rt.x && p.y <= rt.y) return kHtTopRight;
  if (p.x <= lb.x && p.y >= lb.y) return kHtBottomLeft;
  if (p.x >= rb.x && p.y >= rb.y) return kHtBottomRight;
  if (PtInRect(TRect{lt.x, 0, rt.x, c.top}, p)) return kHtTop;
  if (PtInRect(TRect{lb.x, c.bottom, rb.x, in.FormHeight}, p)) return kHtBottom;
  if (PtInRect(TRect{0, lt.y, c.left, lb.y}, p)) return kHtLeft;
  if (PtInRect(TRect{c.right, rt.y, in.FormWidth, rb.y}, p)) return kHtRight;
  return kHtNowhere;
}

}  // namespace

bool PointInFrameShape(TPoint p, const TRect& m, const TMaskPieces& strips) {
  if (PtInRect(m, p)) return true;
  // The top strip holds the rows above M only (M.top rows); row M.top
  // itself belongs to the side strips, as in the window's region.
  if (p.y < m.top) return BlackAt(strips.Top, p.x, p.y);
  if (p.y < m.bottom) {
    if (p.x > m.left) return BlackAt(strips.Right, p.x - m.right, p.y - m.top);
    return BlackAt(strips.Left, p.x, p.y - m.top);
  }
  return BlackAt(strips.Bottom, p.x, p.y - m.bottom);
}

int SkinnedHitTest(TPoint p, const TSkinnedHitInput& in) {
  const bool captionHit = IsCaptionHit(p, in.CaptionRects);
  if (!in.RolledUp && !in.Minimized) {
    const bool inClient = PtInRect(in.ClientRect, p);
    if (in.ObjectActive && !captionHit && !inClient && !in.SizeMoveLoop) return kHtObject;
    if (!in.Maximized && in.Sizeable) {
      if (!AtSkinnedEdge(p, in)) return inClient ? kHtClient : captionHit ? kHtCaption : kHtObject;
      const int edge = EdgeCode(p, in);
      if (edge != kHtNowhere) return edge;
    }
    if (inClient) return kHtClient;
  }
  return captionHit ? kHtCaption : kHtObject;
}

int PlainHitTest(TPoint p, const TPlainHitInput& in) {
  const int w = in.FormWidth, h = in.FormHeight;
  if (!in.Maximized && !in.RolledUp && !in.Minimized && in.Sizeable) {
    if (in.ObjectActive) return kHtObject;
    if (p.x <= 2 && p.y <= 2) return kHtTopLeft;
    if (p.x >= w - 2 && p.y <= 2) return kHtTopRight;
    if (p.x <= 2 && p.y >= h - 2) return kHtBottomLeft;
    if (p.x >= w - 2 && p.y >= h - 2) return kHtBottomRight;
    if (p.x <= 2) return kHtLeft;
    if (p.y <= 2) return kHtTop;
    if (p.x >= w - 2) return kHtRight;
    if (p.y >= h - 2) return kHtBottom;
  }
  if (PtInRect(in.CaptionRect, p)) return kHtCaption;
  if (PtInRect(TRect{3, in.CaptionHeight + 3, w - 3, h - 3}, p)) return kHtClient;
  return kHtObject;
}

}  // namespace tavo::skin
