// A skinned main form with a tray icon and a skin hint: minimizing to the
// tray hides the form and adds the icon, a double-click callback brings it
// back and removes the icon, the hidden window answers the taskbar, and
// the close button's hint shows in Lumen's hint picture, topmost and never
// activated.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "skin/win32/SkinHint.h"
#include "skin/win32/TrayIcon.h"
#include "skin/win32/TrayIconFrame.h"
#include "tests/skin/tray_win32/TrayTestSupport.h"
#include "ui/Application.h"

namespace tavo::skin {
namespace {

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ui::testing_support::TUiEnvironment);

using namespace tray_test;

TEST(TrayIconWine, MinimizeToTrayHidesTheFormAndDoubleClickBringsItBack) {
  TMainForm& main = TMainForm::Get();
  main.form.Show();
  Pump();
  std::vector<TRecordedCall> calls;
  TClock trayClock;
  TTrayIcon tray(&main.form, Recording(calls), trayClock.Factory());
  tray.SetHint("呼叫中心");
  AssignTrayIcon(main.frame, tray);
  calls.clear();

  main.frame.ExecuteCommand(TStdCommand::cmMinimizeToTray);
  Pump();
  EXPECT_FALSE(IsWindowVisible(main.form.Handle()));
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back().op, static_cast<DWORD>(NIM_ADD));
  EXPECT_TRUE(tray.IconVisible());
  // The record's size is the build's own: 488 bytes for 32 bits, 504 for 64.
  EXPECT_EQ(calls.back().size, sizeof(void*) == 8 ? 504u : 488u);
  EXPECT_EQ(calls.back().id, 1u);
  EXPECT_EQ(calls.back().callback, static_cast<UINT>(WM_USER + 1024));
  EXPECT_EQ(calls.back().tip, "呼叫中心");

  SendMessageA(tray.WindowHandle(), kTrayCallbackMessage, 1, WM_LBUTTONDBLCLK);
  Pump();
  EXPECT_TRUE(IsWindowVisible(main.form.Handle()));
  EXPECT_EQ(calls.back().op, static_cast<DWORD>(NIM_DELETE));
  EXPECT_FALSE(tray.IconVisible());
}

TEST(TrayIconWine, HiddenWindowAnswersTheTaskbarAndSurvivesCloseRequests) {
  TMainForm& main = TMainForm::Get();
  std::vector<TRecordedCall> calls;
  TClock trayClock;
  TTrayIcon tray(&main.form, Recording(calls), trayClock.Factory());
  EXPECT_EQ(SendMessageA(tray.WindowHandle(), WM_CLOSE, 0, 0), 1);
  EXPECT_TRUE(IsWindow(tray.WindowHandle()));
  EXPECT_FALSE(IsWindowVisible(tray.WindowHandle()));
  EXPECT_EQ(GetParent(tray.WindowHandle()), nullptr);
  calls.clear();
  SendMessageA(ui::Application().Handle(), tray.TaskbarCreatedMessage(), 0, 0);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].op, static_cast<DWORD>(NIM_ADD));
  tray.SetIconVisible(false);
  calls.clear();
  SendMessageA(ui::Application().Handle(), tray.TaskbarCreatedMessage(), 0, 0);
  EXPECT_TRUE(calls.empty());
}

TEST(TrayIconWine, OneRealNotificationAreaCall) {
  TMainForm& main = TMainForm::Get();
  TTrayIcon tray(&main.form);  // the system's Shell_NotifyIcon
  tray.SetHint("tray smoke test");
  tray.SetIconVisible(true);
  tray.SetIconVisible(false);
  EXPECT_EQ(tray.Record().cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V2_SIZE));
}

TEST(SkinHintWine, CloseButtonHintShowsInLumenTopmostAndUnactivated) {
  TMainForm& main = TMainForm::Get();
  main.form.Show();
  Pump();
  TClock hintClock;
  TSkinHint hint(&main.form, hintClock.Factory());
  hint.SetSkinData(&main.data);
  main.frame.RefreshObjectHints();
  std::string closeHint;
  for (const auto& object : main.frame.Objects())
    if (object->IDName == "closebutton") closeHint = object->Hint;
  ASSERT_EQ(closeHint, "\xB9\xD8\xB1\xD5");  // "关闭" in code page 936

  for (const auto& object : main.frame.Objects())
    if (object->IDName == "closebutton") {
      RECT f;
      GetWindowRect(main.form.Handle(), &f);
      SetCursorPos(f.left + object->ObjectRect.left + 4, f.top + object->ObjectRect.top + 4);
    }
  HWND before = GetForegroundWindow();
  hint.ShowHintText(closeHint);
  TTickTimer* pause = hintClock.Running(ui::Hints().HintPause);
  ASSERT_NE(pause, nullptr);
  EXPECT_FALSE(hint.HintWindow().Showing());
  pause->OnTick();
  Pump();
  TSkinHintWindow& window = hint.HintWindow();
  ASSERT_TRUE(window.Showing());
  EXPECT_TRUE(window.Skinned());
  EXPECT_TRUE(IsWindowVisible(window.Handle()));
  EXPECT_TRUE(GetWindowLongPtrA(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongPtrA(window.Handle(), GWL_STYLE) & WS_BORDER);
  EXPECT_EQ(GetForegroundWindow(), before);
  EXPECT_NE(GetActiveWindow(), window.Handle());
  EXPECT_EQ(SendMessageA(window.Handle(), WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);
  RECT r;
  GetWindowRect(window.Handle(), &r);
  // Never smaller than Lumen's 40 x 30 hint picture.
  EXPECT_GE(r.right - r.left, 40);
  EXPECT_EQ(r.bottom - r.top, 30);
  // What the window shows is the composed picture.
  const TBitmap composed = window.Compose();
  const TBitmap shown = frame_test::ScreenOf(window.Handle());
  EXPECT_EQ(frame_test::CountDifferences(composed, shown, [](int, int) { return true; }), 0);
  // The picture of docs/tray-hints.md: the form with the hint under it.
  SaveShot("tray-hint-close", Union(WindowRectOf(main.form.Handle()), r));

  // The hide pause runs on the same timer; its tick hides the window.
  TTickTimer* stay = hintClock.Running(ui::Hints().HintHidePause);
  ASSERT_NE(stay, nullptr);
  stay->OnTick();
  EXPECT_FALSE(window.Showing());
  EXPECT_FALSE(IsWindowVisible(window.Handle()));
  EXPECT_EQ(hint.HintTimer(), nullptr);
  EXPECT_EQ(ui::Hints().HintShortPause, 100u);
}

TEST(SkinHintWine, QuickSeriesShowsOnlyTheLastText) {
  TMainForm& main = TMainForm::Get();
  TClock hintClock;
  TSkinHint hint(&main.form, hintClock.Factory());
  hint.ShowHintText("最小化");
  hint.ShowHintText("关闭");
  ASSERT_EQ(hintClock.timers.size(), 1u);
  hintClock.timers[0]->OnTick();
  EXPECT_EQ(hint.HintWindow().Text(), "关闭");
  EXPECT_FALSE(hint.HintWindow().Skinned());  // no skin data: the plain look
  hint.HideHintText();
  EXPECT_FALSE(hint.HintWindow().Showing());
}

}  // namespace
}  // namespace tavo::skin
