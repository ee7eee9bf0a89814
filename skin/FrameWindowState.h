// The window states the frame manages itself — minimized into a slot along
// the bottom of the work area, maximized to the work area or the monitor,
// restored to the bounds saved once — and roll-up, with the caption
// double-click that chooses between them. Portable: TFrameWindowHost
// moves the form and reports the screen.
#pragma once

#include <vector>

#include "core/Rect.h"
#include "skin/FrameObjectHost.h"

namespace tavo::skin {

// The first free slot for a minimized window MW x MH in area: from the
// bottom-left corner rightwards, then one row (MH) higher whenever the next
// slot would pass the right edge; a slot is taken when a position of
// `taken` equals its top-left exactly. When the rows climb above the
// area's top the first slot is used after all. A size below 1 gives the
// first slot (the search could not advance).
TPoint FindMinimizedSlot(const TRect& area, int MW, int MH, const std::vector<TPoint>& taken);

// Where a maximized window goes: the whole monitor when fullScreen is set,
// else the work area. A work area as large as the monitor, on a monitor
// that is the whole screen (0, 0, screenWidth, screenHeight), shrinks by 1
// pixel on every side, so that a hidden taskbar can still be reached.
TRect MaximizeTarget(const TRect& workArea, const TRect& monitor, int screenWidth, int screenHeight, bool fullScreen);

// What the window-state machine asks of the form and the screen.
class TFrameWindowHost {
 public:
  virtual ~TFrameWindowHost() = default;
  virtual TRect FormBounds() const = 0;
  virtual void SetFormBounds(const TRect& bounds) = 0;
  // The form is the application's main form (minimizing it minimizes the
  // application).
  virtual bool IsMainForm() const = 0;
  virtual void MinimizeApplication() = 0;
  // The frame's minimum width and height, evaluated for the state the
  // machine holds at the time of the call (minimized, rolled up).
  virtual TPoint MinimumSize() const = 0;
  // The work area and the whole rectangle of the window's monitor, and the
  // screen's size.
  virtual TRect WorkArea() const = 0;
  virtual TRect MonitorRect() const = 0;
  virtual TPoint ScreenSize() const = 0;
  // Top-left corners of the other visible forms (not the main form) whose
  // frames are minimized.
  virtual std::vector<TPoint> MinimizedPositions() const = 0;
  virtual void EnableTrackingTimer() = 0;
  // Narrows the form by 1 pixel and widens it back, so that it lays itself
  // out again although its size did not change.
  virtual void NudgeWidth() = 0;
  virtual void Repaint() = 0;
  // OnChangeRollUpState.
  virtual void RollUpStateChanged() = 0;
};

struct TFrameWindowOptions {
  bool MaximizeOnFullScreen = false;
  bool RollUpIcon = true;    // biRollUp in BorderIcons
  bool MaximizeIcon = true;  // biMaximize in BorderIcons
};

class TFrameWindowState {
 public:
  explicit TFrameWindowState(TFrameWindowHost& host) : host_(host) {}

  TWindowState State() const { return state_; }
  bool RolledUp() const { return rolledUp_; }
  bool RolledUpWhileMaximized() const { return rolledUpWhileMaximized_; }
  int HeightBeforeRollUp() const { return heightBeforeRollUp_; }
  // The bounds before minimizing or maximizing; (0, 0, 0, 0) when none is
  // saved.
  const TRect& RestoreBounds() const { return restoreBounds_; }

  TFrameWindowOptions Options;

  // Minimizes into a slot, maximizes, or restores the saved bounds. The
  // application's main form minimizes the application and keeps wsNormal.
  void ChangeWindowState(TWindowState state);
  // Rolls the window up to its minimum height or back down; nothing
  // without the roll-up icon, while minimized, when rolled up while
  // maximized by another route, or when value is the current state.
  void ChangeRollUp(bool value);
  // The caption double-click: a sizeable window restores from minimized,
  // maximizes (with the maximize icon), or restores from maximized; every
  // other case rolls up or down.
  void CaptionDoubleClick(bool sizeable);
  // Restore chosen from the system menu: a rolled-up window rolls down
  // instead of changing its window state.
  void SystemMenuRestore();
  // The maximize button's and the minimize button's toggles.
  void ToggleMaximized();
  void ToggleMinimized();

 private:
  void SaveRestoreBounds();

  TFrameWindowHost& host_;
  TWindowState state_ = TWindowState::wsNormal;
  bool rolledUp_ = false;
  bool rolledUpWhileMaximized_ = false;
  int heightBeforeRollUp_ = 0;
  TRect restoreBounds_;
};

}  // namespace tavo::skin
