// Placing the skin's frame values on the window and the corner-zone rule.
#include "skin/FrameGeometry.h"

#include <algorithm>

#include "skin/Geometry.h"
#include "skin/SkinData.h"

namespace tavo::skin {

namespace {
int32_t Add(int32_t a, int64_t b) { return Clamp32(a + b); }
TPoint Moved(TPoint p, int dx, int dy) { return TPoint{Add(p.x, dx), Add(p.y, dy)}; }
TRect Moved(const TRect& r, int dx, int dy) {
  return TRect{Add(r.left, dx), Add(r.top, dy), Add(r.right, dx), Add(r.bottom, dy)};
}
TRect Grown(const TRect& r, int dx, int dy) { return TRect{r.left, r.top, Add(r.right, dx), Add(r.bottom, dy)}; }
}  // namespace

int32_t Clamp32(int64_t value) { return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX)); }

TFrameSkinGeometry FrameSkinGeometryOf(const TSkinData& skin) {
  TFrameSkinGeometry g;
  g.PW = skin.Picture.Width();
  g.PH = skin.Picture.Height();
  g.LeftTop = skin.lefttoppoint;
  g.RightTop = skin.righttoppoint;
  g.LeftBottom = skin.leftbottompoint;
  g.RightBottom = skin.rightbottompoint;
  g.ClientRect = skin.clientrect;
  g.CaptionRect = skin.captionrect;
  g.ButtonsRect = skin.buttonsrect;
  g.MaskRect = skin.maskrectarea;
  g.ButtonsOffset = skin.buttonsoffset;
  g.ButtonsInLeft = skin.buttonsinleft;
  g.HitTestLeftTop = skin.hittestlefttoppoint;
  g.HitTestRightTop = skin.hittestrighttoppoint;
  g.HitTestLeftBottom = skin.hittestleftbottompoint;
  g.HitTestRightBottom = skin.hittestrightbottompoint;
  return g;
}

TPlacedFrameGeometry ComputePlacedGeometry(const TFrameSkinGeometry& s, int frameWidth, int frameHeight) {
  TPlacedFrameGeometry p;
  static_cast<TFrameGeometryValues&>(p) = s;  // offset, side and left-top points stay
  p.FrameWidth = frameWidth;
  p.FrameHeight = frameHeight;
  p.dx = Clamp32(int64_t{frameWidth} - s.PW);
  p.dy = Clamp32(int64_t{frameHeight} - s.PH);
  p.RightTop = Moved(s.RightTop, p.dx, 0);
  p.LeftBottom = Moved(s.LeftBottom, 0, p.dy);
  p.RightBottom = Moved(s.RightBottom, p.dx, p.dy);
  p.ClientRect = Grown(s.ClientRect, p.dx, p.dy);
  if (!IsNullRect(s.CaptionRect)) p.CaptionRect.right = Add(s.CaptionRect.right, p.dx);
  if (!IsNullRect(s.ButtonsRect) && s.ButtonsRect.left > s.PW / 2) p.ButtonsRect = Moved(s.ButtonsRect, p.dx, 0);
  p.HitTestRightTop = Moved(s.HitTestRightTop, p.dx, 0);
  p.HitTestLeftBottom = Moved(s.HitTestLeftBottom, 0, p.dy);
  p.HitTestRightBottom = Moved(s.HitTestRightBottom, p.dx, p.dy);
  p.MaskRect = Grown(s.MaskRect, p.dx, p.dy);
  return p;
}

TRect CornerZoneRect(const TFrameSkinGeometry& s, TCornerZone zone) {
  switch (zone) {
    case TCornerZone::czLeftTop: return TRect{0, 0, s.LeftTop.x, s.LeftTop.y};
    case TCornerZone::czRightTop: return TRect{s.RightTop.x, 0, s.PW, s.RightTop.y};
    case TCornerZone::czLeftBottom: return TRect{0, s.LeftBottom.y, s.LeftBottom.x, s.PH};
    case TCornerZone::czRightBottom: return TRect{s.RightBottom.x, s.RightBottom.y, s.PW, s.PH};
  }
  return EmptyRect();
}

bool InCornerZone(const TFrameSkinGeometry& s, TCornerZone zone, TPoint p) {
  return PtInRect(CornerZoneRect(s, zone), p);
}

TRect PlaceByCornerZones(const TFrameSkinGeometry& s, const TRect& r, int dx, int dy) {
  using enum TCornerZone;
  const TPoint tl{r.left, r.top}, br{r.right, r.bottom};
  auto is = [&](TCornerZone a, TCornerZone b) { return InCornerZone(s, a, tl) && InCornerZone(s, b, br); };
  // The rows are tested in this order and the first match decides, which
  // matters when a skin's zones overlap.
  if (is(czLeftTop, czLeftTop)) return r;
  if (is(czRightTop, czRightTop)) return Moved(r, dx, 0);
  if (is(czLeftBottom, czLeftBottom)) return Moved(r, 0, dy);
  if (is(czRightBottom, czRightBottom)) return Moved(r, dx, dy);
  if (is(czLeftTop, czRightBottom)) return Grown(r, dx, dy);
  if (is(czLeftTop, czRightTop)) return Grown(r, dx, 0);
  if (is(czLeftBottom, czRightBottom)) return Moved(Grown(r, dx, 0), 0, dy);
  if (is(czLeftTop, czLeftBottom)) return Grown(r, 0, dy);
  if (is(czRightTop, czRightBottom)) return Grown(Moved(r, dx, 0), 0, dy);
  return r;
}

namespace {
TNinePartGeometry NinePartOf(const TFrameSkinGeometry& s, const TPlacedFrameGeometry& p, const TRect& c,
                             const TRect& nc) {
  TNinePartGeometry g;
  g.LT = s.LeftTop;
  g.RT = s.RightTop;
  g.LB = s.LeftBottom;
  g.RB = s.RightBottom;
  g.C = c;
  g.NLT = p.LeftTop;
  g.NRT = p.RightTop;
  g.NLB = p.LeftBottom;
  g.NRB = p.RightBottom;
  g.NC = nc;
  return g;
}
}  // namespace

TNinePartGeometry FramePieceGeometry(const TFrameSkinGeometry& s, const TPlacedFrameGeometry& p) {
  return NinePartOf(s, p, s.ClientRect, p.ClientRect);
}

TNinePartGeometry MaskStripGeometry(const TFrameSkinGeometry& s, const TPlacedFrameGeometry& p) {
  return NinePartOf(s, p, s.MaskRect, p.MaskRect);
}

}  // namespace tavo::skin
