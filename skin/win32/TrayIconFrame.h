// The frame's tray icon and hint component: the TrayIcon and SkinHint
// properties of TSkinForm, HideToTray and ShowFromTray over the icon, and
// the frame's tray menu (restore, a divider, close) given to an icon that
// has no menu of its own. Win32 side.
#pragma once

#include <memory>

#include "skin/win32/SkinForm.h"
#include "skin/win32/SkinPopupMenu.h"
#include "skin/win32/TrayIcon.h"

namespace tavo::skin {

// Sets the minimize-to-tray flag, minimizes the application (the tray's
// hook then hides the main form and shows the icon), fires
// OnMinimizeToTray.
void HideToTray(TSkinForm& frame, TTrayIcon& tray);
// Clears the flag, restores the main form and the application, removes
// the icon unless AlwaysShowInTray, fires OnRestoreFromTray.
void ShowFromTray(TSkinForm& frame, TTrayIcon& tray);
// The same as frame.SetTrayIcon(&tray).
void AssignTrayIcon(TSkinForm& frame, TTrayIcon& tray);

// The frame's tray menu as the tray icon pops it up.
class TFrameTrayPopupMenu : public TTrayPopupMenu {
 public:
  explicit TFrameTrayPopupMenu(TSkinForm& frame);
  ~TFrameTrayPopupMenu() override;
  bool AutoPopup() const override { return true; }
  void SetPopupComponent(ui::TComponent* component) override;
  void Popup(int x, int y) override;
  bool ClickDefaultItem() override;
  // The skinned menu behind it, with the three items.
  TSkinPopupMenu& Menu();

 private:
  struct TParts;
  TSkinForm& frame_;
  std::unique_ptr<TParts> parts_;
};

}  // namespace tavo::skin
