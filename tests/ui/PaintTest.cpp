// What forms and panels draw: windowless controls at their own origin and
// clipped to their rectangle, transparency, panel bevels, stretched
// pictures; checked pixel by pixel on the composed client area.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/ui/UiTestSupport.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Panel.h"

namespace tavo::ui {
namespace {

using testing_support::TClientPicture;

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new testing_support::TUiEnvironment);

constexpr COLORREF kFormColor = RGB(10, 20, 30);
constexpr COLORREF kInk = RGB(200, 0, 100);

TFormLayout Layout(int w, int h) {
  TFormLayout layout;
  layout.ClientWidth = w;
  layout.ClientHeight = h;
  layout.BorderStyle = TBorderStyle::bsNone;
  layout.Color = kFormColor;
  return layout;
}

// Fills far beyond its own rectangle and marks its (0, 0) pixel.
class TGreedyPainter : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  void Paint(HDC dc) override {
    const RECT everything{-1000, -1000, 1000, 1000};
    FillRectColor(dc, everything, kInk);
    SetPixel(dc, 0, 0, RGB(0, 255, 0));
  }
};

TEST(PaintTest, WindowlessControlPaintsAtItsOriginClippedToItsRectangle) {
  TForm form(Layout(100, 80));
  TGreedyPainter painter(form);
  painter.SetBounds(20, 10, 30, 40);
  const TClientPicture picture(form.Handle());
  EXPECT_EQ(picture.At(20, 10), RGB(0, 255, 0));
  EXPECT_EQ(picture.At(21, 10), kInk);
  EXPECT_EQ(picture.At(49, 49), kInk);
  // Just outside on every side: the form's colour.
  EXPECT_EQ(picture.At(19, 30), kFormColor);
  EXPECT_EQ(picture.At(50, 30), kFormColor);
  EXPECT_EQ(picture.At(30, 9), kFormColor);
  EXPECT_EQ(picture.At(30, 50), kFormColor);
}

TEST(PaintTest, LaterControlsPaintOverEarlierOnesAndHiddenOnesNotAtAll) {
  TForm form(Layout(100, 80));
  TGreedyPainter under(form);
  under.SetBounds(0, 0, 60, 60);
  TLabel over(form);
  over.SetAutoSize(false);
  over.SetBounds(30, 30, 40, 40);
  over.SetColor(RGB(1, 2, 3));
  EXPECT_EQ(TClientPicture(form.Handle()).At(45, 45), RGB(1, 2, 3));
  over.SetVisible(false);
  EXPECT_EQ(TClientPicture(form.Handle()).At(45, 45), kInk);
}

TEST(PaintTest, TransparentLabelLeavesTheBackgroundBetweenLetters) {
  TForm form(Layout(200, 60));
  TLabel label(form);
  label.SetCaption("I");
  TFont font;
  font.Name = "Arial";
  font.Height = -30;
  font.Color = RGB(255, 0, 0);
  label.SetFont(font);
  label.SetColor(RGB(0, 0, 255));
  // Opaque: the label's own colour fills its corner.
  EXPECT_EQ(TClientPicture(form.Handle()).At(0, 0), RGB(0, 0, 255));
  label.SetTransparent(true);
  const TClientPicture picture(form.Handle());
  EXPECT_EQ(picture.At(0, 0), kFormColor);
  // Some letter pixels are there.
  int red = 0;
  for (int y = 0; y < label.Height(); ++y)
    for (int x = 0; x < label.Width(); ++x) red += picture.At(x, y) == RGB(255, 0, 0);
  EXPECT_GT(red, 0);
}

TEST(PaintTest, AutoSizedLabelFollowsItsText) {
  TForm form(Layout(300, 60));
  TLabel label(form);
  TFont font;
  font.Name = "Arial";
  font.Height = -20;
  label.SetFont(font);
  label.SetCaption("W");
  const int one = label.Width();
  label.SetCaption("WWWW");
  EXPECT_GT(label.Width(), 3 * one);
  // An empty caption keeps one line's height.
  const int height = label.Height();
  label.SetCaption("");
  EXPECT_EQ(label.Height(), height);
  EXPECT_GT(label.Width(), 0);
}

struct TBevelCase {
  TBevelCut outer;
  TBevelCut inner;
  int width;
  // Expected colours of the top-left and bottom-right pixel of ring k.
  std::vector<std::pair<COLORREF, COLORREF>> rings;
};

class PanelBevelTest : public ::testing::TestWithParam<TBevelCase> {};

TEST_P(PanelBevelTest, DrawsRingsInOrder) {
  const COLORREF hi = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF sh = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF face = RGB(0, 234, 234);
  TForm form(Layout(120, 60));
  TPanel panel(form);
  panel.SetBounds(0, 0, 100, 41);
  panel.SetColor(face);
  panel.SetBevelOuter(GetParam().outer);
  panel.SetBevelInner(GetParam().inner);
  panel.SetBevelWidth(GetParam().width);
  const TClientPicture picture(panel.Handle());
  auto name = [&](COLORREF c) { return c == hi ? "highlight" : c == sh ? "shadow" : c == face ? "face" : "other"; };
  int k = 0;
  for (const auto& [topLeft, bottomRight] : GetParam().rings) {
    const COLORREF tl = topLeft == 1 ? hi : topLeft == 2 ? sh : face;
    const COLORREF br = bottomRight == 1 ? hi : bottomRight == 2 ? sh : face;
    EXPECT_STREQ(name(picture.At(k, k + 5)), name(tl)) << "ring " << k << " left";
    EXPECT_STREQ(name(picture.At(k + 5, k)), name(tl)) << "ring " << k << " top";
    EXPECT_STREQ(name(picture.At(99 - k, k + 5)), name(br)) << "ring " << k << " right";
    EXPECT_STREQ(name(picture.At(k + 5, 40 - k)), name(br)) << "ring " << k << " bottom";
    ++k;
  }
  EXPECT_EQ(picture.At(50, 20), face);
}

// Ring colours: 1 highlight, 2 shadow, 3 face.
INSTANTIATE_TEST_SUITE_P(
    Bevels, PanelBevelTest,
    ::testing::Values(TBevelCase{TBevelCut::bvRaised, TBevelCut::bvLowered, 1, {{1, 2}, {2, 1}, {3, 3}}},
                      TBevelCase{TBevelCut::bvRaised, TBevelCut::bvNone, 2, {{1, 2}, {1, 2}, {3, 3}}},
                      TBevelCase{TBevelCut::bvLowered, TBevelCut::bvNone, 1, {{2, 1}, {3, 3}}},
                      TBevelCase{TBevelCut::bvNone, TBevelCut::bvNone, 1, {{3, 3}}}));

}  // namespace
}  // namespace tavo::ui
