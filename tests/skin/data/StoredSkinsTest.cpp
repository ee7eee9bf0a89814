// Our two stored skins as shipped: the committed compressed skin files hold
// exactly what skinc builds from the skin folders, and they carry the
// pictures and records the installer's windows rely on.
#include <gtest/gtest.h>

#include <set>

#include "skin/CompressedStoredSkin.h"
#include "skin/ResourceStrData.h"
#include "skin/SkinData.h"
#include "skin/SkinExceptions.h"
#include "skin/ZlibStreams.h"

namespace tavo::skin {
namespace {

const std::string kSkins = std::string(TAVO_SOURCE_DIR) + "/assets/skins/";

struct TShippedSkin {
  TSkinNotifier notifier;
  TCompressedStoredSkin stored;
  TSkinData data{nullptr, &notifier};
  explicit TShippedSkin(const std::string& name) {
    stored.ImportCompressedFile(kSkins + name + ".skn");
    data.SetCompressedStoredSkin(&stored);
  }
};

class ShippedSkins : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedSkins, CommittedFileIsWhatSkincBuildsFromTheFolder) {
  const std::string name = GetParam();
  TCompressedStoredSkin committed, rebuilt;
  committed.ImportCompressedFile(kSkins + name + ".skn");
  ASSERT_TRUE(rebuilt.BuildFromSkinFile(kSkins + name + "/" + name + ".ini"));
  // Compare the inflated containers, so that another zlib build with other
  // deflate choices does not count as a difference. The shipped container
  // carries version 1 where the builder writes 3; the rest is the same.
  std::vector<uint8_t> shipped = InflateAll(committed.CompressedData);
  std::vector<uint8_t> built = InflateAll(rebuilt.CompressedData);
  ASSERT_GE(shipped.size(), 4u);
  ASSERT_GE(built.size(), 4u);
  EXPECT_EQ((std::vector<uint8_t>(shipped.begin(), shipped.begin() + 4)), (std::vector<uint8_t>{1, 0, 0, 0}));
  EXPECT_EQ((std::vector<uint8_t>(built.begin(), built.begin() + 4)), (std::vector<uint8_t>{3, 0, 0, 0}));
  shipped.erase(shipped.begin(), shipped.begin() + 4);
  built.erase(built.begin(), built.begin() + 4);
  EXPECT_EQ(shipped, built) << name << ".skn is stale: run skinc build --container-version 1 on the folder";
  ASSERT_GE(committed.CompressedData.size(), 2u);
  EXPECT_EQ(committed.CompressedData[0], 0x78);
  EXPECT_EQ(committed.CompressedData[1], 0xDA);
}

TEST_P(ShippedSkins, TwelveObjectRecords) {
  TShippedSkin skin(GetParam());
  const char* names[] = {"menuitem",        "caption",       "closebutton",          "minimizebutton",
                         "maximizebutton",  "rollupbutton",  "mainmenubaritem",      "sysmenubutton",
                         "menubarsysmenubutton", "menubarclosebutton", "menubarmaxbutton", "menubarminbutton"};
  ASSERT_EQ(skin.data.SkinObjects.size(), 12u);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(skin.data.SkinObjects[i]->IDName, names[i]);
  EXPECT_FALSE(skin.data.IsEmpty);
  ASSERT_FALSE(skin.data.IniText.empty());
  EXPECT_EQ(skin.data.IniText[0], "[VERSION]");
}

TEST_P(ShippedSkins, LoadWithContainerVersionOne) {
  TShippedSkin skin(GetParam());
  EXPECT_EQ(skin.data.Version, 1);
  EXPECT_FALSE(skin.data.IsEmpty);
}

INSTANTIATE_TEST_SUITE_P(Both, ShippedSkins, ::testing::Values("Lumen", "Graphite"));

// Places a rectangle of the picture on a window dx, dy larger by the corner
// zones of the frame points (worked out here by hand from the zone table).
TRect Place(const TSkinData& s, TRect r, int dx, int dy) {
  const int pw = s.Picture.Width(), ph = s.Picture.Height();
  auto in = [](int x, int y, int l, int t, int rr, int b) { return l <= x && x < rr && t <= y && y < b; };
  auto zone = [&](int x, int y) {
    if (in(x, y, 0, 0, s.lefttoppoint.x, s.lefttoppoint.y)) return 'A';
    if (in(x, y, s.righttoppoint.x, 0, pw, s.righttoppoint.y)) return 'B';
    if (in(x, y, 0, s.leftbottompoint.y, s.leftbottompoint.x, ph)) return 'C';
    if (in(x, y, s.rightbottompoint.x, s.rightbottompoint.y, pw, ph)) return 'D';
    return '-';
  };
  const char tl = zone(r.left, r.top), br = zone(r.right, r.bottom);
  if (tl == 'A' && br == 'A') return r;
  if (tl == 'B' && br == 'B') return TRect{r.left + dx, r.top, r.right + dx, r.bottom};
  if (tl == 'A' && br == 'B') return TRect{r.left, r.top, r.right + dx, r.bottom};
  if (tl == 'C' && br == 'C') return TRect{r.left, r.top + dy, r.right, r.bottom + dy};
  ADD_FAILURE() << "unexpected zones " << tl << br;
  return r;
}

TEST(Lumen, PicturesAndFrameGeometry) {
  TShippedSkin skin("Lumen");
  const TSkinData& s = skin.data;
  EXPECT_EQ(s.Version, 1);  // the container version our shipped skins carry
  ASSERT_EQ(s.Picture.Width(), 277);
  ASSERT_EQ(s.Picture.Height(), 116);
  EXPECT_EQ(s.Picture.PixelFormat(), TPixelFormat::pf8bit);
  EXPECT_TRUE(s.InActivePicture.Empty());
  EXPECT_EQ(s.Mask.PixelFormat(), TPixelFormat::pf1bit);
  EXPECT_EQ(s.Mask.Width(), 277);
  EXPECT_EQ(s.Mask.Height(), 116);
  EXPECT_EQ(s.ActivePictures.size(), 6u);
  EXPECT_EQ(s.clientrect, (TRect{13, 46, 265, 107}));
  EXPECT_EQ(s.maskrectarea, (TRect{9, 17, 273, 112}));
  EXPECT_EQ(s.lefttoppoint, (TPoint{111, 46}));
  EXPECT_TRUE(IsRectEmpty(s.buttonsrect));
  EXPECT_TRUE(IsRectEmpty(s.captionrect));
  // The window shape: corners outside, the mask area inside.
  EXPECT_NE(s.Mask.Pixel(0, 0), 0u);
  EXPECT_NE(s.Mask.Pixel(276, 115), 0u);
  EXPECT_EQ(s.Mask.Pixel(9, 17), 0u);
  EXPECT_EQ(s.Mask.Pixel(138, 0), 0u);

  // On the 563 x 262 directory window.
  const int dx = 563 - 277, dy = 262 - 116;
  const std::pair<const char*, TRect> expected[] = {
      {"caption", {46, 16, 422, 35}},         {"closebutton", {526, 11, 550, 35}},
      {"maximizebutton", {498, 12, 520, 34}}, {"minimizebutton", {470, 12, 492, 34}},
      {"rollupbutton", {26, 18, 43, 35}},     {"sysmenubutton", {6, 18, 23, 35}},
  };
  for (const auto& [name, rect] : expected) {
    const int i = s.GetObjectIndex(name);
    ASSERT_GE(i, 0) << name;
    EXPECT_FALSE(s.SkinObjects[i]->skinrectinapicture) << name;
    EXPECT_EQ(Place(s, s.SkinObjects[i]->skinrect, dx, dy), rect) << name;
  }
  const TRect client{s.clientrect.left, s.clientrect.top, s.clientrect.right + dx, s.clientrect.bottom + dy};
  EXPECT_EQ(client, (TRect{13, 46, 551, 253}));
  // The frame tiles: the top band is the same in every column between the
  // top corners, and the side borders the same in every row between them.
  for (int y = 0; y < s.clientrect.top; ++y)
    for (int x = s.lefttoppoint.x; x < s.righttoppoint.x; ++x)
      ASSERT_EQ(s.Picture.Pixel(x, y), s.Picture.Pixel(s.lefttoppoint.x, y)) << x << "," << y;
  for (int y = s.lefttoppoint.y; y < s.leftbottompoint.y; ++y)
    for (int x = 0; x < s.clientrect.left; ++x) ASSERT_EQ(s.Picture.Pixel(x, y), s.Picture.Pixel(x, s.lefttoppoint.y));
}

TEST(Lumen, CaptionButtonsMenusAndHints) {
  TShippedSkin skin("Lumen");
  const TSkinData& s = skin.data;
  const auto* close = dynamic_cast<const TDataSkinStdButton*>(s.SkinObjects[s.GetObjectIndex("closebutton")].get());
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->command, TStdCommand::cmClose);
  ASSERT_GE(close->activepictureindex, 0);
  ASSERT_LT(close->activepictureindex, static_cast<int>(s.ActivePictures.size()));
  const TBitmap& sheet = s.ActivePictures[close->activepictureindex];
  for (const TRect& r : {close->activeskinrect, close->downrect, close->inactiveskinrect}) {
    EXPECT_EQ(r.right - r.left, 24);  // the same size as the normal image
    EXPECT_LE(r.right, sheet.Width());
    EXPECT_LE(r.bottom, sheet.Height());
  }
  const auto* menuitem = dynamic_cast<const TDataSkinMenuItem*>(s.SkinObjects[s.GetObjectIndex("menuitem")].get());
  ASSERT_NE(menuitem, nullptr);
  EXPECT_EQ(menuitem->skinrect.bottom - menuitem->skinrect.top, 20);
  EXPECT_EQ(menuitem->dividerrect.bottom - menuitem->dividerrect.top, 5);
  EXPECT_NE(s.PopupWindowData.windowpictureindex, -1);
  EXPECT_NE(s.HintWindowData.windowpictureindex, -1);
  EXPECT_GE(s.GetControlIndex("resizebutton"), 0);
}

