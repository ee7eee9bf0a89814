// What the skinned windows ask of the system: monitor work areas, the
// version checks that decide on layered windows, and translucency.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/Rect.h"

namespace tavo::skin::win32 {

// The work area (workArea) or the whole rectangle of the monitor nearest
// to wnd when the system has more than one monitor; otherwise the system
// work area or (0, 0, screen width, screen height).
tavo::TRect GetMonitorWorkArea(HWND wnd, bool workArea);

// The version rules, for a given major and minor version.
constexpr bool IsWindowsXPVersion(unsigned major, unsigned minor) { return major == 5 && minor == 1; }
// Layered windows are used on 5.0 to 5.2 only, as the skins were made for.
constexpr bool CanUseLayeredWindowsVersion(unsigned major, unsigned minor) { return major == 5 && minor <= 2; }

// The same for the running system (its true version, not the one a missing
// manifest entry would make the system report).
bool IsWindowsXP();
bool CanUseLayeredWindows();

// Sets wnd's constant alpha (0 to 255) through SetLayeredWindowAttributes,
// looked up at run time; does nothing where the system lacks it. The
// window must already be layered.
void SetWindowAlpha(HWND wnd, uint8_t alpha);

}  // namespace tavo::skin::win32
