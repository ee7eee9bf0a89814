// The frame's system menu under Wine on a Lumen form: opened at a point and
// by the system-menu button below it, driven by keys into the frame's
// window commands, closed by Escape with menu mode ended, and 关闭(&C)
// closing the form. Alt alone (SC_KEYMENU) closes an open menu and hands
// the keyboard to a main menu bar; a main menu's shortcut fires once per
// press through the frame's shortcut handler.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "SkinFormTestSupport.h"
#include "skin/BmpReader.h"
#include "skin/SkinButtonObject.h"
#include "skin/win32/SkinForm.h"
#include "skin/win32/SkinMenu.h"
#include "ui/Menus.h"

namespace tavo::skin {
namespace {

using frame_test::FrameLayout;
using frame_test::LoadLumen;
using ui::testing_support::PumpUntil;

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ui::testing_support::TUiEnvironment);

class FrameMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadLumen(data, stored);
    frame.SetSkinData(&data);
    form.SetClientSize(300, 140);
    frame.OnChangeRollUpState = [this](TSkinForm&) { ++rollUps; };
    form.Show();
    PumpUntil([] { return false; }, 200);
    SetForegroundWindow(form.Handle());
    PumpUntil([] { return false; }, 50);
  }
  void TearDown() override {
    frame.MenuEngine().CloseAll();
    frame.MenuEngine().MenuClosed();
  }
  void Key(WPARAM key) {
    PostMessageA(form.Handle(), WM_KEYDOWN, key, 1);
    PumpUntil([] { return false; }, 60);
  }
  TSkinMenu& Menu() { return frame.MenuEngine(); }
  std::vector<std::string> Captions() {
    std::vector<std::string> out;
    const TPopupLogic& p = Menu().PopupWindow(0)->Logic();
    for (const auto& it : p.Items()) out.push_back(it.Item->Caption);
    return out;
  }

  ui::TForm form{FrameLayout(ui::TBorderStyle::bsSingle, 300, 140)};
  TSkinForm frame{&form};
  TCompressedStoredSkin stored;
  TSkinData data{&form};
  int rollUps = 0;
};

