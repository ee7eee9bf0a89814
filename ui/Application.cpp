// The application object: COM, the owner window, the message loop with its
// keyboard navigation, and the error box for failures no handler caught.
#include "ui/Application.h"

#include <objbase.h>
#include <commctrl.h>

#include "core/Exception.h"
#include "platform/Ui.h"
#include "ui/MdiForm.h"
#include "ui/UiException.h"

namespace tavo::ui {

namespace {

constexpr char kApplicationClass[] = "TavoApplication";

LRESULT CALLBACK ApplicationWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage hooked{wnd, msg, wParam, lParam, 0};
  Application().RunMainWindowHooks(hooked);
  if (msg == WM_CLOSE) {
    // Closing the taskbar button closes the main form, which ends the program.
    try {
      if (TForm* main = Application().MainForm()) main->Close();
    } catch (...) {
      Application().HandleException(std::current_exception());
    }
    return 0;
  }
  if (msg == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) {
    // The taskbar button activates this window of no size: hand the
    // activation on to the form the user last worked in (the modal one).
    HWND popup = GetLastActivePopup(wnd);
    if (popup && popup != wnd && IsWindowVisible(popup) && IsWindowEnabled(popup)) {
      SetActiveWindow(popup);
      return 0;
    }
  }
  return DefWindowProcA(wnd, msg, wParam, lParam);
}

// The control that has the keyboard focus, or owns the window that has it.
TWinControl* FocusedControl(HWND wnd) {
  while (wnd && !TWinControl::FromHandle(wnd)) wnd = GetParent(wnd);
  return TWinControl::FromHandle(wnd);
}

bool DispatchDialogChar(const TWinControl& parent, char key) {
  for (TControl* c : parent.Controls()) {
    if (!c->Visible()) continue;
    if (c->IsWindowed()) {
      if (DispatchDialogChar(*static_cast<TWinControl*>(c), key)) return true;
    } else if (c->DialogChar(key)) {
      return true;
    }
  }
  return false;
}

}  // namespace

TApplication& Application() {
  static TApplication application;
  return application;
}

TApplication::TApplication() = default;

TApplication::~TApplication() { Finalize(); }

void TApplication::Initialize() {
  if (!comInitialized_) comInitialized_ = SUCCEEDED(CoInitialize(nullptr));
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  CreateHandle();
  // The engines' message dispatch during long work (an extraction) is this
  // loop's: Tab moves the focus and a failure in a handler is reported.
  platform::SetMessagePump([this] { ProcessMessages(); });
}

void TApplication::CreateHandle() {
  if (handle_) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &ApplicationWndProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hIcon = LoadIconA(wc.hInstance, "MAINICON");
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kApplicationClass;
  if (!icon_) icon_ = wc.hIcon;
  if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) RaiseLastOSError();
  // A window of no size at the screen's centre: it carries the taskbar
  // button with the title and owns every form, so the forms have none.
  handle_ = CreateWindowExA(0, kApplicationClass, title_.c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                            nullptr, wc.hInstance, nullptr);
  if (!handle_) RaiseLastOSError();
}

void TApplication::Minimize() {
  if (handle_) ShowWindow(handle_, SW_MINIMIZE);
}

void TApplication::Restore() {
  if (handle_ && IsIconic(handle_)) ShowWindow(handle_, SW_RESTORE);
}

void TApplication::Finalize() {
  platform::SetMessagePump(nullptr);
  while (!forms_.empty()) forms_.pop_back();
  mainForm_ = nullptr;
  if (handle_) {
    DestroyWindow(handle_);
    handle_ = nullptr;
  }
  if (comInitialized_) {
    CoUninitialize();
    comInitialized_ = false;
  }
}

