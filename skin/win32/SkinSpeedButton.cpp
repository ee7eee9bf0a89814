// The skinned speed button: state, mouse rules, timers and painting.
#include "skin/win32/SkinSpeedButton.h"

#include <algorithm>
#include <cmath>

#include "skin/win32/SkinControlText.h"
#include "ui/WinControl.h"

namespace tavo::skin {

TSkinSpeedButton::TSkinSpeedButton(ui::TWinControl& parent) : TGraphicSkinCustomControl(parent) {
  SetSkinDataName("toolbutton");
  SetBounds(0, 0, 25, 25);
}

TSkinSpeedButton::~TSkinSpeedButton() {
  StopMorphTimer();
  StopRepeatTimer();
}

void TSkinSpeedButton::SetShowCaption(bool show) {
  if (show == showCaption_) return;
  showCaption_ = show;
  if (WidthWithCaption > 0 && WidthWithoutCaption > 0) SetWidth(show ? WidthWithCaption : WidthWithoutCaption);
  Invalidate();
}

void TSkinSpeedButton::SetGlyph(const TBitmap& glyph) {
  glyph_ = glyph;
  Invalidate();
}

void TSkinSpeedButton::SetNumGlyphs(int count) {
  numGlyphs_ = std::clamp(count, 1, 4);
  Invalidate();
}

void TSkinSpeedButton::SetLayout(TButtonLayout layout) {
  layout_ = layout;
  Invalidate();
}

void TSkinSpeedButton::SetMargin(int margin) {
  margin_ = std::max(margin, -1);
  Invalidate();
}

void TSkinSpeedButton::SetSpacing(int spacing) {
  spacing_ = spacing;
  Invalidate();
}

void TSkinSpeedButton::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  if (transparent_) {
    StopMorphTimer();
    skin_.Morphing = false;
  }
  Invalidate();
}

void TSkinSpeedButton::SetFlat(bool flat) {
  flat_ = flat;
  SetTransparent(flat);
  Invalidate();
}

void TSkinSpeedButton::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  if (skin_.Morphing) {
    if (down_) {
      morphFactor_ = 1;
      StopMorphTimer();
    } else {
      StartMorphTimer();
    }
  }
  Invalidate();
  if (GroupIndex != 0 && down_ && !AllowAllUp) ReleaseOthersInGroup();
}

void TSkinSpeedButton::ReleaseOthersInGroup() {
  ui::TWinControl* parent = Parent();
  if (parent == nullptr) return;
  // Copy: a button's handler may change the parent's list.
  const std::vector<ui::TControl*> siblings = parent->Controls();
  for (ui::TControl* c : siblings) {
    auto* other = dynamic_cast<TSkinSpeedButton*>(c);
    if (other != nullptr && other != this && other->GroupIndex == GroupIndex && other->down_) other->SetDown(false);
  }
}

void TSkinSpeedButton::LookupSkin() {
  TGraphicSkinCustomControl::LookupSkin();
  if (skinIndex_ == -1) {
    skin_ = TSpeedButtonSkin{};
    return;
  }
  if (const auto* section = dynamic_cast<const TDataSkinButtonControl*>(SkinSection())) {
    skin_ = SpeedButtonSkinFrom(*section, SkinData()->ActivePictures, transparent_);
  } else {
    // A section of another kind: its picture in every state.
    skin_ = TSpeedButtonSkin{};
    skin_.Geometry = geometry_;
    skin_.Picture = skinPicture_;
    skin_.ActiveRect = skin_.DownRect = geometry_.SkinRect;
  }
}

void TSkinSpeedButton::DropSkin() {
  TGraphicSkinCustomControl::DropSkin();
  skin_ = TSpeedButtonSkin{};
}

void TSkinSpeedButton::RefreshSkin() {
  StopMorphTimer();
  TGraphicSkinCustomControl::RefreshSkin();
  if (skin_.Morphing && skinIndex_ != -1 && mouseInside_ && !transparent_) morphFactor_ = 1;
}

TSpeedButtonFace TSkinSpeedButton::Face() const {
  TSpeedButtonFace f;
  f.Width = Width();
  f.Height = Height();
  f.Caption = Caption();
  f.ShowCaption = showCaption_;
  f.Glyph = glyph_.Empty() ? nullptr : &glyph_;
  f.NumGlyphs = numGlyphs_;
  f.Layout = layout_;
  f.Margin = margin_;
  f.Spacing = spacing_;
  f.Enabled = Enabled();
  f.Pressed = ShownPressed();
  f.MouseInside = mouseInside_;
  f.Transparent = transparent_;
  f.Flat = flat_;
  f.MorphFactor = morphFactor_;
  f.UseSkinFont = UseSkinFont;
  f.DefaultFont = ButtonFontOf(DefaultFont());
  f.DefaultFontColor = ui::ColorToRGB(DefaultFont().Color);
  const TSkinData* data = SkinData();
  f.Charset = data != nullptr && data->ResourceStrData() != nullptr ? data->ResourceStrData()->CharSet
                                                                     : DefaultFont().Charset;
  f.ButtonFace = ui::ColorToRGB(ui::clBtnFace);
  f.ButtonShadow = ui::ColorToRGB(ui::clBtnShadow);
  return f;
}

