// Wrapper over the system list box, with owner drawing delivered to the
// object, item text and data, selection, double-click and keyboard. A change
// of the highlighted item is reported by OnChange, a double-click as
// DblClick (OnDblClick).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ui/WinControl.h"

namespace tavo::ui {

// The state an owner-drawn item is drawn in.
struct TOwnerDrawState {
  bool Selected = false;
  bool Focused = false;
  bool Disabled = false;
  bool ComboEdit = false;  // the selection field of a combo box
};
TOwnerDrawState OwnerDrawStateFrom(const DRAWITEMSTRUCT& item);

// Answers the owner-draw notifications a list or combo box gets back from
// its parent (CN_DRAWITEM, CN_MEASUREITEM) and returns true; false for any
// other message. A draw without an item (index -1: an empty list, or a
// combo box's selection field with nothing selected) reaches draw only when
// drawEmpty is set. measure is asked only for variable-height items.
bool AnswerOwnerDraw(TMessage& m, int itemHeight, bool variableHeight, bool drawEmpty,
                     const std::function<void(HDC, int, const RECT&, TOwnerDrawState)>& draw,
                     const std::function<void(int, int&)>& measure);

enum class TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };

class TCustomListBox : public TWinControl {
 public:
  TCustomListBox(TWinControl& parent, TListBoxStyle style = TListBoxStyle::lbStandard);

  TListBoxStyle Style() const { return style_; }

  int Count() const;
  std::string Item(int index) const;
  intptr_t ItemData(int index) const;
  // Returns the new item's index.
  int AddItem(const std::string& text, intptr_t data = 0);
  int InsertItem(int index, const std::string& text, intptr_t data = 0);
  void DeleteItem(int index);
  void Clear();

  // The highlighted item, -1 for none.
  int ItemIndex() const;
  void SetItemIndex(int index);
  int TopIndex() const;
  void SetTopIndex(int index);
  int ItemHeight() const;
  void SetItemHeight(int height);
  RECT ItemRect(int index) const;
  // The item at a client point, -1 for none.
  int ItemAtPos(POINT p) const;

  // The highlighted item changed (LBN_SELCHANGE).
  TNotifyEvent OnChange;

 protected:
  void WndProc(TMessage& message) override;
  // Owner-drawn styles: draws one item. The default fills the rectangle with
  // the selection or window colour and draws the text.
  virtual void DrawItem(HDC dc, int index, const RECT& rect, TOwnerDrawState state);
  // lbOwnerDrawVariable: the item's height.
  virtual void MeasureItem(int index, int& height);
  void DoChange();

 private:
  TListBoxStyle style_;
  int itemHeight_ = 16;
};

class TListBox : public TCustomListBox {
 public:
  using TCustomListBox::TCustomListBox;
};

}  // namespace tavo::ui
