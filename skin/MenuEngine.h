// TMenuEngine: the logic of the frame's menu engine — the list of open
// popups (index 0 the first, each next one a submenu of the one before),
// item activation, the 500 ms submenu delay, execution with every popup
// closed before the command runs, the popups' keys, hover, scrolling and
// closing. Portable: windows, timers and messages come through
// TMenuEngineHost and TPopupSurface; the Win32 TSkinMenu supplies them and
// tests use fakes.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "skin/PopupLogic.h"
#include "skin/SkinData.h"

namespace tavo::skin {

// The messages the engine sends.
constexpr unsigned kMsgCloseSkinMenus = 1228;
constexpr unsigned kMsgMenuCommandDone = 1229;
constexpr unsigned kSubmenuDelayMs = 500;
constexpr unsigned kPopupScrollMs = 100;
constexpr unsigned kPopupMouseMs = 50;
constexpr unsigned kPopupMorphMs = 20;

// The window of one open popup.
class TPopupSurface {
 public:
  virtual ~TPopupSurface() = default;
  // Shows the window topmost at bounds without activating it, shaped by
  // region when there is one; alpha lists the translucency steps (empty:
  // opaque, one value: that alpha, more: a fade in that order).
  virtual void Show(const TRect& bounds, const std::optional<TRegion>& region, const std::vector<uint8_t>& alpha) = 0;
  // Draws the whole window again, or one item alone.
  virtual void Repaint() = 0;
  virtual void RedrawItem(int index) = 0;
  // The 100 ms scroll timer, the 50 ms mouse timer and the 20 ms morph
  // timer.
  virtual void SetScrollTimer(bool on) = 0;
  virtual void SetMouseTimer(bool on) = 0;
  virtual void SetMorphTimer(bool on) = 0;
};

class TMenuEngine;

// What the engine asks of the frame and the platform.
class TMenuEngineHost {
 public:
  virtual ~TMenuEngineHost() = default;
  // The work area of the monitor that holds the owner form.
  virtual TRect WorkArea() = 0;
  virtual std::unique_ptr<TPopupSurface> CreatePopup(TMenuEngine& engine, TPopupLogic& popup) = 0;
  // Starts (500 ms) or stops the submenu delay; its tick comes back as
  // TMenuEngine::DelayElapsed.
  virtual void SetDelayTimer(bool on) = 0;
  // MsgCloseSkinMenus to the owner form.
  virtual void NotifyOwnerClosed() = 0;
  // A message (MsgCloseSkinMenus, MsgMenuCommandDone) to a control.
  virtual void NotifyControl(const void* control, unsigned message) = 0;
  virtual TMenuTextPainter& TextPainter() = 0;
  virtual TMenuColors Colors() = 0;
  virtual bool CanUseLayeredWindows() = 0;
  // Lets pending messages run (before the first popup fades in).
  virtual void ProcessMessages() = 0;
};

class TMenuEngine {
 public:
  explicit TMenuEngine(TMenuEngineHost& host) : host_(host) {}
  ~TMenuEngine();
  TMenuEngine(const TMenuEngine&) = delete;
  TMenuEngine& operator=(const TMenuEngine&) = delete;

  // --- settings ----------------------------------------------------------
  bool UseSkinFont = true;
  int DefMenuItemHeight = 20;
  TButtonFont DefMenuItemFont{"Arial", 14, {}, 1};
  bool AlphaBlend = false, AlphaAnimation = false;
  uint8_t AlphaValue = 150;
  int MaxMenuItemsInWindow = 0;

  // --- opening and closing ------------------------------------------------
  // Opens the sub-items of item from start in a first popup placed by the
  // anchor (screen coordinates). Nothing opens when item has no sub-items
  // or start is not below their number.
  void Popup(const void* control, const TSkinData* data, bool upward, TMenuItem& item, const TRect& anchor,
             int start);
  // Closes the popups from list index n on.
  void CloseFrom(int n);
  // Closes every popup and tells the owner form.
  void CloseAll();

  bool Visible() const { return visible_; }
  int PopupCount() const { return static_cast<int>(popups_.size()); }
  TPopupLogic& PopupAt(int index) { return *popups_.at(static_cast<size_t>(index)).logic; }
  int IndexOf(const TPopupLogic& popup) const;
  TMenuItem* WaitingItem() const { return waiting_; }
  bool DelayRunning() const { return delayRunning_; }
  const void* DoneControl() const { return doneControl_; }

  // --- items ---------------------------------------------------------------
  void ActivateItem(TPopupLogic& popup, int index, bool keyboard);
  void DeactivateItem(TPopupLogic& popup, int index);
  void ExecuteItem(TPopupLogic& popup, int index);

  // --- input ---------------------------------------------------------------
  // A key for the last popup. True when it closed the last open popup (the
  // frame then leaves menu mode).
  bool KeyDown(unsigned key);
  // The hover update at (x, y) in the popup's coordinates.
  void Hover(TPopupLogic& popup, int x, int y);
  // A tick of the popup's mouse timer: the cursor in its coordinates and
  // whether the window under the cursor is this popup.
  void MouseTick(TPopupLogic& popup, TPoint cursor, bool overPopup);
  // A left-button release at (x, y) in the popup's coordinates.
  void LeftButtonUp(TPopupLogic& popup, int x, int y);
  void ScrollTick(TPopupLogic& popup);
  // A tick of the popup's morph timer: the items under way move one step
  // and are drawn again; a tick that moves nothing stops the timer.
  void MorphTick(TPopupLogic& popup);
  void DelayElapsed();

 private:
  struct TOpenPopup {
    std::unique_ptr<TPopupLogic> logic;
    std::unique_ptr<TPopupSurface> surface;
    TPoint lastMouse{-1, -1};
  };
  TOpenPopup& Entry(const TPopupLogic& popup);
  void OpenPopup(TMenuItem& item, const TRect& anchor, bool submenu, bool upward, int start);
  void StopDelay();
  void StartDelay();
  void Redraw(TPopupLogic& popup, int index);
  void StopScroll(TPopupLogic& popup);
  void MoveByKeyboard(TPopupLogic& popup, int to, bool down);
  void EscapeLast();
  std::vector<uint8_t> AlphaSteps() const;

  TMenuEngineHost& host_;
  std::vector<TOpenPopup> popups_;
  bool visible_ = false;
  bool first_ = false;
  const void* popupControl_ = nullptr;
  const void* doneControl_ = nullptr;
  const TSkinData* skinData_ = nullptr;
  TRect workArea_;
  TMenuItem* waiting_ = nullptr;
  TPopupLogic* waitingPopup_ = nullptr;
  bool delayRunning_ = false;
};

}  // namespace tavo::skin
