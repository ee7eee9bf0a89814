// The frame's menus: its menu engine, the system menu a caption button or
// ShowSystemMenuAt pops up, the system menu's commands routed to the
// frame's window commands, and the form's shortcut handler.
#include <windows.h>

#include "skin/ActiveSkinObject.h"
#include "skin/SystemMenu.h"
#include "skin/win32/SkinForm.h"
#include "skin/win32/SkinMenu.h"

namespace tavo::skin {

namespace {

// The system menu's clicks as the frame's window commands: the caption
// buttons' toggles (maximize restores a maximized window, roll up rolls a
// rolled-up one down), until the frame runs window states itself.
class TFrameSystemMenuHost : public TSystemMenuHost {
 public:
  explicit TFrameSystemMenuHost(TSkinForm& frame) : frame_(frame) {}
  TWindowState WindowState() const override { return frame_.WindowState(); }
  bool RolledUp() const override { return frame_.RolledUp(); }
  bool AlwaysMinimizeToTray() const override { return frame_.AlwaysMinimizeToTray; }
  void ChangeWindowState(TWindowState state) override {
    switch (state) {
      case TWindowState::wsMinimized:
        frame_.ExecuteCommand(TStdCommand::cmMinimize);
        break;
      case TWindowState::wsMaximized:
        frame_.ExecuteCommand(TStdCommand::cmMaximize);
        break;
      case TWindowState::wsNormal:
        frame_.ExecuteCommand(frame_.WindowState() == TWindowState::wsMinimized ? TStdCommand::cmMinimize
                                                                                : TStdCommand::cmMaximize);
        break;
    }
  }
  void ChangeRollUp(bool) override { frame_.ExecuteCommand(TStdCommand::cmRollUp); }
  void HideToTray() override { frame_.ExecuteCommand(TStdCommand::cmMinimizeToTray); }
  void ShowFromTray() override { frame_.ExecuteCommand(TStdCommand::cmMinimizeToTray); }
  void CloseForm() override { frame_.CloseForm(); }

 private:
  TSkinForm& frame_;
};

// The frame's shortcut handler on the form, recognisable by its type so
// that the frame takes back only its own.
struct TFrameShortCutHandler {
  TSkinForm* frame;
  void operator()(const ui::TShortCutKey& key, bool& handled) const { handled = frame->IsShortCut(key); }
};

}  // namespace

struct TSkinForm::TFrameMenus {
  explicit TFrameMenus(TSkinForm& frame) : engine(frame.Form()), host(frame) {}
  TSkinMenu engine;
  TSystemMenu system;
  TFrameSystemMenuHost host;
};

TSkinForm::TFrameMenus& TSkinForm::Menus() {
  if (!menus_) menus_ = {new TFrameMenus(*this), [](TFrameMenus* m) { delete m; }};
  return *menus_;
}

TSkinMenu& TSkinForm::MenuEngine() { return Menus().engine; }

TObjectMenu* TSkinForm::SystemMenu() {
  TFrameMenus& m = Menus();
  TSystemMenuState state;
  state.State = WindowState();
  state.RolledUp = RolledUp();
  state.Icons = BorderIcons();
  state.MdiChild = IsMdiChild();
  state.Strings = skinData_ ? skinData_->ResourceStrData() : nullptr;
  m.system.Build(state, SystemMenuComponent, UseDefaultSysMenu, m.host);
  return &m.system;
}

void TSkinForm::PopupMenu(TActiveSkinObject& object, TObjectMenu& menu, bool upward) {
  TFrameMenus& m = Menus();
  if (&menu != &m.system || !m.system.HasSubItems()) return;
  RECT w{0, 0, 0, 0};
  if (Wnd()) GetWindowRect(Wnd(), &w);
  const TRect r = object.ObjectRect;
  const TRect anchor{r.left + w.left, r.top + w.top, r.right + w.left, r.bottom + w.top};
  m.engine.Popup(nullptr, menusSkinData_ ? menusSkinData_ : skinData_, upward, m.system.Root(), anchor);
}

void TSkinForm::ShowSystemMenuAt(TPoint screen) { ShowSystemMenuAt(screen.x, screen.y); }

// Closes every open popup of this frame's engine and ends its menu mode; a
// frame that never opened a menu has no engine to close.
void TSkinForm::CloseMenus() {
  if (!menus_) return;
  menus_->engine.CloseAll();
  if (menus_->engine.MenuMode()) menus_->engine.MenuClosed();
}

void TSkinForm::ShowSystemMenuAt(int x, int y) {
  SystemMenu();
  TFrameMenus& m = Menus();
  m.engine.Popup(nullptr, menusSkinData_ ? menusSkinData_ : skinData_, false, m.system.Root(), TRect{x, y, x, y});
}

// --- shortcuts ------------------------------------------------------------------

void TSkinForm::HookShortCuts() {
  previousShortCut_ = form_.OnShortCut;
  form_.OnShortCut = TFrameShortCutHandler{this};
  shortCutsHooked_ = true;
}

void TSkinForm::UnhookShortCuts() {
  if (!shortCutsHooked_) return;
  shortCutsHooked_ = false;
  const auto* top = form_.OnShortCut.target<TFrameShortCutHandler>();
  if (top && top->frame == this) form_.OnShortCut = previousShortCut_;
}

bool TSkinForm::IsShortCut(const ui::TShortCutKey& key) {
  return shortCuts_.IsShortCut(key.ShortCut, key.Serial, MainMenuBar);
}

}  // namespace tavo::skin
