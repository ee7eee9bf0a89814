// One of the demo package's three programs (Manager, Backend, DbLaunch). It
// shows a small window saying which program it is and appends a line to
// "install-trace.log" at the install root (the folder above its own), so
// that a test can tell which programs the installer started and in which
// order. It closes itself after a few seconds: it stands in for the product.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#ifndef DEMO_PROGRAM_NAME
#error "DEMO_PROGRAM_NAME names the program (Manager, Backend or DbLaunch)"
#endif

namespace {

constexpr UINT_PTR kCloseTimer = 1;
constexpr UINT kShowSeconds = 8;
constexpr int kTraceAttempts = 100;
constexpr DWORD kTraceRetryMs = 50;

std::wstring Title() {
  return std::wstring(L"\x7535\x8BDD\x547C\x53EB\x4E2D\x5FC3 \x2014 ") + DEMO_PROGRAM_NAME;
}

// The install root: the directory above the one holding this program.
std::string InstallRoot() {
  char path[MAX_PATH * 2] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  if (n == 0 || n >= sizeof path) return std::string();
  std::string p(path, n);
  for (int i = 0; i < 2; ++i) {
    const size_t cut = p.find_last_of('\\');
    if (cut == std::string::npos) return std::string();
    p.resize(cut);
  }
  return p + "\\";
}

void AppendTrace() {
  const std::string root = InstallRoot();
  if (root.empty()) return;
  // Someone reading the trace at this moment may hold it open without
  // sharing it for writing: try again for a while.
  FILE* f = nullptr;
  for (int attempt = 0; attempt < kTraceAttempts && !f; ++attempt) {
    f = std::fopen((root + "install-trace.log").c_str(), "ab");
    if (!f) Sleep(kTraceRetryMs);
  }
  if (!f) return;
  char dir[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof dir, dir);
  std::fprintf(f, "%s started, current directory %s\r\n", DEMO_PROGRAM_NAME_A, dir);
  std::fclose(f);
}

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT rc;
      GetClientRect(hwnd, &rc);
      HBRUSH brush = CreateSolidBrush(RGB(0, 96, 160));
      FillRect(dc, &rc, brush);
      DeleteObject(brush);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(255, 255, 255));
      const std::wstring text = std::wstring(DEMO_PROGRAM_NAME) + L"\n" + DEMO_PROGRAM_CAPTION;
      DrawTextW(dc, text.c_str(), -1, &rc, DT_CENTER | DT_VCENTER | DT_WORDBREAK);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_TIMER:
      if (wp == kCloseTimer) DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  AppendTrace();
  WNDCLASSW wc = {};
  wc.lpfnWndProc = WndProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = L"TavoDemoProgram";
  RegisterClassW(&wc);
  const std::wstring title = Title();
  HWND hwnd = CreateWindowW(wc.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                            320, 140, nullptr, nullptr, instance, nullptr);
  if (!hwnd) return 1;
  ShowWindow(hwnd, show);
  SetTimer(hwnd, kCloseTimer, kShowSeconds * 1000, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
