// Nine-part drawing and the frame pieces of a grown window.
#include "skin/NinePart.h"

#include <gtest/gtest.h>

#include <set>

#include "skin/pixels/Pictures.h"

namespace tavo::skin {
namespace {

using test::Coord;
using test::CoordPicture;

// A 25 x 26 skin image at (10, 20) of a larger picture, with the frame
// points and client rectangle of a typical button.
constexpr TRect kS{10, 20, 35, 46};
const TPoint kLT{5, 4}, kRT{20, 4}, kLB{5, 22}, kRB{20, 22};
constexpr TRect kC{2, 3, 23, 24};

TNinePartGeometry Placed(int DW, int DH) { return PlaceNinePart(kLT, kRT, kLB, kRB, kC, 25, 26, DW, DH); }

TEST(PlaceNinePart, MovesRightAndBottomPoints) {
  const TNinePartGeometry g = Placed(40, 30);  // dW = 15, dH = 4
  EXPECT_EQ(g.NLT, (TPoint{5, 4}));
  EXPECT_EQ(g.NRT, (TPoint{35, 4}));
  EXPECT_EQ(g.NLB, (TPoint{5, 26}));
  EXPECT_EQ(g.NRB, (TPoint{35, 26}));
  EXPECT_EQ(g.NC, (TRect{2, 3, 38, 28}));
}

TEST(NinePart, SourceSizeReproducesTheSource) {
  const TBitmap picture = CoordPicture(50, 60);
  for (bool stretched : {false, true}) {
    TBitmap dest;
    const TStretchSides sides{stretched, stretched, stretched, stretched};
    DrawNinePart(dest, 25, 26, kS, picture, Placed(25, 26), sides, true);
    ASSERT_EQ(dest.Width(), 25);
    ASSERT_EQ(dest.Height(), 26);
    for (int y = 0; y < 26; ++y)
      for (int x = 0; x < 25; ++x) ASSERT_EQ(dest.Pixel(x, y), Coord(10 + x, 20 + y)) << x << "," << y;
  }
}

// Grown to 40 x 30 with every edge tiled: the top edge tiles S's columns
// 5..19 from NLT.x = 5, the top-right corner lands at NRT.x = 35 and the
// client rectangle (21 x 21) tiles over NC = (2, 3, 38, 28).
TEST(NinePart, TiledWhenGrown) {
  const TBitmap picture = CoordPicture(50, 60);
  TBitmap dest;
  DrawTiledNinePart(dest, 40, 30, kS, picture, Placed(40, 30), true);
  ASSERT_EQ(dest.Width(), 40);
  ASSERT_EQ(dest.Height(), 30);
  for (int x = 0; x < 40; ++x) {
    const int sx = x < 5 ? x : x < 35 ? 5 + (x - 5) % 15 : 20 + (x - 35);
    EXPECT_EQ(dest.Pixel(x, 1), Coord(10 + sx, 21)) << x;  // top band, row 1
    EXPECT_EQ(dest.Pixel(x, 29), Coord(10 + sx, 45)) << x;  // bottom band, S's last row
  }
  for (int y = 4; y < 26; ++y) {
    // Left edge: S's rows 4..21 tiled from NLT.y = 4 to NLB.y = 26.
    EXPECT_EQ(dest.Pixel(0, y), Coord(10, 20 + 4 + (y - 4) % 18)) << y;
  }
  for (int x = 2; x < 38; ++x)
    for (int y = 3; y < 28; ++y)
      ASSERT_EQ(dest.Pixel(x, y), Coord(10 + 2 + (x - 2) % 21, 20 + 3 + (y - 3) % 21)) << x << "," << y;
}

// Stretching repeats pixels, never blends them: a 15-pixel top strip drawn
// 30 wide shows each source column exactly twice.
TEST(NinePart, StretchedEdgeRepeatsColumns) {
  const TBitmap picture = CoordPicture(50, 60);
  TBitmap dest;
  DrawNinePart(dest, 40, 26, kS, picture, Placed(40, 26), TStretchSides{true, false, false, false}, false);
  for (int k = 0; k < 30; ++k) EXPECT_EQ(dest.Pixel(5 + k, 0), Coord(10 + 5 + k / 2, 20)) << k;
}

TEST(NinePart, ShrunkStretchDropsColumns) {
  const TBitmap picture = CoordPicture(50, 60);
  TBitmap dest;
  // 15 columns into 5: every third column, sampled at the centre (1, 4, 7, 10, 13).
  DrawNinePart(dest, 15, 26, kS, picture, Placed(15, 26), TStretchSides{true, false, false, false}, false);
  for (int k = 0; k < 5; ++k) EXPECT_EQ(dest.Pixel(5 + k, 2), Coord(10 + 5 + 3 * k + 1, 22)) << k;
}

TEST(NinePart, DegenerateInputOnlySizes) {
  const TBitmap picture = CoordPicture(50, 60);
  TNinePartGeometry g = Placed(30, 30);
  g.RB.x = g.LT.x;
  TBitmap dest;
  DrawNinePart(dest, 30, 30, kS, picture, g, TStretchSides{}, true);
  EXPECT_EQ(dest.Width(), 30);
  EXPECT_EQ(dest.Pixel(0, 0), test::kWhite);
  DrawNinePart(dest, 30, 30, kS, TBitmap(), Placed(30, 30), TStretchSides{}, true);
  EXPECT_EQ(dest.Height(), 30);
  EXPECT_EQ(dest.Pixel(29, 29), test::kWhite);
}

// Geometry that callers are told to avoid (inverted points, an empty client
// rectangle, points far outside) is drawn without touching memory outside
// either picture; AddressSanitizer checks the "without".
TEST(NinePart, HostileGeometryStaysInside) {
  const TBitmap picture = CoordPicture(12, 9);
  const TPoint points[] = {{-5, 3}, {3, -5}, {100, 4}, {4, 100}, {2, 2}, {7, 6}, {0, 0}};
  const TRect clients[] = {{0, 0, 0, 0}, {5, 5, 2, 2}, {-3, -3, 50, 50}, {1, 1, 11, 8}};
  int drawn = 0;
  for (const TPoint& lt : points)
    for (const TPoint& rb : points)
      for (const TRect& c : clients) {
        const TNinePartGeometry g = PlaceNinePart(lt, TPoint{rb.x, lt.y}, TPoint{lt.x, rb.y}, rb, c, 12, 9, 17, 5);
        TBitmap dest;
        DrawNinePart(dest, 17, 5, TRect{0, 0, 12, 9}, picture, g, TStretchSides{true, false, true, false}, true);
        ASSERT_EQ(dest.Width(), 17);
        CreateFramePieces(17, 5, TRect{-2, -2, 12, 9}, picture, g, TStretchSides{false, true, false, true});
        ++drawn;
      }
  EXPECT_EQ(drawn, 7 * 7 * 4);
}

// Frame pieces of the 25 x 26 image grown to a 40 x 30 window. Their tiles
// start at each piece's own origin, not at the placed points.
TEST(FramePieces, GrownWindow) {
  const TBitmap picture = CoordPicture(50, 60);
  const TFramePieces pieces = CreateFramePieces(40, 30, kS, picture, Placed(40, 30), TStretchSides{});

  ASSERT_EQ(pieces.Top.Width(), 40);
  ASSERT_EQ(pieces.Top.Height(), 3);  // NC.top
  for (int x = 0; x < 40; ++x) {
    const int sx = x < 5 ? x : x >= 35 ? 20 + (x - 35) : 5 + x % 15;
    for (int y = 0; y < 3; ++y) EXPECT_EQ(pieces.Top.Pixel(x, y), Coord(10 + sx, 20 + y)) << x;
  }

  // Bottom: h = 30 - NC.bottom (28) = 2 rows, S's last two (24, 25).
  ASSERT_EQ(pieces.Bottom.Width(), 40);
  ASSERT_EQ(pieces.Bottom.Height(), 2);
  for (int x = 0; x < 40; ++x) {
    const int sx = x < 5 ? x : x >= 35 ? 20 + (x - 35) : 5 + x % 15;
    for (int y = 0; y < 2; ++y) EXPECT_EQ(pieces.Bottom.Pixel(x, y), Coord(10 + sx, 20 + 24 + y)) << x;
  }

  // Sides: v = 30 - 2 - 3 = 25 rows. Row 0 is S's row 3 (LT.y > C.top), the
  // last two are S's rows 22 and 23 (C.bottom > LB.y), the rest S's rows
  // 4..21 tiled from row 0 of the piece.
  ASSERT_EQ(pieces.Left.Width(), 2);
  ASSERT_EQ(pieces.Left.Height(), 25);
  ASSERT_EQ(pieces.Right.Width(), 2);  // DW - NC.right = 40 - 38
  ASSERT_EQ(pieces.Right.Height(), 25);
  for (int y = 0; y < 25; ++y) {
    const int sy = y == 0 ? 3 : y == 23 ? 22 : y == 24 ? 23 : 4 + y % 18;
    for (int x = 0; x < 2; ++x) {
      EXPECT_EQ(pieces.Left.Pixel(x, y), Coord(10 + x, 20 + sy)) << y;
      EXPECT_EQ(pieces.Right.Pixel(x, y), Coord(10 + 23 + x, 20 + sy)) << y;
    }
  }
}

TEST(FramePieces, PiecesThatCannotBeMadeStayEmpty) {
  const TBitmap picture = CoordPicture(50, 60);
  TNinePartGeometry g = Placed(40, 30);
  g.RT.x = g.LT.x;  // no top middle strip
  g.NC.left = 0;    // no room for a left piece
  const TFramePieces pieces = CreateFramePieces(40, 30, kS, picture, g, TStretchSides{});
  EXPECT_TRUE(pieces.Top.Empty());
  EXPECT_TRUE(pieces.Left.Empty());
  // Without a top piece the sides reach 30 - 2 rows.
  EXPECT_EQ(pieces.Right.Height(), 28);
  EXPECT_EQ(pieces.Bottom.Height(), 2);
}

}  // namespace
}  // namespace tavo::skin

namespace tavo::skin {
namespace {

// Found by fuzzing: a client rectangle reaching far beyond the window asked
// for pieces gigabytes large. Pieces are cut to the window instead, with
// the visible pixels unchanged.
TEST(FramePieces, HugeClientRectangleIsCutToTheWindow) {
  const TBitmap picture = CoordPicture(50, 60);
  TNinePartGeometry g = Placed(40, 30);
  g.NC = TRect{-2000000000, 2000000000, 2000000000, 2000000000};
  const TFramePieces pieces = CreateFramePieces(40, 30, kS, picture, g, TStretchSides{});
  EXPECT_EQ(pieces.Top.Width(), 40);
  EXPECT_EQ(pieces.Top.Height(), 30);
  EXPECT_EQ(pieces.Top.Pixel(0, 0), Coord(10, 20));
  EXPECT_TRUE(pieces.Left.Empty());    // NC.left < 1
  EXPECT_TRUE(pieces.Bottom.Empty());  // DH - NC.bottom < 1
  EXPECT_TRUE(pieces.Right.Empty());   // no height left below a full-height top piece
}

}  // namespace
}  // namespace tavo::skin
