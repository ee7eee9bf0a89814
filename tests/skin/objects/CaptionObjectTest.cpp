// The caption object: its text area, "..." cut, each alignment, shadow and
// plate, the background built from the skin, and the four ways it draws
// (direct text, active image, normal image with the inactive effect, blend).
// Every position is worked out here by hand from the test skin's figures:
// caption skinrect 30,4,160,26; textrect 4,2,124,20; plate framerect
// 0,22,30,40 (active 30,22,60,40), frametextrect 5,1,25,17, ends of 5;
// frame points x 60 and 150. Text is 6 pixels a byte ("l" 3), 12 high.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "skin/FrameObjects.h"
#include "skin/PixelCopy.h"
#include "tests/skin/objects/ObjectTestHost.h"
#include "tests/skin/support/TestFrameSkin.h"

namespace tavo::skin {
namespace {

using namespace test;

constexpr TColor kFont = RGB(200, 200, 200), kActiveFont = RGB(255, 255, 255);
constexpr TColor kShadow = RGB(40, 40, 40), kActiveShadow = RGB(0, 0, 80);

class CaptionFixture : public TTestSkinObjects, public ::testing::Test {
 protected:
  void Load(const TTestFrameSkinOptions& options) {
    TTestSkinObjects::Load(options);
    caption = &static_cast<TSkinCaptionObject&>(*objects[0]);
  }
  void SetUp() override { Load({}); }
  const std::vector<TBlockTextPainter::TCall>& Calls() const { return host.painter.calls; }

  TSkinCaptionObject* caption = nullptr;
};

struct TAlignCase {
  const char* name;
  const char* alignment;
  bool plate;
  int widen;  // ObjectRect wider than the skin rectangle by this
  int x, y;   // where the text goes, relative to the origin
};

class CaptionAlignment : public CaptionFixture, public ::testing::WithParamInterface<TAlignCase> {};

TEST_P(CaptionAlignment, PlacesTheTextInItsArea) {
  const TAlignCase& c = GetParam();
  TTestFrameSkinOptions o;
  o.captionAlignment = c.alignment;
  o.captionPlate = c.plate;
  o.captionShadow = false;
  Load(o);
  caption->ObjectRect = TRect{30, 4, 160 + c.widen, 26};
  TBitmap canvas = NewPicture(300, 40);
  caption->WriteText(canvas, 100, 10, false);
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].x, 100 + c.x);
  EXPECT_EQ(Calls()[0].y, 10 + c.y);
  EXPECT_EQ(Calls()[0].text, "Caption");
  EXPECT_EQ(Calls()[0].color, kFont);
  EXPECT_EQ(Calls()[0].font.Name, "Arial");
  EXPECT_EQ(Calls()[0].font.Height, 14);
  EXPECT_TRUE(Calls()[0].font.Style.Contains(TFontStyle::fsBold));
  EXPECT_EQ(Calls()[0].font.Charset, 134);
}

// "Caption" is 42 x 12. Without plate the area is 4,2,124,20 (120 x 18):
// y = 2 + 9 - 6 = 5. With the plate it shrinks to 9,3,119,20 (110 x 17):
// y = 3 + 8 - 6 = 5. Widening the object by 40 widens the area's right.
INSTANTIATE_TEST_SUITE_P(
    Table, CaptionAlignment,
    ::testing::Values(TAlignCase{"Left", "taleftjustify", false, 0, 4, 5},
                      TAlignCase{"Right", "tarightjustify", false, 0, 124 - 42, 5},
                      TAlignCase{"Centre", "tacenter", false, 0, 4 + 60 - 21, 5},
                      // anything but the two other names is right-justified
                      TAlignCase{"OtherTextIsRight", "TACENTER", false, 0, 124 - 42, 5},
                      TAlignCase{"LeftInPlate", "taleftjustify", true, 0, 9, 5},
                      TAlignCase{"RightInPlate", "tarightjustify", true, 0, 119 - 42, 5},
                      TAlignCase{"CentreInPlate", "tacenter", true, 0, 9 + 55 - 21, 5},
                      TAlignCase{"RightWidened", "tarightjustify", false, 40, 164 - 42, 5},
                      TAlignCase{"CentreInPlateWidened", "tacenter", true, 40, 9 + 75 - 21, 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaptionFixture, CentringTruncatesEachHalfOnItsOwn) {
  TTestFrameSkinOptions o;
  o.captionPlate = false;
  o.captionShadow = false;
  Load(o);
  host.caption = "Cl";  // 9 pixels: 4 + 120 / 2 - 9 / 2 = 60, not 4 + 111 / 2 = 59
  TBitmap canvas = NewPicture(200, 40);
  caption->WriteText(canvas, 0, 0, false);
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].x, 60);
}

