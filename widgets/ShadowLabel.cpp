// The shadow label: drawing with the shadow, auto-sizing with it, and mouse
// enter/leave.
#include "widgets/ShadowLabel.h"

#include <algorithm>

namespace tavo::widgets {

namespace {

// Whether the active window belongs to this thread, the program's
// user-interface thread: a label of an inactive program reports no entering.
bool ActiveWindowIsOurs() {
  HWND active = GetForegroundWindow();
  return active && GetWindowThreadProcessId(active, nullptr) == GetCurrentThreadId();
}

// Offset of the shadow copy for a position and a size (x right, y down).
POINT ShadowOffset(TShadowPosition position, int size) {
  switch (position) {
    case TShadowPosition::spLeftTop: return POINT{-size, -size};
    case TShadowPosition::spLeftBottom: return POINT{-size, size};
    case TShadowPosition::spRightBottom: return POINT{size, size};
    case TShadowPosition::spRightTop: return POINT{size, -size};
  }
  return POINT{0, 0};
}

}  // namespace

TCustomShadowLabel::TCustomShadowLabel(ui::TWinControl& parent) : TCustomLabel(parent) {}

TCustomShadowLabel::~TCustomShadowLabel() = default;

UINT TCustomShadowLabel::TextFlags() const {
  UINT flags = TCustomLabel::TextFlags();
  if (biDiMode_ == TBiDiMode::bdRightToLeft) flags |= DT_RTLREADING;
  return flags;
}

TCustomShadowLabel::TDrawStyle TCustomShadowLabel::DrawStyle() const {
  if (Enabled()) return TDrawStyle{Font().Color, shadowColor_, shadowSize_, shadowPos_};
  // A disabled label looks engraved: grey text over a highlight that is at
  // least one pixel wide, so that it stays visible even without a shadow.
  if (shadowSize_ == 0) return TDrawStyle{ui::clGrayText, ui::clBtnHighlight, 1, TShadowPosition::spRightBottom};
  return TDrawStyle{ui::clGrayText, ui::clBtnHighlight, shadowSize_, shadowPos_};
}

RECT TCustomShadowLabel::TextArea() const { return RECT{1, 0, Width() - 1, Height()}; }

void TCustomShadowLabel::DrawShadowText(HDC dc, RECT& rect, UINT flags) const {
  std::string text = Caption();
  // Measuring an empty caption (or a lone accelerator mark, which draws
  // nothing) would give no height: a space keeps one line's height.
  if ((flags & DT_CALCRECT) && (text.empty() || (ShowAccelChar() && text == "&"))) text += ' ';
  const int length = static_cast<int>(text.size());
  const TDrawStyle style = DrawStyle();
  const POINT offset = ShadowOffset(style.Position, style.Size);
  RECT shadow = rect;
  OffsetRect(&shadow, offset.x, offset.y);
  if (flags & DT_CALCRECT) {
    DrawTextA(dc, text.c_str(), length, &shadow, flags);
    DrawTextA(dc, text.c_str(), length, &rect, flags);
    // UnionRect would drop an empty rectangle; the union must keep both.
    rect = RECT{std::min(rect.left, shadow.left), std::min(rect.top, shadow.top), std::max(rect.right, shadow.right),
                std::max(rect.bottom, shadow.bottom)};
    return;
  }
  const COLORREF old = GetTextColor(dc);
  SetTextColor(dc, ui::ColorToRGB(style.Shadow));
  DrawTextA(dc, text.c_str(), length, &shadow, flags);
  SetTextColor(dc, ui::ColorToRGB(style.Text));
  DrawTextA(dc, text.c_str(), length, &rect, flags);
  SetTextColor(dc, old);
}

void TCustomShadowLabel::Paint(HDC dc) {
  if (!Transparent()) ui::FillRectColor(dc, ClientRect(), Color());
  ui::TSelect font(dc, FontHandle());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const UINT flags = TextFlags();
  RECT r = TextArea();
  if (Layout() != ui::TTextLayout::tlTop) {
    RECT measured = r;
    DrawShadowText(dc, measured, flags | DT_CALCRECT);
    // Move down by the room left below the measured text and shadow (half of
    // it for the centre). The text keeps its own top: starting from the
    // measured top would be the shadow's top when the shadow goes upwards,
    // and would push the text itself out at the top of the label.
    const int free = Height() - measured.bottom;
    const int shift = Layout() == ui::TTextLayout::tlBottom ? free : free / 2;
    r = RECT{0, r.top + shift, Width(), measured.bottom + shift};
  }
  DrawShadowText(dc, r, flags);
  if (showFocus_ && FocusControl() && FocusControl()->Focused()) {
    RECT focus = r;
    DrawShadowText(dc, focus, flags | DT_CALCRECT);
    InflateRect(&focus, 1, 1);
    // The focus rectangle inverts through a pattern made of these colours.
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &focus);
  }
  SetBkMode(dc, oldMode);
}

