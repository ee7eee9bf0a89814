// Windowed controls: window creation and subclassing, the exception barrier
// of the window procedure, message handling, style changes in place, focus
// and tab order, alignment (painting and mouse routing have their own files).
#include "ui/WinControl.h"

#include <windowsx.h>

#include <algorithm>
#include <exception>
#include <set>

#include "ui/Application.h"
#include "ui/UiException.h"

namespace tavo::ui {

namespace {

// The window property that links a window to its control object.
constexpr char kControlProp[] = "TavoControl";

void RegisterOwnClass(const std::string& name, UINT classStyle, WNDPROC proc) {
  static std::set<std::string> registered;
  if (registered.count(name)) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.style = classStyle;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  // No background brush: WM_PAINT covers the whole client area.
  wc.hIcon = LoadIconA(wc.hInstance, "MAINICON");
  wc.lpszClassName = name.c_str();
  if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) RaiseLastOSError();
  registered.insert(name);
}

// A window rectangle in the coordinates its position is given in: the
// parent window's client area for a child window (our control's or, for a
// multi-document child, the client window's), the screen otherwise.
void MapToParentWindow(HWND wnd, RECT& r) {
  if (!(GetWindowLongPtrA(wnd, GWL_STYLE) & WS_CHILD)) return;
  if (HWND parent = GetParent(wnd)) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
}

bool IsReflected(UINT msg) { return msg >= CN_BASE && msg < CN_BASE + WM_USER; }

}  // namespace

TCreateParams SystemClassParams(const char* className, DWORD style, DWORD exStyle) {
  TCreateParams params;
  params.ClassName = className;
  params.SystemClass = true;
  params.Style = style;
  params.ExStyle = exStyle;
  return params;
}

TWinControl::TWinControl(TWinControl* parent) : TControl(parent) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  if (parent) controlId_ = parent->nextChildId_++;
}

TWinControl::~TWinControl() { DestroyHandle(); }

TWinControl* TWinControl::FromHandle(HWND wnd) {
  return wnd ? static_cast<TWinControl*>(GetPropA(wnd, kControlProp)) : nullptr;
}

void TWinControl::CreateHandle(const TCreateParams& params) {
  if (handle_) return;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!params.SystemClass) RegisterOwnClass(params.ClassName, params.ClassStyle, &StdWndProc);
  DWORD style = params.Style;
  if (Parent()) {
    if (Visible()) style |= WS_VISIBLE;
  } else {
    style &= ~WS_VISIBLE;
  }
  if (!Enabled()) style |= WS_DISABLED;
  if (tabStop_) style |= WS_TABSTOP;
  HWND parentWnd = Parent() ? Parent()->Handle() : params.Owner;
  HMENU menu = Parent() ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId_)) : nullptr;
  caption_ = params.Caption;
  HWND wnd = CreateWindowExA(params.ExStyle, params.ClassName.c_str(), params.Caption.c_str(), style, Left(), Top(),
                             Width(), Height(), parentWnd, menu, instance,
                             params.SystemClass && params.CreateParam ? params.CreateParam : this);
  if (!wnd) RaiseLastOSError();
  if (params.SystemClass) {
    handle_ = wnd;
    SetPropA(wnd, kControlProp, this);
    defWndProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StdWndProc)));
    ApplyWindowFont();
  }
  if (Parent()) {
    RECT w;
    GetWindowRect(wnd, &w);
    MapWindowPoints(nullptr, parentWnd, reinterpret_cast<POINT*>(&w), 2);
    StoreBounds(w.left, w.top, w.right - w.left, w.bottom - w.top);
  }
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  HWND wnd = handle_;
  // The object is going: from here on the window's messages go to the
  // class's own procedure only.
  RemovePropA(wnd, kControlProp);
  if (defWndProc_ && defWndProc_ != &DefWindowProcA)
    SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(defWndProc_));
  handle_ = nullptr;
  DestroyWindow(wnd);
}