TEST(Graphite, ToolButtonAndControls) {
  TShippedSkin skin("Graphite");
  const TSkinData& s = skin.data;
  ASSERT_EQ(s.ActivePictures.size(), 9u);
  std::set<TPixelFormat> depths;
  for (const TBitmap& b : s.ActivePictures) depths.insert(b.PixelFormat());
  EXPECT_EQ(depths, (std::set<TPixelFormat>{TPixelFormat::pf1bit, TPixelFormat::pf8bit, TPixelFormat::pf24bit}));
  EXPECT_EQ(s.SkinControls.size(), 52u);
  const int i = s.GetControlIndex("toolbutton");
  ASSERT_GE(i, 0);
  const auto* tb = dynamic_cast<const TDataSkinButtonControl*>(s.SkinControls[i].get());
  ASSERT_NE(tb, nullptr);
  EXPECT_EQ(tb->Kind, "button");
  EXPECT_EQ(tb->pictureindex, 4);
  EXPECT_EQ(tb->skinrect, (TRect{55, 31, 80, 57}));
  EXPECT_EQ(tb->righttoppoint, (TPoint{20, 12}));
  EXPECT_EQ(tb->rightbottompoint, TPoint{});  // not nine-slice: three slices across
  EXPECT_EQ(tb->clientrect, (TRect{2, 3, 23, 24}));
  EXPECT_EQ(tb->activeskinrect, (TRect{80, 31, 105, 57}));
  EXPECT_EQ(tb->downskinrect, (TRect{105, 31, 131, 57}));
  EXPECT_TRUE(IsRectEmpty(tb->disabledskinrect));
  EXPECT_EQ(tb->font.name, "Arial");
  EXPECT_EQ(tb->font.height, 14);
  EXPECT_EQ(tb->fontcolor | tb->activefontcolor | tb->downfontcolor | tb->disabledfontcolor, 0u);
  EXPECT_FALSE(tb->morphing);
  // Three slices repeat the middle columns: they must be alike in every face.
  const TBitmap& p = s.ActivePictures[4];
  for (const TRect& face : {tb->skinrect, tb->activeskinrect, tb->downskinrect})
    for (int y = face.top; y < face.bottom; ++y)
      for (int x = face.left + 5; x < face.left + 20; ++x) ASSERT_EQ(p.Pixel(x, y), p.Pixel(face.left + 5, y));
  for (const char* kind : {"button", "resizebutton", "bigtoolbutton"}) EXPECT_GE(s.GetControlIndex(kind), 0) << kind;
}

