// The frame's window region: Lumen's shape on the directory window's size
// checked pixel by pixel against its mask, and the cases that remove the
// region or clear the strips.
#include <gtest/gtest.h>

#include "skin/FrameRegion.h"
#include "skin/frame/FrameTestSkins.h"

namespace tavo::skin {
namespace {

using test::TLumen;

// Whether window pixel (x, y) of a 563 x 262 Lumen frame belongs to the
// window, read straight from the mask by the strip rules: mask area
// (9,17,273,112) placed at (9,17,559,258) is inside; the 17 top and 4
// bottom rows keep their corners and tile mask columns 111..135 from the
// placed left point; the 9 left and 4 right columns keep mask rows 17..45
// on top and 107..111 at the bottom and tile rows 46..106 from the strip's
// first row.
bool LumenOracle(const TBitmap& m, int x, int y) {
  if (x >= 9 && x < 559 && y >= 17 && y < 258) return true;
  auto column = [](int wx) { return wx < 111 ? wx : wx >= 422 ? wx - 286 : 111 + (wx - 111) % 25; };
  auto sideRow = [](int wy) {
    const int r = wy - 17;
    if (r < 29) return 17 + r;
    if (r >= 236) return 107 + (r - 236);
    return 46 + r % 61;
  };
  int mx, my;
  if (y < 17) {
    mx = column(x);
    my = y;
  } else if (y >= 258) {
    mx = column(x);
    my = 112 + (y - 258);
  } else {
    mx = x < 9 ? x : 273 + (x - 559);
    my = sideRow(y);
  }
  return m.Pixel(mx, my) == 0;
}

TEST(LumenRegion, EveryPixelAgainstTheMask) {
  TLumen lumen;
  const TFrameWindowRegion r = BuildWindowRegion({false, false, &lumen.data, 563, 262});
  ASSERT_EQ(r.Region, TRegionChange::rcSet);
  ASSERT_EQ(r.Strips, TStripChange::scReplace);
  EXPECT_EQ(r.MaskStrips.Top.Width(), 563);
  EXPECT_EQ(r.MaskStrips.Top.Height(), 17);
  EXPECT_EQ(r.MaskStrips.Bottom.Height(), 4);
  EXPECT_EQ(r.MaskStrips.Left.Width(), 9);
  EXPECT_EQ(r.MaskStrips.Left.Height(), 241);
  EXPECT_EQ(r.MaskStrips.Right.Width(), 4);
  EXPECT_EQ(r.BottomAt, (TPoint{0, 258}));
  EXPECT_EQ(r.LeftAt, (TPoint{0, 17}));
  EXPECT_EQ(r.RightAt, (TPoint{559, 17}));
  int inside = 0, outside = 0;
  for (int y = 0; y < 262; ++y)
    for (int x = 0; x < 563; ++x) {
      const bool want = LumenOracle(lumen.data.Mask, x, y);
      ASSERT_EQ(r.Shape.Contains(x, y), want) << x << "," << y;
      (want ? inside : outside) += 1;
    }
  // Lumen cuts its four corners round: those pixels are outside.
  EXPECT_GT(outside, 0);
  EXPECT_EQ(inside + outside, 563 * 262);
  for (TPoint corner : {TPoint{0, 0}, TPoint{562, 0}, TPoint{0, 261}, TPoint{562, 261}})
    EXPECT_FALSE(r.Shape.Contains(corner.x, corner.y)) << corner.x << "," << corner.y;
  EXPECT_FALSE(r.Shape.Contains(-1, 100));
  EXPECT_FALSE(r.Shape.Contains(563, 100));
  EXPECT_FALSE(r.Shape.Contains(100, 262));
}

TEST(LumenRegion, AtTheMinimumSize) {
  TLumen lumen;
  const TFrameWindowRegion r = BuildWindowRegion({false, false, &lumen.data, 277, 55});
  ASSERT_EQ(r.Region, TRegionChange::rcSet);
  // At the picture's width the top strip is the mask's top rows as they are.
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 277; ++x) ASSERT_EQ(r.Shape.Contains(x, y), lumen.data.Mask.Pixel(x, y) == 0) << x << "," << y;
  EXPECT_TRUE(r.Shape.Contains(9, 17));
  EXPECT_TRUE(r.Shape.Contains(272, 50));
}

TEST(FrameRegion, RemovedOrClearedWhenThereIsNoShape) {
  TLumen lumen;
  const TFrameWindowRegion none = BuildWindowRegion({true, false, &lumen.data, 563, 262});
  EXPECT_EQ(none.Region, TRegionChange::rcRemove);
  EXPECT_EQ(none.Strips, TStripChange::scKeep);
  EXPECT_TRUE(none.Shape.Empty());

  const TFrameWindowRegion child = BuildWindowRegion({false, true, &lumen.data, 563, 262});
  EXPECT_EQ(child.Region, TRegionChange::rcRemove);
  EXPECT_EQ(child.Strips, TStripChange::scKeep);

  const TFrameWindowRegion noSkin = BuildWindowRegion({false, false, nullptr, 563, 262});
  EXPECT_EQ(noSkin.Region, TRegionChange::rcRemove);
  EXPECT_EQ(noSkin.Strips, TStripChange::scClear);

  TSkinData maskless;
  maskless.Picture = lumen.data.Picture;
  maskless.IsEmpty = false;
  const TFrameWindowRegion plain = BuildWindowRegion({false, false, &maskless, 563, 262});
  EXPECT_EQ(plain.Region, TRegionChange::rcRemove);
  EXPECT_EQ(plain.Strips, TStripChange::scClear);
  // A maximized child without a mask falls through to the no-mask case.
  EXPECT_EQ(BuildWindowRegion({false, true, &maskless, 563, 262}).Strips, TStripChange::scClear);
}

TEST(FrameRegion, AllWhiteMaskLeavesTheMaskRectangle) {
  TSkinData skin;
  skin.Picture = TBitmap(40, 30);
  skin.Mask = TBitmap(40, 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) skin.Mask.SetPixel(x, y, RGB(255, 255, 255));
  skin.lefttoppoint = {10, 10};
  skin.righttoppoint = {30, 10};
  skin.leftbottompoint = {10, 20};
  skin.rightbottompoint = {30, 20};
  skin.maskrectarea = {5, 5, 35, 25};
  const TFrameWindowRegion r = BuildWindowRegion({false, false, &skin, 60, 40});
  ASSERT_EQ(r.Region, TRegionChange::rcSet);
  EXPECT_EQ(r.Shape.Bounds(), (TRect{5, 5, 55, 35}));
  EXPECT_TRUE(r.Shape.Contains(5, 5));
  EXPECT_TRUE(r.Shape.Contains(54, 34));
  EXPECT_FALSE(r.Shape.Contains(4, 5));
  EXPECT_FALSE(r.Shape.Contains(55, 34));
}

}  // namespace
}  // namespace tavo::skin
