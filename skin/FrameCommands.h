// The caption-button commands: what Execute does for each command of a
// standard button or an animate object (the objects decide when it runs,
// the frame what it does). Portable.
#pragma once

#include "skin/FrameWindowState.h"
#include "skin/SkinTypes.h"

namespace tavo::skin {

// The frame operations the commands use.
class TFrameCommandHost {
 public:
  virtual ~TFrameCommandHost() = default;
  virtual TWindowState WindowState() const = 0;
  virtual bool RolledUp() const = 0;
  virtual bool AlwaysMinimizeToTray() const = 0;
  virtual void CloseForm() = 0;
  virtual void ChangeWindowState(TWindowState state) = 0;
  virtual void ChangeRollUp(bool value) = 0;
  virtual void HideToTray() = 0;
  // The object's menu item becomes the system menu and pops up (animate
  // objects).
  virtual void PopUpSystemMenu() = 0;
  // The object's menu item pops up when it has one (animate objects).
  virtual void PopUpMenuItem() = 0;
};

// Runs a command. Standard buttons (animate false) do nothing for the
// system menu (it opens on the press) and the default command; animate
// objects pop their menu up for those.
void ExecuteCommand(TStdCommand command, bool animate, TFrameCommandHost& host);

}  // namespace tavo::skin
