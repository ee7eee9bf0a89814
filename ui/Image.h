// A windowless control that shows a picture, at its own size or stretched
// to the control's rectangle.
#pragma once

#include <memory>

#include "ui/Control.h"
#include "ui/Picture.h"

namespace tavo::ui {

class TImage : public TGraphicControl {
 public:
  explicit TImage(TWinControl& parent);

  // Pictures are shared: the splash and directory windows show one.
  const std::shared_ptr<const TPicture>& Picture() const { return picture_; }
  void SetPicture(std::shared_ptr<const TPicture> picture);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);

  void Paint(HDC dc) override;

 private:
  std::shared_ptr<const TPicture> picture_;
  bool stretch_ = false;
};

}  // namespace tavo::ui
