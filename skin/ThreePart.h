// Three-part images: two fixed ends cut from a skin picture and the middle
// strip tiled between them, along one axis.
#pragma once

#include "core/Rect.h"
#include "skin/Bitmap.h"

namespace tavo::skin {

// Makes dest a DW x SH picture (S being the source rectangle of picture P):
// S's first leftWidth columns at the left, its last rightWidth columns at
// the right (each when not 0), and the columns between tiled from
// leftWidth to DW - rightWidth. In a destination narrower than both ends
// the right end, drawn second, covers the left one and no middle is laid;
// nothing outside dest is ever touched.
void DrawHorizontalThreePart(int leftWidth, int rightWidth, TBitmap& dest, int DW, const tavo::TRect& S,
                             const TBitmap& P);

// The same along the rows: dest becomes SW x DH, the first topHeight and
// last bottomHeight rows of S fixed, the rows between tiled.
void DrawVerticalThreePart(int topHeight, int bottomHeight, TBitmap& dest, int DH, const tavo::TRect& S,
                           const TBitmap& P);

}  // namespace tavo::skin
