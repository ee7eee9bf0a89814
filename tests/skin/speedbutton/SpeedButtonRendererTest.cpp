// The speed button's pictures: glyph and caption placement, glyph cells,
// the skin faces of every state with their fallbacks and font colours, the
// morph between normal and active face, and the plain image without skin.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "skin/SpeedButtonRenderer.h"
#include "tests/skin/pixels/Pictures.h"

namespace tavo::skin {
namespace {

using test::Coord;
using test::CoordPicture;

// Text 6 pixels a byte wide and 12 high; drawing fills the text's own
// rectangle (centred in the box) with the colour and writes the call down.
class TBlockPainter : public TButtonTextPainter {
 public:
  struct TCall {
    TRect box;
    std::string text;
    TButtonFont font;
    TColor color;
  };
  TPoint TextExtent(const std::string& text, const TButtonFont&) override {
    return TPoint{static_cast<int32_t>(6 * text.size()), 12};
  }
  void PaintText(TBitmap& canvas, const TRect& box, const std::string& text, const TButtonFont& font,
                TColor color) override {
    calls.push_back(TCall{box, text, font, color});
    const int w = static_cast<int>(6 * text.size());
    const int left = box.left + (box.right - box.left - w) / 2;
    for (int y = box.top; y < box.bottom; ++y)
      for (int x = left; x < left + w; ++x) canvas.SetPixel(x, y, color);
  }
  std::vector<TCall> calls;
};

struct TPlaceCase {
  const char* name;
  TButtonLayout layout;
  int margin;
  TPoint glyph, caption;
};

class PlaceGlyphAndTextTest : public ::testing::TestWithParam<TPlaceCase> {};

// Rectangle 10,20,110,60 (cx = 60, cy = 40); glyph 16 x 10, caption 30 x 13,
// spacing 4. Centred sums: 16 + 30 + 4 = 50 (half 25); 10 + 13 + 4 = 27
// (half 13).
TEST_P(PlaceGlyphAndTextTest, FollowsLayoutAndMargin) {
  const TPlaceCase& c = GetParam();
  const TGlyphTextPlacement p = PlaceGlyphAndText(TRect{10, 20, 110, 60}, 16, 10, 30, 13, c.layout, c.margin, 4);
  EXPECT_EQ(p.Glyph, c.glyph);
  EXPECT_EQ(p.Caption, c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, PlaceGlyphAndTextTest,
    ::testing::Values(
        // x: 60 - 25 = 35; caption 60 + 25 - 30 = 55; y: 40 - 5, 40 - 6
        TPlaceCase{"LeftCentred", TButtonLayout::blGlyphLeft, -1, {35, 35}, {55, 34}},
        TPlaceCase{"LeftMargin3", TButtonLayout::blGlyphLeft, 3, {13, 35}, {33, 34}},
        // caption 60 - 25 = 35; glyph 60 + 25 - 16 = 69
        TPlaceCase{"RightCentred", TButtonLayout::blGlyphRight, -1, {69, 35}, {35, 34}},
        // glyph 110 - 16 - 3 = 91; caption 91 - 4 - 30 = 57
        TPlaceCase{"RightMargin3", TButtonLayout::blGlyphRight, 3, {91, 35}, {57, 34}},
        // x: 60 - 8 = 52, 60 - 15 = 45; y: 40 - 13 = 27, 40 + 13 - 13 = 40
        TPlaceCase{"TopCentred", TButtonLayout::blGlyphTop, -1, {52, 27}, {45, 40}},
        TPlaceCase{"TopMargin2", TButtonLayout::blGlyphTop, 2, {52, 22}, {45, 36}},
        // caption 27; glyph 40 + 13 - 10 = 43
        TPlaceCase{"BottomCentred", TButtonLayout::blGlyphBottom, -1, {52, 43}, {45, 27}},
        // glyph 60 - 10 - 2 = 48; caption 48 - 4 - 13 = 31
        TPlaceCase{"BottomMargin2", TButtonLayout::blGlyphBottom, 2, {52, 48}, {45, 31}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GlyphCellTest, StateChoosesTheCell) {
  struct {
    int n;
    bool active, down, enabled;
    int cell;
  } cases[] = {
      {4, true, true, true, 3},   {3, true, true, false, 3}, {2, true, true, true, 1},
      {4, true, false, true, 4},  {3, true, false, true, 1}, {4, false, false, false, 2},
      {1, false, false, false, 1}, {2, false, false, false, 2}, {4, false, true, true, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GlyphCell(c.n, c.active, c.down, c.enabled), c.cell)
        << c.n << " " << c.active << c.down << c.enabled;
}

// The "toolbutton" section of the button skin, on a picture whose pixels
// name their coordinates, with a distinct colour for every font state.
std::unique_ptr<TDataSkinButtonControl> ToolButtonSection() {
  auto section = std::make_unique<TDataSkinButtonControl>("toolbutton");
  TDataSkinButtonControl& s = *section;
  s.pictureindex = 1;
  s.skinrect = TRect{55, 31, 80, 57};
  s.lefttoppoint = TPoint{5, 12};
  s.righttoppoint = TPoint{20, 12};
  s.clientrect = TRect{2, 3, 23, 24};
  s.activeskinrect = TRect{80, 31, 105, 57};
  s.downskinrect = TRect{105, 31, 131, 57};
  s.fontcolor = RGB(1, 1, 1);
  s.activefontcolor = RGB(2, 2, 2);
  s.downfontcolor = RGB(3, 3, 3);
  s.disabledfontcolor = RGB(4, 4, 4);
  return section;
}

class SpeedButtonFaceTest : public ::testing::Test {
 protected:
  SpeedButtonFaceTest() : pictures{TBitmap(), CoordPicture(140, 60)}, renderer(painter) {
    face.Width = 94;
    face.Height = 26;
    face.Caption = "\xCF\xC2\xD2\xBB\xB2\xBD";  // "下一步" in code page 936: 6 bytes, 36 pixels
  }
  TBitmap Render(const TDataSkinButtonControl& section) {
    const TSpeedButtonSkin skin = SpeedButtonSkinFrom(section, pictures, face.Transparent);
    return renderer.Render(face, &skin, TBitmap());
  }

  std::vector<TBitmap> pictures;
  TBlockPainter painter;
  TSpeedButtonRenderer renderer;
  TSpeedButtonFace face;
};

TEST_F(SpeedButtonFaceTest, EachStateDrawsItsRectangleAndColour) {
  // Placed client rectangle 2,3,92,24: cx = 47, cy = 13; caption 36 x 12,
  // spacing 1: x = 47 + 37 / 2 - 36 = 29, y = 13 - 6 = 7; box 38 wide.
  struct {
    const char* state;
    bool inside, pressed, enabled;
    int sourceLeft, sourceRight;
    TColor color;
    TRect box;
  } cases[] = {
      {"normal", false, false, true, 55, 79, RGB(1, 1, 1), {29, 7, 67, 19}},
      {"active", true, false, true, 80, 104, RGB(2, 2, 2), {29, 7, 67, 19}},
      // The down picture is 26 columns wide: its right end is still the
      // 25 - 20 = 5 last columns, 126..130.
      {"down", true, true, true, 105, 130, RGB(3, 3, 3), {30, 8, 68, 20}},
      {"disabled", false, false, false, 55, 79, RGB(4, 4, 4), {29, 7, 67, 19}},
  };
  for (const auto& c : cases) {
    face.MouseInside = c.inside;
    face.Pressed = c.pressed;
    face.Enabled = c.enabled;
    painter.calls.clear();
    const TBitmap b = Render(*ToolButtonSection());
    ASSERT_EQ(b.Width(), 94) << c.state;
    ASSERT_EQ(b.Height(), 26) << c.state;
    EXPECT_EQ(b.Pixel(0, 0), Coord(c.sourceLeft, 31)) << c.state;
    EXPECT_EQ(b.Pixel(93, 25), Coord(c.sourceRight, 56)) << c.state;
    EXPECT_EQ(b.Pixel(89, 25), Coord(c.sourceRight - 4, 56)) << c.state;
    EXPECT_EQ(b.Pixel(10, 2), Coord(c.sourceLeft + 5 + 5, 33)) << c.state;
    ASSERT_EQ(painter.calls.size(), 1u) << c.state;
    EXPECT_EQ(painter.calls[0].box, c.box) << c.state;
    EXPECT_EQ(painter.calls[0].color, c.color) << c.state;
    EXPECT_EQ(painter.calls[0].font.Name, "Arial");
    EXPECT_EQ(b.Pixel(c.box.left + 1, c.box.top), c.color) << c.state;
  }
}

TEST_F(SpeedButtonFaceTest, EmptyActiveAndDownRectanglesFallBackToTheSkinRectangle) {
  const auto section = ToolButtonSection();
  TDataSkinButtonControl& s = *section;
  s.activeskinrect = TRect{};
  s.downskinrect = TRect{};
  face.MouseInside = true;
  EXPECT_EQ(Render(s).Pixel(0, 0), Coord(55, 31));
  face.Pressed = true;
  EXPECT_EQ(Render(s).Pixel(0, 0), Coord(55, 31));
  // Only the down rectangle empty: it takes the active one.
  s.activeskinrect = TRect{80, 31, 105, 57};
  EXPECT_EQ(Render(s).Pixel(0, 0), Coord(80, 31));
}

TEST_F(SpeedButtonFaceTest, DisabledUsesItsOwnRectangleWhenTheSectionHasOne) {
  const auto section = ToolButtonSection();
  TDataSkinButtonControl& s = *section;
  s.disabledskinrect = TRect{10, 2, 35, 28};
  face.Enabled = false;
  const TBitmap b = Render(s);
  EXPECT_EQ(b.Pixel(0, 0), Coord(10, 2));
  EXPECT_EQ(painter.calls.back().color, RGB(4, 4, 4));
}

TEST_F(SpeedButtonFaceTest, MorphMixesNormalAndActiveFaces) {
  const auto section = ToolButtonSection();
  TDataSkinButtonControl& s = *section;
  s.morphing = true;
  face.ShowCaption = false;
  // Column 0 of the normal face is red 55, of the active face red 80; green
  // is the row in both, blue 7.
  for (int step = 1; step <= 4; ++step) {
    face.MorphFactor = 0.2 * step;
    const int expectedRed = static_cast<int>(std::nearbyint(55 + (80 - 55) * 0.2 * step));  // 60, 65, 70, 75
    EXPECT_EQ(Render(s).Pixel(0, 4), RGB(static_cast<uint8_t>(expectedRed), 35, 7)) << step;
  }
  // Mouse inside at factor 0: the blend has not begun, the normal face shows.
  face.MouseInside = true;
  face.MorphFactor = 0;
  EXPECT_EQ(Render(s).Pixel(0, 4), Coord(55, 35));
  face.MouseInside = false;
  // At exactly 1 the active face shows even with the mouse outside.
  face.MorphFactor = 1;
  EXPECT_EQ(Render(s).Pixel(0, 4), Coord(80, 35));
  // A transparent button does not morph: at 0.4 it shows no face at all.
  face.Transparent = true;
  face.MorphFactor = 0.4;
  EXPECT_EQ(Render(s).Pixel(0, 4), test::kWhite);
}

TEST_F(SpeedButtonFaceTest, UseSkinFontOffTakesTheDefaultFont) {
  face.UseSkinFont = false;
  face.DefaultFont.Name = "SimSun";
  face.DefaultFont.Height = 12;
  face.Charset = 134;
  Render(*ToolButtonSection());
  ASSERT_EQ(painter.calls.size(), 1u);
  EXPECT_EQ(painter.calls[0].font.Name, "SimSun");
  EXPECT_EQ(painter.calls[0].font.Height, 12);
  EXPECT_EQ(painter.calls[0].font.Charset, 134);
  EXPECT_EQ(painter.calls[0].color, RGB(1, 1, 1));  // colours stay the skin's
}

TEST_F(SpeedButtonFaceTest, GlyphCellIsDrawnBesideTheCaption) {
  // Two cells of 8 x 6: cell 1 red, cell 2 blue, each with a white bottom
  // row that is transparent.
  TBitmap glyph = test::Filled(16, 6, RGB(255, 0, 0));
  for (int x = 8; x < 16; ++x)
    for (int y = 0; y < 6; ++y) glyph.SetPixel(x, y, RGB(0, 0, 255));
  for (int x = 0; x < 16; ++x) glyph.SetPixel(x, 5, test::kWhite);
  face.Glyph = &glyph;
  face.NumGlyphs = 2;
  // gw 8, tw 36, s 1: glyph x = 47 - 45 / 2 = 25, caption x = 47 + 22 - 36 = 33;
  // glyph y = 13 - 3 = 10.
  TBitmap b = Render(*ToolButtonSection());
  EXPECT_EQ(painter.calls.back().box, (TRect{33, 7, 71, 19}));
  EXPECT_EQ(b.Pixel(25, 10), RGB(255, 0, 0));
  EXPECT_EQ(b.Pixel(32, 14), RGB(255, 0, 0));
  EXPECT_EQ(b.Pixel(25, 15), Coord(55 + 5 + (25 - 5) % 15, 31 + 15));  // transparent row
  face.Enabled = false;
  b = Render(*ToolButtonSection());
  EXPECT_EQ(b.Pixel(25, 10), RGB(0, 0, 255));
}

class PlainImageTest : public ::testing::Test {
 protected:
  PlainImageTest() : renderer(painter) {
    face.Width = 94;
    face.Height = 25;
    face.Caption = "OK";
    face.ButtonFace = RGB(212, 208, 200);
    face.ButtonShadow = RGB(128, 128, 128);
    face.DefaultFontColor = RGB(9, 9, 9);
  }
  TBlockPainter painter;
  TSpeedButtonRenderer renderer;
  TSpeedButtonFace face;
};

TEST_F(PlainImageTest, FrameAndFillFollowTheState) {
  struct {
    const char* state;
    bool inside, pressed;
    TColor frame, fill;
  } cases[] = {
      {"normal", false, false, RGB(128, 128, 128), RGB(212, 208, 200)},
      {"hover", true, false, RGB(0, 0, 128), RGB(182, 189, 210)},
      {"pressed", true, true, RGB(0, 0, 128), RGB(133, 147, 181)},
  };
  for (const auto& c : cases) {
    face.MouseInside = c.inside;
    face.Pressed = c.pressed;
    const TBitmap b = renderer.Render(face, nullptr, TBitmap());
    ASSERT_EQ(b.Width(), 94);
    ASSERT_EQ(b.Height(), 25);
    for (TPoint p : {TPoint{0, 0}, TPoint{93, 0}, TPoint{0, 24}, TPoint{93, 24}, TPoint{50, 0}, TPoint{0, 12}})
      EXPECT_EQ(b.Pixel(p.x, p.y), c.frame) << c.state << " " << p.x << "," << p.y;
    EXPECT_EQ(b.Pixel(1, 1), c.fill) << c.state;
    EXPECT_EQ(b.Pixel(92, 23), c.fill) << c.state;
  }
}

TEST_F(PlainImageTest, CaptionCentredInTheWholeButtonShiftedWhenPressed) {
  // cx = 47, cy = 12; caption 12 x 12: x = 47 + 13 / 2 - 12 = 41, y = 6.
  renderer.Render(face, nullptr, TBitmap());
  EXPECT_EQ(painter.calls.back().box, (TRect{41, 6, 55, 18}));
  EXPECT_EQ(painter.calls.back().color, RGB(9, 9, 9));
  face.Pressed = true;
  renderer.Render(face, nullptr, TBitmap());
  EXPECT_EQ(painter.calls.back().box, (TRect{42, 7, 56, 19}));
  face.Pressed = false;
  face.Enabled = false;
  renderer.Render(face, nullptr, TBitmap());
  EXPECT_EQ(painter.calls.back().color, RGB(128, 128, 128));
}

TEST_F(PlainImageTest, FlatAndTransparentButtonsLetTheBackgroundThrough) {
  const TBitmap background = test::Filled(94, 25, RGB(0, 90, 0));
  face.Flat = true;
  face.Transparent = true;
  TBitmap b = renderer.Render(face, nullptr, background);
  EXPECT_EQ(b.Pixel(0, 0), RGB(0, 90, 0));
  EXPECT_EQ(b.Pixel(20, 12), RGB(0, 90, 0));
  face.Transparent = false;  // flat alone: the whole button in the face colour
  b = renderer.Render(face, nullptr, background);
  EXPECT_EQ(b.Pixel(0, 0), RGB(212, 208, 200));
  face.Designing = true;  // a flat button still shows its frame in a designer
  b = renderer.Render(face, nullptr, background);
  EXPECT_EQ(b.Pixel(0, 0), RGB(128, 128, 128));
}

TEST_F(PlainImageTest, TransparentSkinButtonDrawsOnlyItsCaptionOverTheBackground) {
  std::vector<TBitmap> pictures{TBitmap(), CoordPicture(140, 60)};
  face.Width = 94;
  face.Height = 26;
  face.Transparent = true;
  const TSpeedButtonSkin skin = SpeedButtonSkinFrom(*ToolButtonSection(), pictures, true);
  EXPECT_FALSE(skin.Morphing);
  const TBitmap background = test::Filled(94, 26, RGB(0, 90, 0));
  const TBitmap b = renderer.Render(face, &skin, background);
  EXPECT_EQ(b.Pixel(0, 0), RGB(0, 90, 0));
  EXPECT_EQ(painter.calls.back().color, RGB(1, 1, 1));
  // Placed client rectangle 2,3,92,24 as for the face: caption 12 wide at
  // 47 + 6 - 12 = 41.
  EXPECT_EQ(painter.calls.back().box, (TRect{41, 7, 55, 19}));
}

}  // namespace
}  // namespace tavo::skin
