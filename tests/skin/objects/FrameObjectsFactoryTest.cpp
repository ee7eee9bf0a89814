// Making the frame's objects: Lumen's six from its twelve records, the test
// skin's twelve from its fifteen, the default buttons of plain mode, and
// the fields an object takes from its record with their adjustments.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/CompressedStoredSkin.h"
#include "skin/FrameObjects.h"
#include "skin/PixelCopy.h"
#include "skin/SkinIni.h"
#include "tests/skin/objects/ObjectTestHost.h"
#include "tests/skin/support/TestFrameSkin.h"

namespace tavo::skin {
namespace {

using test::TObjectTestHost;

struct TExpectedObject {
  const char* id;
  TObjectKind kind;
};

TStdCommand CommandOf(const TActiveSkinObject& o) {
  if (const auto* b = dynamic_cast<const TSkinStdButtonObject*>(&o)) return b->Command;
  if (const auto* a = dynamic_cast<const TSkinAnimateObject*>(&o)) return a->Command;
  return TStdCommand::cmDefault;
}

TEST(ObjectFactory, LumenGivesSixObjectsInTheOrderOfItsRecords) {
  TSkinNotifier notifier;
  TCompressedStoredSkin stored;
  stored.ImportCompressedFile(std::string(TAVO_SOURCE_DIR) + "/assets/skins/Lumen.skn");
  TSkinData data(nullptr, &notifier);
  data.SetCompressedStoredSkin(&stored);
  ASSERT_FALSE(data.IsEmpty);
  ASSERT_EQ(data.SkinObjects.size(), 12u);

  TObjectTestHost host;
  const TActiveObjectList objects = CreateSkinObjects(host, data);
  const TExpectedObject expected[] = {
      {"caption", TObjectKind::okCaption},          {"closebutton", TObjectKind::okStdButton},
      {"minimizebutton", TObjectKind::okStdButton}, {"maximizebutton", TObjectKind::okStdButton},
      {"rollupbutton", TObjectKind::okStdButton},   {"sysmenubutton", TObjectKind::okStdButton},
  };
  ASSERT_EQ(objects.size(), 6u);
  const TStdCommand commands[] = {TStdCommand::cmDefault, TStdCommand::cmClose,  TStdCommand::cmMinimize,
                                  TStdCommand::cmMaximize, TStdCommand::cmRollUp, TStdCommand::cmSysMenu};
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(objects[i]->IDName, expected[i].id) << i;
    EXPECT_EQ(objects[i]->Kind(), expected[i].kind) << i;
    EXPECT_EQ(CommandOf(*objects[i]), commands[i]) << i;
    EXPECT_FALSE(objects[i]->SkinRectInAPicture) << i;
    EXPECT_EQ(objects[i]->ObjectRect, objects[i]->SkinRect) << "placed later by the frame's layout";
  }
  // The caption has no active picture; the buttons use the button sheet.
  EXPECT_EQ(objects[0]->ActivePicture, nullptr);
  EXPECT_FALSE(objects[0]->Morphing);
  EXPECT_EQ(objects[1]->ActivePicture, &data.ActivePictures[0]);
  EXPECT_EQ(objects[1]->Picture, &data.Picture);
  EXPECT_EQ(objects[4]->SkinRect, (TRect{26, 18, 43, 35}));
  EXPECT_EQ(objects[4]->ActiveSkinRect, (TRect{0, 72, 17, 89}));
  EXPECT_TRUE(objects[4]->Morphing);
  const auto& rollUp = static_cast<const TSkinStdButtonObject&>(*objects[4]);
  EXPECT_EQ(rollUp.RestoreRect, (TRect{72, 72, 89, 89}));
  EXPECT_EQ(rollUp.RestoreInActiveRect, (TRect{144, 72, 161, 89}));
  EXPECT_TRUE(rollUp.Skinned);
}

// Graphite is a controls skin: no main picture, empty object rectangles.
// A frame given it still makes the six objects, and none of them draws a
// pixel in any state, wherever the layout puts it.
TEST(ObjectFactory, GraphiteObjectsDrawNothingInAnyState) {
  TSkinNotifier notifier;
  TCompressedStoredSkin stored;
  stored.ImportCompressedFile(std::string(TAVO_SOURCE_DIR) + "/assets/skins/Graphite.skn");
  TSkinData data(nullptr, &notifier);
  data.SetCompressedStoredSkin(&stored);
  ASSERT_FALSE(data.IsEmpty);
  ASSERT_TRUE(data.Picture.Empty());
  TObjectTestHost host;
  TActiveObjectList objects = CreateSkinObjects(host, data);
  ASSERT_EQ(objects.size(), 6u);
  const TBitmap blank = NewPicture(40, 40);
  for (auto& o : objects) {
    for (const TRect& at : {TRect{}, TRect{10, 10, 26, 26}}) {
      o->ObjectRect = at;
      for (int state = 0; state < 5; ++state) {
        host.active = state != 2;
        o->Active = state == 1;
        o->MorphFactor = state == 1 ? 0.5 : 0;
        o->MouseIn = state >= 3;
        o->Enabled = state != 4;
        if (auto* b = dynamic_cast<TSkinButtonObject*>(o.get())) b->SetDown(state == 3);
        TBitmap canvas = blank;
        o->Draw(canvas, true);
        EXPECT_EQ(canvas, blank) << o->IDName << " state " << state;
      }
    }
  }
  EXPECT_TRUE(host.painter.calls.empty());
}

TEST(ObjectFactory, TestSkinGivesEveryClassAndSkipsTheMenuRecords) {
  TSkinNotifier notifier;
  TSkinData data(nullptr, &notifier);
  test::LoadTestFrameSkin(data);
  ASSERT_EQ(data.SkinObjects.size(), static_cast<size_t>(test::kTestSkinObjectRecords));
  TObjectTestHost host;
  const TActiveObjectList objects = CreateSkinObjects(host, data);
  const TExpectedObject expected[] = {
      {"caption", TObjectKind::okCaption},        {"closebutton", TObjectKind::okStdButton},
      {"maxbutton", TObjectKind::okStdButton},    {"minbutton", TObjectKind::okStdButton},
      {"rollupbutton", TObjectKind::okStdButton}, {"traybutton", TObjectKind::okStdButton},
      {"sysmenubutton", TObjectKind::okStdButton}, {"helpbutton", TObjectKind::okStdButton},
      {"plainbutton", TObjectKind::okButton},     {"anim", TObjectKind::okAnimate},
      {"cycleanim", TObjectKind::okAnimate},      {"userobj", TObjectKind::okUser},
  };
  ASSERT_EQ(objects.size(), static_cast<size_t>(test::kTestSkinFrameObjects));
  for (size_t i = 0; i < objects.size(); ++i) {
    EXPECT_EQ(objects[i]->IDName, expected[i].id) << i;
    EXPECT_EQ(objects[i]->Kind(), expected[i].kind) << i;
  }
  EXPECT_EQ(FirstObjectOfKind(objects, TObjectKind::okAnimate), objects[9].get());
  EXPECT_EQ(FirstObjectOfKind(objects, TObjectKind::okActive), nullptr);

  // Animations never morph, whatever the record says, and count in ticks of
  // at least 25 ms.
  const auto& anim = static_cast<const TSkinAnimateObject&>(*objects[9]);
  const auto& cycling = static_cast<const TSkinAnimateObject&>(*objects[10]);
  EXPECT_FALSE(anim.Morphing);
  EXPECT_EQ(anim.TimerInterval, 50);
  EXPECT_EQ(cycling.TimerInterval, 25);
  EXPECT_EQ(anim.FrameNumber, 1);
  EXPECT_EQ(anim.TickAccumulator, 25);
  EXPECT_EQ(anim.CountFrames, 4);
  EXPECT_TRUE(cycling.Cycle);
  EXPECT_FALSE(cycling.ButtonStyle);

  // The user object reads only its skin rectangle.
  EXPECT_EQ(objects[11]->SkinRect, (TRect{90, 72, 110, 80}));
  EXPECT_EQ(objects[11]->ActivePicture, nullptr);

  const auto& caption = static_cast<const TSkinCaptionObject&>(*objects[0]);
  EXPECT_EQ(caption.TextRect, (TRect{4, 2, 124, 20}));
  EXPECT_EQ(caption.FrameTextRect, (TRect{5, 1, 25, 17}));
  EXPECT_EQ(caption.FrameLeftOffset, 5);
  EXPECT_TRUE(caption.FontStyle.Contains(TFontStyle::fsBold));
  EXPECT_EQ(caption.Alignment, TAlignment::taCenter);
  EXPECT_EQ(caption.ActivePicture, &data.ActivePictures[1]);
  EXPECT_TRUE(caption.Morphing);
}

TEST(ObjectFactory, EmptySkinGivesNoObjects) {
  TSkinNotifier notifier;
  TSkinData data(nullptr, &notifier);
  test::LoadTestFrameSkin(data);
  data.IsEmpty = true;
  TObjectTestHost host;
  EXPECT_TRUE(CreateSkinObjects(host, data).empty());
}

// An active picture index outside the list leaves the object without
// active images, clears the record's active rectangle for every later
// object made from it, and turns morphing off.
TEST(ObjectFactory, MissingActivePictureClearsTheActiveRectangleInTheRecordToo) {
  const char* ini =
      "[SKINOBJECTS]\ncount=3\n0=b:stdbutton\n1=b:stdbutton\n2=c:stdbutton\n"
      "[b]\nactivepictureindex=5\nskinrect=1,1,9,9\nactiveskinrect=0,0,8,8\nmorphing=1\n"
      "[c]\nactivepictureindex=0\nskinrect=1,1,9,9\nactiveskinrect=0,0,8,8\nmorphing=1\n";
  TSkinNotifier notifier;
  TSkinData data(nullptr, &notifier);
  data.ActivePictures.push_back(test::MarkedPicture(8, 8, 16));
  data.ReadSkinIni(TSkinIni(TSkinIni::SplitLines(ini)));
  data.IsEmpty = false;
  TObjectTestHost host;
  const TActiveObjectList objects = CreateSkinObjects(host, data);
  ASSERT_EQ(objects.size(), 3u);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(objects[i]->ActivePicture, nullptr);
    EXPECT_TRUE(IsRectEmpty(objects[i]->ActiveSkinRect));
    EXPECT_FALSE(objects[i]->Morphing);
  }
  EXPECT_TRUE(IsRectEmpty(data.SkinObjects[0]->activeskinrect));
  EXPECT_EQ(objects[2]->ActivePicture, &data.ActivePictures[0]);
  EXPECT_EQ(objects[2]->ActiveSkinRect, (TRect{0, 0, 8, 8}));
  EXPECT_TRUE(objects[2]->Morphing);
}

