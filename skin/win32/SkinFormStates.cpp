// The frame's window states on the screen: the form's bounds, the
// monitor, the other minimized frames and the application for the
// portable window-state machine, and the caption-button commands.
#include "skin/win32/SkinFormStates.h"

#include "skin/win32/Monitor.h"
#include "skin/win32/SkinForm.h"
#include "ui/Application.h"
#include "ui/Screen.h"

namespace tavo::skin {

// --- TFrameWindowHost ----------------------------------------------------------

TRect TSkinFormStates::FormBounds() const {
  const ui::TForm& f = frame_.Form();
  return TRect{f.Left(), f.Top(), f.Left() + f.Width(), f.Top() + f.Height()};
}

void TSkinFormStates::SetFormBounds(const TRect& b) {
  frame_.Form().SetBounds(b.left, b.top, b.right - b.left, b.bottom - b.top);
}

bool TSkinFormStates::IsMainForm() const { return ui::Application().MainForm() == &frame_.Form(); }

void TSkinFormStates::MinimizeApplication() { ui::Application().Minimize(); }

TPoint TSkinFormStates::MinimumSize() const { return MinimumFrameSize(frame_.SizeLimits()); }

TRect TSkinFormStates::WorkArea() const { return win32::GetMonitorWorkArea(frame_.Wnd(), true); }

TRect TSkinFormStates::MonitorRect() const { return win32::GetMonitorWorkArea(frame_.Wnd(), false); }

TPoint TSkinFormStates::ScreenSize() const {
  return TPoint{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

std::vector<TPoint> TSkinFormStates::MinimizedPositions() const {
  std::vector<TPoint> taken;
  const ui::TForm* mainForm = ui::Application().MainForm();
  for (const ui::TForm* form : ui::Screen().Forms()) {
    if (form == &frame_.Form() || form == mainForm || !form->HandleAllocated() || !IsWindowVisible(form->Handle()))
      continue;
    const TSkinForm* other = FindSkinForm(*form);
    if (other && other->WindowState() == TWindowState::wsMinimized) taken.push_back(TPoint{form->Left(), form->Top()});
  }
  return taken;
}

void TSkinFormStates::EnableTrackingTimer() { frame_.EnableMouseTracking(true); }

void TSkinFormStates::NudgeWidth() {
  ui::TForm& f = frame_.Form();
  f.SetBounds(f.Left(), f.Top(), f.Width() - 1, f.Height());
  f.SetBounds(f.Left(), f.Top(), f.Width() + 1, f.Height());
}

void TSkinFormStates::Repaint() {
  if (HWND wnd = frame_.Wnd()) RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  frame_.RequestNcPaint();
}

void TSkinFormStates::RollUpStateChanged() {
  if (frame_.OnChangeRollUpState) frame_.OnChangeRollUpState(frame_);
}

// --- TFrameCommandHost ---------------------------------------------------------

bool TSkinFormStates::AlwaysMinimizeToTray() const { return frame_.AlwaysMinimizeToTray; }
void TSkinFormStates::CloseForm() { frame_.CloseForm(); }
void TSkinFormStates::ChangeWindowState(TWindowState state) { frame_.ChangeWindowState(state); }
void TSkinFormStates::ChangeRollUp(bool value) { frame_.ChangeRollUp(value); }
void TSkinFormStates::HideToTray() { frame_.HideToTray(); }

// --- TSkinForm: window states ----------------------------------------------------

TWindowState TSkinForm::WindowState() const {
  return IsMdiChild() ? mdiWindowState_ : states_->State().State();
}
bool TSkinForm::RolledUp() const { return states_->State().RolledUp(); }
TRect TSkinForm::RestoreBounds() const { return states_->State().RestoreBounds(); }
bool TSkinForm::RolledUpWhileMaximized() const { return states_->State().RolledUpWhileMaximized(); }

void TSkinForm::SyncWindowStateOptions() {
  TFrameWindowOptions& options = states_->State().Options;
  options.MaximizeOnFullScreen = MaximizeOnFullScreen;
  options.RollUpIcon = borderIcons_.Contains(TBorderIcon::biRollUp);
  options.MaximizeIcon = borderIcons_.Contains(TBorderIcon::biMaximize);
}

void TSkinForm::ChangeWindowState(TWindowState state) {
  if (IsMdiChild()) {
    ChangeMdiChildState(state);
    return;
  }
  SyncWindowStateOptions();
  states_->State().ChangeWindowState(state);
}

void TSkinForm::ChangeRollUp(bool value) {
  SyncWindowStateOptions();
  states_->State().ChangeRollUp(value);
}

// The tray icon component attaches here; without one both do nothing.
void TSkinForm::HideToTray() {
  if (TrayHide) TrayHide();
}
void TSkinForm::ShowFromTray() {
  if (TrayShow) TrayShow();
}

}  // namespace tavo::skin