TEST_F(FrameMenuTest, SystemMenuAtTheCursorRollsUpByDownDownReturn) {
  frame.ShowSystemMenuAt(120, 90);
  PumpUntil([] { return false; }, 100);
  ASSERT_EQ(Menu().PopupCount(), 1);
  EXPECT_TRUE(Menu().MenuMode());
  EXPECT_EQ(Captions(), (std::vector<std::string>{"\xD7\xEE\xD0\xA1\xBB\xAF(&n)", "\xD7\xEE\xB4\xF3\xBB\xAF(&x)",
                                                  "\xCF\xF2\xC9\xCF\xBE\xED\xC2\xA3(&l)", "-",
                                                  "\xB9\xD8\xB1\xD5(&C)"}));
  RECT r;
  GetWindowRect(Menu().PopupWindow(0)->Handle(), &r);
  EXPECT_EQ(r.left, 120);
  EXPECT_EQ(r.top, 90);
  EXPECT_EQ(r.bottom - r.top, 91);  // four 20-pixel items, a 5-pixel divider, 6 of frame
  EXPECT_EQ(GetActiveWindow(), form.Handle());
  if (const char* dir = std::getenv("TAVO_SCREENSHOT_DIR")) {
    PumpUntil([] { return false; }, 300);
    RECT f;
    GetWindowRect(form.Handle(), &f);
    HDC screen = GetDC(nullptr);
    const TBitmap shot = win32::CaptureDC(screen, TRect{f.left, f.top, std::max<LONG>(f.right, r.right + 10),
                                                        std::max<LONG>(f.bottom, r.bottom + 10)});
    ReleaseDC(nullptr, screen);
    const auto bytes = WriteBmpImage(shot);
    std::ofstream(std::string(dir) + "/menus-frame.bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  Key(VK_DOWN);
  Key(VK_DOWN);
  Key(VK_RETURN);
  EXPECT_EQ(rollUps, 1);
  EXPECT_TRUE(frame.RolledUp());
  EXPECT_EQ(form.Height(), 55);
  EXPECT_EQ(Menu().PopupCount(), 0);
  EXPECT_FALSE(Menu().MenuMode());
}

TEST_F(FrameMenuTest, EscapeClosesTheMenuAndEndsMenuMode) {
  int opened = 0, closed = 0;
  Menu().OnMenuOpen = [&] { ++opened; };
  Menu().OnMenuClose = [&] { ++closed; };
  frame.ShowSystemMenuAt(100, 100);
  EXPECT_EQ(opened, 1);
  Key(VK_ESCAPE);
  EXPECT_EQ(Menu().PopupCount(), 0);
  EXPECT_FALSE(Menu().MenuMode());
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(rollUps, 0);
  EXPECT_FALSE(frame.RolledUp());
}

TEST_F(FrameMenuTest, SystemMenuButtonOpensItBelowItself) {
  TSkinStdButtonObject* button = nullptr;
  for (const auto& object : frame.Objects())
    if (auto* b = dynamic_cast<TSkinStdButtonObject*>(object.get()); b && b->Command == TStdCommand::cmSysMenu)
      button = b;
  ASSERT_NE(button, nullptr);
  const TRect r = button->ObjectRect;
  button->MouseDown(r.left + 2, r.top + 2, TSkinMouseButton::mbLeft);
  ASSERT_EQ(Menu().PopupCount(), 1);
  RECT w, p;
  GetWindowRect(form.Handle(), &w);
  GetWindowRect(Menu().PopupWindow(0)->Handle(), &p);
  EXPECT_EQ(p.left, w.left + r.left);
  EXPECT_EQ(p.top, w.top + r.bottom);
}

TEST_F(FrameMenuTest, CloseItemClosesTheForm) {
  ASSERT_TRUE(IsWindowVisible(form.Handle()));
  frame.ShowSystemMenuAt(100, 100);
  Key('C');  // 关闭(&C) by its accelerator
  PumpUntil([&] { return !IsWindowVisible(form.Handle()); }, 500);
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  EXPECT_EQ(Menu().PopupCount(), 0);
  EXPECT_FALSE(Menu().MenuMode());
}

// A main menu bar as the frame sees it: it holds a TMainMenu and records
// what the frame asks of it.
struct TRecordingBar : TSkinMainMenuBar {
  ui::TMainMenu* menu = nullptr;
  bool mainMenuMode = false;
  int started = 0, left = 0;
  TMenu* MainMenu() override { return menu; }
  TMenu* ChildMainMenu() override { return nullptr; }
  bool AcceptsAccelerator(unsigned) override { return false; }
  void StartKeyboardSelection() override {
    ++started;
    mainMenuMode = true;
  }
  bool MainMenuMode() const override { return mainMenuMode; }
  void LeaveMainMenuMode() override {
    ++left;
    mainMenuMode = false;
  }
};

TEST_F(FrameMenuTest, AltAloneClosesAnOpenMenuAndStartsTheMainMenuBar) {
  TRecordingBar bar;
  frame.MainMenuBar = &bar;
  frame.ShowSystemMenuAt(100, 100);
  ASSERT_EQ(Menu().PopupCount(), 1);
  SendMessageA(form.Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
  EXPECT_EQ(Menu().PopupCount(), 0) << "no popup stays on the screen without the keyboard";
  EXPECT_FALSE(Menu().MenuMode());
  EXPECT_EQ(bar.started, 1);
  EXPECT_EQ(bar.left, 0);
  // In main-menu mode Alt leaves it and starts nothing.
  SendMessageA(form.Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
  EXPECT_EQ(bar.left, 1);
  EXPECT_EQ(bar.started, 1);
  EXPECT_FALSE(bar.mainMenuMode);
  frame.MainMenuBar = nullptr;
}

TEST_F(FrameMenuTest, AltAloneWithoutABarOnlyClosesTheMenu) {
  frame.ShowSystemMenuAt(100, 100);
  ASSERT_EQ(Menu().PopupCount(), 1);
  // The low bits of the command carry nothing the frame looks at.
  SendMessageA(form.Handle(), WM_SYSCOMMAND, SC_KEYMENU | 2, 0);
  EXPECT_EQ(Menu().PopupCount(), 0);
  EXPECT_FALSE(Menu().MenuMode());
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
}

TEST_F(FrameMenuTest, AMainMenuShortcutFiresOncePerPress) {
  ASSERT_TRUE(static_cast<bool>(form.OnShortCut)) << "the frame hooks the form's shortcuts at construction";
  ui::TMainMenu mainMenu;
  int saves = 0, reloads = 0;
  TMenuItem& file = mainMenu.Items().Add("&File", "File");
  file.Add("&Reload", "Reload", [&](TMenuItem&) { ++reloads; }).ShortCut = ShortCut(VK_F5, 0);
  file.Add("&Save", "Save", [&](TMenuItem&) { ++saves; }).ShortCut = ShortCut('S', scCtrl);
  TRecordingBar bar;
  bar.menu = &mainMenu;
  frame.MainMenuBar = &bar;
  Key(VK_F5);
  EXPECT_EQ(reloads, 1);
  Key(VK_F5);
  EXPECT_EQ(reloads, 2) << "a second press fires again";
  Key('S');  // without Ctrl: no shortcut
  EXPECT_EQ(saves, 0);
  // The same press offered to the handler twice fires once.
  const ui::TShortCutKey press{ShortCut(VK_F5, 0), 0x7FFF0001u};
  EXPECT_TRUE(form.IsShortCut(press));
  EXPECT_FALSE(form.IsShortCut(press));
  EXPECT_EQ(reloads, 3);
  frame.MainMenuBar = nullptr;
  Key(VK_F5);
  EXPECT_EQ(reloads, 3) << "without a bar the frame has no shortcuts";
}

TEST(FrameShortCutHookTest, TheFrameGivesTheFormsHandlerBackWhenItGoes) {
  ui::TForm form{FrameLayout(ui::TBorderStyle::bsSingle, 200, 100)};
  int own = 0;
  form.OnShortCut = [&](const ui::TShortCutKey&, bool& handled) {
    ++own;
    handled = true;
  };
  {
    TSkinForm frame{&form};
    EXPECT_FALSE(form.IsShortCut(ui::TShortCutKey{ShortCut(VK_F5, 0), 1})) << "the frame's handler replaced it";
    EXPECT_EQ(own, 0);
  }
  EXPECT_TRUE(form.IsShortCut(ui::TShortCutKey{ShortCut(VK_F5, 0), 2}));
  EXPECT_EQ(own, 1);
}

}  // namespace
}  // namespace tavo::skin
