// The bitmap effects against worked examples. Expected channel values are
// the arithmetic of each effect done by hand in the comments.
#include "skin/EffectBmp.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace tavo::skin {
namespace {

// A width x height picture every channel of which is v.
TEffectBmp Gray(int width, int height, uint8_t v) {
  TEffectBmp b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.SetPixel(x, y, v * 0x010101u);
  return b;
}

// A picture whose pixel (x, y) is blue x, green y, red tag.
TEffectBmp Tagged(int width, int height, uint8_t tag) {
  TEffectBmp b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.SetPixel(x, y, uint32_t(x) | uint32_t(y) << 8 | uint32_t(tag) << 16);
  return b;
}
uint32_t TaggedPixel(int x, int y, uint8_t tag) { return uint32_t(x) | uint32_t(y) << 8 | uint32_t(tag) << 16; }

// The blue channel of every pixel of row y.
std::vector<int> Blues(const TEffectBmp& b, int y = 0) {
  std::vector<int> out;
  for (int x = 0; x < b.Width(); ++x) out.push_back(static_cast<int>(b.GetPixel(x, y) & 0xFF));
  return out;
}
std::vector<int> BluesDown(const TEffectBmp& b) {
  std::vector<int> out;
  for (int y = 0; y < b.Height(); ++y) out.push_back(static_cast<int>(b.GetPixel(0, y) & 0xFF));
  return out;
}

TEST(EffectBmp, LayoutAndHeader) {
  const TEffectBmp b(5, 3);
  EXPECT_EQ(b.Stride(), 16);  // 15 bytes of pixels padded to 16
  EXPECT_EQ(b.Size(), 48u);
  EXPECT_EQ(b.Header().Size, 40u);
  EXPECT_EQ(b.Header().Width, 5);
  EXPECT_EQ(b.Header().Height, -3);  // top-down
  EXPECT_EQ(b.Header().Planes, 1);
  EXPECT_EQ(b.Header().BitCount, 24);
  EXPECT_EQ(b.Header().Compression, 0u);
}

TEST(EffectBmp, PixelAndLineAccess) {
  TEffectBmp b(3, 2);
  b.SetPixel(2, 1, 0x00ABCDEF);
  EXPECT_EQ(b.GetPixel(2, 1), 0x00ABCDEFu);
  EXPECT_EQ(b.ScanLine(1)[6], 0xEF);  // blue first
  EXPECT_EQ(b.ScanLine(1)[8], 0xAB);
  EXPECT_EQ(b.ScanLine(2), nullptr);
  b.SetPixel(3, 0, 0x123456);  // outside: ignored
  EXPECT_EQ(b.GetPixel(3, 0), 0u);
  uint8_t line[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  b.SetLine(0, line);
  EXPECT_EQ(b.GetPixel(1, 0), 0x060504u);
}

TEST(EffectBmp, CreatedFromABitmapAndDrawnClipped) {
  TBitmap source(3, 2, TPixelFormat::pf8bit);
  source.Palette() = {TPaletteEntry{10, 20, 30, 0}, TPaletteEntry{40, 50, 60, 0}};
  source.Row(1)[2] = 1;
  const TEffectBmp b(source);
  EXPECT_EQ(b.GetPixel(0, 0), 10u | 20u << 8 | 30u << 16);
  EXPECT_EQ(b.GetPixel(2, 1), 40u | 50u << 8 | 60u << 16);

  TBitmap target(4, 4);
  b.Draw(target, -1, 2);  // column 0 falls off the left edge
  EXPECT_EQ(target.Pixel(1, 3), RGB(60, 50, 40));  // b's (2, 1)
  EXPECT_EQ(target.Pixel(0, 2), RGB(30, 20, 10));  // b's (1, 0)
  EXPECT_EQ(target.Pixel(2, 2), RGB(0, 0, 0));     // untouched
  EXPECT_EQ(target.Pixel(0, 1), RGB(0, 0, 0));
}

struct TMixCase {
  const char* name;
  std::function<void(TEffectBmp&)> apply;
  uint8_t before, after;
};

class SinglePictureEffects : public ::testing::TestWithParam<TMixCase> {};

TEST_P(SinglePictureEffects, WorkedExample) {
  TEffectBmp b = Gray(3, 2, GetParam().before);
  GetParam().apply(b);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(b.GetPixel(x, y), GetParam().after * 0x010101u) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Effects, SinglePictureEffects,
    ::testing::Values(
        // 0.5 * 0 + 0.5 * 255 = 127.5: the half goes to the even 128.
        TMixCase{"bright 0", [](TEffectBmp& b) { b.Brightness(0.5L); }, 0, 128},
        TMixCase{"bright 255", [](TEffectBmp& b) { b.Brightness(0.5L); }, 255, 255},
        // 0.5 * 1 + 127.5 = 128.0.
        TMixCase{"bright 1", [](TEffectBmp& b) { b.Brightness(0.5L); }, 1, 128},
        // 0.5 * 3 + 127.5 = 129.0; 0.5 * 2 + 127.5 = 128.5 goes to 128.
        TMixCase{"bright 2", [](TEffectBmp& b) { b.Brightness(0.5L); }, 2, 128},
        TMixCase{"bright clamped", [](TEffectBmp& b) { b.Brightness(7.0L); }, 3, 255},
        // 0.7 * 100 = 70.
        TMixCase{"dark 100", [](TEffectBmp& b) { b.Darkness(0.3L); }, 100, 70},
        // 0.5 * 5 = 2.5 goes to 2; 0.5 * 7 = 3.5 goes to 4.
        TMixCase{"dark 5", [](TEffectBmp& b) { b.Darkness(0.5L); }, 5, 2},
        TMixCase{"dark 7", [](TEffectBmp& b) { b.Darkness(0.5L); }, 7, 4},
        TMixCase{"dark clamped", [](TEffectBmp& b) { b.Darkness(-1.0L); }, 7, 7},
        TMixCase{"invert", [](TEffectBmp& b) { b.Invert(); }, 55, 200},
        // Gray stays gray: 0.3 + 0.59 + 0.11 = 1.
        TMixCase{"gray of gray", [](TEffectBmp& b) { b.Grayscale(); }, 77, 77},
        TMixCase{"noise 1", [](TEffectBmp& b) { b.Noise(1); }, 77, 77},
        TMixCase{"noise 0", [](TEffectBmp& b) { b.Noise(0); }, 77, 77},
        TMixCase{"blur 0", [](TEffectBmp& b) { b.SplitBlur(0); }, 77, 77}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name)
        if (c == ' ') c = '_';
      return name;
    });

TEST(Grayscale, GreenRedBlue) {
  // Pixel values are blue | green << 8 | red << 16.
  struct {
    uint32_t pixel;
    uint8_t gray;
  } cases[] = {
      {0x00FF00, 150},  // 255 * 0.59 = 150.45
      {0xFF0000, 76},   // 255 * 0.3 = 76.5: the half goes to the even 76
      {0x0000FF, 28},   // 255 * 0.11 = 28.05
      {0x0A1428, 19},   // red 10, green 20, blue 40: 3 + 11.8 + 4.4 = 19.2
  };
  for (const auto& c : cases) {
    TEffectBmp b(1, 1);
    b.SetPixel(0, 0, c.pixel);
    b.Grayscale();
    EXPECT_EQ(b.GetPixel(0, 0), c.gray * 0x010101u) << std::hex << c.pixel;
  }
}

TEST(Morph, WorkedExamples) {
  struct {
    long double x;
    uint8_t expected;
  } cases[] = {
      {0.5L, 128},   // 127.5 goes to the even 128
      {0.25L, 64},   // 63.75
      {0.0L, 0},
      {1.0L, 255},
      {-3.0L, 0},    // clamped to 0
      {3.0L, 255},   // clamped to 1
      {0.1L, 26},    // 25.5 (in extended precision 25.50000...): 26
  };
  for (const auto& c : cases) {
    TEffectBmp self = Gray(4, 3, 0);
    self.Morph(Gray(4, 3, 255), c.x);
    EXPECT_EQ(Blues(self, 2), std::vector<int>(4, c.expected)) << static_cast<double>(c.x);
  }
  // Self 100, other 101 at 0.5: 100.5 goes to the even 100.
  TEffectBmp self = Gray(2, 2, 100);
  self.Morph(Gray(2, 2, 101), 0.5L);
  EXPECT_EQ(Blues(self, 1), (std::vector<int>{100, 100}));
}

// Self 0, other 200 in a 10 x 1 picture (wider than high: horizontal).
TEST(Gradient, HorizontalAtSeveralFactors) {
  struct {
    long double x;
    std::vector<int> row;
  } cases[] = {
      // a = 2, b = 4, c = 1, step 0.25; g = 4, f = 6 take other (200);
      // columns 3, 2, 1, 0 get t = 0.25, 0.5, 0.75, 1: 0.75 * 200 = 150, 100, 50, 0.
      {0.2L, {0, 50, 100, 150, 200, 200, 200, 150, 100, 50}},
      // a = 0, b = 5, c = 0, step 0.2; g = f = 5.
      {0.0L, {0, 40, 80, 120, 160, 200, 160, 120, 80, 40}},
      // a = 5, b = 2, c = 2, step 0.5; g = 3, f = 7.
      {0.5L, {0, 0, 100, 200, 200, 200, 200, 200, 100, 0}},
      // a = 10, b = 0, step 1, c = 5: g = 0, f = 9, everything other.
      {1.0L, {200, 200, 200, 200, 200, 200, 200, 200, 200, 200}},
  };
  for (const auto& c : cases) {
    TEffectBmp self = Gray(10, 1, 0);
    self.Gradient(Gray(10, 1, 200), c.x);
    EXPECT_EQ(Blues(self), c.row) << static_cast<double>(c.x);
  }
  // A half at t = 0.5 with other 255: 127.5 goes to 128 (x = 0.5 above, columns 2 and 8).
  TEffectBmp self = Gray(10, 1, 0);
  self.HorizontalGradient(Gray(10, 1, 255), 0.5L);
  EXPECT_EQ(Blues(self), (std::vector<int>{0, 0, 128, 255, 255, 255, 255, 255, 128, 0}));
}

// Self 0, other 200 in a 1 x 10 picture (narrower than high: vertical).
TEST(Gradient, VerticalAtSeveralFactors) {
  struct {
    long double x;
    std::vector<int> column;
  } cases[] = {
      // a = 2, b = (10 - 1 - 2) div 2 = 3, step 1/3, c = 1; n = 4, m = 6.
      // t = 1/3: 2/3 * 200 = 133.3 -> 133; t = 2/3: 66.7 -> 67; t = 1: 0.
      {0.2L, {0, 0, 67, 133, 200, 200, 200, 133, 67, 0}},
      // a = 10, b = (10 - 1 - 10) div 2 = 0: step 0, c = 5: rows 0..9 are
      // other and every mixed row has t = 0, so other as well.
      {1.0L, {200, 200, 200, 200, 200, 200, 200, 200, 200, 200}},
      // a = 4, b = 2, step 0.5, c = 2; n = 3, m = 7: t = 0.5 -> 100, then 0.
      {0.4L, {0, 0, 100, 200, 200, 200, 200, 200, 100, 0}},
      // a = 9, b = (10 - 1 - 9) div 2 = 0: step 0; c = 4, n = 1, m = 9. Row 0
      // is mixed with t = 0 (step 0, not 1), so it shows other too.
      {0.9L, {200, 200, 200, 200, 200, 200, 200, 200, 200, 200}},
  };
  for (const auto& c : cases) {
    TEffectBmp self = Gray(1, 10, 0);
    self.Gradient(Gray(1, 10, 200), c.x);
    EXPECT_EQ(BluesDown(self), c.column) << static_cast<double>(c.x);
  }
}

TEST(Gradient, LeftAndRight) {
  // Left, x = 0.4: a = 4, step 0.25; columns 0..4 get t = 0, .25, .5, .75, 1.
  TEffectBmp left = Gray(10, 2, 0);
  left.LeftGradient(Gray(10, 2, 200), 0.4L);
  EXPECT_EQ(Blues(left, 1), (std::vector<int>{200, 150, 100, 50, 0, 0, 0, 0, 0, 0}));
  // Right, x = 0.4: a = 10 - 4 = 6, step 1/4; columns 9..6 get t = 0 .. 0.75.
  TEffectBmp right = Gray(10, 2, 0);
  right.RightGradient(Gray(10, 2, 200), 0.4L);
  EXPECT_EQ(Blues(right, 1), (std::vector<int>{0, 0, 0, 0, 0, 0, 50, 100, 150, 200}));
  // Left, x = 0: a is raised to 1, step 1: column 0 other, column 1 self.
  TEffectBmp low = Gray(4, 1, 0);
  low.LeftGradient(Gray(4, 1, 200), 0.0L);
  EXPECT_EQ(Blues(low), (std::vector<int>{200, 0, 0, 0}));
  // Right, x = 1: a = 0, step 1/10: column 9 t = 0 ... column 0 t = 0.9: 20.
  TEffectBmp full = Gray(10, 1, 0);
  full.RightGradient(Gray(10, 1, 200), 1.0L);
  EXPECT_EQ(Blues(full), (std::vector<int>{20, 40, 60, 80, 100, 120, 140, 160, 180, 200}));
}

TEST(Slides, LeftRightAndPush) {
  // LeftSlide, x = 0.34 on width 10: b = nearest(3.4) = 3; other's columns
  // 7..9 become self's columns 0..2.
  TEffectBmp self = Tagged(10, 2, 1);
  self.LeftSlide(Tagged(10, 2, 2), 0.34L);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 10; ++x)
      EXPECT_EQ(self.GetPixel(x, y), x < 3 ? TaggedPixel(7 + x, y, 2) : TaggedPixel(x, y, 1)) << x;