TEST_F(CaptionFixture, LongTextIsCutWithThreeDotsToTheAreaWidth) {
  TTestFrameSkinOptions o;
  o.captionPlate = false;
  o.captionShadow = false;
  o.captionAlignment = "taleftjustify";
  Load(o);
  host.caption = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";  // 156 pixels into 120
  TBitmap canvas = NewPicture(200, 40);
  caption->WriteText(canvas, 0, 0, false);
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].text, "ABCDEFGHIJKLMNOPQ...");  // (17 + 3) * 6 = 120
  // A widened caption makes room for more.
  host.painter.calls.clear();
  caption->ObjectRect = TRect{30, 4, 184, 26};  // area 4..148: 144 pixels
  caption->WriteText(canvas, 0, 0, false);
  EXPECT_EQ(Calls()[0].text, "ABCDEFGHIJKLMNOPQRSTU...");  // (21 + 3) * 6 = 144
}

TEST_F(CaptionFixture, ShadowGoesFirstOnePixelRightAndDown) {
  TTestFrameSkinOptions o;
  o.captionPlate = false;
  Load(o);
  TBitmap canvas = NewPicture(200, 40);
  caption->WriteText(canvas, 30, 4, true);
  ASSERT_EQ(Calls().size(), 2u);
  EXPECT_EQ(Calls()[0].color, kActiveShadow);
  EXPECT_EQ(Calls()[0].x, 30 + 43 + 1);
  EXPECT_EQ(Calls()[0].y, 4 + 5 + 1);
  EXPECT_EQ(Calls()[1].color, kActiveFont);
  EXPECT_EQ(Calls()[1].x, 30 + 43);
  EXPECT_EQ(Calls()[1].y, 4 + 5);
  // The text covers the shadow but for its right column and bottom row.
  EXPECT_EQ(canvas.Pixel(73, 9), kActiveFont);
  EXPECT_EQ(canvas.Pixel(73 + 42, 9 + 12), kActiveShadow);
  host.painter.calls.clear();
  caption->WriteText(canvas, 30, 4, false);
  EXPECT_EQ(Calls()[0].color, kShadow);
  EXPECT_EQ(Calls()[1].color, kFont);
}

TEST_F(CaptionFixture, NoTextWithoutTextRectangleOrCaption) {
  TBitmap canvas = NewPicture(200, 40);
  host.caption = "";
  caption->WriteText(canvas, 0, 0, true);
  EXPECT_TRUE(Calls().empty());
  host.caption = "Caption";
  caption->TextRect = TRect{};
  caption->WriteText(canvas, 0, 0, true);
  EXPECT_TRUE(Calls().empty());
  EXPECT_EQ(canvas, NewPicture(200, 40));
}

