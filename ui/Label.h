// A windowless caption: text drawn with DrawTextA in the control's font, on
// its colour or transparent, sized to the text while AutoSize.
#pragma once

#include "ui/Control.h"

namespace tavo::ui {

class TWinControl;

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TWinControl& parent);

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
  // Typing the caption's accelerator moves the focus here.
  TWinControl* FocusControl = nullptr;

  void Paint(HDC dc) override;
  bool DialogChar(char key) override;

 protected:
  void FontChanged() override;
  void TextChanged() override;
  // DrawTextA flags for the settings (alignment, wrap, prefix).
  UINT TextFlags() const;
  // Sizes the label to its text when AutoSize is on.
  virtual void AdjustBounds();

 private:
  bool autoSize_ = true;
  bool transparent_ = false;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TTextLayout layout_ = TTextLayout::tlTop;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
};

// The accelerator character of a caption ("&x" marks x; "&&" is a plain
// "&"), lower-cased; 0 when there is none.
char AccelChar(const std::string& caption);

}  // namespace tavo::ui
