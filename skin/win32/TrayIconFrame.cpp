// The frame's tray icon and hint component, and its tray menu.
#include "skin/win32/TrayIconFrame.h"

#include "skin/SkinData.h"
#include "skin/SystemMenu.h"
#include "skin/win32/SkinHint.h"
#include "ui/Application.h"

namespace tavo::skin {

// --- the operations --------------------------------------------------------------

void HideToTray(TSkinForm& frame, TTrayIcon& tray) {
  tray.MinimizeToTray = true;
  ui::Application().Minimize();
  if (frame.OnMinimizeToTray) frame.OnMinimizeToTray(frame);
}

void ShowFromTray(TSkinForm& frame, TTrayIcon& tray) {
  tray.MinimizeToTray = false;
  tray.RestoreMainForm();
  ui::Application().Restore();
  if (!frame.AlwaysShowInTray) tray.SetIconVisible(false);
  if (frame.OnRestoreFromTray) frame.OnRestoreFromTray(frame);
}

void AssignTrayIcon(TSkinForm& frame, TTrayIcon& tray) { frame.SetTrayIcon(&tray); }

// --- the tray menu -------------------------------------------------------------------

namespace {

// The tray menu's two commands: restore from the tray and close the form.
class TTrayMenuHost : public TSystemMenuHost {
 public:
  explicit TTrayMenuHost(TSkinForm& frame) : frame_(frame) {}
  TWindowState WindowState() const override { return frame_.WindowState(); }
  bool RolledUp() const override { return frame_.RolledUp(); }
  bool AlwaysMinimizeToTray() const override { return frame_.AlwaysMinimizeToTray; }
  void ChangeWindowState(TWindowState state) override { frame_.ChangeWindowState(state); }
  void ChangeRollUp(bool value) override { frame_.ChangeRollUp(value); }
  void HideToTray() override { frame_.HideToTray(); }
  void ShowFromTray() override { frame_.ShowFromTray(); }
  void CloseForm() override { frame_.CloseForm(); }

 private:
  TSkinForm& frame_;
};

}  // namespace

struct TFrameTrayPopupMenu::TParts {
  explicit TParts(TSkinForm& frame) : host(frame) {}
  TTrayMenuHost host;
  TSkinPopupMenu menu;
};

TFrameTrayPopupMenu::TFrameTrayPopupMenu(TSkinForm& frame)
    : frame_(frame), parts_(std::make_unique<TParts>(frame)) {
  parts_->menu.Form = &frame.Form();
  // The captions are chosen once, from the skin's strings of this time.
  TSystemMenuState state;
  state.MdiChild = frame.IsMdiChild();
  state.Strings = frame.SkinData() ? frame.SkinData()->ResourceStrData() : nullptr;
  BuildTrayMenu(parts_->menu.Items(), state, parts_->host);
}

TFrameTrayPopupMenu::~TFrameTrayPopupMenu() = default;

TSkinPopupMenu& TFrameTrayPopupMenu::Menu() { return parts_->menu; }

void TFrameTrayPopupMenu::SetPopupComponent(ui::TComponent* component) { parts_->menu.PopupComponent = component; }

void TFrameTrayPopupMenu::Popup(int x, int y) {
  // Drawn with the frame's skin of the moment.
  parts_->menu.SetSkinData(frame_.SkinData());
  parts_->menu.Popup(x, y);
}

bool TFrameTrayPopupMenu::ClickDefaultItem() {
  TMenuItem& root = parts_->menu.Items();
  for (int i = 0; i < root.Count(); ++i)
    if (root[i].Default) {
      root[i].Click();
      return true;
    }
  return false;
}

struct TSkinForm::TFrameTrayMenu {
  explicit TFrameTrayMenu(TSkinForm& frame) : popup(frame) {}
  TFrameTrayPopupMenu popup;
};

TSkinForm::TFrameTrayMenu& TSkinForm::TrayMenu() {
  if (!trayMenu_) trayMenu_ = {new TFrameTrayMenu(*this), [](TFrameTrayMenu* m) { delete m; }};
  return *trayMenu_;
}

// --- the properties ---------------------------------------------------------------------

void TSkinForm::DetachTrayIcon() {
  if (!trayIcon_) return;
  trayIcon_->DropFrameHandlers(*this);
  ui::TComponent::RemoveFreeNotification(*trayIcon_);
  trayIcon_ = nullptr;
  TrayHide = nullptr;
  TrayShow = nullptr;
}

void TSkinForm::SetTrayIcon(TTrayIcon* tray) {
  if (tray == trayIcon_) return;
  DetachTrayIcon();
  if (!tray) {
    if (Designing && !Loading) {
      TBorderIcons icons = borderIcons_;
      icons.Exclude(TBorderIcon::biMinimizeToTray);
      SetBorderIcons(icons);
    }
    return;
  }
  trayIcon_ = tray;
  ui::TComponent::FreeNotification(*tray);
  if (!AlwaysShowInTray) tray->SetIconVisible(false);
  tray->MinimizeToTray = false;
  if (Designing) {
    if (!Loading) {
      TBorderIcons icons = borderIcons_;
      icons.Include(TBorderIcon::biMinimizeToTray);
      SetBorderIcons(icons);
    }
  } else if (!tray->PopupMenu()) {
    tray->SetPopupMenu(&TrayMenu().popup);
    const bool dblClick = !tray->OnDblClick;
    if (dblClick) tray->OnDblClick = [this](TTrayIconLogic&) { ShowFromTray(); };
    tray->KeepFrameHandlers(*this, true, dblClick);
  }
  // The frame's own commands (its minimize-to-tray button, minimize with
  // AlwaysMinimizeToTray, the tray items of its menus) end here.
  TrayHide = [this] { skin::HideToTray(*this, *trayIcon_); };
  TrayShow = [this] { skin::ShowFromTray(*this, *trayIcon_); };
}

void TSkinForm::SetSkinHint(TSkinHint* hint) {
  if (hint == skinHint_) return;
  if (skinHint_) {
    skinHint_->HideHintText();
    ui::TComponent::RemoveFreeNotification(*skinHint_);
  }
  skinHint_ = hint;
  if (hint) ui::TComponent::FreeNotification(*hint);
}

void TSkinForm::Notification(ui::TComponent& component, ui::TOperation operation) {
  if (operation != ui::TOperation::opRemove) return;
  if (trayIcon_ && &component == static_cast<ui::TComponent*>(trayIcon_)) {
    trayIcon_ = nullptr;
    TrayHide = nullptr;
    TrayShow = nullptr;
  }
  if (skinHint_ && &component == static_cast<ui::TComponent*>(skinHint_)) skinHint_ = nullptr;
}

}  // namespace tavo::skin
