// The frame's hover and press state machine against a recording host:
// hover and hints, presses with capture, dragging off a pressed button,
// caption presses and double-clicks, the move/size loop and the tracking
// timer.
#include "skin/FrameMouse.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "skin/FrameHitTest.h"

namespace tavo::skin {
namespace {

using Log = std::vector<std::string>;

class TRecordingHost : public TFrameMouseHost {
 public:
  std::vector<TFrameObjectInfo> objects;
  bool active = true;
  bool hints = false;
  TRect client{13, 46, 551, 253};
  TPoint cursor{0, 0};
  Log log;
  std::function<void(int)> onMouseUp;

  int ObjectCount() const override { return static_cast<int>(objects.size()); }
  TFrameObjectInfo ObjectInfo(int i) const override { return objects.at(static_cast<size_t>(i)); }
  bool FormActive() const override { return active; }
  TRect ClientRect() const override { return client; }
  TPoint CursorPos() const override { return cursor; }
  bool ObjectHintsOn() const override { return hints; }
  void MouseEnter(int i) override { log.push_back("enter " + std::to_string(i)); }
  void MouseLeave(int i) override { log.push_back("leave " + std::to_string(i)); }
  void MouseDown(int i, int x, int y, TSkinMouseButton b) override { log.push_back("down " + Args(i, x, y, b)); }
  void MouseUp(int i, int x, int y, TSkinMouseButton b) override {
    log.push_back("up " + Args(i, x, y, b));
    if (onMouseUp) onMouseUp(i);
  }
  void MouseMove(int i, int x, int y) override {
    log.push_back("move " + std::to_string(i) + " " + std::to_string(x) + "," + std::to_string(y));
  }
  void DblClick(int i) override { log.push_back("dblclick " + std::to_string(i)); }
  void ResetHoverStates() override { log.push_back("reset"); }
  void SetCapture() override { log.push_back("capture"); }
  void ReleaseCapture() override { log.push_back("release"); }
  void ShowHintText(const std::string& t) override { log.push_back("hint " + t); }
  void HideHintText() override { log.push_back("hide hint"); }
  void EnableTrackingTimer(bool on) override { log.push_back(on ? "timer on" : "timer off"); }

  Log Take() { return std::exchange(log, {}); }

