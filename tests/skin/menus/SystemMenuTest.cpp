// The system menu in every window state, with and without the tray item,
// the order of an assigned menu, the captions from resource strings, what
// each item runs, and the tray menu.
#include "skin/SystemMenu.h"

#include <gtest/gtest.h>

#include "skin/ResourceStrData.h"

namespace tavo::skin {
namespace {

struct TRecordingHost : TSystemMenuHost {
  TWindowState state = TWindowState::wsNormal;
  bool rolled = false, alwaysTray = false;
  std::vector<std::string> calls;
  TWindowState WindowState() const override { return state; }
  bool RolledUp() const override { return rolled; }
  bool AlwaysMinimizeToTray() const override { return alwaysTray; }
  void ChangeWindowState(TWindowState s) override {
    calls.push_back(s == TWindowState::wsMinimized ? "min" : s == TWindowState::wsMaximized ? "max" : "normal");
  }
  void ChangeRollUp(bool v) override { calls.push_back(v ? "rollup" : "rolldown"); }
  void HideToTray() override { calls.push_back("hide"); }
  void ShowFromTray() override { calls.push_back("show"); }
  void CloseForm() override { calls.push_back("close"); }
};

std::string Names(const TMenuItem& root) {
  std::string s;
  for (int i = 0; i < root.Count(); ++i) s += (i ? " " : "") + (root[i].IsLine() ? std::string("-") : root[i].Name);
  return s;
}

struct StateCase {
  const char* label;
  TWindowState state;
  bool rolledUp;
  bool tray;
  bool mdiChild;
  const char* names;
};

class SystemMenuStateTest : public ::testing::TestWithParam<StateCase> {};

TEST_P(SystemMenuStateTest, ItemsForTheState) {
  const StateCase& c = GetParam();
  TSystemMenuState s;
  s.State = c.state;
  s.RolledUp = c.rolledUp;
  s.MdiChild = c.mdiChild;
  if (c.tray) s.Icons.Include(TBorderIcon::biMinimizeToTray);
  TRecordingHost host;
  TMenuItem root;
  root.Add("stale");
  BuildOwnSystemMenu(root, s, host);
  EXPECT_EQ(Names(root), c.names) << c.label;
}

INSTANTIATE_TEST_SUITE_P(
    States, SystemMenuStateTest,
    ::testing::Values(
        StateCase{"normal", TWindowState::wsNormal, false, false, false, "SF_MINITEM SF_MAXITEM SF_ROLLUP - SF_CLOSE"},
        StateCase{"normal, tray", TWindowState::wsNormal, false, true, false,
                  "SF_MINITEM SF_MAXITEM SF_ROLLUP SF_MINTOTRAY - SF_CLOSE"},
        StateCase{"maximized", TWindowState::wsMaximized, false, false, false,
                  "SF_MINITEM SF_RESTORE SF_ROLLUP - SF_CLOSE"},
        StateCase{"maximized, tray", TWindowState::wsMaximized, false, true, false,
                  "SF_MINITEM SF_RESTORE SF_ROLLUP SF_MINTOTRAY - SF_CLOSE"},
        StateCase{"minimized", TWindowState::wsMinimized, false, false, false, "SF_MAXITEM SF_RESTORE - SF_CLOSE"},
        StateCase{"minimized, tray", TWindowState::wsMinimized, false, true, false,
                  "SF_MAXITEM SF_RESTORE SF_MINTOTRAY - SF_CLOSE"},
        StateCase{"rolled up", TWindowState::wsNormal, true, false, false,
                  "SF_MINITEM SF_MAXITEM SF_RESTORE - SF_CLOSE"},
        StateCase{"rolled up, tray", TWindowState::wsNormal, true, true, false,
                  "SF_MINITEM SF_MAXITEM SF_RESTORE SF_MINTOTRAY - SF_CLOSE"},
        StateCase{"rolled up maximized", TWindowState::wsMaximized, true, false, false,
                  "SF_MINITEM SF_RESTORE - SF_CLOSE"},
        StateCase{"maximized child", TWindowState::wsMaximized, false, false, true, "SF_MINITEM SF_RESTORE - SF_CLOSE"},
        StateCase{"normal child", TWindowState::wsNormal, false, false, true,
                  "SF_MINITEM SF_MAXITEM SF_ROLLUP - SF_CLOSE"}));

TEST(SystemMenuTest, DirectoryWindowCaptionsAndCloseShortcut) {
  TRecordingHost host;
  TMenuItem root;
  BuildOwnSystemMenu(root, TSystemMenuState{}, host);
  ASSERT_EQ(root.Count(), 5);
  EXPECT_EQ(root[0].Caption, "\xD7\xEE\xD0\xA1\xBB\xAF(&n)");          // 最小化(&n)
  EXPECT_EQ(root[1].Caption, "\xD7\xEE\xB4\xF3\xBB\xAF(&x)");          // 最大化(&x)
  EXPECT_EQ(root[2].Caption, "\xCF\xF2\xC9\xCF\xBE\xED\xC2\xA3(&l)");  // 向上卷拢(&l)
  EXPECT_TRUE(root[3].IsLine());
  EXPECT_EQ(root[4].Caption, "\xB9\xD8\xB1\xD5(&C)");  // 关闭(&C)
  EXPECT_EQ(ShortCutToText(root[4].ShortCut), "Alt+F4");

  TSystemMenuState child;
  child.MdiChild = true;
  BuildOwnSystemMenu(root, child, host);
  EXPECT_EQ(ShortCutToText(root[root.Count() - 1].ShortCut), "Ctrl+F4");
}

TEST(SystemMenuTest, NoSeparatorWhenCloseIsAlone) {
  TSystemMenuState s;
  s.Icons = TBorderIcons{TBorderIcon::biSystemMenu};
  TRecordingHost host;
  TMenuItem root;
  BuildOwnSystemMenu(root, s, host);
  EXPECT_EQ(Names(root), "SF_CLOSE");
}

TEST(SystemMenuTest, ClicksRunTheFrameCommandsWithTheStateAtClickTime) {
  TRecordingHost host;
  TSystemMenuState s;
  s.Icons.Include(TBorderIcon::biMinimizeToTray);
  s.RolledUp = true;
  TMenuItem root;
  BuildOwnSystemMenu(root, s, host);
  root.Find("SF_MINITEM")->Click();
  host.alwaysTray = true;
  root.Find("SF_MINITEM")->Click();
  root.Find("SF_MAXITEM")->Click();
  host.rolled = true;
  root.Find("SF_RESTORE")->Click();  // rolled up in wsNormal: rolls down
  host.state = TWindowState::wsMaximized;
  root.Find("SF_RESTORE")->Click();  // rolled up while maximized: rolls down too
  host.rolled = false;
  root.Find("SF_RESTORE")->Click();  // maximized: back to normal
  root.Find("SF_MINTOTRAY")->Click();
  root.Find("SF_CLOSE")->Click();
  EXPECT_EQ(host.calls, (std::vector<std::string>{"min", "hide", "max", "rolldown", "rolldown", "normal", "hide",
                                                  "close"}));
  BuildOwnSystemMenu(root, TSystemMenuState{}, host);
  host.calls.clear();
  root.Find("SF_ROLLUP")->Click();
  EXPECT_EQ(host.calls, (std::vector<std::string>{"rollup"}));
}

TEST(SystemMenuTest, AssignedMenuLeadsWithTheSystemItemsAndEndsWithClose) {
  TRecordingHost host;
  TMenuItem root;
  root.Add("Old close", "SF_CLOSE");
  root.Add("About", "About");
  root.Add("Old max", "SF_MAXITEM");
  root.Add("-");
  root.Add("Help", "Help");
  TSystemMenuState s;
  s.State = TWindowState::wsMaximized;
  s.Icons.Include(TBorderIcon::biMinimizeToTray);
  CompleteAssignedSystemMenu(root, s, host);
  EXPECT_EQ(Names(root), "SF_MINITEM SF_RESTORE SF_ROLLUP SF_MINTOTRAY About - Help SF_CLOSE");

  TMenuItem normal;
  normal.Add("Tools", "Tools");
  CompleteAssignedSystemMenu(normal, TSystemMenuState{}, host);
  EXPECT_EQ(Names(normal), "SF_MINITEM SF_MAXITEM SF_ROLLUP Tools SF_CLOSE");
  // Completing again replaces, never doubles, the system items.
  CompleteAssignedSystemMenu(normal, TSystemMenuState{}, host);
  EXPECT_EQ(Names(normal), "SF_MINITEM SF_MAXITEM SF_ROLLUP Tools SF_CLOSE");
}

TEST(SystemMenuTest, CaptionsComeFromResourceStringsWhenTheSkinHasThem) {
  TResourceStrData strings;
  strings.SetResStrings({"MI_MINCAPTION=Mi&nimize", "MI_CLOSECAPTION=&Close", "MI_ROLLUPCAPTION=Roll &up"});
  TSystemMenuState s;
  s.Strings = &strings;
  TRecordingHost host;
  TMenuItem root;
  BuildOwnSystemMenu(root, s, host);
  EXPECT_EQ(root.Find("SF_MINITEM")->Caption, "Mi&nimize");
  EXPECT_EQ(root.Find("SF_ROLLUP")->Caption, "Roll &up");
  EXPECT_EQ(root.Find("SF_MAXITEM")->Caption, "");  // the strings have no line for it
  EXPECT_EQ(root.Find("SF_CLOSE")->Caption, "&Close");
}

TEST(SystemMenuTest, TrayMenuRestoresAndCloses) {
  TRecordingHost host;
  TMenuItem root;
  BuildTrayMenu(root, TSystemMenuState{}, host);
  EXPECT_EQ(Names(root), "TRAY_SF_RESTORE - TRAY_SF_CLOSE");
  EXPECT_EQ(root[0].Caption, "\xBB\xB9\xD4\xAD(&R)");  // 还原(&R)
  EXPECT_EQ(ShortCutToText(root[2].ShortCut), "Alt+F4");
  root[0].Click();
  root[2].Click();
  EXPECT_EQ(host.calls, (std::vector<std::string>{"show", "close"}));
}

TEST(SystemMenuObjectTest, OwnAssignedAndAssignedWithoutDefaults) {
  TRecordingHost host;
  TSystemMenu menu;
  TMenuItem& own = menu.Build(TSystemMenuState{}, nullptr, true, host);
  EXPECT_EQ(&own, &menu.Items());
  EXPECT_EQ(Names(own), "SF_MINITEM SF_MAXITEM SF_ROLLUP - SF_CLOSE");
  EXPECT_TRUE(menu.HasSubItems());
  // Built again for another state: rebuilt, not appended to.
  TSystemMenuState rolled;
  rolled.RolledUp = true;
  EXPECT_EQ(Names(menu.Build(rolled, nullptr, true, host)), "SF_MINITEM SF_MAXITEM SF_RESTORE - SF_CLOSE");

  TMenu assigned;
  assigned.Items().Add("About", "About");
  TMenuItem& completed = menu.Build(TSystemMenuState{}, &assigned, true, host);
  EXPECT_EQ(&completed, &assigned.Items());
  EXPECT_EQ(Names(completed), "SF_MINITEM SF_MAXITEM SF_ROLLUP About SF_CLOSE");
  EXPECT_EQ(&menu.Root(), &assigned.Items());

  TMenu plain;
  plain.Items().Add("Only", "Only");
  EXPECT_EQ(Names(menu.Build(TSystemMenuState{}, &plain, false, host)), "Only");
  TMenu empty;
  menu.Build(TSystemMenuState{}, &empty, false, host);
  EXPECT_FALSE(menu.HasSubItems());
}

}  // namespace
}  // namespace tavo::skin
