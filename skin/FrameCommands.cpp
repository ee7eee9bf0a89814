// Execute for the caption-button commands and the standard button's
// release order.
#include "skin/FrameCommands.h"

namespace tavo::skin {

void ExecuteCommand(TStdCommand command, bool animate, TFrameCommandHost& host) {
  switch (command) {
    case TStdCommand::cmClose:
      host.CloseForm();
      return;
    case TStdCommand::cmMaximize:
      host.ChangeWindowState(host.WindowState() == TWindowState::wsMaximized ? TWindowState::wsNormal
                                                                             : TWindowState::wsMaximized);
      return;
    case TStdCommand::cmMinimize:
      if (host.AlwaysMinimizeToTray())
        host.HideToTray();
      else
        host.ChangeWindowState(host.WindowState() == TWindowState::wsMinimized ? TWindowState::wsNormal
                                                                               : TWindowState::wsMinimized);
      return;
    case TStdCommand::cmSysMenu:
      if (animate) host.PopUpSystemMenu();
      return;
    case TStdCommand::cmDefault:
      if (animate) host.PopUpMenuItem();
      return;
    case TStdCommand::cmRollUp:
      host.ChangeRollUp(!host.RolledUp());
      return;
    case TStdCommand::cmMinimizeToTray:
      host.HideToTray();
      return;
  }
}

void StdButtonMouseUp(TStdCommand command, bool active, TMouseButton button, const std::function<void()>& asButton,
                      const std::function<void()>& execute) {
  const bool runs = active && button == TMouseButton::mbLeft;
  if (command == TStdCommand::cmClose) {
    if (asButton) asButton();
    if (runs && execute) execute();
  } else {
    if (runs && execute) execute();
    if (asButton) asButton();
  }
}

}  // namespace tavo::skin
