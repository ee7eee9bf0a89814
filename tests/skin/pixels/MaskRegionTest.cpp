// Regions from masks: runs, the region data layout, long run lists, mask
// pieces and the nine-part mask region; and the TFBitmap copy they scan.
#include "skin/MaskRegion.h"

#include <gtest/gtest.h>

#include "skin/FBitmap.h"
#include "skin/pixels/Pictures.h"

namespace tavo::skin {
namespace {

using test::Filled;
using test::kBlack;
using test::kWhite;

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t{b[at + 3]} << 24);
}

TEST(MaskRuns, BlackRunGivesOneRectangle) {
  TBitmap mask = Filled(12, 2, kWhite);
  for (int x = 3; x <= 7; ++x) mask.SetPixel(x, 0, kBlack);
  const auto data = MaskRunsToRegionData(mask, 0, 0);
  ASSERT_TRUE(data.has_value());
  ASSERT_EQ(data->Rects.size(), 1u);
  EXPECT_EQ(data->Rects[0], (TRect{3, 0, 8, 1}));
  EXPECT_EQ(data->Bounds, (TRect{0, 0, 12, 2}));
}

TEST(MaskRuns, OffsetRunsAndTheByteLayout) {
  TBitmap mask = Filled(6, 3, kWhite);
  mask.SetPixel(0, 0, kBlack), mask.SetPixel(1, 0, kBlack);  // run 0..2 on row 0
  mask.SetPixel(5, 0, kBlack);                               // run 5..6 on row 0
  mask.SetPixel(2, 2, kBlack);                               // run 2..3 on row 2
  mask.SetPixel(3, 1, RGB(0, 0, 1));                         // nearly black is outside,
  mask.SetPixel(4, 1, RGB(0, 1, 0));                         // whichever channel
  mask.SetPixel(5, 1, RGB(1, 0, 0));                         // is not 0
  const auto data = MaskRunsToRegionData(mask, 10, -20);
  ASSERT_TRUE(data.has_value());
  const std::vector<TRect> expected = {{10, -20, 12, -19}, {15, -20, 16, -19}, {12, -18, 13, -17}};
  EXPECT_EQ(data->Rects, expected);

  const std::vector<uint8_t> bytes = data->Bytes();
  ASSERT_EQ(bytes.size(), 32u + 16u * 3);
  EXPECT_EQ(data->Size(), bytes.size());
  EXPECT_EQ(Read32(bytes, 0), 32u);  // header size
  EXPECT_EQ(Read32(bytes, 4), 1u);   // rectangles
  EXPECT_EQ(Read32(bytes, 8), 3u);   // count
  EXPECT_EQ(Read32(bytes, 12), 0u);
  // Bounding rectangle (10, -20, 16, -17).
  EXPECT_EQ(static_cast<int32_t>(Read32(bytes, 16)), 10);
  EXPECT_EQ(static_cast<int32_t>(Read32(bytes, 20)), -20);
  EXPECT_EQ(static_cast<int32_t>(Read32(bytes, 24)), 16);
  EXPECT_EQ(static_cast<int32_t>(Read32(bytes, 28)), -17);
  // Second rectangle (15, -20, 16, -19) at 32 + 16.
  EXPECT_EQ(static_cast<int32_t>(Read32(bytes, 48)), 15);
  EXPECT_EQ(static_cast<int32_t>(Read32(bytes, 52)), -20);
  EXPECT_EQ(static_cast<int32_t>(Read32(bytes, 56)), 16);
  EXPECT_EQ(static_cast<int32_t>(Read32(bytes, 60)), -19);
}

TEST(MaskRuns, AllWhiteAndEmptyMasks) {
  const auto white = MaskRunsToRegionData(Filled(9, 4, kWhite), 0, 0);
  ASSERT_TRUE(white.has_value());
  EXPECT_TRUE(white->Rects.empty());
  EXPECT_EQ(white->Size(), 32u);
  EXPECT_FALSE(MaskRunsToRegionData(TBitmap(), 0, 0).has_value());
  EXPECT_TRUE(MaskToRegion(TBitmap()).Empty());
  EXPECT_TRUE(MaskToRegion(Filled(9, 4, kWhite)).Empty());
}

