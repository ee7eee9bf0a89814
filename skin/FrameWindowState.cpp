// Minimized slots, the maximize target, ChangeWindowState, ChangeRollUp and
// the caption double-click of the window frame.
#include "skin/FrameWindowState.h"

#include <algorithm>

#include "skin/Geometry.h"

namespace tavo::skin {

TPoint FindMinimizedSlot(const TRect& area, int MW, int MH, const std::vector<TPoint>& taken) {
  const TPoint first{area.left, area.bottom - MH};
  if (MW < 1 || MH < 1) return first;
  auto isTaken = [&taken](TPoint p) { return std::find(taken.begin(), taken.end(), p) != taken.end(); };
  TPoint slot = first;
  while (isTaken(slot)) {
    slot.x += MW;
    if (slot.x + MW > area.right) {
      slot.x = area.left;
      slot.y -= MH;
    }
    if (slot.y < area.top) return first;
  }
  return slot;
}

TRect MaximizeTarget(const TRect& workArea, const TRect& monitor, int screenWidth, int screenHeight, bool fullScreen) {
  if (fullScreen) return monitor;
  TRect target = workArea;
  const bool wholeMonitor = RectWidth(workArea) == RectWidth(monitor) && RectHeight(workArea) == RectHeight(monitor);
  if (wholeMonitor && monitor == TRect{0, 0, screenWidth, screenHeight})
    target = TRect{target.left + 1, target.top + 1, target.right - 1, target.bottom - 1};
  return target;
}

void TFrameWindowState::SaveRestoreBounds() {
  if (IsNullRect(restoreBounds_)) restoreBounds_ = host_.FormBounds();
}

void TFrameWindowState::ChangeWindowState(TWindowState state) {
  if (state == state_) return;
  const bool mainForm = host_.IsMainForm();
  if (!(state == TWindowState::wsMinimized && mainForm)) state_ = state;

  switch (state) {
    case TWindowState::wsMinimized: {
      if (mainForm) {
        host_.MinimizeApplication();
        return;
      }
      SaveRestoreBounds();
      const TPoint size = host_.MinimumSize();
      const TPoint slot = FindMinimizedSlot(host_.WorkArea(), size.x, size.y, host_.MinimizedPositions());
      host_.SetFormBounds(TRect{slot.x, slot.y, slot.x + size.x, slot.y + size.y});
      return;
    }
    case TWindowState::wsMaximized: {
      SaveRestoreBounds();
      const TPoint screen = host_.ScreenSize();
      host_.SetFormBounds(
          MaximizeTarget(host_.WorkArea(), host_.MonitorRect(), screen.x, screen.y, Options.MaximizeOnFullScreen));
      return;
    }
    case TWindowState::wsNormal: {
      rolledUpWhileMaximized_ = false;
      const TRect before = host_.FormBounds();
      // Every way into wsMinimized or wsMaximized saved the bounds first.
      const TRect target = restoreBounds_;
      host_.SetFormBounds(target);
      host_.EnableTrackingTimer();
      if (RectWidth(target) == RectWidth(before) && RectHeight(target) == RectHeight(before)) host_.NudgeWidth();
      host_.Repaint();
      restoreBounds_ = TRect{};
      return;
    }
  }
}

void TFrameWindowState::ChangeRollUp(bool value) {
  if (!Options.RollUpIcon || state_ == TWindowState::wsMinimized) return;
  if (rolledUp_ && state_ == TWindowState::wsMaximized && !rolledUpWhileMaximized_) return;
  // Rolling up twice would take the rolled height as the height to come
  // back to; rolling down twice would restore a height never saved.
  if (value == rolledUp_) return;
  if (state_ == TWindowState::wsMaximized) rolledUpWhileMaximized_ = value;
  rolledUp_ = value;
  TRect bounds = host_.FormBounds();
  if (value) {
    heightBeforeRollUp_ = RectHeight(bounds);
    bounds.bottom = bounds.top + host_.MinimumSize().y;
  } else {
    bounds.bottom = bounds.top + heightBeforeRollUp_;
  }
  host_.SetFormBounds(bounds);
  host_.RollUpStateChanged();
}

void TFrameWindowState::CaptionDoubleClick(bool sizeable) {
  if (sizeable && state_ == TWindowState::wsMinimized)
    ChangeWindowState(TWindowState::wsNormal);
  else if (sizeable && state_ != TWindowState::wsMaximized && !rolledUp_ && Options.MaximizeIcon)
    ChangeWindowState(TWindowState::wsMaximized);
  else if (sizeable && state_ == TWindowState::wsMaximized && !rolledUpWhileMaximized_)
    ChangeWindowState(TWindowState::wsNormal);
  else
    ChangeRollUp(!rolledUp_);
}

void TFrameWindowState::SystemMenuRestore() {
  if (rolledUp_)
    ChangeRollUp(false);
  else
    ChangeWindowState(TWindowState::wsNormal);
}

void TFrameWindowState::ToggleMaximized() {
  ChangeWindowState(state_ == TWindowState::wsMaximized ? TWindowState::wsNormal : TWindowState::wsMaximized);
}

void TFrameWindowState::ToggleMinimized() {
  ChangeWindowState(state_ == TWindowState::wsMinimized ? TWindowState::wsNormal : TWindowState::wsMinimized);
}

}  // namespace tavo::skin
