// Feeds random masks and random geometry to the region builders: no access
// outside a picture, and every rectangle made covers only black pixels of
// its mask, inside the bounds it reports.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

#include "skin/MaskRegion.h"

using namespace tavo;
using namespace tavo::skin;

namespace {

int Coord(FuzzedDataProvider& in) {
  if (in.ConsumeIntegralInRange<int>(0, 15) == 0) return in.ConsumeIntegral<int32_t>();
  return in.ConsumeIntegralInRange<int>(-40, 120);
}
TPoint Pt(FuzzedDataProvider& in) { return TPoint{Coord(in), Coord(in)}; }
TRect Rc(FuzzedDataProvider& in) { return TRect{Coord(in), Coord(in), Coord(in), Coord(in)}; }

// A mask of black and white pixels (and now and then another colour).
TBitmap Mask(FuzzedDataProvider& in) {
  TBitmap m(in.ConsumeIntegralInRange<int>(0, 64), in.ConsumeIntegralInRange<int>(0, 64));
  for (int y = 0; y < m.Height(); ++y)
    for (int x = 0; x < m.Width(); ++x) {
      const uint8_t v = in.ConsumeIntegral<uint8_t>();
      m.SetPixel(x, y, v < 128 ? RGB(0, 0, 0) : v < 250 ? RGB(255, 255, 255) : RGB(v, 0, 0));
    }
  return m;
}

bool Black(const TBitmap& m, int x, int y) { return m.Pixel(x, y) == 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const TBitmap mask = Mask(in);
  const int ox = in.ConsumeIntegralInRange<int>(-1000, 1000), oy = in.ConsumeIntegralInRange<int>(-1000, 1000);

  if (const auto runs = MaskRunsToRegionData(mask, ox, oy)) {
    for (const TRect& r : runs->Rects) {
      if (r.bottom != r.top + 1 || r.right <= r.left) abort();
      if (r.left < runs->Bounds.left || r.right > runs->Bounds.right) abort();
      for (int x = r.left; x < r.right; ++x)
        if (!Black(mask, x - ox, r.top - oy)) abort();
    }
    if (runs->Bytes().size() != runs->Size()) abort();
    size_t total = 0;
    for (const TRegionData& piece : SplitRegionData(*runs, in.ConsumeIntegralInRange<size_t>(1, 40)))
      total += piece.Rects.size();
    if (total != runs->Rects.size()) abort();
  } else if (!mask.Empty()) {
    abort();
  }

  const TPoint LT = Pt(in), RT = Pt(in), LB = Pt(in), RB = Pt(in);
  const TRect C = Rc(in);
  const int DW = in.ConsumeIntegralInRange<int>(-8, 160), DH = in.ConsumeIntegralInRange<int>(-8, 160);
  TNinePartGeometry g = PlaceNinePart(LT, RT, LB, RB, C, mask.Width(), mask.Height(), DW, DH);
  if (in.ConsumeBool()) g.NLT = Pt(in), g.NRT = Pt(in), g.NLB = Pt(in), g.NRB = Pt(in), g.NC = Rc(in);
  const TMaskPieces pieces = CreateMaskPieces(DW, DH, mask, g);
  (void)pieces;
  if (const auto region = NinePartMaskToRegion(DW, DH, mask, g))
    if (region->Empty()) abort();  // it always holds the non-empty NC
  return 0;
}
