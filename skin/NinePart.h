// Nine-part images: a skin picture's four corners and edge pieces kept at
// their size, its edges tiled or stretched and its client area tiled, laid
// into a destination of a new size; and the four border pieces of a
// skinned window cut the same way.
#pragma once

#include "core/Rect.h"
#include "skin/Bitmap.h"

namespace tavo::skin {

using tavo::TPoint;
using tavo::TRect;

// The frame points and client rectangle of a skin image (LT, RT, LB, RB, C,
// measured from the top-left corner of the source rectangle S) and their
// placed versions in a destination (NLT, NRT, NLB, NRB, NC).
struct TNinePartGeometry {
  TPoint LT, RT, LB, RB;
  TRect C;
  TPoint NLT, NRT, NLB, NRB;
  TRect NC;
};

// Places the points for a destination of DW x DH: with dW = DW - SW and
// dH = DH - SH, right points move by dW, bottom points by dH, and the
// client rectangle's right and bottom edges follow them.
TNinePartGeometry PlaceNinePart(TPoint LT, TPoint RT, TPoint LB, TPoint RB, const TRect& C, int SW, int SH,
                                int DW, int DH);

// Which edges are stretched (nearest pixel) rather than tiled.
struct TStretchSides {
  bool Top = false;
  bool Bottom = false;
  bool Left = false;
  bool Right = false;
};

// Makes dest a DW x DH picture and draws the nine-part image of S (in P)
// into it: edges, then the eight fixed corner pieces, then (fillClient) the
// client rectangle C tiled over NC. Draws nothing more than the sizing when
// RB.x = LT.x, RB.y = LT.y or P is empty; an empty strip or an empty C is
// skipped rather than divided by.
void DrawNinePart(TBitmap& dest, int DW, int DH, const TRect& S, const TBitmap& P, const TNinePartGeometry& g,
                  TStretchSides stretch, bool fillClient);

// DrawNinePart with every edge tiled.
void DrawTiledNinePart(TBitmap& dest, int DW, int DH, const TRect& S, const TBitmap& P, const TNinePartGeometry& g,
                       bool fillClient);

// The four border pieces of a skinned window DW x DH wide; a piece that
// cannot be made (no size or no middle strip) stays empty (0 x 0). A piece
// is never larger than the window (extra rows or columns could not be
// seen).
struct TFramePieces {
  TBitmap Top, Bottom, Left, Right;
};
TFramePieces CreateFramePieces(int DW, int DH, const TRect& S, const TBitmap& P, const TNinePartGeometry& g,
                               TStretchSides stretch);

}  // namespace tavo::skin
