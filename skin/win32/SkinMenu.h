// TSkinMenu: the frame's menu engine on Win32 — a component owned by the
// form that holds the portable TMenuEngine and gives it popup windows, the
// 500 ms submenu delay timer, the monitor's work area, GDI text and the
// messages 1228 and 1229; and menu mode: while a menu is open it takes the
// application's message handler over, so keys (which go to the focused
// control, the popups never being active) drive the menu, the wheel is
// swallowed and a press on any other window closes it. Win32 side.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "skin/MenuEngine.h"
#include "skin/SystemMenu.h"
#include "skin/win32/SkinControlTimer.h"
#include "skin/win32/SkinMenuText.h"
#include "skin/win32/SkinPopupWindow.h"
#include "ui/Control.h"
#include "ui/Form.h"

namespace tavo::skin {

class TSkinMenu : public ui::TComponent, private TMenuEngineHost {
 public:
  // form owns the component; timers makes the submenu delay timer.
  explicit TSkinMenu(ui::TForm& form, TControlTimerFactory timers = NewWindowTimer,
                     TPopupAlphaApi alpha = TPopupAlphaApi::System());
  ~TSkinMenu() override;

  TMenuEngine& Engine() { return engine_; }
  ui::TForm& Form() const { return form_; }

  // Opens the sub-items of item at the anchor (screen coordinates) in menu
  // mode; control, when given, hears MsgCloseSkinMenus and
  // MsgMenuCommandDone.
  void Popup(ui::TControl* control, const TSkinData* data, bool upward, TMenuItem& item, const TRect& anchor,
             int start = 0);
  void CloseAll() { engine_.CloseAll(); }

  // Menu mode: the application's message handler saved and replaced (once);
  // MenuClosed puts it back. Both fire their event on a change only.
  void EnterMenuMode();
  void MenuClosed();
  bool MenuMode() const { return menuMode_; }
  std::function<void()> OnMenuOpen, OnMenuClose;

  // The open popup windows, first to last.
  int PopupCount() const { return const_cast<TMenuEngine&>(engine_).PopupCount(); }
  TSkinPopupWindow* PopupWindow(int index) const;
  bool DelayRunning() const { return delay_->Running(); }

 private:
  // TMenuEngineHost
  TRect WorkArea() override;
  std::unique_ptr<TPopupSurface> CreatePopup(TMenuEngine& engine, TPopupLogic& popup) override;
  void SetDelayTimer(bool on) override;
  void NotifyOwnerClosed() override;
  void NotifyControl(const void* control, unsigned message) override;
  TMenuTextPainter& TextPainter() override { return text_; }
  TMenuColors Colors() override;
  bool CanUseLayeredWindows() override;
  void ProcessMessages() override;

  void MenuMessage(MSG& msg, bool& handled);
  bool IsPopupWindow(HWND wnd) const;

  ui::TForm& form_;
  TPopupAlphaApi alpha_;
  TMenuEngine engine_;
  TGdiMenuTextPainter text_;
  std::unique_ptr<TControlTimer> delay_;
  std::vector<TSkinPopupWindow*> windows_;
  ui::TControl* control_ = nullptr;
  bool menuMode_ = false;
  bool hooked_ = false;
  std::function<void(MSG&, bool&)> savedHandler_;
};

// The first TSkinMenu among a form's components, or null.
TSkinMenu* FindSkinMenu(const ui::TComponent& form);

}  // namespace tavo::skin
