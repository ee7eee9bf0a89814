// The label base and the plain label.
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

TCustomLabel::TCustomLabel(TWinControl& parent) : TGraphicControl(parent) { SetBounds(0, 0, 65, 17); }

TCustomLabel::~TCustomLabel() = default;

UINT TCustomLabel::TextFlags() const {
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

bool TCustomLabel::DialogChar(char key) {
  if (!focusControl_ || !Enabled() || !showAccelChar_) return false;
  const char accel = AccelChar(Caption());
  if (!accel || accel != static_cast<char>(std::tolower(static_cast<unsigned char>(key)))) return false;
  if (!focusControl_->CanFocus()) return false;
  focusControl_->SetFocus();
  return true;
}

void TCustomLabel::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  AdjustBounds();
}

void TCustomLabel::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool show) {
  if (show == showAccelChar_) return;
  showAccelChar_ = show;
  // "&&" and "&x" measure differently with and without accelerators.
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* control) {
  if (control == focusControl_) return;
  if (focusComponent_) RemoveFreeNotification(*focusComponent_);
  focusControl_ = control;
  focusComponent_ = control;
  if (focusComponent_) FreeNotification(*focusComponent_);
  Invalidate();
}

void TCustomLabel::Notification(TComponent& component, TOperation operation) {
  if (operation == TOperation::opRemove && &component == focusComponent_) {
    focusControl_ = nullptr;
    focusComponent_ = nullptr;
  }
  TGraphicControl::Notification(component, operation);
}

void TCustomLabel::FontChanged() {
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::TextChanged() {
  AdjustBounds();
  Invalidate();
}

void TLabel::Paint(HDC dc) {
  RECT r = ClientRect();
  if (!Transparent()) FillRectColor(dc, r, Color());
  TSelect font(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Enabled() ? Font().Color : clGrayText));
  const UINT flags = TextFlags();
  if (Layout() != TTextLayout::tlTop) {
    RECT measured = r;
    DrawTextA(dc, Caption().c_str(), -1, &measured, flags | DT_CALCRECT);
    const int free = r.bottom - measured.bottom;
    OffsetRect(&r, 0, Layout() == TTextLayout::tlBottom ? free : free / 2);
  }
  DrawTextA(dc, Caption().c_str(), -1, &r, flags);
}

void TLabel::AdjustBounds() {
  if (!AutoSize()) return;
  TWindowDC dc(nullptr);
  TSelect font(dc, FontHandle());
  RECT r{0, 0, WordWrap() ? Width() : 0, 0};
  // An empty caption keeps one line's height.
  const std::string text = Caption().empty() ? std::string(" ") : Caption();
  DrawTextA(dc, text.c_str(), -1, &r, TextFlags() | DT_CALCRECT);
  int left = Left();
  if (Alignment() == TAlignment::taRightJustify) left = Left() + Width() - r.right;
  SetBounds(left, Top(), r.right, r.bottom);
}

}  // namespace tavo::ui
