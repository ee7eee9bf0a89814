// The registry of forms: creation order, the active form, the focused
// control, and the listeners told about forms coming and going.
#include "ui/Screen.h"

#include <algorithm>

#include "ui/Form.h"

namespace tavo::ui {

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

TWinControl* TScreen::ActiveControl() const {
  if (!activeForm_) return nullptr;
  HWND wnd = GetFocus();
  while (wnd && !TWinControl::FromHandle(wnd)) wnd = GetParent(wnd);
  TWinControl* focused = TWinControl::FromHandle(wnd);
  if (focused && focused->ParentForm() == activeForm_) return focused;
  return activeForm_->ActiveControl();
}

int TScreen::AddFormListener(TFormListener listener) {
  const int id = nextId_++;
  listeners_.push_back(TListener{id, std::move(listener)});
  return id;
}

void TScreen::RemoveFormListener(int id) {
  std::erase_if(listeners_, [id](const TListener& l) { return l.id == id; });
}

void TScreen::Notify(TForm& form, TFormEvent event) {
  // A listener may add or remove listeners: call a copy of the list, and
  // skip the ones that were removed meanwhile.
  const std::vector<TListener> calls = listeners_;
  for (const TListener& l : calls) {
    const bool live =
        std::any_of(listeners_.begin(), listeners_.end(), [&](const TListener& x) { return x.id == l.id; });
    if (live && l.call) l.call(form, event);
  }
}

void TScreen::AddForm(TForm& form) {
  forms_.push_back(&form);
  Notify(form, TFormEvent::feCreated);
}

void TScreen::RemoveForm(TForm& form) {
  std::erase(forms_, &form);
  if (activeForm_ == &form) activeForm_ = nullptr;
  Notify(form, TFormEvent::feDestroyed);
}

void TScreen::FormActivated(TForm& form, bool active) {
  if (active) {
    activeForm_ = &form;
  } else if (activeForm_ == &form) {
    activeForm_ = nullptr;
  }
}

}  // namespace tavo::ui
