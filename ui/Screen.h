// TScreen: the program's registry of forms. Every form joins it when it is
// created and leaves when destroyed, in creation order; it knows the active
// form and the control with the keyboard focus, and tells listeners when a
// form comes or goes (the skin messages reach every form through one).
#pragma once

#include <functional>
#include <vector>

namespace tavo::ui {

class TForm;
class TWinControl;

enum class TFormEvent { feCreated, feDestroyed };
using TFormListener = std::function<void(TForm& form, TFormEvent event)>;

class TScreen {
 public:
  TScreen() = default;
  TScreen(const TScreen&) = delete;
  TScreen& operator=(const TScreen&) = delete;

  // Every live form, in the order they were created.
  const std::vector<TForm*>& Forms() const { return forms_; }
  int FormCount() const { return static_cast<int>(forms_.size()); }
  // The form that was last activated and is still active; null when none of
  // the program's forms is.
  TForm* ActiveForm() const { return activeForm_; }
  // The control of the active form that has the keyboard focus (or owns
  // the window that has it); the form's remembered control when the focus
  // is elsewhere; null without an active form.
  TWinControl* ActiveControl() const;

  // Listeners hear feCreated from inside the form's constructor, before its
  // controls exist, and feDestroyed from its destructor. Returns an id.
  int AddFormListener(TFormListener listener);
  void RemoveFormListener(int id);

 private:
  friend class TForm;
  void AddForm(TForm& form);
  void RemoveForm(TForm& form);
  void FormActivated(TForm& form, bool active);
  void Notify(TForm& form, TFormEvent event);

  struct TListener {
    int id;
    TFormListener call;
  };
  std::vector<TForm*> forms_;
  TForm* activeForm_ = nullptr;
  std::vector<TListener> listeners_;
  int nextId_ = 1;
};

// The one registry of the program.
TScreen& Screen();

}  // namespace tavo::ui