void TCustomShadowLabel::AdjustBounds() {
  if (!AutoSize()) return;
  ui::TWindowDC dc(nullptr);
  ui::TSelect font(dc, FontHandle());
  RECT r = TextArea();
  DrawShadowText(dc, r, TextFlags() | DT_CALCRECT);
  // The text area is 1 pixel in from either side; give those pixels back.
  // Width and height run from the label's own corner to the far edges, so a
  // shadow to the left or upwards adds nothing.
  InflateRect(&r, 1, 0);
  const int width = std::max<int>(r.right, 0);
  const int height = std::max<int>(r.bottom, 0);
  int left = Left();
  if (Alignment() == ui::TAlignment::taRightJustify) left = Left() + Width() - width;
  SetBounds(left, Top(), width, height);
}


void TCustomShadowLabel::SetMouseInside(bool inside) {
  mouseInside_ = inside;
  if (inside) {
    DoMouseEnter();
  } else {
    DoMouseLeave();
  }
}

void TCustomShadowLabel::MouseEnter() {
  if (!Enabled() || mouseInside_ || !ActiveWindowIsOurs()) return;
  SetMouseInside(true);
}

void TCustomShadowLabel::MouseLeave() {
  // A press held on the label keeps the cursor inside until the release.
  if (!mouseInside_ || !Enabled() || Clicked()) return;
  SetMouseInside(false);
}

void TCustomShadowLabel::RecheckMouse() {
  bool over = false;
  POINT p;
  if (Enabled() && Showing() && GetCursorPos(&p)) over = ui::FindControlAtScreenPos(p) == this && ActiveWindowIsOurs();
  if (over == mouseInside_) return;
  if (!over && Enabled() && Clicked()) return;
  SetMouseInside(over);
}

void TCustomShadowLabel::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  TCustomLabel::MouseDown(button, shift, x, y);
  if (button == ui::TMouseButton::mbRight) RecheckMouse();
}

void TCustomShadowLabel::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  // The base ends the press (and clicks) first, so the re-check sees the
  // button released.
  TCustomLabel::MouseUp(button, shift, x, y);
  RecheckMouse();
}

void TCustomShadowLabel::EnabledChanged() {
  TCustomLabel::EnabledChanged();
  RecheckMouse();
}

void TCustomShadowLabel::VisibleChanged() {
  TCustomLabel::VisibleChanged();
  if (Visible()) RecheckMouse();
}










void TCustomShadowLabel::SetShadowColor(ui::TColor color) {
  if (color == shadowColor_) return;
  shadowColor_ = color;
  Invalidate();
}

void TCustomShadowLabel::SetShadowSize(uint8_t size) {
  if (size == shadowSize_) return;
  shadowSize_ = size;
  AdjustBounds();
  Invalidate();
}

void TCustomShadowLabel::SetShadowPos(TShadowPosition position) {
  if (position == shadowPos_) return;
  shadowPos_ = position;
  // A shadow to the right or downwards widens or heightens the label.
  AdjustBounds();
  Invalidate();
}

void TCustomShadowLabel::SetShowFocus(bool showFocus) {
  if (showFocus == showFocus_) return;
  showFocus_ = showFocus;
  Invalidate();
}


void TCustomShadowLabel::SetBiDiMode(TBiDiMode mode) {
  if (mode == biDiMode_) return;
  biDiMode_ = mode;
  Invalidate();
}

}  // namespace tavo::widgets
