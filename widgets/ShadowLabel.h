// The shadow label: a windowless caption drawn twice, first as a shadow copy
// moved towards one corner, then in its own colour on top.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/Control.h"
#include "ui/Label.h"
#include "ui/WinControl.h"

namespace tavo::widgets {

// The corner towards which the shadow copy is moved.
enum class TShadowPosition { spLeftTop, spLeftBottom, spRightBottom, spRightTop };

// Reading order of the caption.
enum class TBiDiMode { bdLeftToRight, bdRightToLeft };

// The label's own machinery on top of the label base (settings, accelerator,
// focus control): drawing with the shadow, auto-sizing with it, and the
// mouse enter/leave bookkeeping. Windowless (Win32 side): it paints on its
// parent's surface and gets its mouse input from the parent. The settings
// are protected here; TShadowLabel makes them public.
class TCustomShadowLabel : public ui::TCustomLabel {
 public:
  explicit TCustomShadowLabel(ui::TWinControl& parent);
  ~TCustomShadowLabel() override;

  void Paint(HDC dc) override;

  void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
  void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;

  // Whether the mouse cursor counts as inside the label.
  bool MouseInside() const { return mouseInside_; }

 protected:
  ui::TColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(ui::TColor color);
  uint8_t ShadowSize() const { return shadowSize_; }
  void SetShadowSize(uint8_t size);
  TShadowPosition ShadowPos() const { return shadowPos_; }
  void SetShadowPos(TShadowPosition position);
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool showFocus);
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode mode);

  // Draws the caption with its shadow into rect with the DrawTextA flags.
  // With DT_CALCRECT nothing is drawn and rect becomes the union of the
  // text's and the shadow's measured rectangles. The DC must hold the font.
  void DrawShadowText(HDC dc, RECT& rect, UINT flags) const;
  // The base's flags and the right-to-left reading flag.
  UINT TextFlags() const override;
  // Sizes the label to its text and shadow while AutoSize is on.
  void AdjustBounds() override;

  void EnabledChanged() override;
  void VisibleChanged() override;

 private:
  // The colours and shadow actually used: a disabled label draws in the
  // system colours and always shows some shadow.
  struct TDrawStyle {
    ui::TColor Text;
    ui::TColor Shadow;
    int Size;
    TShadowPosition Position;
  };
  TDrawStyle DrawStyle() const;
  // The rectangle the top layout draws into: the label narrowed by 1 pixel
  // on the left and on the right.
  RECT TextArea() const;
  // Asks whether the cursor is over this enabled label while one of the
  // program's windows is active, and reports entering or leaving when the
  // answer differs from the current state.
  void RecheckMouse();
  void SetMouseInside(bool inside);

  ui::TColor shadowColor_ = ui::clBtnHighlight;
  uint8_t shadowSize_ = 1;
  TShadowPosition shadowPos_ = TShadowPosition::spLeftTop;
  bool showFocus_ = false;
  TBiDiMode biDiMode_ = TBiDiMode::bdLeftToRight;
  bool mouseInside_ = false;
};

// The shadow label with every setting public.
class TShadowLabel : public TCustomShadowLabel {
 public:
  explicit TShadowLabel(ui::TWinControl& parent) : TCustomShadowLabel(parent) {}

  using TCustomShadowLabel::AutoSize;
  using TCustomShadowLabel::SetAutoSize;
  using TCustomShadowLabel::Transparent;
  using TCustomShadowLabel::SetTransparent;
  using TCustomShadowLabel::Alignment;
  using TCustomShadowLabel::SetAlignment;
  using TCustomShadowLabel::Layout;
  using TCustomShadowLabel::SetLayout;
  using TCustomShadowLabel::WordWrap;
  using TCustomShadowLabel::SetWordWrap;
  using TCustomShadowLabel::ShowAccelChar;
  using TCustomShadowLabel::SetShowAccelChar;
  using TCustomShadowLabel::ShadowColor;
  using TCustomShadowLabel::SetShadowColor;
  using TCustomShadowLabel::ShadowSize;
  using TCustomShadowLabel::SetShadowSize;
  using TCustomShadowLabel::ShadowPos;
  using TCustomShadowLabel::SetShadowPos;
  using TCustomShadowLabel::ShowFocus;
  using TCustomShadowLabel::SetShowFocus;
  using TCustomShadowLabel::FocusControl;
  using TCustomShadowLabel::SetFocusControl;
  using TCustomShadowLabel::BiDiMode;
  using TCustomShadowLabel::SetBiDiMode;
};

}  // namespace tavo::widgets
