// The directory window's buttons as drawn without a skin: a windowless push
// button with a flat frame, a hover and a pressed colour, and a click on
// release over the button. Takes no keyboard focus.
#pragma once

#include "ui/Control.h"

namespace tavo::app {

class TPlainSpeedButton : public ui::TGraphicControl {
 public:
  explicit TPlainSpeedButton(ui::TWinControl& parent);

  bool Down() const { return down_; }
  bool MouseInside() const { return mouseInside_; }

  void Paint(HDC dc) override;
  void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
  void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;

 protected:
  void EnabledChanged() override;

 private:
  bool down_ = false;
  bool mouseInside_ = false;
};

}  // namespace tavo::app
