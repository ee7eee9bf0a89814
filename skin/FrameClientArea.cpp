// Client rectangles and size limits of the skinned frame.
#include "skin/FrameClientArea.h"

#include <algorithm>

#include "skin/Geometry.h"

namespace tavo::skin {

namespace {
TRect Clamped(TRect r) {
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

int CutTo(int value, int limit) { return limit != 0 && limit < value ? limit : value; }
}  // namespace

TRect SkinnedClientRect(const TRect& window, const TFrameSkinGeometry& s) {
  return Clamped(TRect{Clamp32(int64_t{window.left} + s.ClientRect.left),
                       Clamp32(int64_t{window.top} + s.ClientRect.top),
                       Clamp32(int64_t{window.right} + s.ClientRect.right - s.PW),
                       Clamp32(int64_t{window.bottom} + s.ClientRect.bottom - s.PH)});
}

TRect PlainClientRect(const TRect& window, bool toolWindow) {
  return Clamped(TRect{Clamp32(int64_t{window.left} + kPlainBorder),
                       Clamp32(int64_t{window.top} + PlainCaptionHeight(toolWindow) + kPlainBorder),
                       Clamp32(int64_t{window.right} - kPlainBorder), Clamp32(int64_t{window.bottom} - kPlainBorder)});
}

TFrameSizeLimits SkinnedSizeLimits(const TFrameSkinGeometry& s) {
  TFrameSizeLimits l;
  l.Skinned = true;
  l.PW = s.PW;
  l.PH = s.PH;
  l.SkinClientHeight = RectHeight(s.ClientRect);
  return l;
}

TPoint MinimumFrameSize(const TFrameSizeLimits& l) {
  const bool folded = l.RolledUp || l.Minimized;
  TPoint m;
  if (l.Skinned) {
    m.x = l.MinWidth > l.PW && !l.Minimized ? l.MinWidth : l.PW;
    const int frameOnly = Clamp32(int64_t{l.PH} - l.SkinClientHeight);
    m.y = frameOnly >= l.MinHeight || folded ? frameOnly : l.MinHeight;
  } else {
    m.x = l.MinWidth > 0 ? l.MinWidth : 120;
    const int frameOnly = PlainCaptionHeight(l.ToolWindow) + 2 * kPlainBorder;
    m.y = frameOnly >= l.MinHeight || folded ? frameOnly : l.MinHeight;
  }
  return m;
}

TPoint MaximumFrameSize(const TFrameSizeLimits& l, const TRect& workArea, const TRect& monitor) {
  const TRect& area = l.MaximizeOnFullScreen ? monitor : workArea;
  return TPoint{CutTo(RectWidth(area), l.MaxWidth), CutTo(RectHeight(area), l.MaxHeight)};
}

std::vector<TPoint> ApplySkinSizeSteps(TPoint size, TPoint minimum, bool rolledUp, bool minimized) {
  std::vector<TPoint> steps;
  auto go = [&](TPoint next) {
    steps.push_back(next);
    size = next;
  };
  const bool narrow = size.x < minimum.x, low = size.y < minimum.y;
  if (narrow && low) {
    go(minimum);
  } else if (low) {
    go({size.x, minimum.y});
  } else if (narrow) {
    go({minimum.x, size.y});
  } else if (size.x - 1 < minimum.x) {
    const int width = size.x;
    go({width + 1, size.y});
    go({width, size.y});
  } else {
    const int width = size.x;
    go({width - 1, size.y});
    go({width, size.y});
  }
  if ((rolledUp || minimized) && size.y != minimum.y) go({size.x, minimum.y});
  if (minimized && size.x != minimum.x) go({minimum.x, size.y});
  return steps;
}

}  // namespace tavo::skin
