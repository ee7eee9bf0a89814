// The Win32 menu engine: popup windows, the delay timer, messages and the
// application message handler of menu mode.
#include "skin/win32/SkinMenu.h"

#include <algorithm>

#include "skin/win32/Monitor.h"
#include "ui/Application.h"
#include "ui/WinControl.h"

namespace tavo::skin {

namespace {

// The popup window, kept in the menu's list while it lives.
class TListedPopup : public TSkinPopupWindow {
 public:
  TListedPopup(TMenuEngine& e, TPopupLogic& p, HWND owner, TPopupAlphaApi a, std::vector<TSkinPopupWindow*>& list)
      : TSkinPopupWindow(e, p, owner, std::move(a)), list_(list) {
    list_.push_back(this);
  }
  ~TListedPopup() override { std::erase(list_, this); }

 private:
  std::vector<TSkinPopupWindow*>& list_;
};

}  // namespace

TSkinMenu::TSkinMenu(ui::TForm& form, TControlTimerFactory timers, TPopupAlphaApi alpha)
    : ui::TComponent(&form), form_(form), alpha_(std::move(alpha)), engine_(*this), delay_(timers()) {
  delay_->OnTick = [this] { engine_.DelayElapsed(); };
}

TSkinMenu::~TSkinMenu() {
  delay_->Stop();
  if (hooked_) ui::Application().OnMessage = savedHandler_;
}

TSkinPopupWindow* TSkinMenu::PopupWindow(int index) const {
  return index >= 0 && index < static_cast<int>(windows_.size()) ? windows_[static_cast<size_t>(index)] : nullptr;
}

void TSkinMenu::Popup(ui::TControl* control, const TSkinData* data, bool upward, TMenuItem& item,
                      const TRect& anchor, int start) {
  EnterMenuMode();
  control_ = control;
  engine_.Popup(control, data, upward, item, anchor, start);
  if (!engine_.Visible()) MenuClosed();
}

void TSkinMenu::EnterMenuMode() {
  if (!hooked_) {
    savedHandler_ = ui::Application().OnMessage;
    ui::Application().OnMessage = [this](MSG& msg, bool& handled) { MenuMessage(msg, handled); };
    hooked_ = true;
  }
  if (menuMode_) return;
  menuMode_ = true;
  if (OnMenuOpen) OnMenuOpen();
}

void TSkinMenu::MenuClosed() {
  const bool was = menuMode_;
  menuMode_ = false;
  if (hooked_) {
    ui::Application().OnMessage = savedHandler_;
    savedHandler_ = nullptr;
    hooked_ = false;
  }
  if (was && OnMenuClose) OnMenuClose();
}

bool TSkinMenu::IsPopupWindow(HWND wnd) const {
  for (TSkinPopupWindow* w : windows_)
    if (w->Handle() == wnd) return true;
  return false;
}

void TSkinMenu::MenuMessage(MSG& msg, bool& handled) {
  switch (msg.message) {
    case WM_KEYDOWN: {
      const unsigned key = static_cast<unsigned>(msg.wParam);
      // Taken from the focused control: emptied and handled.
      msg.message = WM_NULL;
      handled = true;
      if (engine_.KeyDown(key) || !engine_.Visible()) MenuClosed();
      return;
    }
    case WM_MOUSEWHEEL:
      msg.message = WM_NULL;
      handled = true;
      return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      // A press anywhere but on a popup closes the menu; the press goes on.
      if (!IsPopupWindow(msg.hwnd)) {
        if (engine_.Visible()) engine_.CloseAll();
        MenuClosed();
      }
      return;
    default:
      return;
  }
}

TRect TSkinMenu::WorkArea() {
  HWND wnd = form_.HandleAllocated() ? form_.Handle() : nullptr;
  return win32::GetMonitorWorkArea(wnd, true);
}

std::unique_ptr<TPopupSurface> TSkinMenu::CreatePopup(TMenuEngine& engine, TPopupLogic& popup) {
  HWND owner = form_.HandleAllocated() ? form_.Handle() : nullptr;
  return std::make_unique<TListedPopup>(engine, popup, owner, alpha_, windows_);
}

void TSkinMenu::SetDelayTimer(bool on) {
  if (on)
    delay_->Start(kSubmenuDelayMs);
  else
    delay_->Stop();
}

void TSkinMenu::NotifyOwnerClosed() {
  if (form_.HandleAllocated()) SendMessageA(form_.Handle(), kMsgCloseSkinMenus, 0, 0);
  // The frame's answer to the message is MenuClosed; running it here too
  // keeps menu mode right for a form without a frame.
  MenuClosed();
}

void TSkinMenu::NotifyControl(const void* control, unsigned message) {
  if (!control || control != control_) return;
  if (auto* win = dynamic_cast<ui::TWinControl*>(control_)) {
    if (win->HandleAllocated()) SendMessageA(win->Handle(), message, 0, 0);
  }
}

TMenuColors TSkinMenu::Colors() {
  TMenuColors c;
  c.BtnFace = GetSysColor(COLOR_BTNFACE);
  c.Window = GetSysColor(COLOR_WINDOW);
  c.BtnShadow = GetSysColor(COLOR_BTNSHADOW);
  c.WindowText = GetSysColor(COLOR_WINDOWTEXT);
  c.BtnText = GetSysColor(COLOR_BTNTEXT);
  return c;
}

bool TSkinMenu::CanUseLayeredWindows() { return win32::CanUseLayeredWindows(); }

void TSkinMenu::ProcessMessages() { ui::Application().ProcessMessages(); }

TSkinMenu* FindSkinMenu(const ui::TComponent& form) { return form.FindComponent<TSkinMenu>(); }

}  // namespace tavo::skin
