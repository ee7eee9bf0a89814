// Mouse routing of windowed controls: windowless children under the cursor
// get the presses, moves and releases, with capture and enter/leave; the
// cursor shape follows the control under the mouse.
#include <windowsx.h>

#include "ui/WinControl.h"

namespace tavo::ui {

bool TWinControl::HandleMouse(TMessage& m) {
  // A system control reports clicks through its own notifications; it gets
  // only the cursor's enter and leave from here.
  const bool systemClass = defWndProc_ != &DefWindowProcA;
  if (m.Msg == WM_MOUSELEAVE) {
    mouseInWindow_ = false;
    UpdateHover(nullptr);
    MouseLeave();
    return false;
  }
  const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  TControl* under = ControlAtPos(p, true, true);
  if (m.Msg == WM_MOUSEMOVE) {
    if (!mouseInWindow_) {
      TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, handle_, 0};
      TrackMouseEvent(&tme);
      mouseInWindow_ = true;
      MouseEnter();
    }
    UpdateHover(under);
  }
  if (systemClass) return false;
  TControl* target = captureControl_ ? captureControl_ : (under && under->Enabled() ? under : nullptr);
  if (!target) target = this;
  TShiftState shift = ShiftStateFromMouse(m.WParam);
  const int x = target == this ? p.x : p.x - target->Left();
  const int y = target == this ? p.y : p.y - target->Top();
  TMouseButton button = TMouseButton::mbLeft;
  switch (m.Msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      button = TMouseButton::mbRight;
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      button = TMouseButton::mbMiddle;
      break;
    default:
      break;
  }
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      target->MouseMove(shift, x, y);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (target != this && target->CaptureOnPress) SetCaptureControl(target);
      target->MouseDown(button, shift, x, y);
      break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      if (target != this && target->CaptureOnPress) SetCaptureControl(target);
      shift.Double = true;
      target->MouseDown(button, shift, x, y);
      if (button == TMouseButton::mbLeft) target->DblClick();
      break;
    default:
      // A release: let go of the capture first, so that a click handler that
      // opens a modal window starts with a free mouse.
      if (captureControl_ == target && !shift.Left && !shift.Right && !shift.Middle) SetCaptureControl(nullptr);
      target->MouseUp(button, shift, x, y);
      break;
  }
  return target != this;
}

void TWinControl::UpdateHover(TControl* hover) {
  if (hover == hoverControl_) return;
  TControl* old = hoverControl_;
  hoverControl_ = hover;
  if (old) old->MouseLeave();
  if (hover && hover == hoverControl_) hover->MouseEnter();
}

void TWinControl::SetCaptureControl(TControl* control) {
  captureControl_ = control;
  if (control) {
    if (GetCapture() != handle_) SetCapture(handle_);
    captureControl_ = control;  // SetCapture's WM_CAPTURECHANGED went elsewhere
  } else if (GetCapture() == handle_) {
    ReleaseCapture();
  }
}

bool TWinControl::HandleSetCursor(TMessage& m) {
  if (reinterpret_cast<HWND>(m.WParam) != handle_ || LOWORD(m.LParam) != HTCLIENT) return false;
  POINT p;
  GetCursorPos(&p);
  ::ScreenToClient(handle_, &p);
  TControl* c = captureControl_ ? captureControl_ : ControlAtPos(p, true, true);
  TCursor cursor = c && c->Cursor != TCursor::crDefault ? c->Cursor : Cursor;
  if (cursor == TCursor::crDefault) return false;
  SetCursor(CursorHandle(cursor));
  m.Result = TRUE;
  return true;
}

}  // namespace tavo::ui