  // RightSlide: self's columns 7..9 take other's 0..2.
  self = Tagged(10, 2, 1);
  self.RightSlide(Tagged(10, 2, 2), 0.34L);
  for (int x = 0; x < 10; ++x)
    EXPECT_EQ(self.GetPixel(x, 1), x >= 7 ? TaggedPixel(x - 7, 1, 2) : TaggedPixel(x, 1, 1)) << x;

  // Push, x = 0.3: a = 3; old columns 0..5 move to 4..9, columns 0..3 take
  // other's 6..9.
  self = Tagged(10, 2, 1);
  self.Push(Tagged(10, 2, 2), 0.3L);
  for (int x = 0; x < 10; ++x)
    EXPECT_EQ(self.GetPixel(x, 0), x < 4 ? TaggedPixel(6 + x, 0, 2) : TaggedPixel(x - 4, 0, 1)) << x;

  // Push, x = 1: a is held at W - 1 = 9: everything is other.
  self = Tagged(10, 1, 1);
  self.Push(Tagged(10, 1, 2), 1.0L);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(self.GetPixel(x, 0), TaggedPixel(x, 0, 2));
}

TEST(Transitions, DifferentSizesLeaveSelfUnchanged) {
  const std::function<void(TEffectBmp&, const TEffectBmp&)> ops[] = {
      [](TEffectBmp& s, const TEffectBmp& o) { s.Morph(o, 0.5L); },
      [](TEffectBmp& s, const TEffectBmp& o) { s.Gradient(o, 0.5L); },
      [](TEffectBmp& s, const TEffectBmp& o) { s.HorizontalGradient(o, 0.5L); },
      [](TEffectBmp& s, const TEffectBmp& o) { s.VerticalGradient(o, 0.5L); },
      [](TEffectBmp& s, const TEffectBmp& o) { s.LeftGradient(o, 0.5L); },
      [](TEffectBmp& s, const TEffectBmp& o) { s.RightGradient(o, 0.5L); },
      [](TEffectBmp& s, const TEffectBmp& o) { s.LeftSlide(o, 0.5L); },
      [](TEffectBmp& s, const TEffectBmp& o) { s.RightSlide(o, 0.5L); },
      [](TEffectBmp& s, const TEffectBmp& o) { s.Push(o, 0.5L); },
      [](TEffectBmp& s, const TEffectBmp& o) { o.FlipInto(s); },
  };
  for (size_t i = 0; i < std::size(ops); ++i)
    for (auto [w, h] : {std::pair{9, 6}, std::pair{8, 5}, std::pair{0, 0}}) {
      TEffectBmp self = Tagged(8, 6, 1);
      ops[i](self, Tagged(w, h, 2));
      for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(self.GetPixel(x, y), TaggedPixel(x, y, 1)) << i << " " << w << "x" << h;
    }
}

