// What the end-to-end flows know of setup.exe's first windows: their
// captions, the points of the splash window's bar at 96 dots per inch,
// and how long a window may take to appear.
#pragma once

#include <windows.h>

#include "tests/e2e/WindowDriver.h"

namespace tavo::e2e {

inline const wchar_t kSplashCaption[] = L"电话呼叫中心安装程序";
inline const wchar_t kDirectoryCaption[] = L"叫号程序安装";
constexpr DWORD kWindowTimeout = 30000;

// The captions on the splash window's bar (relative to the bar) and the
// bar on the splash window.
constexpr POINT kInstallOnBar{63 + 50, 6 + 13};
constexpr POINT kExitOnBar{247 + 20, 6 + 13};
constexpr POINT kBarOnSplash{10, 403 + 20};

inline POINT Scaled(POINT p) { return POINT{TWindowDriver::Scale(p.x), TWindowDriver::Scale(p.y)}; }

}  // namespace tavo::e2e
