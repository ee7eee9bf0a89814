// The plain label.
#include "ui/Label.h"

#include <cctype>

#include "core/Mbcs.h"
#include "ui/WinControl.h"

namespace tavo::ui {

char AccelChar(const std::string& caption) {
  for (size_t i = 0; i < caption.size(); ++i) {
    const auto c = static_cast<unsigned char>(caption[i]);
    if (IsLeadByte(c)) {
      ++i;
      continue;
    }
    if (c != '&' || i + 1 >= caption.size()) continue;
    const auto next = static_cast<unsigned char>(caption[i + 1]);
    if (next == '&') {
      ++i;
      continue;
    }
    if (IsLeadByte(next)) return 0;
    return static_cast<char>(std::tolower(next));
  }
  return 0;
}

TLabel::TLabel(TWinControl& parent) : TGraphicControl(parent) { SetBounds(0, 0, 65, 17); }

UINT TLabel::TextFlags() const {
  UINT flags = DT_EXPANDTABS;
  switch (alignment_) {
    case TAlignment::taLeftJustify: flags |= DT_LEFT; break;
    case TAlignment::taRightJustify: flags |= DT_RIGHT; break;
    case TAlignment::taCenter: flags |= DT_CENTER; break;
  }
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  return flags;
}

void TLabel::Paint(HDC dc) {
  RECT r = ClientRect();
  if (!transparent_) FillRectColor(dc, r, Color());
  TSelect font(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Enabled() ? Font().Color : clGrayText));
  const UINT flags = TextFlags();
  if (layout_ != TTextLayout::tlTop) {
    RECT measured = r;
    DrawTextA(dc, Caption().c_str(), -1, &measured, flags | DT_CALCRECT);
    const int free = r.bottom - measured.bottom;
    OffsetRect(&r, 0, layout_ == TTextLayout::tlBottom ? free : free / 2);
  }
  DrawTextA(dc, Caption().c_str(), -1, &r, flags);
}

void TLabel::AdjustBounds() {
  if (!autoSize_) return;
  TWindowDC dc(nullptr);
  TSelect font(dc, FontHandle());
  RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
  // An empty caption keeps one line's height.
  const std::string text = Caption().empty() ? std::string(" ") : Caption();
  DrawTextA(dc, text.c_str(), -1, &r, TextFlags() | DT_CALCRECT);
  int left = Left();
  if (alignment_ == TAlignment::taRightJustify) left = Left() + Width() - r.right;
  SetBounds(left, Top(), r.right, r.bottom);
}

void TLabel::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  AdjustBounds();
}

void TLabel::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Invalidate();
}

void TLabel::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

void TLabel::SetLayout(TTextLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  Invalidate();
}

void TLabel::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetShowAccelChar(bool show) {
  if (show == showAccelChar_) return;
  showAccelChar_ = show;
  AdjustBounds();
  Invalidate();
}

void TLabel::FontChanged() {
  AdjustBounds();
  Invalidate();
}

void TLabel::TextChanged() {
  AdjustBounds();
  Invalidate();
}

bool TLabel::DialogChar(char key) {
  if (!FocusControl || !Enabled() || !showAccelChar_) return false;
  const char accel = AccelChar(Caption());
  if (!accel || accel != static_cast<char>(std::tolower(static_cast<unsigned char>(key)))) return false;
  if (!FocusControl->CanFocus()) return false;
  FocusControl->SetFocus();
  return true;
}

}  // namespace tavo::ui
