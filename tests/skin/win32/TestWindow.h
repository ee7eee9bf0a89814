// A plain top-level window for the Win32 edge tests, destroyed with the
// object, and a helper that lets pending messages run.
#pragma once

#include <windows.h>

namespace tavo::skin::test {

class TTestWindow {
 public:
  TTestWindow(int x, int y, int width, int height, DWORD exStyle = 0) {
    static const char* const kClass = [] {
      WNDCLASSA wc{};
      wc.lpfnWndProc = DefWindowProcA;
      wc.hInstance = GetModuleHandleA(nullptr);
      wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
      wc.lpszClassName = "TavoSkinEdgeTest";
      RegisterClassA(&wc);
      return "TavoSkinEdgeTest";
    }();
    wnd_ = CreateWindowExA(exStyle | WS_EX_TOPMOST, kClass, "edge", WS_POPUP | WS_VISIBLE, x, y, width, height,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    Pump();
  }
  ~TTestWindow() {
    if (wnd_) DestroyWindow(wnd_);
  }
  TTestWindow(const TTestWindow&) = delete;
  TTestWindow& operator=(const TTestWindow&) = delete;

  HWND Get() const { return wnd_; }

  static void Pump() {
    for (int round = 0; round < 5; ++round) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
      Sleep(20);
    }
  }

 private:
  HWND wnd_ = nullptr;
};

}  // namespace tavo::skin::test