LRESULT CALLBACK TWinControl::StdWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* self = FromHandle(wnd);
  if (!self) {
    // Our own classes bind the object at WM_NCCREATE (WM_GETMINMAXINFO
    // comes before it and gets the default handling).
    if (msg == WM_NCCREATE) {
      const auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
      // A multi-document child gets its creation parameter wrapped.
      self = static_cast<TWinControl*>(
          (cs->dwExStyle & WS_EX_MDICHILD) && cs->lpCreateParams
              ? reinterpret_cast<void*>(static_cast<const MDICREATESTRUCTA*>(cs->lpCreateParams)->lParam)
              : cs->lpCreateParams);
      if (self) {
        SetPropA(wnd, kControlProp, self);
        self->handle_ = wnd;
        self->defWndProc_ = &DefWindowProcA;
      }
    }
    if (!self) return DefWindowProcA(wnd, msg, wParam, lParam);
  }
  TMessage message{wnd, msg, wParam, lParam, 0};
  // An exception must never unwind into the system's code: keep it, and let
  // the message loop report it once this message is done.
  try {
    self->WindowProc(message);
  } catch (...) {
    Application().HandleException(std::current_exception());
  }
  if (msg == WM_NCDESTROY) {
    RemovePropA(wnd, kControlProp);
    self->handle_ = nullptr;
  }
  return message.Result;
}

LRESULT TWinControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{handle_, msg, wParam, lParam, 0};
  WindowProc(message);
  return message.Result;
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (IsReflected(m.Msg)) {
    // A notification no one handled: the parent's default answer.
    if (Parent() && Parent()->handle_) {
      TMessage original{Parent()->handle_, m.Msg - CN_BASE, m.WParam, m.LParam, 0};
      Parent()->DefaultHandler(original);
      m.Result = original.Result;
    }
    return;
  }
  if (!m.Wnd) m.Wnd = handle_;
  if (!m.Wnd) return;
  m.Result = defWndProc_ ? CallWindowProcA(defWndProc_, m.Wnd, m.Msg, m.WParam, m.LParam)
                         : DefWindowProcA(m.Wnd, m.Msg, m.WParam, m.LParam);
}

void TWinControl::WndProc(TMessage& m) {
  const bool ownClass = defWndProc_ == &DefWindowProcA;
  switch (m.Msg) {
    case WM_PAINT:
      if (ownClass) {
        HandlePaint();
        return;
      }
      break;
    case WM_PRINTCLIENT:
      // PrintWindow and screenshots: the same picture WM_PAINT composes.
      if (ownClass) {
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        RECT client;
        GetClientRect(handle_, &client);
        PaintWindow(dc);
        PaintControls(dc, client);
        return;
      }
      break;
    case WM_ERASEBKGND:
      // Our own offer (PaintBackground) arriving here means nobody took it:
      // answer 0 so the form colour is filled. The system's own request is
      // claimed: the paint covers the whole client area, so erasing with
      // the class brush first would only flicker.
      if (ownClass) {
        m.Result = offeringErase_ ? 0 : 1;
        return;
      }
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSELEAVE:
      if (HandleMouse(m)) return;
      break;
    case WM_SETCURSOR:
      if (HandleSetCursor(m)) return;
      break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
      if (ReflectToChild(m)) return;
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      WORD key = static_cast<WORD>(m.WParam);
      KeyDown(key, ShiftStateNow());
      if (key == 0) return;
      m.WParam = key;
      break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      WORD key = static_cast<WORD>(m.WParam);
      KeyUp(key, ShiftStateNow());
      if (key == 0) return;
      m.WParam = key;
      break;
    }
    case WM_CHAR: {
      char c = static_cast<char>(m.WParam);
      KeyPress(c);
      if (c == 0) return;
      m.WParam = static_cast<unsigned char>(c);
      break;
    }
    case WM_SETFOCUS:
      DefaultHandler(m);
      DoEnter();
      return;
    case WM_KILLFOCUS:
      DefaultHandler(m);
      DoExit();
      return;
    case WM_SIZE:
    case WM_MOVE: {
      DefaultHandler(m);
      RECT w;
      GetWindowRect(m.Wnd, &w);
      MapToParentWindow(m.Wnd, w);
      const bool resized = w.right - w.left != Width() || w.bottom - w.top != Height();
      StoreBounds(w.left, w.top, w.right - w.left, w.bottom - w.top);
      if (m.Msg == WM_SIZE || resized) AlignControls();
      return;
    }
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(m.LParam) != handle_) captureControl_ = nullptr;
      break;
    default:
      break;
  }
  DefaultHandler(m);
}