void TApplication::SetIcon(HICON icon) {
  icon_ = icon;
  if (handle_) SendMessageA(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  if (handle_) SetWindowTextA(handle_, title_.c_str());
}

void TApplication::Run() {
  if (!mainForm_) return;
  if (handle_) SetWindowPos(handle_, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  try {
    if (ShowMainForm) mainForm_->Show();
  } catch (const std::exception& failure) {
    ShowException(failure);
  }
  while (!terminated_ && HandleMessage()) {
  }
}

int TApplication::HookMainWindow(TMainWindowHook hook) {
  hooks_.emplace_back(++nextHookId_, std::move(hook));
  return nextHookId_;
}

void TApplication::UnhookMainWindow(int id) {
  std::erase_if(hooks_, [id](const auto& h) { return h.first == id; });
}

void TApplication::RunMainWindowHooks(TMessage& m) {
  // A copy: a hook may add or remove hooks while they run.
  const auto hooks = hooks_;
  for (auto it = hooks.rbegin(); it != hooks.rend(); ++it) {
    try {
      it->second(m);
    } catch (...) {
      HandleException(std::current_exception());
    }
  }
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

bool TApplication::HandleMessage() {
  MSG msg;
  const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
  if (got == 0 || got == -1) {
    terminated_ = true;
    return false;
  }
  if (!PreTranslate(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  ReportPendingException();
  return true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Leave it for the loop that owns it.
      terminated_ = true;
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (!PreTranslate(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    ReportPendingException();
  }
}

bool TApplication::PreTranslate(MSG& msg) {
  if (OnMessage) {
    bool handled = false;
    OnMessage(msg, handled);
    if (handled) return true;
  }
  if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && OfferShortCut(msg)) return true;
  // Ctrl+F4 and Ctrl+F6 of a multi-document window go to its client window.
  if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
    TMdiForm* mdi = FindMdiForm(msg.hwnd);
    if (mdi && mdi->ClientHandle() && TranslateMDISysAccel(mdi->ClientHandle(), &msg)) return true;
  }
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 &&
      GetKeyState(VK_MENU) >= 0) {
    TWinControl* focused = FocusedControl(msg.hwnd);
    TForm* form = focused ? focused->ParentForm() : nullptr;
    if (form && form->SelectNext(focused == form ? nullptr : focused, GetKeyState(VK_SHIFT) >= 0)) return true;
  }
  if (msg.message == WM_SYSCHAR) {
    TWinControl* focused = FocusedControl(msg.hwnd);
    TForm* form = focused ? focused->ParentForm() : nullptr;
    if (form && DispatchDialogChar(*form, static_cast<char>(msg.wParam))) return true;
  }
  return false;
}

TShortCutKey ShortCutOfKeyMessage(const MSG& msg, uint32_t serial) {
  uint16_t shortCut = static_cast<uint16_t>(msg.wParam & 0xFF);
  if (GetKeyState(VK_SHIFT) < 0) shortCut |= 0x2000;
  if (GetKeyState(VK_CONTROL) < 0) shortCut |= 0x4000;
  // A system key press carries Alt in bit 29 of its second parameter.
  if (GetKeyState(VK_MENU) < 0 || (msg.message == WM_SYSKEYDOWN && (msg.lParam & (1 << 29)))) shortCut |= 0x8000;
  return TShortCutKey{shortCut, serial};
}

bool TApplication::OfferShortCut(const MSG& msg) {
  TWinControl* focused = FocusedControl(msg.hwnd);
  TForm* form = focused ? focused->ParentForm() : nullptr;
  if (!form) return false;
  return form->IsShortCut(ShortCutOfKeyMessage(msg, ++keySerial_));
}

void TApplication::HandleException(std::exception_ptr failure) noexcept {
  // The first failure is the one to report; what follows from it is noise.
  if (!pending_) pending_ = failure;
}

void TApplication::ReportPendingException() {
  if (!pending_) return;
  std::exception_ptr failure = std::exchange(pending_, nullptr);
  try {
    try {
      std::rethrow_exception(failure);
    } catch (const std::exception& e) {
      ShowException(e);
    } catch (...) {
      ShowException(Exception("Unknown failure"));
    }
  } catch (...) {
    // Reporting must not end the loop either.
  }
}

void TApplication::ShowException(const std::exception& failure) {
  if (OnException) {
    OnException(failure);
    return;
  }
  MessageBox(ErrorBoxText(failure.what()), std::string(), MB_OK | MB_ICONERROR);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
  HWND owner = GetActiveWindow();
  if (!owner) owner = handle_;
  return ::MessageBoxA(owner, text.c_str(), caption.empty() ? title_.c_str() : caption.c_str(), flags);
}

int TApplication::PixelsPerInch() const {
  if (!pixelsPerInch_) {
    TWindowDC dc(nullptr);
    pixelsPerInch_ = GetDeviceCaps(dc, LOGPIXELSY);
    if (pixelsPerInch_ <= 0) pixelsPerInch_ = 96;
  }
  return pixelsPerInch_;
}

}  // namespace tavo::ui
