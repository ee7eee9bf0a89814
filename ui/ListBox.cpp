// The list box wrapper and its owner drawing.
#include "ui/ListBox.h"

#include <vector>

namespace tavo::ui {

TOwnerDrawState OwnerDrawStateFrom(const DRAWITEMSTRUCT& item) {
  TOwnerDrawState s;
  s.Selected = (item.itemState & ODS_SELECTED) != 0;
  s.Focused = (item.itemState & ODS_FOCUS) != 0;
  s.Disabled = (item.itemState & ODS_DISABLED) != 0;
  s.ComboEdit = (item.itemState & ODS_COMBOBOXEDIT) != 0;
  return s;
}

bool AnswerOwnerDraw(TMessage& m, int itemHeight, bool variableHeight, bool drawEmpty,
                     const std::function<void(HDC, int, const RECT&, TOwnerDrawState)>& draw,
                     const std::function<void(int, int&)>& measure) {
  if (m.Msg == CN_DRAWITEM) {
    const auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
    const TOwnerDrawState state = OwnerDrawStateFrom(item);
    if (item.itemAction == ODA_FOCUS) {
      DrawFocusRect(item.hDC, &item.rcItem);
    } else {
      if (drawEmpty || item.itemID != static_cast<UINT>(-1))
        draw(item.hDC, static_cast<int>(item.itemID), item.rcItem, state);
      if (state.Focused) DrawFocusRect(item.hDC, &item.rcItem);
    }
    m.Result = TRUE;
    return true;
  }
  if (m.Msg == CN_MEASUREITEM) {
    auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
    int height = itemHeight;
    if (variableHeight) measure(static_cast<int>(item.itemID), height);
    item.itemHeight = static_cast<UINT>(height);
    m.Result = TRUE;
    return true;
  }
  return false;
}

TCustomListBox::TCustomListBox(TWinControl& parent, TListBoxStyle style) : TWinControl(&parent), style_(style) {
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 97);
  DWORD s = WS_CHILD | WS_CLIPSIBLINGS | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS;
  if (style == TListBoxStyle::lbOwnerDrawFixed) s |= LBS_OWNERDRAWFIXED;
  if (style == TListBoxStyle::lbOwnerDrawVariable) s |= LBS_OWNERDRAWVARIABLE;
  CreateHandle(SystemClassParams("LISTBOX", s, WS_EX_CLIENTEDGE));
  if (style != TListBoxStyle::lbStandard) itemHeight_ = static_cast<int>(SendMessageA(Handle(), LB_GETITEMHEIGHT, 0, 0));
}

int TCustomListBox::Count() const { return static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0)); }

std::string TCustomListBox::Item(int index) const {
  const LRESULT length = SendMessageA(Handle(), LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return std::string();
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  const LRESULT got = SendMessageA(Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

intptr_t TCustomListBox::ItemData(int index) const {
  return static_cast<intptr_t>(SendMessageA(Handle(), LB_GETITEMDATA, index, 0));
}

int TCustomListBox::AddItem(const std::string& text, intptr_t data) {
  const auto index = static_cast<int>(SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
  if (index >= 0) SendMessageA(Handle(), LB_SETITEMDATA, index, data);
  return index;
}

int TCustomListBox::InsertItem(int index, const std::string& text, intptr_t data) {
  const auto at =
      static_cast<int>(SendMessageA(Handle(), LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str())));
  if (at >= 0) SendMessageA(Handle(), LB_SETITEMDATA, at, data);
  return at;
}

void TCustomListBox::DeleteItem(int index) { SendMessageA(Handle(), LB_DELETESTRING, index, 0); }

void TCustomListBox::Clear() { SendMessageA(Handle(), LB_RESETCONTENT, 0, 0); }

int TCustomListBox::ItemIndex() const { return static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0)); }

void TCustomListBox::SetItemIndex(int index) { SendMessageA(Handle(), LB_SETCURSEL, index, 0); }

int TCustomListBox::TopIndex() const { return static_cast<int>(SendMessageA(Handle(), LB_GETTOPINDEX, 0, 0)); }

void TCustomListBox::SetTopIndex(int index) { SendMessageA(Handle(), LB_SETTOPINDEX, index, 0); }

int TCustomListBox::ItemHeight() const {
  if (style_ == TListBoxStyle::lbStandard) return static_cast<int>(SendMessageA(Handle(), LB_GETITEMHEIGHT, 0, 0));
  return itemHeight_;
}

void TCustomListBox::SetItemHeight(int height) {
  if (height <= 0) return;
  itemHeight_ = height;
  SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, height);
  Invalidate();
}

RECT TCustomListBox::ItemRect(int index) const {
  RECT r{};
  SendMessageA(Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
  return r;
}

int TCustomListBox::ItemAtPos(POINT p) const {
  const LRESULT hit = SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y));
  if (HIWORD(hit)) return -1;  // outside the client area, or below the items
  return static_cast<int>(LOWORD(hit));
}

void TCustomListBox::WndProc(TMessage& m) {
  if (AnswerOwnerDraw(
          m, itemHeight_, style_ == TListBoxStyle::lbOwnerDrawVariable, false,
          [this](HDC dc, int index, const RECT& rect, TOwnerDrawState state) { DrawItem(dc, index, rect, state); },
          [this](int index, int& height) { MeasureItem(index, height); }))
    return;
  if (m.Msg == CN_COMMAND) {
    if (HIWORD(m.WParam) == LBN_SELCHANGE) DoChange();
    if (HIWORD(m.WParam) == LBN_DBLCLK) DblClick();
    return;
  }
  TWinControl::WndProc(m);
}

void TCustomListBox::DrawItem(HDC dc, int index, const RECT& rect, TOwnerDrawState state) {
  FillRectColor(dc, rect, state.Selected ? clHighlight : clWindow);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(state.Selected ? clHighlightText : clWindowText));
  const std::string text = Item(index);
  TextOutA(dc, rect.left + 2, rect.top, text.c_str(), static_cast<int>(text.size()));
}

void TCustomListBox::MeasureItem(int, int&) {}

void TCustomListBox::DoChange() {
  if (OnChange) OnChange(*this);
}

}  // namespace tavo::ui
