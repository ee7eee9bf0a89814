// Wrapper over the system combo box, with owner drawing delivered to the
// object, items, selection and drop-down state.
#pragma once

#include <cstdint>
#include <string>

#include "ui/ListBox.h"
#include "ui/WinControl.h"

namespace tavo::ui {

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TCustomComboBox : public TWinControl {
 public:
  // Height is the closed box's height; the list drops below it.
  TCustomComboBox(TWinControl& parent, TComboBoxStyle style = TComboBoxStyle::csDropDown);

  TComboBoxStyle Style() const { return style_; }

  int Count() const;
  std::string Item(int index) const;
  intptr_t ItemData(int index) const;
  int AddItem(const std::string& text, intptr_t data = 0);
  void DeleteItem(int index);
  void Clear();

  int ItemIndex() const;
  void SetItemIndex(int index);
  // The text of the edit field (csDropDown, csSimple) or of the selection.
  std::string Text() const;
  void SetText(const std::string& text);
  // Height of the list's items (owner-drawn: also the selection field's).
  int ItemHeight() const;
  void SetItemHeight(int height);
  bool DroppedDown() const;
  void SetDroppedDown(bool dropped);
  // Number of items the dropped list shows before it scrolls.
  int DropDownCount = 8;

  void SetBounds(int left, int top, int width, int height) override;

  // The selection changed by the user, also while stepping through the
  // closed list with the arrow keys (CBN_SELCHANGE), or the edit field's
  // text changed (CBN_EDITCHANGE).
  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

 protected:
  void WndProc(TMessage& message) override;
  virtual void DrawItem(HDC dc, int index, const RECT& rect, TOwnerDrawState state);
  virtual void MeasureItem(int index, int& height);
  void DoChange();

 private:
  void ApplyDropDownHeight();

  TComboBoxStyle style_;
  int itemHeight_ = 16;
};

class TComboBox : public TCustomComboBox {
 public:
  using TCustomComboBox::TCustomComboBox;
};

}  // namespace tavo::ui
