// Windowless captions: the label base every caption shares (settings, text
// flags, auto-size triggers, the accelerator and its focus control) and the
// plain label, drawn with DrawTextA in the control's font.
#pragma once

#include "ui/Control.h"

namespace tavo::ui {

class TWinControl;

// What every caption has in common. The settings are protected; a label
// class makes public the ones it offers. Painting and sizing are each
// label's own: AdjustBounds is called whenever a setting that changes the
// text's extent changes.
class TCustomLabel : public TGraphicControl {
 public:
  explicit TCustomLabel(TWinControl& parent);
  ~TCustomLabel() override;

  // Typing the caption's accelerator moves the focus to the focus control
  // when the label is enabled and shows accelerators.
  bool DialogChar(char key) override;

 protected:
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout layout);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool show);
  // Forgotten when the control is destroyed before the label.
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* control);

  // DrawTextA flags for the settings (tabs, alignment, wrap, prefix).
  virtual UINT TextFlags() const;
  // Sizes the label to its text while AutoSize is on.
  virtual void AdjustBounds() = 0;

  void FontChanged() override;
  void TextChanged() override;
  void Notification(TComponent& component, TOperation operation) override;

 private:
  bool autoSize_ = true;
  bool transparent_ = false;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TTextLayout layout_ = TTextLayout::tlTop;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  TWinControl* focusControl_ = nullptr;
  // The same object as focusControl_, kept as the component that reports
  // its destruction (compared while it is half destroyed, so never derived
  // from focusControl_ then).
  TComponent* focusComponent_ = nullptr;
};

// The plain label with every setting public.
class TLabel : public TCustomLabel {
 public:
  explicit TLabel(TWinControl& parent) : TCustomLabel(parent) {}

  using TCustomLabel::AutoSize;
  using TCustomLabel::SetAutoSize;
  using TCustomLabel::Transparent;
  using TCustomLabel::SetTransparent;
  using TCustomLabel::Alignment;
  using TCustomLabel::SetAlignment;
  using TCustomLabel::Layout;
  using TCustomLabel::SetLayout;
  using TCustomLabel::WordWrap;
  using TCustomLabel::SetWordWrap;
  using TCustomLabel::ShowAccelChar;
  using TCustomLabel::SetShowAccelChar;
  using TCustomLabel::FocusControl;
  using TCustomLabel::SetFocusControl;

  void Paint(HDC dc) override;

 protected:
  void AdjustBounds() override;
};

// The accelerator character of a caption ("&x" marks x; "&&" is a plain
// "&"), lower-cased; 0 when there is none.
char AccelChar(const std::string& caption);

}  // namespace tavo::ui
