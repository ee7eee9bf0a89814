// The tiling rule and the three-part images.
#include "skin/ThreePart.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "skin/PixelCopy.h"
#include "skin/pixels/Pictures.h"

namespace tavo::skin {
namespace {

using test::Coord;
using test::CoordPicture;

struct TTileCase {
  int a, b, n;
  std::vector<std::pair<int, int>> tiles;  // (start, length)
};

class TilingRule : public ::testing::TestWithParam<TTileCase> {};

TEST_P(TilingRule, LaysTheDocumentedTiles) {
  const TTileCase& c = GetParam();
  std::vector<std::pair<int, int>> seen;
  ForEachTile(c.a, c.b, c.n, INT32_MIN, INT32_MAX,
              [&](int64_t s, int64_t len) { seen.emplace_back(static_cast<int>(s), static_cast<int>(len)); });
  EXPECT_EQ(seen, c.tiles);
}

INSTANTIATE_TEST_SUITE_P(Spans, TilingRule,
                         ::testing::Values(
                             // 12 = 5 + 5 + 2: the last tile is cut to 2 pixels.
                             TTileCase{0, 12, 5, {{0, 5}, {5, 5}, {10, 2}}},
                             // 10 is a multiple of 5: the third turn copies nothing.
                             TTileCase{0, 10, 5, {{0, 5}, {5, 5}}},
                             TTileCase{3, 15, 5, {{3, 5}, {8, 5}, {13, 2}}},
                             // (2 - 9) div 5 = -1: no tile at all.
                             TTileCase{9, 2, 5, {}},
                             // (6 - 9) div 5 truncates to 0: one turn, cut below nothing.
                             TTileCase{9, 6, 5, {}},
                             TTileCase{0, 12, 0, {}}, TTileCase{0, 12, -3, {}}),
                         [](const auto& info) {
                           auto n = [](int v) { return std::string(v < 0 ? "m" : "").append(std::to_string(v < 0 ? -v : v)); };
                           return std::string("from").append(n(info.param.a)).append("to").append(n(info.param.b))
                               .append("by").append(n(info.param.n));
                         });

TEST(TilingRule, HugeSpanVisitsOnlyVisibleTiles) {
  int visits = 0;
  ForEachTile(-2000000000, 2000000000, 1, 0, 4, [&](int64_t s, int64_t len) {
    EXPECT_GE(s, 0);
    EXPECT_LT(s, 4);
    EXPECT_EQ(len, 1);
    ++visits;
  });
  EXPECT_EQ(visits, 4);
}

// The "toolbutton" image: S = (55, 31, 80, 57), 25 x 26, LT.x = 5, RT.x = 20.
TEST(HorizontalThreePart, ToolbuttonAtWidth94) {
  const TBitmap picture = CoordPicture(140, 60);
  TBitmap dest;
  DrawHorizontalThreePart(5, 25 - 20, dest, 94, TRect{55, 31, 80, 57}, picture);
  ASSERT_EQ(dest.Width(), 94);
  ASSERT_EQ(dest.Height(), 26);
  for (int x = 0; x < 94; ++x) {
    int sx;  // column of S
    if (x <= 4) sx = x;                      // left end
    else if (x >= 89) sx = 20 + (x - 89);    // right end
    else sx = 5 + (x - 5) % 15;              // 84 = 5 * 15 + 9 middle columns
    for (int y = 0; y < 26; ++y) ASSERT_EQ(dest.Pixel(x, y), Coord(55 + sx, 31 + y)) << x << "," << y;
  }
  // The last, cut tile ends with S's column 13.
  EXPECT_EQ(dest.Pixel(88, 0), Coord(55 + 13, 31));
}

TEST(VerticalThreePart, TilesTheMiddleRows) {
  const TBitmap picture = CoordPicture(20, 20);
  TBitmap dest;
  // S = (2, 3, 6, 13): 4 x 10, top 2 rows and bottom 3 rows fixed, middle 5.
  DrawVerticalThreePart(2, 3, dest, 14, TRect{2, 3, 6, 13}, picture);
  ASSERT_EQ(dest.Width(), 4);
  ASSERT_EQ(dest.Height(), 14);
  const int expectedRow[14] = {0, 1, 2, 3, 4, 5, 6, 2, 3, 4, 5, 7, 8, 9};
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(dest.Pixel(x, y), Coord(2 + x, 3 + expectedRow[y])) << x << "," << y;
}

// Narrower than its two 5-pixel ends: the right end, drawn second, covers
// the left one from column w - 5 on, and the middle span is empty.
TEST(HorizontalThreePart, DestinationNarrowerThanItsEnds) {
  const TBitmap picture = CoordPicture(30, 10);
  for (int width : {0, 1, 3, 7, 10}) {
    TBitmap dest;
    DrawHorizontalThreePart(5, 5, dest, width, TRect{0, 0, 25, 10}, picture);
    ASSERT_EQ(dest.Width(), width);
    for (int x = 0; x < width; ++x) {
      const int sx = x >= width - 5 ? 20 + x - (width - 5) : x;
      EXPECT_EQ(dest.Pixel(x, 3), Coord(sx, 3)) << width << ":" << x;
    }
  }
}

TEST(ThreePart, SourceOutsideThePictureCopiesOnlyWhatExists) {
  const TBitmap picture = CoordPicture(10, 10);
  TBitmap dest;
  DrawHorizontalThreePart(4, 4, dest, 30, TRect{6, -5, 18, 5}, picture);
  ASSERT_EQ(dest.Height(), 10);
  // Row 5 of dest is picture row 0; rows above it had no source and stay white.
  EXPECT_EQ(dest.Pixel(0, 5), Coord(6, 0));
  EXPECT_EQ(dest.Pixel(0, 4), test::kWhite);
  // S's columns 4 and up lie outside the 10-pixel picture: never copied.
  EXPECT_EQ(dest.Pixel(29, 5), test::kWhite);
}

}  // namespace
}  // namespace tavo::skin

namespace tavo::skin {
namespace {

// Found by fuzzing: scaling into a rectangle spanning the whole coordinate
// range overflowed 64 bits. Destination pixel 0 is k = 2^31 pixels into the
// rectangle: (2k + 1) * 4 / (2 * (2^32 - 1)) = (2^34 + 4) / (2^33 - 2) = 2,
// and pixels 1..7 land on source column 2 as well.
TEST(CopyRect, WholeRangeDestination) {
  const TBitmap source = CoordPicture(4, 1);
  TBitmap dest = NewPicture(8, 1);
  CopyRect(dest, TRect{INT32_MIN, 0, INT32_MAX, 1}, source, TRect{0, 0, 4, 1});
  for (int x = 0; x < 8; ++x) EXPECT_EQ(dest.Pixel(x, 0), Coord(2, 0)) << x;
}

}  // namespace
}  // namespace tavo::skin
