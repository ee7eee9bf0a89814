// The wrapped system list box, combo box and edit box: owner drawing
// reaches the object, selection and double-click notifications, keys that a
// handler swallows, and the tab order.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/UiTestSupport.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/ListBox.h"

namespace tavo::ui {
namespace {

using testing_support::Point;
using testing_support::PumpUntil;

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new testing_support::TUiEnvironment);

TFormLayout Layout() {
  TFormLayout layout;
  layout.ClientWidth = 300;
  layout.ClientHeight = 200;
  layout.BorderStyle = TBorderStyle::bsNone;
  return layout;
}

class TCountingList : public TCustomListBox {
 public:
  explicit TCountingList(TWinControl& parent) : TCustomListBox(parent, TListBoxStyle::lbOwnerDrawFixed) {}
  std::vector<int> drawn;

 protected:
  void DrawItem(HDC dc, int index, const RECT& rect, TOwnerDrawState state) override {
    drawn.push_back(index);
    TCustomListBox::DrawItem(dc, index, rect, state);
  }
};

class TCountingCombo : public TCustomComboBox {
 public:
  explicit TCountingCombo(TWinControl& parent) : TCustomComboBox(parent, TComboBoxStyle::csOwnerDrawFixed) {}
  std::vector<int> drawn;

 protected:
  void DrawItem(HDC dc, int index, const RECT& rect, TOwnerDrawState state) override {
    drawn.push_back(index);
    TCustomComboBox::DrawItem(dc, index, rect, state);
  }
};

class ListControlTest : public ::testing::Test {
 protected:
  ListControlTest() : form(Layout()), list(form), combo(form), edit(form) {
    list.SetBounds(10, 10, 120, 100);
    list.SetItemHeight(16);
    for (const char* s : {"alpha", "beta", "gamma"}) list.AddItem(s, s[0]);
    combo.SetBounds(150, 10, 120, 19);
    combo.SetItemHeight(16);
    for (const char* s : {"c:", "d:"}) combo.AddItem(s, s[0]);
    edit.SetBounds(10, 150, 200, 21);
  }

  TForm form;
  TCountingList list;
  TCountingCombo combo;
  TEdit edit;
};

TEST_F(ListControlTest, ItemsKeepTextDataAndHeight) {
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Item(1), "beta");
  EXPECT_EQ(list.ItemData(2), 'g');
  const RECT r = list.ItemRect(1);
  EXPECT_EQ(r.bottom - r.top, 16);
  EXPECT_EQ(r.top, 16);
  EXPECT_EQ(list.ItemAtPos(POINT{5, 40}), 2);
  EXPECT_EQ(combo.Item(1), "d:");
  EXPECT_EQ(combo.ItemData(0), 'c');
}

TEST_F(ListControlTest, OwnerDrawingReachesTheObject) {
  form.Show();
  RedrawWindow(list.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  RedrawWindow(combo.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  form.Hide();
  EXPECT_EQ(list.drawn, (std::vector<int>{0, 1, 2}));
  // The closed combo box draws its selection field, empty here.
  ASSERT_FALSE(combo.drawn.empty());
  EXPECT_EQ(combo.drawn.front(), -1);
}

TEST_F(ListControlTest, SelectionAndDoubleClickNotify) {
  std::vector<std::string> events;
  list.OnChange = [&](TObject&) { events.push_back("change " + std::to_string(list.ItemIndex())); };
  list.OnDblClick = [&](TObject&) { events.push_back("dblclick"); };
  SendMessageA(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 20));
  SendMessageA(list.Handle(), WM_LBUTTONUP, 0, Point(5, 20));
  SendMessageA(list.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, Point(5, 20));
  SendMessageA(list.Handle(), WM_LBUTTONUP, 0, Point(5, 20));
  // Setting the selection from the program is not a user's change.
  list.SetItemIndex(0);
  EXPECT_EQ(events, (std::vector<std::string>{"change 1", "dblclick"}));
}

TEST_F(ListControlTest, SwallowedKeysDoNotReachTheControl) {
  list.SetItemIndex(0);
  int changes = 0;
  list.OnChange = [&](TObject&) { ++changes; };
  list.OnKeyDown = [](TObject&, WORD& key, TShiftState) {
    if (key == VK_DOWN) key = 0;
  };
  SendMessageA(list.Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(list.ItemIndex(), 0);
  list.OnKeyDown = nullptr;
  SendMessageA(list.Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(list.ItemIndex(), 1);
  EXPECT_EQ(changes, 1);
}

TEST_F(ListControlTest, ComboReportsSelectionStepsOfTheClosedList) {
  combo.SetItemIndex(0);
  std::vector<int> seen;
  combo.OnChange = [&](TObject&) { seen.push_back(combo.ItemIndex()); };
  SendMessageA(combo.Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(seen, (std::vector<int>{1}));
}

TEST_F(ListControlTest, EditTextRoundTripsAndNotifies) {
  int changes = 0;
  edit.OnChange = [&](TObject&) { ++changes; };
  edit.SetText("D:\\\xB0\xB2\xD7\xB0");
  EXPECT_EQ(edit.Text(), "D:\\\xB0\xB2\xD7\xB0");
  EXPECT_EQ(changes, 1);
}

TEST_F(ListControlTest, TabWalksTheTabOrder) {
  list.SetTabOrder(2);  // order now: combo, edit, list
  EXPECT_EQ(combo.TabOrder(), 0);
  EXPECT_EQ(edit.TabOrder(), 1);
  EXPECT_EQ(list.TabOrder(), 2);
  form.Show();
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == form.Handle(); }));
  combo.SetFocus();
  std::vector<std::string> order;
  for (int i = 0; i < 3; ++i) {
    TWinControl* focused = nullptr;
    for (TWinControl* c : std::vector<TWinControl*>{&combo, &edit, &list})
      if (c->Focused()) focused = c;
    order.push_back(focused == &combo ? "combo" : focused == &edit ? "edit" : focused == &list ? "list" : "none");
    form.SelectNext(focused, true);
  }
  form.Hide();
  EXPECT_EQ(order, (std::vector<std::string>{"combo", "edit", "list"}));
}

}  // namespace
}  // namespace tavo::ui
