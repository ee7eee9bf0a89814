// The inactive look a skin's "inactiveeffect" names, each with its fixed
// argument, read from the skin text and applied to a three-pixel row whose
// results are worked out here.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "skin/EffectBmp.h"
#include "skin/SkinIni.h"

namespace tavo::skin {
namespace {

struct TEffectCase {
  const char* name;
  const char* text;  // the value of "inactiveeffect"
  uint8_t expected[3];
};

class InactiveEffects : public ::testing::TestWithParam<TEffectCase> {};

// A grey row 0, 100, 200 (every channel alike).
TBitmap GreyRow() {
  TBitmap row(3, 1, TPixelFormat::pf24bit);
  for (int x = 0; x < 3; ++x) {
    const uint8_t v = static_cast<uint8_t>(100 * x);
    row.SetPixel(x, 0, RGB(v, v, v));
  }
  return row;
}

TEST_P(InactiveEffects, AppliesTheNamedEffectWithItsArgument) {
  const TEffectCase& c = GetParam();
  const TSkinIni ini(TSkinIni::SplitLines(std::string("[FORMINFO]\ninactiveeffect=") + c.text + "\n"));
  TBitmap row = GreyRow();
  ApplyInactiveEffect(row, ReadInactiveEffect(ini, "FORMINFO", "inactiveeffect"));
  for (int x = 0; x < 3; ++x) {
    const uint8_t v = c.expected[x];
    EXPECT_EQ(row.Pixel(x, 0), RGB(v, v, v)) << "pixel " << x;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, InactiveEffects,
    ::testing::Values(
        // 0.5 * v + 127.5, halves to even: 127.5 -> 128, 177.5 -> 178, 227.5 -> 228
        TEffectCase{"Brightness", "iebrightness", {128, 178, 228}},
        // 0.7 * v: 0, 70, 140
        TEffectCase{"Darkness", "iedarkness", {0, 70, 140}},
        // grey stays grey: 0.3 v + 0.59 v + 0.11 v = v
        TEffectCase{"Grayscale", "iegrayscale", {0, 100, 200}},
        TEffectCase{"UnknownNameIsGrayscale", "iesepia", {0, 100, 200}},
        // In place, one row: (0 + 0 + 100 + 100) / 4 = 50; (50 + 50 + 200 +
        // 200) / 4 = 125; (125 + 125 + 200 + 200) / 4 = 162.5 -> 162
        TEffectCase{"SplitBlur", "iesplitblur", {50, 125, 162}},
        TEffectCase{"Invert", "ieinvert", {255, 155, 55}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InactiveEffect, NoiseMovesEachPixelByAtMostHalfOfFifty) {
  TBitmap picture(64, 4, TPixelFormat::pf24bit);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 64; ++x) picture.SetPixel(x, y, RGB(100, 120, 140));
  ApplyInactiveEffect(picture, TInactiveEffect::ieNoise);
  int changed = 0, lowest = 0, highest = 0;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 64; ++x) {
      const TColor c = picture.Pixel(x, y);
      const int d = GetRValue(c) - 100;
      // one offset r - 25 with r in 0..49 for all three channels
      ASSERT_EQ(GetGValue(c) - 120, d);
      ASSERT_EQ(GetBValue(c) - 140, d);
      ASSERT_GE(d, -25);
      ASSERT_LE(d, 24);
      changed += d != 0;
      lowest = std::min(lowest, d);
      highest = std::max(highest, d);
    }
  EXPECT_GT(changed, 200) << "amount 50, not 1";
  EXPECT_LT(lowest, -10);
  EXPECT_GT(highest, 10);
}

TEST(InactiveEffect, PicturesOfOtherDepthsAreConvertedAndEmptyOnesLeftAlone) {
  TBitmap palette(2, 1, TPixelFormat::pf8bit);
  palette.Palette() = {TPaletteEntry{100, 100, 100, 0}, TPaletteEntry{0, 0, 0, 0}};
  palette.Data()[0] = 0;
  palette.Data()[1] = 1;
  ApplyInactiveEffect(palette, TInactiveEffect::ieInvert);
  EXPECT_EQ(palette.PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_EQ(palette.Pixel(0, 0), RGB(155, 155, 155));
  EXPECT_EQ(palette.Pixel(1, 0), RGB(255, 255, 255));
  TBitmap empty;
  ApplyInactiveEffect(empty, TInactiveEffect::ieInvert);
  EXPECT_TRUE(empty.Empty());
}

}  // namespace
}  // namespace tavo::skin
