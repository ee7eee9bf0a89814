// The frame's tray operations until the frame holds a tray icon itself:
// binding a TTrayIcon to a TSkinForm (the icon hidden unless it should
// always show, MinimizeToTray cleared, its double-click restoring the
// form), HideToTray for the frame's minimize-to-tray command, and
// ShowFromTray. Win32 side.
#pragma once

#include "skin/win32/SkinForm.h"
#include "skin/win32/TrayIcon.h"

namespace tavo::skin {

// Sets the minimize-to-tray flag, minimizes the application (the tray's
// hook then hides the main form and shows the icon), fires
// OnMinimizeToTray.
void HideToTray(TSkinForm& frame, TTrayIcon& tray);
// Clears the flag, restores the main form and the application, removes
// the icon unless AlwaysShowInTray, fires OnRestoreFromTray.
void ShowFromTray(TSkinForm& frame, TTrayIcon& tray);
// Gives the frame its tray icon: the frame's minimize-to-tray command
// (and minimize with AlwaysMinimizeToTray) goes to HideToTray; other
// window commands keep the handler they had.
void AssignTrayIcon(TSkinForm& frame, TTrayIcon& tray);

}  // namespace tavo::skin
