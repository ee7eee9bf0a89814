// The frame's object hints under Wine: with ShowObjectHint and a skin hint
// component, hovering the close button shows "关闭" in Lumen's hint picture
// after the hint pause, topmost and without taking the activation from the
// form; leaving the button, a press or the hide pause takes it away; a
// quick move from button to button shows only the last hint; without
// ShowObjectHint or without a component nothing is started.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "skin/win32/SkinHint.h"
#include "tests/skin/tray_win32/TrayTestSupport.h"

namespace tavo::skin {
namespace {

using namespace tray_test;

constexpr char kCloseHint[] = "\xB9\xD8\xB1\xD5";      // 关闭
constexpr char kMaximizeHint[] = "\xD7\xEE\xB4\xF3\xBB\xAF";  // 最大化

class FrameHintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ShownMainForm();
    hint.SetSkinData(&main.data);
    frame.RefreshObjectHints();
    frame.ShowObjectHint = true;
    frame.SetSkinHint(&hint);
    Leave();
  }
  void TearDown() override {
    frame.SetSkinHint(nullptr);
    frame.ShowObjectHint = false;
    Leave();
  }
  // The mouse over an object of the frame, as the system reports it: the
  // cursor moves and the window is asked what lies under it; the frame's
  // tracking timer, running since the skin was applied, follows the cursor
  // on its next tick.
  void HoverOver(const std::string& idName) {
    const TActiveSkinObject* object = ObjectNamed(frame, idName);
    ASSERT_NE(object, nullptr) << idName;
    const POINT at = ScreenPointOf(form, *object);
    SetCursorPos(at.x, at.y);
    SendMessageA(form.Handle(), WM_NCHITTEST, 0, MAKELPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y)));
    if (TTickTimer* tracking = main.clock.Running(50)) tracking->OnTick();
  }
  // The cursor moves into the client area; the frame's tracking timer
  // notices on its next tick.
  void Leave() {
    RECT w = WindowRectOf(form.Handle());
    SetCursorPos((w.left + w.right) / 2, (w.top + w.bottom) / 2);
    if (TTickTimer* tracking = main.clock.Running(50)) tracking->OnTick();
  }
  TTickTimer* Pause() { return hintClock.Running(ui::Hints().HintPause); }

  TMainForm& main = TMainForm::Get();
  ui::TForm& form = main.form;
  TSkinForm& frame = main.frame;
  TClock hintClock;
  TSkinHint hint{&form, hintClock.Factory()};
};

TEST_F(FrameHintTest, HoveringTheCloseButtonShowsLumensHintTopmostAndUnactivated) {
  ASSERT_TRUE(form.Active());
  ASSERT_EQ(frame.SkinHint(), &hint);
  HoverOver("closebutton");
  ASSERT_NE(frame.ActiveObjectIndex(), -1);
  EXPECT_EQ(frame.Objects()[static_cast<size_t>(frame.ActiveObjectIndex())]->IDName, "closebutton");
  // Nothing shows before the hint pause has passed.
  TTickTimer* pause = Pause();
  ASSERT_NE(pause, nullptr);
  TSkinHintWindow& window = hint.HintWindow();
  EXPECT_FALSE(window.Showing());
  pause->OnTick();
  Pump(200);
  ASSERT_TRUE(window.Showing());
  EXPECT_EQ(window.Text(), kCloseHint);
  EXPECT_TRUE(window.Skinned());
  EXPECT_TRUE(IsWindowVisible(window.Handle()));
  EXPECT_TRUE(GetWindowLongPtrA(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  // The form keeps the activation and the foreground.
  EXPECT_EQ(GetActiveWindow(), form.Handle());
  EXPECT_EQ(GetForegroundWindow(), form.Handle());
  EXPECT_TRUE(form.Active());
  EXPECT_EQ(SendMessageA(window.Handle(), WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);
  // Below the cursor, which stands on the button.
  POINT cursor;
  GetCursorPos(&cursor);
  const RECT r = WindowRectOf(window.Handle());
  EXPECT_EQ(r.left, cursor.x);
  EXPECT_GT(r.top, cursor.y);
  EXPECT_EQ(r.bottom - r.top, 30);  // Lumen's hint picture is 30 pixels high
  // The screen shows the composed picture.
  EXPECT_EQ(frame_test::CountDifferences(window.Compose(), frame_test::ScreenOf(window.Handle()),
                                         [](int, int) { return true; }),
            0);
  SaveShot("tray-hint-hover", Union(WindowRectOf(form.Handle()), r));

  // Leaving the button hides the hint and drops the timer.
  Leave();
  EXPECT_EQ(frame.ActiveObjectIndex(), -1);
  EXPECT_FALSE(window.Showing());
  EXPECT_FALSE(IsWindowVisible(window.Handle()));
  EXPECT_EQ(hint.HintTimer(), nullptr);
}

TEST_F(FrameHintTest, HidePauseAndAPressTakeTheHintAway) {
  HoverOver("closebutton");
  ASSERT_NE(Pause(), nullptr);
  Pause()->OnTick();
  ASSERT_TRUE(hint.HintWindow().Showing());
  // The same timer now counts the hide pause.
  TTickTimer* stay = hintClock.Running(ui::Hints().HintHidePause);
  ASSERT_NE(stay, nullptr);
  stay->OnTick();
  EXPECT_FALSE(hint.HintWindow().Showing());

  // Shown again after leaving and coming back; a message that closes what
  // is open (here WM_CANCELMODE) hides it at once.
  Leave();
  HoverOver("closebutton");
  ASSERT_NE(Pause(), nullptr);
  Pause()->OnTick();
  ASSERT_TRUE(hint.HintWindow().Showing());
  SendMessageA(form.Handle(), WM_CANCELMODE, 0, 0);
  EXPECT_FALSE(hint.HintWindow().Showing());
  EXPECT_EQ(hint.HintTimer(), nullptr);
}

TEST_F(FrameHintTest, MovingOnBeforeThePauseShowsOnlyTheLastButtonsHint) {
  HoverOver("closebutton");
  HoverOver("maximizebutton");
  // One pending timer: the first was freed when the second text came.
  int running = 0;
  for (TTickTimer* t : hintClock.timers) running += t->running ? 1 : 0;
  EXPECT_EQ(running, 1);
  ASSERT_NE(Pause(), nullptr);
  Pause()->OnTick();
  EXPECT_EQ(hint.HintWindow().Text(), kMaximizeHint);
}

TEST_F(FrameHintTest, WithoutShowObjectHintOrAComponentNothingStarts) {
  frame.ShowObjectHint = false;
  HoverOver("closebutton");
  EXPECT_NE(frame.ActiveObjectIndex(), -1);
  EXPECT_EQ(hint.HintTimer(), nullptr);
  EXPECT_TRUE(hintClock.timers.empty());
  Leave();

  frame.ShowObjectHint = true;
  frame.SetSkinHint(nullptr);
  HoverOver("closebutton");
  EXPECT_NE(frame.ActiveObjectIndex(), -1);
  EXPECT_TRUE(hintClock.timers.empty());
  EXPECT_FALSE(hint.HintWindow().Showing());
}

}  // namespace
}  // namespace tavo::skin
