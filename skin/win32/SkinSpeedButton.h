// TSkinSpeedButton: the skinned speed button. It draws the faces of its skin
// section (normal, active, down, disabled, with morphing between normal and
// active) or a plain image without one, through the portable renderer; it
// clicks on release inside, latches in groups, repeats while held, and
// takes no keyboard focus. Win32 side, windowless.
#pragma once

#include <memory>
#include <string>

#include "skin/SpeedButtonRenderer.h"
#include "skin/win32/GraphicSkinControl.h"
#include "skin/win32/SkinControlTimer.h"

namespace tavo::skin {

class TSkinSpeedButton : public TGraphicSkinCustomControl {
 public:
  static constexpr unsigned kMorphInterval = 20;  // ms between morph steps
  static constexpr double kMorphStep = 0.2;

  explicit TSkinSpeedButton(ui::TWinControl& parent);
  ~TSkinSpeedButton() override;

  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool show);
  // When both are above 0, switching ShowCaption sets the matching width.
  int WidthWithCaption = 0;
  int WidthWithoutCaption = 0;

  const TBitmap& Glyph() const { return glyph_; }
  void SetGlyph(const TBitmap& glyph);
  int NumGlyphs() const { return numGlyphs_; }
  // 1 to 4 cells: normal, disabled, down, hot.
  void SetNumGlyphs(int count);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  int Margin() const { return margin_; }
  void SetMargin(int margin);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);

  bool Down() const { return down_; }
  // Latching a group button with AllowAllUp off releases the other down
  // buttons of its group.
  void SetDown(bool down);
  int GroupIndex = 0;
  bool AllowAllUp = false;
  bool RepeatMode = false;
  unsigned RepeatInterval = 100;
  bool Transparent() const { return transparent_; }
  // The parent shows through; turns morphing off.
  void SetTransparent(bool transparent);
  bool Flat() const { return flat_; }
  // Also sets Transparent to the same value.
  void SetFlat(bool flat);
  // Kept; this button is never given an image list to select from.
  int ImageIndex = 0;

  bool MouseInside() const { return mouseInside_; }
  double MorphFactor() const { return morphFactor_; }
  bool Morphing() const { return skin_.Morphing; }
  // Shown pressed: down, and the mouse inside or the button in a group.
  bool ShownPressed() const { return down_ && (mouseInside_ || GroupIndex != 0); }
  bool MorphTimerRunning() const { return morphTimer_ && morphTimer_->Running(); }
  bool RepeatTimerRunning() const { return repeatTimer_ && repeatTimer_->Running(); }

  // Makes the morph and repeat timers; tests put a manual clock here.
  TControlTimerFactory TimerFactory = NewWindowTimer;

  void LookupSkin() override;
  void RefreshSkin() override;
  // Before the skin is cleared: also forgets the faces' picture, which the
  // skin data is about to free, so a draw before the next paint reads none.
  void DropSkin() override;
  void DrawPlainImage(TBitmap& bitmap) override;
  void DrawSkinImage(TBitmap& bitmap) override;
  // One face of the skin: the state rectangle's picture with glyph and
  // caption.
  virtual TBitmap DrawButtonFace(const TRect& stateRect, bool active, bool down);
  // The click: raises OnClick.
  virtual void ButtonClick();

  // The renderer's view of the button now (also what tests compare with).
  TSpeedButtonFace Face() const;
  const TSpeedButtonSkin* Skin() const { return skinIndex_ == -1 ? nullptr : &skin_; }

  void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
  void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  // Clicks come from the button's own rules (ButtonClick), not from the
  // toolkit's press-and-release rule.
  void Click() override {}

 protected:
  void EnabledChanged() override;

 private:
  bool LatchedInGroup() const { return GroupIndex != 0 && down_; }
  void StartTransition();
  void MorphTick();
  void StartMorphTimer();
  void StopMorphTimer();
  void StartRepeatTimer();
  void StopRepeatTimer();
  void ReleaseOthersInGroup();

  bool showCaption_ = true;
  TBitmap glyph_;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 1;
  bool down_ = false;
  bool transparent_ = false;
  bool flat_ = false;
  bool mouseInside_ = false;
  bool pressedAtPress_ = false;
  double morphFactor_ = 0;
  TSpeedButtonSkin skin_;
  std::unique_ptr<TControlTimer> morphTimer_;
  std::unique_ptr<TControlTimer> repeatTimer_;
};

}  // namespace tavo::skin
