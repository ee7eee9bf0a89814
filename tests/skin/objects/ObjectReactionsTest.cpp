// The objects' reactions to the mouse as the frame passes it on: the order
// of release, event and command, presses with other buttons, disabled
// buttons, leaving and coming back to a held button, menus popping up,
// double clicks, and the commands each class carries out.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "skin/FrameObjects.h"
#include "tests/skin/objects/ObjectTestHost.h"
#include "tests/skin/support/TestFrameSkin.h"

namespace tavo::skin {
namespace {

using namespace test;
using Log = std::vector<std::string>;

constexpr TSkinMouseButton kLeft = TSkinMouseButton::mbLeft, kRight = TSkinMouseButton::mbRight;

class Reactions : public TTestSkinObjects, public ::testing::Test {
 protected:
  TSkinButtonObject& Button(int i) { return static_cast<TSkinButtonObject&>(Object(i)); }
  // Enters the object and forgets what that logged.
  void Hover(int i) {
    Object(i).MouseEnter();
    host.log.clear();
  }
};

TEST_F(Reactions, CloseButtonIsReleasedBeforeTheFormCloses) {
  Hover(kClose);
  Button(kClose).MouseDown(100, 12, kLeft);
  EXPECT_TRUE(Button(kClose).Down());
  EXPECT_EQ(host.log, (Log{"redraw:closebutton"})) << "a standard button fires no press event";
  host.log.clear();
  Button(kClose).MouseUp(101, 13, kLeft);
  EXPECT_FALSE(Button(kClose).Down());
  EXPECT_EQ(host.log, (Log{"redraw:closebutton", "morph:on", "up:closebutton:101,13:0", "execute:0"}));
}

TEST_F(Reactions, OtherCommandsRunBeforeTheRelease) {
  Hover(kMax);
  Button(kMax).MouseDown(1, 1, kLeft);
  host.log.clear();
  Button(kMax).MouseUp(2, 2, kLeft);
  EXPECT_EQ(host.log, (Log{"execute:1", "redraw:maxbutton", "morph:on", "up:maxbutton:2,2:0"}));
}

TEST_F(Reactions, ReleaseOutsideTheButtonNeitherFiresNorRunsTheCommand) {
  Hover(kMin);
  Button(kMin).MouseDown(1, 1, kLeft);
  Button(kMin).MouseLeave();
  host.log.clear();
  Button(kMin).MouseUp(300, 300, kLeft);
  EXPECT_FALSE(Button(kMin).Down());
  EXPECT_EQ(host.log, (Log{"redraw:minbutton"}));
}

TEST_F(Reactions, RightButtonPressDoesNotPressTheButton) {
  Hover(kPlain);
  Button(kPlain).MouseDown(7, 8, kRight);
  EXPECT_FALSE(Button(kPlain).Down());
  EXPECT_EQ(host.log, (Log{"down:plainbutton:7,8:1"})) << "a plain button still reports the press";
  ASSERT_EQ(host.eventRects.size(), 1u);
  EXPECT_EQ(host.eventRects[0], Object(kPlain).ObjectRect);

  host.log.clear();
  Hover(kClose);
  Button(kClose).MouseDown(7, 8, kRight);
  EXPECT_FALSE(Button(kClose).Down());
  EXPECT_TRUE(host.log.empty()) << "a standard button does nothing at all";
  Button(kClose).MouseUp(7, 8, kRight);
  EXPECT_EQ(host.log, (Log{"up:closebutton:7,8:1"})) << "no command for the right button";
}

TEST_F(Reactions, DisabledButtonsReactToNoPress) {
  Hover(kPlain);
  Object(kPlain).Enabled = false;
  Button(kPlain).MouseDown(1, 1, kLeft);
  EXPECT_FALSE(Button(kPlain).Down());
  EXPECT_TRUE(host.log.empty());
  Hover(kClose);
  Object(kClose).Enabled = false;
  Button(kClose).MouseDown(1, 1, kLeft);
  EXPECT_FALSE(Button(kClose).Down());
  EXPECT_TRUE(host.log.empty());
}

TEST_F(Reactions, ButtonDisabledWhileHeldIsReleasedWithoutItsCommand) {
  Hover(kMax);
  Button(kMax).MouseDown(1, 1, kLeft);
  Object(kMax).Enabled = false;
  host.log.clear();
  Button(kMax).MouseUp(1, 1, kLeft);
  EXPECT_FALSE(Button(kMax).Down());
  EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "execute:1"), 0);
}