TEST(ObjectFactory, DefaultButtons) {
  TObjectTestHost host;
  const TActiveObjectList objects = CreateDefaultButtons(host);
  const std::pair<const char*, TStdCommand> expected[] = {
      {"closebutton", TStdCommand::cmClose},     {"maxbutton", TStdCommand::cmMaximize},
      {"minbutton", TStdCommand::cmMinimize},    {"rollupbutton", TStdCommand::cmRollUp},
      {"sysmenubutton", TStdCommand::cmSysMenu}, {"traybutton", TStdCommand::cmMinimizeToTray},
  };
  ASSERT_EQ(objects.size(), 6u);
  for (size_t i = 0; i < 6; ++i) {
    const auto& b = dynamic_cast<const TSkinStdButtonObject&>(*objects[i]);
    EXPECT_EQ(b.IDName, expected[i].first);
    EXPECT_EQ(b.Command, expected[i].second);
    EXPECT_FALSE(b.Skinned);
    EXPECT_TRUE(b.SkinRectInAPicture);
    EXPECT_EQ(b.SkinRect, (TRect{0, 0, 1, 1}));
    EXPECT_EQ(b.ActiveSkinRect, (TRect{0, 0, 1, 1}));
    EXPECT_EQ(b.DownRect, (TRect{0, 0, 1, 1}));
    EXPECT_FALSE(b.Morphing);
    EXPECT_TRUE(b.Enabled);
    EXPECT_TRUE(b.Visible);
  }
}

}  // namespace
}  // namespace tavo::skin
