// The frame's tray operations over a TTrayIcon.
#include "skin/win32/TrayIconFrame.h"

#include "ui/Application.h"

namespace tavo::skin {

void HideToTray(TSkinForm& frame, TTrayIcon& tray) {
  tray.MinimizeToTray = true;
  ui::Application().Minimize();
  if (frame.OnMinimizeToTray) frame.OnMinimizeToTray(frame);
}

void ShowFromTray(TSkinForm& frame, TTrayIcon& tray) {
  tray.MinimizeToTray = false;
  tray.RestoreMainForm();
  ui::Application().Restore();
  if (!frame.AlwaysShowInTray) tray.SetIconVisible(false);
  if (frame.OnRestoreFromTray) frame.OnRestoreFromTray(frame);
}

void AssignTrayIcon(TSkinForm& frame, TTrayIcon& tray) {
  if (!frame.AlwaysShowInTray) tray.SetIconVisible(false);
  tray.MinimizeToTray = false;
  if (!tray.OnDblClick) tray.OnDblClick = [&frame, &tray](TTrayIconLogic&) { ShowFromTray(frame, tray); };
  // The frame's own commands (its minimise-to-tray button, minimise with
  // AlwaysMinimizeToTray, the tray items of its system menu) end here.
  frame.TrayHide = [&frame, &tray] { HideToTray(frame, tray); };
  frame.TrayShow = [&frame, &tray] { ShowFromTray(frame, tray); };
}

}  // namespace tavo::skin
