// Process control, window search, mouse input and screen capture.
#include "tests/e2e/WindowDriver.h"

#include <cstdlib>
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