// The plate of "Caption" (42 wide): 30 + 42 - 20 = 52 by 18, at (x - 5,
// y - 1) = (38, 4) for the centred text at (43, 5); its ends are 5 columns
// of the plate rectangle, the middle (20 columns) repeats.
TEST_F(CaptionFixture, PlateIsLaidUnderTheTextFromTheActiveOrNormalFrameRectangle) {
  TTestFrameSkinOptions o;
  o.captionShadow = false;
  Load(o);
  for (bool active : {false, true}) {
    TBitmap canvas = NewPicture(200, 40);
    caption->WriteText(canvas, 0, 0, active);
    const int sx = active ? 30 : 0;
    const int columns[][2] = {{0, 0}, {4, 4}, {5, 5}, {24, 24}, {25, 5}, {44, 24}, {45, 5}, {46, 6},
                              {47, 25}, {51, 29}};
    for (const auto& [dest, src] : columns) {
      EXPECT_EQ(canvas.Pixel(38 + dest, 4), MarkedPixel(sx + src, 22, kMarkCaption)) << dest;
      EXPECT_EQ(canvas.Pixel(38 + dest, 21), MarkedPixel(sx + src, 39, kMarkCaption)) << dest;
    }
    EXPECT_EQ(canvas.Pixel(37, 10), RGB(255, 255, 255));
    EXPECT_EQ(canvas.Pixel(90, 10), RGB(255, 255, 255));
    EXPECT_EQ(canvas.Pixel(38, 22), RGB(255, 255, 255));
    EXPECT_EQ(canvas.Pixel(43, 5), active ? kActiveFont : kFont);
  }
}

// Background of a 130-wide caption: L = 60 - 30 = 30, Rr = 160 - 150 = 10.
// The middle (R.left + 30 .. R.right - 10, 90 wide) is tiled from x = 0,
// then the 30 left and 10 right columns of R are put back at the edges.
int BackgroundSourceX(int x, int rleft) {
  if (x < 30) return rleft + x;
  if (x >= 120) return rleft + 120 + (x - 120);
  return rleft + 30 + x % 90;
}

TEST_F(CaptionFixture, BackgroundKeepsTheFixedColumnsAndTilesTheMiddle) {
  caption->ObjectRect = caption->SkinRect;
  const TBitmap normal = caption->Background(&data.Picture, caption->SkinRect);
  const TBitmap active = caption->Background(caption->ActivePicture, caption->ActiveSkinRect);
  ASSERT_EQ(normal.Width(), 130);
  ASSERT_EQ(normal.Height(), 22);
  for (int y = 0; y < 22; ++y)
    for (int x = 0; x < 130; ++x) {
      ASSERT_EQ(normal.Pixel(x, y), MarkedPixel(BackgroundSourceX(x, 30), 4 + y, kMarkPicture)) << x << "," << y;
      ASSERT_EQ(active.Pixel(x, y), MarkedPixel(BackgroundSourceX(x, 0), y, kMarkCaption)) << x << "," << y;
    }
  // A wider caption repeats the middle further: x = 200 of a 230-wide one
  // is the right end's column 70 - 60 = 10 - (230 - 200) ... from the edge.
  caption->ObjectRect = TRect{30, 4, 260, 26};
  const TBitmap wide = caption->Background(&data.Picture, caption->SkinRect);
  EXPECT_EQ(wide.Pixel(219, 0), MarkedPixel(30 + 30 + 219 % 90, 4, kMarkPicture));
  EXPECT_EQ(wide.Pixel(220, 0), MarkedPixel(150, 4, kMarkPicture));
  EXPECT_EQ(wide.Pixel(229, 0), MarkedPixel(159, 4, kMarkPicture));
}

TEST_F(CaptionFixture, BackgroundIsStretchedWhenNoColumnIsFixed) {
  data.lefttoppoint.x = 30;
  data.righttoppoint.x = 160;
  caption->ObjectRect = TRect{0, 0, 260, 22};
  const TBitmap bg = caption->Background(&data.Picture, caption->SkinRect);
  for (int x = 0; x < 260; ++x) ASSERT_EQ(bg.Pixel(x, 3), MarkedPixel(30 + x / 2, 7, kMarkPicture)) << x;
}

class CaptionDraw : public CaptionFixture {
 protected:
  void SetUp() override {
    TTestFrameSkinOptions o;
    o.captionPlate = false;
    o.captionShadow = false;
    o.autoRenderInactive = true;
    o.inactiveEffect = "iegrayscale";
    Load(o);
    caption->ObjectRect = caption->SkinRect;  // 30,4,160,26
  }
  TBitmap Drawn() {
    TBitmap canvas = NewPicture(200, 40);
    caption->Draw(canvas, false);
    return canvas;
  }
};

uint8_t Gray(TColor c) {
  return static_cast<uint8_t>(std::nearbyint(GetRValue(c) * 0.3 + GetGValue(c) * 0.59 + GetBValue(c) * 0.11));
}

