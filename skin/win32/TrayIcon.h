// TTrayIcon: the icon in the taskbar's notification area. Its rules are
// TTrayIconLogic's; this class holds the notify-icon record, the hidden
// top-level window that receives the icon's messages, the click and
// animation timers, the hooks on the application window and the owner's
// window, and pops the menu up at the cursor. Win32 side; the shell call
// and the cursor position sit behind TTrayIconApi for tests.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <vector>

#include "skin/TrayIconLogic.h"
#include "skin/win32/SkinControlTimer.h"
#include "ui/Component.h"
#include "ui/Message.h"
#include "ui/WinControl.h"

namespace tavo::skin {

// The icon's callback message in the record.
constexpr UINT kTrayCallbackMessage = WM_USER + 1024;

// The system calls the tray icon makes, replaceable for tests.
struct TTrayIconApi {
  std::function<BOOL(DWORD op, NOTIFYICONDATAA* data)> NotifyIcon;
  std::function<bool(POINT& at)> CursorPos;
  static TTrayIconApi System();
};

// The menu the icon pops up, as the tray sees it (the skinned popup menu
// adapts itself to this).
class TTrayPopupMenu {
 public:
  virtual ~TTrayPopupMenu() = default;
  virtual bool AutoPopup() const = 0;
  // The component that pops the menu up (the tray icon).
  virtual void SetPopupComponent(ui::TComponent* component) = 0;
  // Pops the menu up with its top-left at the screen point.
  virtual void Popup(int x, int y) = 0;
  // Clicks the top-level item of lowest index marked default; false when
  // there is none.
  virtual bool ClickDefaultItem() = 0;
};

class TTrayIcon : public ui::TComponent, public TTrayIconLogic {
 public:
  // The hidden window and both timers are made here. Outside a designer the
  // icon takes the application's icon, the application window is hooked,
  // and so is the owner's window when the owner is a windowed control.
  explicit TTrayIcon(ui::TComponent* owner, TTrayIconApi api = TTrayIconApi::System(),
                     TControlTimerFactory timers = NewWindowTimer, bool designing = false);
  ~TTrayIcon() override;

  // --- properties ------------------------------------------------------------
  HICON Icon() const { return icon_; }
  // Copies the icon (the caller keeps its own) and updates the record.
  void SetIcon(HICON icon);
  // Icons to show by index; not owned, null for none.
  const std::vector<HICON>* IconList() const { return iconList_; }
  void SetIconList(const std::vector<HICON>* list);
  TTrayPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TTrayPopupMenu* menu) { popupMenu_ = menu; }

  // --- operations ------------------------------------------------------------
  // After the owning form's settings were read: a tray that starts
  // minimized hides the application before it shows.
  void Loaded();
  void RestoreMainForm();
  void HideMainForm();
  void MinimizeToTrayIcon();
  void PopupMenuAtCursor() override;
  virtual bool UsesApplicationIcon() const { return true; }
  // A frame that was given this icon set its tray menu (menu) and its
  // restoring double-click (dblClick) here; what it set is dropped when
  // that frame is destroyed or lets the icon go (DropFrameHandlers).
  void KeepFrameHandlers(ui::TComponent& frame, bool menu, bool dblClick);
  void DropFrameHandlers(const ui::TComponent& frame);
  // How many notification-area calls the system's api made in this process.
  static int SystemNotifyIconCalls();

  // --- inspection ------------------------------------------------------------
  HWND WindowHandle() const { return window_; }
  const NOTIFYICONDATAA& Record() const { return record_; }
  UINT TaskbarCreatedMessage() const { return taskbarCreated_; }
  TControlTimer& ClickTimer() { return *clickTimer_; }
  TControlTimer& AnimateTimer() { return *animateTimer_; }
  // The tray's answer to a message of its hidden window.
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

 protected:
  void Notification(ui::TComponent& component, ui::TOperation operation) override;
  void SendNotifyIcon(TNotifyIconOp op) override;
  void SetClickTimer(bool enabled) override;
  bool ClickTimerRunning() const override { return clickTimer_->Running(); }
  void SetAnimateTimer(bool enabled, uint32_t interval) override;
  int IconListCount() const override { return iconList_ ? static_cast<int>(iconList_->size()) : -1; }
  void CopyListIcon(int index) override;
  bool HasAutoPopupMenu() const override { return popupMenu_ && popupMenu_->AutoPopup(); }
  void ClickDefaultMenuItem() override;

 private:
  struct TOwnerProc {
    TTrayIcon* tray;
    void operator()(ui::TMessage& m) const { tray->OwnerWndProc(m); }
  };
  void CreateWindowHandle();
  void ApplicationHook(ui::TMessage& m);
  void OwnerWndProc(ui::TMessage& m);
  void ReplaceIcon(HICON copy);
  TPoint Cursor() const;

  TTrayIconApi api_;
  HWND window_ = nullptr;
  HICON icon_ = nullptr;
  const std::vector<HICON>* iconList_ = nullptr;
  TTrayPopupMenu* popupMenu_ = nullptr;
  NOTIFYICONDATAA record_{};
  UINT taskbarCreated_ = 0;
  std::unique_ptr<TControlTimer> clickTimer_, animateTimer_;
  int appHook_ = 0;
  ui::TWinControl* ownerControl_ = nullptr;
  ui::TWndMethod ownerPrevious_;
  bool firstMainForm_ = true;
  ui::TComponent* handlerFrame_ = nullptr;
  bool frameMenu_ = false, frameDblClick_ = false;
};

}  // namespace tavo::skin
