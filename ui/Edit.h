// Wrapper over the system's single-line edit box.
#pragma once

#include <string>

#include "ui/WinControl.h"

namespace tavo::ui {

class TEdit : public TWinControl {
 public:
  explicit TEdit(TWinControl& parent);

  // The edit box's text, read from the window each time.
  std::string Text() const;
  void SetText(const std::string& text);
  void SelectAll();
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);

  // The text changed (by the user or by SetText).
  TNotifyEvent OnChange;

 protected:
  void WndProc(TMessage& message) override;
  void DoChange();

 private:
  bool readOnly_ = false;
};

}  // namespace tavo::ui
