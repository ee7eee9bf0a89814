// Loading stored skins into TSkinData: the container items, the messages
// around a load, the fixed sections with their adjustments, and the object
// and control records.
#include <gtest/gtest.h>

#include "skin/SkinData.h"
#include "skin/SkinExceptions.h"
#include "skin/SkinFormat.h"
#include "skin/data/SkinBuilder.h"

namespace tavo::skin {
namespace {

using test::Bytes;
using test::MakeBmp;
using test::TBmpLayout;
using test::TContainerLayout;

Bytes Bmp(int bits, int w, int h) {
  TBmpLayout s;
  s.bits = static_cast<uint16_t>(bits);
  s.width = w;
  s.height = h;
  return MakeBmp(s);
}

// A record of every message a form received: (form, message, skin data,
// whether the skin data was empty when the message arrived).
struct TReceived {
  int form;
  uint32_t message;
  const TSkinData* data;
  bool emptyThen;
  size_t objectsThen;
};

class SkinDataLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int form = 0; form < 3; ++form)
      notifier.Register(&forms[form], [this, form](uint32_t m, TSkinData& d) {
        received.push_back({form, m, &d, d.IsEmpty, d.SkinObjects.size()});
      });
  }

  void Load(TSkinData& data, const Bytes& container) {
    stored.CompressedData = test::Compress(container);
    data.SetCompressedStoredSkin(&stored);
  }

  int forms[3] = {};
  TSkinNotifier notifier;
  std::vector<TReceived> received;
  TCompressedStoredSkin stored;
};

constexpr char kMinimalIni[] =
    "[VERSION]\r\nskinname=Test\r\n[PICTURES]\r\npicture=main.bmp\r\n[SKINOBJECTS]\r\ncount=1\r\n0=caption:caption\r\n"
    "[caption]\r\nskinrect=1,2,3,4\r\n";

TEST_F(SkinDataLoad, MessagesOwnerFirstAroundTheLoad) {
  TSkinData data(&forms[1], &notifier);
  TContainerLayout layout;
  layout.picture = Bmp(8, 5, 4);
  layout.ini = kMinimalIni;
  Load(data, MakeContainer(layout));
  ASSERT_EQ(received.size(), 9u);
  const uint32_t order[] = {MsgSkinChanging, MsgSkinChanged, MsgSkinChangedAfter};
  for (size_t m = 0; m < 3; ++m) {
    EXPECT_EQ(received[3 * m].form, 1) << "owner form first";
    EXPECT_EQ(received[3 * m + 1].form, 0);
    EXPECT_EQ(received[3 * m + 2].form, 2);
    for (size_t k = 0; k < 3; ++k) {
      EXPECT_EQ(received[3 * m + k].message, order[m]);
      EXPECT_EQ(received[3 * m + k].data, &data);
    }
  }
  EXPECT_TRUE(received[0].emptyThen);
  EXPECT_FALSE(received[3].emptyThen);
  EXPECT_FALSE(data.IsEmpty);
  EXPECT_EQ(data.skinname, "Test");
  EXPECT_EQ(data.Picture.Width(), 5);

  // A second load: receivers see the old records while MsgSkinChanging
  // is handled, because clearing comes after it.
  received.clear();
  data.SetCompressedStoredSkin(&stored);
  ASSERT_FALSE(received.empty());
  EXPECT_EQ(received[0].message, MsgSkinChanging);
  EXPECT_EQ(received[0].objectsThen, 1u);
}

TEST_F(SkinDataLoad, EmptyStoredSkinLeavesTheOldOneWithoutMessages) {
  TSkinData data(nullptr, &notifier);
  TContainerLayout layout;
  layout.ini = kMinimalIni;
  Load(data, MakeContainer(layout));
  received.clear();
  TCompressedStoredSkin empty;
  data.SetCompressedStoredSkin(&empty);
  EXPECT_TRUE(received.empty());
  EXPECT_FALSE(data.IsEmpty);
  EXPECT_EQ(data.GetObjectIndex("caption"), 0);
}