TEST(SplitBlur, WorksInPlace) {
  TEffectBmp one(1, 1);
  one.SetPixel(0, 0, 0x123456);
  one.SplitBlur(1);  // all four samples are the pixel itself
  EXPECT_EQ(one.GetPixel(0, 0), 0x123456u);

  // One row 0, 100, 200 (height 1: upper = lower = the row).
  // x = 0: left -1 -> 0, right 1: (0 + 0 + 100 + 100) / 4 = 50.
  // x = 1: left 0 (now 50), right 2: (50 + 50 + 200 + 200) / 4 = 125.
  // x = 2: left 1 (now 125), right 3 -> 2: (125 + 125 + 200 + 200) / 4 = 162.5 -> 162.
  TEffectBmp row(3, 1);
  row.SetPixel(0, 0, 0), row.SetPixel(1, 0, 100 * 0x010101u), row.SetPixel(2, 0, 200 * 0x010101u);
  row.SplitBlur(1);
  EXPECT_EQ(Blues(row), (std::vector<int>{50, 125, 162}));

  // The same along a column (width 1: left = right = the pixel's column):
  // y = 1 reads row 0's new 50 above and row 2's 200 below.
  TEffectBmp column(1, 3);
  column.SetPixel(0, 0, 0), column.SetPixel(0, 1, 100 * 0x010101u), column.SetPixel(0, 2, 200 * 0x010101u);
  column.SplitBlur(1);
  EXPECT_EQ(BluesDown(column), (std::vector<int>{50, 125, 162}));

  // Amounts reaching past the picture in either direction fall back to the
  // pixel itself.
  for (int amount : {-1, -7, 40}) {
    TEffectBmp b = Gray(3, 2, 90);
    b.SplitBlur(amount);
    EXPECT_EQ(Blues(b, 1), (std::vector<int>{90, 90, 90})) << amount;
  }
}

