// Composed painting of windowed controls: the background offered to the
// window procedure first, the control's own drawing, then the windowless
// children, all in one off-screen picture copied to the screen once.
#include <utility>

#include "ui/WinControl.h"

namespace tavo::ui {

void TWinControl::HandlePaint() {
  TPaintDC paint(handle_);
  const RECT area = paint.PaintRect();
  RECT client;
  GetClientRect(handle_, &client);
  if (IsRectEmpty(&area) || client.right <= 0 || client.bottom <= 0) return;
  THMemDC mem(CreateCompatibleDC(paint));
  THBitmap bitmap(CreateCompatibleBitmap(paint, client.right, client.bottom));
  if (!mem || !bitmap) return;
  {
    TSelect select(mem.get(), bitmap.get());
    IntersectClipRect(mem.get(), area.left, area.top, area.right, area.bottom);
    PaintWindow(mem.get());
    PaintControls(mem.get(), area);
    BitBlt(paint, area.left, area.top, area.right - area.left, area.bottom - area.top, mem.get(), area.left,
           area.top, SRCCOPY);
  }
}

void TWinControl::PaintWindow(HDC dc) { PaintBackground(dc); }

void TWinControl::PaintBackground(HDC dc) {
  const bool wasOffering = std::exchange(offeringErase_, true);
  TMessage erase{handle_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0, 0};
  try {
    WindowProc(erase);
  } catch (...) {
    offeringErase_ = wasOffering;
    throw;
  }
  offeringErase_ = wasOffering;
  if (erase.Result != 0) return;
  RECT r;
  GetClientRect(handle_, &r);
  FillRectColor(dc, r, Color());
}

void TWinControl::PaintControls(HDC dc, const RECT& area) {
  for (TControl* c : controls_) {
    if (c->IsWindowed() || !c->Visible()) continue;
    const RECT r = c->BoundsRect();
    RECT common;
    if (!IntersectRect(&common, &r, &area)) continue;
    TSaveDC save(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
    static_cast<TGraphicControl*>(c)->Paint(dc);
  }
}

void TCustomControl::PaintWindow(HDC dc) {
  PaintBackground(dc);
  Paint(dc);
}

void TCustomControl::Paint(HDC) {}

}  // namespace tavo::ui
