// The fixed sections with their adjustments, the object and control lists,
// the class-specific rules, and writing a skin back.
#include <gtest/gtest.h>

#include "skin/SkinData.h"
#include "skin/SkinExceptions.h"

namespace tavo::skin {
namespace {

// Reads a skin text into a fresh skin data.
struct TLoaded {
  TSkinNotifier notifier;
  TSkinData data{nullptr, &notifier};
  explicit TLoaded(std::string_view text) { data.ReadSkinIni(TSkinIni(TSkinIni::SplitLines(text))); }
};

struct TFormInfoCase {
  const char* name;
  const char* text;
  TRect maskrectarea;
  TPoint hittestlefttoppoint;
  TPoint lefttoppoint;
  TPoint rightbottompoint;
};

class FormInfoAdjustments : public ::testing::TestWithParam<TFormInfoCase> {};

TEST_P(FormInfoAdjustments, Apply) {
  const TFormInfoCase& c = GetParam();
  TLoaded skin(c.text);
  EXPECT_EQ(skin.data.maskrectarea, c.maskrectarea);
  EXPECT_EQ(skin.data.hittestlefttoppoint, c.hittestlefttoppoint);
  EXPECT_EQ(skin.data.lefttoppoint, c.lefttoppoint);
  EXPECT_EQ(skin.data.rightbottompoint, c.rightbottompoint);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormInfoAdjustments,
    ::testing::Values(
        // The frame skin's own values: nothing moves.
        TFormInfoCase{"LumenValues",
                      "[PICTURES]\nmask=m.bmp\n[FORMINFO]\nlefttoppoint=111,46\nrightbottompoint=136,107\n"
                      "clientrect=13,46,265,107\nmaskrectarea=9,17,273,112\nhittestlefttoppoint=12,12\n",
                      {9, 17, 273, 112}, {12, 12}, {111, 46}, {136, 107}},
        TFormInfoCase{"EmptyMaskAreaBecomesClient",
                      "[PICTURES]\nmask=m.bmp\n[FORMINFO]\nclientrect=13,46,265,107\nmaskrectarea=0,0,0,0\n"
                      "lefttoppoint=20,50\nrightbottompoint=30,60\n",
                      {13, 46, 265, 107}, {20, 50}, {20, 50}, {30, 60}},
        TFormInfoCase{"NoMaskNoAdjustment",
                      "[FORMINFO]\nclientrect=13,46,265,107\nmaskrectarea=0,0,0,0\nhittestlefttoppoint=0,24\n"
                      "lefttoppoint=20,50\nrightbottompoint=30,60\n",
                      {0, 0, 0, 0}, {0, 24}, {20, 50}, {30, 60}},
        TFormInfoCase{"MaskAreaWidenedToCoverClient",
                      "[PICTURES]\nmask=m.bmp\n[FORMINFO]\nclientrect=5,40,300,100\nmaskrectarea=9,17,273,112\n"
                      "lefttoppoint=20,50\nrightbottompoint=30,60\n",
                      {5, 17, 300, 112}, {20, 50}, {20, 50}, {30, 60}},
        TFormInfoCase{"HitTestPointWithZeroFollowsFramePoint",
                      "[PICTURES]\nmask=m.bmp\n[FORMINFO]\nlefttoppoint=8,30\nrightbottompoint=40,50\n"
                      "clientrect=5,20,60,70\nmaskrectarea=1,1,2,2\nhittestlefttoppoint=0,24\n",
                      {1, 1, 60, 70}, {8, 30}, {8, 30}, {40, 50}},
        // The frame points are pulled into the client rectangle.
        TFormInfoCase{"PointsPulledIntoClient",
                      "[FORMINFO]\nlefttoppoint=2,3\nrightbottompoint=500,400\nclientrect=10,20,100,90\n",
                      {0, 0, 0, 0}, {0, 0}, {10, 20}, {100, 90}},
        // ... unless the right-bottom point shares an x or a y with the left-top one.
        TFormInfoCase{"SameXNotPulled", "[FORMINFO]\nlefttoppoint=2,3\nrightbottompoint=2,400\nclientrect=10,20,100,90\n",
                      {0, 0, 0, 0}, {0, 0}, {2, 3}, {2, 400}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SkinRecords, ListEntriesKindsAndSkips) {
  TLoaded skin(
      "[SKINOBJECTS]\ncount=8\n0=menuitem:menuitem\n1=cap:caption\n2=x:Caption\n3=nocolon\n4=close:stdbutton\n"
      "5=bar:mainmenubarbutton\n6=anim:animate\n7=u:userobject\n"
      "[SKINCONTROLS]\ncount=7\n0=toolbutton:button\n1=toolbutton:button\n2=missing:panel\n3=ud:updown\n"
      "5=toolbutton:Button\n6=toolbutton\n4=sl:stdlabel\n");
  const auto& objects = skin.data.SkinObjects;
  ASSERT_EQ(objects.size(), 6u);
  EXPECT_NE(dynamic_cast<TDataSkinMenuItem*>(objects[0].get()), nullptr);
  EXPECT_NE(dynamic_cast<TDataSkinCaption*>(objects[1].get()), nullptr);
  EXPECT_NE(dynamic_cast<TDataSkinStdButton*>(objects[2].get()), nullptr);
  EXPECT_NE(dynamic_cast<TDataSkinMainMenuBarButton*>(objects[3].get()), nullptr);
  EXPECT_NE(dynamic_cast<TDataSkinAnimate*>(objects[4].get()), nullptr);
  EXPECT_NE(dynamic_cast<TDataUserObject*>(objects[5].get()), nullptr);
  const auto& controls = skin.data.SkinControls;
  ASSERT_EQ(controls.size(), 5u);  // "Button" and a missing colon are skipped
  EXPECT_EQ(controls[0]->IDName, "toolbutton");
  EXPECT_EQ(controls[1]->IDName, "toolbutton");  // each entry makes its own record
  EXPECT_NE(controls[0].get(), controls[1].get());
  EXPECT_EQ(skin.data.GetControlIndex("toolbutton"), 0);
  EXPECT_EQ(skin.data.GetControlIndex("missing"), 2);
  const auto* panel = dynamic_cast<TDataSkinPanelControl*>(controls[2].get());
  ASSERT_NE(panel, nullptr);  // a section that does not exist: all defaults
  EXPECT_EQ(panel->bgpictureindex, -1);
  EXPECT_EQ(panel->font.name, "Arial");
  EXPECT_EQ(panel->font.height, 14);
  EXPECT_NE(dynamic_cast<TDataSkinUpDownControl*>(controls[3].get()), nullptr);
  EXPECT_NE(dynamic_cast<TDataSkinStdLabelControl*>(controls[4].get()), nullptr);
}

TEST(SkinRecords, EveryControlKindMakesItsClass) {
  const char* kinds[] = {"panel",    "expanel",  "menubutton",   "button",  "checkradio", "gauge",    "splitter",
                         "trackbar", "label",    "stdlabel",     "updown",  "grid",       "tab",      "mainmenubar",
                         "controlbar", "memo",   "edit",         "checklistbox", "listbox", "combobox", "scrollbar",
                         "spinedit", "scrollbox", "treeview",    "bevel",   "slider",     "listview", "richedit"};
  std::string text = "[SKINCONTROLS]\ncount=28\n";
  for (int i = 0; i < 28; ++i) text += std::to_string(i) + "=s" + std::to_string(i) + ":" + kinds[i] + "\n";
  TLoaded skin(text);
  ASSERT_EQ(skin.data.SkinControls.size(), 28u);
  const auto& c = skin.data.SkinControls;
  auto is = [&](int i, auto* type) { return dynamic_cast<decltype(type)>(c[i].get()) != nullptr; };
  EXPECT_TRUE(is(2, (TDataSkinButtonControl*)nullptr));     // menubutton derives from button
  EXPECT_TRUE(is(15, (TDataSkinEditControl*)nullptr));      // memo derives from edit
  EXPECT_TRUE(is(17, (TDataSkinListBox*)nullptr));          // checklistbox derives from listbox
  EXPECT_FALSE(is(9, (TDataSkinCustomControl*)nullptr));    // stdlabel is a plain control
  EXPECT_FALSE(is(11, (TDataSkinCustomControl*)nullptr));   // so is grid
  EXPECT_TRUE(is(20, (TDataSkinCustomControl*)nullptr));    // scrollbar is custom
  EXPECT_FALSE(is(26, (TDataSkinTreeView*)nullptr));        // list view is not a tree view
  EXPECT_TRUE(is(27, (TDataSkinRichEdit*)nullptr));
  for (int i = 0; i < 28; ++i) EXPECT_EQ(c[i]->Kind, kinds[i]);
}

TEST(SkinRecords, ClassRules) {
  TLoaded skin(
      "[SKINOBJECTS]\ncount=4\n0=anim:animate\n1=user:userobject\n2=mmi:mainmenubaritem\n3=close:stdbutton\n"
      "[anim]\nmorphing=1\nactiveskinrect=1,1,5,5\ncountframes=0x10\n"
      "[user]\nskinrect=1,2,3,4\nhint=ignored\nactivepictureindex=5\nmorphing=1\nactiveskinrect=9,9,9,9\n"
      "[mmi]\nunenabledfontcolor=255\nitemleftoffset=$10\n"
      "[close]\ncommand=cmclose\nmorphing=1\nmorphkind=mkgradient\ndisableskinrsect=1,2,3,4\nrestorerect=5,6,7,8\n"
      "[SKINCONTROLS]\ncount=3\n0=ud:updown\n1=sl:stdlabel\n2=sl2:stdlabel\n"
      "[ud]\nclientrect=1,2,3,4\nlefttoppoint=5,5\nrightbottompoint=7,7\nupbuttonrect=1,1,2,2\nskinrect=0,0,9,9\n"
      "[sl2]\nactivefontcolor=0\n");
  const auto& o = skin.data.SkinObjects;
  const auto* anim = dynamic_cast<TDataSkinAnimate*>(o[0].get());
  EXPECT_FALSE(anim->morphing);
  EXPECT_EQ(anim->activeskinrect, (TRect{1, 1, 5, 5}));
  EXPECT_EQ(anim->countframes, 16);
  EXPECT_EQ(anim->timerinterval, 50);
  const auto* user = o[1].get();
  EXPECT_EQ(user->skinrect, (TRect{1, 2, 3, 4}));
  EXPECT_EQ(user->hint, "");
  EXPECT_EQ(user->activepictureindex, -1);
  EXPECT_FALSE(user->morphing);
  EXPECT_EQ(user->activeskinrect, TRect{});
  const auto* mmi = dynamic_cast<TDataSkinMainMenuItem*>(o[2].get());
  EXPECT_EQ(mmi->unenabledfontcolor, 255u);  // read by the key "unenabledfontColor"
  EXPECT_EQ(mmi->itemleftoffset, 16);
  const auto* close = dynamic_cast<TDataSkinStdButton*>(o[3].get());
  EXPECT_EQ(close->command, TStdCommand::cmClose);
  EXPECT_TRUE(close->morphing);
  EXPECT_EQ(close->morphkind, TMorphKind::mkGradient);
  EXPECT_EQ(close->disableskinrsect, (TRect{1, 2, 3, 4}));
  EXPECT_EQ(close->restorerect, (TRect{5, 6, 7, 8}));
  const auto& c = skin.data.SkinControls;
  const auto* ud = dynamic_cast<TDataSkinUpDownControl*>(c[0].get());
  EXPECT_EQ(ud->clientrect, TRect{});
  EXPECT_EQ(ud->lefttoppoint, TPoint{});
  EXPECT_EQ(ud->rightbottompoint, TPoint{});
  EXPECT_EQ(ud->upbuttonrect, (TRect{1, 1, 2, 2}));
  EXPECT_EQ(ud->skinrect, (TRect{0, 0, 9, 9}));
  EXPECT_EQ(dynamic_cast<TDataSkinStdLabelControl*>(c[1].get())->activefontcolor, 0xFF0000u);
  EXPECT_EQ(dynamic_cast<TDataSkinStdLabelControl*>(c[2].get())->activefontcolor, 0u);
}

TEST(SkinRecords, FixedWindowRecordsAndDefaults) {
  TSkinNotifier notifier;
  TSkinData fresh(nullptr, &notifier);
  EXPECT_EQ(fresh.HintWindowData.font.height, 12);  // creation value until a load
  EXPECT_EQ(fresh.bgpictureindex, -1);
  EXPECT_EQ(fresh.mdibgpictureindex, -1);
  EXPECT_TRUE(fresh.IsEmpty);
  TLoaded skin("[HINTWINDOW]\nfontcolor=0x00FF00\n[POPUPWINDOW]\nitemsrect=3,3,61,61\nscrollmarkercolor=$10\n"
               "[SKINCONTROLS]\ncount=0\n");
  EXPECT_EQ(skin.data.HintWindowData.font.height, 14);  // the key default after a load
  EXPECT_EQ(skin.data.HintWindowData.fontcolor, 0x00FF00u);
  EXPECT_EQ(skin.data.HintWindowData.windowpictureindex, -1);
  EXPECT_EQ(skin.data.PopupWindowData.itemsrect, (TRect{3, 3, 61, 61}));
  EXPECT_EQ(skin.data.PopupWindowData.scrollmarkercolor, 16u);
  EXPECT_TRUE(skin.data.SkinControls.empty());
  EXPECT_EQ(skin.data.inactiveeffect, TInactiveEffect::ieBrightness);
}

TEST(SkinRecords, MalformedRectangleStopsTheRead) {
  TSkinNotifier notifier;
  TSkinData data(nullptr, &notifier);
  const TSkinIni ini(TSkinIni::SplitLines("[SKINCONTROLS]\ncount=1\n0=b:button\n[b]\nskinrect=\n"));
  try {
    data.ReadSkinIni(ini);
    FAIL() << "read";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'' is not a valid integer value");
  }
  EXPECT_EQ(data.SkinControls.size(), 1u);  // what was built before the error stays
}

TEST(SkinRecords, SaveToIniRoundTrips) {
  TLoaded skin(
      "[VERSION]\nskinname=Round\n[PICTURES]\npicture=p.bmp\nmask=m.bmp\nactivepicturescount=2\n0=a.bmp\n1=b.bmp\n"
      "[FORMINFO]\nlefttoppoint=10,20\nrighttoppoint=80,20\nleftbottompoint=10,80\nrightbottompoint=90,80\n"
      "clientrect=5,15,95,85\nmaskrectarea=1,2,3,4\nhittestlefttoppoint=1,1\nhittestrighttoppoint=2,2\n"
      "hittestleftbottompoint=3,3\nhittestrightbottompoint=4,4\n"
      "topstretch=1\ninactiveeffect=ienoise\nbuttonsrect=1,1,9,9\n"
      "[POPUPWINDOW]\nwindowpictureindex=1\nleftstretch=1\n[HINTWINDOW]\nfontstyle=fsitalic\n"
      "[SKINOBJECTS]\ncount=3\n0=cap:caption\n1=b:stdbutton\n2=m:menuitem\n"
      "[cap]\nskinrect=1,2,3,4\nalignment=taleftjustify\nshadow=1\nfontstyle=fsbold\n"
      "[b]\ncommand=cmrollup\ndownrect=4,4,8,8\n[m]\ndividerrect=0,0,5,5\nfontcolor=8404992\n"
      "[SKINCONTROLS]\ncount=2\n0=lb:listbox\n1=t:tab\n[lb]\nvscrollbarname=myscroll\ncaptionfontheight=9\n"
      "[t]\nupdown=hupdown\nlefttoppoint=3,4\n");
  TSkinIni saved;
  skin.data.SaveToIni(saved);
  TSkinNotifier notifier;
  TSkinData again(nullptr, &notifier);
  again.ReadSkinIni(TSkinIni(saved.Lines()));
  TSkinIni savedAgain;
  again.SaveToIni(savedAgain);
  EXPECT_EQ(saved.Lines(), savedAgain.Lines());
  EXPECT_EQ(again.skinname, "Round");
  EXPECT_EQ(again.ActivePictureNames, (std::vector<std::string>{"a.bmp", "b.bmp"}));
  EXPECT_EQ(again.inactiveeffect, TInactiveEffect::ieNoise);
  EXPECT_TRUE(again.topstretch);
  EXPECT_EQ(again.buttonsrect, (TRect{1, 1, 9, 9}));
  EXPECT_EQ(again.maskrectarea, (TRect{1, 2, 95, 85}));
  EXPECT_EQ(again.hittestleftbottompoint, (TPoint{3, 3}));
  EXPECT_TRUE(again.PopupWindowData.leftstretch);
  EXPECT_TRUE(again.HintWindowData.font.style.Contains(TFontStyle::fsItalic));
  ASSERT_EQ(again.SkinObjects.size(), 3u);
  const auto* cap = dynamic_cast<TDataSkinCaption*>(again.SkinObjects[0].get());
  ASSERT_NE(cap, nullptr);
  EXPECT_EQ(cap->alignment, TAlignment::taLeftJustify);
  EXPECT_TRUE(cap->shadow);
  EXPECT_TRUE(cap->font.style.Contains(TFontStyle::fsBold));
  EXPECT_EQ(dynamic_cast<TDataSkinStdButton*>(again.SkinObjects[1].get())->command, TStdCommand::cmRollUp);
  EXPECT_EQ(dynamic_cast<TDataSkinMenuItem*>(again.SkinObjects[2].get())->fontcolor, 0x804000u);
  const auto* lb = dynamic_cast<TDataSkinListBox*>(again.SkinControls[0].get());
  ASSERT_NE(lb, nullptr);
  EXPECT_EQ(lb->vscrollbarname, "myscroll");
  EXPECT_EQ(lb->hscrollbarname, "hscrollbar");
  EXPECT_EQ(lb->captionfont.height, 9);
  EXPECT_EQ(dynamic_cast<TDataSkinTabControl*>(again.SkinControls[1].get())->updown, "hupdown");
}

}  // namespace
}  // namespace tavo::skin

namespace tavo::skin {
namespace {

// A record named like a fixed section must not wipe the lists on saving.
TEST(SkinRecords, RecordNamedLikeAFixedSectionSurvivesSaving) {
  TLoaded skin("[SKINOBJECTS]\ncount=2\n0=SKINOBJECTS:caption\n1=FORMINFO:button\n[SKINCONTROLS]\ncount=1\n"
               "0=SKINCONTROLS:label\n");
  ASSERT_EQ(skin.data.SkinObjects.size(), 2u);
  TSkinIni saved;
  skin.data.SaveToIni(saved);
  TLoaded again("");
  again.data.ReadSkinIni(TSkinIni(saved.Lines()));
  EXPECT_EQ(again.data.SkinObjects.size(), 2u);
  EXPECT_EQ(again.data.SkinControls.size(), 1u);
}

}  // namespace
}  // namespace tavo::skin
