// Execute by command for standard buttons and animate objects, and the
// order of release and command on the real standard buttons.
#include "skin/FrameCommands.h"

#include <gtest/gtest.h>

#include "skin/FrameObjects.h"
#include "skin/objects/ObjectTestHost.h"

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

// The release order on the standard buttons themselves (the default
// buttons of plain mode), recorded by the objects' test frame: only the
// release event and the command are kept.
L ReleaseLog(TStdCommand command, bool stayOver, TSkinMouseButton button) {
  test::TObjectTestHost frame;
  TSkinStdButtonObject object(frame, command, "btn");
  object.MouseEnter();
  object.MouseDown(5, 5, TSkinMouseButton::mbLeft);
  if (!stayOver) object.MouseLeave();
  frame.log.clear();
  object.MouseUp(-1, -1, button);
  L kept;
  for (const std::string& entry : frame.log)
    if (entry.rfind("up:", 0) == 0 || entry.rfind("execute:", 0) == 0) kept.push_back(entry);
  return kept;
}

TEST(StdButtonRelease, CloseReleasesFirstEveryOtherCommandRunsFirst) {
  EXPECT_EQ(ReleaseLog(TStdCommand::cmClose, true, TSkinMouseButton::mbLeft), (L{"up:btn:-1,-1:0", "execute:0"}));
  EXPECT_EQ(ReleaseLog(TStdCommand::cmMaximize, true, TSkinMouseButton::mbLeft), (L{"execute:1", "up:btn:-1,-1:0"}));
  EXPECT_EQ(ReleaseLog(TStdCommand::cmMinimize, true, TSkinMouseButton::mbLeft), (L{"execute:2", "up:btn:-1,-1:0"}));
  EXPECT_EQ(ReleaseLog(TStdCommand::cmRollUp, true, TSkinMouseButton::mbLeft), (L{"execute:5", "up:btn:-1,-1:0"}));
  EXPECT_EQ(ReleaseLog(TStdCommand::cmMinimizeToTray, true, TSkinMouseButton::mbLeft),
            (L{"execute:6", "up:btn:-1,-1:0"}));
}

TEST(StdButtonRelease, OnlyTheLeftButtonOverTheButtonRunsTheCommand) {
  for (TStdCommand c : {TStdCommand::cmClose, TStdCommand::cmMaximize}) {
    EXPECT_EQ(ReleaseLog(c, false, TSkinMouseButton::mbLeft), L{}) << "dragged off: no command, no event";
    EXPECT_EQ(ReleaseLog(c, true, TSkinMouseButton::mbRight), (L{"up:btn:-1,-1:1"}));
    EXPECT_EQ(ReleaseLog(c, true, TSkinMouseButton::mbMiddle), (L{"up:btn:-1,-1:2"}));
  }
}

TEST(DblClick, OnlyTheSystemMenuCommandCloses) {
  for (TStdCommand c : {TStdCommand::cmSysMenu, TStdCommand::cmClose, TStdCommand::cmMaximize,
                        TStdCommand::cmMinimize, TStdCommand::cmDefault, TStdCommand::cmRollUp,
                        TStdCommand::cmMinimizeToTray}) {
    test::TObjectTestHost frame;
    TSkinStdButtonObject object(frame, c, "btn");
    object.DblClick();
    EXPECT_EQ(frame.log, c == TStdCommand::cmSysMenu ? L{"close"} : L{}) << static_cast<int>(c);
  }
}

}  // namespace
}  // namespace tavo::skin
