// Execute for the caption-button commands.
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

}  // namespace tavo::skin
