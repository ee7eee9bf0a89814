// TTrayIcon: the notify-icon record, the hidden window and its message
// answers, the timers, the application and owner hooks, the main form's
// hiding and restoring, and the menu at the cursor.
#include "skin/win32/TrayIcon.h"

#include <cstring>

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/MdiForm.h"
#include "ui/Screen.h"
#include "ui/WinControl.h"

namespace tavo::skin {

namespace {

constexpr char kTrayWindowClass[] = "TavoTrayIconWindow";

LRESULT CALLBACK TrayWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* tray = reinterpret_cast<TTrayIcon*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  if (!tray) return DefWindowProcA(wnd, msg, wParam, lParam);
  // Nothing may unwind through the system's frames: keep the failure for
  // the message loop to report.
  try {
    return tray->HandleMessage(msg, wParam, lParam);
  } catch (...) {
    ui::Application().HandleException(std::current_exception());
    return 0;
  }
}

TTrayShiftState KeyboardShift() {
  TTrayShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s.Include(TTrayShift::ssShift);
  if (GetKeyState(VK_MENU) < 0) s.Include(TTrayShift::ssAlt);
  if (GetKeyState(VK_CONTROL) < 0) s.Include(TTrayShift::ssCtrl);
  return s;
}

TTrayMouseMessage MouseMessage(LPARAM lParam) {
  switch (static_cast<UINT>(lParam)) {
    case WM_MOUSEMOVE: return TTrayMouseMessage::tmMouseMove;
    case WM_LBUTTONDOWN: return TTrayMouseMessage::tmLButtonDown;
    case WM_LBUTTONUP: return TTrayMouseMessage::tmLButtonUp;
    case WM_LBUTTONDBLCLK: return TTrayMouseMessage::tmLButtonDblClk;
    case WM_RBUTTONDOWN: return TTrayMouseMessage::tmRButtonDown;
    case WM_RBUTTONUP: return TTrayMouseMessage::tmRButtonUp;
    case WM_MBUTTONDOWN: return TTrayMouseMessage::tmMButtonDown;
    case WM_MBUTTONUP: return TTrayMouseMessage::tmMButtonUp;
    default: return TTrayMouseMessage::tmOther;
  }
}

int systemNotifyIconCalls = 0;

}  // namespace

int TTrayIcon::SystemNotifyIconCalls() { return systemNotifyIconCalls; }

TTrayIconApi TTrayIconApi::System() {
  TTrayIconApi api;
  api.NotifyIcon = [](DWORD op, NOTIFYICONDATAA* data) {
    ++systemNotifyIconCalls;
    return Shell_NotifyIconA(op, data);
  };
  api.CursorPos = [](POINT& at) { return GetCursorPos(&at) != FALSE; };
  return api;
}

TTrayIcon::TTrayIcon(ui::TComponent* owner, TTrayIconApi api, TControlTimerFactory timers, bool designing)
    : ui::TComponent(owner), api_(std::move(api)) {
  Designing = designing;
  taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
  CreateWindowHandle();
  clickTimer_ = timers();
  animateTimer_ = timers();
  clickTimer_->OnTick = [this] { ClickTimerTick(); };
  animateTimer_->OnTick = [this] { AnimateTick(); };
  // The record carries the layout with the balloon fields and without the
  // later ones: the shell's second version, whose size differs between the
  // 32-bit and the 64-bit build.
  record_.cbSize = NOTIFYICONDATAA_V2_SIZE;
  record_.hWnd = window_;
  record_.uID = 1;
  record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record_.uCallbackMessage = kTrayCallbackMessage;
  if (Designing) return;
  if (!icon_ && UsesApplicationIcon() && ui::Application().Icon()) ReplaceIcon(CopyIcon(ui::Application().Icon()));
  appHook_ = ui::Application().HookMainWindow([this](ui::TMessage& m) { ApplicationHook(m); });
  if (auto* control = dynamic_cast<ui::TWinControl*>(owner)) {
    ownerControl_ = control;
    ownerPrevious_ = control->WindowProc;
    control->WindowProc = TOwnerProc{this};
  }
}

