// The menu model: shortcut text, accelerators in 8-bit and double-byte
// captions, command dispatch and shortcut search.
#include "skin/MenuItem.h"

#include <gtest/gtest.h>

namespace tavo::skin {
namespace {

struct ShortCutCase {
  TShortCut shortCut;
  const char* text;
};

class ShortCutTextTest : public ::testing::TestWithParam<ShortCutCase> {};

TEST_P(ShortCutTextTest, NamesModifiersThenKey) {
  EXPECT_EQ(ShortCutToText(GetParam().shortCut), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Keys, ShortCutTextTest,
                         ::testing::Values(ShortCutCase{ShortCut(0x73, scAlt), "Alt+F4"},
                                           ShortCutCase{ShortCut(0x73, scCtrl), "Ctrl+F4"},
                                           ShortCutCase{ShortCut('S', scCtrl | scShift), "Shift+Ctrl+S"},
                                           ShortCutCase{ShortCut(kVkDelete, 0), "Del"},
                                           ShortCutCase{ShortCut(kVkReturn, scAlt), "Alt+Enter"},
                                           ShortCutCase{ShortCut(0x7B, 0), "F12"},
                                           ShortCutCase{ShortCut('7', scAlt | scCtrl | scShift), "Shift+Ctrl+Alt+7"},
                                           ShortCutCase{0, ""}, ShortCutCase{ShortCut(0xBA, scCtrl), ""}));

struct AccelCase {
  const char* caption;
  char hotkey;
  const char* shown;
};

class AccelTest : public ::testing::TestWithParam<AccelCase> {};

TEST_P(AccelTest, HotkeyAndShownText) {
  EXPECT_EQ(GetHotkey(GetParam().caption), GetParam().hotkey);
  EXPECT_EQ(StripHotkey(GetParam().caption), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, AccelTest,
    ::testing::Values(AccelCase{"&Open", 'O', "Open"}, AccelCase{"Save &as", 'a', "Save as"},
                      AccelCase{"Fish && &Chips", 'C', "Fish & Chips"}, AccelCase{"No marker", 0, "No marker"},
                      AccelCase{"Trailing&", 0, "Trailing"}, AccelCase{"&&", 0, "&"},
                      // 最小化(&n): the accelerator after three double-byte characters.
                      AccelCase{"\xD7\xEE\xD0\xA1\xBB\xAF(&n)", 'n', "\xD7\xEE\xD0\xA1\xBB\xAF(n)"},
                      // A GBK character whose trail byte is 0x26 is not a marker
                      // (lead 0x81 is not valid with 0x26, but IsLeadByte pairs it).
                      AccelCase{"\x81\x26x", 0, "\x81\x26x"}));

TEST(AccelTest, MatchesVirtualKeysIgnoringCase) {
  EXPECT_TRUE(IsAccel('N', "\xD7\xEE\xD0\xA1\xBB\xAF(&n)"));
  EXPECT_TRUE(IsAccel('C', "\xB9\xD8\xB1\xD5(&C)"));
  EXPECT_FALSE(IsAccel('X', "\xB9\xD8\xB1\xD5(&C)"));
  EXPECT_FALSE(IsAccel('C', "Close"));
  EXPECT_TRUE(IsAccel('5', "Item &5"));
  EXPECT_FALSE(IsAccel(0x143, "&C"));  // not a key code a caption can name
}

TEST(MenuModelTest, DispatchFindsTheItemByCommandAnywhereInTheTree) {
  TMenu menu;
  std::vector<std::string> clicks;
  auto record = [&clicks](TMenuItem& item) { clicks.push_back(item.Caption); };
  TMenuItem& file = menu.Items().Add("File", "", record);
  TMenuItem& open = file.Add("Open", "", record);
  TMenuItem& recent = file.Add("Recent");
  TMenuItem& one = recent.Add("one.txt", "", record);
  TMenuItem& disabled = menu.Items().Add("Off", "", record);
  disabled.Enabled = false;

  EXPECT_NE(open.Command(), one.Command());
  EXPECT_TRUE(menu.DispatchCommand(one.Command()));
  EXPECT_TRUE(menu.DispatchCommand(open.Command()));
  EXPECT_TRUE(menu.DispatchCommand(disabled.Command()));  // found, but a disabled item does not click
  EXPECT_FALSE(menu.DispatchCommand(-5));
  EXPECT_EQ(clicks, (std::vector<std::string>{"one.txt", "Open"}));
  EXPECT_EQ(one.Menu(), &menu);
  EXPECT_EQ(one.Parent(), &recent);
}

TEST(MenuModelTest, ShortCutSearchSkipsHiddenAndDisabledBranches) {
  TMenu menu;
  int clicked = 0;
  TMenuItem& hidden = menu.Items().Add("Hidden");
  hidden.Visible = false;
  TMenuItem& inHidden = hidden.Add("Inner", "", [&](TMenuItem&) { clicked = 1; });
  inHidden.ShortCut = ShortCut('K', scCtrl);
  TMenuItem& edit = menu.Items().Add("Edit");
  TMenuItem& copy = edit.Add("Copy", "", [&](TMenuItem&) { clicked = 2; });
  copy.ShortCut = ShortCut('K', scCtrl);
  TMenuItem& off = edit.Add("Paste", "", [&](TMenuItem&) { clicked = 3; });
  off.ShortCut = ShortCut('V', scCtrl);
  off.Enabled = false;

  EXPECT_TRUE(menu.IsShortCut(ShortCut('K', scCtrl)));
  EXPECT_EQ(clicked, 2);
  EXPECT_FALSE(menu.IsShortCut(ShortCut('V', scCtrl)));
  EXPECT_FALSE(menu.IsShortCut(0));
}

TEST(MenuModelTest, RemoveAndInsertKeepOrderAndParents) {
  TMenuItem root;
  root.Add("a", "A");
  root.Add("b", "B");
  root.Insert(0, std::make_unique<TMenuItem>("c"));
  root.Insert(99, std::make_unique<TMenuItem>("d"));
  ASSERT_EQ(root.Count(), 4);
  EXPECT_EQ(root[0].Caption, "c");
  EXPECT_EQ(root[3].Caption, "d");
  auto b = root.Remove(2);
  ASSERT_TRUE(b);
  EXPECT_EQ(b->Parent(), nullptr);
  EXPECT_EQ(root.Find("B"), nullptr);
  EXPECT_EQ(root.Find("A"), &root[1]);
  EXPECT_EQ(root.Remove(7), nullptr);
}

}  // namespace
}  // namespace tavo::skin