bool TWinControl::ReflectToChild(TMessage& m) {
  HWND child = nullptr;
  TWinControl* target = nullptr;
  switch (m.Msg) {
    case WM_COMMAND:
      child = reinterpret_cast<HWND>(m.LParam);
      break;
    case WM_NOTIFY:
      child = reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom;
      break;
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
      if (item->CtlType != ODT_MENU) child = item->hwndItem;
      break;
    }
    case WM_MEASUREITEM: {
      // Sent while the child is still being created, before its window is
      // linked to its object: find it by its id instead.
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
      if (item->CtlType == ODT_MENU) break;
      for (TControl* c : controls_) {
        if (c->IsWindowed() && static_cast<TWinControl*>(c)->controlId_ == static_cast<int>(item->CtlID))
          target = static_cast<TWinControl*>(c);
      }
      break;
    }
    case WM_COMPAREITEM:
      child = reinterpret_cast<COMPAREITEMSTRUCT*>(m.LParam)->hwndItem;
      break;
    case WM_DELETEITEM:
      child = reinterpret_cast<DELETEITEMSTRUCT*>(m.LParam)->hwndItem;
      break;
    default:
      child = reinterpret_cast<HWND>(m.LParam);
      break;
  }
  if (!target && child && child != handle_) target = FromHandle(child);
  // A combo box's own edit or list window reports for the combo box.
  if (!target && child && GetParent(child) != handle_) return false;
  if (!target || target == this) return false;
  TMessage reflected{target->handle_, CN_BASE + m.Msg, m.WParam, m.LParam, 0};
  target->WindowProc(reflected);
  m.Result = reflected.Result;
  return true;
}

TControl* TWinControl::ControlAtPos(POINT p, bool allowDisabled, bool windowlessOnly) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!c->Visible() || (windowlessOnly && c->IsWindowed()) || (!allowDisabled && !c->Enabled())) continue;
    const RECT r = c->BoundsRect();
    if (PtInRect(&r, p)) return c;
  }
  return nullptr;
}

void TWinControl::InsertControl(TControl& control) { controls_.push_back(&control); }

void TWinControl::RemoveControl(TControl& control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
  if (hoverControl_ == &control) hoverControl_ = nullptr;
  if (captureControl_ == &control) SetCaptureControl(nullptr);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  if (handle_) {
    MoveWindow(handle_, left, top, width, height, TRUE);
    RECT w;
    GetWindowRect(handle_, &w);
    MapToParentWindow(handle_, w);
    StoreBounds(w.left, w.top, w.right - w.left, w.bottom - w.top);
  } else {
    StoreBounds(left, top, width, height);
  }
  BoundsChanged();
  AlignControls();
  if (Parent() && Align() != TAlign::alNone) Parent()->AlignControls();
}

RECT TWinControl::ClientRect() const {
  RECT r{0, 0, Width(), Height()};
  if (handle_) GetClientRect(handle_, &r);
  return r;
}

bool TWinControl::ModifyStyle(DWORD clear, DWORD set) {
  if (!handle_) return false;
  const auto old = static_cast<DWORD>(GetWindowLongPtrA(handle_, GWL_STYLE));
  const DWORD now = (old & ~clear) | set;
  if (now == old) return false;
  SetWindowLongPtrA(handle_, GWL_STYLE, static_cast<LONG_PTR>(now));
  return true;
}

bool TWinControl::ModifyExStyle(DWORD clear, DWORD set) {
  if (!handle_) return false;
  const auto old = static_cast<DWORD>(GetWindowLongPtrA(handle_, GWL_EXSTYLE));
  const DWORD now = (old & ~clear) | set;
  if (now == old) return false;
  SetWindowLongPtrA(handle_, GWL_EXSTYLE, static_cast<LONG_PTR>(now));
  return true;
}

void TWinControl::FrameChanged() {
  if (!handle_) return;
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOACTIVATE);
}

RECT TWinControl::AlignRect() const { return ClientRect(); }

void TWinControl::AlignControls() {
  if (aligning_) return;
  aligning_ = true;
  RECT r = AlignRect();
  for (TAlign align : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
    for (TControl* c : controls_) {
      if (c->Align() != align || !c->Visible()) continue;
      const int w = r.right - r.left;
      const int h = r.bottom - r.top;
      switch (align) {
        case TAlign::alTop:
          c->SetBounds(r.left, r.top, w, c->Height());
          r.top += c->Height();
          break;
        case TAlign::alBottom:
          c->SetBounds(r.left, r.bottom - c->Height(), w, c->Height());
          r.bottom -= c->Height();
          break;
        case TAlign::alLeft:
          c->SetBounds(r.left, r.top, c->Width(), h);
          r.left += c->Width();
          break;
        case TAlign::alRight:
          c->SetBounds(r.right - c->Width(), r.top, c->Width(), h);
          r.right -= c->Width();
          break;
        default:
          c->SetBounds(r.left, r.top, w, h);
          break;
      }
    }
  }
  aligning_ = false;
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, FALSE);
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