 private:
  static std::string Args(int i, int x, int y, TSkinMouseButton b) {
    const char* names[] = {"left", "right", "middle"};
    return std::to_string(i) + " " + std::to_string(x) + "," + std::to_string(y) + " " +
           names[static_cast<int>(b)];
  }
};

// Lumen's six objects on the directory window, in the order of its
// records: caption, close, minimize, maximize, roll up, system menu.
enum { kCaption, kClose, kMinimize, kMaximize, kRollUp, kSysMenu };
const TPoint kOnCaption{200, 25}, kOnClose{538, 20}, kOnMinimize{480, 20}, kOnMaximize{510, 20}, kOnSysMenu{10, 25},
    kInClient{300, 150}, kOnBand{5, 150};

class FrameMouse : public ::testing::Test {
 protected:
  FrameMouse() {
    host.objects = {{{46, 16, 422, 35}, true, true, true, ""},   {{526, 11, 550, 35}, true, true, false, "close"},
                    {{470, 12, 492, 34}, true, true, false, "min"}, {{498, 12, 520, 34}, true, true, false, "max"},
                    {{26, 18, 43, 35}, true, true, false, ""},      {{6, 18, 23, 35}, true, true, false, "menu"}};
  }
  TRecordingHost host;
  TFrameMouse mouse{host};
};

TEST_F(FrameMouse, HoverEntersAndLeavesObjects) {
  mouse.TrackHover(kOnClose, true);
  EXPECT_EQ(mouse.ActiveObject(), kClose);
  mouse.TrackHover(kOnClose, true);  // no change, no events
  mouse.TrackHover(kOnMinimize, true);
  EXPECT_EQ(mouse.PreviousActiveObject(), kClose);
  mouse.TrackHover(kOnBand, true);
  EXPECT_EQ(mouse.ActiveObject(), TFrameMouse::kNone);
  EXPECT_EQ(host.Take(), (Log{"enter 1", "leave 1", "enter 2", "leave 2"}));
  mouse.TrackHover(kOnCaption, true);
  mouse.TrackHover(kOnCaption, false);  // out of the frame: nothing is active
  EXPECT_EQ(host.Take(), (Log{"enter 0", "leave 0"}));
}

TEST_F(FrameMouse, HoverNeedsAnActiveFormAndObjects) {
  host.active = false;
  mouse.TrackHover(kOnClose, true);
  EXPECT_EQ(mouse.ActiveObject(), TFrameMouse::kNone);
  host.active = true;
  host.objects.clear();
  mouse.TrackHover(kOnClose, true);
  EXPECT_EQ(mouse.ActiveObject(), TFrameMouse::kNone);
  EXPECT_TRUE(host.log.empty());
}

TEST_F(FrameMouse, DisabledAndHiddenObjectsAreNotHitAndTheFirstOfTheListWins) {
  host.objects[kClose].Enabled = false;
  host.objects[kMinimize].Visible = false;
  mouse.TrackHover(kOnClose, true);
  EXPECT_EQ(mouse.ActiveObject(), TFrameMouse::kNone);
  mouse.TrackHover(kOnMinimize, true);
  EXPECT_EQ(mouse.ActiveObject(), TFrameMouse::kNone);
  host.objects[kMaximize].ObjectRect = host.objects[kCaption].ObjectRect;  // overlaps the caption
  mouse.TrackHover(kOnCaption, true);
  EXPECT_EQ(mouse.ActiveObject(), kCaption);
  // The right and bottom edges are outside.
  mouse.TrackHover({550, 20}, true);
  EXPECT_EQ(mouse.ActiveObject(), TFrameMouse::kNone);
  mouse.TrackHover({526, 11}, true);
  EXPECT_EQ(mouse.ActiveObject(), TFrameMouse::kNone) << "the close button is disabled";
}

TEST_F(FrameMouse, HintsFollowTheObjectUnderTheMouse) {
  host.hints = true;
  mouse.TrackHover(kOnClose, true);
  mouse.TrackHover({35, 25}, true);  // roll-up button: no hint
  mouse.TrackHover(kOnSysMenu, true);
  mouse.TrackHover(kInClient, true);
  EXPECT_EQ(host.Take(), (Log{"enter 1", "hint close", "leave 1", "hide hint", "enter 4", "leave 4", "enter 5",
                              "hint menu", "leave 5", "hide hint"}));
  host.hints = false;
  mouse.TrackHover(kOnClose, true);
  mouse.TrackHover(kInClient, true);
  EXPECT_EQ(host.Take(), (Log{"enter 1", "leave 1"}));
}

TEST_F(FrameMouse, PressAndReleaseOverAButtonCaptureTheMouse) {
  EXPECT_EQ(mouse.NcButtonDown(TSkinMouseButton::mbLeft, kHtObject, kOnClose), TNcMouseAction::naNone);
  EXPECT_EQ(mouse.CaptureObject(), kClose);
  // The release arrives as WM_LBUTTONUP with (-1, -1) while captured.
  mouse.ButtonUp(TSkinMouseButton::mbLeft);
  EXPECT_EQ(mouse.CaptureObject(), TFrameMouse::kNone);
  EXPECT_EQ(host.Take(), (Log{"enter 1", "capture", "down 1 538,20 left", "release", "up 1 -1,-1 left"}));
  mouse.ButtonUp(TSkinMouseButton::mbLeft);  // a release without a capture object does nothing
  EXPECT_TRUE(host.log.empty());
}

TEST_F(FrameMouse, DraggingOffAPressedButtonActivatesNothingElse) {
  mouse.NcButtonDown(TSkinMouseButton::mbLeft, kHtObject, kOnClose);
  host.Take();
  mouse.TrackHover(kOnMaximize, true);
  EXPECT_EQ(mouse.ActiveObject(), TFrameMouse::kNone);
  mouse.TrackHover(kOnMinimize, true);
  EXPECT_EQ(mouse.ActiveObject(), TFrameMouse::kNone);
  mouse.TrackHover(kOnClose, true);  // back on the pressed button
  EXPECT_EQ(mouse.ActiveObject(), kClose);
  mouse.TrackHover(kOnBand, true);
  mouse.ButtonUp(TSkinMouseButton::mbLeft);
  EXPECT_EQ(host.Take(), (Log{"leave 1", "enter 1", "leave 1", "release", "up 1 -1,-1 left"}));
  // The move goes to the capture object while it lasts, else the active one.
  mouse.NcButtonDown(TSkinMouseButton::mbLeft, kHtObject, kOnClose);
  mouse.TrackHover(kOnBand, true);
  host.Take();
  mouse.NcMouseMove(kOnBand);
  mouse.ButtonUp(TSkinMouseButton::mbLeft);
  mouse.TrackHover(kOnMinimize, true);
  mouse.NcMouseMove(kOnMinimize);
  mouse.TrackHover(kOnBand, true);
  mouse.NcMouseMove(kOnBand);
  EXPECT_EQ(host.Take(), (Log{"move 1 5,150", "release", "up 1 -1,-1 left", "enter 2", "move 2 480,20", "leave 2"}));
}

TEST_F(FrameMouse, CaptionPressesCaptureNothing) {
  mouse.NcButtonDown(TSkinMouseButton::mbLeft, kHtCaption, kOnCaption);
  EXPECT_EQ(mouse.CaptureObject(), TFrameMouse::kNone);
  mouse.NcButtonUp(TSkinMouseButton::mbLeft, kOnCaption);
  EXPECT_EQ(host.Take(), (Log{"enter 0", "down 0 200,25 left"}));
}

TEST_F(FrameMouse, RightButtonOnTheCaptionOpensTheSystemMenu) {
  EXPECT_EQ(mouse.NcButtonDown(TSkinMouseButton::mbRight, kHtCaption, kOnCaption), TNcMouseAction::naShowSystemMenu);
  EXPECT_EQ(mouse.CaptureObject(), TFrameMouse::kNone);
  EXPECT_EQ(mouse.NcButtonDown(TSkinMouseButton::mbRight, kHtObject, kOnClose), TNcMouseAction::naNone);
  EXPECT_EQ(mouse.CaptureObject(), kClose);
  mouse.NcButtonUp(TSkinMouseButton::mbRight, kOnClose);
  EXPECT_EQ(host.Take(), (Log{"enter 0", "down 0 200,25 right", "leave 0", "enter 1", "capture",
                              "down 1 538,20 right", "release", "up 1 538,20 right"}));
  EXPECT_EQ(mouse.NcButtonDown(TSkinMouseButton::mbMiddle, kHtObject, kOnMinimize), TNcMouseAction::naNone);
  EXPECT_TRUE(host.log.empty()) << "middle presses are not routed";
}

TEST_F(FrameMouse, DoubleClicks) {
  EXPECT_EQ(mouse.NcButtonDblClick(TSkinMouseButton::mbLeft, kHtCaption, kOnCaption),
            TNcMouseAction::naCaptionDoubleClick);
  EXPECT_EQ(mouse.CaptureObject(), TFrameMouse::kNone);
  EXPECT_EQ(host.Take(), (Log{"enter 0", "down 0 200,25 left", "dblclick 0"}));

  EXPECT_EQ(mouse.NcButtonDblClick(TSkinMouseButton::mbLeft, kHtObject, kOnSysMenu), TNcMouseAction::naNone);
  EXPECT_EQ(mouse.CaptureObject(), kSysMenu);
  EXPECT_EQ(host.Take(), (Log{"leave 0", "enter 5", "capture", "down 5 10,25 left", "dblclick 5"}));
  mouse.ButtonUp(TSkinMouseButton::mbLeft);
  host.Take();

  EXPECT_EQ(mouse.NcButtonDblClick(TSkinMouseButton::mbRight, kHtCaption, kOnCaption), TNcMouseAction::naNone);
  EXPECT_EQ(mouse.CaptureObject(), TFrameMouse::kNone);
  EXPECT_EQ(host.Take(), (Log{"leave 5", "enter 0", "down 0 200,25 right"}));
}

TEST_F(FrameMouse, TheMoveLoopSwallowsThePressThatRanIt) {
  mouse.TrackHover(kOnCaption, true);
  mouse.SetTrackingTimer(true);
  host.Take();
  mouse.BeforeNcLButtonDown();
  mouse.EnterSizeMove(true);  // inside the press's default processing
  EXPECT_TRUE(mouse.SizeMove());
  EXPECT_TRUE(mouse.FullDragLoop());
  EXPECT_FALSE(mouse.TrackingTimerEnabled());
  EXPECT_EQ(mouse.ActiveObject(), TFrameMouse::kNone);
  mouse.ExitSizeMove();
  EXPECT_FALSE(mouse.FullDragLoop());
  EXPECT_EQ(mouse.NcButtonDown(TSkinMouseButton::mbLeft, kHtCaption, kOnCaption), TNcMouseAction::naNone);
  EXPECT_FALSE(mouse.SizeMove());
  EXPECT_EQ(host.Take(), (Log{"reset", "timer off", "timer off"}));
  // The next press is routed again.
  mouse.BeforeNcLButtonDown();
  mouse.NcButtonDown(TSkinMouseButton::mbLeft, kHtObject, kOnClose);
  EXPECT_EQ(mouse.CaptureObject(), kClose);
}

TEST_F(FrameMouse, ALoopStartedWithoutAPressLeavesNoStaleFlag) {
  mouse.EnterSizeMove(false);  // a move from the keyboard or the system menu
  mouse.ExitSizeMove();
  EXPECT_FALSE(mouse.InSizeMoveLoop());
  mouse.BeforeNcLButtonDown();
  mouse.NcButtonDown(TSkinMouseButton::mbLeft, kHtObject, kOnClose);
  EXPECT_EQ(mouse.CaptureObject(), kClose) << "the click on the close button must not be swallowed";
}

TEST_F(FrameMouse, HitTestStartsTrackingOnlyForObjectsWhileTheTimerIsOff) {
  mouse.HitTested(kHtCaption, kOnCaption);
  mouse.HitTested(kHtClient, kInClient);
  EXPECT_TRUE(host.log.empty());
  mouse.HitTested(kHtObject, kOnClose);
  EXPECT_TRUE(mouse.TrackingTimerEnabled());
  mouse.HitTested(kHtObject, kOnMinimize);  // the timer runs: it tracks from now on
  EXPECT_EQ(mouse.ActiveObject(), kClose);
  EXPECT_EQ(host.Take(), (Log{"enter 1", "timer on"}));
}

TEST_F(FrameMouse, TimerTicks) {
  host.cursor = kOnClose;
  mouse.TimerTick();
  EXPECT_EQ(mouse.ActiveObject(), kClose);
  host.cursor = kInClient;  // into the client: the active object is left
  mouse.TimerTick();
  EXPECT_EQ(mouse.ActiveObject(), TFrameMouse::kNone);
  mouse.TimerTick();  // nothing active, nothing to do
  host.cursor = kOnMinimize;
  host.active = false;
  mouse.TimerTick();  // an inactive form does not track
  EXPECT_EQ(host.Take(), (Log{"enter 1", "leave 1"}));
  host.active = true;
  mouse.SetTrackingTimer(true);
  mouse.EnterSizeMove(false);
  host.Take();
  mouse.SetTrackingTimer(true);
  mouse.TimerTick();  // a loop runs: the timer stops itself
  EXPECT_FALSE(mouse.TrackingTimerEnabled());
  EXPECT_EQ(mouse.ActiveObject(), TFrameMouse::kNone);
}

TEST_F(FrameMouse, AReleaseThatFreesTheObjectsLeavesNoCapture) {
  host.onMouseUp = [this](int) { host.objects.clear(); };  // the command changed the skin
  mouse.NcButtonDown(TSkinMouseButton::mbLeft, kHtObject, kOnClose);
  mouse.ButtonUp(TSkinMouseButton::mbLeft);
  EXPECT_EQ(mouse.CaptureObject(), TFrameMouse::kNone);
  host.Take();
  mouse.ButtonUp(TSkinMouseButton::mbLeft);
  mouse.NcMouseMove(kOnClose);
  mouse.TrackHover(kOnClose, true);
  EXPECT_TRUE(host.log.empty());
}

TEST_F(FrameMouse, IndexesBeyondAShrunkListAreNotUsed) {
  mouse.NcButtonDown(TSkinMouseButton::mbLeft, kHtObject, kOnSysMenu);
  host.objects.resize(2);  // objects rebuilt without resetting the indexes
  host.Take();
  mouse.NcMouseMove(kOnSysMenu);
  mouse.ButtonUp(TSkinMouseButton::mbLeft);
  EXPECT_EQ(host.Take(), (Log{"release"})) << "the capture ends, no object is called";
  EXPECT_EQ(mouse.CaptureObject(), TFrameMouse::kNone);
}

}  // namespace
}  // namespace tavo::skin