TEST(ResourceStrData, DefaultsAndLookup) {
  TResourceStrData strings;
  EXPECT_EQ(strings.ResStrings().size(), 115u);
  EXPECT_EQ(strings.ResStrings()[0], "MI_MINCAPTION=Mi&nimize");
  EXPECT_EQ(strings.ResStrings()[11], "MENUBUTTON_HINT=System menu");
  EXPECT_EQ(strings.ResStrings()[12].substr(0, 10), "EDIT_UNDO=");
  EXPECT_EQ(strings.ResStrings()[114].substr(0, 19), "FIND_REPLACE_CLOSE=");
  EXPECT_EQ(strings.GetResStr("mi_closecaption"), "&Close");
  EXPECT_EQ(strings.GetResStr("TRAYBUTTON_HINT"), "Minimize to Tray");
  EXPECT_EQ(strings.GetResStr("NO_SUCH_NAME"), "");
  EXPECT_EQ(strings.CharSet, 1);
  strings.SetResStrings({"A=1=2", "a=second", "B"});
  EXPECT_EQ(strings.GetResStr("a"), "1=2");  // the first line, text after the first "="
  EXPECT_EQ(strings.GetResStr("B"), "");
}

TEST(CompressedSkinFile, ImportRules) {
  TCompressedStoredSkin stored;
  stored.CompressedData = {1, 2, 3};
  std::vector<uint8_t> file = {4, 0, 0, 0, 2, 0, 0, 0, 9, 9};  // version 4: not imported
  stored.ImportCompressedData(file);
  EXPECT_TRUE(stored.Empty());
  file[0] = 3;
  stored.ImportCompressedData(file);
  EXPECT_EQ(stored.CompressedData, (std::vector<uint8_t>{9, 9}));
  file[4] = 5;  // longer than the file
  try {
    stored.ImportCompressedData(file);
    FAIL() << "imported";
  } catch (const ESkinException& e) {
    EXPECT_STREQ(e.what(), "Stream read error");
  }
  TCompressedStoredSkin incomplete;
  incomplete.CompressedData = {7};
  EXPECT_FALSE(incomplete.BuildFromSkinText("[VERSION]\r\nskinname=x\r\n[PICTURES]\r\n", ""));
  EXPECT_EQ(incomplete.CompressedData, (std::vector<uint8_t>{7}));  // unchanged
}

}  // namespace
}  // namespace tavo::skin
