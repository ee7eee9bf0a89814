// The frame's tray icon under Wine: "最小化到图标(&T)" clicked in the
// frame's system menu hides the form into the tray, a double-click on the
// icon brings it back, the frame's tray menu restores it, minimizing with
// AlwaysMinimizeToTray goes to the tray, AlwaysShowInTray keeps the icon,
// and the TrayIcon and SkinHint properties let go of what is destroyed.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/win32/SkinHint.h"
#include "skin/win32/SkinMenu.h"
#include "skin/win32/TrayIcon.h"
#include "skin/win32/TrayIconFrame.h"
#include "tests/skin/tray_win32/TrayTestSupport.h"

namespace tavo::skin {
namespace {

using namespace tray_test;

// 最小化到图标(&T), 最小化(&n), 还原(&R), 关闭(&C) in code page 936.
constexpr char kToTrayItem[] = "\xD7\xEE\xD0\xA1\xBB\xAF\xB5\xBD\xCD\xBC\xB1\xEA(&T)";
constexpr char kMinimizeItem[] = "\xD7\xEE\xD0\xA1\xBB\xAF(&n)";
constexpr char kRestoreItem[] = "\xBB\xB9\xD4\xAD(&R)";
constexpr char kCloseItem[] = "\xB9\xD8\xB1\xD5(&C)";

class FrameTrayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ShownMainForm();
    frame.OnMinimizeToTray = [this](TSkinForm&) { ++hidden; };
    frame.OnRestoreFromTray = [this](TSkinForm&) { ++restored; };
  }
  void TearDown() override {
    frame.MenuEngine().CloseAll();
    frame.MenuEngine().MenuClosed();
    frame.SetTrayIcon(nullptr);
    frame.OnMinimizeToTray = nullptr;
    frame.OnRestoreFromTray = nullptr;
    frame.AlwaysMinimizeToTray = false;
    frame.AlwaysShowInTray = false;
    if (!IsWindowVisible(form.Handle())) {
      ui::Application().Restore();
      form.Show();
    }
    Pump(100);
  }

