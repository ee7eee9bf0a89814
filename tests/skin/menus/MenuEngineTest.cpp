// The menu engine over fake popup windows: opening, the key table and its
// edge cases, the submenu delay on a manual clock, execution with the menu
// closed first, hover, scrolling and closing.
#include "skin/MenuEngine.h"

#include <gtest/gtest.h>

#include "MenuTestSupport.h"

namespace tavo::skin {
namespace {

using test::TFakeMenuHost;
using test::TFakeSurface;
using test::TLumenSkin;

class MenuEngineTest : public ::testing::Test {
 protected:
  // A(&a), -, B (disabled), C(&c), D(&d) with two sub-items, E.
  void SetUp() override {
    auto click = [this](TMenuItem& item) {
      clicks.push_back(item.Caption);
      visibleAtClick = engine.Visible();
      popupsAtClick = engine.PopupCount();
      ownerClosedAtClick = host.ownerClosed;
    };
    TMenuItem& root = menu.Items();
    root.Add("&a", "A", click);
    root.Add("-");
    root.Add("&b", "B", click).Enabled = false;
    root.Add("&c", "C", click);
    TMenuItem& d = root.Add("&d", "D");
    d.Add("d&1", "D1", click);
    d.Add("d&2", "D2", click);
    root.Add("&e", "E", click);
  }
  void Open(const void* control = nullptr) {
    engine.Popup(control, &lumen.data, false, menu.Items(), TRect{100, 100, 100, 100}, 0);
  }
  TPopupLogic& Last() { return engine.PopupAt(engine.PopupCount() - 1); }
  std::string ActiveName() {
    TSkinMenuItem* a = Last().Active();
    return a ? a->Item->Name : std::string("none");
  }
  TPoint Centre(TPopupLogic& p, int index) {
    const TRect& r = p.Items()[index].ObjectRect;
    return TPoint{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  TLumenSkin lumen;
  TFakeMenuHost host;
  TMenuEngine engine{host};
  TMenu menu;
  std::vector<std::string> clicks;
  bool visibleAtClick = true;
  int popupsAtClick = -1, ownerClosedAtClick = -1;
};

TEST_F(MenuEngineTest, OpensAtTheAnchorWithTheFirstSelectableItemWaiting) {
  menu.Items()[0].Enabled = false;
  Open();
  ASSERT_TRUE(engine.Visible());
  ASSERT_EQ(engine.PopupCount(), 1);
  ASSERT_EQ(host.surfaces.size(), 1u);
  TPopupLogic& p = Last();
  EXPECT_EQ(ActiveName(), "C");
  EXPECT_TRUE(p.Active()->WaitCommand);
  EXPECT_TRUE(p.Active()->Active);
  EXPECT_EQ(host.surfaces[0]->bounds, (TRect{100, 100, 100 + p.Width(), 100 + p.Height()}));
  EXPECT_TRUE(host.surfaces[0]->region.has_value());  // Lumen's popup mask
  EXPECT_TRUE(host.surfaces[0]->mouseTimer);
  EXPECT_TRUE(host.surfaces[0]->alpha.empty());
  EXPECT_EQ(p.Count(), 6);
}

TEST_F(MenuEngineTest, NothingOpensWithoutSubItemsOrPastTheirEnd) {
  engine.Popup(nullptr, nullptr, false, menu.Items()[0], TRect{}, 0);
  EXPECT_FALSE(engine.Visible());
  engine.Popup(nullptr, nullptr, false, menu.Items(), TRect{}, 6);
  EXPECT_FALSE(engine.Visible());
  EXPECT_EQ(engine.PopupCount(), 0);
}

TEST_F(MenuEngineTest, DownAndUpSkipSeparatorsAndDisabledItemsAndWrap) {
  Open();
  EXPECT_EQ(ActiveName(), "A");
  const std::vector<std::pair<unsigned, const char*>> steps{
      {kVkDown, "C"}, {kVkDown, "D"}, {kVkDown, "E"},
      {kVkDown, "A"},                 // past the last item: the first selectable one
      {kVkUp, "E"},                   // before the first selectable one: the last
      {kVkUp, "D"},   {kVkUp, "C"},   {kVkUp, "A"}, {kVkHome, "A"}, {kVkEnd, "E"}, {kVkHome, "A"}};
  for (auto [key, expected] : steps) {
    engine.KeyDown(key);
    EXPECT_EQ(ActiveName(), expected) << "after key " << key;
  }
  // Only the moved-to item is highlighted.
  int highlighted = 0;
  for (auto& it : Last().Items()) highlighted += it.Active;
  EXPECT_EQ(highlighted, 1);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(MenuEngineTest, DownStaysWhenOnlyUnselectableItemsFollow) {
  TMenu small;
  small.Items().Add("x", "X");
  small.Items().Add("y", "Y");
  small.Items().Add("-");
  small.Items().Add("z", "Z").Enabled = false;
  engine.Popup(nullptr, nullptr, false, small.Items(), TRect{10, 10, 10, 10}, 0);
  engine.KeyDown(kVkDown);
  EXPECT_EQ(ActiveName(), "Y");
  engine.KeyDown(kVkDown);
  EXPECT_EQ(ActiveName(), "Y");
  engine.KeyDown(kVkUp);
  EXPECT_EQ(ActiveName(), "X");
  engine.KeyDown(kVkUp);
  EXPECT_EQ(ActiveName(), "Y");  // wraps to the last selectable one
}

TEST_F(MenuEngineTest, ReturnClosesEverythingBeforeTheCommandRuns) {
  const int control = 0;
  Open(&control);
  engine.KeyDown(kVkDown);  // C
  EXPECT_FALSE(engine.KeyDown(kVkReturn));
  EXPECT_EQ(clicks, (std::vector<std::string>{"&c"}));
  EXPECT_FALSE(visibleAtClick);
  EXPECT_EQ(popupsAtClick, 0);
  EXPECT_EQ(ownerClosedAtClick, 1);
  EXPECT_TRUE(host.surfaces.empty());
  // The control heard the close, then the command's end.
  ASSERT_EQ(host.controlMessages.size(), 2u);
  EXPECT_EQ(host.controlMessages[0], (std::pair<const void*, unsigned>{&control, kMsgCloseSkinMenus}));
  EXPECT_EQ(host.controlMessages[1], (std::pair<const void*, unsigned>{&control, kMsgMenuCommandDone}));
  EXPECT_EQ(engine.DoneControl(), nullptr);
}

TEST_F(MenuEngineTest, AcceleratorsExecuteEnabledItemsAndOpenSubmenus) {
  Open();
  engine.KeyDown('B');  // disabled: nothing
  EXPECT_EQ(ActiveName(), "A");
  engine.KeyDown('D');
  ASSERT_EQ(engine.PopupCount(), 2);
  EXPECT_TRUE(engine.PopupAt(0).Items()[4].Down);
  EXPECT_FALSE(engine.PopupAt(0).Items()[0].Active);
  EXPECT_EQ(ActiveName(), "D1");
  engine.KeyDown('2');
  EXPECT_EQ(clicks, (std::vector<std::string>{"d&2"}));
  EXPECT_FALSE(engine.Visible());
}

TEST_F(MenuEngineTest, RightOpensLeftAndEscapeCloseTheSubmenu) {
  Open();
  engine.KeyDown(kVkRight);  // A has no sub-items
  EXPECT_EQ(engine.PopupCount(), 1);
  engine.KeyDown(kVkLeft);  // one popup: Left does nothing
  EXPECT_EQ(engine.PopupCount(), 1);
  engine.KeyDown(kVkDown);
  engine.KeyDown(kVkDown);  // D
  engine.KeyDown(kVkRight);
  ASSERT_EQ(engine.PopupCount(), 2);
  engine.KeyDown(kVkLeft);
  ASSERT_EQ(engine.PopupCount(), 1);
  EXPECT_FALSE(Last().Items()[4].Down);
  EXPECT_TRUE(Last().Items()[4].Active);
  engine.KeyDown(kVkRight);
  EXPECT_FALSE(engine.KeyDown(kVkEscape));
  EXPECT_EQ(engine.PopupCount(), 1);
  EXPECT_EQ(host.ownerClosed, 0);
  EXPECT_TRUE(engine.KeyDown(kVkEscape));  // the only popup: the menu ends
  EXPECT_FALSE(engine.Visible());
  EXPECT_TRUE(clicks.empty());
  EXPECT_FALSE(engine.KeyDown(kVkEscape));  // nothing open
}

TEST_F(MenuEngineTest, RestingOnASubmenuItemOpensItAfter500Milliseconds) {
  Open();
  TPopupLogic& first = Last();
  const TPoint d = Centre(first, 4);
  engine.MouseTick(first, d, true);
  EXPECT_EQ(ActiveName(), "D");
  EXPECT_EQ(engine.WaitingItem(), &menu.Items()[4]);
  EXPECT_TRUE(host.delayOn);
  host.Advance(499);
  EXPECT_EQ(engine.PopupCount(), 1);
  host.Advance(1);
  ASSERT_EQ(engine.PopupCount(), 2);
  EXPECT_FALSE(host.delayOn);
  TPopupLogic& sub = engine.PopupAt(1);
  const TRect item = first.Items()[4].ObjectRect;
  // Beside the parent item, the first sub-item level with it.
  EXPECT_EQ(sub.Position().x, first.Position().x + item.right + 1);
  EXPECT_EQ(sub.Position().y + sub.Items()[0].ObjectRect.top, first.Position().y + item.top);
  EXPECT_TRUE(first.Items()[4].Down);

  // Back to another item of the first popup: its submenu closes at once.
  engine.MouseTick(first, Centre(first, 3), true);
  EXPECT_EQ(engine.PopupCount(), 1);
  EXPECT_FALSE(first.Items()[4].Down);
}

TEST_F(MenuEngineTest, LeavingTheSubmenuItemEarlyCancelsTheDelay) {
  Open();
  TPopupLogic& first = Last();
  engine.MouseTick(first, Centre(first, 4), true);
  host.Advance(300);
  engine.MouseTick(first, Centre(first, 5), true);
  EXPECT_FALSE(host.delayOn);
  EXPECT_EQ(engine.WaitingItem(), nullptr);
  host.Advance(1000);
  EXPECT_EQ(engine.PopupCount(), 1);
  EXPECT_EQ(ActiveName(), "E");
}

TEST_F(MenuEngineTest, HoverOverUnselectableItemsRemovesTheHighlight) {
  Open();
  TPopupLogic& p = Last();
  engine.MouseTick(p, Centre(p, 1), true);  // the separator
  EXPECT_EQ(p.ActiveIndex, 1);
  EXPECT_FALSE(p.Items()[0].Active);
  EXPECT_FALSE(p.Items()[1].Active);
  engine.MouseTick(p, Centre(p, 2), true);  // the disabled item
  EXPECT_FALSE(p.Items()[2].Active);
  engine.LeftButtonUp(p, Centre(p, 2).x, Centre(p, 2).y);
  engine.LeftButtonUp(p, Centre(p, 1).x, Centre(p, 1).y);
  EXPECT_TRUE(clicks.empty());
  EXPECT_TRUE(engine.Visible());
  engine.LeftButtonUp(p, Centre(p, 5).x, Centre(p, 5).y);
  EXPECT_EQ(clicks, (std::vector<std::string>{"&e"}));
  EXPECT_FALSE(engine.Visible());
}

TEST_F(MenuEngineTest, TheSameMousePositionTwiceDoesNothingNew) {
  Open();
  TPopupLogic& p = Last();
  host.surfaces[0]->redrawn.clear();
  engine.MouseTick(p, Centre(p, 3), true);
  const size_t afterFirst = host.surfaces[0]->redrawn.size();
  EXPECT_GT(afterFirst, 0u);
  engine.MouseTick(p, Centre(p, 3), true);
  EXPECT_EQ(host.surfaces[0]->redrawn.size(), afterFirst);
}

class ScrollingMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 10; ++i) menu.Items().Add("item" + std::to_string(i), "I" + std::to_string(i));
    engine.MaxMenuItemsInWindow = 4;
    engine.Popup(nullptr, nullptr, false, menu.Items(), TRect{50, 50, 50, 50}, 0);
  }
  TFakeMenuHost host;
  TMenuEngine engine{host};
  TMenu menu;
};

TEST_F(ScrollingMenuTest, KeyboardScrollsByOneItemAndWrapsToTheOtherEnd) {
  TPopupLogic& p = engine.PopupAt(0);
  ASSERT_TRUE(p.Scroll());
  EXPECT_EQ(p.VisibleCount(), 4);
  for (int i = 0; i < 4; ++i) engine.KeyDown(kVkDown);
  EXPECT_EQ(p.ActiveIndex, 4);
  EXPECT_EQ(p.VisibleStart(), 1);
  EXPECT_TRUE(p.Items()[4].Visible);
  engine.KeyDown(kVkHome);
  EXPECT_EQ(p.VisibleStart(), 0);
  engine.KeyDown(kVkUp);  // wraps to the last item: the last page shows
  EXPECT_EQ(p.ActiveIndex, 9);
  EXPECT_EQ(p.VisibleStart(), 6);
  engine.KeyDown(kVkDown);  // wraps to the first
  EXPECT_EQ(p.ActiveIndex, 0);
  EXPECT_EQ(p.VisibleStart(), 0);
}

TEST_F(ScrollingMenuTest, TheLowerZoneScrollsEachTickUntilTheEnd) {
  TPopupLogic& p = engine.PopupAt(0);
  TFakeSurface& s = *host.surfaces[0];
  const TRect items = p.ItemsRect();
  const TPoint upper{items.left + 5, items.top + 2}, lower{items.left + 5, items.bottom - 2};
  engine.MouseTick(p, upper, true);  // nothing above: no scroll up
  EXPECT_EQ(p.ScrollCode, 0);
  engine.MouseTick(p, lower, true);
  EXPECT_EQ(p.ScrollCode, 2);
  EXPECT_TRUE(s.scrollTimer);
  for (int i = 0; i < 6; ++i) engine.ScrollTick(p);
  EXPECT_EQ(p.VisibleStart(), 6);
  EXPECT_EQ(p.LastVisible(), 9);
  engine.ScrollTick(p);  // nothing further: the scroll stops
  EXPECT_EQ(p.ScrollCode, 0);
  EXPECT_FALSE(s.scrollTimer);
  engine.MouseTick(p, TPoint{upper.x, upper.y + 1}, true);
  EXPECT_EQ(p.ScrollCode, 1);
  engine.ScrollTick(p);
  EXPECT_EQ(p.VisibleStart(), 5);
  engine.MouseTick(p, TPoint{-40, -40}, false);  // the mouse left the popup
  EXPECT_EQ(p.ScrollCode, 0);
  EXPECT_FALSE(s.scrollTimer);
}

TEST(MenuEngineFadeTest, TheFirstPopupFadesInByThreesWhenLayeredWindowsAreThere) {
  TFakeMenuHost host;
  TMenuEngine engine{host};
  TMenu menu;
  TMenuItem& sub = menu.Items().Add("s");
  sub.Add("t");
  menu.Items().Add("u");
  engine.AlphaBlend = true;
  engine.AlphaAnimation = true;
  engine.AlphaValue = 10;
  engine.Popup(nullptr, nullptr, false, menu.Items(), TRect{}, 0);
  EXPECT_TRUE(host.surfaces[0]->alpha.empty());  // no layered windows: opaque
  EXPECT_EQ(host.processed, 0);
  host.layered = true;
  engine.Popup(nullptr, nullptr, false, menu.Items(), TRect{}, 0);
  ASSERT_EQ(host.surfaces.size(), 1u);
  // A popup opened while one is open is not a first one.
  EXPECT_EQ(host.surfaces[0]->alpha, (std::vector<uint8_t>{10}));
  engine.CloseAll();
  engine.Popup(nullptr, nullptr, false, menu.Items(), TRect{}, 0);
  EXPECT_EQ(host.surfaces[0]->alpha, (std::vector<uint8_t>{3, 6, 9, 10}));
  EXPECT_EQ(host.processed, 1);
  engine.KeyDown(kVkRight);  // the submenu: straight at the value
  ASSERT_EQ(host.surfaces.size(), 2u);
  EXPECT_EQ(host.surfaces[1]->alpha, (std::vector<uint8_t>{10}));
}

}  // namespace
}  // namespace tavo::skin

namespace tavo::skin {
namespace {

using test::TFakeMenuHost;

TEST(MenuEngineControlTest, ReopeningTellsOnlyThePreviousControlItsMenuClosed) {
  TFakeMenuHost host;
  TMenuEngine engine{host};
  TMenu menu;
  menu.Items().Add("one");
  const int first = 0, second = 0;
  engine.Popup(&first, nullptr, false, menu.Items(), TRect{}, 0);
  EXPECT_TRUE(host.controlMessages.empty());
  engine.Popup(&second, nullptr, false, menu.Items(), TRect{}, 0);
  ASSERT_EQ(host.controlMessages.size(), 1u);
  EXPECT_EQ(host.controlMessages[0].first, &first);
  EXPECT_EQ(host.controlMessages[0].second, kMsgCloseSkinMenus);
  engine.KeyDown(kVkEscape);
  ASSERT_EQ(host.controlMessages.size(), 2u);
  EXPECT_EQ(host.controlMessages[1].first, &second);
  EXPECT_EQ(engine.DoneControl(), &second);
}

}  // namespace
}  // namespace tavo::skin
