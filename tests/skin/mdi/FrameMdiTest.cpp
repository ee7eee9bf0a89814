// The frame's multi-document rules: the children's area among aligned
// controls, maximized bounds, minimized slots, the parent's caption and the
// window-menu item names, the parent's count of maximized children, and the
// close shortcut of a child's tray menu.
#include <gtest/gtest.h>

#include "skin/FrameMdi.h"
#include "skin/SystemMenu.h"

namespace tavo::skin {
namespace {

// A host that only counts closes: the tray menu's close is the one looked at.
class TCloseHost : public TSystemMenuHost {
 public:
  TWindowState WindowState() const override { return TWindowState::wsNormal; }
  bool RolledUp() const override { return false; }
  bool AlwaysMinimizeToTray() const override { return false; }
  void ChangeWindowState(TWindowState) override {}
  void ChangeRollUp(bool) override {}
  void HideToTray() override {}
  void ShowFromTray() override {}
  void CloseForm() override { ++closes; }
  int closes = 0;
};

TMdiAlignedControl Aligned(TMdiEdge edge, int l, int t, int r, int b) { return {edge, TRect{l, t, r, b}}; }

TEST(MdiClientArea, WithoutAlignedControlsIsTheWholeClientArea) {
  EXPECT_EQ(MdiClientArea(640, 480, {}), (TRect{0, 0, 640, 480}));
  // Controls that are not aligned to an edge leave the area alone.
  EXPECT_EQ(MdiClientArea(640, 480, {Aligned(TMdiEdge::Other, 100, 100, 300, 300)}), (TRect{0, 0, 640, 480}));
}

TEST(MdiClientArea, EachEdgeTakesTheInnermostControl) {
  const std::vector<TMdiAlignedControl> controls = {
      Aligned(TMdiEdge::Top, 0, 0, 640, 24),       // menu bar
      Aligned(TMdiEdge::Top, 0, 24, 640, 50),      // tool bar below it
      Aligned(TMdiEdge::Left, 0, 50, 80, 450),     // tree
      Aligned(TMdiEdge::Left, 80, 50, 90, 450),    // splitter
      Aligned(TMdiEdge::Right, 560, 50, 640, 450), // property panel
      Aligned(TMdiEdge::Right, 600, 50, 640, 450), // narrower panel further out
      Aligned(TMdiEdge::Bottom, 0, 450, 640, 480), // status bar
      Aligned(TMdiEdge::Bottom, 0, 470, 640, 480),
  };
  EXPECT_EQ(MdiClientArea(640, 480, controls), (TRect{90, 50, 560, 450}));
}

TEST(MdiClientArea, OneEdgeAloneKeepsTheOthersAtTheClientArea) {
  EXPECT_EQ(MdiClientArea(300, 200, {Aligned(TMdiEdge::Bottom, 0, 180, 300, 200)}), (TRect{0, 0, 300, 180}));
  EXPECT_EQ(MdiClientArea(300, 200, {Aligned(TMdiEdge::Right, 250, 0, 300, 200)}), (TRect{0, 0, 250, 200}));
}

TEST(MdiClientArea, OverlappingPanelsNeverInvertTheArea) {
  const std::vector<TMdiAlignedControl> controls = {
      Aligned(TMdiEdge::Left, 0, 0, 200, 100),
      Aligned(TMdiEdge::Right, 150, 0, 300, 100),
      Aligned(TMdiEdge::Top, 0, 0, 300, 80),
      Aligned(TMdiEdge::Bottom, 0, 60, 300, 100),
  };
  const TRect area = MdiClientArea(300, 100, controls);
  EXPECT_EQ(area, (TRect{200, 80, 200, 80}));
}

TEST(MdiChildPlacement, MaximizedChildFillsTheAreaFromItsOwnOrigin) {
  EXPECT_EQ(MaximizedChildBounds(TRect{90, 50, 560, 450}), (TRect{0, 0, 470, 400}));
  EXPECT_EQ(MaximizedChildBounds(TRect{0, 0, 0, 0}), (TRect{0, 0, 0, 0}));
}

TEST(MdiChildPlacement, MinimizedChildrenLineUpFromTheBottomLeftOfTheArea) {
  // The area's own offset in the parent does not move the slots: the
  // children's coordinates start at the area's corner.
  const TRect area{90, 50, 560, 450};  // 470 x 400
  std::vector<TPoint> taken;
  const TPoint first = MdiMinimizedSlot(area, 160, 30, taken);
  EXPECT_EQ(first, (TPoint{0, 370}));
  taken.push_back(first);
  const TPoint second = MdiMinimizedSlot(area, 160, 30, taken);
  EXPECT_EQ(second, (TPoint{160, 370}));
  taken.push_back(second);
  // A third of 160 would pass 470: the next row up.
  const TPoint third = MdiMinimizedSlot(area, 160, 30, taken);
  EXPECT_EQ(third, (TPoint{0, 340}));
  // A freed slot is used again first.
  taken.erase(taken.begin());
  EXPECT_EQ(MdiMinimizedSlot(area, 160, 30, taken), (TPoint{0, 370}));
}

TEST(MdiChildPlacement, FullAreaFallsBackToTheFirstSlot) {
  const TRect area{0, 0, 100, 60};
  const std::vector<TPoint> taken = {{0, 30}, {50, 30}, {0, 0}, {50, 0}};
  EXPECT_EQ(MdiMinimizedSlot(area, 50, 30, taken), (TPoint{0, 30}));
}

TEST(MdiCaption, MaximizedChildExtendsTheParentCaption) {
  const std::string child = "Report 3";
  EXPECT_EQ(MdiParentCaption("Editor", &child), "Editor - [Report 3]");
  EXPECT_EQ(MdiParentCaption("Editor", nullptr), "Editor");
  const std::string empty;
  EXPECT_EQ(MdiParentCaption("", &empty), " - []");
}

TEST(MdiCaption, WindowMenuItemIsNamedAfterTheChild) {
  EXPECT_EQ(MdiChildItemName("Child1"), "Child1_SFCHILDITEM");
  EXPECT_NE(MdiChildItemName("Child1"), MdiChildItemName("Child2"));
}

TEST(MdiChildren, ParentStaysMaximizedUntilTheLastMaximizedChildRestores) {
  TMdiChildren children;
  int a = 0, b = 0;
  EXPECT_FALSE(children.AnyMaximized());
  EXPECT_EQ(children.MaximizedChild(), nullptr);
  EXPECT_TRUE(children.ChildMaximized(&a, true));
  EXPECT_TRUE(children.ChildMaximized(&b, true));
  EXPECT_EQ(children.MaximizedChild(), &b);
  // The same child reported twice counts once.
  EXPECT_TRUE(children.ChildMaximized(&b, true));
  EXPECT_TRUE(children.ChildMaximized(&b, false));
  EXPECT_EQ(children.MaximizedChild(), &a);
  EXPECT_FALSE(children.ChildMaximized(&a, false));
  EXPECT_EQ(children.MaximizedChild(), nullptr);
  // A restore from a child that never maximized changes nothing.
  EXPECT_FALSE(children.ChildMaximized(&a, false));
}

TEST(MdiChildMenus, TrayMenuOfAChildClosesByCtrlF4) {
  TCloseHost host;
  TMenuItem root;
  TSystemMenuState child;
  child.MdiChild = true;
  BuildTrayMenu(root, child, host);
  const TMenuItem* close = root.Find("TRAY_SF_CLOSE");
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(ShortCutToText(close->ShortCut), "Ctrl+F4");
  root.Find("TRAY_SF_CLOSE")->Click();
  EXPECT_EQ(host.closes, 1);
}

}  // namespace
}  // namespace tavo::skin
