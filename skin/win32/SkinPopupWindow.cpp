// The popup menu window: class, showing, painting, timers and the mouse.
#include "skin/win32/SkinPopupWindow.h"

#include <exception>

#include "skin/win32/DibSection.h"
#include "skin/win32/Monitor.h"
#include "skin/win32/RegionWin32.h"
#include "ui/Application.h"
#include "ui/Handles.h"

namespace tavo::skin {

const char* const TSkinPopupWindow::kClassName = "TavoSkinPopupWindow";

TPopupAlphaApi TPopupAlphaApi::System() { return TPopupAlphaApi{[](HWND w, uint8_t a) { win32::SetWindowAlpha(w, a); }}; }

namespace {

void RegisterPopupClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSA wc{};
  // CS_SAVEBITS: the system keeps what lies below, so closing a menu does
  // not make the windows under it repaint.
  wc.style = CS_SAVEBITS | (win32::IsWindowsXP() ? CS_DROPSHADOW : 0);
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.lpszClassName = TSkinPopupWindow::kClassName;
  registered = RegisterClassA(&wc) != 0;
}

}  // namespace

TSkinPopupWindow::TSkinPopupWindow(TMenuEngine& engine, TPopupLogic& popup, HWND owner, TPopupAlphaApi alpha)
    : engine_(engine), popup_(popup), alpha_(std::move(alpha)) {
  RegisterPopupClass();
  wnd_ = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, 0, 0, popup.Width(), popup.Height(), owner,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!wnd_) return;
  SetWindowLongPtrA(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(wnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
}

TSkinPopupWindow::~TSkinPopupWindow() {
  if (!wnd_) return;
  KillTimer(wnd_, kScrollTimer);
  KillTimer(wnd_, kMouseTimer);
  KillTimer(wnd_, kMorphTimer);
  SetWindowLongPtrA(wnd_, GWLP_USERDATA, 0);
  DestroyWindow(wnd_);
}

TSkinPopupWindow* TSkinPopupWindow::FromHandle(HWND wnd) {
  if (!wnd) return nullptr;
  char name[64] = {};
  GetClassNameA(wnd, name, sizeof name);
  if (lstrcmpA(name, kClassName) != 0) return nullptr;
  return reinterpret_cast<TSkinPopupWindow*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
}

void TSkinPopupWindow::Show(const TRect& b, const std::optional<TRegion>& region, const std::vector<uint8_t>& alpha) {
  if (!wnd_) return;
  SetWindowPos(wnd_, nullptr, 0, 0, b.right - b.left, b.bottom - b.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (region) win32::SetWindowRegion(wnd_, win32::CreateRegion(*region), true);
  if (!alpha.empty()) {
    SetWindowLongA(wnd_, GWL_EXSTYLE, GetWindowLongA(wnd_, GWL_EXSTYLE) | WS_EX_LAYERED);
    if (alpha_.SetAlpha) alpha_.SetAlpha(wnd_, alpha.size() > 1 ? 0 : alpha.front());
  }
  SetWindowPos(wnd_, HWND_TOPMOST, b.left, b.top, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
  if (alpha.size() > 1 && alpha_.SetAlpha)
    for (uint8_t a : alpha) alpha_.SetAlpha(wnd_, a);
}

void TSkinPopupWindow::Paint(HDC dc) { win32::DrawBitmap(dc, 0, 0, popup_.Compose()); }

void TSkinPopupWindow::Repaint() {
  if (!wnd_ || !IsWindowVisible(wnd_)) return;
  ui::TWindowDC dc(wnd_);
  Paint(dc);
}

void TSkinPopupWindow::RedrawItem(int index) {
  if (!wnd_ || !IsWindowVisible(wnd_) || index < 0 || index >= popup_.Count()) return;
  const TSkinMenuItem& it = popup_.Items()[index];
  if (!it.Visible) return;
  // A highlighted item is drawn alone, straight onto the window.
  ui::TWindowDC dc(wnd_);
  win32::DrawBitmap(dc, it.ObjectRect.left, it.ObjectRect.top, popup_.ItemPicture(index));
}

void TSkinPopupWindow::SetScrollTimer(bool on) {
  if (!wnd_) return;
  if (on)
    SetTimer(wnd_, kScrollTimer, kPopupScrollMs, nullptr);
  else
    KillTimer(wnd_, kScrollTimer);
}

void TSkinPopupWindow::SetMouseTimer(bool on) {
  if (!wnd_) return;
  if (on)
    SetTimer(wnd_, kMouseTimer, kPopupMouseMs, nullptr);
  else
    KillTimer(wnd_, kMouseTimer);
}

void TSkinPopupWindow::SetMorphTimer(bool on) {
  if (!wnd_ || on == morphTimer_) return;
  morphTimer_ = on;
  if (on)
    SetTimer(wnd_, kMorphTimer, kPopupMorphMs, nullptr);
  else
    KillTimer(wnd_, kMorphTimer);
}

void TSkinPopupWindow::MouseTick() {
  POINT screen;
  if (!GetCursorPos(&screen)) return;
  const bool over = WindowFromPoint(screen) == wnd_;
  POINT client = screen;
  ScreenToClient(wnd_, &client);
  engine_.MouseTick(popup_, TPoint{client.x, client.y}, over);
}

LRESULT CALLBACK TSkinPopupWindow::WindowProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  auto* self = reinterpret_cast<TSkinPopupWindow*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(wnd, msg, w, l);
  // The engine may close this very popup while handling the message; the
  // window procedure must not unwind through the system either.
  try {
    return self->Dispatch(msg, w, l);
  } catch (...) {
    ui::Application().HandleException(std::current_exception());
    return 0;
  }
}

LRESULT TSkinPopupWindow::Dispatch(UINT msg, WPARAM w, LPARAM l) {
  HWND wnd = wnd_;
  switch (msg) {
    case WM_MOUSEACTIVATE:
      // A menu never takes the activation or the focus from the form.
      return MA_NOACTIVATE;
    case WM_ERASEBKGND:
      Paint(reinterpret_cast<HDC>(w));
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(wnd, &ps);
      Paint(dc);
      EndPaint(wnd, &ps);
      return 0;
    }
    case WM_TIMER:
      if (w == kMouseTimer)
        MouseTick();
      else if (w == kScrollTimer)
        engine_.ScrollTick(popup_);
      else if (w == kMorphTimer)
        engine_.MorphTick(popup_);
      return 0;
    case WM_LBUTTONUP:
      engine_.LeftButtonUp(popup_, static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l)));
      return 0;
    default:
      return DefWindowProcA(wnd, msg, w, l);
  }
}

}  // namespace tavo::skin