TTrayIcon::~TTrayIcon() {
  // Nothing may be sent from here on but the removal.
  OnClick = nullptr;
  OnDblClick = nullptr;
  SetIconVisible(false);
  SetDesignPreview(false);
  clickTimer_->Stop();
  animateTimer_->Stop();
  if (appHook_) ui::Application().UnhookMainWindow(appHook_);
  if (ownerControl_) {
    // Given back only while ours is still the newest: a component that
    // hooked the window after us would otherwise be cut off.
    const TOwnerProc* top = ownerControl_->WindowProc.template target<TOwnerProc>();
    if (top && top->tray == this) ownerControl_->WindowProc = ownerPrevious_;
  }
  if (window_) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  ReplaceIcon(nullptr);
}

void TTrayIcon::KeepFrameHandlers(ui::TComponent& frame, bool menu, bool dblClick) {
  if (handlerFrame_ && handlerFrame_ != &frame) DropFrameHandlers(*handlerFrame_);
  handlerFrame_ = &frame;
  frameMenu_ = menu;
  frameDblClick_ = dblClick;
  FreeNotification(frame);
}

void TTrayIcon::DropFrameHandlers(const ui::TComponent& frame) {
  if (handlerFrame_ != &frame) return;
  if (frameMenu_) popupMenu_ = nullptr;
  if (frameDblClick_) OnDblClick = nullptr;
  handlerFrame_ = nullptr;
  frameMenu_ = frameDblClick_ = false;
}

void TTrayIcon::Notification(ui::TComponent& component, ui::TOperation operation) {
  // A destroyed frame's menu and restoring handler would be used after it.
  if (operation == ui::TOperation::opRemove) DropFrameHandlers(component);
}

void TTrayIcon::CreateWindowHandle() {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &TrayWndProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kTrayWindowClass;
  RegisterClassExA(&wc);  // already registered by an earlier tray icon: fine
  // A hidden top-level window rather than a message-only one: the menu's
  // popup brings it to the foreground first, which only a top-level can be.
  window_ = CreateWindowExA(WS_EX_TOOLWINDOW, kTrayWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            wc.hInstance, nullptr);
  if (window_) SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

LRESULT TTrayIcon::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
    case WM_QUIT:
    case WM_USERCHANGED:
    case WM_NCDESTROY:
      // The window lives as long as the component, whatever asks it to go.
      return 1;
    case kTrayCallbackMessage:
      HandleTrayMouse(MouseMessage(lParam), KeyboardShift(), Cursor());
      return 0;
    default:
      return DefWindowProcA(window_, msg, wParam, lParam);
  }
}

TPoint TTrayIcon::Cursor() const {
  POINT at{};
  if (api_.CursorPos) api_.CursorPos(at);
  return TPoint{at.x, at.y};
}

void TTrayIcon::ReplaceIcon(HICON copy) {
  if (icon_) DestroyIcon(icon_);
  icon_ = copy;
}

void TTrayIcon::SetIcon(HICON icon) {
  ReplaceIcon(icon ? CopyIcon(icon) : nullptr);
  UpdateNotifyIcon();
}

void TTrayIcon::SetIconList(const std::vector<HICON>* list) {
  iconList_ = list;
  IconListChanged();
}

void TTrayIcon::CopyListIcon(int index) {
  const HICON source = (*iconList_)[static_cast<size_t>(index)];
  ReplaceIcon(source ? CopyIcon(source) : nullptr);
}

void TTrayIcon::SendNotifyIcon(TNotifyIconOp op) {
  record_.hIcon = icon_;
  const auto tip = Tip();
  static_assert(sizeof(record_.szTip) == kTrayTipSize, "the tip field holds 128 bytes");
  std::memcpy(record_.szTip, tip.data(), sizeof(record_.szTip));
  const DWORD code = op == TNotifyIconOp::nimAdd ? NIM_ADD : op == TNotifyIconOp::nimDelete ? NIM_DELETE : NIM_MODIFY;
  // The result is not looked at: an update of an icon that is not shown
  // simply fails, which is what it should do.
  if (api_.NotifyIcon) api_.NotifyIcon(code, &record_);
}

void TTrayIcon::SetClickTimer(bool enabled) {
  if (enabled)
    clickTimer_->Start(GetDoubleClickTime());
  else
    clickTimer_->Stop();
}

