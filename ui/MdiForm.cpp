// Multi-document forms: the client window control, the frame's and the
// child's default procedures, the children list and the window menu.
#include "ui/MdiForm.h"

#include <algorithm>

#include "ui/UiException.h"

namespace tavo::ui {

namespace {
// Identifiers of the window menu's items (children get theirs from the
// client window from kFirstChildId on).
constexpr UINT kFirstItemId = 0xF000 - 0x400;
constexpr UINT kFirstChildId = 0xFF00 - 0x100;
}  // namespace

// --- window menu -------------------------------------------------------------

TMdiWindowMenu::TMdiWindowMenu() : menu_(CreatePopupMenu()) {
  if (!menu_) RaiseLastOSError();
}

TMdiWindowMenu::~TMdiWindowMenu() { DestroyMenu(menu_); }

std::vector<TMdiWindowMenu::TItem>::iterator TMdiWindowMenu::Position(const std::string& name) {
  return std::find_if(items_.begin(), items_.end(), [&](const TItem& i) { return i.Name == name; });
}

const TMdiWindowMenu::TItem* TMdiWindowMenu::Find(const std::string& name) const {
  auto it = std::find_if(items_.begin(), items_.end(), [&](const TItem& i) { return i.Name == name; });
  return it == items_.end() ? nullptr : &*it;
}

void TMdiWindowMenu::Add(const TItem& item) {
  auto it = Position(item.Name);
  if (it != items_.end()) {
    *it = item;
  } else {
    items_.push_back(item);
  }
  Rebuild();
}

bool TMdiWindowMenu::SetCaption(const std::string& name, const std::string& caption) {
  auto it = Position(name);
  if (it == items_.end()) return false;
  it->Caption = caption;
  Rebuild();
  return true;
}

bool TMdiWindowMenu::SetChecked(const std::string& name, bool checked) {
  auto it = Position(name);
  if (it == items_.end()) return false;
  it->Checked = checked;
  Rebuild();
  return true;
}

bool TMdiWindowMenu::Remove(const std::string& name) {
  auto it = Position(name);
  if (it == items_.end()) return false;
  items_.erase(it);
  Rebuild();
  return true;
}

bool TMdiWindowMenu::Click(const std::string& name) {
  const TItem* item = Find(name);
  if (!item) return false;
  // The handler may change the menu: run a copy.
  std::function<void()> handler = item->OnClick;
  if (handler) handler();
  return true;
}

void TMdiWindowMenu::Rebuild() {
  // Our items come first; what the native client window appended after
  // them (its own child list) is left to it.
  for (UINT id = kFirstItemId; id < kFirstItemId + 0x100; ++id) DeleteMenu(menu_, id, MF_BYCOMMAND);
  UINT id = kFirstItemId;
  UINT position = 0;
  for (const TItem& item : items_) {
    const UINT flags = MF_BYPOSITION | MF_STRING | (item.Checked ? MF_CHECKED : MF_UNCHECKED);
    InsertMenuA(menu_, position++, flags, id++, item.Caption.c_str());
  }
}

// --- client window -------------------------------------------------------------

TMdiClient::TMdiClient(TMdiForm& form, HMENU windowMenu) : TWinControl(&form) {
  CLIENTCREATESTRUCT ccs{windowMenu, kFirstChildId};
  // All the child styles as given: a child is made hidden and shows when
  // its form does (the client window would force it visible otherwise).
  TCreateParams params = SystemClassParams(
      "MDICLIENT", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL | MDIS_ALLCHILDSTYLES, 0);
  params.CreateParam = &ccs;
  CreateHandle(params);
  SetAlign(TAlign::alClient);
}

// --- parent ----------------------------------------------------------------------

TMdiForm::TMdiForm(const TFormLayout& layout) : TForm(layout) {
  client_ = new TMdiClient(*this, windowMenu_.Handle());
  AlignControls();
}

TMdiForm::~TMdiForm() {
  // The children go before the client window they live in.
  while (!children_.empty()) delete children_.back();
  delete client_;
  client_ = nullptr;
}

TMdiChildForm* TMdiForm::ActiveChild() const {
  HWND client = ClientHandle();
  if (!client) return nullptr;
  HWND active = reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
  for (TMdiChildForm* child : children_) {
    if (child->Handle() == active && child->Visible()) return child;
  }
  return nullptr;
}

void TMdiForm::Next() { SendMessageA(ClientHandle(), WM_MDINEXT, 0, 0); }
void TMdiForm::Cascade() { SendMessageA(ClientHandle(), WM_MDICASCADE, 0, 0); }
void TMdiForm::Tile(bool horizontal) {
  SendMessageA(ClientHandle(), WM_MDITILE, horizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}
void TMdiForm::ArrangeIcons() { SendMessageA(ClientHandle(), WM_MDIICONARRANGE, 0, 0); }

void TMdiForm::DefaultHandler(TMessage& m) {
  HWND client = ClientHandle();
  // The client window follows the form's alignment, not the frame
  // procedure's own sizing.
  if (!client || m.Msg == WM_SIZE || m.Msg == WM_PAINT || m.Msg == WM_ERASEBKGND ||
      (m.Msg >= CN_BASE && m.Msg < CN_BASE + WM_USER)) {
    TForm::DefaultHandler(m);
    return;
  }
  if (!m.Wnd) m.Wnd = Handle();
  m.Result = DefFrameProcA(m.Wnd, client, m.Msg, m.WParam, m.LParam);
}

// --- child ---------------------------------------------------------------------

TMdiChildForm::TMdiChildForm(TMdiForm& parent, const TFormLayout& layout) : TForm(layout), parent_(parent) {
  // The form made a top-level window; a child lives in the parent's
  // client window instead, from the layout's position there.
  DestroyHandle();
  RECT r{0, 0, Scale(layout.ClientWidth), Scale(layout.ClientHeight)};
  const DWORD style = WS_CHILD | WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  AdjustWindowRectEx(&r, style, FALSE, WS_EX_MDICHILD);
  StoreBounds(Scale(layout.Left), Scale(layout.Top), r.right - r.left, r.bottom - r.top);
  TCreateParams params;
  params.ClassName = "TavoMdiChild";
  params.Style = style;
  params.ExStyle = WS_EX_MDICHILD;
  params.Owner = parent.ClientHandle();
  params.Caption = layout.Caption;
  CreateHandle(params);
  SetBorderIcons(NativeBorderIcons(style));
  parent_.children_.push_back(this);
}

TMdiChildForm::~TMdiChildForm() {
  auto& list = parent_.children_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  // The client window must hear of the child's going so it activates the
  // next one and drops it from its window menu.
  if (HandleAllocated() && parent_.ClientHandle())
    SendMessageA(parent_.ClientHandle(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(Handle()), 0);
}

void TMdiChildForm::Show() {
  DoShow();
  SetVisible(true);
  SendMessageA(parent_.ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Handle()), 0);
}

void TMdiChildForm::Hide() {
  if (!Visible()) return;
  const bool wasActive = IsActiveChild();
  SetVisible(false);
  if (wasActive) {
    for (TMdiChildForm* child : parent_.children_) {
      if (child != this && child->Visible()) {
        SendMessageA(parent_.ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child->Handle()), 0);
        break;
      }
    }
  }
  DoHide();
}

void TMdiChildForm::WndProc(TMessage& m) {
  if (m.Msg == WM_CLOSE) {
    // Ctrl+F4 and the child's system menu: the child hides; the object
    // lives as long as its owner keeps it.
    Hide();
    return;
  }
  TForm::WndProc(m);
}

void TMdiChildForm::DefaultHandler(TMessage& m) {
  if (m.Msg == WM_PAINT || m.Msg == WM_ERASEBKGND || (m.Msg >= CN_BASE && m.Msg < CN_BASE + WM_USER)) {
    TForm::DefaultHandler(m);
    return;
  }
  if (!m.Wnd) m.Wnd = Handle();
  m.Result = DefMDIChildProcA(m.Wnd, m.Msg, m.WParam, m.LParam);
}

TMdiForm* FindMdiForm(HWND wnd) {
  for (HWND w = wnd; w; w = GetParent(w)) {
    if (auto* mdi = dynamic_cast<TMdiForm*>(TWinControl::FromHandle(w))) return mdi;
    if (auto* child = dynamic_cast<TMdiChildForm*>(TWinControl::FromHandle(w))) return &child->MdiParent();
  }
  return nullptr;
}

}  // namespace tavo::ui
