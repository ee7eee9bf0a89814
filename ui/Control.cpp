// The control base and the windowless control.
#include "ui/Control.h"

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/WinControl.h"

namespace tavo::ui {

TShiftState ShiftStateFromMouse(WPARAM keys) {
  TShiftState s;
  s.Shift = (keys & MK_SHIFT) != 0;
  s.Ctrl = (keys & MK_CONTROL) != 0;
  s.Left = (keys & MK_LBUTTON) != 0;
  s.Right = (keys & MK_RBUTTON) != 0;
  s.Middle = (keys & MK_MBUTTON) != 0;
  s.Alt = GetKeyState(VK_MENU) < 0;
  return s;
}

TShiftState ShiftStateNow() {
  TShiftState s;
  s.Shift = GetKeyState(VK_SHIFT) < 0;
  s.Ctrl = GetKeyState(VK_CONTROL) < 0;
  s.Alt = GetKeyState(VK_MENU) < 0;
  return s;
}

HCURSOR CursorHandle(TCursor cursor) {
  const char* id = nullptr;
  switch (cursor) {
    case TCursor::crDefault: return nullptr;
    case TCursor::crArrow: id = IDC_ARROW; break;
    case TCursor::crHandPoint: id = IDC_HAND; break;
    case TCursor::crIBeam: id = IDC_IBEAM; break;
    case TCursor::crCross: id = IDC_CROSS; break;
    case TCursor::crHourGlass: id = IDC_WAIT; break;
    case TCursor::crSizeAll: id = IDC_SIZEALL; break;
    case TCursor::crSizeNESW: id = IDC_SIZENESW; break;
    case TCursor::crSizeNS: id = IDC_SIZENS; break;
    case TCursor::crSizeNWSE: id = IDC_SIZENWSE; break;
    case TCursor::crSizeWE: id = IDC_SIZEWE; break;
    case TCursor::crNo: id = IDC_NO; break;
  }
  return LoadCursorA(nullptr, id);
}

TControl::TControl(TWinControl* parent) : parent_(parent) {
  if (parent_) parent_->InsertControl(*this);
}

TControl::~TControl() {
  if (parent_) parent_->RemoveControl(*this);
}

TForm* TControl::ParentForm() const {
  for (const TControl* c = this; c; c = c->parent_) {
    if (auto* form = dynamic_cast<const TForm*>(c)) return const_cast<TForm*>(form);
  }
  return nullptr;
}

void TControl::StoreBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width < 0 ? 0 : width;
  height_ = height < 0 ? 0 : height;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  Invalidate();
  StoreBounds(left, top, width, height);
  Invalidate();
  BoundsChanged();
  if (parent_ && align_ != TAlign::alNone) parent_->AlignControls();
}

void TControl::SetDesignBounds(int left, int top, int width, int height) {
  SetBounds(Scale(left), Scale(top), Scale(width), Scale(height));
}

RECT TControl::ClientRect() const { return RECT{0, 0, width_, height_}; }

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (parent_) parent_->AlignControls();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  VisibleChanged();
  if (parent_ && align_ != TAlign::alNone) parent_->AlignControls();
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  EnabledChanged();
}

void TControl::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  TextChanged();
}

const TFont& TControl::Font() const {
  if (parentFont_ && parent_) return parent_->Font();
  return font_;
}

void TControl::SetFont(const TFont& font) {
  const bool same = !parentFont_ && font == font_;
  font_ = font;
  parentFont_ = false;
  if (!same) FontChanged();
}

void TControl::SetParentFont(bool parentFont) {
  if (parentFont == parentFont_) return;
  if (!parentFont && parent_) font_ = parent_->Font();
  parentFont_ = parentFont;
  FontChanged();
}

void TControl::ParentFontChanged() {
  if (parentFont_) FontChanged();
}

HFONT TControl::FontHandle() const {
  const TFont& font = Font();
  if (!fontHandle_ || !(fontHandleFor_ == font)) {
    fontHandle_ = CreateFontHandle(font, PixelsPerInch());
    fontHandleFor_ = font;
  }
  return fontHandle_.get();
}

TColor TControl::Color() const {
  if (parentColor_ && parent_) return parent_->Color();
  return color_;
}

