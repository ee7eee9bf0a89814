// The skinned popup menu component: finding its frame and opening.
#include "skin/win32/SkinPopupMenu.h"

#include "skin/win32/SkinForm.h"
#include "skin/win32/SkinMenu.h"

namespace tavo::skin {

namespace {

// The form whose frame serves the menu, and that frame.
ui::TForm* ServingForm(const TSkinPopupMenu& menu) {
  const auto framed = [](ui::TForm* form) { return form && form->FindComponent<TSkinForm>() ? form : nullptr; };
  if (menu.Form) return framed(menu.Form);
  ui::TComponent* owner = menu.Owner();
  if (auto* form = dynamic_cast<ui::TForm*>(owner)) return framed(form);
  if (owner)
    if (auto* form = dynamic_cast<ui::TForm*>(owner->Owner())) return framed(form);
  return nullptr;
}

}  // namespace

TSkinPopupMenu::~TSkinPopupMenu() { SetSkinData(nullptr); }

void TSkinPopupMenu::SetSkinData(TSkinData* data) {
  if (skinData_ == data) return;
  if (skinData_) TSkinComponent::RemoveFreeNotification(skinData_);
  skinData_ = data;
  if (skinData_) TSkinComponent::FreeNotification(skinData_);
}

void TSkinPopupMenu::Notification(TSkinComponent* removed) {
  if (removed == skinData_) skinData_ = nullptr;
}

TSkinMenu* TSkinPopupMenu::ServingMenu() const {
  ui::TForm* form = ServingForm(*this);
  return form ? &form->FindComponent<TSkinForm>()->MenuEngine() : nullptr;
}

void TSkinPopupMenu::Popup(int x, int y) {
  DoPopup();
  PopupAtRect(TRect{x, y, x, y}, false);
}

void TSkinPopupMenu::PopupAtRect(const TRect& rect, bool upward) {
  ui::TForm* form = ServingForm(*this);
  if (!form) return;
  TSkinForm* frame = form->FindComponent<TSkinForm>();
  TSkinMenu* engine = &frame->MenuEngine();
  if (!skinData_) {
    SetSkinData(frame->MenusSkinData() ? frame->MenusSkinData() : frame->SkinData());
  }
  if (engine->Engine().Visible()) engine->MenuClosed();
  engine->Popup(nullptr, skinData_, upward, Items(), rect, 0);
}

}  // namespace tavo::skin
