// Feeds random pictures and random geometry to the three-part, nine-part
// and frame-piece drawing: whatever comes in, nothing is read or written
// outside a picture (AddressSanitizer watches every access).
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "skin/Glyphs.h"
#include "skin/NinePart.h"
#include "skin/ThreePart.h"

using namespace tavo;
using namespace tavo::skin;

namespace {

int Coord(FuzzedDataProvider& in) {
  // Mostly small values around the picture, now and then an extreme one.
  if (in.ConsumeIntegralInRange<int>(0, 15) == 0) return in.ConsumeIntegral<int32_t>();
  return in.ConsumeIntegralInRange<int>(-40, 120);
}

TPoint Pt(FuzzedDataProvider& in) { return TPoint{Coord(in), Coord(in)}; }
TRect Rc(FuzzedDataProvider& in) { return TRect{Coord(in), Coord(in), Coord(in), Coord(in)}; }

TBitmap Picture(FuzzedDataProvider& in) {
  static const TPixelFormat kFormats[] = {TPixelFormat::pf24bit, TPixelFormat::pf8bit, TPixelFormat::pf1bit,
                                          TPixelFormat::pf32bit};
  const TPixelFormat format = kFormats[in.ConsumeIntegralInRange<int>(0, 3)];
  TBitmap p(in.ConsumeIntegralInRange<int>(0, 48), in.ConsumeIntegralInRange<int>(0, 48), format);
  if (format == TPixelFormat::pf8bit || format == TPixelFormat::pf1bit) p.Palette().resize(in.ConsumeIntegralInRange<int>(0, 3));
  for (auto& byte : p.Data()) byte = in.ConsumeIntegral<uint8_t>();
  return p;
}

// Destination sizes stay modest so the fuzzer spends its time on geometry,
// not on allocating huge pictures.
int Size(FuzzedDataProvider& in) { return in.ConsumeIntegralInRange<int>(-8, 160); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const TBitmap picture = Picture(in);
  const TRect S = Rc(in);
  const TPoint LT = Pt(in), RT = Pt(in), LB = Pt(in), RB = Pt(in);
  const TRect C = Rc(in);
  const int DW = Size(in), DH = Size(in);
  const TStretchSides stretch{in.ConsumeBool(), in.ConsumeBool(), in.ConsumeBool(), in.ConsumeBool()};
  const bool fillClient = in.ConsumeBool();

  auto span = [](int32_t a, int32_t b) {
    return static_cast<int>(std::clamp<int64_t>(int64_t{b} - a, INT32_MIN, INT32_MAX));
  };
  TNinePartGeometry g = PlaceNinePart(LT, RT, LB, RB, C, span(S.left, S.right), span(S.top, S.bottom), DW, DH);
  if (in.ConsumeBool()) {  // callers may hand in placed geometry of their own
    g.NLT = Pt(in), g.NRT = Pt(in), g.NLB = Pt(in), g.NRB = Pt(in), g.NC = Rc(in);
  }

  TBitmap dest;
  DrawNinePart(dest, DW, DH, S, picture, g, stretch, fillClient);
  if (dest.Width() != (DW > 0 && DH > 0 ? DW : 0)) abort();
  const TFramePieces pieces = CreateFramePieces(DW, DH, S, picture, g, stretch);
  if (pieces.Top.Height() < 0 || pieces.Left.Width() < 0) abort();

  // A three-part image is as high (or wide) as its source rectangle, so that
  // one stays small here; its end widths may be anything.
  const TRect small{in.ConsumeIntegralInRange<int>(-40, 120), in.ConsumeIntegralInRange<int>(-40, 120),
                    in.ConsumeIntegralInRange<int>(-40, 120), in.ConsumeIntegralInRange<int>(-40, 120)};
  DrawHorizontalThreePart(Coord(in), Coord(in), dest, Size(in), small, picture);
  DrawVerticalThreePart(Coord(in), Coord(in), dest, Size(in), small, picture);
  DrawGlyphFrame(dest, Coord(in), Coord(in), Coord(in), Coord(in), picture);
  DrawArrow(dest, Rc(in), RGB(1, 2, 3), in.ConsumeIntegralInRange<int>(0, 5));
  return 0;
}
