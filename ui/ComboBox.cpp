// The combo box wrapper and its owner drawing.
#include "ui/ComboBox.h"

#include <vector>

namespace tavo::ui {

TCustomComboBox::TCustomComboBox(TWinControl& parent, TComboBoxStyle style) : TWinControl(&parent), style_(style) {
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  DWORD s = WS_CHILD | WS_CLIPSIBLINGS | WS_VSCROLL | CBS_HASSTRINGS;
  switch (style) {
    case TComboBoxStyle::csDropDown: s |= CBS_DROPDOWN | CBS_AUTOHSCROLL; break;
    case TComboBoxStyle::csSimple: s |= CBS_SIMPLE | CBS_AUTOHSCROLL; break;
    case TComboBoxStyle::csDropDownList: s |= CBS_DROPDOWNLIST; break;
    case TComboBoxStyle::csOwnerDrawFixed: s |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED; break;
    case TComboBoxStyle::csOwnerDrawVariable: s |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE; break;
  }
  CreateHandle(SystemClassParams("COMBOBOX", s, 0));
  SetBounds(0, 0, 145, 21);
}

int TCustomComboBox::Count() const { return static_cast<int>(SendMessageA(Handle(), CB_GETCOUNT, 0, 0)); }

std::string TCustomComboBox::Item(int index) const {
  const LRESULT length = SendMessageA(Handle(), CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR) return std::string();
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  const LRESULT got = SendMessageA(Handle(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

intptr_t TCustomComboBox::ItemData(int index) const {
  return static_cast<intptr_t>(SendMessageA(Handle(), CB_GETITEMDATA, index, 0));
}

int TCustomComboBox::AddItem(const std::string& text, intptr_t data) {
  const auto index = static_cast<int>(SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
  if (index >= 0) SendMessageA(Handle(), CB_SETITEMDATA, index, data);
  return index;
}

void TCustomComboBox::DeleteItem(int index) { SendMessageA(Handle(), CB_DELETESTRING, index, 0); }

void TCustomComboBox::Clear() { SendMessageA(Handle(), CB_RESETCONTENT, 0, 0); }

int TCustomComboBox::ItemIndex() const { return static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0)); }

void TCustomComboBox::SetItemIndex(int index) { SendMessageA(Handle(), CB_SETCURSEL, index, 0); }

std::string TCustomComboBox::Text() const {
  const int length = GetWindowTextLengthA(Handle());
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  const int got = GetWindowTextA(Handle(), buffer.data(), length + 1);
  return std::string(buffer.data(), static_cast<size_t>(got > 0 ? got : 0));
}

void TCustomComboBox::SetText(const std::string& text) { SetWindowTextA(Handle(), text.c_str()); }

int TCustomComboBox::ItemHeight() const {
  if (style_ == TComboBoxStyle::csOwnerDrawFixed || style_ == TComboBoxStyle::csOwnerDrawVariable) return itemHeight_;
  return static_cast<int>(SendMessageA(Handle(), CB_GETITEMHEIGHT, 0, 0));
}

void TCustomComboBox::SetItemHeight(int height) {
  if (height <= 0) return;
  itemHeight_ = height;
  // -1 is the selection field, 0 the items of the list.
  if (style_ == TComboBoxStyle::csOwnerDrawFixed || style_ == TComboBoxStyle::csOwnerDrawVariable)
    SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
  SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, height);
  ApplyDropDownHeight();
}

bool TCustomComboBox::DroppedDown() const { return SendMessageA(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0; }

void TCustomComboBox::SetDroppedDown(bool dropped) { SendMessageA(Handle(), CB_SHOWDROPDOWN, dropped, 0); }

void TCustomComboBox::SetBounds(int left, int top, int width, int height) {
  // The window's height includes the dropped list; the control's height is
  // that of the closed box, which the system derives from the item height.
  const int list = DropDownCount * ItemHeight() + 2;
  TWinControl::SetBounds(left, top, width, height + list);
}

void TCustomComboBox::ApplyDropDownHeight() {
  RECT r;
  GetWindowRect(Handle(), &r);
  const int list = DropDownCount * ItemHeight() + 2;
  SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, (r.bottom - r.top) + list,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomComboBox::WndProc(TMessage& m) {
  // The selection field with nothing selected is drawn too (index -1).
  if (AnswerOwnerDraw(
          m, itemHeight_, style_ == TComboBoxStyle::csOwnerDrawVariable, true,
          [this](HDC dc, int index, const RECT& rect, TOwnerDrawState state) { DrawItem(dc, index, rect, state); },
          [this](int index, int& height) { MeasureItem(index, height); }))
    return;
  switch (m.Msg) {
    case CN_COMMAND:
      switch (HIWORD(m.WParam)) {
        case CBN_SELCHANGE:
        case CBN_EDITCHANGE:
          DoChange();
          break;
        case CBN_DROPDOWN:
          if (OnDropDown) OnDropDown(*this);
          break;
        case CBN_CLOSEUP:
          if (OnCloseUp) OnCloseUp(*this);
          break;
        default:
          break;
      }
      return;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

void TCustomComboBox::DrawItem(HDC dc, int index, const RECT& rect, TOwnerDrawState state) {
  FillRectColor(dc, rect, state.Selected ? clHighlight : clWindow);
  if (index < 0) return;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(state.Selected ? clHighlightText : clWindowText));
  const std::string text = Item(index);
  TextOutA(dc, rect.left + 2, rect.top, text.c_str(), static_cast<int>(text.size()));
}

void TCustomComboBox::MeasureItem(int, int&) {}

void TCustomComboBox::DoChange() {
  if (OnChange) OnChange(*this);
}

}  // namespace tavo::ui
