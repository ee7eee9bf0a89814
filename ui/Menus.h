// TPopupMenu and TMainMenu: the toolkit's menu components over the portable
// menu model (skin/MenuItem.h). This toolkit shows no native menus; the
// skinned popup menu (skin/win32/SkinPopupMenu.h) is what puts one on the
// screen, and the main menu is a holder of items and shortcuts.
#pragma once

#include "skin/MenuItem.h"
#include "ui/Component.h"

namespace tavo::ui {

using skin::TMenuItem;
using skin::TShortCut;

class TPopupMenu : public TComponent, public skin::TMenu {
 public:
  explicit TPopupMenu(TComponent* owner = nullptr) : TComponent(owner) {}

  // Fired first by Popup.
  TNotifyEvent OnPopup;
  // The control that asked for the menu last; null when none.
  TComponent* PopupComponent = nullptr;

  // Fires OnPopup; a descendant then shows the items at (x, y) in screen
  // coordinates.
  virtual void Popup(int x, int y);

 protected:
  void DoPopup() {
    if (OnPopup) OnPopup(*this);
  }
};

class TMainMenu : public TComponent, public skin::TMenu {
 public:
  explicit TMainMenu(TComponent* owner = nullptr) : TComponent(owner) {}
};

}  // namespace tavo::ui
