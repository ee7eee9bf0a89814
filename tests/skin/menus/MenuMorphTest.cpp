// Item morphing in skinned popups: with the test skin's menu item record
// morphing, a highlight change is not drawn at once but blended over five
// 20 ms morph ticks with the record's morph kind, the timer stopping on
// the tick that moves nothing; without morphing (Lumen) items are drawn at
// once and the morph timer never runs; an item scrolled out of view loses
// its half-done highlight.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "MenuTestSupport.h"
#include "skin/MenuEngine.h"
#include "tests/skin/support/TestFrameSkin.h"

namespace tavo::skin {
namespace {

using test::TFakeMenuHost;
using test::TFakeSurface;

bool Contains(const std::vector<int>& v, int x) { return std::find(v.begin(), v.end(), x) != v.end(); }

bool SamePixels(const TBitmap& a, const TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

uint8_t Channel(TColor c, int shift) { return static_cast<uint8_t>((c >> shift) & 0xFF); }

class MenuMorphTest : public ::testing::Test {
 protected:
  void Load(bool morphing, const std::string& kind = "mkdefault") {
    test::TTestFrameSkinOptions o;
    o.skinnedPopups = true;
    o.menuMorphing = morphing;
    o.menuMorphKind = kind;
    test::LoadTestFrameSkin(data, o);
    TMenuItem& root = menu.Items();
    root.Clear();
    root.Add("&a", "A");
    root.Add("-");
    root.Add("&b", "B");
    root.Add("&c", "C");
  }
  void Open() { engine.Popup(nullptr, &data, false, menu.Items(), TRect{10, 10, 10, 10}, 0); }
  TPopupLogic& Popup() { return engine.PopupAt(0); }
  TFakeSurface& Surface() { return *host.surfaces.at(0); }
  // Item index's picture in the normal and in the highlighted state.
  std::pair<TBitmap, TBitmap> Ends(int index) {
    TSkinMenuItem& it = Popup().Items()[index];
    const TSkinMenuItem saved = it;
    it.Active = it.Down = false;
    it.MorphStep = 0;
    TBitmap normal = Popup().ItemPicture(index);
    it.Active = true;
    it.MorphStep = kMorphSteps;
    TBitmap highlighted = Popup().ItemPicture(index);
    it = saved;
    return {normal, highlighted};
  }

  TSkinData data;
  TFakeMenuHost host;
  TMenuEngine engine{host};
  TMenu menu;
};

TEST_F(MenuMorphTest, HighlightBlendsInOverFiveTicksAndTheTimerStopsAfter) {
  Load(true);
  Open();
  TPopupLogic& p = Popup();
  ASSERT_TRUE(p.Morphing());
  ASSERT_EQ(p.ActiveIndex, 0);
  EXPECT_TRUE(Surface().morphTimer) << "the first item's highlight starts the morph";
  EXPECT_FALSE(Contains(Surface().redrawn, 0)) << "a morphing item is not drawn highlighted at once";
  const auto [normal, highlighted] = Ends(0);
  ASSERT_FALSE(SamePixels(normal, highlighted));
  EXPECT_TRUE(SamePixels(p.ItemPicture(0), normal)) << "before the first tick it still shows the normal image";

  for (int step = 1; step <= kMorphSteps; ++step) {
    Surface().redrawn.clear();
    engine.MorphTick(p);
    EXPECT_EQ(p.Items()[0].MorphStep, step);
    EXPECT_EQ(Surface().redrawn, std::vector<int>{0}) << "tick " << step << " redraws the moving item alone";
    EXPECT_TRUE(Surface().morphTimer);
    const TBitmap pic = p.ItemPicture(0);
    if (step < kMorphSteps) {
      EXPECT_FALSE(SamePixels(pic, normal)) << "tick " << step;
      EXPECT_FALSE(SamePixels(pic, highlighted)) << "tick " << step;
    } else {
      EXPECT_TRUE(SamePixels(pic, highlighted)) << "the fifth tick reaches the highlighted image";
    }
  }
  Surface().redrawn.clear();
  engine.MorphTick(p);
  EXPECT_FALSE(Surface().morphTimer) << "a tick that moves nothing stops the timer";
  EXPECT_TRUE(Surface().redrawn.empty());
}

TEST_F(MenuMorphTest, TheDefaultKindBlendsEveryPixelBetweenTheTwoImages) {
  Load(true);
  Open();
  TPopupLogic& p = Popup();
  const auto [normal, highlighted] = Ends(0);
  engine.MorphTick(p);
  engine.MorphTick(p);  // 0.4 of the way
  const TBitmap pic = p.ItemPicture(0);
  int strictlyBetween = 0;
  for (int y = 0; y < pic.Height(); ++y)
    for (int x = 0; x < pic.Width(); ++x)
      for (int shift : {0, 8, 16}) {
        const int n = Channel(normal.Pixel(x, y), shift), h = Channel(highlighted.Pixel(x, y), shift);
        const int v = Channel(pic.Pixel(x, y), shift);
        ASSERT_GE(v, std::min(n, h)) << x << "," << y;
        ASSERT_LE(v, std::max(n, h)) << x << "," << y;
        // 0.4 of the way, to the nearest value.
        EXPECT_LE(std::abs(v - (n + (h - n) * 2 / 5)), 1) << x << "," << y;
        if (v != n && v != h) ++strictlyBetween;
      }
  EXPECT_GT(strictlyBetween, 0);
}

TEST_F(MenuMorphTest, TheRecordsMorphKindIsUsed) {
  Load(true, "mkleftslide");
  Open();
  TPopupLogic& p = Popup();
  const auto [normal, highlighted] = Ends(0);
  engine.MorphTick(p);
  engine.MorphTick(p);
  const TBitmap pic = p.ItemPicture(0);
  // A slide moves whole columns: the highlighted image's right part comes
  // in on the left, shifted, and the normal image keeps the rest; the
  // default kind would blend every column that differs instead.
  const auto column = [](const TBitmap& b, int x) {
    std::vector<TColor> c;
    for (int y = 0; y < b.Height(); ++y) c.push_back(b.Pixel(x, y));
    return c;
  };
  const int W = pic.Width();
  ASSERT_NE(column(pic, 0), column(normal, 0)) << "the first column is the highlighted image's";
  ASSERT_EQ(column(pic, W - 1), column(normal, W - 1)) << "the last column is still the normal image's";
  bool found = false;
  for (int shift = 1; shift < W && !found; ++shift) {
    bool fits = true;
    for (int x = 0; x < W && fits; ++x)
      fits = x < W - shift ? column(pic, x) == column(highlighted, x + shift) : column(pic, x) == column(normal, x);
    found = fits;
  }
  EXPECT_TRUE(found) << "no shift of the highlighted image explains the picture";
}

TEST_F(MenuMorphTest, AMoveBlendsTheOldItemOutAndTheNewOneIn) {
  Load(true);
  Open();
  TPopupLogic& p = Popup();
  for (int i = 0; i < kMorphSteps + 1; ++i) engine.MorphTick(p);
  ASSERT_FALSE(Surface().morphTimer);
  Surface().redrawn.clear();
  engine.KeyDown(kVkDown);  // over the divider to B
  ASSERT_EQ(p.ActiveIndex, 2);
  EXPECT_TRUE(Surface().morphTimer);
  EXPECT_TRUE(Surface().redrawn.empty());
  engine.MorphTick(p);
  EXPECT_EQ(p.Items()[0].MorphStep, kMorphSteps - 1);
  EXPECT_EQ(p.Items()[2].MorphStep, 1);
  EXPECT_EQ(p.Items()[1].MorphStep, 0) << "the divider never morphs";
  EXPECT_TRUE(Contains(Surface().redrawn, 0));
  EXPECT_TRUE(Contains(Surface().redrawn, 2));
  for (int i = 0; i < kMorphSteps; ++i) engine.MorphTick(p);
  EXPECT_EQ(p.Items()[0].MorphStep, 0);
  EXPECT_EQ(p.Items()[2].MorphStep, kMorphSteps);
  EXPECT_FALSE(Surface().morphTimer);
}

TEST_F(MenuMorphTest, WithoutMorphingItemsAreDrawnAtOnce) {
  Load(false);
  Open();
  TPopupLogic& p = Popup();
  EXPECT_FALSE(p.Morphing());
  EXPECT_FALSE(Surface().morphTimer);
  EXPECT_TRUE(Contains(Surface().redrawn, 0));
  const auto [normal, highlighted] = Ends(0);
  EXPECT_TRUE(SamePixels(p.ItemPicture(0), highlighted)) << "highlighted without any tick";
  engine.KeyDown(kVkDown);
  EXPECT_FALSE(Surface().morphTimer);
  EXPECT_TRUE(SamePixels(p.ItemPicture(0), normal));
}

TEST(MenuMorphLumenTest, LumenHasMorphingOff) {
  test::TLumenSkin lumen;
  TFakeMenuHost host;
  TMenuEngine engine{host};
  TMenu menu;
  menu.Items().Add("&a", "A");
  menu.Items().Add("&b", "B");
  engine.Popup(nullptr, &lumen.data, false, menu.Items(), TRect{10, 10, 10, 10}, 0);
  ASSERT_EQ(engine.PopupCount(), 1);
  EXPECT_FALSE(engine.PopupAt(0).Morphing());
  engine.KeyDown(kVkDown);
  EXPECT_FALSE(host.surfaces[0]->morphTimer);
}

TEST_F(MenuMorphTest, AnItemScrolledOutOfViewLosesItsHalfDoneHighlight) {
  Load(true);
  TMenuItem& root = menu.Items();
  for (int i = 0; i < 8; ++i) root.Add("item" + std::to_string(i), "I" + std::to_string(i));
  engine.MaxMenuItemsInWindow = 3;
  Open();
  TPopupLogic& p = Popup();
  ASSERT_TRUE(p.Scroll());
  engine.MorphTick(p);
  engine.MorphTick(p);
  ASSERT_EQ(p.Items()[0].MorphStep, 2);
  p.SetVisibleStart(4);  // the scroll zone moved the view past item 0
  ASSERT_FALSE(p.Items()[0].Visible);
  engine.MorphTick(p);
  EXPECT_EQ(p.Items()[0].MorphStep, 0);
  EXPECT_FALSE(p.Items()[0].Active);
  EXPECT_FALSE(p.Items()[0].Down);
}

}  // namespace
}  // namespace tavo::skin
