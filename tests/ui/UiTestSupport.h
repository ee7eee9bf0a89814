// Helpers for tests of windows: the application set up once per program,
// the client area rendered into memory, and message pumping with a deadline.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "ui/Application.h"

namespace tavo::ui::testing_support {

class TUiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { Application().Initialize(); }
};

// The client area of a window as our paint code draws it (WM_PRINTCLIENT),
// so no display is needed to look at pixels.
class TClientPicture {
 public:
  explicit TClientPicture(HWND wnd) {
    RECT r;
    GetClientRect(wnd, &r);
    width_ = r.right;
    height_ = r.bottom;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width_;
    bi.bmiHeader.biHeight = -height_;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageA(wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    const auto* p = static_cast<const uint32_t*>(bits);
    pixels_.assign(p, p + static_cast<size_t>(width_) * height_);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }

  int Width() const { return width_; }
  int Height() const { return height_; }
  // 0x00BBGGRR, as COLORREF.
  COLORREF At(int x, int y) const {
    const uint32_t bgrx = pixels_[static_cast<size_t>(y) * width_ + x];
    return RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF);
  }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;
};

// Handles messages until done() is true or the deadline passes; returns
// done()'s last answer.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Application().ProcessMessages();
    Sleep(2);
  }
  return true;
}

inline LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

}  // namespace tavo::ui::testing_support
