// Popup sizes, placed geometry, item rectangles and every placement branch;
// Lumen's figures are worked out here from the skin's values.
#include "skin/PopupGeometry.h"

#include <gtest/gtest.h>

#include "MenuTestSupport.h"
#include "skin/PopupLogic.h"
#include "skin/SystemMenu.h"

namespace tavo::skin {
namespace {

using test::TFixedMenuText;
using test::TLumenSkin;

struct TNoCommands : TSystemMenuHost {
  TWindowState WindowState() const override { return TWindowState::wsNormal; }
  bool RolledUp() const override { return false; }
  bool AlwaysMinimizeToTray() const override { return false; }
  void ChangeWindowState(TWindowState) override {}
  void ChangeRollUp(bool) override {}
  void HideToTray() override {}
  void ShowFromTray() override {}
  void CloseForm() override {}
};

TEST(PopupLookTest, LumenIsSkinnedFromItsPopupPictureAndMenuItemRecord) {
  TLumenSkin lumen;
  const TPopupLook look = PopupLookFrom(&lumen.data);
  ASSERT_TRUE(look.Skinned());
  EXPECT_EQ(look.WindowPicture, &lumen.data.ActivePictures[1]);
  EXPECT_EQ(look.MaskPicture, &lumen.data.ActivePictures[3]);
  EXPECT_EQ(look.ItemPicture, &lumen.data.ActivePictures[2]);
  EXPECT_EQ(look.ItemRecord->IDName, "menuitem");
  EXPECT_EQ(MenuItemHeight(look, false, 99), 20);  // skinrect 0,0,64,20
  EXPECT_EQ(MenuItemHeight(look, true, 99), 5);    // dividerrect 0,40,64,45
  EXPECT_FALSE(PopupLookFrom(nullptr).Skinned());
  EXPECT_EQ(MenuItemHeight(TPopupLook{}, false, 22), 22);
  EXPECT_EQ(MenuItemHeight(TPopupLook{}, true, 22), 4);
}

TEST(PopupLookTest, AWindowPictureOutsideTheListMeansPlain) {
  TLumenSkin lumen;
  lumen.data.PopupWindowData.windowpictureindex = 17;
  EXPECT_FALSE(PopupLookFrom(&lumen.data).Skinned());
  lumen.data.PopupWindowData.windowpictureindex = -1;
  EXPECT_FALSE(PopupLookFrom(&lumen.data).Skinned());
}

// The directory window's system menu in Lumen, laid out by the fixed
// 6-pixel text: the widest entry is "关闭(C)  Alt+F4" (15 bytes, 90 px).
TEST(PopupSizeTest, LumenDirectoryWindowSystemMenu) {
  TLumenSkin lumen;
  TFixedMenuText text;
  TNoCommands commands;
  TMenuItem root;
  BuildOwnSystemMenu(root, TSystemMenuState{}, commands);
  TPopupBuild build;
  build.Look = PopupLookFrom(&lumen.data);
  build.Text = &text;
  build.WorkArea = TRect{0, 0, 1024, 768};
  TPopupLogic popup(root, 0, build);

  // widest + 2, glyph column 19, 19, then window picture 64 + textrect.left 6
  // + skinrect width 64 - textrect.right 58 + itemsrect.left 3 - itemsrect.right 61.
  const int width = (90 + 2) + 19 + 19 + (64 + 6 + 64 - 58 + 3 - 61);
  // Four 20-pixel items and a 5-pixel separator, plus 64 + 3 - 61.
  const int height = 4 * 20 + 5 + (64 + 3 - 61);
  EXPECT_EQ(popup.Width(), width);
  EXPECT_EQ(popup.Height(), height);
  EXPECT_FALSE(popup.Scroll());
  // Items rectangle: itemsrect with its right and bottom moved by the size
  // minus the 64 x 64 picture.
  const TRect items{3, 3, 61 + width - 64, 61 + height - 64};
  EXPECT_EQ(popup.ItemsRect(), items);
  const int tops[] = {3, 23, 43, 63, 68};
  const int bottoms[] = {23, 43, 63, 68, 88};
  ASSERT_EQ(popup.Count(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(popup.Items()[i].ObjectRect, (TRect{3, tops[i], items.right, bottoms[i]})) << i;
    EXPECT_TRUE(popup.Items()[i].Visible);
  }
  EXPECT_TRUE(popup.Items()[3].Item->IsLine());
  EXPECT_EQ(bottoms[4], items.bottom);
  // The placed corners follow the size.
  EXPECT_EQ(popup.Placed().NRB, (TPoint{58 + width - 64, 58 + height - 64}));
  EXPECT_EQ(popup.Placed().NLT, (TPoint{6, 6}));
  // The mask gives a shape within the window.
  auto region = popup.Region();
  ASSERT_TRUE(region.has_value());
  EXPECT_FALSE(region->Empty());
  const TRect b = region->Bounds();
  EXPECT_GE(b.left, 0);
  EXPECT_LE(b.right, width);
  EXPECT_LE(b.bottom, height);
}

TEST(PopupSizeTest, PlainLookAndHiddenItems) {
  TFixedMenuText text;
  TMenuItem root;
  root.Add("Open");                                  // 24 px
  root.Add("-");
  root.Add("Hidden item, long long long").Visible = false;
  TMenuItem& save = root.Add("Save");
  save.ShortCut = ShortCut('S', scCtrl);             // "Save  Ctrl+S": 12 bytes, 72 px
  TPopupBuild build;
  build.Text = &text;
  build.DefaultItemHeight = 18;
  build.WorkArea = TRect{0, 0, 800, 600};
  TPopupLogic popup(root, 0, build);
  EXPECT_EQ(popup.Count(), 3);
  EXPECT_EQ(popup.Width(), 72 + 2 + 19 + 19 + 10);
  EXPECT_EQ(popup.Height(), 18 + 4 + 18 + 4);
  EXPECT_EQ(popup.ItemsRect(), (TRect{2, 2, popup.Width() - 2, popup.Height() - 2}));
  EXPECT_EQ(popup.Items()[1].ObjectRect, (TRect{2, 20, popup.Width() - 2, 24}));
  EXPECT_EQ(popup.GlyphWidth(), 21);

  TPopupLogic fromSecond(root, 2, build);  // the start index skips the first two
  ASSERT_EQ(fromSecond.Count(), 1);
  EXPECT_EQ(fromSecond.Items()[0].Item, &save);
}

TEST(PopupSizeTest, MaximumItemsInWindowAddsTheTwoScrollZones) {
  TLumenSkin lumen;
  TFixedMenuText text;
  TMenuItem root;
  for (int i = 0; i < 10; ++i) root.Add("Item " + std::to_string(i));
  TPopupBuild build;
  build.Look = PopupLookFrom(&lumen.data);
  build.Text = &text;
  build.MaxItemsInWindow = 4;
  build.WorkArea = TRect{0, 0, 1024, 768};
  TPopupLogic popup(root, 0, build);
  EXPECT_EQ(popup.Height(), 4 * 20 + 2 * 10 + (64 + 3 - 61));
  EXPECT_TRUE(popup.Scroll());
  EXPECT_TRUE(popup.ScrollByLimit());
  EXPECT_EQ(popup.VisibleCount(), 4);
  EXPECT_EQ(popup.Items()[0].ObjectRect.top, 3 + 10);
  EXPECT_EQ(popup.Items()[3].ObjectRect.bottom, popup.ItemsRect().bottom - 10);
  EXPECT_FALSE(popup.Items()[4].Visible);
  popup.SetVisibleStart(2);
  EXPECT_FALSE(popup.Items()[1].Visible);
  EXPECT_EQ(popup.Items()[2].ObjectRect.top, 13);
  EXPECT_EQ(popup.LastVisible(), 5);
}

TEST(PopupSizeTest, TallerThanTheWorkAreaScrollsWithoutTheLimitFlag) {
  TFixedMenuText text;
  TMenuItem root;
  for (int i = 0; i < 30; ++i) root.Add("x");
  TPopupBuild build;
  build.Text = &text;
  build.WorkArea = TRect{0, 0, 640, 300};
  TPopupLogic popup(root, 0, build);
  EXPECT_EQ(popup.Height(), 300);
  EXPECT_TRUE(popup.Scroll());
  EXPECT_FALSE(popup.ScrollByLimit());
  // Items between 2 + 10 and 298 - 10: 276 pixels hold thirteen 20-pixel items.
  EXPECT_EQ(popup.VisibleCount(), 13);
  EXPECT_EQ(LastPageStart(std::vector<int>(30, 20), popup.ItemsRect()), 30 - 13);
}

struct PlaceCase {
  const char* label;
  TRect anchor;
  int w, h;
  bool submenu, upward, scrollByHeight;
  TPoint expected;
};

class PlacePopupTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlacePopupTest, Branch) {
  const PlaceCase& c = GetParam();
  TPlacementInput in;
  in.Anchor = c.anchor;
  in.WorkArea = TRect{0, 0, 1000, 800};
  in.Width = c.w;
  in.Height = c.h;
  in.Submenu = c.submenu;
  in.Upward = c.upward;
  in.ScrollByHeight = c.scrollByHeight;
  in.ItemsTop = 3;
  EXPECT_EQ(PlacePopup(in), c.expected) << c.label;
}

INSTANTIATE_TEST_SUITE_P(
    Branches, PlacePopupTest,
    ::testing::Values(
        PlaceCase{"taller than the area", {300, 100, 400, 120}, 100, 800, false, false, true, {401, 0}},
        PlaceCase{"taller, at the right edge", {950, 100, 960, 120}, 100, 800, false, false, true, {849, 0}},
        PlaceCase{"submenu, items aligned", {300, 100, 400, 120}, 100, 200, true, false, false, {401, 97}},
        PlaceCase{"submenu, upper half, too low", {300, 350, 400, 370}, 100, 500, true, false, false, {401, 300}},
        PlaceCase{"submenu, lower half", {300, 700, 400, 720}, 100, 200, true, false, false, {401, 523}},
        PlaceCase{"submenu, lower half, tall", {300, 700, 400, 720}, 100, 790, true, false, false, {401, 0}},
        PlaceCase{"submenu, right edge", {850, 100, 950, 120}, 100, 200, true, false, false, {749, 97}},
        PlaceCase{"upward fits", {300, 500, 300, 500}, 100, 200, false, true, false, {300, 300}},
        PlaceCase{"upward, no room, upper half", {300, 100, 300, 100}, 100, 200, false, true, false, {300, 100}},
        PlaceCase{"upward, upper half, pushed", {300, 100, 300, 100}, 100, 750, false, true, false, {301, 50}},
        PlaceCase{"upward, lower half, no room", {300, 450, 300, 450}, 100, 600, false, true, false, {301, 0}},
        PlaceCase{"downward fits", {300, 100, 300, 100}, 100, 200, false, false, false, {300, 100}},
        PlaceCase{"downward, upper half, pushed", {300, 350, 300, 350}, 100, 500, false, false, false, {301, 300}},
        PlaceCase{"downward, lower half, above", {300, 700, 300, 700}, 100, 200, false, false, false, {300, 500}},
        PlaceCase{"downward, lower half, top", {300, 500, 300, 500}, 100, 750, false, false, false, {301, 0}},
        PlaceCase{"pushed at the right edge", {950, 350, 960, 360}, 100, 500, false, false, false, {849, 300}},
        PlaceCase{"right edge", {950, 100, 950, 100}, 100, 200, false, false, false, {900, 100}},
        PlaceCase{"left of the area", {-20, 100, -20, 100}, 100, 200, false, false, false, {0, 100}},
        PlaceCase{"button rectangle below", {300, 100, 340, 120}, 100, 200, false, false, false, {300, 120}}));

}  // namespace
}  // namespace tavo::skin