TEST(MaskRuns, PaletteMaskIsReadByColour) {
  TBitmap mask(10, 1, TPixelFormat::pf8bit);
  mask.Palette() = {TPaletteEntry{255, 255, 255, 0}, TPaletteEntry{0, 0, 0, 0}};
  mask.Row(0)[4] = 1, mask.Row(0)[5] = 1;
  const TRegion region = MaskToRegion(mask);
  ASSERT_EQ(region.Rects().size(), 1u);
  EXPECT_EQ(region.Rects()[0], (TRect{4, 0, 6, 1}));
}

// A checkerboard of 200 x 120 has 100 runs a row, 12 000 in all: more than
// one platform call takes, and every one must survive.
TEST(MaskRuns, MoreThanTenThousandRunsAreAllKept) {
  TBitmap mask = Filled(200, 120, kWhite);
  for (int y = 0; y < 120; ++y)
    for (int x = (y % 2); x < 200; x += 2) mask.SetPixel(x, y, kBlack);
  const auto data = MaskRunsToRegionData(mask, 0, 0);
  ASSERT_TRUE(data.has_value());
  EXPECT_EQ(data->Rects.size(), 12000u);
  const TRegion region = MaskToRegion(mask);
  for (int y = 0; y < 120; y += 7)
    for (int x = 0; x < 200; x += 3) EXPECT_EQ(region.Contains(x, y), (x + y) % 2 == 0) << x << "," << y;
  EXPECT_TRUE(region.Contains(199, 119));

  const std::vector<TRegionData> chunks = SplitRegionData(*data, kMaxRegionRects);
  ASSERT_EQ(chunks.size(), 2u);
  EXPECT_EQ(chunks[0].Rects.size(), 10000u);
  EXPECT_EQ(chunks[1].Rects.size(), 2000u);
  // The second chunk holds rows 100..119: 2000 runs, bounded by them.
  EXPECT_EQ(chunks[1].Bounds, (TRect{0, 100, 200, 120}));
  EXPECT_EQ(chunks[1].Rects.back(), (TRect{199, 119, 200, 120}));
}

TEST(FBitmap, StrideAndRows) {
  TBitmap picture = Filled(5, 3, RGB(1, 2, 3));
  picture.SetPixel(4, 2, RGB(10, 20, 30));
  const TFBitmap f(picture);
  EXPECT_EQ(f.Width(), 5);
  EXPECT_EQ(f.Stride(), 16);  // 5 * 3 + 5 mod 4
  EXPECT_EQ(f.Padding(), 1);
  EXPECT_EQ(f.Size(), 48u);
  EXPECT_EQ(f.Row(2) - f.Row(0), 32);
  EXPECT_EQ(f.Row(0), f.Bits());
  const uint8_t* p = f.Row(2) + 12;  // blue, green, red
  EXPECT_EQ(p[0], 30);
  EXPECT_EQ(p[1], 20);
  EXPECT_EQ(p[2], 10);
}

// A 25 x 26 mask with a client area (2, 3, 23, 24) and the points of a
// button, black around the client area except for four white pixels.
struct TMaskFixture {
  TBitmap mask = Filled(25, 26, kBlack);
  TNinePartGeometry placed;
  TMaskFixture(int DW, int DH) {
    mask.SetPixel(0, 0, kWhite);
    mask.SetPixel(24, 0, kWhite);
    mask.SetPixel(10, 1, kWhite);  // inside the tiled top strip
    mask.SetPixel(0, 10, kWhite);  // inside the tiled left strip
    placed = PlaceNinePart({5, 4}, {20, 4}, {5, 22}, {20, 22}, TRect{2, 3, 23, 24}, 25, 26, DW, DH);
  }
};

