// TSkinFormStates: the form and screen the frame's window-state machine
// and the caption-button commands work on — the form's bounds, the
// monitor's work area, the other minimized frames, the application.
// Win32 side of TSkinForm.
#pragma once

#include "skin/FrameCommands.h"
#include "skin/FrameWindowState.h"

namespace tavo::skin {

class TSkinForm;

class TSkinFormStates : public TFrameWindowHost, public TFrameCommandHost {
 public:
  explicit TSkinFormStates(TSkinForm& frame) : frame_(frame), state_(*this) {}

  TFrameWindowState& State() { return state_; }
  const TFrameWindowState& State() const { return state_; }

  // TFrameWindowHost
  TRect FormBounds() const override;
  void SetFormBounds(const TRect& bounds) override;
  bool IsMainForm() const override;
  void MinimizeApplication() override;
  TPoint MinimumSize() const override;
  TRect WorkArea() const override;
  TRect MonitorRect() const override;
  TPoint ScreenSize() const override;
  std::vector<TPoint> MinimizedPositions() const override;
  void EnableTrackingTimer() override;
  void NudgeWidth() override;
  void Repaint() override;
  void RollUpStateChanged() override;

  // TFrameCommandHost
  TWindowState WindowState() const override { return state_.State(); }
  bool RolledUp() const override { return state_.RolledUp(); }
  bool AlwaysMinimizeToTray() const override;
  void CloseForm() override;
  void ChangeWindowState(TWindowState state) override;
  void ChangeRollUp(bool value) override;
  void HideToTray() override;
  void PopUpSystemMenu() override {}
  void PopUpMenuItem() override {}

 private:
  TSkinForm& frame_;
  TFrameWindowState state_;
};

}  // namespace tavo::skin
