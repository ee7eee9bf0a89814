// The items of the frame's system menu and of its tray menu: which appear
// for the window's state and border icons, their captions (the skin's
// resource strings or the built-in texts), shortcuts and what each click
// does. Portable: the frame supplies its state and its commands.
#pragma once

#include "core/BorderIcons.h"
#include "skin/FrameObjectHost.h"
#include "skin/MenuItem.h"

namespace tavo::skin {

class TResourceStrData;

// What the system menu's clicks run, and the state they read at that time.
class TSystemMenuHost {
 public:
  virtual ~TSystemMenuHost() = default;
  virtual TWindowState WindowState() const = 0;
  virtual bool RolledUp() const = 0;
  virtual bool AlwaysMinimizeToTray() const = 0;
  virtual void ChangeWindowState(TWindowState state) = 0;
  virtual void ChangeRollUp(bool value) = 0;
  virtual void HideToTray() = 0;
  virtual void ShowFromTray() = 0;
  virtual void CloseForm() = 0;
};

// The state the menu is built for.
struct TSystemMenuState {
  TWindowState State = TWindowState::wsNormal;
  bool RolledUp = false;
  TBorderIcons Icons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize,
                     TBorderIcon::biRollUp};
  bool MdiChild = false;
  // Captions from these strings when set, else the built-in texts.
  const TResourceStrData* Strings = nullptr;
};

// The caption of a system item: the resource string when strings are
// given, else the built-in text.
std::string SystemItemCaption(const char* resourceName, const char* builtIn, const TResourceStrData* strings);

// Empties root and fills it with the frame's own system menu, in this
// order: minimize, maximize, restore, roll up, minimize to tray, a
// separator (when an item came before), close.
void BuildOwnSystemMenu(TMenuItem& root, const TSystemMenuState& state, TSystemMenuHost& host);

// Completes an assigned system menu: its items of the system names are
// removed; then minimize, restore, maximize, roll up and minimize to tray
// (as far as present) lead the menu, its own items follow and close ends
// it; no separator is added.
void CompleteAssignedSystemMenu(TMenuItem& root, const TSystemMenuState& state, TSystemMenuHost& host);

// Fills root with the tray menu: restore, a separator, close.
void BuildTrayMenu(TMenuItem& root, const TSystemMenuState& state, TSystemMenuHost& host);

// The frame's system menu as its caption buttons pop it up: the frame's
// own menu, rebuilt on each use, or an assigned SystemMenu (completed when
// UseDefaultSysMenu is set, else shown as it is).
class TSystemMenu : public TMenu, public TObjectMenu {
 public:
  // Builds for this use and returns the item whose sub-items are shown.
  TMenuItem& Build(const TSystemMenuState& state, TMenu* assigned, bool useDefaultSysMenu, TSystemMenuHost& host);
  // The item the last Build returned (the own menu's before any).
  TMenuItem& Root() const { return *root_; }
  bool HasSubItems() const override { return root_->Count() > 0; }

 private:
  TMenuItem* root_ = &Items();
};

}  // namespace tavo::skin
