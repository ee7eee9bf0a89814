// The hint window's portable look: sizes plain and skinned, placement at
// each screen edge, the picture, the region and the cursor depth scan.
#include "skin/HintWindowLook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavo::skin {
namespace {

// Measures every text as `size` and fills the box it is drawn into with
// the colour, so the tests see where and in which colour text went.
class TBoxPainter : public THintTextPainter {
 public:
  explicit TBoxPainter(TPoint size) : size_(size) {}
  TPoint MeasureText(const std::string&, const TButtonFont& font) override {
    measuredWith.push_back(font);
    return size_;
  }
  void PaintText(TBitmap& canvas, const TRect& box, const std::string& text, const TButtonFont&,
                TColor color) override {
    boxes.push_back(box);
    texts.push_back(text);
    for (int y = box.top; y < box.bottom; ++y)
      for (int x = box.left; x < box.right; ++x) canvas.SetPixel(x, y, color);
  }
  std::vector<TRect> boxes;
  std::vector<std::string> texts;
  std::vector<TButtonFont> measuredWith;

 private:
  TPoint size_;
};

// A 40 x 30 hint picture like Lumen's: corners at 5 pixels, client
// (5, 5, 35, 25); its top-left pixel red, top-right green, the rest grey.
struct THintSkinFixture {
  THintSkinFixture() : picture(40, 30) {
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) picture.SetPixel(x, y, 0x808080);
    picture.SetPixel(0, 0, 0x0000FF);
    picture.SetPixel(39, 0, 0x00FF00);
    record.windowpictureindex = 4;
    record.corners = {{5, 5}, {35, 5}, {5, 25}, {35, 25}};
    record.clientrect = {5, 5, 35, 25};
    record.fontcolor = 0x123456;
    skin = {&record, &picture, nullptr};
  }
  TDataSkinHintWindow record;
  TBitmap picture;
  THintSkin skin;
};

TEST(HintMeasure, PlainAddsTwoPixelsAround) {
  const THintMeasure m = MeasureHint({50, 13}, nullptr);
  EXPECT_EQ(m.Width, 54);
  EXPECT_EQ(m.Height, 17);
}

TEST(HintMeasure, SkinnedAddsTheFrameAndNeverShrinksBelowThePicture) {
  THintSkinFixture f;
  // 50 + 5 + (40 - 35) = 60 wide; 13 + 5 + (30 - 25) = 23 high, raised to 30.
  const THintMeasure wide = MeasureHint({50, 13}, &f.skin);
  EXPECT_EQ(wide.Width, 60);
  EXPECT_EQ(wide.Height, 30);
  EXPECT_EQ(wide.Geometry.NC, (TRect{5, 5, 55, 25}));
  EXPECT_EQ(wide.Geometry.NRT, (TPoint{55, 5}));
  EXPECT_EQ(wide.Geometry.NLB, (TPoint{5, 25}));
  EXPECT_EQ(wide.Geometry.NRB, (TPoint{55, 25}));
  const THintMeasure small = MeasureHint({10, 7}, &f.skin);
  EXPECT_EQ(small.Width, 40);
  EXPECT_EQ(small.Height, 30);
  const THintMeasure tall = MeasureHint({20, 40}, &f.skin);
  EXPECT_EQ(tall.Height, 50);
  EXPECT_EQ(tall.Geometry.NC, (TRect{5, 5, 35, 45}));
}

TEST(HintMeasure, SkinWithoutPictureIsMeasuredPlain) {
  THintSkinFixture f;
  TBitmap none;
  f.skin.Picture = &none;
  const THintMeasure m = MeasureHint({50, 13}, &f.skin);
  EXPECT_EQ(m.Width, 54);
}

struct TPlaceCase {
  const char* name;
  TRect anchor;
  TRect expected;
};

class HintPlacement : public ::testing::TestWithParam<TPlaceCase> {};

