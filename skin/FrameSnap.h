// Where a moving frame window may go: snapping to the edges of the work
// area (Magnetic) and a maximized window held in place. Portable.
#pragma once

#include "core/Rect.h"

namespace tavo::skin {

// The proposed rectangle (left, top, left + width, top + height) after
// snapping: in this order, a left edge strictly within `distance` of the
// area's left goes onto it, a top edge onto the area's top, a right edge
// (left + width) onto the area's right, a bottom edge (top + height) onto
// the area's bottom. At exactly `distance` nothing moves.
TRect SnapToArea(int left, int top, int width, int height, const TRect& area, int distance);

struct TMovingInput {
  TRect Proposed;       // the rectangle WM_MOVING offers
  TRect CurrentBounds;  // the form's bounds now
  bool Maximized = false;
  bool Magnetic = false;
  int MagneticSize = 5;
  TRect WorkArea;
};

// The rectangle WM_MOVING hands back: a maximized window stays at its
// bounds (it cannot be dragged); with Magnetic the proposed rectangle
// snaps, keeping the form's current size; otherwise it is unchanged.
TRect MovingRect(const TMovingInput& in);

}  // namespace tavo::skin