TEST(Noise, OneOffsetAPixelWithinRange) {
  TEffectBmp b = Gray(20, 10, 128);
  b.Noise(50);
  std::set<int> offsets;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) {
      const uint32_t p = b.GetPixel(x, y);
      const int blue = p & 0xFF, green = (p >> 8) & 0xFF, red = p >> 16;
      EXPECT_EQ(blue, green);
      EXPECT_EQ(blue, red);
      offsets.insert(blue - 128);
    }
  // r in 0..49, d = r - 25 in -25..24.
  EXPECT_GE(*offsets.begin(), -25);
  EXPECT_LE(*offsets.rbegin(), 24);
  EXPECT_GT(offsets.size(), 10u);

  // Near 0 the results are clamped, never wrapped round to 230 and up.
  TEffectBmp dark = Gray(20, 10, 3);
  dark.Noise(50);
  for (int x = 0; x < 20; ++x) EXPECT_LE(dark.GetPixel(x, 9) & 0xFF, 27u);
}

TEST(FlipInto, UpsideDown) {
  const TEffectBmp source = Tagged(3, 4, 1);
  TEffectBmp target(3, 4);
  source.FlipInto(target);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(target.GetPixel(x, 3 - y), TaggedPixel(x, y, 1));
  // Into itself, with an odd height: the middle row stays.
  TEffectBmp self = Tagged(2, 5, 1);
  self.FlipInto(self);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_EQ(self.GetPixel(x, 4 - y), TaggedPixel(x, y, 1));
}

}  // namespace
}  // namespace tavo::skin
