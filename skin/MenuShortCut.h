// The frame's shortcut decision: a skinned form shows no native menu bar,
// so the frame answers the form's shortcut handler itself from the main
// menu of its main menu bar (and a multi-document child's menu shown
// beside it). The bar is a component of its own; the frame reaches it only
// through TSkinMainMenuBar. Portable.
#pragma once

#include <cstdint>

#include "skin/MenuItem.h"

namespace tavo::skin {

// What the frame asks of a skinned main menu bar.
class TSkinMainMenuBar {
 public:
  virtual ~TSkinMainMenuBar() = default;
  // The main menu whose items the bar shows, or null.
  virtual TMenu* MainMenu() = 0;
  // The menu of a maximized multi-document child the bar shows beside its
  // own, or null.
  virtual TMenu* ChildMainMenu() = 0;
  // True when the bar takes the key, pressed with Alt alone, as the
  // accelerator of one of its items (and opens that item).
  virtual bool AcceptsAccelerator(unsigned key) = 0;
  // Alt pressed and released alone: the bar starts keyboard selection.
  virtual void StartKeyboardSelection() = 0;
  // Main-menu mode: the bar has the keyboard.
  virtual bool MainMenuMode() const = 0;
  virtual void LeaveMainMenuMode() = 0;
};

// The in-shortcut flag and the decision. The flag is set when the main
// menu's shortcut matching fired an item; the next offer of that same key
// press then reports it unhandled once, so a press offered twice never
// fires twice. A new press clears the flag and is decided afresh, so a
// shortcut pressed again fires again.
class TFrameShortCuts {
 public:
  // True when the key press (shortcut value and the loop's serial for the
  // press) is handled as a shortcut of the bar's menus; bar may be null.
  bool IsShortCut(TShortCut key, uint32_t serial, TSkinMainMenuBar* bar);
  bool InShortCut() const { return inShortCut_; }

 private:
  bool Decide(TMenu& menu, TShortCut key, uint32_t serial, TSkinMainMenuBar& bar);

  bool inShortCut_ = false;
  uint32_t serial_ = 0;
};

}  // namespace tavo::skin
