// The test-only frame skin holds the figures its header promises, so the
// frame and object tests that build on it can rely on them, and its knobs
// change what they say they change.
#include <gtest/gtest.h>

#include "skin/Geometry.h"
#include "tests/skin/support/TestFrameSkin.h"

namespace tavo::skin {
namespace {

using namespace test;

TEST(TestFrameSkin, DefaultFigures) {
  TSkinNotifier notifier;
  TSkinData data(nullptr, &notifier);
  LoadTestFrameSkin(data);
  EXPECT_FALSE(data.IsEmpty);
  EXPECT_EQ(data.Picture.Width(), kTestSkinWidth);
  EXPECT_EQ(data.Picture.Height(), kTestSkinHeight);
  EXPECT_EQ(data.Picture.Pixel(7, 9), MarkedPixel(7, 9, kMarkPicture));
  EXPECT_EQ(data.InActivePicture.Pixel(7, 9), MarkedPixel(7, 9, kMarkInActivePicture));
  ASSERT_EQ(data.Mask.PixelFormat(), TPixelFormat::pf1bit);
  EXPECT_NE(data.Mask.Pixel(0, 0), 0u);   // corner outside the shape
  EXPECT_NE(data.Mask.Pixel(239, 79), 0u);
  EXPECT_EQ(data.Mask.Pixel(2, 2), 0u);   // 2 + 2 = 4: inside
  EXPECT_EQ(data.Mask.Pixel(120, 0), 0u);
  ASSERT_EQ(data.ActivePictures.size(), 5u);
  EXPECT_EQ(data.ActivePictures[3].Width(), 24);
  EXPECT_EQ(data.ActivePictures[3].Pixel(1, 2), MarkedPixel(1, 2, kMarkBackground));
  EXPECT_EQ(data.lefttoppoint, (TPoint{60, 30}));
  EXPECT_EQ(data.righttoppoint, (TPoint{150, 30}));
  EXPECT_EQ(data.leftbottompoint, (TPoint{60, 70}));
  EXPECT_EQ(data.rightbottompoint, (TPoint{150, 70}));
  EXPECT_EQ(data.clientrect, (TRect{8, 30, 232, 72}));
  EXPECT_EQ(data.maskrectarea, (TRect{4, 20, 236, 76}));
  EXPECT_EQ(data.hittestlefttoppoint, (TPoint{6, 6}));
  EXPECT_EQ(data.buttonsrect, (TRect{162, 6, 236, 24}));
  EXPECT_EQ(data.captionrect, (TRect{30, 4, 160, 26}));
  EXPECT_EQ(data.buttonsoffset, 2);
  EXPECT_FALSE(data.buttonsinleft);
  EXPECT_EQ(data.bgpictureindex, 3);
  EXPECT_EQ(data.mdibgpictureindex, 4);
  EXPECT_TRUE(data.leftstretch);
  EXPECT_TRUE(data.topstretch);
  EXPECT_FALSE(data.rightstretch);
  EXPECT_FALSE(data.bottomstretch);
  EXPECT_FALSE(data.autorenderinginactiveimage);
  EXPECT_EQ(data.inactiveeffect, TInactiveEffect::ieBrightness);
  EXPECT_EQ(data.borderwidth, 3);
  ASSERT_EQ(data.SkinObjects.size(), static_cast<size_t>(kTestSkinObjectRecords));
  EXPECT_EQ(data.SkinObjects[2]->IDName, "maxbutton");
  const auto* max = dynamic_cast<const TDataSkinStdButton*>(data.SkinObjects[2].get());
  ASSERT_NE(max, nullptr);
  EXPECT_EQ(max->restoreinactiverect, (TRect{48, 32, 64, 48}));
  EXPECT_EQ(max->disableskinrsect, (TRect{64, 16, 80, 32}));
  EXPECT_EQ(max->command, TStdCommand::cmMaximize);
  EXPECT_TRUE(data.SkinControls.empty());
}

TEST(TestFrameSkin, KnobsChangeTheSkin) {
  TSkinNotifier notifier;
  TSkinData data(nullptr, &notifier);
  TTestFrameSkinOptions o;
  o.buttonsInLeft = true;
  o.withButtonsRect = false;
  o.withCaptionRect = false;
  o.withInactivePicture = false;
  o.withMask = false;
  o.autoRenderInactive = true;
  o.inactiveEffect = "ieinvert";
  o.stretch = false;
  o.captionPlate = false;
  LoadTestFrameSkin(data, o);
  EXPECT_TRUE(data.buttonsinleft);
  EXPECT_TRUE(IsNullRect(data.buttonsrect));
  EXPECT_TRUE(IsNullRect(data.captionrect));
  EXPECT_TRUE(data.InActivePicture.Empty());
  EXPECT_TRUE(data.Mask.Empty());
  EXPECT_TRUE(data.autorenderinginactiveimage);
  EXPECT_EQ(data.inactiveeffect, TInactiveEffect::ieInvert);
  EXPECT_FALSE(data.leftstretch);
  EXPECT_FALSE(data.topstretch);
  const auto* caption = dynamic_cast<const TDataSkinCaption*>(data.SkinObjects[0].get());
  ASSERT_NE(caption, nullptr);
  EXPECT_TRUE(IsNullRect(caption->framerect));
  // Loading again replaces everything: no pictures pile up.
  LoadTestFrameSkin(data);
  EXPECT_EQ(data.ActivePictures.size(), 5u);
  EXPECT_EQ(data.SkinObjects.size(), static_cast<size_t>(kTestSkinObjectRecords));
  EXPECT_FALSE(data.InActivePicture.Empty());
}

}  // namespace
}  // namespace tavo::skin