TEST_F(CaptionDraw, WithoutActiveImageTheTextGoesStraightOntoThePiece) {
  // As an object made without an active picture: no active rectangle, so
  // no morphing either.
  caption->ActiveSkinRect = TRect{};
  caption->Morphing = false;
  caption->Active = true;
  TBitmap canvas = Drawn();
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].x, 30 + 43);
  EXPECT_EQ(Calls()[0].y, 4 + 5);
  EXPECT_EQ(Calls()[0].color, kActiveFont);
  EXPECT_EQ(canvas.Pixel(30, 4), RGB(255, 255, 255)) << "no background drawn";
}

TEST_F(CaptionDraw, NotMorphingAndInactiveWritesTheInactiveText) {
  caption->Morphing = false;
  caption->Active = false;
  const TBitmap canvas = Drawn();
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].color, kFont);
  EXPECT_EQ(canvas.Pixel(31, 5), RGB(255, 255, 255));
}

TEST_F(CaptionDraw, ActiveShowsTheActiveImage) {
  caption->Active = true;
  caption->MorphFactor = 1;
  const TBitmap canvas = Drawn();
  EXPECT_EQ(canvas.Pixel(30 + 1, 4 + 1), MarkedPixel(1, 1, kMarkCaption));
  EXPECT_EQ(canvas.Pixel(30 + 100, 4 + 20), MarkedPixel(BackgroundSourceX(100, 0), 20, kMarkCaption));
  EXPECT_EQ(canvas.Pixel(30 + 43, 4 + 5), kActiveFont);
  EXPECT_EQ(canvas.Pixel(29, 4), RGB(255, 255, 255));
  EXPECT_EQ(canvas.Pixel(160, 4), RGB(255, 255, 255));
}

TEST_F(CaptionDraw, InactiveFinishedShowsTheNormalImageWithTheInactiveEffect) {
  caption->Active = false;
  caption->MorphFactor = 0;
  const TBitmap canvas = Drawn();
  const TColor src = MarkedPixel(BackgroundSourceX(100, 30), 4 + 20, kMarkPicture);
  EXPECT_EQ(canvas.Pixel(30 + 100, 4 + 20), RGB(Gray(src), Gray(src), Gray(src)));
  EXPECT_EQ(canvas.Pixel(30 + 43, 4 + 5), RGB(200, 200, 200));  // grey stays grey
}

TEST_F(CaptionDraw, TransitionBlendsTheTwoImages) {
  caption->Active = true;
  caption->MorphFactor = 0.4;
  TBitmap canvas = Drawn();
  const TColor n = MarkedPixel(BackgroundSourceX(100, 30), 4 + 20, kMarkPicture);
  const TColor a = MarkedPixel(BackgroundSourceX(100, 0), 20, kMarkCaption);
  auto mix = [](uint8_t s, uint8_t o, double f) { return static_cast<uint8_t>(std::nearbyint((1 - f) * s + f * o)); };
  EXPECT_EQ(canvas.Pixel(130, 24), RGB(mix(GetRValue(n), GetRValue(a), 0.4), mix(GetGValue(n), GetGValue(a), 0.4),
                                       mix(GetBValue(n), GetBValue(a), 0.4)));
  // Going inactive, the blend gets the inactive effect.
  caption->Active = false;
  canvas = Drawn();
  const TColor blend = RGB(mix(GetRValue(n), GetRValue(a), 0.4), mix(GetGValue(n), GetGValue(a), 0.4),
                           mix(GetBValue(n), GetBValue(a), 0.4));
  EXPECT_EQ(canvas.Pixel(130, 24), RGB(Gray(blend), Gray(blend), Gray(blend)));
}

TEST_F(CaptionDraw, WithoutAutoRenderingTheInactiveImageIsLeftAlone) {
  data.autorenderinginactiveimage = false;
  caption->Active = false;
  const TBitmap canvas = Drawn();
  EXPECT_EQ(canvas.Pixel(130, 24), MarkedPixel(BackgroundSourceX(100, 30), 4 + 20, kMarkPicture));
}

}  // namespace
}  // namespace tavo::skin
