// TTrayIconLogic: the rules of the tray icon that need no system — the tip
// text, when the notify-icon record is sent and with which operation, the
// icon index and cycling through an icon list, and the click state machine
// that turns the mouse messages on the icon into events. Portable: the
// Win32 TTrayIcon supplies the record, the timers, the cursor and the menu
// through the virtual operations below.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/EnumSet.h"
#include "core/Rect.h"

namespace tavo::skin {

enum class TTrayMouseButton { mbLeft, mbRight, mbMiddle };
enum class TTrayShift { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle };
using TTrayShiftState = TEnumSet<TTrayShift>;

// The operations of the notification-area call.
enum class TNotifyIconOp { nimAdd, nimModify, nimDelete };

// The mouse messages the icon's callback carries, by meaning.
enum class TTrayMouseMessage {
  tmMouseMove,
  tmLButtonDown,
  tmLButtonUp,
  tmLButtonDblClk,
  tmRButtonDown,
  tmRButtonUp,
  tmMButtonDown,
  tmMButtonUp,
  tmOther
};

// The tip field of the record: 128 bytes, the hint cut to 127 characters
// and zero-terminated when there is a hint to show, all zeros otherwise.
constexpr int kTrayTipSize = 128;
std::array<char, kTrayTipSize> TrayTip(const std::string& hint, bool showHint);

class TTrayIconLogic;
using TTrayNotifyEvent = std::function<void(TTrayIconLogic& sender)>;
using TTrayMouseEvent =
    std::function<void(TTrayIconLogic& sender, TTrayMouseButton button, TTrayShiftState shift, int x, int y)>;
using TTrayMouseMoveEvent = std::function<void(TTrayIconLogic& sender, TTrayShiftState shift, int x, int y)>;
using TCycleEvent = std::function<void(TTrayIconLogic& sender, int32_t nextIndex)>;

class TTrayIconLogic {
 public:
  virtual ~TTrayIconLogic() = default;

  // True while the component is edited in a form designer.
  bool Designing = false;

  // --- properties with behaviour -------------------------------------------
  bool IconVisible() const { return iconVisible_; }
  void SetIconVisible(bool visible);
  bool DesignPreview() const { return designPreview_; }
  void SetDesignPreview(bool preview);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show);
  int32_t IconIndex() const { return iconIndex_; }
  // With an icon list the index is lowered to the list's last icon and that
  // icon is shown; without one it becomes 0.
  void SetIconIndex(int32_t index);
  bool CycleIcons() const { return cycleIcons_; }
  void SetCycleIcons(bool cycle);
  uint32_t AnimateTimerInterval() const { return animateInterval_; }
  void SetAnimateTimerInterval(uint32_t interval);

  // --- plain properties --------------------------------------------------------
  bool Enabled = true;
  bool PopupByLeftButton = false;
  bool MinimizedOnStart = false;
  bool MinimizeToTray = true;

  // --- events --------------------------------------------------------------
  TTrayNotifyEvent OnClick, OnDblClick;
  TTrayMouseEvent OnMouseDown, OnMouseUp;
  TTrayMouseMoveEvent OnMouseMove;
  TCycleEvent OnCycle;

  // --- operations ----------------------------------------------------------
  virtual void AddNotifyIcon();
  virtual void RemoveNotifyIcon();
  virtual void UpdateNotifyIcon();
  // The icon list changed: the index starts again at 0.
  void IconListChanged();

  // One mouse message on the icon (ignored while Enabled is false), with the
  // keyboard's shift keys and the cursor at the time it is handled.
  void HandleTrayMouse(TTrayMouseMessage message, TTrayShiftState keys, TPoint cursor);
  // The click timer's tick (the double-click time has passed).
  void ClickTimerTick();
  // The animation timer's tick.
  void AnimateTick();

  // The tip the record carries now.
  std::array<char, kTrayTipSize> Tip() const { return TrayTip(hint_, showHint_); }
  // Whether the record may be filled and sent now: never inside a designer
  // unless the icon is previewed there or a preview change is applied.
  bool CanFillNotifyIconData() const;

 protected:
  // --- the platform ------------------------------------------------------------
  // Fills the record (icon and Tip()) and hands it to the notification area.
  virtual void SendNotifyIcon(TNotifyIconOp op) = 0;
  virtual void SetClickTimer(bool enabled) = 0;
  virtual bool ClickTimerRunning() const = 0;
  virtual void SetAnimateTimer(bool enabled, uint32_t interval) = 0;
  // Icons in the icon list; -1 when there is no list.
  virtual int IconListCount() const = 0;
  // Copies the list's icon at index into Icon.
  virtual void CopyListIcon(int index) = 0;
  virtual void PopupMenuAtCursor() = 0;
  // A popup menu with its automatic popup on is assigned.
  virtual bool HasAutoPopupMenu() const = 0;
  // Clicks the menu's first top-level item marked default, if any.
  virtual void ClickDefaultMenuItem() = 0;

  // --- the events, each fired when assigned --------------------------------
  virtual void Click();
  virtual void DblClick();
  virtual void DoCycle(int32_t nextIndex);
  virtual void MouseDown(TTrayMouseButton button, TTrayShiftState shift, int x, int y);
  virtual void MouseUp(TTrayMouseButton button, TTrayShiftState shift, int x, int y);
  virtual void MouseMove(TTrayShiftState shift, int x, int y);

 private:
  void Send(TNotifyIconOp op);

  bool iconVisible_ = true;
  bool designPreview_ = false;
  bool previewChanging_ = false;
  std::string hint_;
  bool showHint_ = true;
  int32_t iconIndex_ = 0;
  bool cycleIcons_ = false;
  uint32_t animateInterval_ = 0;
  bool animateEnabled_ = false;
  bool clickStarted_ = false, clickReady_ = false, doubleClickSeen_ = false;
};

}  // namespace tavo::skin
