// TFrameMouse: the window frame's hover and press state machine — which
// object is under the mouse (the active object), which one took the press
// (the capture object), the mouse-tracking timer's ticks and the routing
// of the non-client mouse messages. Portable: the Win32 frame implements
// TFrameMouseHost over its object list, capture, hints and timer.
#pragma once

#include <string>

#include "core/Rect.h"
#include "skin/FrameObjectHost.h"

namespace tavo::skin {

// What the state machine needs to know about one object of the list.
struct TFrameObjectInfo {
  TRect ObjectRect;
  bool Enabled = true;
  bool Visible = true;
  bool Caption = false;  // a caption object: presses on it capture nothing
  std::string Hint;
};

// The frame as the state machine sees it. Object indexes run from 0 to
// ObjectCount() - 1 in list order.
class TFrameMouseHost {
 public:
  virtual ~TFrameMouseHost() = default;

  virtual int ObjectCount() const = 0;
  virtual TFrameObjectInfo ObjectInfo(int index) const = 0;
  // The form's active state as the frame defines it.
  virtual bool FormActive() const = 0;
  // The placed client rectangle, in window coordinates.
  virtual TRect ClientRect() const = 0;
  // The cursor's position in window coordinates.
  virtual TPoint CursorPos() const = 0;
  // ShowObjectHint is set and a hint component is assigned.
  virtual bool ObjectHintsOn() const = 0;

  // The objects' reactions.
  virtual void MouseEnter(int index) = 0;
  virtual void MouseLeave(int index) = 0;
  virtual void MouseDown(int index, int x, int y, TSkinMouseButton button) = 0;
  virtual void MouseUp(int index, int x, int y, TSkinMouseButton button) = 0;
  virtual void MouseMove(int index, int x, int y) = 0;
  virtual void DblClick(int index) = 0;
  // Clears the hover state of every object (captions excepted).
  virtual void ResetHoverStates() = 0;

  virtual void SetCapture() = 0;
  virtual void ReleaseCapture() = 0;
  virtual void ShowHintText(const std::string& text) = 0;
  virtual void HideHintText() = 0;
  // Starts (true) or stops the 50 ms mouse-tracking timer.
  virtual void EnableTrackingTimer(bool enabled) = 0;
};

// What a routed message asks the frame to do next.
enum class TNcMouseAction {
  naNone,
  naCaptionDoubleClick,  // the caption double-click (window state or roll-up)
  naShowSystemMenu,      // the system menu at the cursor's screen position
};

class TFrameMouse {
 public:
  static constexpr int kNone = -1;
  static constexpr int kTrackingInterval = 50;

  explicit TFrameMouse(TFrameMouseHost& host) : host_(host) {}

  int ActiveObject() const { return active_; }
  int PreviousActiveObject() const { return previous_; }
  int CaptureObject() const { return capture_; }
  bool TrackingTimerEnabled() const { return timerEnabled_; }
  // Set by WM_ENTERSIZEMOVE; cleared by the button press whose default
  // processing ran the loop.
  bool SizeMove() const { return sizeMove_; }
  // A move or size loop runs (WM_ENTERSIZEMOVE .. WM_EXITSIZEMOVE).
  bool InSizeMoveLoop() const { return inLoop_; }
  // The platform's full-window dragging setting, read as the loop began.
  bool FullDrag() const { return fullDrag_; }
  // A loop with full-window dragging runs: WM_SIZE and WM_SIZING re-lay the
  // frame as the window changes.
  bool FullDragLoop() const { return inLoop_ && fullDrag_; }

  // Every index becomes none (a new skin, or the objects were freed).
  void ResetIndexes();
  void SetTrackingTimer(bool enabled);

  // The object under p becomes the active one (only while there are
  // objects and the form is active); entering and leaving objects get
  // MouseEnter and MouseLeave and their hints. While a capture object
  // exists, no other object becomes active.
  void TrackHover(TPoint p, bool inFrame);
  // The active object takes the press: capture (not for a caption), then
  // its MouseDown.
  void PressObject(TSkinMouseButton button, TPoint p);
  // The capture object gets the release: capture released (not for a
  // caption), then its MouseUp.
  void ReleaseObject(TSkinMouseButton button, TPoint p);

  // WM_NCHITTEST answered `code` for p: an HTOBJECT answer starts hover
  // tracking and the timer when the timer is off.
  void HitTested(int code, TPoint p);
  // A tick of the mouse-tracking timer.
  void TimerTick();

  // The non-client messages after their default processing; p in window
  // coordinates, hitCode the message's first parameter.
  void NcMouseMove(TPoint p);
  // Call before the default processing of WM_NCLBUTTONDOWN, so that only a
  // loop this press runs is taken for one (a loop started from the keyboard
  // or the system menu leaves no stale flag behind).
  void BeforeNcLButtonDown() { sizeMove_ = false; }
  TNcMouseAction NcButtonDown(TSkinMouseButton button, int hitCode, TPoint p);
  void NcButtonUp(TSkinMouseButton button, TPoint p) { ReleaseObject(button, p); }
  TNcMouseAction NcButtonDblClick(TSkinMouseButton button, int hitCode, TPoint p);
  // WM_LBUTTONUP / WM_RBUTTONUP while captured: the point is (-1, -1), the
  // buttons decide by their active flag.
  void ButtonUp(TSkinMouseButton button) { ReleaseObject(button, TPoint{-1, -1}); }

  // WM_ENTERSIZEMOVE and WM_EXITSIZEMOVE.
  void EnterSizeMove(bool fullDragSetting);
  void ExitSizeMove();

 private:
  bool Usable(int index) const;

  TFrameMouseHost& host_;
  int active_ = kNone;
  int previous_ = kNone;
  int capture_ = kNone;
  bool timerEnabled_ = false;
  bool sizeMove_ = false;
  bool inLoop_ = false;
  bool fullDrag_ = false;
};

}  // namespace tavo::skin
