// Nine-part drawing and the frame pieces of a skinned window.
#include "skin/NinePart.h"

#include <algorithm>
#include <cstdint>

#include "skin/PixelCopy.h"

namespace tavo::skin {

namespace {

int32_t To32(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

TRect R(int64_t l, int64_t t, int64_t r, int64_t b) { return TRect{To32(l), To32(t), To32(r), To32(b)}; }

// A piece's size along one axis: what the geometry asks for, but never more
// than the window it is drawn on. Rows or columns beyond the window could
// never be seen, and a hostile client rectangle must not make us allocate
// gigabytes; the drawing coordinates stay as they are, only clipped.
int Fit(int64_t wanted, int window) { return To32(std::min<int64_t>(wanted, window)); }

// A rectangle given relative to S, in picture coordinates.
struct TSource {
  const TRect& S;
  TRect operator()(int64_t l, int64_t t, int64_t r, int64_t b) const {
    return R(S.left + l, S.top + t, S.left + r, S.top + b);
  }
};

}  // namespace

TNinePartGeometry PlaceNinePart(TPoint LT, TPoint RT, TPoint LB, TPoint RB, const TRect& C, int SW, int SH,
                                int DW, int DH) {
  const int64_t dW = int64_t{DW} - SW, dH = int64_t{DH} - SH;
  TNinePartGeometry g{LT, RT, LB, RB, C, {}, {}, {}, {}, {}};
  g.NLT = LT;
  g.NRT = TPoint{To32(RT.x + dW), RT.y};
  g.NLB = TPoint{LB.x, To32(LB.y + dH)};
  g.NRB = TPoint{To32(RB.x + dW), To32(RB.y + dH)};
  g.NC = R(C.left, C.top, C.right + dW, C.bottom + dH);
  return g;
}

void DrawNinePart(TBitmap& dest, int DW, int DH, const TRect& S, const TBitmap& P, const TNinePartGeometry& g,
                  TStretchSides stretch, bool fillClient) {
  dest = NewPicture(DW, DH);
  if (g.RB.x == g.LT.x || g.RB.y == g.LT.y || P.Empty() || dest.Empty()) return;
  TBitmap storage;
  const TBitmap& src = As24Bit(P, storage);
  const TSource s{S};
  const int64_t SW = int64_t{S.right} - S.left, SH = int64_t{S.bottom} - S.top;
  const TRect& C = g.C;
  const TRect& NC = g.NC;

  // Edges.
  const TRect top = s(g.LT.x, 0, g.RT.x, C.top);
  if (stretch.Top) CopyRect(dest, R(g.NLT.x, 0, g.NRT.x, NC.top), src, top);
  else TileAlongX(dest, g.NLT.x, g.NRT.x, 0, src, top);

  const TRect bottom = s(g.LB.x, C.bottom, g.RB.x, SH);
  if (stretch.Bottom) CopyRect(dest, R(g.NLB.x, NC.bottom, g.NRB.x, DH), src, bottom);
  else TileAlongX(dest, g.NLB.x, g.NRB.x, NC.bottom, src, bottom);

  const TRect left = s(0, g.LT.y, C.left, g.LB.y);
  if (stretch.Left) CopyRect(dest, R(0, g.NLT.y, NC.left, g.NLB.y), src, left);
  else TileAlongY(dest, g.NLT.y, g.NLB.y, 0, src, left);

  const TRect right = s(C.right, g.RT.y, SW, g.RB.y);
  if (stretch.Right) CopyRect(dest, R(NC.right, g.NRT.y, DW, g.NRB.y), src, right);
  else TileAlongY(dest, g.NRT.y, g.NRB.y, NC.right, src, right);

  // The eight fixed pieces, unscaled.
  CopyRect(dest, R(0, 0, g.NLT.x, NC.top), src, s(0, 0, g.LT.x, C.top));
  CopyRect(dest, R(0, NC.top, NC.left, g.NLT.y), src, s(0, C.top, C.left, g.LT.y));
  CopyRect(dest, R(g.NRT.x, 0, DW, NC.top), src, s(g.RT.x, 0, SW, C.top));
  CopyRect(dest, R(NC.right, NC.top, DW, g.NRT.y), src, s(C.right, C.top, SW, g.RT.y));
  CopyRect(dest, R(0, g.NLB.y, NC.left, DH), src, s(0, g.LB.y, C.left, SH));
  CopyRect(dest, R(NC.left, NC.bottom, g.NLB.x, DH), src, s(C.left, C.bottom, g.LB.x, SH));
  CopyRect(dest, R(g.NRB.x, NC.bottom, DW, DH), src, s(g.RB.x, C.bottom, SW, SH));
  CopyRect(dest, R(NC.right, g.NRB.y, DW, NC.bottom), src, s(C.right, g.RB.y, SW, C.bottom));

  if (!fillClient) return;
  // The client rectangle tiled over NC, columns outside, rows inside; an
  // empty C has nothing to tile.
  const int64_t CW = int64_t{C.right} - C.left, CH = int64_t{C.bottom} - C.top;
  if (CW < 1 || CH < 1) return;
  ForEachTile(NC.left, NC.right, CW, 0, dest.Width(), [&](int64_t x, int64_t w) {
    ForEachTile(NC.top, NC.bottom, CH, 0, dest.Height(), [&](int64_t y, int64_t h) {
      CopyRect(dest, R(x, y, x + w, y + h), src, s(C.left, C.top, C.left + w, C.top + h));
    });
  });
}

void DrawTiledNinePart(TBitmap& dest, int DW, int DH, const TRect& S, const TBitmap& P, const TNinePartGeometry& g,
                       bool fillClient) {
  DrawNinePart(dest, DW, DH, S, P, g, TStretchSides{}, fillClient);
}

TFramePieces CreateFramePieces(int DW, int DH, const TRect& S, const TBitmap& P, const TNinePartGeometry& g,
                               TStretchSides stretch) {
  TFramePieces pieces;
  TBitmap storage;
  const TBitmap& src = As24Bit(P, storage);
  const TSource s{S};
  const int64_t SW = int64_t{S.right} - S.left, SH = int64_t{S.bottom} - S.top;
  const TRect& C = g.C;
  const TRect& NC = g.NC;

  // Top piece: the top NC.top rows, its strip tiled from the piece's origin.
  if (DW > 0 && NC.top > 0 && g.RT.x > g.LT.x) {
    TBitmap& top = pieces.Top;
    top = NewPicture(DW, Fit(NC.top, DH));
    const TRect strip = s(g.LT.x, 0, g.RT.x, NC.top);
    if (stretch.Top) CopyRect(top, R(g.NLT.x, 0, g.NRT.x, NC.top), src, strip);
    else TileAlongX(top, 0, DW, 0, src, strip);
    CopyRect(top, R(0, 0, g.NLT.x, NC.top), src, s(0, 0, g.LT.x, NC.top));
    CopyRect(top, R(g.NRT.x, 0, DW, NC.top), src, s(g.RT.x, 0, SW, NC.top));
  }

  // Bottom piece: the last h rows of S.
  const int64_t h = int64_t{DH} - NC.bottom;
  if (DW > 0 && h > 0 && g.RB.x > g.LB.x) {
    TBitmap& bottom = pieces.Bottom;
    bottom = NewPicture(DW, Fit(h, DH));
    const TRect strip = s(g.LB.x, SH - h, g.RB.x, SH);
    if (stretch.Bottom) CopyRect(bottom, R(g.NLB.x, 0, g.NRB.x, h), src, strip);
    else TileAlongX(bottom, 0, DW, 0, src, strip);
    CopyRect(bottom, R(0, 0, g.NLB.x, h), src, s(0, SH - h, g.LB.x, SH));
    CopyRect(bottom, R(g.NRB.x, 0, DW, h), src, s(g.RB.x, SH - h, SW, SH));
  }

  // The side pieces fill the height between the top and bottom pieces.
  const int64_t v = int64_t{DH} - pieces.Bottom.Height() - pieces.Top.Height();
  if (NC.left > 0 && v > 0 && g.LB.y > g.LT.y) {
    TBitmap& left = pieces.Left;
    left = NewPicture(Fit(NC.left, DW), To32(v));
    const TRect strip = s(0, g.LT.y, NC.left, g.LB.y);
    if (stretch.Left) CopyRect(left, R(0, int64_t{g.LT.y} - C.top, NC.left, v + g.LB.y - C.bottom), src, strip);
    else TileAlongY(left, 0, v, 0, src, strip);
    if (g.LT.y > C.top) CopyRect(left, R(0, 0, NC.left, int64_t{g.LT.y} - C.top), src, s(0, C.top, NC.left, g.LT.y));
    if (C.bottom > g.LB.y)
      CopyRect(left, R(0, v - (int64_t{C.bottom} - g.LB.y), NC.left, v), src, s(0, g.LB.y, NC.left, C.bottom));
  }

  const int64_t w = int64_t{DW} - NC.right;
  if (w >= 1 && v >= 1 && int64_t{g.RB.y} - g.RT.y >= 1) {
    TBitmap& right = pieces.Right;
    right = NewPicture(Fit(w, DW), To32(v));
    const TRect strip = s(C.right, g.RT.y, SW, g.RB.y);
    if (stretch.Right) CopyRect(right, R(0, int64_t{g.RT.y} - C.top, w, v + g.RB.y - C.bottom), src, strip);
    else TileAlongY(right, 0, v, 0, src, strip);
    if (g.RT.y > C.top) CopyRect(right, R(0, 0, w, int64_t{g.RT.y} - C.top), src, s(C.right, C.top, SW, g.RT.y));
    if (C.bottom > g.RB.y)
      CopyRect(right, R(0, v - (int64_t{C.bottom} - g.RB.y), w, v), src, s(C.right, g.RB.y, SW, C.bottom));
  }
  return pieces;
}

}  // namespace tavo::skin
