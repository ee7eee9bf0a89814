// The frame's shortcut decision over a fake main menu bar: a main menu's
// shortcut fires its item once and is handled; the same press offered
// again is unhandled and fires nothing, a new press fires again; Alt with
// an accelerator the bar takes is handled without the menu; a child's
// menu is asked only when the main menu had no match; without a bar
// nothing is a shortcut.
#include "skin/MenuShortCut.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavo::skin {
namespace {

struct TFakeBar : TSkinMainMenuBar {
  TMenu* main = nullptr;
  TMenu* child = nullptr;
  char accelerator = 0;  // the key the bar takes with Alt
  std::vector<unsigned> asked;
  TMenu* MainMenu() override { return main; }
  TMenu* ChildMainMenu() override { return child; }
  bool AcceptsAccelerator(unsigned key) override {
    asked.push_back(key);
    return accelerator != 0 && key == static_cast<unsigned>(accelerator);
  }
  void StartKeyboardSelection() override {}
  bool MainMenuMode() const override { return false; }
  void LeaveMainMenuMode() override {}
};

constexpr TShortCut kCtrlS = ShortCut('S', scCtrl), kCtrlO = ShortCut('O', scCtrl), kAltF = ShortCut('F', scAlt),
                    kF5 = ShortCut(0x74, 0);

class FrameShortCutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TMenuItem& file = mainMenu.Items().Add("&File", "File");
    file.Add("&Save", "Save", [this](TMenuItem& i) { clicks.push_back(i.Name); }).ShortCut = kCtrlS;
    file.Add("&Reload", "Reload", [this](TMenuItem& i) { clicks.push_back(i.Name); }).ShortCut = kF5;
    childMenu.Items().Add("&Open", "Open", [this](TMenuItem& i) { clicks.push_back(i.Name); }).ShortCut = kCtrlO;
    childMenu.Items().Add("Save&2", "ChildSave", [this](TMenuItem& i) { clicks.push_back(i.Name); }).ShortCut =
        kCtrlS;
    bar.main = &mainMenu;
  }
  TMenu mainMenu, childMenu;
  TFakeBar bar;
  TFrameShortCuts shortCuts;
  std::vector<std::string> clicks;
};

TEST_F(FrameShortCutTest, AMatchFiresOnceAndTheSamePressOfferedAgainIsUnhandled) {
  EXPECT_TRUE(shortCuts.IsShortCut(kCtrlS, 1, &bar));
  EXPECT_EQ(clicks, std::vector<std::string>{"Save"});
  EXPECT_TRUE(shortCuts.InShortCut());
  EXPECT_FALSE(shortCuts.IsShortCut(kCtrlS, 1, &bar)) << "the same press a second time";
  EXPECT_EQ(clicks.size(), 1u);
  EXPECT_FALSE(shortCuts.InShortCut()) << "the flag lasts one call";
  // A third offer of that press is decided again (the flag is gone).
  EXPECT_TRUE(shortCuts.IsShortCut(kCtrlS, 1, &bar));
  EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(FrameShortCutTest, EveryNewPressOfTheShortcutFires) {
  EXPECT_TRUE(shortCuts.IsShortCut(kCtrlS, 7, &bar));
  EXPECT_TRUE(shortCuts.IsShortCut(kCtrlS, 8, &bar));
  EXPECT_TRUE(shortCuts.IsShortCut(kF5, 9, &bar));
  EXPECT_EQ(clicks, (std::vector<std::string>{"Save", "Save", "Reload"}));
}

TEST_F(FrameShortCutTest, KeysThatMatchNothingAreUnhandledAndLeaveNoFlag) {
  EXPECT_FALSE(shortCuts.IsShortCut(ShortCut('S', 0), 1, &bar));
  EXPECT_FALSE(shortCuts.IsShortCut(ShortCut('S', scCtrl | scShift), 2, &bar));
  EXPECT_FALSE(shortCuts.InShortCut());
  mainMenu.Items()[0][0].Enabled = false;
  EXPECT_FALSE(shortCuts.IsShortCut(kCtrlS, 3, &bar)) << "a disabled item is no shortcut";
  EXPECT_TRUE(clicks.empty());
}

TEST_F(FrameShortCutTest, AltWithTheBarsAcceleratorIsHandledWithoutTheMenu) {
  bar.accelerator = 'F';
  EXPECT_TRUE(shortCuts.IsShortCut(kAltF, 1, &bar));
  EXPECT_EQ(bar.asked, std::vector<unsigned>{'F'});
  EXPECT_TRUE(clicks.empty());
  EXPECT_FALSE(shortCuts.InShortCut());
  // Alt with another modifier is not an accelerator: the bar is not asked.
  bar.asked.clear();
  EXPECT_FALSE(shortCuts.IsShortCut(ShortCut('F', scAlt | scCtrl), 2, &bar));
  EXPECT_TRUE(bar.asked.empty());
}

TEST_F(FrameShortCutTest, TheChildsMenuIsAskedOnlyWhenTheMainMenuHasNoMatch) {
  bar.child = &childMenu;
  EXPECT_TRUE(shortCuts.IsShortCut(kCtrlS, 1, &bar));
  EXPECT_EQ(clicks, std::vector<std::string>{"Save"}) << "the main menu's item wins";
  EXPECT_TRUE(shortCuts.IsShortCut(kCtrlO, 2, &bar));
  EXPECT_EQ(clicks, (std::vector<std::string>{"Save", "Open"}));
  EXPECT_TRUE(shortCuts.InShortCut());
  EXPECT_FALSE(shortCuts.IsShortCut(kCtrlO, 2, &bar));
  EXPECT_EQ(clicks.size(), 2u);
  bar.main = nullptr;
  EXPECT_TRUE(shortCuts.IsShortCut(kCtrlS, 3, &bar)) << "a bar without a main menu still has the child's";
  EXPECT_EQ(clicks.back(), "ChildSave");
}

TEST_F(FrameShortCutTest, WithoutABarNothingIsAShortcut) {
  EXPECT_FALSE(shortCuts.IsShortCut(kCtrlS, 1, nullptr));
  bar.main = nullptr;
  EXPECT_FALSE(shortCuts.IsShortCut(kCtrlS, 2, &bar));
  EXPECT_TRUE(clicks.empty());
}

}  // namespace
}  // namespace tavo::skin
