// Regions from mask pictures: the black pixels of a mask become a list of
// one-pixel-high rectangles, and a nine-part mask is cut into the border
// strips of a resized part and joined with its client rectangle.
#pragma once

#include <optional>

#include "core/Rect.h"
#include "skin/Bitmap.h"
#include "skin/NinePart.h"
#include "skin/Region.h"

namespace tavo::skin {

// The runs of pure black pixels (blue, green and red all 0) of every row,
// top to bottom and left to right, each as the rectangle (c1 + x, r + y,
// c2 + x, r + y + 1); the bounds are (x, y, x + width, y + height). Every
// run is kept, however many there are. No data (nullopt) for an empty mask;
// an all-white mask gives data with no rectangles.
std::optional<TRegionData> MaskRunsToRegionData(const TBitmap& mask, int x, int y);

// The region of a mask's black pixels at (0, 0); empty for an empty mask.
TRegion MaskToRegion(const TBitmap& mask);

// The four border strips of a mask M cut for a part DW wide (M covers the
// whole skin image; C, the points and their placed versions come from g).
// A strip that cannot be made stays empty (0 x 0); no strip is larger than
// the DW x DH part. Undrawn pixels of a strip are white, so they stay
// outside the region.
struct TMaskPieces {
  TBitmap Top, Bottom, Left, Right;
};
TMaskPieces CreateMaskPieces(int DW, int DH, const TBitmap& M, const TNinePartGeometry& g);

// The shape of a part DW x DH wide from its nine-part mask: NC joined with
// the black pixels of the four strips (top at (0, 0), bottom at
// (0, NC.bottom), left at (0, NC.top), right at (NC.right, NC.top)). No
// region when the placed points are inverted or NC is empty: the part then
// keeps its plain rectangular shape.
std::optional<TRegion> NinePartMaskToRegion(int DW, int DH, const TBitmap& M, const TNinePartGeometry& g);

}  // namespace tavo::skin