TEST_F(Reactions, LeavingAndComingBackToAHeldButton) {
  TSkinButtonObject& plain = Button(kPlain);  // morphing, with a pressed image
  Hover(kPlain);
  plain.MouseDown(1, 1, kLeft);
  plain.MouseLeave();
  EXPECT_TRUE(plain.Down());
  EXPECT_FALSE(plain.MouseIn);
  EXPECT_FALSE(plain.Active);
  host.log.clear();
  plain.MorphFactor = 0.4;
  plain.MouseEnter();
  EXPECT_EQ(plain.MorphFactor, 1) << "back over it: the pressed image at once";
  EXPECT_EQ(host.log, (Log{"redraw:plainbutton", "enter:plainbutton"}));
}

TEST_F(Reactions, SetDownShowsTheActiveEndOfAMorphingButton) {
  TSkinButtonObject& close = Button(kClose);
  close.Active = true;
  close.MorphFactor = 0.2;
  close.SetDown(true);
  EXPECT_EQ(close.MorphFactor, 1);
  EXPECT_EQ(host.log, (Log{"redraw:closebutton"}));
  host.log.clear();
  close.SetDown(false);
  EXPECT_EQ(host.log, (Log{"redraw:closebutton", "morph:on"}));
}

TEST_F(Reactions, ButtonWithAMenuStaysDownWhileTheMenuIsOpen) {
  TMenuStub menu(true);
  TSkinButtonObject& plain = Button(kPlain);
  plain.MenuItem = &menu;
  plain.PopupUp = true;
  Hover(kPlain);
  plain.MouseDown(3, 4, kLeft);
  EXPECT_EQ(host.log, (Log{"redraw:plainbutton", "popup:plainbutton:up", "down:plainbutton:3,4:0"}));
  host.log.clear();
  plain.MouseUp(3, 4, kLeft);
  EXPECT_TRUE(plain.Down()) << "the frame releases it when the menu closes";
  plain.MouseLeave();
  EXPECT_EQ(host.log, (Log{"up:plainbutton:3,4:0", "leave:plainbutton"})) << "no redraw while the menu is open";

  // A menu without sub-items does not pop up.
  TMenuStub empty(false);
  TSkinButtonObject& help = Button(kHelp);
  help.MenuItem = &empty;
  host.log.clear();
  Hover(kHelp);
  help.MouseDown(1, 1, kLeft);
  EXPECT_EQ(host.log, (Log{"redraw:helpbutton"}));
}

TEST_F(Reactions, SystemMenuButtonOpensTheSystemMenuOnThePress) {
  TMenuStub menu(true);
  host.systemMenu = &menu;
  Hover(kSysMenu);
  Button(kSysMenu).MouseDown(1, 1, kLeft);
  EXPECT_EQ(host.log, (Log{"redraw:sysmenubutton", "sysmenu", "popup:sysmenubutton"}));
  EXPECT_EQ(Button(kSysMenu).MenuItem, &menu);
  host.log.clear();
  Button(kSysMenu).MouseUp(1, 1, kLeft);
  EXPECT_TRUE(Button(kSysMenu).Down());
  EXPECT_EQ(host.log, (Log{"up:sysmenubutton:1,1:0"})) << "its command does nothing on release";
}

