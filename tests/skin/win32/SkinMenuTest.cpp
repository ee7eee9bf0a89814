// The popup menu windows under Wine: styles, no activation, region and
// pixels equal to the portable composition, keys taken from a focused edit
// box while a menu is open and back after, a press elsewhere closing it,
// the system menu's commands run with the menu closed, and a morphing item
// blended in on the window's own morph timer.
#include "skin/win32/SkinMenu.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "SkinFormTestSupport.h"
#include "skin/win32/SkinForm.h"
#include "skin/win32/SkinPopupMenu.h"
#include "skin/BmpReader.h"
#include "tests/skin/support/TestFrameSkin.h"
#include "ui/Edit.h"

#include <cstdlib>
#include <fstream>

namespace tavo::skin {
namespace {

using frame_test::CountDifferences;
using frame_test::FrameLayout;
using frame_test::LoadLumen;
using frame_test::WindowRegionOf;
using ui::testing_support::PumpUntil;

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ui::testing_support::TUiEnvironment);

struct TCommands : TSystemMenuHost {
  std::vector<std::string> calls;
  int popupsAtCall = -1;
  TSkinMenu* menu = nullptr;
  TWindowState WindowState() const override { return TWindowState::wsNormal; }
  bool RolledUp() const override { return false; }
  bool AlwaysMinimizeToTray() const override { return false; }
  void Record(const char* what) {
    calls.push_back(what);
    if (menu) popupsAtCall = menu->PopupCount();
  }
  void ChangeWindowState(TWindowState) override { Record("state"); }
  void ChangeRollUp(bool v) override { Record(v ? "rollup" : "rolldown"); }
  void HideToTray() override { Record("tray"); }
  void ShowFromTray() override { Record("show"); }
  void CloseForm() override { Record("close"); }
};

class SkinMenuWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadLumen(data, stored);
    edit.SetBounds(10, 10, 120, 24);
    form.Show();
    PumpUntil([] { return false; }, 200);
    SetForegroundWindow(form.Handle());
    edit.SetFocus();
    PumpUntil([] { return false; }, 100);
    commands.menu = &menu;
    BuildOwnSystemMenu(system.Items(), TSystemMenuState{}, commands);
  }
  void TearDown() override {
    menu.CloseAll();
    menu.MenuClosed();
  }
  void Open() {
    menu.Popup(nullptr, &data, false, system.Items(), TRect{200, 150, 200, 150});
    PumpUntil([] { return false; }, 100);
  }
  void Key(HWND target, WPARAM key) {
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PumpUntil([] { return false; }, 60);
  }
  HWND PopupHandle(int i = 0) { return menu.PopupWindow(i) ? menu.PopupWindow(i)->Handle() : nullptr; }

  TSkinNotifier notifier;
  TCompressedStoredSkin stored;
  TSkinData data{nullptr, &notifier};
  ui::TForm form{FrameLayout(ui::TBorderStyle::bsSingle, 300, 160)};
  ui::TEdit edit{form};
  TSkinMenu menu{form};
  ui::TPopupMenu system;
  TCommands commands;
};

TEST_F(SkinMenuWindowTest, PopupIsAToolWindowThatNeverActivates) {
  HWND active = GetActiveWindow();
  ASSERT_EQ(active, form.Handle());
  Open();
  ASSERT_EQ(menu.PopupCount(), 1);
  HWND popup = PopupHandle();
  ASSERT_TRUE(popup);
  EXPECT_TRUE(IsWindowVisible(popup));
  const LONG style = GetWindowLongA(popup, GWL_STYLE), ex = GetWindowLongA(popup, GWL_EXSTYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & WS_CAPTION);
  EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(ex & WS_EX_TOPMOST);
  EXPECT_TRUE(GetClassLongA(popup, GCL_STYLE) & CS_SAVEBITS);
  EXPECT_EQ(SendMessageA(popup, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(form.Handle()), 0), MA_NOACTIVATE);
  EXPECT_EQ(GetActiveWindow(), form.Handle());
  EXPECT_EQ(GetFocus(), edit.Handle());
  RECT r;
  GetWindowRect(popup, &r);
  const TPopupLogic& logic = menu.PopupWindow(0)->Logic();
  EXPECT_EQ((TRect{r.left, r.top, r.right, r.bottom}), logic.ScreenBounds());
  EXPECT_EQ(r.left, 200);
  EXPECT_EQ(r.top, 150);
}

