// The frame's client area (WM_NCCALCSIZE) in both modes with its clamps, the
// minimum and maximum size rows, and the sizes ApplySkin sets.
#include <gtest/gtest.h>

#include "skin/FrameClientArea.h"
#include "skin/frame/FrameTestSkins.h"

namespace tavo::skin {
namespace {

using test::TLumen;

TEST(FrameClientArea, SkinnedKeepsTheSkinsBorders) {
  TLumen lumen;
  const TFrameSkinGeometry s = FrameSkinGeometryOf(lumen.data);
  // Lumen's client rectangle 13,46,265,107 in a 277 x 116 picture: 13 left,
  // 46 top, 12 right and 9 bottom.
  EXPECT_EQ(SkinnedClientRect({100, 50, 663, 312}, s), (TRect{113, 96, 651, 303}));
  EXPECT_EQ(SkinnedClientRect({0, 0, 277, 55}, s), (TRect{13, 46, 265, 46}));
  // Too small: right would be 8 < 13, bottom 11 < 46.
  EXPECT_EQ(SkinnedClientRect({0, 0, 20, 20}, s), (TRect{13, 46, 13, 46}));
  EXPECT_EQ(SkinnedClientRect({-300, -200, -280, -180}, s), (TRect{-287, -154, -287, -154}));
}

TEST(FrameClientArea, PlainBorderAndCaption) {
  EXPECT_EQ(PlainClientRect({0, 0, 200, 100}, false), (TRect{3, 22, 197, 97}));
  EXPECT_EQ(PlainClientRect({0, 0, 200, 100}, true), (TRect{3, 18, 197, 97}));
  EXPECT_EQ(PlainClientRect({10, 20, 30, 40}, false), (TRect{13, 42, 27, 42}));  // bottom 37 < top 42
  EXPECT_EQ(PlainClientRect({0, 0, 4, 60}, true), (TRect{3, 18, 3, 57}));        // right 1 < left 3
}

TFrameSizeLimits LumenLimits() {
  TLumen lumen;
  return SkinnedSizeLimits(FrameSkinGeometryOf(lumen.data));
}

TEST(FrameMinimumSize, SkinnedRows) {
  TFrameSizeLimits l = LumenLimits();
  EXPECT_EQ(l.SkinClientHeight, 61);
  EXPECT_EQ(MinimumFrameSize(l), (TPoint{277, 55}));
  l.MinWidth = 200;  // not larger than the picture
  EXPECT_EQ(MinimumFrameSize(l).x, 277);
  l.MinWidth = 300;
  EXPECT_EQ(MinimumFrameSize(l).x, 300);
  l.Minimized = true;
  EXPECT_EQ(MinimumFrameSize(l).x, 277);
  l.Minimized = false;
  l.MinHeight = 55;  // equal counts as "at least"
  EXPECT_EQ(MinimumFrameSize(l).y, 55);
  l.MinHeight = 100;
  EXPECT_EQ(MinimumFrameSize(l).y, 100);
  l.RolledUp = true;
  EXPECT_EQ(MinimumFrameSize(l), (TPoint{300, 55}));
  l.RolledUp = false;
  l.Minimized = true;
  EXPECT_EQ(MinimumFrameSize(l), (TPoint{277, 55}));
}

TEST(FrameMinimumSize, PlainRows) {
  TFrameSizeLimits l;
  EXPECT_EQ(MinimumFrameSize(l), (TPoint{120, 25}));
  l.ToolWindow = true;
  EXPECT_EQ(MinimumFrameSize(l), (TPoint{120, 21}));
  l.ToolWindow = false;
  l.MinWidth = 80;  // any width above 0 is taken, even minimized
  l.Minimized = true;
  EXPECT_EQ(MinimumFrameSize(l).x, 80);
  l.Minimized = false;
  l.MinHeight = 40;
  EXPECT_EQ(MinimumFrameSize(l).y, 40);
  l.RolledUp = true;
  EXPECT_EQ(MinimumFrameSize(l).y, 25);
  l.RolledUp = false;
  l.MinHeight = 25;
  EXPECT_EQ(MinimumFrameSize(l).y, 25);
}

TEST(FrameMaximumSize, WorkAreaMonitorAndLimits) {
  const TRect work{1280, 0, 2560, 994}, monitor{1280, 0, 2560, 1024};
  for (bool skinned : {false, true}) {
    TFrameSizeLimits l = skinned ? LumenLimits() : TFrameSizeLimits{};
    EXPECT_EQ(MaximumFrameSize(l, work, monitor), (TPoint{1280, 994}));
    l.MaximizeOnFullScreen = true;
    EXPECT_EQ(MaximumFrameSize(l, work, monitor), (TPoint{1280, 1024}));
    l.MaxWidth = 800;
    l.MaxHeight = 2000;  // larger than the monitor: ignored
    EXPECT_EQ(MaximumFrameSize(l, work, monitor), (TPoint{800, 1024}));
    l.MaxHeight = 500;
    l.MaximizeOnFullScreen = false;
    EXPECT_EQ(MaximumFrameSize(l, work, monitor), (TPoint{800, 500}));
  }
}

TEST(ApplySkinSizes, BroughtUpToTheMinimumOrNudged) {
  const TPoint min{277, 55};
  using V = std::vector<TPoint>;
  EXPECT_EQ(ApplySkinSizeSteps({100, 30}, min, false, false), (V{{277, 55}}));
  EXPECT_EQ(ApplySkinSizeSteps({300, 30}, min, false, false), (V{{300, 55}}));
  EXPECT_EQ(ApplySkinSizeSteps({100, 300}, min, false, false), (V{{277, 300}}));
  EXPECT_EQ(ApplySkinSizeSteps({563, 262}, min, false, false), (V{{562, 262}, {563, 262}}));
  EXPECT_EQ(ApplySkinSizeSteps({277, 262}, min, false, false), (V{{278, 262}, {277, 262}}));
  EXPECT_EQ(ApplySkinSizeSteps({278, 55}, min, false, false), (V{{277, 55}, {278, 55}}));
}

TEST(ApplySkinSizes, RolledUpAndMinimizedFoldToTheMinimum) {
  const TPoint min{277, 55};
  using V = std::vector<TPoint>;
  EXPECT_EQ(ApplySkinSizeSteps({563, 262}, min, true, false), (V{{562, 262}, {563, 262}, {563, 55}}));
  EXPECT_EQ(ApplySkinSizeSteps({563, 55}, min, true, false), (V{{562, 55}, {563, 55}}));
  EXPECT_EQ(ApplySkinSizeSteps({563, 262}, min, false, true), (V{{562, 262}, {563, 262}, {563, 55}, {277, 55}}));
  EXPECT_EQ(ApplySkinSizeSteps({100, 30}, min, false, true), (V{{277, 55}}));
}

}  // namespace
}  // namespace tavo::skin

namespace tavo::skin {
namespace {

TEST(FrameClientArea, ExtremeValuesSaturate) {
  TFrameSkinGeometry s;
  s.PW = 10;
  s.PH = 10;
  s.ClientRect = {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX};
  EXPECT_EQ(SkinnedClientRect({0, 0, INT32_MAX, INT32_MAX}, s), (TRect{INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX}));
  s.ClientRect = {INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN};
  EXPECT_EQ(SkinnedClientRect({INT32_MIN, INT32_MIN, 0, 0}, s), (TRect{INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN}));
  EXPECT_EQ(PlainClientRect({INT32_MAX - 1, INT32_MAX - 1, INT32_MAX, INT32_MAX}, false),
            (TRect{INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX}));
  TFrameSizeLimits l;
  l.Skinned = true;
  l.PH = INT32_MIN;
  l.SkinClientHeight = INT32_MAX;
  EXPECT_EQ(MinimumFrameSize(l).y, 0);  // the saturated INT32_MIN is below MinHeight 0
}

}  // namespace
}  // namespace tavo::skin
