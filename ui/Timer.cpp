// Window-message timers on one hidden message window of the program.
#include "ui/Timer.h"

#include <windows.h>

#include <exception>
#include <map>

#include "ui/Application.h"
#include "ui/UiException.h"

namespace tavo::ui {

// The window whose WM_TIMER messages drive every TTimer; each timer has its
// own id, so a tick for a timer that is gone finds nothing.
struct TTimerWindow {
  static std::map<UINT_PTR, TTimer*>& Timers() {
    static std::map<UINT_PTR, TTimer*> timers;
    return timers;
  }

  static HWND Handle() {
    static HWND wnd = Create();
    return wnd;
  }

  static HWND Create() {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TavoTimerWindow";
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) RaiseLastOSError();
    HWND wnd = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    if (!wnd) RaiseLastOSError();
    return wnd;
  }

  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_TIMER) return DefWindowProcA(wnd, msg, wParam, lParam);
    const auto it = Timers().find(wParam);
    if (it != Timers().end()) {
      try {
        it->second->Timer();
      } catch (...) {
        Application().HandleException(std::current_exception());
      }
    }
    return 0;
  }
};

TTimer::TTimer() { Update(); }

TTimer::~TTimer() {
  enabled_ = false;
  Update();
}

void TTimer::SetInterval(unsigned interval) {
  if (interval == interval_) return;
  interval_ = interval;
  Update();
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Update();
}

void TTimer::Update() {
  if (id_) {
    KillTimer(TTimerWindow::Handle(), id_);
    TTimerWindow::Timers().erase(id_);
    id_ = 0;
  }
  if (!enabled_ || interval_ == 0) return;
  static UINT_PTR nextId = 1;
  const UINT_PTR id = nextId++;
  if (!SetTimer(TTimerWindow::Handle(), id, interval_, nullptr)) RaiseLastOSError();
  id_ = id;
  TTimerWindow::Timers()[id_] = this;
}

void TTimer::Timer() {
  if (OnTimer) OnTimer(*this);
}

}  // namespace tavo::ui
