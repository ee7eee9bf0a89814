// The bevelled panel.
#include "ui/Panel.h"

namespace tavo::ui {

namespace {

void DrawBevel(HDC dc, RECT& r, TBevelCut cut, int width, TColor face) {
  switch (cut) {
    case TBevelCut::bvNone: return;
    case TBevelCut::bvRaised: Frame3D(dc, r, clBtnHighlight, clBtnShadow, width); return;
    case TBevelCut::bvLowered: Frame3D(dc, r, clBtnShadow, clBtnHighlight, width); return;
    case TBevelCut::bvSpace: Frame3D(dc, r, face, face, width); return;
  }
}

}  // namespace

TPanel::TPanel(TWinControl& parent) : TCustomControl(&parent) { SetBounds(0, 0, 185, 41); }

void TPanel::SetBevelOuter(TBevelCut cut) {
  bevelOuter_ = cut;
  AlignControls();
  Invalidate();
}

void TPanel::SetBevelInner(TBevelCut cut) {
  bevelInner_ = cut;
  AlignControls();
  Invalidate();
}

void TPanel::SetBevelWidth(int width) {
  bevelWidth_ = width < 1 ? 1 : width;
  AlignControls();
  Invalidate();
}

void TPanel::SetBorderWidth(int width) {
  borderWidth_ = width < 0 ? 0 : width;
  AlignControls();
  Invalidate();
}

void TPanel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

RECT TPanel::AlignRect() const {
  RECT r = ClientRect();
  int inset = borderWidth_;
  if (bevelOuter_ != TBevelCut::bvNone) inset += bevelWidth_;
  if (bevelInner_ != TBevelCut::bvNone) inset += bevelWidth_;
  InflateRect(&r, -inset, -inset);
  return r;
}

void TPanel::Paint(HDC dc) {
  RECT r = ClientRect();
  DrawBevel(dc, r, bevelOuter_, bevelWidth_, Color());
  Frame3D(dc, r, Color(), Color(), borderWidth_);
  DrawBevel(dc, r, bevelInner_, bevelWidth_, Color());
  if (Caption().empty()) return;
  TSelect font(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font().Color));
  UINT flags = DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER;
  switch (alignment_) {
    case TAlignment::taLeftJustify: flags |= DT_LEFT; break;
    case TAlignment::taRightJustify: flags |= DT_RIGHT; break;
    case TAlignment::taCenter: flags |= DT_CENTER; break;
  }
  DrawTextA(dc, Caption().c_str(), -1, &r, flags);
}

}  // namespace tavo::ui
