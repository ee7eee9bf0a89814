// The skinned frame's window shape: the placed mask rectangle joined with
// the black pixels of the four mask strips cut for the window's width, or
// no shape at all. Portable; the Win32 frame turns the region into a window
// region and keeps the strips for its single-pixel hit tests.
#pragma once

#include "skin/FrameGeometry.h"
#include "skin/MaskRegion.h"
#include "skin/Region.h"

namespace tavo::skin {

class TSkinData;

struct TFrameRegionInput {
  bool BorderNone = false;
  // A maximized multi-document child.
  bool MaximizedMdiChild = false;
  const TSkinData* Skin = nullptr;  // none: no skin data
  int FrameWidth = 0, FrameHeight = 0;
};

// What the frame does with the window's region and its mask strips.
enum class TRegionChange {
  rcRemove,  // take away the region the frame set, if any
  rcSet,     // give the window Region
};
enum class TStripChange { scKeep, scClear, scReplace };

struct TFrameWindowRegion {
  TRegionChange Region = TRegionChange::rcRemove;
  TStripChange Strips = TStripChange::scKeep;
  TRegion Shape;           // rcSet: the new region, window coordinates
  TMaskPieces MaskStrips;  // scReplace: the strips to keep
  // Offsets of the strips' top-left corners on the window.
  TPoint TopAt, BottomAt, LeftAt, RightAt;
};

// Border style none, or a maximized multi-document child with a mask:
// remove the region (strips kept). No skin or no mask: remove the region
// and clear the strips. Otherwise cut the mask into strips at the placed
// geometry and set the placed mask rectangle joined with the black pixels
// of every strip that has a size (top at (0, 0), bottom at (0, mask
// bottom), left at (0, mask top), right at (mask right, mask top)).
TFrameWindowRegion BuildWindowRegion(const TFrameRegionInput& input);

}  // namespace tavo::skin
