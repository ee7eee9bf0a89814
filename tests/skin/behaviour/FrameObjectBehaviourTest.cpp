// The behaviour decisions on Lumen's real objects laid out by the frame on
// the 563 x 262 directory window: hit tests from the placed geometry, a
// press and release through the state machine running the button's
// command (or not, after dragging off), the system-menu double-click,
// border icons and hints.
#include "skin/FrameObjectBehaviour.h"

#include <gtest/gtest.h>

#include "skin/FrameObjectItems.h"
#include "skin/ResourceStrData.h"
#include "skin/behaviour/LumenFrame.h"
#include "skin/objects/ObjectTestHost.h"
#include "tests/skin/support/TestFrameSkin.h"

namespace tavo::skin {
namespace {

using testing::TLumenFrame;
using L = std::vector<std::string>;

// Objects laid out the way the frame does it.
void Layout(TActiveObjectList& objects, const TSkinData& data, int w, int h) {
  const TFrameSkinGeometry skin = FrameSkinGeometryOf(data);
  LayoutObjects(objects, skin, ComputePlacedGeometry(skin, w, h), TFrameIconSize{});
}

// The form half of the mouse host, recording capture and the timer.
class TLumenMouseHost : public TObjectListMouseHost {
 public:
  using TObjectListMouseHost::TObjectListMouseHost;
  L log;
  bool FormActive() const override { return true; }
  TRect ClientRect() const override { return TRect{13, 46, 551, 253}; }
  TPoint CursorPos() const override { return TPoint{-1, -1}; }
  bool ObjectHintsOn() const override { return false; }
  void SetCapture() override { log.push_back("capture"); }
  void ReleaseCapture() override { log.push_back("release"); }
  void ShowHintText(const std::string&) override {}
  void HideHintText() override {}
  void EnableTrackingTimer(bool) override {}
};

class LumenObjects : public ::testing::Test {
 protected:
  LumenObjects() : lumen(563, 262) {
    objects = CreateSkinObjects(frame, lumen.data);
    Layout(objects, lumen.data, 563, 262);
  }
  // Only the commands and the close request the objects passed on.
  L Commands() const {
    L kept;
    for (const std::string& e : frame.log)
      if (e.rfind("execute:", 0) == 0 || e == "close") kept.push_back(e);
    return kept;
  }
  TLumenFrame lumen;
  test::TObjectTestHost frame;
  TActiveObjectList objects;
  TLumenMouseHost host{objects};
  TFrameMouse mouse{host};
};

TEST_F(LumenObjects, PlacedGeometryFeedsTheHitTest) {
  ASSERT_EQ(objects.size(), 6u);
  EXPECT_EQ(objects[0]->ObjectRect, (TRect{46, 16, 422, 35}));
  EXPECT_EQ(objects[1]->ObjectRect, (TRect{526, 11, 550, 35}));
  EXPECT_EQ(objects[5]->ObjectRect, (TRect{6, 18, 23, 35}));
  const TPlacedFrameGeometry placed = ComputePlacedGeometry(FrameSkinGeometryOf(lumen.data), 563, 262);
  TSkinnedHitInput in = SkinnedHitInputOf(placed, lumen.data.borderwidth, &lumen.Strips, objects);
  const TSkinnedHitInput byHand = lumen.HitInput(true);
  EXPECT_EQ(in.ClientRect, byHand.ClientRect);
  EXPECT_EQ(in.MaskRect, byHand.MaskRect);
  EXPECT_EQ(in.HitRightBottom, byHand.HitRightBottom);
  EXPECT_EQ(in.CaptionRects, byHand.CaptionRects);
  in.Sizeable = false;
  EXPECT_EQ(SkinnedHitTest({200, 25}, in), kHtCaption);
  EXPECT_EQ(SkinnedHitTest({300, 150}, in), kHtClient);
  mouse.TrackHover({538, 20}, true);
  in.ObjectActive = mouse.ActiveObject() != TFrameMouse::kNone;
  EXPECT_EQ(SkinnedHitTest({538, 20}, in), kHtObject);
}

TEST_F(LumenObjects, ReleasingOverTheCloseButtonRunsItsCommand) {
  mouse.NcButtonDown(TSkinMouseButton::mbLeft, kHtObject, {538, 20});
  ASSERT_EQ(mouse.CaptureObject(), 1);
  EXPECT_TRUE(static_cast<TSkinStdButtonObject&>(*objects[1]).Down());
  mouse.ButtonUp(TSkinMouseButton::mbLeft);  // WM_LBUTTONUP at (-1, -1)
  EXPECT_EQ(Commands(), (L{"execute:0"}));
  EXPECT_FALSE(static_cast<TSkinStdButtonObject&>(*objects[1]).Down());
  EXPECT_EQ(host.log, (L{"capture", "release"}));
}

TEST_F(LumenObjects, DraggingOffTheButtonCancelsItsCommand) {
  mouse.NcButtonDown(TSkinMouseButton::mbLeft, kHtObject, {480, 20});  // minimize
  mouse.TrackHover({510, 20}, true);                                    // over maximize
  EXPECT_EQ(mouse.ActiveObject(), TFrameMouse::kNone);
  EXPECT_FALSE(objects[3]->Active) << "no other object becomes active while the capture lasts";
  mouse.TrackHover({300, 150}, true);
  mouse.ButtonUp(TSkinMouseButton::mbLeft);
  EXPECT_EQ(Commands(), L{});
  // Back over it before the release: the command runs.
  mouse.NcButtonDown(TSkinMouseButton::mbLeft, kHtObject, {480, 20});
  mouse.TrackHover({5, 150}, true);
  mouse.TrackHover({480, 20}, true);
  mouse.ButtonUp(TSkinMouseButton::mbLeft);
  EXPECT_EQ(Commands(), (L{"execute:2"}));
}

TEST_F(LumenObjects, TheRightButtonNeitherPressesNorRunsAStandardButton) {
  mouse.NcButtonDown(TSkinMouseButton::mbRight, kHtObject, {538, 20});
  EXPECT_FALSE(static_cast<TSkinStdButtonObject&>(*objects[1]).Down());
  mouse.ButtonUp(TSkinMouseButton::mbRight);
  EXPECT_EQ(Commands(), L{});
  EXPECT_EQ(host.log, (L{"capture", "release"})) << "the capture still ends";
}

TEST_F(LumenObjects, DoubleClickOnTheSystemMenuButtonClosesTheForm) {
  mouse.NcButtonDblClick(TSkinMouseButton::mbLeft, kHtObject, {10, 25});
  EXPECT_EQ(Commands(), (L{"close"}));
}

TEST_F(LumenObjects, WithoutMaximizeTheButtonStaysDrawnButNeverReacts) {
  TFrameIconSet icons;
  icons.Maximize = false;
  ApplyBorderIcons(objects, icons, false, nullptr);
  EXPECT_FALSE(objects[3]->Enabled);
  EXPECT_TRUE(objects[3]->Visible) << "part of the frame picture";
  mouse.NcButtonDown(TSkinMouseButton::mbLeft, kHtObject, {510, 20});
  mouse.ButtonUp(TSkinMouseButton::mbLeft);
  EXPECT_EQ(mouse.ActiveObject(), TFrameMouse::kNone);
  EXPECT_EQ(Commands(), L{});
  for (int i : {0, 1, 2, 4, 5}) EXPECT_TRUE(objects[static_cast<size_t>(i)]->Enabled) << i;
}

TEST_F(LumenObjects, HintsByCommand) {
  RefreshObjectHints(objects, &lumen.data, false);
  for (const auto& o : objects) EXPECT_EQ(o->Hint, "") << o->IDName;
  RefreshObjectHints(objects, &lumen.data, true);
  EXPECT_EQ(objects[0]->Hint, "") << "the caption has no command";
  EXPECT_EQ(objects[1]->Hint, DefaultObjectHint(TStdCommand::cmClose));
  EXPECT_EQ(objects[2]->Hint, DefaultObjectHint(TStdCommand::cmMinimize));
  EXPECT_EQ(objects[3]->Hint, DefaultObjectHint(TStdCommand::cmMaximize));
  EXPECT_EQ(objects[4]->Hint, DefaultObjectHint(TStdCommand::cmRollUp));
  EXPECT_EQ(objects[5]->Hint, DefaultObjectHint(TStdCommand::cmSysMenu));
  TResourceStrData strings;
  lumen.data.SetResourceStrData(&strings);
  RefreshObjectHints(objects, &lumen.data, true);
  EXPECT_EQ(objects[1]->Hint, "Close");
  EXPECT_EQ(objects[4]->Hint, "Roll Up");
  lumen.data.SetResourceStrData(nullptr);
  RefreshObjectHints(objects, nullptr, true);
  EXPECT_EQ(objects[1]->Hint, "Close") << "no skin data: hints stay";
}

// The test skin's twelve objects: caption, seven standard buttons (the
// last with the default command), a plain button, a button-style and a
// plain animation, and a user object.
TEST(TestSkinObjects, HideCaptionButtonsTouchesButtonsAndAnimationsOnly) {
  TSkinNotifier notifier;
  TSkinData data(nullptr, &notifier);
  test::LoadTestFrameSkin(data);
  test::TObjectTestHost frame;
  TActiveObjectList objects = CreateSkinObjects(frame, data);
  ASSERT_EQ(objects.size(), static_cast<size_t>(test::kTestSkinFrameObjects));
  ApplyBorderIcons(objects, TFrameIconSet{}, true, nullptr);
  for (const auto& o : objects) {
    const TObjectKind k = o->Kind();
    const bool touched = k == TObjectKind::okStdButton || k == TObjectKind::okAnimate;
    EXPECT_EQ(o->Enabled, !touched) << o->IDName;
    EXPECT_EQ(o->Visible, !touched || !o->SkinRectInAPicture) << o->IDName;
  }
}

}  // namespace
}  // namespace tavo::skin
