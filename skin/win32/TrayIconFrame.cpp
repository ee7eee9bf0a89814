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
  auto previous = frame.OnWindowCommand;
  frame.OnWindowCommand = [&frame, &tray, previous](TStdCommand command) {
    if (command == TStdCommand::cmMinimizeToTray ||
        (command == TStdCommand::cmMinimize && frame.AlwaysMinimizeToTray)) {
      HideToTray(frame, tray);
    } else if (previous) {
      previous(command);
    }
  };
}

}  // namespace tavo::skin
