// Composition of the skinned frame: Lumen's four pieces on the directory
// window's size against a pixel oracle written from the piece rules, the
// minimum size and one pixel below it, objects going into the top or the
// bottom piece, the inactive picture and the inactive effects.
#include <gtest/gtest.h>

#include "skin/EffectBmp.h"
#include "skin/FramePainter.h"
#include "skin/PixelCopy.h"
#include "skin/frame/FrameTestSkins.h"

namespace tavo::skin {
namespace {

using test::CoordinateColor;
using test::CoordinatePicture;
using test::TLumen;

// Lumen's picture pixel that window pixel (x, y) of a 563 x 262 frame shows,
// from the piece rules: the top 46 rows and the bottom 9 keep the corners
// and tile columns 111..135 from column 0; the side pieces keep their
// columns and tile rows 46..106 from the row below the top piece.
TPoint LumenSource(int x, int y) {
  const int dx = 286;
  auto column = [&](int wx) { return wx < 111 ? wx : wx >= 422 ? wx - dx : 111 + wx % 25; };
  if (y < 46) return {column(x), y};
  if (y >= 253) return {column(x), y - 146};
  const int row = 46 + (y - 46) % 61;
  return {x < 13 ? x : x - dx, row};
}

TEST(LumenFrame, FourPiecesOnTheDirectoryWindow) {
  TLumen lumen;
  const TComposedFrame f = ComposeSkinnedFrame({&lumen.data, 563, 262, {277, 55}, true}, {});
  ASSERT_TRUE(f.Painted);
  EXPECT_EQ(f.Pieces.Top.Width(), 563);
  EXPECT_EQ(f.Pieces.Top.Height(), 46);
  EXPECT_EQ(f.Pieces.Bottom.Width(), 563);
  EXPECT_EQ(f.Pieces.Bottom.Height(), 9);
  EXPECT_EQ(f.Pieces.Left.Width(), 13);
  EXPECT_EQ(f.Pieces.Left.Height(), 207);
  EXPECT_EQ(f.Pieces.Right.Width(), 12);
  EXPECT_EQ(f.Pieces.Right.Height(), 207);
  EXPECT_EQ(f.TopAt, (TPoint{0, 0}));
  EXPECT_EQ(f.LeftAt, (TPoint{0, 46}));
  EXPECT_EQ(f.RightAt, (TPoint{551, 46}));
  EXPECT_EQ(f.BottomAt, (TPoint{0, 253}));
  EXPECT_EQ(f.ExcludedClient, (TRect{13, 46, 551, 253}));

  TBitmap background(563, 262);
  FillRect(background, {0, 0, 563, 262}, RGB(1, 2, 3));
  const TBitmap window = PaintComposedFrame(f, background);
  const TBitmap& p = lumen.data.Picture;
  int checked = 0;
  for (int y = 0; y < 262; ++y)
    for (int x = 0; x < 563; ++x) {
      if (x >= 13 && x < 551 && y >= 46 && y < 253) {
        ASSERT_EQ(window.Pixel(x, y), RGB(1, 2, 3)) << "client " << x << "," << y;
        continue;
      }
      const TPoint s = LumenSource(x, y);
      ASSERT_EQ(window.Pixel(x, y), p.Pixel(s.x, s.y)) << x << "," << y;
      ++checked;
    }
  EXPECT_EQ(checked, 563 * 262 - 538 * 207);
}

TEST(LumenFrame, AtTheMinimumTheMiddlesHaveThePicturesSize) {
  TLumen lumen;
  const TComposedFrame f = ComposeSkinnedFrame({&lumen.data, 277, 55, {277, 55}, true}, {});
  ASSERT_TRUE(f.Painted);
  // No client rows: the top piece is the picture's 46 top rows, the bottom
  // one its 9 bottom rows, and there is nothing between them.
  const TBitmap& p = lumen.data.Picture;
  ASSERT_EQ(f.Pieces.Top.Width(), 277);
  ASSERT_EQ(f.Pieces.Top.Height(), 46);
  ASSERT_EQ(f.Pieces.Bottom.Height(), 9);
  EXPECT_TRUE(f.Pieces.Left.Empty());
  EXPECT_TRUE(f.Pieces.Right.Empty());
  EXPECT_EQ(f.BottomAt, (TPoint{0, 46}));
  for (int x = 0; x < 277; ++x) {
    for (int y = 0; y < 46; ++y) ASSERT_EQ(f.Pieces.Top.Pixel(x, y), p.Pixel(x, y)) << x << "," << y;
    for (int y = 0; y < 9; ++y) ASSERT_EQ(f.Pieces.Bottom.Pixel(x, y), p.Pixel(x, 107 + y)) << x << "," << y;
  }
}

TEST(LumenFrame, OnePixelBelowTheMinimumNothingIsPainted) {
  TLumen lumen;
  TBitmap background(277, 55);
  FillRect(background, {0, 0, 277, 55}, RGB(9, 9, 9));
  for (TPoint size : {TPoint{276, 55}, TPoint{277, 54}, TPoint{276, 54}}) {
    bool drawn = false;
    TPaintedObject spy{true, {0, 0, 5, 5}, [&](TBitmap&, const TRect&, bool) { drawn = true; }};
    const TComposedFrame f = ComposeSkinnedFrame({&lumen.data, size.x, size.y, {277, 55}, true}, {spy});
    EXPECT_FALSE(f.Painted) << size.x << "x" << size.y;
    EXPECT_FALSE(drawn);
    EXPECT_TRUE(f.Pieces.Top.Empty());
    EXPECT_EQ(PaintComposedFrame(f, background), background.To24Bit());
  }
  // A minimum raised by MinWidth / MinHeight counts the same way.
  EXPECT_FALSE(ComposeSkinnedFrame({&lumen.data, 563, 262, {564, 55}, true}, {}).Painted);
  EXPECT_FALSE(ComposeSkinnedFrame({&lumen.data, 563, 262, {277, 263}, true}, {}).Painted);
}

// A 60 x 40 coordinate picture (tag 1), inactive picture tag 2, points
// (20,10) (40,10) (20,30) (40,30), client (5,10,55,30); shown at 80 x 50 the
// placed client rectangle is (5,10,75,40).
struct TSmallSkin {
  TSkinData data;
  TSmallSkin() {
    data.Picture = CoordinatePicture(60, 40, 1);
    data.lefttoppoint = {20, 10};
    data.righttoppoint = {40, 10};
    data.leftbottompoint = {20, 30};
    data.rightbottompoint = {40, 30};
    data.clientrect = {5, 10, 55, 30};
    data.IsEmpty = false;
  }
  TComposedFrame Compose(bool active, const std::vector<TPaintedObject>& objects = {}) {
    return ComposeSkinnedFrame({&data, 80, 50, {60, 20}, active}, objects);
  }
};

TPaintedObject Filler(TRect r, TColor color, std::vector<TRect>* seen, bool visible = true) {
  return TPaintedObject{visible, r, [=](TBitmap& canvas, const TRect& at, bool fullRedraw) {
                          EXPECT_FALSE(fullRedraw);
                          seen->push_back(at);
                          FillRect(canvas, at, color);
                        }};
}

TEST(FrameComposition, ObjectsGoIntoTheTopOrTheBottomPiece) {
  TSmallSkin skin;
  std::vector<TRect> seen;
  const TColor red = RGB(255, 0, 0), green = RGB(0, 255, 0), blue = RGB(0, 0, 255);
  const TComposedFrame f =
      skin.Compose(true, {Filler({10, 2, 20, 8}, red, &seen), Filler({30, 42, 40, 48}, green, &seen),
                          Filler({2, 15, 4, 25}, blue, &seen),  // left band
                          Filler({50, 2, 60, 8}, blue, &seen, false)});
  ASSERT_TRUE(f.Painted);
  ASSERT_EQ(f.Pieces.Bottom.Height(), 10);
  EXPECT_EQ(f.BottomAt, (TPoint{0, 40}));
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0], (TRect{10, 2, 20, 8}));
  EXPECT_EQ(seen[1], (TRect{30, 2, 40, 8}));    // moved up by the client bottom, 40
  EXPECT_EQ(seen[2], (TRect{2, -25, 4, -15}));  // above the bottom piece: clipped away
  EXPECT_EQ(f.Pieces.Top.Pixel(10, 2), red);
  EXPECT_EQ(f.Pieces.Top.Pixel(50, 2), CoordinateColor(30, 2, 1));  // the hidden object drew nothing
  EXPECT_EQ(f.Pieces.Bottom.Pixel(30, 2), green);
  EXPECT_EQ(f.Pieces.Bottom.Pixel(29, 2), CoordinateColor(29, 32, 1));
  for (int y = 0; y < f.Pieces.Left.Height(); ++y)
    for (int x = 0; x < f.Pieces.Left.Width(); ++x) ASSERT_NE(f.Pieces.Left.Pixel(x, y), blue);
}