TEST_F(Reactions, DoubleClickingASystemMenuObjectClosesTheForm) {
  Object(kSysMenu).DblClick();
  Object(kCycle).DblClick();  // an animation with the system-menu command
  Object(kClose).DblClick();
  Object(kAnim).DblClick();
  Object(kCaption).DblClick();
  EXPECT_EQ(host.log, (Log{"close", "close"}));
}

TEST_F(Reactions, StandardButtonCommands) {
  const std::pair<int, Log> cases[] = {
      {kClose, {"execute:0"}}, {kMax, {"execute:1"}}, {kMin, {"execute:2"}},
      {kRollUp, {"execute:5"}}, {kTray, {"execute:6"}}, {kSysMenu, {}}, {kHelp, {}},
  };
  for (const auto& [i, log] : cases) {
    host.log.clear();
    static_cast<TSkinStdButtonObject&>(Object(i)).Execute();
    EXPECT_EQ(host.log, log) << Object(i).IDName;
  }
}

TEST_F(Reactions, AnimationCommandsAndRelease) {
  TMenuStub menu(true);
  auto& anim = static_cast<TSkinAnimateObject&>(Object(kAnim));  // button style, default command
  anim.MenuItem = &menu;
  anim.MouseEnter();
  host.log.clear();
  anim.MouseDown(4, 5, kLeft);
  anim.MouseUp(4, 5, kLeft);
  EXPECT_EQ(host.log, (Log{"down:anim:4,5:0", "up:anim:4,5:0", "popup:anim"}));
  host.log.clear();
  anim.MouseUp(4, 5, kRight);
  EXPECT_EQ(host.log, (Log{"up:anim:4,5:1"}));

  // Without button style the release runs nothing.
  auto& cycle = static_cast<TSkinAnimateObject&>(Object(kCycle));
  cycle.MouseEnter();
  host.log.clear();
  cycle.MouseUp(1, 1, kLeft);
  EXPECT_EQ(host.log, (Log{"up:cycleanim:1,1:0"}));

  // Its system-menu command pops the system menu up; the window commands
  // go to the frame.
  host.systemMenu = &menu;
  host.log.clear();
  cycle.Execute();
  EXPECT_EQ(host.log, (Log{"sysmenu", "popup:cycleanim"}));
  for (TStdCommand c : {TStdCommand::cmClose, TStdCommand::cmMaximize, TStdCommand::cmMinimize,
                        TStdCommand::cmRollUp, TStdCommand::cmMinimizeToTray}) {
    host.log.clear();
    cycle.Command = c;
    cycle.Execute();
    EXPECT_EQ(host.log, (Log{"execute:" + std::to_string(static_cast<int>(c))}));
  }
}

TEST_F(Reactions, CaptionReportsButNeverRedraws) {
  TActiveSkinObject& caption = Object(kCaption);
  caption.MouseEnter();
  EXPECT_TRUE(caption.MouseIn);
  EXPECT_FALSE(caption.Active) << "its active flag follows the form";
  caption.MouseDown(1, 2, kLeft);
  caption.MouseMove(3, 4);
  caption.MouseLeave();
  caption.MouseUp(5, 6, kLeft);
  EXPECT_EQ(host.log, (Log{"enter:caption", "down:caption:1,2:0", "move:caption:3,4", "leave:caption",
                           "up:caption:5,6:0"}))
      << "the release is reported without the mouse inside";
}

TEST_F(Reactions, BaseObjectReportsTheReleaseOnlyWithTheMouseInside) {
  TActiveSkinObject& user = Object(kUser);
  user.MouseUp(1, 1, kLeft);
  EXPECT_TRUE(host.log.empty());
  user.MouseEnter();
  user.MouseUp(2, 2, TSkinMouseButton::mbMiddle);
  user.MouseLeave();
  EXPECT_EQ(host.log, (Log{"enter:userobj", "up:userobj:2,2:2", "leave:userobj"}))
      << "no active image: no transition, no redraw";
}

}  // namespace
}  // namespace tavo::skin