void TTrayIcon::SetAnimateTimer(bool enabled, uint32_t interval) {
  if (enabled)
    animateTimer_->Start(interval);
  else
    animateTimer_->Stop();
}

void TTrayIcon::ClickDefaultMenuItem() {
  if (popupMenu_) popupMenu_->ClickDefaultItem();
}

void TTrayIcon::PopupMenuAtCursor() {
  if (!popupMenu_ || !popupMenu_->AutoPopup()) return;
  POINT at{};
  if (!api_.CursorPos || !api_.CursorPos(at)) return;
  ui::Application().ProcessMessages();
  // A menu of a window in the background would not close when the user
  // clicks elsewhere; the foreground window takes that click.
  if (window_) SetForegroundWindow(window_);
  auto* owner = dynamic_cast<ui::TWinControl*>(Owner());
  if (owner && owner->HandleAllocated()) SetForegroundWindow(owner->Handle());
  popupMenu_->SetPopupComponent(this);
  popupMenu_->Popup(at.x, at.y);
  if (owner && owner->HandleAllocated()) PostMessageA(owner->Handle(), WM_NULL, 0, 0);
}

void TTrayIcon::Loaded() {
  if (ownerControl_ && MinimizedOnStart && !Designing) {
    SetIconVisible(true);
    MinimizeToTray = true;
    ui::Application().ShowMainForm = false;
    if (ui::Application().Handle()) ShowWindow(ui::Application().Handle(), SW_HIDE);
  }
  UpdateNotifyIcon();
  SetIconVisible(IconVisible());
}

void TTrayIcon::RestoreMainForm() {
  ui::TForm* main = ui::Application().MainForm();
  if (!ownerControl_ || !main) return;
  ShowWindow(ui::Application().Handle(), SW_RESTORE);
  main->SetVisible(true);
  if (main->HandleAllocated() && IsIconic(main->Handle())) ShowWindow(main->Handle(), SW_RESTORE);
}

void TTrayIcon::HideMainForm() {
  ui::TForm* main = ui::Application().MainForm();
  if (!ownerControl_ || !main) return;
  main->SetVisible(false);
  ShowWindow(ui::Application().Handle(), SW_HIDE);
}

void TTrayIcon::MinimizeToTrayIcon() {
  HideMainForm();
  SetIconVisible(true);
}

void TTrayIcon::ApplicationHook(ui::TMessage& m) {
  if (m.Msg == WM_SIZE && m.WParam == SIZE_MINIMIZED && MinimizeToTray) {
    MinimizeToTrayIcon();
  } else if (m.Msg == WM_WINDOWPOSCHANGED && firstMainForm_ && ui::Application().MainForm()) {
    // A multi-document main form shows itself past the hiding at load
    // time; its first position change hides the application again.
    if (MinimizedOnStart && dynamic_cast<ui::TMdiForm*>(ui::Application().MainForm()) && ui::Application().Handle())
      ShowWindow(ui::Application().Handle(), SW_HIDE);
    firstMainForm_ = false;
  } else if (taskbarCreated_ && m.Msg == taskbarCreated_ && IconVisible()) {
    // A new taskbar has an empty notification area.
    AddNotifyIcon();
  }
}

void TTrayIcon::OwnerWndProc(ui::TMessage& m) {
  if (m.Msg == WM_ACTIVATE && (LOWORD(m.WParam) == WA_ACTIVE || LOWORD(m.WParam) == WA_CLICKACTIVE)) {
    if (ui::TWinControl* active = ui::Screen().ActiveControl()) {
      ui::TWinControl* parent = active->Parent() ? active->Parent() : active;
      if (parent->HandleAllocated() && parent->Handle() != reinterpret_cast<HWND>(m.LParam)) active->SetFocus();
    }
  } else if (m.Msg == WM_SHOWWINDOW && m.WParam && m.LParam == 0) {
    ShowWindow(ui::Application().Handle(), SW_RESTORE);
    SetForegroundWindow(ui::Application().Handle());
    if (ownerControl_->HandleAllocated()) SetForegroundWindow(ownerControl_->Handle());
  }
  ownerPrevious_(m);
}

}  // namespace tavo::skin
