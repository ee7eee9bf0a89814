// TSkinPopupMenu: a popup menu component shown by the menu engine of the
// frame it serves — the frame of its form when set, else of its owner or its
// owner's owner when that is a form. Without a frame it does not open.
// Win32 side.
#pragma once

#include "skin/SkinComponent.h"
#include "skin/SkinData.h"
#include "ui/Form.h"
#include "ui/Menus.h"

namespace tavo::skin {

class TSkinMenu;

class TSkinPopupMenu : public ui::TPopupMenu, public TSkinComponent {
 public:
  explicit TSkinPopupMenu(ui::TComponent* owner = nullptr) : ui::TPopupMenu(owner) {}
  ~TSkinPopupMenu() override;

  TSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TSkinData* data);
  // The form whose frame shows the menu (the frame's tray menu sets it).
  ui::TForm* Form = nullptr;

  // Fires OnPopup and opens the items at (x, y) in screen coordinates.
  void Popup(int x, int y) override;
  // Opens the items by a rectangle (a caption button's), upward when asked.
  void PopupAtRect(const TRect& rect, bool upward);

  // The menu engine that serves this menu now, or null.
  TSkinMenu* ServingMenu() const;

 protected:
  void Notification(TSkinComponent* removed) override;

 private:
  TSkinData* skinData_ = nullptr;
};

}  // namespace tavo::skin
