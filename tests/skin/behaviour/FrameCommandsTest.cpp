// Execute by command for standard buttons and animate objects, and the
// order of release and command for the close button and the others.
#include "skin/FrameCommands.h"

#include <gtest/gtest.h>

namespace tavo::skin {
namespace {

class TCommandLog : public TFrameCommandHost {
 public:
  TWindowState state = TWindowState::wsNormal;
  bool rolled = false, alwaysTray = false;
  std::vector<std::string> log;

  TWindowState WindowState() const override { return state; }
  bool RolledUp() const override { return rolled; }
  bool AlwaysMinimizeToTray() const override { return alwaysTray; }
  void CloseForm() override { log.push_back("close"); }
  void ChangeWindowState(TWindowState s) override {
    const char* names[] = {"normal", "minimized", "maximized"};
    log.push_back(names[static_cast<int>(s)]);
  }
  void ChangeRollUp(bool v) override { log.push_back(v ? "roll up" : "roll down"); }
  void HideToTray() override { log.push_back("tray"); }
  void PopUpSystemMenu() override { log.push_back("system menu"); }
  void PopUpMenuItem() override { log.push_back("menu"); }
  std::vector<std::string> Take() { return std::exchange(log, {}); }
};

using L = std::vector<std::string>;

TEST(Execute, EveryCommandForButtonsAndAnimations) {
  for (bool animate : {false, true}) {
    TCommandLog h;
    ExecuteCommand(TStdCommand::cmClose, animate, h);
    ExecuteCommand(TStdCommand::cmMaximize, animate, h);
    ExecuteCommand(TStdCommand::cmMinimize, animate, h);
    ExecuteCommand(TStdCommand::cmRollUp, animate, h);
    ExecuteCommand(TStdCommand::cmMinimizeToTray, animate, h);
    EXPECT_EQ(h.Take(), (L{"close", "maximized", "minimized", "roll up", "tray"})) << animate;
    h.state = TWindowState::wsMaximized;
    h.rolled = true;
    ExecuteCommand(TStdCommand::cmMaximize, animate, h);
    ExecuteCommand(TStdCommand::cmMinimize, animate, h);
    ExecuteCommand(TStdCommand::cmRollUp, animate, h);
    h.state = TWindowState::wsMinimized;
    ExecuteCommand(TStdCommand::cmMinimize, animate, h);
    ExecuteCommand(TStdCommand::cmMaximize, animate, h);
    EXPECT_EQ(h.Take(), (L{"normal", "minimized", "roll down", "normal", "maximized"})) << animate;
    h.alwaysTray = true;
    ExecuteCommand(TStdCommand::cmMinimize, animate, h);
    EXPECT_EQ(h.Take(), (L{"tray"})) << animate;
  }
}

TEST(Execute, SystemMenuAndDefaultOnlyPopUpForAnimations) {
  TCommandLog h;
  ExecuteCommand(TStdCommand::cmSysMenu, false, h);
  ExecuteCommand(TStdCommand::cmDefault, false, h);
  EXPECT_TRUE(h.log.empty()) << "a standard button's system menu opens on the press";
  ExecuteCommand(TStdCommand::cmSysMenu, true, h);
  ExecuteCommand(TStdCommand::cmDefault, true, h);
  EXPECT_EQ(h.Take(), (L{"system menu", "menu"}));
}

TEST(StdButtonRelease, CloseReleasesFirstEveryOtherCommandRunsFirst) {
  L log;
  auto asButton = [&] { log.push_back("button up"); };
  auto execute = [&] { log.push_back("execute"); };
  StdButtonMouseUp(TStdCommand::cmClose, true, TMouseButton::mbLeft, asButton, execute);
  EXPECT_EQ(std::exchange(log, {}), (L{"button up", "execute"}));
  for (TStdCommand c : {TStdCommand::cmMaximize, TStdCommand::cmMinimize, TStdCommand::cmRollUp,
                        TStdCommand::cmSysMenu, TStdCommand::cmMinimizeToTray, TStdCommand::cmDefault}) {
    StdButtonMouseUp(c, true, TMouseButton::mbLeft, asButton, execute);
    EXPECT_EQ(std::exchange(log, {}), (L{"execute", "button up"})) << static_cast<int>(c);
  }
}

TEST(StdButtonRelease, OnlyTheLeftButtonOverTheButtonRunsTheCommand) {
  L log;
  auto asButton = [&] { log.push_back("button up"); };
  auto execute = [&] { log.push_back("execute"); };
  for (TStdCommand c : {TStdCommand::cmClose, TStdCommand::cmMaximize}) {
    StdButtonMouseUp(c, false, TMouseButton::mbLeft, asButton, execute);  // dragged off
    StdButtonMouseUp(c, true, TMouseButton::mbRight, asButton, execute);
    StdButtonMouseUp(c, true, TMouseButton::mbMiddle, asButton, execute);
    EXPECT_EQ(std::exchange(log, {}), (L{"button up", "button up", "button up"}));
  }
}

TEST(DblClick, OnlyTheSystemMenuCommandCloses) {
  EXPECT_TRUE(DblClickCloses(TStdCommand::cmSysMenu));
  for (TStdCommand c : {TStdCommand::cmClose, TStdCommand::cmMaximize, TStdCommand::cmMinimize,
                        TStdCommand::cmDefault, TStdCommand::cmRollUp, TStdCommand::cmMinimizeToTray})
    EXPECT_FALSE(DblClickCloses(c));
}

}  // namespace
}  // namespace tavo::skin