TEST(FrameComposition, InactivePictureWhenInactiveAndPresent) {
  TSmallSkin skin;
  EXPECT_EQ(skin.Compose(false).Pieces.Top.Pixel(3, 4), CoordinateColor(3, 4, 1));  // none yet
  skin.data.InActivePicture = CoordinatePicture(60, 40, 2);
  const TComposedFrame inactive = skin.Compose(false), active = skin.Compose(true);
  EXPECT_EQ(inactive.Pieces.Top.Pixel(3, 4), CoordinateColor(3, 4, 2));
  EXPECT_EQ(inactive.Pieces.Right.Pixel(2, 0), CoordinateColor(57, 10, 2));
  EXPECT_EQ(active.Pieces.Top.Pixel(3, 4), CoordinateColor(3, 4, 1));
}

TColor Inverted(TColor c) { return c ^ 0xFFFFFFu; }

TEST(FrameComposition, AutoRenderedInactiveLookAppliesTheEffectAfterTheObjects) {
  TSmallSkin skin;
  skin.data.InActivePicture = CoordinatePicture(60, 40, 2);
  skin.data.autorenderinginactiveimage = true;
  skin.data.inactiveeffect = TInactiveEffect::ieInvert;
  std::vector<TRect> seen;
  const TComposedFrame f = skin.Compose(false, {Filler({10, 2, 20, 8}, RGB(255, 0, 0), &seen)});
  EXPECT_EQ(f.Pieces.Top.Pixel(3, 4), Inverted(CoordinateColor(3, 4, 2)));
  EXPECT_EQ(f.Pieces.Top.Pixel(10, 2), RGB(0, 255, 255));
  EXPECT_EQ(f.Pieces.Bottom.Pixel(79, 9), Inverted(CoordinateColor(59, 39, 2)));
  // Left piece row 29: rows 10..29 tiled from its top, so row 10 + 29 % 20.
  EXPECT_EQ(f.Pieces.Left.Pixel(4, 29), Inverted(CoordinateColor(4, 19, 2)));
  // Active: no effect; not auto-rendering: no effect.
  EXPECT_EQ(skin.Compose(true).Pieces.Top.Pixel(3, 4), CoordinateColor(3, 4, 1));
  skin.data.autorenderinginactiveimage = false;
  EXPECT_EQ(skin.Compose(false).Pieces.Top.Pixel(3, 4), CoordinateColor(3, 4, 2));
}