TEST_F(SkinMenuWindowTest, RegionAndPixelsAreThePortableComposition) {
  Open();
  HWND popup = PopupHandle();
  ASSERT_TRUE(popup);
  const TPopupLogic& logic = menu.PopupWindow(0)->Logic();
  const auto expected = logic.Region();
  ASSERT_TRUE(expected.has_value());
  const TRegion actual = WindowRegionOf(popup);
  for (int y = 0; y < logic.Height(); ++y)
    for (int x = 0; x < logic.Width(); ++x)
      ASSERT_EQ(actual.Contains(x, y), expected->Contains(x, y)) << x << "," << y;

  // The window's erase draws exactly the composed picture.
  TBitmap canvas(logic.Width(), logic.Height());
  const ui::THBitmap section = win32::CreateDibSection(canvas);
  ui::THMemDC dc(CreateCompatibleDC(nullptr));
  ui::TSelect select(dc.get(), section.get());
  SendMessageA(popup, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0);
  const TBitmap drawn = win32::CaptureDC(dc.get(), TRect{0, 0, logic.Width(), logic.Height()});
  const TBitmap composed = logic.Compose();
  EXPECT_EQ(CountDifferences(drawn, composed, [](int, int) { return true; }), 0);
  // And the text was written: the caption colour appears in the first item.
  const TColor font = PopupLookFrom(&data).ItemRecord->activefontcolor;
  int inked = 0;
  const TRect item = logic.Items()[0].ObjectRect;
  for (int y = item.top; y < item.bottom; ++y)
    for (int x = item.left; x < item.right; ++x) inked += composed.Pixel(x, y) == font;
  EXPECT_GT(inked, 10);
}

