// Mask scanning and the nine-part mask region.
#include "skin/MaskRegion.h"

#include <algorithm>
#include <cstdint>

#include "skin/FBitmap.h"
#include "skin/PixelCopy.h"

namespace tavo::skin {

namespace {

int32_t To32(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }
TRect R(int64_t l, int64_t t, int64_t r, int64_t b) { return TRect{To32(l), To32(t), To32(r), To32(b)}; }
// A strip's size along one axis, never more than the part it shapes.
int Fit(int64_t wanted, int part) { return To32(std::min<int64_t>(wanted, part)); }

bool IsBlack(const uint8_t* p) { return p[0] == 0 && p[1] == 0 && p[2] == 0; }

}  // namespace

std::optional<TRegionData> MaskRunsToRegionData(const TBitmap& mask, int x, int y) {
  if (mask.Empty()) return std::nullopt;
  const TFBitmap pixels(mask);
  TRegionData data;
  data.Bounds = R(x, y, int64_t{x} + pixels.Width(), int64_t{y} + pixels.Height());
  for (int row = 0; row < pixels.Height(); ++row) {
    const uint8_t* p = pixels.Row(row);
    int column = 0;
    while (column < pixels.Width()) {
      if (!IsBlack(p + 3 * column)) {
        ++column;
        continue;
      }
      const int start = column;
      while (column < pixels.Width() && IsBlack(p + 3 * column)) ++column;
      data.Rects.push_back(R(int64_t{start} + x, int64_t{row} + y, int64_t{column} + x, int64_t{row} + y + 1));
    }
  }
  return data;
}

TRegion MaskToRegion(const TBitmap& mask) {
  TRegion region;
  if (const auto data = MaskRunsToRegionData(mask, 0, 0))
    for (const TRect& r : data->Rects) region.Add(r);
  return region;
}

TMaskPieces CreateMaskPieces(int DW, int DH, const TBitmap& M, const TNinePartGeometry& g) {
  TMaskPieces pieces;
  TBitmap storage;
  const TBitmap& src = As24Bit(M, storage);
  const int64_t MW = M.Width(), MH = M.Height();
  const TRect& C = g.C;
  const int64_t NCH = int64_t{g.NC.bottom} - g.NC.top;

  // A side strip: the columns [from, to) of M, rows C.top to C.bottom
  // stretched to NCH by tiling the part between the two points.
  auto side = [&](TBitmap& strip, int64_t from, int64_t to, int32_t topY, int32_t bottomY) {
    strip = NewPicture(Fit(to - from, DW), Fit(NCH, DH));
    if (bottomY != topY) TileAlongY(strip, 0, NCH, 0, src, R(from, topY, to, bottomY));
    if (topY > C.top) CopyRect(strip, R(0, 0, to - from, int64_t{topY} - C.top), src, R(from, C.top, to, topY));
    if (C.bottom > bottomY)
      CopyRect(strip, R(0, NCH - (int64_t{C.bottom} - bottomY), to - from, NCH), src, R(from, bottomY, to, C.bottom));
  };
  if (C.left > 0 && NCH > 0) side(pieces.Left, 0, C.left, g.LT.y, g.LB.y);
  if (MW - C.right > 0 && NCH > 0) side(pieces.Right, C.right, MW, g.RT.y, g.RB.y);

  if (DW > 0 && C.top > 0) {
    TBitmap& top = pieces.Top;
    top = NewPicture(DW, Fit(C.top, DH));
    if (g.RT.x != g.LT.x) TileAlongX(top, g.NLT.x, g.NRT.x, 0, src, R(g.LT.x, 0, g.RT.x, C.top));
    CopyRect(top, R(0, 0, g.LT.x, C.top), src, R(0, 0, g.LT.x, C.top));
    CopyRect(top, R(g.NRT.x, 0, DW, C.top), src, R(g.RT.x, 0, MW, C.top));
  }
  const int64_t h = MH - C.bottom;
  if (DW > 0 && h > 0) {
    TBitmap& bottom = pieces.Bottom;
    bottom = NewPicture(DW, Fit(h, DH));
    if (g.RB.x != g.LB.x) TileAlongX(bottom, g.NLB.x, g.NRB.x, 0, src, R(g.LB.x, C.bottom, g.RB.x, MH));
    CopyRect(bottom, R(0, 0, g.LB.x, h), src, R(0, C.bottom, g.LB.x, MH));
    CopyRect(bottom, R(g.NRB.x, 0, DW, h), src, R(g.RB.x, C.bottom, MW, MH));
  }
  return pieces;
}

std::optional<TRegion> NinePartMaskToRegion(int DW, int DH, const TBitmap& M, const TNinePartGeometry& g) {
  if (g.NRT.x < g.NLT.x || g.NLB.y < g.NLT.y) return std::nullopt;
  const TMaskPieces pieces = CreateMaskPieces(DW, DH, M, g);
  const TRect& NC = g.NC;
  if (int64_t{NC.right} - NC.left < 1 || int64_t{NC.bottom} - NC.top < 1) return std::nullopt;
  TRegion region(NC);
  auto join = [&](const TBitmap& strip, int x, int y) {
    if (strip.Width() < 1 || strip.Height() < 1) return;
    if (const auto data = MaskRunsToRegionData(strip, x, y))
      for (const TRect& r : data->Rects) region.Add(r);
  };
  join(pieces.Top, 0, 0);
  join(pieces.Bottom, 0, NC.bottom);
  join(pieces.Left, 0, NC.top);
  join(pieces.Right, NC.right, NC.top);
  return region;
}

}  // namespace tavo::skin