class InactiveEffects : public ::testing::TestWithParam<TInactiveEffect> {};

TEST_P(InactiveEffects, EveryPieceGetsTheSkinsEffect) {
  TSmallSkin skin;
  const TComposedFrame plain = skin.Compose(false);
  skin.data.autorenderinginactiveimage = true;
  skin.data.inactiveeffect = GetParam();
  const TComposedFrame f = skin.Compose(false);
  const TBitmap* got[] = {&f.Pieces.Top, &f.Pieces.Bottom, &f.Pieces.Left, &f.Pieces.Right};
  const TBitmap* before[] = {&plain.Pieces.Top, &plain.Pieces.Bottom, &plain.Pieces.Left, &plain.Pieces.Right};
  for (int i = 0; i < 4; ++i) {
    TBitmap expected = *before[i];
    ApplyInactiveEffect(expected, GetParam());
    EXPECT_EQ(*got[i], expected) << "piece " << i;
    EXPECT_NE(*got[i], *before[i]) << "piece " << i << " left unchanged";
  }
}

INSTANTIATE_TEST_SUITE_P(All, InactiveEffects,
                         ::testing::Values(TInactiveEffect::ieBrightness, TInactiveEffect::ieDarkness,
                                           TInactiveEffect::ieGrayScale, TInactiveEffect::ieNoise,
                                           TInactiveEffect::ieSplitBlur, TInactiveEffect::ieInvert));

TEST(FrameComposition, StretchFlagsComeFromTheSkin) {
  TSmallSkin skin;
  skin.data.topstretch = true;
  // Stretched, the top strip's 20 columns (20..39) fill the placed 40
  // columns 20..59 two by two; tiled, column 40 would repeat column 20.
  const TComposedFrame f = skin.Compose(true);
  EXPECT_EQ(f.Pieces.Top.Pixel(20, 3), CoordinateColor(20, 3, 1));
  EXPECT_EQ(f.Pieces.Top.Pixel(40, 3), CoordinateColor(30, 3, 1));
  EXPECT_EQ(f.Pieces.Top.Pixel(59, 3), CoordinateColor(39, 3, 1));
}

}  // namespace
}  // namespace tavo::skin
