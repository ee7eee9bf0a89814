// Magnetic snapping and the maximized window's fixed place while moving.
#include "skin/FrameSnap.h"

#include "skin/Geometry.h"

namespace tavo::skin {

namespace {

bool Near(int edge, int value, int distance) { return edge - distance < value && value < edge + distance; }

}  // namespace

TRect SnapToArea(int left, int top, int width, int height, const TRect& area, int distance) {
  if (Near(area.left, left, distance)) left = area.left;
  if (Near(area.top, top, distance)) top = area.top;
  if (Near(area.right, left + width, distance)) left = area.right - width;
  if (Near(area.bottom, top + height, distance)) top = area.bottom - height;
  return TRect{left, top, left + width, top + height};
}

TRect MovingRect(const TMovingInput& in) {
  if (in.Maximized) return in.CurrentBounds;
  if (!in.Magnetic) return in.Proposed;
  return SnapToArea(in.Proposed.left, in.Proposed.top, RectWidth(in.CurrentBounds), RectHeight(in.CurrentBounds),
                    in.WorkArea, in.MagneticSize);
}

}  // namespace tavo::skin
