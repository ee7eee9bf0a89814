// Top-level forms: creation from a layout, showing, nested modal loops,
// closing, and the focus that comes back when a form is activated.
#include "ui/Form.h"

#include <vector>

#include "ui/Application.h"
#include "ui/Screen.h"
#include "ui/UiException.h"

namespace tavo::ui {

DWORD FormStyle(TBorderStyle borderStyle) {
  switch (borderStyle) {
    case TBorderStyle::bsNone: return WS_POPUP;
    case TBorderStyle::bsSingle: return WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_BORDER;
    case TBorderStyle::bsSizeable: return WS_OVERLAPPEDWINDOW;
    case TBorderStyle::bsDialog: return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    case TBorderStyle::bsToolWindow: return WS_CAPTION | WS_SYSMENU | WS_BORDER;
    case TBorderStyle::bsSizeToolWin: return WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
  }
  return WS_POPUP;
}

DWORD FormExStyle(TBorderStyle borderStyle) {
  switch (borderStyle) {
    case TBorderStyle::bsDialog: return WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    case TBorderStyle::bsToolWindow:
    case TBorderStyle::bsSizeToolWin: return WS_EX_TOOLWINDOW;
    default: return 0;
  }
}

TForm::TForm(const TFormLayout& layout)
    : TWinControl(nullptr), borderStyle_(layout.BorderStyle), position_(layout.Position) {
  SetVisible(false);
  SetFont(layout.Font);
  SetColor(layout.Color);
  RECT r{0, 0, Scale(layout.ClientWidth), Scale(layout.ClientHeight)};
  AdjustWindowRectEx(&r, FormStyle(borderStyle_), FALSE, FormExStyle(borderStyle_));
  StoreBounds(Scale(layout.Left), Scale(layout.Top), r.right - r.left, r.bottom - r.top);
  TCreateParams params;
  params.ClassName = "TavoForm";
  params.Style = FormStyle(borderStyle_) | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.ExStyle = FormExStyle(borderStyle_);
  params.Owner = Application().Handle();
  params.Caption = layout.Caption;
  CreateHandle(params);
  borderIcons_ = NativeBorderIcons(params.Style);
  PlaceOnScreen();
  Screen().AddForm(*this);
}

TForm::~TForm() { Screen().RemoveForm(*this); }

bool TForm::IsShortCut(const TShortCutKey& key) {
  bool handled = false;
  if (OnShortCut) OnShortCut(key, handled);
  return handled;
}

TBorderIcons NativeBorderIcons(DWORD style) {
  TBorderIcons icons;
  if (style & WS_SYSMENU) icons.Include(TBorderIcon::biSystemMenu);
  if (style & WS_MINIMIZEBOX) icons.Include(TBorderIcon::biMinimize);
  if (style & WS_MAXIMIZEBOX) icons.Include(TBorderIcon::biMaximize);
  return icons;
}

void TForm::SetBorderIcons(TBorderIcons icons) {
  borderIcons_ = icons;
  // Only a border style with a caption can carry the system menu, and only
  // the single and sizeable ones the two boxes.
  const bool caption = borderStyle_ != TBorderStyle::bsNone;
  const bool boxes = borderStyle_ == TBorderStyle::bsSingle || borderStyle_ == TBorderStyle::bsSizeable;
  DWORD set = 0;
  if (caption && icons.Contains(TBorderIcon::biSystemMenu)) set |= WS_SYSMENU;
  if (boxes && icons.Contains(TBorderIcon::biMinimize)) set |= WS_MINIMIZEBOX;
  if (boxes && icons.Contains(TBorderIcon::biMaximize)) set |= WS_MAXIMIZEBOX;
  if (ModifyStyle(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, set)) FrameChanged();
}

void TForm::SetIcon(HICON icon) {
  icon_ = icon;
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

int TForm::ClientWidth() const { return ClientRect().right; }
int TForm::ClientHeight() const { return ClientRect().bottom; }

void TForm::SetClientSize(int width, int height) {
  // The frame around the client area stays what it is now, whoever sizes
  // it: the system's metrics would be wrong under a skinned frame.
  RECT window;
  RECT client;
  GetWindowRect(Handle(), &window);
  GetClientRect(Handle(), &client);
  const int frameWidth = (window.right - window.left) - client.right;
  const int frameHeight = (window.bottom - window.top) - client.bottom;
  SetBounds(Left(), Top(), width + frameWidth, height + frameHeight);
}

void TForm::PlaceOnScreen() {
  if (position_ != TPosition::poScreenCenter) return;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - Width()) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2;
  SetBounds(x, y, Width(), Height());
}

void TForm::Show() {
  DoShow();
  PlaceOnScreen();
  SetVisible(true);
  SetForegroundWindow(Handle());
  SetActiveWindow(Handle());
}

void TForm::Hide() {
  if (!Visible()) return;
  SetVisible(false);
  DoHide();
}

TModalResult TForm::ShowModal() {
  if (Visible() || modal_) throw EUiException("Cannot make a visible window modal");
  if (GetCapture()) ReleaseCapture();
  HWND previous = GetActiveWindow();
  // Every other window of the program stays disabled while this one is up.
  std::vector<HWND> disabled;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND wnd, LPARAM list) CALLBACK -> BOOL {
        if (IsWindowVisible(wnd) && IsWindowEnabled(wnd)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&disabled));
  for (HWND wnd : disabled) {
    if (wnd != Handle()) EnableWindow(wnd, FALSE);
  }
  modal_ = true;
  modalResult_ = mrNone;
  auto restore = [&] {
    // Enable the others before hiding, so the system can activate one.
    for (HWND wnd : disabled) {
      if (wnd != Handle() && IsWindow(wnd)) EnableWindow(wnd, TRUE);
    }
    Hide();
    if (previous && IsWindow(previous)) SetActiveWindow(previous);
    modal_ = false;
  };
  try {
    Show();
    while (modalResult_ == mrNone) {
      if (!Application().HandleMessage()) {
        // WM_QUIT belongs to the outer loop: put it back.
        PostQuitMessage(0);
        modalResult_ = mrCancel;
      }
    }
  } catch (...) {
    restore();
    throw;
  }
  restore();
  return modalResult_;
}

void TForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
  } else if (Application().MainForm() == this) {
    Hide();
    Application().Terminate();
  } else {
    Hide();
  }
}

void TForm::SetActiveControl(TWinControl* control) {
  activeControl_ = control;
  if (control && GetActiveWindow() == Handle() && control->CanFocus()) control->SetFocus();
}

void TForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_CLOSE:
      // Alt+F4 and the system menu close the form our way; the window
      // itself lives as long as the form object.
      Close();
      return;
    case WM_ACTIVATE:
      // Known before anything else runs, so a component that hooked the
      // window procedure reads the new state after the default handling.
      active_ = LOWORD(m.WParam) != WA_INACTIVE;
      Screen().FormActivated(*this, active_);
      if (!active_) {
        HWND focus = GetFocus();
        while (focus && focus != Handle() && !FromHandle(focus)) focus = GetParent(focus);
        TWinControl* control = FromHandle(focus);
        if (control && control != this) activeControl_ = control;
        break;
      }
      DefaultHandler(m);
      if (!HIWORD(m.WParam)) {
        if (activeControl_ && activeControl_->CanFocus()) {
          activeControl_->SetFocus();
        } else {
          SelectNext(nullptr, true);
        }
      }
      return;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

void TForm::DoShow() {
  if (OnShow) OnShow(*this);
}

void TForm::DoHide() {
  if (OnHide) OnHide(*this);
}

}  // namespace tavo::ui