void TSkinSpeedButton::DrawPlainImage(TBitmap& bitmap) {
  TGdiTextPainter painter(PixelsPerInch());
  bitmap = TSpeedButtonRenderer(painter).Render(Face(), nullptr, bitmap);
}

void TSkinSpeedButton::DrawSkinImage(TBitmap& bitmap) {
  TGdiTextPainter painter(PixelsPerInch());
  bitmap = TSpeedButtonRenderer(painter).Render(Face(), &skin_, bitmap);
}

TBitmap TSkinSpeedButton::DrawButtonFace(const TRect& stateRect, bool active, bool down) {
  TGdiTextPainter painter(PixelsPerInch());
  return TSpeedButtonRenderer(painter).DrawButtonFace(Face(), skin_, stateRect, active, down);
}

void TSkinSpeedButton::ButtonClick() { DoClick(); }

void TSkinSpeedButton::MouseEnter() {
  TGraphicSkinCustomControl::MouseEnter();
  if (!Enabled()) return;
  mouseInside_ = true;
  if (!LatchedInGroup()) {
    if (down_) {
      if (skin_.Morphing) morphFactor_ = 1;
      Invalidate();
    } else {
      StartTransition();
    }
  }
  if (down_ && RepeatMode && GroupIndex == 0) StartRepeatTimer();
}

void TSkinSpeedButton::MouseLeave() {
  TGraphicSkinCustomControl::MouseLeave();
  if (!Enabled()) return;
  mouseInside_ = false;
  if (!LatchedInGroup()) StartTransition();
  if (down_ && RepeatMode && GroupIndex == 0) StopRepeatTimer();
}

void TSkinSpeedButton::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  // The second press of a double-click is an ordinary press: shift.Double
  // is not looked at.
  if (button == ui::TMouseButton::mbLeft && Enabled()) {
    if (!down_) {
      mouseInside_ = true;
      SetDown(true);
      if (RepeatMode && GroupIndex == 0)
        StartRepeatTimer();
      else if (GroupIndex != 0)
        ButtonClick();
      pressedAtPress_ = false;
    } else if (GroupIndex != 0) {
      pressedAtPress_ = true;
    }
  }
  TGraphicSkinCustomControl::MouseDown(button, shift, x, y);
}

void TSkinSpeedButton::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  if (button == ui::TMouseButton::mbLeft && Enabled()) {
    // Inside is decided by the release point: taking the mouse capture at
    // the press makes the system send the window a mouse-leave message, so
    // the hover state may say "outside" while the cursor never moved off.
    const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
    if (GroupIndex == 0) {
      if (down_) {
        SetDown(false);
        StopRepeatTimer();
        if (inside) ButtonClick();
      }
    } else if (down_ && AllowAllUp && pressedAtPress_ && inside) {
      SetDown(false);
      ButtonClick();
    }
  }
  TGraphicSkinCustomControl::MouseUp(button, shift, x, y);
}

void TSkinSpeedButton::EnabledChanged() {
  StopMorphTimer();
  if (skin_.Morphing) morphFactor_ = 0;
  mouseInside_ = false;
  // A button disabled while held gets no release: it must neither keep
  // repeating nor stay pressed.
  StopRepeatTimer();
  if (GroupIndex == 0) down_ = false;
  TGraphicSkinCustomControl::EnabledChanged();
}

void TSkinSpeedButton::StartTransition() {
  if (!skin_.Morphing || skinIndex_ == -1 || transparent_) {
    Invalidate();
    return;
  }
  StartMorphTimer();
}

void TSkinSpeedButton::MorphTick() {
  if (skinIndex_ == -1 || !skin_.Morphing) {
    morphFactor_ = mouseInside_ ? 1 : 0;
    StopMorphTimer();
    return;
  }
  // Steps are kept on a grid of millionths so that five steps of 0.2 land
  // on exactly 1 and exactly 0, never a hair beside them.
  auto step = [](double v, double d) { return std::clamp(std::round((v + d) * 1e6) / 1e6, 0.0, 1.0); };
  if (mouseInside_ && morphFactor_ < 1) {
    morphFactor_ = step(morphFactor_, kMorphStep);
  } else if (!mouseInside_ && morphFactor_ > 0) {
    morphFactor_ = step(morphFactor_, -kMorphStep);
  } else {
    morphFactor_ = mouseInside_ ? 1 : 0;
    StopMorphTimer();
  }
  Invalidate();
}

void TSkinSpeedButton::StartMorphTimer() {
  if (!morphTimer_) {
    morphTimer_ = TimerFactory();
    morphTimer_->OnTick = [this] { MorphTick(); };
  }
  if (!morphTimer_->Running()) morphTimer_->Start(kMorphInterval);
}

void TSkinSpeedButton::StopMorphTimer() {
  if (morphTimer_) morphTimer_->Stop();
}

void TSkinSpeedButton::StartRepeatTimer() {
  if (!repeatTimer_) {
    repeatTimer_ = TimerFactory();
    repeatTimer_->OnTick = [this] { ButtonClick(); };
  }
  repeatTimer_->Start(RepeatInterval);
}

void TSkinSpeedButton::StopRepeatTimer() {
  if (repeatTimer_) repeatTimer_->Stop();
}

}  // namespace tavo::skin
