// The objects' timing: morph ticks (five to a full transition, the timer
// stopping itself), animation ticks forward, backward and cycling with the
// tick accumulator, the caption following the form's activation, and the
// hover reset.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "skin/FrameObjects.h"
#include "tests/skin/objects/ObjectTestHost.h"
#include "tests/skin/support/TestFrameSkin.h"

namespace tavo::skin {
namespace {

using namespace test;


class Timing : public TTestSkinObjects, public ::testing::Test {
 protected:
  TSkinAnimateObject& Anim(int i) { return static_cast<TSkinAnimateObject&>(Object(i)); }
  size_t Count(const std::string& entry) const {
    return static_cast<size_t>(std::count(host.log.begin(), host.log.end(), entry));
  }
};

TEST_F(Timing, MorphReachesItsEndInFiveTicksBothWays) {
  TActiveSkinObject& close = Object(kClose);
  close.MouseEnter();
  EXPECT_TRUE(host.morphTimer);
  const double up[] = {0.2, 0.4, 0.6, 0.8, 1.0};
  for (double f : up) {
    ASSERT_TRUE(StepMorph(objects, host));
    EXPECT_NEAR(close.MorphFactor, f, 1e-12);
  }
  EXPECT_EQ(close.MorphFactor, 1.0) << "exactly at the end after five ticks";
  EXPECT_FALSE(close.NeedsMorphStep());
  EXPECT_EQ(Count("redraw:closebutton"), 5u);
  EXPECT_FALSE(StepMorph(objects, host)) << "a sixth tick moves nothing";
  EXPECT_FALSE(host.morphTimer);

  close.MouseLeave();
  EXPECT_TRUE(host.morphTimer);
  const double down[] = {0.8, 0.6, 0.4, 0.2, 0.0};
  for (double f : down) {
    ASSERT_TRUE(StepMorph(objects, host));
    EXPECT_NEAR(close.MorphFactor, f, 1e-12);
  }
  EXPECT_EQ(close.MorphFactor, 0.0);
  EXPECT_FALSE(StepMorph(objects, host));
  EXPECT_FALSE(host.morphTimer);
}

TEST_F(Timing, MorphMovesOnlyMorphingObjectsThatNeedAStep) {
  TActiveSkinObject& min = Object(kMin);  // not morphing
  min.MouseEnter();
  EXPECT_EQ(host.log, (std::vector<std::string>{"redraw:minbutton", "enter:minbutton"}));
  EXPECT_FALSE(StepMorph(objects, host));
  EXPECT_EQ(min.MorphFactor, 0);

  // A button held down by its open menu does not move.
  TMenuStub menu(true);
  auto& plain = static_cast<TSkinButtonObject&>(Object(kPlain));
  plain.MenuItem = &menu;
  plain.MouseEnter();
  plain.MouseDown(5, 5, TSkinMouseButton::mbLeft);
  plain.MorphFactor = 0.4;
  EXPECT_FALSE(plain.NeedsMorphStep());
  EXPECT_FALSE(StepMorph(objects, host));
  EXPECT_EQ(plain.MorphFactor, 0.4);
}

// anim: interval 50, 4 frames, no cycle, button style. The accumulator
// starts at 25: one tick to reach 50, then a frame, then back to 25.
TEST_F(Timing, AnimationPlaysForwardToTheLastFrameAndStops) {
  TSkinAnimateObject& anim = Anim(kAnim);
  anim.MouseEnter();
  EXPECT_TRUE(host.animationTimer);
  EXPECT_TRUE(anim.Active);
  const int frames[] = {1, 2, 2, 3, 3, 4};
  for (int f : frames) {
    ASSERT_TRUE(StepAnimation(objects, host));
    EXPECT_EQ(anim.FrameNumber, f);
  }
  EXPECT_FALSE(anim.Active) << "stops at the last frame";
  EXPECT_EQ(Count("redraw:anim"), 3u);
  EXPECT_FALSE(StepAnimation(objects, host));
  EXPECT_FALSE(host.animationTimer);
  EXPECT_EQ(anim.FrameNumber, 4);

  anim.MouseLeave();
  EXPECT_TRUE(host.animationTimer);
  const int back[] = {4, 3, 3, 2, 2, 1};
  for (int f : back) {
    ASSERT_TRUE(StepAnimation(objects, host));
    EXPECT_EQ(anim.FrameNumber, f);
  }
  EXPECT_FALSE(anim.Active);
  EXPECT_FALSE(StepAnimation(objects, host));
}

TEST_F(Timing, CyclingAnimationLoopsEveryTickWhileActive) {
  TSkinAnimateObject& cycle = Anim(kCycle);  // interval 10 raised to 25
  cycle.MouseEnter();
  EXPECT_FALSE(cycle.Active) << "no button style: never starts on its own";
  EXPECT_FALSE(host.animationTimer);
  EXPECT_FALSE(StepAnimation(objects, host));

  cycle.Active = true;
  const int frames[] = {2, 3, 4, 1, 2, 3, 4, 1, 2};
  for (int f : frames) {
    ASSERT_TRUE(StepAnimation(objects, host));
    EXPECT_EQ(cycle.FrameNumber, f);
    EXPECT_TRUE(cycle.Active);
  }
  // Backward from frame 1 wraps to the last frame.
  cycle.FrameNumber = 1;
  cycle.Direction = TSkinAnimateObject::TDirection::Backward;
  ASSERT_TRUE(StepAnimation(objects, host));
  EXPECT_EQ(cycle.FrameNumber, 4);
}

TEST_F(Timing, ButtonStyleCyclingAnimationLoopsWhileTheMouseStaysAndWindsBackOnLeaving) {
  TSkinAnimateObject& cycle = Anim(kCycle);
  cycle.ButtonStyle = true;
  cycle.MouseEnter();
  EXPECT_TRUE(host.animationTimer);
  for (int f : {2, 3, 4, 1, 2, 3, 4, 1, 2, 3}) {
    ASSERT_TRUE(StepAnimation(objects, host));
    EXPECT_EQ(cycle.FrameNumber, f);
  }
  EXPECT_TRUE(cycle.Active) << "still looping";
  cycle.MouseLeave();
  for (int f : {2, 1}) {
    ASSERT_TRUE(StepAnimation(objects, host));
    EXPECT_EQ(cycle.FrameNumber, f);
  }
  EXPECT_FALSE(cycle.Active) << "back at frame 1";
  EXPECT_FALSE(StepAnimation(objects, host));
}

TEST_F(Timing, LeavingAnAnimationTheMouseIsNotInDoesNothing) {
  TSkinAnimateObject& anim = Anim(kAnim);
  anim.MouseLeave();
  EXPECT_TRUE(host.log.empty());
  EXPECT_FALSE(anim.Active);
}

TEST_F(Timing, CaptionFollowsTheFormsActivation) {
  auto& caption = static_cast<TSkinCaptionObject&>(Object(kCaption));
  ASSERT_FALSE(caption.Active);
  host.active = true;
  SetCaptionActive(objects, host, true);
  EXPECT_TRUE(caption.Active);
  EXPECT_EQ(host.log, (std::vector<std::string>{"ncpaint", "morph:on", "activate"}));
  EXPECT_EQ(caption.MorphFactor, 0) << "the morph timer moves it";

  host.log.clear();
  SetCaptionActive(objects, host, true);
  EXPECT_EQ(host.log, (std::vector<std::string>{"activate"})) << "nothing differs: only the event";

  host.log.clear();
  host.active = false;
  caption.MorphFactor = 1;
  SetCaptionActive(objects, host, false);
  EXPECT_FALSE(caption.Active);
  EXPECT_EQ(caption.MorphFactor, 0) << "without repaint a morphing caption jumps to its end";
  EXPECT_EQ(host.log, (std::vector<std::string>{"deactivate"}));

  host.active = true;
  SetCaptionActive(objects, host, false);
  EXPECT_EQ(caption.MorphFactor, 1);
}

TEST_F(Timing, OnlyTheFirstDifferingCaptionChanges) {
  auto& record = static_cast<TDataSkinCaption&>(*data.SkinObjects[0]);
  objects.push_back(std::make_unique<TSkinCaptionObject>(host, data, record));
  objects.push_back(std::make_unique<TSkinCaptionObject>(host, data, record));
  TActiveSkinObject& first = Object(kCaption);
  TActiveSkinObject& second = *objects[objects.size() - 2];
  TActiveSkinObject& third = *objects.back();
  first.Active = true;  // already agrees with the active form
  SetCaptionActive(objects, host, true);
  EXPECT_TRUE(first.Active);
  EXPECT_TRUE(second.Active);
  EXPECT_FALSE(third.Active);
}

TEST_F(Timing, ResetHoverStatesLeavesCaptionsAndRedrawsNothing) {
  for (auto& o : objects) {
    o->MouseIn = true;
    o->Active = true;
    o->MorphFactor = 0.6;
  }
  Anim(kAnim).FrameNumber = 3;
  ResetHoverStates(objects);
  EXPECT_TRUE(host.log.empty());
  EXPECT_TRUE(Object(kCaption).Active);
  EXPECT_TRUE(Object(kCaption).MouseIn);
  EXPECT_EQ(Object(kCaption).MorphFactor, 0.6);
  EXPECT_EQ(Anim(kAnim).FrameNumber, 1);
  EXPECT_FALSE(Anim(kAnim).Active);
  EXPECT_EQ(Anim(kAnim).MorphFactor, 0.6) << "animations keep their factor";
  for (int i : {kClose, kMax, kPlain, kUser}) {
    EXPECT_FALSE(Object(i).MouseIn) << i;
    EXPECT_FALSE(Object(i).Active) << i;
    EXPECT_EQ(Object(i).MorphFactor, 0) << i;
  }
}

}  // namespace
}  // namespace tavo::skin