// What the screen shows inside the popup's shape is the composed picture,
// Chinese captions included; with TAVO_SCREENSHOT_DIR set the shot is saved
// there as menus-system.bmp.
TEST_F(SkinMenuWindowTest, ScreenShowsTheComposedSystemMenu) {
  Open();
  Key(edit.Handle(), VK_DOWN);
  PumpUntil([] { return false; }, 300);
  HWND popup = PopupHandle();
  ASSERT_TRUE(popup);
  const TPopupLogic& logic = menu.PopupWindow(0)->Logic();
  const TBitmap shot = frame_test::ScreenOf(popup);
  const TBitmap composed = logic.Compose();
  const auto region = logic.Region();
  ASSERT_TRUE(region.has_value());
  EXPECT_EQ(CountDifferences(shot, composed, [&](int x, int y) { return region->Contains(x, y); }), 0);
  if (const char* dir = std::getenv("TAVO_SCREENSHOT_DIR")) {
    RECT f;
    GetWindowRect(form.Handle(), &f);
    HDC screen = GetDC(nullptr);
    const TBitmap whole = win32::CaptureDC(screen, TRect{f.left, f.top, 420, 320});
    ReleaseDC(nullptr, screen);
    const auto bytes = WriteBmpImage(whole);
    std::ofstream(std::string(dir) + "/menus-system.bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
}

TEST_F(SkinMenuWindowTest, KeysForTheFocusedEditAreTakenWhileTheMenuIsOpen) {
  Open();
  ASSERT_TRUE(menu.MenuMode());
  const TPopupLogic& logic = menu.PopupWindow(0)->Logic();
  EXPECT_EQ(logic.ActiveIndex, 0);
  Key(edit.Handle(), VK_DOWN);
  EXPECT_EQ(logic.ActiveIndex, 1);
  Key(edit.Handle(), 'Q');  // no item's accelerator: swallowed all the same
  EXPECT_EQ(edit.Text(), "");
  Key(edit.Handle(), VK_ESCAPE);
  EXPECT_EQ(menu.PopupCount(), 0);
  EXPECT_FALSE(menu.MenuMode());
  Key(edit.Handle(), 'Q');  // the menu is gone: the edit box gets its keys
  EXPECT_EQ(edit.Text(), "q");
}

TEST_F(SkinMenuWindowTest, DownDownReturnRollsUpWithTheMenuClosedFirst) {
  Open();
  Key(edit.Handle(), VK_DOWN);
  Key(edit.Handle(), VK_DOWN);
  Key(edit.Handle(), VK_RETURN);
  EXPECT_EQ(commands.calls, (std::vector<std::string>{"rollup"}));
  EXPECT_EQ(commands.popupsAtCall, 0);
  EXPECT_FALSE(menu.MenuMode());
}

TEST_F(SkinMenuWindowTest, APressElsewhereClosesTheMenu) {
  Open();
  ASSERT_EQ(menu.PopupCount(), 1);
  PostMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(250, 100));
  PostMessageA(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(250, 100));
  PumpUntil([this] { return menu.PopupCount() == 0; }, 500);
  EXPECT_EQ(menu.PopupCount(), 0);
  EXPECT_FALSE(menu.MenuMode());
  EXPECT_TRUE(commands.calls.empty());
}

TEST_F(SkinMenuWindowTest, ClickOnAnItemRunsIt) {
  Open();
  HWND popup = PopupHandle();
  const TPopupLogic& logic = menu.PopupWindow(0)->Logic();
  const TRect close = logic.Items()[4].ObjectRect;  // 关闭(&C)
  SendMessageA(popup, WM_LBUTTONUP, 0, MAKELPARAM((close.left + close.right) / 2, (close.top + close.bottom) / 2));
  EXPECT_EQ(commands.calls, (std::vector<std::string>{"close"}));
  EXPECT_EQ(menu.PopupCount(), 0);
}

TEST_F(SkinMenuWindowTest, SkinnedPopupMenuOpensOnlyWithAFrame) {
  TSkinPopupMenu popupMenu(&form);
  popupMenu.Items().Add("&One");
  int fired = 0;
  popupMenu.OnPopup = [&](ui::TObject&) { ++fired; };
  popupMenu.Popup(220, 160);
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(menu.PopupCount(), 0);  // the form has no frame yet
  TSkinForm frame(&form);
  frame.SetSkinData(&data);
  popupMenu.Popup(220, 160);
  TSkinMenu& engine = frame.MenuEngine();  // the frame's own engine serves it
  EXPECT_EQ(popupMenu.ServingMenu(), &engine);
  ASSERT_EQ(engine.PopupCount(), 1);
  EXPECT_EQ(menu.PopupCount(), 0);
  EXPECT_EQ(popupMenu.SkinData(), &data);  // taken from the frame and kept
  EXPECT_TRUE(engine.PopupWindow(0)->Logic().Build().Look.Skinned());
  EXPECT_TRUE(engine.MenuMode());
  engine.CloseAll();
  EXPECT_FALSE(engine.MenuMode());
}

TEST_F(SkinMenuWindowTest, AMorphingItemBlendsInOnThePopupsMorphTimer) {
  TSkinData morphing{nullptr, &notifier};
  test::TTestFrameSkinOptions options;
  options.skinnedPopups = true;
  test::LoadTestFrameSkin(morphing, options);
  menu.Popup(nullptr, &morphing, false, system.Items(), TRect{200, 150, 200, 150});
  ASSERT_EQ(menu.PopupCount(), 1);
  TSkinPopupWindow& window = *menu.PopupWindow(0);
  const TPopupLogic& logic = window.Logic();
  ASSERT_TRUE(logic.Morphing());
  EXPECT_EQ(logic.Items()[0].MorphStep, 0);
  EXPECT_TRUE(window.MorphTimerRunning());
  // Five 20 ms ticks and the one that stops the timer.
  EXPECT_TRUE(PumpUntil([&] { return !window.MorphTimerRunning(); }, 2000));
  EXPECT_EQ(logic.Items()[0].MorphStep, kMorphSteps);
  EXPECT_TRUE(logic.Items()[0].Active);
  TBitmap canvas(logic.Width(), logic.Height());
  const ui::THBitmap section = win32::CreateDibSection(canvas);
  ui::THMemDC dc(CreateCompatibleDC(nullptr));
  ui::TSelect select(dc.get(), section.get());
  SendMessageA(window.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0);
  const TBitmap drawn = win32::CaptureDC(dc.get(), TRect{0, 0, logic.Width(), logic.Height()});
  EXPECT_EQ(CountDifferences(drawn, logic.Compose(), [](int, int) { return true; }), 0);
  // Down starts the timer again for both items.
  PostMessageA(form.Handle(), WM_KEYDOWN, VK_DOWN, 1);
  ui::Application().ProcessMessages();
  EXPECT_TRUE(window.MorphTimerRunning());
  EXPECT_EQ(logic.ActiveIndex, 1);
  EXPECT_TRUE(PumpUntil([&] { return !window.MorphTimerRunning(); }, 2000));
  EXPECT_EQ(logic.Items()[0].MorphStep, 0);
  EXPECT_EQ(logic.Items()[logic.ActiveIndex].MorphStep, kMorphSteps);
  menu.CloseAll();
}

}  // namespace
}  // namespace tavo::skin
