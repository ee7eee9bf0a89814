// The frame's hover and press state machine: TrackHover, PressObject,
// ReleaseObject, the tracking timer and the non-client mouse routing.
#include "skin/FrameMouse.h"

#include "skin/FrameHitTest.h"
#include "skin/Geometry.h"

namespace tavo::skin {

bool TFrameMouse::Usable(int index) const {
  if (index < 0 || index >= host_.ObjectCount()) return false;
  const TFrameObjectInfo info = host_.ObjectInfo(index);
  return info.Enabled && info.Visible;
}

void TFrameMouse::ResetIndexes() { active_ = previous_ = capture_ = kNone; }

void TFrameMouse::SetTrackingTimer(bool enabled) {
  timerEnabled_ = enabled;
  host_.EnableTrackingTimer(enabled);
}

void TFrameMouse::TrackHover(TPoint p, bool inFrame) {
  const int count = host_.ObjectCount();
  if (count == 0 || !host_.FormActive()) return;
  previous_ = active_;
  int found = kNone;
  for (int i = 0; i < count && found == kNone; ++i) {
    const TFrameObjectInfo info = host_.ObjectInfo(i);
    if (info.Enabled && info.Visible && PtInRect(info.ObjectRect, p)) found = i;
  }
  active_ = inFrame ? found : kNone;
  if (capture_ != kNone && capture_ != active_ && active_ != kNone) active_ = kNone;
  if (active_ >= count) active_ = kNone;
  if (active_ == previous_) return;

  const bool hints = host_.ObjectHintsOn();
  if (Usable(previous_)) {
    const int left = previous_;
    host_.MouseLeave(left);
    if (hints && Usable(left) && !host_.ObjectInfo(left).Hint.empty()) host_.HideHintText();
  }
  if (Usable(active_)) {
    const int entered = active_;
    host_.MouseEnter(entered);
    if (hints && Usable(entered)) {
      const std::string hint = host_.ObjectInfo(entered).Hint;
      if (!hint.empty()) host_.ShowHintText(hint);
    }
  }
}

void TFrameMouse::PressObject(TSkinMouseButton button, TPoint p) {
  if (active_ == kNone || active_ >= host_.ObjectCount()) return;
  if (!host_.ObjectInfo(active_).Caption) host_.SetCapture();
  capture_ = active_;
  host_.MouseDown(capture_, p.x, p.y, button);
}

void TFrameMouse::ReleaseObject(TSkinMouseButton button, TPoint p) {
  if (capture_ == kNone) return;
  // The index is dropped before MouseUp runs: its command may close the
  // form or change the skin, and nothing may use the old index after that.
  const int released = capture_;
  capture_ = kNone;
  if (released >= host_.ObjectCount()) {
    // The list changed under the press: the object is gone, the capture
    // must still end.
    host_.ReleaseCapture();
    return;
  }
  if (!host_.ObjectInfo(released).Caption) host_.ReleaseCapture();
  host_.MouseUp(released, p.x, p.y, button);
}

void TFrameMouse::HitTested(int code, TPoint p) {
  if (code != kHtObject || timerEnabled_) return;
  TrackHover(p, true);
  SetTrackingTimer(true);
}

void TFrameMouse::TimerTick() {
  if (!host_.FormActive()) return;
  if (inLoop_) {
    SetTrackingTimer(false);
    return;
  }
  const TPoint p = host_.CursorPos();
  if (!PtInRect(host_.ClientRect(), p))
    TrackHover(p, true);
  else if (active_ != kNone)
    TrackHover(TPoint{-1, -1}, true);
}

void TFrameMouse::NcMouseMove(TPoint p) {
  const int target = capture_ != kNone ? capture_ : active_;
  if (target != kNone && target < host_.ObjectCount()) host_.MouseMove(target, p.x, p.y);
}

TNcMouseAction TFrameMouse::NcButtonDown(TSkinMouseButton button, int hitCode, TPoint p) {
  if (button == TSkinMouseButton::mbMiddle) return TNcMouseAction::naNone;
  if (button == TSkinMouseButton::mbLeft && sizeMove_) {
    // The default processing of this press ran a move or size loop.
    sizeMove_ = false;
    return TNcMouseAction::naNone;
  }
  TrackHover(p, true);
  PressObject(button, p);
  if (hitCode != kHtCaption) return TNcMouseAction::naNone;
  capture_ = kNone;
  return button == TSkinMouseButton::mbRight ? TNcMouseAction::naShowSystemMenu : TNcMouseAction::naNone;
}

TNcMouseAction TFrameMouse::NcButtonDblClick(TSkinMouseButton button, int hitCode, TPoint p) {
  if (button == TSkinMouseButton::mbMiddle) return TNcMouseAction::naNone;
  TrackHover(p, true);
  PressObject(button, p);
  if (button == TSkinMouseButton::mbLeft && active_ != kNone && active_ < host_.ObjectCount()) host_.DblClick(active_);
  if (hitCode != kHtCaption) return TNcMouseAction::naNone;
  capture_ = kNone;
  return button == TSkinMouseButton::mbLeft ? TNcMouseAction::naCaptionDoubleClick : TNcMouseAction::naNone;
}

void TFrameMouse::EnterSizeMove(bool fullDragSetting) {
  host_.ResetHoverStates();
  SetTrackingTimer(false);
  active_ = capture_ = kNone;
  sizeMove_ = inLoop_ = true;
  fullDrag_ = fullDragSetting;
}

void TFrameMouse::ExitSizeMove() {
  SetTrackingTimer(false);
  ResetIndexes();
  inLoop_ = false;
}

}  // namespace tavo::skin
