// The frame's hit test on the window: the skinned or plain answer for a
// point in window coordinates, from the placed geometry, the mask strips
// and the state of the mouse and the window.
#include "skin/FrameHitTest.h"
#include "skin/FrameObjectBehaviour.h"
#include "skin/win32/SkinForm.h"
#include "skin/win32/SkinFormInput.h"

namespace tavo::skin {

namespace {

bool SizeableStyle(ui::TBorderStyle style) {
  return style == ui::TBorderStyle::bsSizeable || style == ui::TBorderStyle::bsSizeToolWin;
}

}  // namespace

TPoint TSkinForm::ScreenToFrame(TPoint screen) const {
  // A child's Left and Top are its parent's client coordinates: the point
  // goes through the child's client area instead.
  if (IsMdiChild() && Wnd()) {
    POINT p{screen.x, screen.y};
    ScreenToClient(Wnd(), &p);
    if (Skinned()) return TPoint{p.x + placed_.ClientRect.left, p.y + placed_.ClientRect.top};
    return TPoint{p.x + 3, p.y + (ToolWindow() ? 15 : 19) + 3};
  }
  return skin::ScreenToFrame(screen, TPoint{form_.Left(), form_.Top()});
}

int TSkinForm::HitTest(TPoint p) const {
  const TFrameMouse& mouse = input_->Mouse();
  const bool objectActive = mouse.ActiveObject() != TFrameMouse::kNone;
  const bool sizeable = SizeableStyle(form_.BorderStyle());
  const TWindowState state = WindowState();
  if (Skinned()) {
    TSkinnedHitInput in = SkinnedHitInputOf(placed_, skinData_->borderwidth,
                                            skinData_->Mask.Empty() ? nullptr : &maskStrips_, objects_);
    in.Sizeable = sizeable;
    in.ObjectActive = objectActive;
    in.SizeMoveLoop = mouse.InSizeMoveLoop();
    in.RolledUp = RolledUp();
    in.Minimized = state == TWindowState::wsMinimized;
    in.Maximized = state == TWindowState::wsMaximized;
    return SkinnedHitTest(p, in);
  }
  TPlainHitInput in;
  in.FormWidth = form_.Width();
  in.FormHeight = form_.Height();
  in.CaptionRect = plainCaptionRect_;
  in.CaptionHeight = ToolWindow() ? 15 : 19;
  in.Sizeable = sizeable;
  in.ObjectActive = objectActive;
  in.RolledUp = RolledUp();
  in.Minimized = state == TWindowState::wsMinimized;
  in.Maximized = state == TWindowState::wsMaximized;
  return PlainHitTest(p, in);
}

}  // namespace tavo::skin
