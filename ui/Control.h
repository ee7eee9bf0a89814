// The control base and the windowless control: bounds in the parent's client
// area, visibility, enabled state, font and colour (inherited from the parent
// unless set), cursor, mouse input routed by the parent, enter/leave, clicks.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/Component.h"
#include "ui/Graphics.h"

namespace tavo::ui {

class TWinControl;
class TForm;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

struct TShiftState {
  bool Shift = false;
  bool Alt = false;
  bool Ctrl = false;
  bool Left = false;
  bool Right = false;
  bool Middle = false;
  bool Double = false;
};

// The keys and buttons held, from a mouse message's wParam (MK_*) and the
// keyboard state for Alt.
TShiftState ShiftStateFromMouse(WPARAM keys);
// The modifier keys held now.
TShiftState ShiftStateNow();

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };

enum class TCursor {
  crDefault,
  crArrow,
  crHandPoint,
  crIBeam,
  crCross,
  crHourGlass,
  crSizeAll,
  crSizeNESW,
  crSizeNS,
  crSizeNWSE,
  crSizeWE,
  crNo
};
// The system cursor for a TCursor; null for crDefault.
HCURSOR CursorHandle(TCursor cursor);

using TMouseEvent = std::function<void(TObject& Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject& Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject& Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject& Sender, char& Key)>;

// Base of every control. A control belongs to its parent (a windowed
// control), which lists it in z-order; the C++ owner (usually a form
// member) destroys it, and the destructor takes it off the parent's list.
class TControl : public TComponent {
 public:
  explicit TControl(TWinControl* parent);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  // The form the control sits on (itself for a form); null when none.
  TForm* ParentForm() const;
  virtual bool IsWindowed() const { return false; }

  // Position and size in pixels, relative to the parent's client area.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
  virtual void SetBounds(int left, int top, int width, int height);
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  // Bounds given at 96 dots per inch, as layouts are written: scaled to the
  // screen.
  void SetDesignBounds(int left, int top, int width, int height);
  // The control's own area: (0, 0, Width, Height) for a windowless control;
  // the client area of a windowed one.
  virtual RECT ClientRect() const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Visible, and every parent visible too.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  // The font in use: the control's own, or its parent's while ParentFont.
  const TFont& Font() const;
  void SetFont(const TFont& font);
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parentFont);
  // GDI font for Font(), at the screen's scale; kept until the font changes.
  HFONT FontHandle() const;

  TColor Color() const;
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool parentColor);

  TCursor Cursor = TCursor::crDefault;
  // A press of a mouse button captures the mouse for the control until the
  // last button is released.
  bool CaptureOnPress = true;

  int PixelsPerInch() const;
  int Scale(int value) const;

  // Marks the control for repainting; Repaint also paints at once.
  virtual void Invalidate();
  void Repaint();

  POINT ClientToScreen(POINT p) const;
  POINT ScreenToClient(POINT p) const;
  // The client-area origin in the nearest window's client coordinates.
  POINT WindowOrigin() const;
  // The window the control draws on: its own, or its parent's.
  HWND WindowHandle() const;

  // Input, in the control's own coordinates. The parent routes it to the
  // windowless control under the cursor, or to the one holding capture.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  // The cursor came onto or went off the control.
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Click();
  virtual void DblClick();
  // An accelerator character typed on the control's form; true when the
  // control took it.
  virtual bool DialogChar(char key);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  // Change hooks: called after the property changed.
  virtual void FontChanged();
  virtual void ColorChanged();
  virtual void TextChanged();
  virtual void EnabledChanged();
  virtual void VisibleChanged();
  virtual void BoundsChanged();

  void DoClick();
  void DoDblClick();
  void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void DoMouseUp(TMouseButton button, TShiftState shift, int x, int y);
  void DoMouseMove(TShiftState shift, int x, int y);
  void DoMouseEnter();
  void DoMouseLeave();

  // Stores bounds without telling anyone (windowed controls move their
  // window first and record the result here).
  void StoreBounds(int left, int top, int width, int height);
  // True between a left press on the control and its release.
  bool Clicked() const { return clicked_; }

 private:
  friend class TWinControl;
  void ParentFontChanged();
  void ParentColorChanged();

  TWinControl* parent_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = TAlign::alNone;
  bool visible_ = true;
  bool enabled_ = true;
  bool clicked_ = false;
  std::string caption_;
  TFont font_;
  bool parentFont_ = true;
  TColor color_ = clBtnFace;
  bool parentColor_ = true;
  mutable THFont fontHandle_;
  mutable TFont fontHandleFor_;
};

// A control without a window of its own: it paints on its parent's surface
// and receives its mouse input through the parent.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TWinControl& parent);
  ~TGraphicControl() override;

  // Draws the control. The DC's origin is the control's top-left corner and
  // its clipping is the control's rectangle; the parent's background and
  // the controls below have been painted already.
  virtual void Paint(HDC dc);

  void Invalidate() override;

  // Routes all mouse input of the parent to this control (and captures the
  // mouse for the parent's window) until released.
  void SetMouseCapture(bool capture);
  bool MouseCapture() const;
};

}  // namespace tavo::ui