  // The system menu opened the way the user does: a right press on the
  // caption, at the cursor.
  void OpenSystemMenuFromTheCaption() {
    const TActiveSkinObject* caption = nullptr;
    for (const auto& object : frame.Objects())
      if (object->Kind() == TObjectKind::okCaption) caption = object.get();
    ASSERT_NE(caption, nullptr);
    const POINT at = ScreenPointOf(form, *caption);
    SetCursorPos(at.x, at.y);
    const LPARAM where = MAKELPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y));
    const LRESULT code = SendMessageA(form.Handle(), WM_NCHITTEST, 0, where);
    ASSERT_EQ(code, HTCAPTION);
    // The system's handling of the press waits for the release, so the
    // release is queued first.
    PostMessageA(form.Handle(), WM_RBUTTONUP, 0, 0);
    SendMessageA(form.Handle(), WM_NCRBUTTONDOWN, static_cast<WPARAM>(code), where);
    Pump(100);
    ASSERT_EQ(frame.MenuEngine().PopupCount(), 1);
  }
  std::vector<std::string> Captions() {
    std::vector<std::string> out;
    for (const auto& it : frame.MenuEngine().PopupWindow(0)->Logic().Items()) out.push_back(it.Item->Caption);
    return out;
  }
  // Moves the mouse onto the item of the first popup with this caption and
  // clicks there, through the message queue as the system delivers it.
  void ClickItem(const std::string& caption) {
    TSkinPopupWindow* popup = frame.MenuEngine().PopupWindow(0);
    ASSERT_NE(popup, nullptr);
    for (const auto& it : popup->Logic().Items()) {
      if (it.Item->Caption != caption) continue;
      const TRect& r = it.ObjectRect;
      const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
      POINT screen{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
      ClientToScreen(popup->Handle(), &screen);
      SetCursorPos(screen.x, screen.y);
      PostMessageA(popup->Handle(), WM_MOUSEMOVE, 0, at);
      PostMessageA(popup->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
      PostMessageA(popup->Handle(), WM_LBUTTONUP, 0, at);
      Pump();
      return;
    }
    FAIL() << "no item " << caption;
  }

  TMainForm& main = TMainForm::Get();
  ui::TForm& form = main.form;
  TSkinForm& frame = main.frame;
  std::vector<TRecordedCall> calls;
  TClock trayClock;
  int hidden = 0, restored = 0;
};

TEST_F(FrameTrayTest, TrayItemOfTheSystemMenuHidesTheFormAndADoubleClickBringsItBack) {
  TTrayIcon tray(&form, Recording(calls), trayClock.Factory());
  tray.SetIconVisible(true);
  frame.SetTrayIcon(&tray);
  EXPECT_EQ(frame.TrayIcon(), &tray);
  // Assigning takes the icon out again and leaves minimizing to the frame.
  EXPECT_EQ(Ops(calls), (std::vector<DWORD>{NIM_ADD, NIM_DELETE}));
  EXPECT_FALSE(tray.IconVisible());
  EXPECT_FALSE(tray.MinimizeToTray);
  calls.clear();

  OpenSystemMenuFromTheCaption();
  const std::vector<std::string> captions = Captions();
  ASSERT_FALSE(captions.empty());
  EXPECT_NE(std::find(captions.begin(), captions.end(), kToTrayItem), captions.end());
  SaveShot("tray-system-menu",
           Union(WindowRectOf(form.Handle()), WindowRectOf(frame.MenuEngine().PopupWindow(0)->Handle())));
  ClickItem(kToTrayItem);
  EXPECT_EQ(frame.MenuEngine().PopupCount(), 0);
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  EXPECT_EQ(Ops(calls), (std::vector<DWORD>{NIM_ADD}));
  EXPECT_TRUE(tray.IconVisible());
  EXPECT_TRUE(tray.MinimizeToTray);
  EXPECT_EQ(hidden, 1);
  EXPECT_EQ(restored, 0);

  SendMessageA(tray.WindowHandle(), kTrayCallbackMessage, 1, WM_LBUTTONDBLCLK);
  Pump();
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
  EXPECT_EQ(Ops(calls), (std::vector<DWORD>{NIM_ADD, NIM_DELETE}));
  EXPECT_FALSE(tray.IconVisible());
  EXPECT_FALSE(tray.MinimizeToTray);
  EXPECT_EQ(restored, 1);
}

TEST_F(FrameTrayTest, TheFramesTrayMenuPopsUpAtTheCursorAndRestores) {
  TTrayIcon tray(&form, Recording(calls), trayClock.Factory());
  frame.SetTrayIcon(&tray);
  ASSERT_NE(tray.PopupMenu(), nullptr);
  frame.HideToTray();
  Pump();
  ASSERT_FALSE(IsWindowVisible(form.Handle()));
  calls.clear();

  // A right press on the icon pops the frame's tray menu up at the cursor.
  SendMessageA(tray.WindowHandle(), kTrayCallbackMessage, 1, WM_RBUTTONDOWN);
  Pump(100);
  ASSERT_EQ(frame.MenuEngine().PopupCount(), 1);
  EXPECT_EQ(Captions(), (std::vector<std::string>{kRestoreItem, "-", kCloseItem}));
  const RECT r = WindowRectOf(frame.MenuEngine().PopupWindow(0)->Handle());
  // Placed at (640, 1000) and kept on the 1024-pixel-high screen.
  EXPECT_EQ(r.left, 640);
  EXPECT_LE(r.bottom, GetSystemMetrics(SM_CYSCREEN));
  ClickItem(kRestoreItem);
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
  EXPECT_EQ(Ops(calls), (std::vector<DWORD>{NIM_DELETE}));
  EXPECT_EQ(restored, 1);
}

TEST_F(FrameTrayTest, AlwaysMinimizeToTrayTurnsMinimizingIntoHidingToTheTray) {
  TTrayIcon tray(&form, Recording(calls), trayClock.Factory());
  frame.SetTrayIcon(&tray);
  calls.clear();
  frame.AlwaysMinimizeToTray = true;
  // The minimize button's command.
  frame.ExecuteCommand(TStdCommand::cmMinimize);
  Pump();
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  EXPECT_EQ(Ops(calls), (std::vector<DWORD>{NIM_ADD}));
  EXPECT_EQ(hidden, 1);
  frame.ShowFromTray();
  Pump();
  ASSERT_TRUE(IsWindowVisible(form.Handle()));
  SetForegroundWindow(form.Handle());
  Pump(100);

  // The system menu's minimize item does the same.
  calls.clear();
  OpenSystemMenuFromTheCaption();
  ClickItem(kMinimizeItem);
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  EXPECT_EQ(Ops(calls), (std::vector<DWORD>{NIM_ADD}));
  EXPECT_EQ(hidden, 2);
  frame.ShowFromTray();
  Pump();

  // Without the setting, minimizing leaves the tray alone.
  frame.AlwaysMinimizeToTray = false;
  calls.clear();
  frame.ExecuteCommand(TStdCommand::cmMinimize);
  Pump();
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(hidden, 2);
  ui::Application().Restore();
  Pump();
}

TEST_F(FrameTrayTest, AlwaysShowInTrayKeepsTheIconThroughAssigningAndRestoring) {
  TTrayIcon tray(&form, Recording(calls), trayClock.Factory());
  tray.SetIconVisible(true);
  frame.AlwaysShowInTray = true;
  calls.clear();
  frame.SetTrayIcon(&tray);
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(tray.IconVisible());
  frame.HideToTray();
  Pump();
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  frame.ShowFromTray();
  Pump();
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
  EXPECT_TRUE(tray.IconVisible());
  for (const TRecordedCall& c : calls) EXPECT_NE(c.op, static_cast<DWORD>(NIM_DELETE));
  EXPECT_EQ(restored, 1);
}

TEST_F(FrameTrayTest, TrayIconPropertyGivesOnlyWhatTheIconLacksAndTakesItBack) {
  // An icon with a handler of its own keeps it, and still gets the menu.
  TTrayIcon own(&form, Recording(calls), trayClock.Factory());
  int ownClicks = 0;
  own.OnDblClick = [&](TTrayIconLogic&) { ++ownClicks; };
  frame.SetTrayIcon(&own);
  EXPECT_NE(own.PopupMenu(), nullptr);
  SendMessageA(own.WindowHandle(), kTrayCallbackMessage, 1, WM_LBUTTONDBLCLK);
  EXPECT_EQ(ownClicks, 1);
  EXPECT_EQ(restored, 0);

  // Letting the icon go takes the frame's menu back but not the icon's own
  // handler; the frame's tray commands then do nothing.
  frame.SetTrayIcon(nullptr);
  EXPECT_EQ(frame.TrayIcon(), nullptr);
  EXPECT_EQ(own.PopupMenu(), nullptr);
  ASSERT_TRUE(static_cast<bool>(own.OnDblClick));
  calls.clear();
  frame.HideToTray();
  Pump(100);
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(hidden, 0);

  // An icon with a menu of its own gets neither the menu nor the handler.
  struct TOwnMenu : TTrayPopupMenu {
    bool AutoPopup() const override { return true; }
    void SetPopupComponent(ui::TComponent*) override {}
    void Popup(int, int) override { ++popups; }
    bool ClickDefaultItem() override { return false; }
    int popups = 0;
  } menu;
  TTrayIcon withMenu(&form, Recording(calls), trayClock.Factory());
  withMenu.SetPopupMenu(&menu);
  frame.SetTrayIcon(&withMenu);
  EXPECT_EQ(withMenu.PopupMenu(), &menu);
  EXPECT_FALSE(static_cast<bool>(withMenu.OnDblClick));
  SendMessageA(withMenu.WindowHandle(), kTrayCallbackMessage, 1, WM_RBUTTONDOWN);
  EXPECT_EQ(menu.popups, 1);
  EXPECT_EQ(frame.MenuEngine().PopupCount(), 0);

  // Assigning another icon lets the first go.
  TTrayIcon next(&form, Recording(calls), trayClock.Factory());
  frame.SetTrayIcon(&next);
  EXPECT_EQ(frame.TrayIcon(), &next);
  EXPECT_NE(next.PopupMenu(), nullptr);
  EXPECT_TRUE(static_cast<bool>(next.OnDblClick));
}

TEST_F(FrameTrayTest, DestroyedComponentsAreForgottenOnBothSides) {
  // The icon goes first: the frame forgets it, and hiding does nothing.
  auto tray = std::make_unique<TTrayIcon>(&form, Recording(calls), trayClock.Factory());
  frame.SetTrayIcon(tray.get());
  tray.reset();
  EXPECT_EQ(frame.TrayIcon(), nullptr);
  calls.clear();
  frame.HideToTray();
  frame.ShowFromTray();
  Pump(100);
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(hidden + restored, 0);

  // The hint component goes first: the frame forgets it.
  auto hint = std::make_unique<TSkinHint>(&form, trayClock.Factory());
  frame.SetSkinHint(hint.get());
  EXPECT_EQ(frame.SkinHint(), hint.get());
  hint.reset();
  EXPECT_EQ(frame.SkinHint(), nullptr);

  // A second frame goes first: its icon drops the frame's menu and
  // double-click, which would reach a frame that is gone.
  ui::TForm other(frame_test::FrameLayout(ui::TBorderStyle::bsSingle, 200, 100));
  TTrayIcon kept(&other, Recording(calls), trayClock.Factory());
  {
    TSkinForm otherFrame(&other);
    otherFrame.SetTrayIcon(&kept);
    ASSERT_NE(kept.PopupMenu(), nullptr);
    ASSERT_TRUE(static_cast<bool>(kept.OnDblClick));
  }
  EXPECT_EQ(kept.PopupMenu(), nullptr);
  EXPECT_FALSE(static_cast<bool>(kept.OnDblClick));
  SendMessageA(kept.WindowHandle(), kTrayCallbackMessage, 1, WM_LBUTTONDBLCLK);
  SendMessageA(kept.WindowHandle(), kTrayCallbackMessage, 1, WM_RBUTTONDOWN);
  Pump(100);
}

}  // namespace
}  // namespace tavo::skin
