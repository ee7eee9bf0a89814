// Process control, window search, mouse and keyboard input and screen
// capture.
#include "tests/e2e/WindowDriver.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <vector>

#include "tests/e2e/Png.h"

namespace tavo::e2e {

std::wstring WindowsPath(const std::string& path) {
  std::string p = path;
  if (!p.empty() && p[0] == '/') p = "Z:" + p;
  for (char& c : p) c = c == '/' ? '\\' : c;
  const int n = MultiByteToWideChar(CP_UTF8, 0, p.data(), static_cast<int>(p.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, p.data(), static_cast<int>(p.size()), w.data(), n);
  return w;
}

std::string EnvironmentOr(const char* name, const std::string& fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::string(value) : fallback;
}

TWindowDriver::~TWindowDriver() {
  if (info_.hProcess) {
    // A failed run must not leave the program behind for the next test.
    if (Running()) TerminateProcess(info_.hProcess, 255);
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }
}

bool TWindowDriver::Start(const std::wstring& exe) {
  std::wstring directory = exe.substr(0, exe.find_last_of(L'\\'));
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  return CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(),
                        &startup, &info_) != FALSE;
}

bool TWindowDriver::WaitForExit(DWORD timeoutMs) {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD TWindowDriver::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (info_.hProcess) GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

bool TWindowDriver::Running() const { return info_.hProcess && ExitCode() == STILL_ACTIVE; }

HWND TWindowDriver::WaitForWindow(const std::wstring& caption, DWORD timeoutMs) const {
  struct TSearch {
    DWORD pid;
    const std::wstring* caption;
    HWND found;
  };
  const DWORD start = GetTickCount();
  for (;;) {
    TSearch search{info_.dwProcessId, &caption, nullptr};
    EnumWindows(
        [](HWND wnd, LPARAM param) CALLBACK -> BOOL {
          auto* s = reinterpret_cast<TSearch*>(param);
          DWORD pid = 0;
          GetWindowThreadProcessId(wnd, &pid);
          if (pid != s->pid || !IsWindowVisible(wnd)) return TRUE;
          wchar_t text[256] = {};
          GetWindowTextW(wnd, text, 256);
          if (*s->caption != text) return TRUE;
          s->found = wnd;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    if (GetTickCount() - start > timeoutMs || !Running()) return nullptr;
    Sleep(100);
  }
}

bool TWindowDriver::WaitForHidden(HWND wnd, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (IsWindow(wnd) && IsWindowVisible(wnd)) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(100);
  }
  return true;
}

bool TWindowDriver::WaitForEnabled(HWND wnd, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!IsWindowEnabled(wnd)) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(50);
  }
  return true;
}

COLORREF TWindowDriver::ScreenPixel(HWND wnd, POINT clientPoint) {
  ClientToScreen(wnd, &clientPoint);
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, clientPoint.x, clientPoint.y);
  ReleaseDC(nullptr, screen);
  return c;
}

HWND TWindowDriver::ChildAt(HWND wnd, POINT clientPoint) {
  HWND child = ChildWindowFromPointEx(wnd, clientPoint, CWP_SKIPINVISIBLE);
  return child ? child : wnd;
}

int TWindowDriver::Scale(int value) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return MulDiv(value, dpi > 0 ? dpi : 96, 96);
}

void TWindowDriver::Click(HWND wnd, POINT clientPoint) {
  POINT p = clientPoint;
  ClientToScreen(wnd, &p);
  const int w = GetSystemMetrics(SM_CXSCREEN);
  const int h = GetSystemMetrics(SM_CYSCREEN);
  INPUT input[3] = {};
  for (INPUT& i : input) {
    i.type = INPUT_MOUSE;
    // Absolute coordinates run from 0 to 65535 across the screen.
    i.mi.dx = MulDiv(p.x, 65535, w - 1);
    i.mi.dy = MulDiv(p.y, 65535, h - 1);
  }
  input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
  input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input[0], sizeof(INPUT));
  Sleep(150);  // let the program see the cursor arrive before the press
  SendInput(1, &input[1], sizeof(INPUT));
  Sleep(50);
  SendInput(1, &input[2], sizeof(INPUT));
}

void TWindowDriver::SendMouse(POINT p, DWORD flags) {
  const int w = GetSystemMetrics(SM_CXSCREEN);
  const int h = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  // Absolute coordinates run from 0 to 65535 across the screen.
  input.mi.dx = MulDiv(p.x, 65535, w - 1);
  input.mi.dy = MulDiv(p.y, 65535, h - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof(INPUT));
}

namespace {

POINT ToScreen(HWND wnd, POINT clientPoint) {
  ClientToScreen(wnd, &clientPoint);
  return clientPoint;
}

}  // namespace

void TWindowDriver::MoveMouse(HWND wnd, POINT clientPoint) {
  SendMouse(ToScreen(wnd, clientPoint), MOUSEEVENTF_MOVE);
}

void TWindowDriver::RightClick(HWND wnd, POINT clientPoint) {
  const POINT p = ToScreen(wnd, clientPoint);
  SendMouse(p, MOUSEEVENTF_MOVE);
  Sleep(150);  // let the program see the cursor arrive before the press
  SendMouse(p, MOUSEEVENTF_RIGHTDOWN);
  Sleep(50);
  SendMouse(p, MOUSEEVENTF_RIGHTUP);
}

void TWindowDriver::DoubleClick(HWND wnd, POINT clientPoint) {
  const POINT p = ToScreen(wnd, clientPoint);
  SendMouse(p, MOUSEEVENTF_MOVE);
  Sleep(150);
  // Four events within a quarter of the double-click time (at most 20 ms
  // apart), so the second press is a double click however slow the system.
  const DWORD gap = std::min<DWORD>(20, GetDoubleClickTime() / 8);
  for (DWORD flags : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
    SendMouse(p, flags);
    Sleep(gap);
  }
}

void TWindowDriver::Drag(HWND wnd, POINT from, POINT to, int steps) {
  if (steps < 1) steps = 1;
  const POINT start = ToScreen(wnd, from);
  const POINT end = ToScreen(wnd, to);
  SendMouse(start, MOUSEEVENTF_MOVE);
  Sleep(150);
  SendMouse(start, MOUSEEVENTF_LEFTDOWN);
  Sleep(50);
  for (int i = 1; i <= steps; ++i) {
    const POINT p{start.x + MulDiv(end.x - start.x, i, steps), start.y + MulDiv(end.y - start.y, i, steps)};
    SendMouse(p, MOUSEEVENTF_MOVE);
    Sleep(30);
  }
  SendMouse(end, MOUSEEVENTF_LEFTUP);
}

void TWindowDriver::SendKey(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof(INPUT));
}

void TWindowDriver::PressKey(WORD key) { PressKeys({key}); }

void TWindowDriver::PressKeys(std::initializer_list<WORD> keys) {
  for (WORD key : keys) {
    SendKey(key, false);
    Sleep(20);
  }
  for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) {
    SendKey(*it, true);
    Sleep(20);
  }
}

bool TWindowDriver::Screenshot(HWND wnd, const std::wstring& file) {
  RECT r;
  if (!GetWindowRect(wnd, &r)) return false;
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const auto* p = static_cast<const uint32_t*>(bits);
  const std::vector<uint32_t> pixels(p, p + static_cast<size_t>(width) * height);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return WritePng(file, width, height, pixels);
}

}  // namespace tavo::e2e
