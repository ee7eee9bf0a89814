// Monitors, version checks and window alpha.
#include "skin/win32/Monitor.h"

namespace tavo::skin::win32 {

namespace {

// GetProcAddress gives a generic function pointer; going through void(*)()
// tells the compiler the cast to the real type is intended.
template <class F>
F Lookup(HMODULE module, const char* name) {
  return module ? reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name))) : nullptr;
}

struct TVersion {
  unsigned major = 0, minor = 0;
};

TVersion SystemVersion() {
  // RtlGetVersion reports the real version; GetVersionEx would report 6.2
  // to a program whose manifest does not list the running system.
  using TRtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (auto rtlGetVersion = Lookup<TRtlGetVersion>(GetModuleHandleA("ntdll.dll"), "RtlGetVersion"))
    if (rtlGetVersion(&info) == 0) return TVersion{info.dwMajorVersion, info.dwMinorVersion};
  const DWORD packed = GetVersion();
  return TVersion{LOBYTE(LOWORD(packed)), HIBYTE(LOWORD(packed))};
}

}  // namespace

TRect GetMonitorWorkArea(HWND wnd, bool workArea) {
  if (GetSystemMetrics(SM_CMONITORS) > 1) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoA(MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST), &info)) {
      const RECT& r = workArea ? info.rcWork : info.rcMonitor;
      return TRect{r.left, r.top, r.right, r.bottom};
    }
  }
  if (workArea) {
    RECT r{};
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0)) return TRect{r.left, r.top, r.right, r.bottom};
  }
  return TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool IsWindowsXP() {
  const TVersion v = SystemVersion();
  return IsWindowsXPVersion(v.major, v.minor);
}

bool CanUseLayeredWindows() {
  const TVersion v = SystemVersion();
  return CanUseLayeredWindowsVersion(v.major, v.minor);
}

void SetWindowAlpha(HWND wnd, uint8_t alpha) {
  using TSetLayeredWindowAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  HMODULE user32 = GetModuleHandleA("user32.dll");
  if (!user32) user32 = LoadLibraryA("user32.dll");
  if (auto set = Lookup<TSetLayeredWindowAttributes>(user32, "SetLayeredWindowAttributes"))
    set(wnd, 0, alpha, 2 /* LWA_ALPHA */);
}

}  // namespace tavo::skin::win32
