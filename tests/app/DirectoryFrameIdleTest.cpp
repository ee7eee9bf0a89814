// The directory window's frame holds neither a tray icon nor a hint
// component: hovering each of its caption buttons makes the button active
// but makes no hint window, its tray commands do nothing, and the
// notification area is never called.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/Step1Unit.h"
#include "skin/ActiveSkinObject.h"
#include "skin/win32/SkinHint.h"
#include "skin/win32/TrayIcon.h"
#include "tests/ui/UiTestSupport.h"

namespace tavo::app {
namespace {

using ui::testing_support::PumpUntil;

void Pump(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

TEST(DirectoryFrameIdleTest, HoveringTheButtonsAndTheTrayCommandsLeaveTrayAndHintsIdle) {
  TStep1Frm window;
  skin::TSkinForm& frame = window.SkinForm1;
  ASSERT_EQ(frame.Mode(), skin::TFrameMode::fmSkinned);
  EXPECT_EQ(frame.TrayIcon(), nullptr);
  EXPECT_EQ(frame.SkinHint(), nullptr);
  EXPECT_FALSE(frame.ShowObjectHint);
  window.Show();
  SetForegroundWindow(window.Handle());
  ASSERT_TRUE(PumpUntil([&] { return window.Active(); }, 2000));
  Pump(100);

  const int hintWindows = skin::TSkinHintWindow::WindowsMade();
  const int notifyCalls = skin::TTrayIcon::SystemNotifyIconCalls();
  RECT w;
  GetWindowRect(window.Handle(), &w);
  int hovered = 0;
  for (size_t i = 0; i < frame.Objects().size(); ++i) {
    const skin::TActiveSkinObject& object = *frame.Objects()[i];
    if (object.Kind() != skin::TObjectKind::okStdButton || !object.Enabled || !object.Visible) continue;
    // Each button carries its hint text, so a hint path that ran would
    // have something to show.
    EXPECT_FALSE(object.Hint.empty()) << object.IDName;
    const TRect& r = object.ObjectRect;
    const POINT at{w.left + (r.left + r.right) / 2, w.top + (r.top + r.bottom) / 2};
    SetCursorPos(at.x, at.y);
    SendMessageA(window.Handle(), WM_NCHITTEST, 0, MAKELPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y)));
    // Longer than the tracking timer's 50 ms and than the 100 ms short
    // hint pause.
    Pump(150);
    EXPECT_EQ(frame.ActiveObjectIndex(), static_cast<int>(i)) << object.IDName;
    ++hovered;
  }
  EXPECT_GE(hovered, 4);  // close, minimize, maximize, roll up
  EXPECT_EQ(skin::TSkinHintWindow::WindowsMade(), hintWindows);

  // The frame's tray commands find no tray icon.
  frame.HideToTray();
  Pump(100);
  EXPECT_TRUE(IsWindowVisible(window.Handle()));
  frame.ShowFromTray();
  Pump(50);
  EXPECT_TRUE(IsWindowVisible(window.Handle()));
  EXPECT_EQ(skin::TTrayIcon::SystemNotifyIconCalls(), notifyCalls);
  window.Hide();

  // Both counters do count: one hint window and one call of the
  // notification area.
  {
    skin::TSkinHintWindow made;
    EXPECT_EQ(skin::TSkinHintWindow::WindowsMade(), hintWindows + 1);
  }
  {
    skin::TTrayIcon tray(nullptr);
    tray.SetIconVisible(true);
    EXPECT_EQ(skin::TTrayIcon::SystemNotifyIconCalls(), notifyCalls + 1);
  }
}

}  // namespace
}  // namespace tavo::app