TEST_F(SkinDataLoad, VersionAboveThreeStaysEmptyWithoutSkinChanged) {
  TSkinData data(nullptr, &notifier);
  TContainerLayout layout;
  layout.ini = kMinimalIni;
  Load(data, MakeContainer(layout));
  received.clear();
  layout.version = 4;
  Load(data, MakeContainer(layout));
  ASSERT_EQ(received.size(), 3u);
  for (const auto& r : received) EXPECT_EQ(r.message, MsgSkinChanging);
  EXPECT_TRUE(data.IsEmpty);
  EXPECT_TRUE(data.SkinObjects.empty());
}

TEST_F(SkinDataLoad, VersionTwoExtrasLoadLikeVersionOne) {
  TContainerLayout one;
  one.picture = Bmp(24, 3, 2);
  one.mask = Bmp(1, 3, 2);
  one.active = {Bmp(8, 2, 2), Bmp(4, 3, 3)};
  one.ini = kMinimalIni;
  TContainerLayout two = one;
  two.version = 2;
  two.extras = {Bmp(24, 7, 7), Bmp(8, 1, 1)};
  TSkinData a(nullptr, &notifier), b(nullptr, &notifier);
  Load(a, MakeContainer(one));
  Load(b, MakeContainer(two));
  EXPECT_EQ(a.Picture, b.Picture);
  EXPECT_EQ(a.Mask, b.Mask);
  ASSERT_EQ(b.ActivePictures.size(), 2u);
  EXPECT_EQ(a.ActivePictures, b.ActivePictures);
  EXPECT_EQ(b.ActivePictures[1].PixelFormat(), TPixelFormat::pf4bit);
  EXPECT_EQ(b.GetObjectIndex("caption"), 0);
}

TEST_F(SkinDataLoad, AnyNonZeroFlagMeansEmptyAndConsumesNothing) {
  for (uint8_t flag : {1, 2, 255}) {
    TContainerLayout layout;
    layout.absentFlag = flag;
    layout.active = {Bmp(8, 2, 3)};
    layout.ini = kMinimalIni;
    TSkinData data(nullptr, &notifier);
    Load(data, MakeContainer(layout));
    EXPECT_TRUE(data.Picture.Empty());
    EXPECT_TRUE(data.InActivePicture.Empty());
    EXPECT_TRUE(data.Mask.Empty());
    ASSERT_EQ(data.ActivePictures.size(), 1u) << int(flag);
    EXPECT_EQ(data.ActivePictures[0].Height(), 3);
    EXPECT_EQ(data.skinname, "Test");
  }
}

TEST_F(SkinDataLoad, DataEndingAtAnItemBoundaryReadsAsNothing) {
  TContainerLayout layout;
  layout.picture = Bmp(8, 4, 4);
  layout.ini = kMinimalIni;
  Bytes container = MakeContainer(layout);
  container.resize(4 + 1 + Bmp(8, 4, 4).size());  // ends right after the main picture
  TSkinData data(nullptr, &notifier);
  Load(data, container);
  EXPECT_FALSE(data.IsEmpty);
  EXPECT_EQ(data.Picture.Width(), 4);
  EXPECT_TRUE(data.Mask.Empty());
  EXPECT_TRUE(data.ActivePictures.empty());
  EXPECT_TRUE(data.SkinObjects.empty());
  EXPECT_EQ(data.bgpictureindex, -1);
}

TEST_F(SkinDataLoad, DamagedPicturesStopTheLoadAndLeaveItEmpty) {
  struct TCase {
    const char* name;
    Bytes container;
    const char* message;
  };
  TContainerLayout bad;
  bad.picture = Bmp(8, 4, 4);
  bad.picture[0] = 'X';
  TContainerLayout cut;
  cut.mask = Bmp(1, 8, 8);
  Bytes cutBytes = MakeContainer(cut);
  cutBytes.resize(4 + 1 + 1 + 1 + 20);  // inside the mask's info header
  const std::vector<TCase> cases = {
      {"not BM", MakeContainer(bad), "Bitmap image is not valid"},
      {"cut in a header", cutBytes, "Stream read error"},
  };
  for (const TCase& c : cases) {
    TSkinData data(nullptr, &notifier);
    received.clear();
    try {
      Load(data, c.container);
      ADD_FAILURE() << c.name << ": loaded";
    } catch (const ESkinException& e) {
      EXPECT_STREQ(e.what(), c.message) << c.name;
    }
    EXPECT_TRUE(data.IsEmpty) << c.name;
    ASSERT_EQ(received.size(), 3u) << c.name;  // MsgSkinChanging only
  }
  Bytes corrupt = test::Compress(MakeContainer(TContainerLayout{}));
  corrupt[0] = 0x79;  // the zlib header check fails
  stored.CompressedData = corrupt;
  TSkinData data(nullptr, &notifier);
  EXPECT_THROW(data.SetCompressedStoredSkin(&stored), EDecompressionError);
}