TEST(NinePartMask, GrownRegion) {
  const TMaskFixture f(40, 30);
  const auto region = NinePartMaskToRegion(40, 30, f.mask, f.placed);
  ASSERT_TRUE(region.has_value());
  // Outside: the corners (0, 0) and (39, 0); the top strip's white pixel
  // (mask column 10, strip column 5) in the tiles at 5 and 20, so columns
  // 10 and 25 of row 1; the left strip's white pixel (mask row 10) in the
  // tile of mask rows 4..21 laid from strip row 0, so strip row 6 (window
  // row 3 + 6); its second copy, strip row 24, is overwritten by the fixed
  // bottom rows (mask rows 22 and 23 go to strip rows 23 and 24).
  auto outside = [](int x, int y) {
    return (x == 0 && y == 0) || (x == 39 && y == 0) || (y == 1 && (x == 10 || x == 25)) || (x == 0 && y == 3 + 6);
  };
  for (int y = -1; y <= 30; ++y)
    for (int x = -1; x <= 40; ++x) {
      const bool inWindow = x >= 0 && y >= 0 && x < 40 && y < 30;
      ASSERT_EQ(region->Contains(x, y), inWindow && !outside(x, y)) << x << "," << y;
    }
}

TEST(NinePartMask, PiecesOfAGrownPart) {
  const TMaskFixture f(40, 30);
  const TMaskPieces pieces = CreateMaskPieces(40, 30, f.mask, f.placed);
  EXPECT_EQ(pieces.Top.Width(), 40);      // DW x C.top
  EXPECT_EQ(pieces.Top.Height(), 3);
  EXPECT_EQ(pieces.Bottom.Width(), 40);  // MH - C.bottom
  EXPECT_EQ(pieces.Bottom.Height(), 2);
  EXPECT_EQ(pieces.Left.Width(), 2);      // C.left x NCH
  EXPECT_EQ(pieces.Left.Height(), 25);
  EXPECT_EQ(pieces.Right.Width(), 2);    // MW - C.right
  EXPECT_EQ(pieces.Right.Height(), 25);
  EXPECT_EQ(pieces.Top.Pixel(25, 1), kWhite);
  EXPECT_EQ(pieces.Top.Pixel(24, 1), kBlack);
  EXPECT_EQ(pieces.Left.Pixel(0, 6), kWhite);
  EXPECT_EQ(pieces.Left.Pixel(0, 24), kBlack);
}

TEST(NinePartMask, NoRegionCases) {
  const TMaskFixture f(40, 30);
  TNinePartGeometry emptyClient = f.placed;
  emptyClient.NC = TRect{5, 5, 5, 20};
  EXPECT_FALSE(NinePartMaskToRegion(40, 30, f.mask, emptyClient).has_value());
  TNinePartGeometry inverted = f.placed;
  inverted.NRT.x = inverted.NLT.x - 1;
  EXPECT_FALSE(NinePartMaskToRegion(40, 30, f.mask, inverted).has_value());
  // An empty mask still gives the client rectangle.
  const auto clientOnly = NinePartMaskToRegion(40, 30, TBitmap(), f.placed);
  ASSERT_TRUE(clientOnly.has_value());
  EXPECT_EQ(clientOnly->Bounds(), (TRect{2, 3, 38, 28}));
}

}  // namespace
}  // namespace tavo::skin

namespace tavo::skin {
namespace {

TEST(NinePartMask, StripsAreCutToThePart) {
  const TMaskFixture f(40, 30);
  TNinePartGeometry g = f.placed;
  g.C = TRect{2, 1000000000, 23, 1000000001};  // a mask rectangle far below the mask
  const TMaskPieces pieces = CreateMaskPieces(40, 30, f.mask, g);
  EXPECT_EQ(pieces.Top.Height(), 30);
  EXPECT_TRUE(pieces.Bottom.Empty());  // MH - C.bottom < 1
}

}  // namespace
}  // namespace tavo::skin