// A 54 x 17 hint on a 1280 x 1024 screen.
TEST_P(HintPlacement, StaysOnTheScreen) {
  const TPlaceCase& c = GetParam();
  EXPECT_EQ(PlaceHint(c.anchor, 54, 17, 1280, 1024), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Edges, HintPlacement,
                         ::testing::Values(TPlaceCase{"inside", {100, 200, 100, 200}, {100, 200, 154, 217}},
                                           TPlaceCase{"right edge", {1250, 200, 1250, 200}, {1194, 200, 1248, 217}},
                                           TPlaceCase{"exactly at right", {1226, 200, 1226, 200}, {1226, 200, 1280, 217}},
                                           TPlaceCase{"bottom edge", {100, 1015, 100, 1015}, {100, 996, 154, 1013}},
                                           TPlaceCase{"both", {1270, 1020, 1270, 1020}, {1214, 1001, 1268, 1018}},
                                           TPlaceCase{"left and top", {0, 0, 0, 0}, {0, 0, 54, 17}}));

TEST(HintPaint, PlainIsInfoColoursWithAShadowFrameAndTextAtTwoTwo) {
  TBoxPainter painter({50, 13});
  const THintColors colors{0xE1FFFF, 0x010203, 0xA0A0A0};
  const TBitmap p = PaintHint("关闭", TButtonFont{}, nullptr, painter, colors);
  ASSERT_EQ(p.Width(), 54);
  ASSERT_EQ(p.Height(), 17);
  EXPECT_EQ(painter.boxes, (std::vector<TRect>{{2, 2, 52, 15}}));
  EXPECT_EQ(painter.texts, (std::vector<std::string>{"关闭"}));
  EXPECT_EQ(p.Pixel(0, 0), colors.BtnShadow);
  EXPECT_EQ(p.Pixel(53, 16), colors.BtnShadow);
  EXPECT_EQ(p.Pixel(1, 1), colors.InfoBk);
  EXPECT_EQ(p.Pixel(52, 15), colors.InfoBk);
  EXPECT_EQ(p.Pixel(2, 2), colors.InfoText);
}

TEST(HintPaint, SkinnedDrawsThePictureAndCentresTheTextInTheClient) {
  THintSkinFixture f;
  TBoxPainter painter({50, 13});
  const TBitmap p = PaintHint("Close", TButtonFont{}, &f.skin, painter);
  ASSERT_EQ(p.Width(), 60);
  ASSERT_EQ(p.Height(), 30);
  // NC (5, 5, 55, 25): x = 5 + 25 - 25, y = 5 + 10 - 6 (13 / 2 truncates).
  EXPECT_EQ(painter.boxes, (std::vector<TRect>{{5, 9, 55, 22}}));
  EXPECT_EQ(p.Pixel(0, 0), 0x0000FFu);
  EXPECT_EQ(p.Pixel(59, 0), 0x00FF00u);  // the right corner moved with the width
  EXPECT_EQ(p.Pixel(30, 9), f.record.fontcolor);
  EXPECT_EQ(p.Pixel(30, 27), 0x808080u);

  TBoxPainter oddPainter({7, 5});
  PaintHint("x", TButtonFont{}, &f.skin, oddPainter);
  // 40 x 30: NC (5, 5, 35, 25); x = 5 + 15 - 3, y = 5 + 10 - 2.
  EXPECT_EQ(oddPainter.boxes, (std::vector<TRect>{{17, 13, 24, 18}}));
}

TEST(HintFontChoice, SkinFontOnlyWhenSkinnedAndAskedForCharsetFromResourceStrings) {
  TDataSkinHintWindow rec;
  rec.font = {"Tahoma", 11, {}};
  TButtonFont def;
  def.Name = "宋体";
  def.Height = -12;
  def.Charset = 134;
  const TButtonFont skinned = HintFont(def, &rec, true, std::nullopt);
  EXPECT_EQ(skinned.Name, "Tahoma");
  EXPECT_EQ(skinned.Height, 11);
  EXPECT_EQ(skinned.Charset, 134);
  const TButtonFont notSkinFont = HintFont(def, &rec, false, 1);
  EXPECT_EQ(notSkinFont.Name, "宋体");
  EXPECT_EQ(notSkinFont.Charset, 1);
  EXPECT_EQ(HintFont(def, nullptr, true, std::nullopt), def);
}

TEST(HintShape, RegionOnlyFromAMask) {
  THintSkinFixture f;
  const THintMeasure m = MeasureHint({50, 13}, &f.skin);
  EXPECT_FALSE(HintRegion(m, f.skin).has_value());
  // An all-black mask: the whole window is inside.
  TBitmap mask(40, 30);
  f.record.maskpictureindex = 5;
  f.skin.Mask = &mask;
  const auto region = HintRegion(m, f.skin);
  ASSERT_TRUE(region.has_value());
  EXPECT_FALSE(region->Empty());
  f.record.maskpictureindex = -1;
  EXPECT_FALSE(HintRegion(m, f.skin).has_value());
}

// A 32-pixel cursor mask (stride 4), AND part above XOR part in the
// picture, stored bottom-up as the system hands it back.
TCursorMask CursorMask(int andRows, int xorRows, bool withXor) {
  const int w = 32, stride = 4, h = withXor ? 64 : 32;
  TCursorMask m{w, h, std::vector<uint8_t>(static_cast<size_t>(stride) * h, 0)};
  auto row = [&](int pictureRow) { return m.Bits.data() + static_cast<size_t>(h - 1 - pictureRow) * stride; };
  for (int r = 0; r < 32; ++r)
    for (int b = 0; b < stride; ++b) row(r)[b] = r < andRows && b == 0 ? 0x0F : 0xFF;
  if (withXor)
    for (int r = 0; r < xorRows; ++r) row(32 + r)[1] = 0x80;
  return m;
}

TEST(CursorDepth, LowestDrawnRowBelowTheHotSpot) {
  const TCursorMask arrow = CursorMask(20, 0, true);
  EXPECT_EQ(CursorDepthBelowHotSpot(32, &arrow, 3), 16);  // rows 0..19 drawn, hot spot row 3
  EXPECT_EQ(CursorDepthBelowHotSpot(32, &arrow, 0), 19);
  const TCursorMask inverted = CursorMask(0, 10, true);  // AND all transparent
  EXPECT_EQ(CursorDepthBelowHotSpot(32, &inverted, 0), 9);
  const TCursorMask colour = CursorMask(0, 0, false);  // no XOR part below
  EXPECT_EQ(CursorDepthBelowHotSpot(32, &colour, 0), 0);
  EXPECT_EQ(CursorDepthBelowHotSpot(32, nullptr, 5), 32);
  TCursorMask truncated = arrow;
  truncated.Bits.resize(20);
  EXPECT_EQ(CursorDepthBelowHotSpot(32, &truncated, 3), 32);
}

}  // namespace
}  // namespace tavo::skin