bool TWinControl::CanFocus() const {
  if (!handle_) return false;
  for (const TControl* c = this; c; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return IsWindowVisible(handle_) && IsWindowEnabled(handle_);
}

bool TWinControl::Focused() const {
  if (!handle_) return false;
  HWND focus = GetFocus();
  return focus == handle_ || (focus && IsChild(handle_, focus) && FromHandle(focus) == nullptr);
}

void TWinControl::SetFocus() {
  if (handle_) ::SetFocus(handle_);
}

void TWinControl::SetTabStop(bool tabStop) {
  tabStop_ = tabStop;
  if (handle_) {
    LONG_PTR style = GetWindowLongPtrA(handle_, GWL_STYLE);
    style = tabStop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowLongPtrA(handle_, GWL_STYLE, style);
  }
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  int n = 0;
  for (TControl* c : Parent()->controls_) {
    if (c == this) return n;
    if (c->IsWindowed()) ++n;
  }
  return -1;
}

void TWinControl::SetTabOrder(int order) {
  TWinControl* p = Parent();
  if (!p) return;
  // The parent's list keeps windowless controls where they are and puts the
  // windowed ones in tab order between them.
  std::vector<TWinControl*> windowed;
  for (TControl* c : p->controls_) {
    if (c->IsWindowed() && c != this) windowed.push_back(static_cast<TWinControl*>(c));
  }
  order = std::clamp(order, 0, static_cast<int>(windowed.size()));
  windowed.insert(windowed.begin() + order, this);
  size_t next = 0;
  for (TControl*& c : p->controls_) {
    if (c->IsWindowed()) c = windowed[next++];
  }
}

bool TWinControl::SelectNext(TWinControl* current, bool forward) {
  std::vector<TWinControl*> stops;
  auto collect = [&stops](auto&& self, const TWinControl& parent) -> void {
    for (TControl* c : parent.controls_) {
      if (!c->IsWindowed()) continue;
      auto* w = static_cast<TWinControl*>(c);
      if (w->tabStop_ && w->CanFocus()) stops.push_back(w);
      self(self, *w);
    }
  };
  collect(collect, *this);
  if (stops.empty()) return false;
  const auto it = std::find(stops.begin(), stops.end(), current);
  const int n = static_cast<int>(stops.size());
  int index;
  if (it == stops.end()) {
    index = forward ? 0 : n - 1;
  } else {
    const int at = static_cast<int>(it - stops.begin());
    index = forward ? (at + 1) % n : (at + n - 1) % n;
  }
  stops[index]->SetFocus();
  return true;
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(*this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(*this, key, shift);
}

void TWinControl::KeyPress(char& key) {
  if (OnKeyPress) OnKeyPress(*this, key);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(*this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(*this);
}

void TWinControl::ApplyWindowFont() {
  if (handle_ && defWndProc_ != &DefWindowProcA) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
}

void TWinControl::FontChanged() {
  ApplyWindowFont();
  Invalidate();
  for (TControl* c : controls_) c->ParentFontChanged();
}

void TWinControl::ColorChanged() {
  Invalidate();
  for (TControl* c : controls_) c->ParentColorChanged();
}

void TWinControl::TextChanged() {
  if (handle_) SetWindowTextA(handle_, Caption().c_str());
  Invalidate();
}

void TWinControl::EnabledChanged() {
  if (handle_) EnableWindow(handle_, Enabled());
  Invalidate();
}

void TWinControl::VisibleChanged() {
  if (handle_) ShowWindow(handle_, Visible() ? SW_SHOW : SW_HIDE);
}

TCustomControl::TCustomControl(TWinControl* parent) : TWinControl(parent) {
  TCreateParams params;
  params.ClassName = "TavoControl";
  CreateHandle(params);
}

TControl* FindControlAtScreenPos(POINT screenPoint, bool allowDisabled) {
  HWND wnd = WindowFromPoint(screenPoint);
  while (wnd && !TWinControl::FromHandle(wnd)) wnd = GetParent(wnd);
  TWinControl* control = TWinControl::FromHandle(wnd);
  if (!control) return nullptr;
  POINT p = screenPoint;
  ScreenToClient(wnd, &p);
  TControl* child = control->ControlAtPos(p, allowDisabled, true);
  return child ? child : control;
}

}  // namespace tavo::ui
