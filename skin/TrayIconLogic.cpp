// The tray icon's portable rules: tip, record sending, icon index and
// cycling, and the click state machine.
#include "skin/TrayIconLogic.h"

#include <algorithm>

namespace tavo::skin {

std::array<char, kTrayTipSize> TrayTip(const std::string& hint, bool showHint) {
  std::array<char, kTrayTipSize> tip{};
  if (showHint && !hint.empty()) {
    const size_t n = std::min(hint.size(), static_cast<size_t>(kTrayTipSize - 1));
    std::copy_n(hint.begin(), n, tip.begin());
  }
  return tip;
}

bool TTrayIconLogic::CanFillNotifyIconData() const { return !Designing || designPreview_ || previewChanging_; }

void TTrayIconLogic::Send(TNotifyIconOp op) {
  if (CanFillNotifyIconData()) SendNotifyIcon(op);
}

void TTrayIconLogic::AddNotifyIcon() {
  if (!previewChanging_) iconVisible_ = true;
  // Inside a designer only a preview change puts the icon up or down.
  if (Designing && !previewChanging_) return;
  Send(TNotifyIconOp::nimAdd);
}

void TTrayIconLogic::RemoveNotifyIcon() {
  if (!previewChanging_) iconVisible_ = false;
  if (Designing && !previewChanging_) return;
  Send(TNotifyIconOp::nimDelete);
}

void TTrayIconLogic::UpdateNotifyIcon() { Send(TNotifyIconOp::nimModify); }

void TTrayIconLogic::SetIconVisible(bool visible) {
  if (visible)
    AddNotifyIcon();
  else
    RemoveNotifyIcon();
}

void TTrayIconLogic::SetDesignPreview(bool preview) {
  designPreview_ = preview;
  previewChanging_ = true;
  if (preview)
    AddNotifyIcon();
  else
    RemoveNotifyIcon();
  previewChanging_ = false;
}

void TTrayIconLogic::SetHint(const std::string& hint) {
  hint_ = hint;
  UpdateNotifyIcon();
}

void TTrayIconLogic::SetShowHint(bool show) {
  showHint_ = show;
  UpdateNotifyIcon();
}

void TTrayIconLogic::SetIconIndex(int32_t index) {
  const int count = IconListCount();
  if (count >= 0) {
    iconIndex_ = index;
    if (iconIndex_ >= count) iconIndex_ = count - 1;
    // An empty list leaves nothing to copy; a negative index shows nothing.
    if (iconIndex_ >= 0) CopyListIcon(iconIndex_);
  } else {
    iconIndex_ = 0;
  }
  UpdateNotifyIcon();
}

void TTrayIconLogic::IconListChanged() { SetIconIndex(0); }

void TTrayIconLogic::SetCycleIcons(bool cycle) {
  cycleIcons_ = cycle;
  if (cycle) SetIconIndex(0);
  animateEnabled_ = cycle;
  SetAnimateTimer(animateEnabled_ && animateInterval_ > 0, animateInterval_);
}

void TTrayIconLogic::SetAnimateTimerInterval(uint32_t interval) {
  animateInterval_ = interval;
  SetAnimateTimer(animateEnabled_ && animateInterval_ > 0, animateInterval_);
}

void TTrayIconLogic::AnimateTick() {
  const int count = IconListCount();
  if (count < 0) return;
  if (iconIndex_ >= 0 && iconIndex_ < count) CopyListIcon(iconIndex_);
  const int32_t next = iconIndex_ < count - 1 ? iconIndex_ + 1 : 0;
  DoCycle(next);
  UpdateNotifyIcon();
  SetIconIndex(next);
}

void TTrayIconLogic::HandleTrayMouse(TTrayMouseMessage message, TTrayShiftState keys, TPoint cursor) {
  if (!Enabled) return;
  const TTrayShiftState left = TTrayShiftState(keys).Include(TTrayShift::ssLeft);
  const TTrayShiftState right = TTrayShiftState(keys).Include(TTrayShift::ssRight);
  const TTrayShiftState middle = TTrayShiftState(keys).Include(TTrayShift::ssMiddle);
  switch (message) {
    case TTrayMouseMessage::tmMouseMove:
      MouseMove(keys, cursor.x, cursor.y);
      break;
    case TTrayMouseMessage::tmLButtonDown:
      if (!ClickTimerRunning()) SetClickTimer(true);
      MouseDown(TTrayMouseButton::mbLeft, left, cursor.x, cursor.y);
      clickStarted_ = true;
      if (PopupByLeftButton) PopupMenuAtCursor();
      break;
    case TTrayMouseMessage::tmLButtonUp:
      if (clickStarted_) {
        clickReady_ = true;
        // The double-click time has already run out: this release is the
        // whole click; otherwise the timer's tick reports it.
        if (!ClickTimerRunning()) {
          clickStarted_ = clickReady_ = false;
          Click();
        }
      }
      clickStarted_ = false;
      MouseUp(TTrayMouseButton::mbLeft, left, cursor.x, cursor.y);
      break;
    case TTrayMouseMessage::tmLButtonDblClk:
      clickReady_ = false;
      doubleClickSeen_ = true;
      DblClick();
      if (HasAutoPopupMenu() && !PopupByLeftButton) ClickDefaultMenuItem();
      break;
    case TTrayMouseMessage::tmRButtonDown:
      MouseDown(TTrayMouseButton::mbRight, right, cursor.x, cursor.y);
      PopupMenuAtCursor();
      break;
    case TTrayMouseMessage::tmRButtonUp:
      MouseUp(TTrayMouseButton::mbRight, right, cursor.x, cursor.y);
      break;
    case TTrayMouseMessage::tmMButtonDown:
      MouseDown(TTrayMouseButton::mbMiddle, middle, cursor.x, cursor.y);
      break;
    case TTrayMouseMessage::tmMButtonUp:
      MouseUp(TTrayMouseButton::mbMiddle, middle, cursor.x, cursor.y);
      break;
    case TTrayMouseMessage::tmOther:
      break;
  }
}

void TTrayIconLogic::ClickTimerTick() {
  SetClickTimer(false);
  if (!doubleClickSeen_ && clickReady_) {
    clickReady_ = false;
    Click();
  }
  doubleClickSeen_ = false;
}

void TTrayIconLogic::Click() {
  if (OnClick) OnClick(*this);
}
void TTrayIconLogic::DblClick() {
  if (OnDblClick) OnDblClick(*this);
}
void TTrayIconLogic::DoCycle(int32_t nextIndex) {
  if (OnCycle) OnCycle(*this, nextIndex);
}
void TTrayIconLogic::MouseDown(TTrayMouseButton button, TTrayShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
}
void TTrayIconLogic::MouseUp(TTrayMouseButton button, TTrayShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
}
void TTrayIconLogic::MouseMove(TTrayShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(*this, shift, x, y);
}

}  // namespace tavo::skin
