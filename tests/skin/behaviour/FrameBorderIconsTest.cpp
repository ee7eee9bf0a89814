// Which caption buttons show for BorderIcons and HideCaptionButtons, and
// the buttons' hint texts from the resource strings or the built-in ones.
#include "skin/FrameBorderIcons.h"

#include <gtest/gtest.h>

#include "skin/ResourceStrData.h"

namespace tavo::skin {
namespace {

using K = TFrameObjectKind;
using C = TStdCommand;

TBorderIconObject Object(K kind, C command, bool inAPicture = false, bool buttonStyle = false) {
  TBorderIconObject o;
  o.Kind = kind;
  o.Command = command;
  o.InAPicture = inAPicture;
  o.ButtonStyle = buttonStyle;
  o.IDName = "obj";
  return o;
}

// Lumen's objects: the caption and five buttons drawn in the frame picture.
std::vector<TBorderIconObject> Lumen() {
  return {Object(K::okCaption, C::cmDefault), Object(K::okStdButton, C::cmClose),
          Object(K::okStdButton, C::cmMinimize), Object(K::okStdButton, C::cmMaximize),
          Object(K::okStdButton, C::cmRollUp),   Object(K::okStdButton, C::cmSysMenu)};
}

std::string Flags(const std::vector<TBorderIconObject>& objects) {
  std::string s;
  for (const auto& o : objects) s += std::string(o.Enabled ? "E" : "-") + (o.Visible ? "V " : "- ");
  return s;
}

TEST(BorderIcons, BitsAndTheDefaultSet) {
  const TFrameIconSet d = TFrameIconSet::FromBits(1 | 2 | 4 | 8);
  EXPECT_TRUE(d.SystemMenu && d.Minimize && d.Maximize && d.RollUp && !d.MinimizeToTray);
  const TFrameIconSet tray = TFrameIconSet::FromBits(16);
  EXPECT_TRUE(tray.MinimizeToTray && !tray.SystemMenu && !tray.Minimize && !tray.Maximize && !tray.RollUp);
}

TEST(BorderIcons, LumenWithEveryIconStaysAsItIs) {
  auto objects = Lumen();
  ApplyBorderIcons(objects, TFrameIconSet::FromBits(15), false, nullptr);
  EXPECT_EQ(Flags(objects), "EV EV EV EV EV EV ");
}

TEST(BorderIcons, AMissingIconDisablesItsButtonAndKeepsAFramePictureImage) {
  auto objects = Lumen();
  ApplyBorderIcons(objects, TFrameIconSet::FromBits(1 | 2 | 8), false, nullptr);  // no biMaximize
  EXPECT_EQ(Flags(objects), "EV EV EV -V EV EV ");
  // Nothing but close survives an empty set.
  objects = Lumen();
  ApplyBorderIcons(objects, TFrameIconSet::FromBits(0), false, nullptr);
  EXPECT_EQ(Flags(objects), "EV EV -V -V -V -V ");
  // Buttons drawn from the active picture disappear.
  std::vector<TBorderIconObject> own = {Object(K::okStdButton, C::cmMaximize, true),
                                        Object(K::okStdButton, C::cmMinimizeToTray, true),
                                        Object(K::okStdButton, C::cmClose, true)};
  ApplyBorderIcons(own, TFrameIconSet::FromBits(15), false, nullptr);
  EXPECT_EQ(Flags(own), "EV -- EV ");
}

TEST(BorderIcons, HideCaptionButtonsDisablesEveryButtonAndAnimation) {
  std::vector<TBorderIconObject> objects = {
      Object(K::okCaption, C::cmDefault),        Object(K::okStdButton, C::cmClose),
      Object(K::okStdButton, C::cmMinimize, true), Object(K::okAnimate, C::cmDefault, false, false),
      Object(K::okAnimate, C::cmClose, true, true), Object(K::okButton, C::cmDefault),
      Object(K::okUser, C::cmDefault)};
  ApplyBorderIcons(objects, TFrameIconSet::FromBits(31), true, nullptr);
  EXPECT_EQ(Flags(objects), "EV -V -- -V -- EV EV ");
}

TEST(BorderIcons, AnimationsCountOnlyWithButtonStyle) {
  std::vector<TBorderIconObject> objects = {Object(K::okAnimate, C::cmMaximize, true, false),
                                            Object(K::okAnimate, C::cmMaximize, true, true)};
  ApplyBorderIcons(objects, TFrameIconSet::FromBits(0), false, nullptr);
  EXPECT_EQ(Flags(objects), "EV -- ");
}

TEST(BorderIcons, DefaultCommandAsksTheApplication) {
  std::vector<TBorderIconObject> objects = {Object(K::okStdButton, C::cmDefault), Object(K::okStdButton, C::cmDefault),
                                            Object(K::okAnimate, C::cmDefault, false, true)};
  objects[0].IDName = "helpbutton";
  objects[1].IDName = "other";
  objects[1].Enabled = false;
  objects[2].IDName = "spinner";
  std::vector<std::string> asked;
  ApplyBorderIcons(objects, TFrameIconSet::FromBits(15), false, [&](const std::string& name, bool& visible) {
    asked.push_back(name + (visible ? " true" : " false"));
    visible = name != "spinner";
  });
  EXPECT_EQ(asked, (std::vector<std::string>{"helpbutton false", "other false", "spinner false"}));
  EXPECT_EQ(Flags(objects), "EV -V E- ") << "enabled is left as it was";
  objects[0].Visible = true;
  ApplyBorderIcons(objects, TFrameIconSet::FromBits(15), false, nullptr);
  EXPECT_FALSE(objects[0].Visible) << "without a handler a default-command object is hidden";
}

TEST(ObjectHints, BuiltInTextsInCodePage936) {
  EXPECT_EQ(DefaultObjectHint(C::cmClose), "\xB9\xD8\xB1\xD5");
  EXPECT_EQ(DefaultObjectHint(C::cmMaximize), "\xD7\xEE\xB4\xF3\xBB\xAF");
  EXPECT_EQ(DefaultObjectHint(C::cmMinimize), "\xD7\xEE\xD0\xA1\xBB\xAF");
  EXPECT_EQ(DefaultObjectHint(C::cmSysMenu), "\xCF\xB5\xCD\xB3\xB2\xCB\xB5\xA5");
  EXPECT_EQ(DefaultObjectHint(C::cmRollUp), "\xCF\xF2\xC9\xCF\xBE\xED\xC2\xA3");
  EXPECT_EQ(DefaultObjectHint(C::cmMinimizeToTray), "\xD7\xEE\xD0\xA1\xBB\xAF\xB5\xBD\xCD\xBC\xB1\xEA");
  EXPECT_EQ(DefaultObjectHint(C::cmDefault), "");
}

TEST(ObjectHints, FromTheResourceStringsWhenAssigned) {
  TResourceStrData defaults;
  EXPECT_EQ(ObjectHintFor(C::cmClose, &defaults, "x"), "Close");
  EXPECT_EQ(ObjectHintFor(C::cmMaximize, &defaults, "x"), "Maximize");
  EXPECT_EQ(ObjectHintFor(C::cmMinimize, &defaults, "x"), "Minimize");
  EXPECT_EQ(ObjectHintFor(C::cmSysMenu, &defaults, "x"), "System menu");
  EXPECT_EQ(ObjectHintFor(C::cmRollUp, &defaults, "x"), "Roll Up");
  EXPECT_EQ(ObjectHintFor(C::cmMinimizeToTray, &defaults, "x"), "Minimize to Tray");
  TResourceStrData own;
  own.SetResStrings({"closebutton_hint=Shut", "ROLLUPBUTTON_HINT=Fold"});
  EXPECT_EQ(ObjectHintFor(C::cmClose, &own, ""), "Shut");
  EXPECT_EQ(ObjectHintFor(C::cmRollUp, &own, ""), "Fold");
  EXPECT_EQ(ObjectHintFor(C::cmMaximize, &own, ""), "");
  // Without resource strings, the built-in texts; the default command
  // keeps its record's hint either way.
  EXPECT_EQ(ObjectHintFor(C::cmRollUp, nullptr, "x"), DefaultObjectHint(C::cmRollUp));
  EXPECT_EQ(ObjectHintFor(C::cmDefault, nullptr, "Help"), "Help");
  EXPECT_EQ(ObjectHintFor(C::cmDefault, &own, "Help"), "Help");
}

}  // namespace
}  // namespace tavo::skin