void TControl::SetColor(TColor color) {
  const bool same = !parentColor_ && color == color_;
  color_ = color;
  parentColor_ = false;
  if (!same) ColorChanged();
}

void TControl::SetParentColor(bool parentColor) {
  if (parentColor == parentColor_) return;
  if (!parentColor && parent_) color_ = parent_->Color();
  parentColor_ = parentColor;
  ColorChanged();
}

void TControl::ParentColorChanged() {
  if (parentColor_) ColorChanged();
}

int TControl::PixelsPerInch() const { return Application().PixelsPerInch(); }

int TControl::Scale(int value) const { return ScaleValue(value, PixelsPerInch()); }

void TControl::Invalidate() {}

void TControl::Repaint() {
  Invalidate();
  if (HWND wnd = WindowHandle()) UpdateWindow(wnd);
}

HWND TControl::WindowHandle() const {
  if (IsWindowed()) return static_cast<const TWinControl*>(this)->Handle();
  return parent_ ? parent_->Handle() : nullptr;
}

POINT TControl::WindowOrigin() const {
  if (IsWindowed()) return POINT{0, 0};
  POINT p{left_, top_};
  if (parent_) {
    const POINT po = parent_->WindowOrigin();
    p.x += po.x;
    p.y += po.y;
  }
  return p;
}

POINT TControl::ClientToScreen(POINT p) const {
  const POINT o = WindowOrigin();
  p.x += o.x;
  p.y += o.y;
  if (HWND wnd = WindowHandle()) ::ClientToScreen(wnd, &p);
  return p;
}

POINT TControl::ScreenToClient(POINT p) const {
  if (HWND wnd = WindowHandle()) ::ScreenToClient(wnd, &p);
  const POINT o = WindowOrigin();
  p.x -= o.x;
  p.y -= o.y;
  return p;
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft && !shift.Double) clicked_ = true;
  DoMouseDown(button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft && clicked_) {
    clicked_ = false;
    const RECT r = ClientRect();
    const POINT p{x, y};
    // A control disabled while the button was held (the press kept the
    // capture) gets its release but no click.
    if (PtInRect(&r, p) && Enabled()) Click();
  }
  DoMouseUp(button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) { DoMouseMove(shift, x, y); }
void TControl::MouseEnter() { DoMouseEnter(); }
void TControl::MouseLeave() { DoMouseLeave(); }
void TControl::Click() { DoClick(); }
void TControl::DblClick() { DoDblClick(); }
bool TControl::DialogChar(char) { return false; }

void TControl::FontChanged() { Invalidate(); }
void TControl::ColorChanged() { Invalidate(); }
void TControl::TextChanged() { Invalidate(); }
void TControl::EnabledChanged() { Invalidate(); }
void TControl::VisibleChanged() { Invalidate(); }
void TControl::BoundsChanged() {}

void TControl::DoClick() {
  if (OnClick) OnClick(*this);
}
void TControl::DoDblClick() {
  if (OnDblClick) OnDblClick(*this);
}
void TControl::DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
}
void TControl::DoMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
}
void TControl::DoMouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(*this, shift, x, y);
}
void TControl::DoMouseEnter() {
  if (OnMouseEnter) OnMouseEnter(*this);
}
void TControl::DoMouseLeave() {
  if (OnMouseLeave) OnMouseLeave(*this);
}

TGraphicControl::TGraphicControl(TWinControl& parent) : TControl(&parent) {}

TGraphicControl::~TGraphicControl() {
  // Our rectangle on the parent goes blank with us.
  Invalidate();
}

void TGraphicControl::Paint(HDC) {}

void TGraphicControl::Invalidate() {
  // Also when hidden: the area a control just left needs repainting too.
  TWinControl* p = Parent();
  if (p && p->HandleAllocated() && Width() > 0 && Height() > 0) {
    const RECT r = BoundsRect();
    InvalidateRect(p->Handle(), &r, FALSE);
  }
}

void TGraphicControl::SetMouseCapture(bool capture) {
  TWinControl* p = Parent();
  if (!p) return;
  if (capture) {
    p->SetCaptureControl(this);
  } else if (p->CaptureControl() == this) {
    p->SetCaptureControl(nullptr);
  }
}

bool TGraphicControl::MouseCapture() const { return Parent() && Parent()->CaptureControl() == this; }

}  // namespace tavo::ui
