// The unskinned button: frame and face colours by state, caption centred.
#include "app/PlainSpeedButton.h"

#include "app/Texts.h"

namespace tavo::app {

namespace {

constexpr ui::TColor kHotFrame = ui::RGBColor(0, 0, 128);
constexpr ui::TColor kPressedFace = ui::RGBColor(133, 147, 181);
constexpr ui::TColor kHotFace = ui::RGBColor(182, 189, 210);

}  // namespace

TPlainSpeedButton::TPlainSpeedButton(ui::TWinControl& parent) : ui::TGraphicControl(parent) {
  SetBounds(0, 0, 25, 25);
  // "宋体" with a cell height of 12.
  ui::TFont font;
  font.Name = kSongTi;
  font.Height = 12;
  font.Color = ui::clWindowText;
  SetFont(font);
}

void TPlainSpeedButton::Paint(HDC dc) {
  RECT r = ClientRect();
  const bool pressed = down_ && mouseInside_;
  if (pressed || mouseInside_) {
    ui::Frame3D(dc, r, kHotFrame, kHotFrame, 1);
    ui::FillRectColor(dc, r, pressed ? kPressedFace : kHotFace);
  } else {
    ui::Frame3D(dc, r, ui::clBtnShadow, ui::clBtnShadow, 1);
    ui::FillRectColor(dc, r, ui::clBtnFace);
  }
  RECT text = ClientRect();
  if (pressed) OffsetRect(&text, 1, 1);
  ui::TSelect font(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ui::ColorToRGB(Enabled() ? Font().Color : ui::clBtnShadow));
  DrawTextA(dc, Caption().c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TPlainSpeedButton::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  // The second press of a double-click is an ordinary press.
  shift.Double = false;
  if (button == ui::TMouseButton::mbLeft) {
    down_ = true;
    mouseInside_ = true;
    Invalidate();
  }
  ui::TGraphicControl::MouseDown(button, shift, x, y);
}

void TPlainSpeedButton::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  if (button == ui::TMouseButton::mbLeft && down_) {
    down_ = false;
    Invalidate();
  }
  ui::TGraphicControl::MouseUp(button, shift, x, y);
}

void TPlainSpeedButton::MouseEnter() {
  mouseInside_ = true;
  Invalidate();
  ui::TGraphicControl::MouseEnter();
}

void TPlainSpeedButton::MouseLeave() {
  mouseInside_ = false;
  Invalidate();
  ui::TGraphicControl::MouseLeave();
}

void TPlainSpeedButton::EnabledChanged() {
  mouseInside_ = false;
  down_ = false;
  ui::TGraphicControl::EnabledChanged();
}

}  // namespace tavo::app
