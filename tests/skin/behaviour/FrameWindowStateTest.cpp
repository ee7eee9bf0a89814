// Window states and roll-up of the frame: the minimized-slot search rows,
// the maximize target with its one-pixel rule, restore bounds saved once,
// roll-up while maximized, and the caption double-click's order of checks.
#include "skin/FrameWindowState.h"

#include <gtest/gtest.h>

namespace tavo::skin {
namespace {

struct TSlotCase {
  const char* name;
  TRect area;
  std::vector<TPoint> taken;
  TPoint expected;
};

class SlotSearch : public ::testing::TestWithParam<TSlotCase> {};

TEST_P(SlotSearch, FirstFreeSlot) {
  const TSlotCase& c = GetParam();
  EXPECT_EQ(FindMinimizedSlot(c.area, 277, 55, c.taken), c.expected);
}

// Slots are 277 x 55; a 1000-pixel row holds three (831 + 277 > 1000), an
// 831-pixel row exactly three (554 + 277 = 831 does not exceed it).
INSTANTIATE_TEST_SUITE_P(
    Rows, SlotSearch,
    ::testing::Values(
        TSlotCase{"Empty", {0, 0, 1000, 600}, {}, {0, 545}},
        TSlotCase{"RightOfTheFirst", {0, 0, 1000, 600}, {{0, 545}}, {277, 545}},
        TSlotCase{"OthersElsewhereDoNotCount", {0, 0, 1000, 600}, {{1, 545}, {0, 544}}, {0, 545}},
        TSlotCase{"RowFullGoesUpOneHeight", {0, 0, 1000, 600}, {{0, 545}, {277, 545}, {554, 545}}, {0, 490}},
        TSlotCase{"ExactFitKeepsTheRow", {0, 0, 831, 600}, {{0, 545}, {277, 545}}, {554, 545}},
        TSlotCase{"ExactFitThenWraps", {0, 0, 831, 600}, {{0, 545}, {277, 545}, {554, 545}}, {0, 490}},
        TSlotCase{"SecondRowSecondSlot", {0, 0, 1000, 600}, {{0, 545}, {277, 545}, {554, 545}, {0, 490}}, {277, 490}},
        TSlotCase{"WorkAreaOffset", {100, 30, 1380, 1024}, {{100, 969}}, {377, 969}},
        // Rows at y 65 and 10; the next would start above the top.
        TSlotCase{"AllFullFallsBackToTheFirst", {0, 0, 600, 120}, {{0, 65}, {277, 65}, {0, 10}, {277, 10}}, {0, 65}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SlotSearchSizes, ASizeBelowOneGivesTheFirstSlotInsteadOfLooping) {
  EXPECT_EQ(FindMinimizedSlot({0, 0, 800, 600}, 0, 55, {{0, 545}}), (TPoint{0, 545}));
  EXPECT_EQ(FindMinimizedSlot({0, 0, 800, 600}, 277, 0, {{0, 600}}), (TPoint{0, 600}));
}

TEST(MaximizeTarget, WorkAreaMonitorAndTheOnePixelRule) {
  const TRect screen{0, 0, 1280, 1024};
  // A taskbar takes 30 pixels: the work area as it is.
  EXPECT_EQ(MaximizeTarget({0, 0, 1280, 994}, screen, 1280, 1024, false), (TRect{0, 0, 1280, 994}));
  // No taskbar on the only screen: one pixel in on every side.
  EXPECT_EQ(MaximizeTarget(screen, screen, 1280, 1024, false), (TRect{1, 1, 1279, 1023}));
  // The whole monitor on request, without the rule.
  EXPECT_EQ(MaximizeTarget({0, 0, 1280, 994}, screen, 1280, 1024, true), screen);
  EXPECT_EQ(MaximizeTarget(screen, screen, 1280, 1024, true), screen);
  // A second monitor is not the screen's rectangle.
  const TRect second{1280, 0, 2560, 1024};
  EXPECT_EQ(MaximizeTarget(second, second, 1280, 1024, false), second);
}

class TFakeWindow : public TFrameWindowHost {
 public:
  TRect bounds{100, 100, 663, 362};  // the directory window's 563 x 262
  bool mainForm = false;
  TRect workArea{0, 0, 1280, 994};
  TRect monitor{0, 0, 1280, 1024};
  std::vector<TPoint> minimized;
  const TFrameWindowState* machine = nullptr;
  int appMinimized = 0, timerEnabled = 0, nudged = 0, repainted = 0, rollUpEvents = 0;

  TRect FormBounds() const override { return bounds; }
  void SetFormBounds(const TRect& r) override { bounds = r; }
  bool IsMainForm() const override { return mainForm; }
  void MinimizeApplication() override { ++appMinimized; }
  // MinWidth 320 counts except while minimized; Lumen's minimum height 55.
  TPoint MinimumSize() const override {
    return TPoint{machine->State() == TWindowState::wsMinimized ? 277 : 320, 55};
  }
  TRect WorkArea() const override { return workArea; }
  TRect MonitorRect() const override { return monitor; }
  TPoint ScreenSize() const override { return TPoint{1280, 1024}; }
  std::vector<TPoint> MinimizedPositions() const override { return minimized; }
  void EnableTrackingTimer() override { ++timerEnabled; }
  void NudgeWidth() override { ++nudged; }
  void Repaint() override { ++repainted; }
  void RollUpStateChanged() override { ++rollUpEvents; }
};

class WindowState : public ::testing::Test {
 protected:
  WindowState() { host.machine = &state; }
  TFakeWindow host;
  TFrameWindowState state{host};
  const TRect normal{100, 100, 663, 362};
};

TEST_F(WindowState, MinimizeIntoTheSlotAndRestore) {
  state.ChangeWindowState(TWindowState::wsMinimized);
  EXPECT_EQ(state.State(), TWindowState::wsMinimized);
  EXPECT_EQ(host.bounds, (TRect{0, 939, 277, 994})) << "bottom-left of the work area, minimum size while minimized";
  EXPECT_EQ(state.RestoreBounds(), normal);
  state.ChangeWindowState(TWindowState::wsMinimized);  // the same state: nothing
  EXPECT_EQ(host.bounds, (TRect{0, 939, 277, 994}));
  state.ChangeWindowState(TWindowState::wsNormal);
  EXPECT_EQ(host.bounds, normal);
  EXPECT_EQ(state.RestoreBounds(), TRect{});
  EXPECT_EQ(host.timerEnabled, 1);
  EXPECT_EQ(host.repainted, 1);
  EXPECT_EQ(host.nudged, 0);
}

TEST_F(WindowState, ASecondMinimizedFormGoesRightOfTheFirst) {
  host.minimized = {{0, 939}};
  state.ChangeWindowState(TWindowState::wsMinimized);
  EXPECT_EQ(host.bounds, (TRect{277, 939, 554, 994}));
}

TEST_F(WindowState, TheMainFormMinimizesTheApplicationAndKeepsItsRecord) {
  host.mainForm = true;
  state.ChangeWindowState(TWindowState::wsMinimized);
  EXPECT_EQ(host.appMinimized, 1);
  EXPECT_EQ(state.State(), TWindowState::wsNormal);
  EXPECT_EQ(host.bounds, normal);
  EXPECT_EQ(state.RestoreBounds(), TRect{});
}

TEST_F(WindowState, RestoreBoundsKeptAcrossMinimizeThenMaximize) {
  state.ChangeWindowState(TWindowState::wsMinimized);
  state.ChangeWindowState(TWindowState::wsMaximized);
  EXPECT_EQ(host.bounds, host.workArea);
  EXPECT_EQ(state.RestoreBounds(), normal) << "not overwritten by the minimized bounds";
  state.ChangeWindowState(TWindowState::wsNormal);
  EXPECT_EQ(host.bounds, normal);
  state.ToggleMaximized();
  EXPECT_EQ(state.State(), TWindowState::wsMaximized);
  state.ToggleMaximized();
  EXPECT_EQ(host.bounds, normal);
}

TEST_F(WindowState, MaximizeOnTheWholeSingleScreenIsOnePixelSmaller) {
  host.workArea = host.monitor;
  state.ChangeWindowState(TWindowState::wsMaximized);
  EXPECT_EQ(host.bounds, (TRect{1, 1, 1279, 1023}));
  state.Options.MaximizeOnFullScreen = true;
  state.ChangeWindowState(TWindowState::wsNormal);
  state.ChangeWindowState(TWindowState::wsMaximized);
  EXPECT_EQ(host.bounds, host.monitor);
}

TEST_F(WindowState, SizeableDoubleClickMaximizesOnePixelInsideTheWholeScreen) {
  host.workArea = host.monitor;
  state.CaptionDoubleClick(true);
  EXPECT_EQ(host.bounds, (TRect{1, 1, 1279, 1023}));
  state.CaptionDoubleClick(true);
  EXPECT_EQ(host.bounds, normal);
}

TEST_F(WindowState, RestoringToTheSameSizeNudgesTheWidth) {
  host.bounds = TRect{0, 0, 1280, 994};
  state.ChangeWindowState(TWindowState::wsMaximized);
  state.ChangeWindowState(TWindowState::wsNormal);
  EXPECT_EQ(host.nudged, 1);
}

TEST_F(WindowState, RollUpKeepsTheWidthAndComesBackToTheFormerHeight) {
  state.ChangeRollUp(true);
  EXPECT_TRUE(state.RolledUp());
  EXPECT_EQ(host.bounds, (TRect{100, 100, 663, 155}));
  EXPECT_EQ(state.HeightBeforeRollUp(), 262);
  state.ChangeRollUp(true);  // already up: the former height stays
  EXPECT_EQ(state.HeightBeforeRollUp(), 262);
  state.ChangeRollUp(false);
  EXPECT_EQ(host.bounds, normal);
  state.ChangeRollUp(false);  // already down
  EXPECT_EQ(host.bounds, normal);
  EXPECT_EQ(host.rollUpEvents, 2);
}

TEST_F(WindowState, NoRollUpWithoutTheIconOrWhileMinimized) {
  state.Options.RollUpIcon = false;
  state.ChangeRollUp(true);
  EXPECT_FALSE(state.RolledUp());
  state.Options.RollUpIcon = true;
  state.ChangeWindowState(TWindowState::wsMinimized);
  state.ChangeRollUp(true);
  EXPECT_FALSE(state.RolledUp());
  EXPECT_EQ(host.rollUpEvents, 0);
}

TEST_F(WindowState, RollUpWhileMaximized) {
  state.ChangeWindowState(TWindowState::wsMaximized);
  state.ChangeRollUp(true);
  EXPECT_TRUE(state.RolledUpWhileMaximized());
  EXPECT_EQ(host.bounds, (TRect{0, 0, 1280, 55}));
  // The sizeable window's double-click rolls it down again, not restore.
  state.CaptionDoubleClick(true);
  EXPECT_FALSE(state.RolledUp());
  EXPECT_EQ(host.bounds, host.workArea);
  EXPECT_EQ(state.State(), TWindowState::wsMaximized);
  state.ChangeRollUp(true);
  state.ChangeWindowState(TWindowState::wsNormal);  // restore clears the flag
  EXPECT_FALSE(state.RolledUpWhileMaximized());
  EXPECT_EQ(host.bounds, normal);
  EXPECT_TRUE(state.RolledUp());
}

TEST_F(WindowState, RolledUpThenMaximizedCannotRollFromTheMaximizedState) {
  state.ChangeRollUp(true);
  state.ChangeWindowState(TWindowState::wsMaximized);
  EXPECT_FALSE(state.RolledUpWhileMaximized());
  state.ChangeRollUp(false);
  EXPECT_EQ(host.bounds, host.workArea) << "rolled up before maximizing: nothing";
  state.CaptionDoubleClick(true);  // maximized, not rolled up while maximized: restore
  EXPECT_EQ(state.State(), TWindowState::wsNormal);
  EXPECT_EQ(host.bounds, (TRect{100, 100, 663, 155}));
  state.CaptionDoubleClick(true);  // rolled up: no maximize, roll down
  EXPECT_EQ(host.bounds, normal);
}

TEST_F(WindowState, SystemMenuRestoreRollsDownFirst) {
  state.ChangeWindowState(TWindowState::wsMaximized);
  state.ChangeRollUp(true);
  state.SystemMenuRestore();
  EXPECT_FALSE(state.RolledUp());
  EXPECT_EQ(state.State(), TWindowState::wsMaximized);
  EXPECT_EQ(host.bounds, host.workArea);
  state.SystemMenuRestore();
  EXPECT_EQ(state.State(), TWindowState::wsNormal);
  EXPECT_EQ(host.bounds, normal);
}

TEST_F(WindowState, CaptionDoubleClickOrder) {
  // The borderless directory window: up to 55, down to 262.
  state.CaptionDoubleClick(false);
  EXPECT_EQ(host.bounds, (TRect{100, 100, 663, 155}));
  state.CaptionDoubleClick(false);
  EXPECT_EQ(host.bounds, normal);
  // Sizeable with biMaximize: maximize, then restore.
  state.CaptionDoubleClick(true);
  EXPECT_EQ(state.State(), TWindowState::wsMaximized);
  state.CaptionDoubleClick(true);
  EXPECT_EQ(state.State(), TWindowState::wsNormal);
  // Sizeable and minimized: restore.
  state.ChangeWindowState(TWindowState::wsMinimized);
  state.CaptionDoubleClick(true);
  EXPECT_EQ(state.State(), TWindowState::wsNormal);
  EXPECT_EQ(host.bounds, normal);
  // Not sizeable and minimized: no roll-up either.
  state.ChangeWindowState(TWindowState::wsMinimized);
  state.CaptionDoubleClick(false);
  EXPECT_EQ(state.State(), TWindowState::wsMinimized);
  EXPECT_FALSE(state.RolledUp());
  state.ChangeWindowState(TWindowState::wsNormal);
  // Sizeable without biMaximize: rolls.
  state.Options.MaximizeIcon = false;
  state.CaptionDoubleClick(true);
  EXPECT_EQ(state.State(), TWindowState::wsNormal);
  EXPECT_TRUE(state.RolledUp());
}

}  // namespace
}  // namespace tavo::skin
