// Resize modes of a skinned control: the mode a section asks for, the size
// and placed geometry a requested size gives, the picture drawn at a size
// and the shape built from a mask.
#include <gtest/gtest.h>

#include "skin/SkinControlGeometry.h"
#include "tests/skin/pixels/Pictures.h"

namespace tavo::skin {
namespace {

using test::Coord;
using test::CoordPicture;

struct TModeCase {
  const char* name;
  TRect skinRect;
  TPoint rightTop, leftBottom, rightBottom;
  TSkinResizeMode expected;
};

class ResizeModeTest : public ::testing::TestWithParam<TModeCase> {};

TEST_P(ResizeModeTest, DerivedFromTheSection) {
  const TModeCase& c = GetParam();
  EXPECT_EQ(DeriveResizeMode(c.skinRect, c.rightTop, c.leftBottom, c.rightBottom), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, ResizeModeTest,
    ::testing::Values(
        TModeCase{"EmptySkinRect", {10, 10, 10, 40}, {5, 5}, {5, 5}, {5, 5}, TSkinResizeMode::None},
        TModeCase{"InvertedSkinRect", {10, 10, 5, 40}, {}, {}, {}, TSkinResizeMode::None},
        TModeCase{"RightBottomBothSet", {0, 0, 30, 30}, {20, 0}, {0, 20}, {20, 20}, TSkinResizeMode::NineSlice},
        TModeCase{"RightBottomHalfSetFallsToRightTop", {0, 0, 30, 30}, {20, 12}, {}, {20, 0},
                  TSkinResizeMode::HorizontalThree},
        TModeCase{"RightTopOneCoordinate", {0, 0, 30, 30}, {0, 12}, {0, 20}, {}, TSkinResizeMode::HorizontalThree},
        TModeCase{"LeftBottomOnly", {0, 0, 30, 30}, {}, {3, 0}, {}, TSkinResizeMode::VerticalThree},
        TModeCase{"NoPoints", {0, 0, 30, 30}, {}, {}, {}, TSkinResizeMode::Plain}),
    [](const auto& info) { return std::string(info.param.name); });

// The "toolbutton" geometry of the button skin: 25 x 26, ends 5 and 5 wide.
TSkinControlGeometry ToolButton() {
  TSkinControlGeometry g;
  g.Assign(TRect{55, 31, 80, 57}, TPoint{5, 12}, TPoint{20, 12}, TPoint{0, 0}, TPoint{0, 0}, TRect{2, 3, 23, 24});
  return g;
}

TEST(SkinControlFitTest, ToolButtonKeepsItsWidthAndTakesTheSkinHeight) {
  TSkinControlGeometry g = ToolButton();
  ASSERT_EQ(g.Mode, TSkinResizeMode::HorizontalThree);
  int w = 94, h = 25;
  g.Fit(w, h);
  EXPECT_EQ(w, 94);
  EXPECT_EQ(h, 26);
  // dW = 94 - 25 = 69: the client rectangle's right 23 + 69, the right-top
  // point's x 20 + 69.
  EXPECT_EQ(g.NewClientRect, (TRect{2, 3, 92, 24}));
  EXPECT_EQ(g.NewRightTop, (TPoint{89, 12}));
  EXPECT_EQ(g.NewLeftTop, (TPoint{5, 12}));
}

TEST(SkinControlFitTest, EveryModePlacesItsOwnEdges) {
  // Skin 40 x 30 asked to become 70 x 50: dW = 30, dH = 20.
  const TRect skin{10, 10, 50, 40};
  const TPoint lt{8, 6}, rt{32, 6}, lb{8, 24}, rb{32, 24};
  const TRect client{4, 5, 36, 26};
  struct TCase {
    TPoint rt, lb, rb;
    int w, h;
    TPoint nrt, nlb, nrb;
    TRect nc;
  } cases[] = {
      // nine-slice: size kept, right by 30, bottom by 20
      {rt, lb, rb, 70, 50, {62, 6}, {8, 44}, {62, 44}, {4, 5, 66, 46}},
      // horizontal: height forced to 30, only the right edge moves
      {rt, lb, {0, 0}, 70, 30, {62, 6}, {8, 24}, {0, 0}, {4, 5, 66, 26}},
      // vertical: width forced to 40, only the bottom edge moves
      {{0, 0}, lb, {0, 0}, 40, 50, {0, 0}, {8, 44}, {0, 0}, {4, 5, 36, 46}},
      // plain: the skin's own size and geometry
      {{0, 0}, {0, 0}, {0, 0}, 40, 30, {0, 0}, {0, 0}, {0, 0}, client},
  };
  for (const TCase& c : cases) {
    TSkinControlGeometry g;
    g.Assign(skin, lt, c.rt, c.lb, c.rb, client);
    int w = 70, h = 50;
    g.Fit(w, h);
    EXPECT_EQ(w, c.w) << static_cast<int>(g.Mode);
    EXPECT_EQ(h, c.h) << static_cast<int>(g.Mode);
    EXPECT_EQ(g.NewRightTop, c.nrt) << static_cast<int>(g.Mode);
    EXPECT_EQ(g.NewLeftBottom, c.nlb) << static_cast<int>(g.Mode);
    EXPECT_EQ(g.NewRightBottom, c.nrb) << static_cast<int>(g.Mode);
    EXPECT_EQ(g.NewClientRect, c.nc) << static_cast<int>(g.Mode);
    EXPECT_EQ(g.NewLeftTop, lt);
  }
}

TEST(SkinControlFitTest, NoSkinRectangleChangesNothing) {
  TSkinControlGeometry g;
  g.Assign(TRect{0, 0, 0, 0}, TPoint{1, 1}, TPoint{2, 2}, {}, {}, TRect{1, 2, 3, 4});
  int w = 33, h = 17;
  g.Fit(w, h);
  EXPECT_EQ(w, 33);
  EXPECT_EQ(h, 17);
  EXPECT_EQ(g.NewClientRect, (TRect{1, 2, 3, 4}));
}

TEST(SkinControlDrawTest, HorizontalThreeRepeatsTheMiddleBetweenFixedEnds) {
  const TBitmap picture = CoordPicture(140, 60);
  const TSkinControlGeometry g = ToolButton();
  TBitmap face;
  g.Draw(face, TRect{80, 31, 105, 57}, picture, 94, 26);
  ASSERT_EQ(face.Width(), 94);
  ASSERT_EQ(face.Height(), 26);
  // Left end: source columns 80..84; right end (columns 89..93): source
  // columns 80 + 20 .. 80 + 24; the middle repeats the 15 columns 85..99.
  for (int y : {0, 12, 25}) {
    EXPECT_EQ(face.Pixel(0, y), Coord(80, 31 + y));
    EXPECT_EQ(face.Pixel(4, y), Coord(84, 31 + y));
    EXPECT_EQ(face.Pixel(5, y), Coord(85, 31 + y));
    EXPECT_EQ(face.Pixel(19, y), Coord(99, 31 + y));
    EXPECT_EQ(face.Pixel(20, y), Coord(85, 31 + y));
    EXPECT_EQ(face.Pixel(88, y), Coord(85 + (88 - 5) % 15, 31 + y));
    EXPECT_EQ(face.Pixel(89, y), Coord(100, 31 + y));
    EXPECT_EQ(face.Pixel(93, y), Coord(104, 31 + y));
  }
}

TEST(SkinControlDrawTest, PlainCopiesTheSourceAtItsOwnSize) {
  const TBitmap picture = CoordPicture(60, 60);
  TSkinControlGeometry g;
  g.Assign(TRect{10, 20, 30, 32}, {}, {}, {}, {}, TRect{});
  TBitmap face;
  g.Draw(face, TRect{30, 20, 50, 32}, picture, 90, 90);
  ASSERT_EQ(face.Width(), 20);
  ASSERT_EQ(face.Height(), 12);
  EXPECT_EQ(face.Pixel(0, 0), Coord(30, 20));
  EXPECT_EQ(face.Pixel(19, 11), Coord(49, 31));
}

TEST(SkinControlDrawTest, VerticalThreeRepeatsTheMiddleRows) {
  const TBitmap picture = CoordPicture(40, 40);
  TSkinControlGeometry g;
  // 10 x 20 skin: top 4 rows and bottom 20 - 16 = 4 rows fixed.
  g.Assign(TRect{5, 5, 15, 25}, TPoint{2, 4}, {}, TPoint{2, 16}, {}, TRect{1, 4, 9, 16});
  ASSERT_EQ(g.Mode, TSkinResizeMode::VerticalThree);
  TBitmap face;
  g.Draw(face, g.SkinRect, picture, 10, 40);
  ASSERT_EQ(face.Width(), 10);
  ASSERT_EQ(face.Height(), 40);
  EXPECT_EQ(face.Pixel(3, 3), Coord(8, 8));
  EXPECT_EQ(face.Pixel(3, 4), Coord(8, 9));
  EXPECT_EQ(face.Pixel(3, 16), Coord(8, 9));   // second tile of the 12 middle rows
  EXPECT_EQ(face.Pixel(3, 35), Coord(8, 9 + (35 - 4) % 12));
  EXPECT_EQ(face.Pixel(3, 36), Coord(8, 21));  // bottom end: source rows 16..19
  EXPECT_EQ(face.Pixel(3, 39), Coord(8, 24));
}

TEST(SkinControlRegionTest, HorizontalThreeMaskFollowsTheWidth) {
  // A 25 x 26 mask, black but for its top-left and top-right corner
  // pixels: the shape of a rounded button.
  TBitmap mask = test::Filled(25, 26, test::kBlack);
  mask.SetPixel(0, 0, test::kWhite);
  mask.SetPixel(24, 0, test::kWhite);
  const TSkinControlGeometry g = ToolButton();
  const auto region = g.MaskRegion(mask, 94, 26);
  ASSERT_TRUE(region.has_value());
  EXPECT_FALSE(region->Contains(0, 0));
  EXPECT_FALSE(region->Contains(93, 0));  // the corner moved with the right end
  EXPECT_TRUE(region->Contains(1, 0));
  EXPECT_TRUE(region->Contains(24, 0));   // the old corner column is middle now
  EXPECT_TRUE(region->Contains(92, 0));
  EXPECT_TRUE(region->Contains(47, 13));
  EXPECT_TRUE(region->Contains(93, 25));
  EXPECT_FALSE(region->Contains(94, 10));
}

TEST(SkinControlRegionTest, NoMaskOrNoModeKeepsTheRectangle) {
  const TSkinControlGeometry g = ToolButton();
  EXPECT_FALSE(g.MaskRegion(TBitmap(), 94, 26).has_value());
  TSkinControlGeometry none;
  none.Assign(TRect{}, {}, {}, {}, {}, TRect{});
  EXPECT_FALSE(none.MaskRegion(test::Filled(4, 4, test::kBlack), 4, 4).has_value());
}

TEST(SkinControlPictureTest, IndexOutsideTheListIsNoPicture) {
  const std::vector<TBitmap> pictures(3);
  EXPECT_EQ(PictureAt(pictures, -1), nullptr);
  EXPECT_EQ(PictureAt(pictures, 3), nullptr);
  EXPECT_EQ(PictureAt(pictures, 2), &pictures[2]);
}

}  // namespace
}  // namespace tavo::skin