TEST_F(SkinDataLoad, TwoSkinDataLoadIndependently) {
  TSkinData a(&forms[0], &notifier), b(&forms[2], &notifier);
  TCompressedStoredSkin sa, sb;
  TContainerLayout layout;
  layout.ini = "[SKINCONTROLS]\r\ncount=1\r\n0=toolbutton:button\r\n";
  sa.CompressedData = test::Compress(MakeContainer(layout));
  layout.ini = "[SKINOBJECTS]\r\ncount=1\r\n0=caption:caption\r\n";
  sb.CompressedData = test::Compress(MakeContainer(layout));
  a.SetCompressedStoredSkin(&sa);
  const size_t afterA = received.size();
  b.SetCompressedStoredSkin(&sb);
  for (size_t i = 0; i < received.size(); ++i) EXPECT_EQ(received[i].data, i < afterA ? &a : &b);
  EXPECT_EQ(received[afterA].form, 2);  // b's owner first
  EXPECT_EQ(a.GetControlIndex("toolbutton"), 0);
  EXPECT_EQ(a.GetControlIndex("ToolButton"), -1);
  EXPECT_EQ(a.GetObjectIndex("caption"), -1);
  EXPECT_EQ(b.GetObjectIndex("caption"), 0);
  EXPECT_EQ(b.GetControlIndex("toolbutton"), -1);
}

TEST_F(SkinDataLoad, ForgetsDestroyedComponentsButKeepsTheSkin) {
  TSkinData data(nullptr, &notifier);
  TContainerLayout layout;
  layout.ini = kMinimalIni;
  {
    TCompressedStoredSkin local;
    local.CompressedData = test::Compress(MakeContainer(layout));
    TResourceStrData strings;
    data.SetCompressedStoredSkin(&local);
    data.SetResourceStrData(&strings);
    EXPECT_EQ(received.back().message, MsgResStringsChanged);
  }
  EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
  EXPECT_EQ(data.ResourceStrData(), nullptr);
  EXPECT_FALSE(data.IsEmpty);
  received.clear();
  data.SetResourceStrData(nullptr);  // also broadcast for none
  ASSERT_EQ(received.size(), 3u);
  EXPECT_EQ(received[0].message, MsgResStringsChanged);
}

TEST(SkinDataClear, ClearObjectsAndClearAll) {
  TSkinNotifier notifier;
  TSkinData data(nullptr, &notifier);
  data.ReadSkinIni(TSkinIni(TSkinIni::SplitLines(
      "[POPUPWINDOW]\r\nwindowpictureindex=2\r\nmaskpictureindex=3\r\n[HINTWINDOW]\r\nwindowpictureindex=1\r\n"
      "[PICTURES]\r\nmask=m.bmp\r\nactivepicturescount=1\r\n0=a.bmp\r\n"
      "[SKINOBJECTS]\r\ncount=1\r\n0=c:caption\r\n[SKINCONTROLS]\r\ncount=1\r\n0=b:button\r\n")));
  data.Picture = TBitmap(2, 2);
  data.ActivePictures.emplace_back(1, 1);
  data.IsEmpty = false;
  data.ClearObjects();
  EXPECT_TRUE(data.SkinObjects.empty());
  EXPECT_TRUE(data.SkinControls.empty());
  EXPECT_TRUE(data.ActivePictures.empty());
  EXPECT_TRUE(data.ActivePictureNames.empty());
  EXPECT_EQ(data.PopupWindowData.windowpictureindex, -1);
  EXPECT_EQ(data.PopupWindowData.maskpictureindex, 3);  // the other values stay
  EXPECT_EQ(data.HintWindowData.windowpictureindex, -1);
  EXPECT_FALSE(data.IsEmpty);
  EXPECT_FALSE(data.Picture.Empty());
  data.ClearAll();
  EXPECT_TRUE(data.IsEmpty);
  EXPECT_TRUE(data.Picture.Empty());
  EXPECT_TRUE(data.MaskName.empty());
}

}  // namespace
}  // namespace tavo::skin
