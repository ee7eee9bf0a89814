// The frame's shortcut decision.
#include "skin/MenuShortCut.h"

namespace tavo::skin {

bool TFrameShortCuts::Decide(TMenu& menu, TShortCut key, uint32_t serial, TSkinMainMenuBar& bar) {
  if ((key & (scShift | scCtrl | scAlt)) == scAlt && bar.AcceptsAccelerator(key & 0xFF)) return true;
  const bool matched = menu.IsShortCut(key);
  inShortCut_ = matched;
  serial_ = serial;
  return matched;
}

bool TFrameShortCuts::IsShortCut(TShortCut key, uint32_t serial, TSkinMainMenuBar* bar) {
  if (inShortCut_) {
    inShortCut_ = false;
    if (serial == serial_) return false;
  }
  if (!bar) return false;
  if (TMenu* main = bar->MainMenu(); main && Decide(*main, key, serial, *bar)) return true;
  if (TMenu* child = bar->ChildMainMenu()) return Decide(*child, key, serial, *bar);
  return false;
}

}  // namespace tavo::skin
