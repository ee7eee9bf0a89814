// The picture control.
#include "ui/Image.h"

namespace tavo::ui {

TImage::TImage(TWinControl& parent) : TGraphicControl(parent) { SetBounds(0, 0, 105, 105); }

void TImage::SetPicture(std::shared_ptr<const TPicture> picture) {
  picture_ = std::move(picture);
  Invalidate();
}

void TImage::SetStretch(bool stretch) {
  if (stretch == stretch_) return;
  stretch_ = stretch;
  Invalidate();
}

void TImage::Paint(HDC dc) {
  if (!picture_ || picture_->Empty()) return;
  const RECT dest = stretch_ ? ClientRect() : RECT{0, 0, picture_->Width(), picture_->Height()};
  picture_->StretchDraw(dc, dest);
}

}  // namespace tavo::ui
