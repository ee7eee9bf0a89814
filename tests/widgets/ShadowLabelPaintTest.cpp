// Painting of the shadow label: the label is painted through its parent into
// a memory bitmap, and every pixel is checked against a reference made here
// by drawing the caption once with DrawTextA in black on white.
#include <algorithm>
#include <ostream>
#include <string>

#include "LabelTestSupport.h"
#include "ui/Edit.h"

namespace tavo::widgets::test {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// The caption drawn once, black on white, in a bitmap of the label's size at
// the place where the label must draw its text. Its fully black pixels are
// where the text has full cover; its white pixels have none.
class TReference {
 public:
  // The text starts at textRect's corner and is clipped to clip (the text
  // rectangle itself when none is given).
  TReference(const std::string& caption, int width, int height, RECT textRect, const RECT* clip = nullptr)
      : font_(kSongTi, -27, true), pixels_(width, height, kWhite) {
    pixels_.Text(font_.Get(), caption, textRect, kBlack, DT_EXPANDTABS | DT_LEFT, clip ? clip : &textRect);
  }
  bool Full(int x, int y) const { return pixels_.At(x, y) == kBlack; }
  bool None(int x, int y) const { return pixels_.At(x, y) == kWhite; }
  int FullCount() const { return pixels_.Count(RECT{0, 0, pixels_.Width(), pixels_.Height()}, kBlack); }

 private:
  TTestFont font_;
  TPixels pixels_;
};

struct TExpectedLook {
  COLORREF text;
  COLORREF shadow;
  COLORREF back;
  int dx;
  int dy;
};

struct TLookCounts {
  int shadow = 0;       // pixels that must show the shadow colour
  int between = 0;      // background pixels between the first and last inked column
};

// Checks the label's rectangle pixel by pixel: where the reference text has
// full cover the label shows the text colour; where the text leaves a pixel
// untouched but the text moved by (dx, dy) fully covers it, the shadow
// colour; where neither touches it, the background. Blended edge pixels are
// not checked.
TLookCounts ExpectLook(const TPixels& painted, const RECT& bounds, const TReference& ref, const TExpectedLook& look) {
  int wrong = 0;
  TLookCounts counts;
  int firstInk = bounds.right - bounds.left;
  int lastInk = -1;
  for (int y = 0; y < bounds.bottom - bounds.top; ++y) {
    for (int x = 0; x < bounds.right - bounds.left; ++x) {
      if (ref.Full(x, y)) {
        firstInk = std::min(firstInk, x);
        lastInk = std::max(lastInk, x);
      }
    }
  }
  std::string first;
  for (int y = 0; y < bounds.bottom - bounds.top; ++y) {
    for (int x = 0; x < bounds.right - bounds.left; ++x) {
      const COLORREF got = painted.At(bounds.left + x, bounds.top + y);
      COLORREF want;
      if (ref.Full(x, y)) {
        want = look.text;
      } else if (!ref.None(x, y)) {
        continue;
      } else if (ref.Full(x - look.dx, y - look.dy)) {
        want = look.shadow;
        ++counts.shadow;
      } else if (ref.None(x - look.dx, y - look.dy)) {
        want = look.back;
        if (x > firstInk && x < lastInk) ++counts.between;
      } else {
        continue;
      }
      if (got != want) {
        if (!wrong) first = "first at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
        ++wrong;
      }
    }
  }
  EXPECT_EQ(wrong, 0) << first;
  return counts;
}

// Nothing is painted outside the label: a ring of `width` pixels around it
// keeps the panel colour.
void ExpectClipped(const TPixels& painted, const RECT& bounds, int width) {
  RECT outer = bounds;
  InflateRect(&outer, width, width);
  const int total = (outer.right - outer.left) * (outer.bottom - outer.top);
  const int inner = (bounds.right - bounds.left) * (bounds.bottom - bounds.top);
  EXPECT_EQ(painted.Count(outer, kPanelColor) - painted.Count(bounds, kPanelColor), total - inner);
}

using PaintTest = LabelFixture;

struct ShadowCase {
  const char* name;
  TShadowPosition position;
  uint8_t size;
  int dx;
  int dy;
};

void PrintTo(const ShadowCase& c, std::ostream* os) { *os << c.name; }

class ShadowPositionTest : public LabelFixture, public ::testing::WithParamInterface<ShadowCase> {};

TEST_P(ShadowPositionTest, ShadowLiesAtItsOffsetUnderTheText) {
  const ShadowCase& c = GetParam();
  TShadowLabel label(*panel_);
  label.SetAutoSize(false);
  label.SetBounds(40, 30, 220, 70);
  label.SetFont(SplashFont());
  label.SetColor(ui::clWhite);
  label.SetShadowColor(ui::clLime);
  label.SetShadowSize(c.size);
  label.SetShadowPos(c.position);
  label.SetCaption(kInstallCaption);

  const auto painted = PaintPanel();
  const TReference ref(kInstallCaption, 220, 70, RECT{1, 0, 219, 70});
  ASSERT_GT(ref.FullCount(), 100);
  const TLookCounts counts =
      ExpectLook(*painted, label.BoundsRect(), ref, {RGB(255, 0, 0), RGB(0, 255, 0), kWhite, c.dx, c.dy});
  if (c.size > 0) {
    EXPECT_GT(counts.shadow, 20);
  }
  ExpectClipped(*painted, label.BoundsRect(), 6);
}

INSTANTIATE_TEST_SUITE_P(Positions, ShadowPositionTest,
                         ::testing::Values(ShadowCase{"LeftTop", TShadowPosition::spLeftTop, 3, -3, -3},
                                           ShadowCase{"LeftBottom", TShadowPosition::spLeftBottom, 3, -3, 3},
                                           ShadowCase{"RightBottom", TShadowPosition::spRightBottom, 3, 3, 3},
                                           ShadowCase{"RightTop", TShadowPosition::spRightTop, 3, 3, -3},
                                           ShadowCase{"OnePixelLeftTop", TShadowPosition::spLeftTop, 1, -1, -1},
                                           ShadowCase{"Size0", TShadowPosition::spRightBottom, 0, 0, 0}),
                         [](const ::testing::TestParamInfo<ShadowCase>& info) { return std::string(info.param.name); });

// The splash captions: auto-sized, transparent over the cyan panel, red
// with a one-pixel lime shadow to the upper left whose top row is clipped.
TEST_F(PaintTest, SplashCaptionsShowThePanelBetweenTheLetters) {
  for (const std::string& caption : {kInstallCaption, kExitCaption}) {
    SCOPED_TRACE(caption == kInstallCaption ? "install" : "exit");
    TShadowLabel label(*panel_);
    label.SetBounds(63, 6, 65, 17);
    label.SetFont(SplashFont());
    label.SetShadowColor(ui::clLime);
    label.SetTransparent(true);
    label.SetCaption(caption);

    const auto painted = PaintPanel();
    const RECT bounds = label.BoundsRect();
    const TReference ref(caption, label.Width(), label.Height(), RECT{1, 0, label.Width() - 1, label.Height()});
    const TLookCounts counts =
        ExpectLook(*painted, bounds, ref, {RGB(255, 0, 0), RGB(0, 255, 0), kPanelColor, -1, -1});
    EXPECT_GT(counts.shadow, 0);
    EXPECT_GT(counts.between, 50);
    ExpectClipped(*painted, bounds, 4);
  }
}

TEST_F(PaintTest, OpaqueLabelFillsItsRectangleFirst) {
  TShadowLabel label(*panel_);
  label.SetBounds(63, 6, 65, 17);
  label.SetFont(SplashFont());
  label.SetShadowColor(ui::clLime);
  label.SetColor(ui::RGBColor(255, 255, 0));
  label.SetCaption(kInstallCaption);
  const auto painted = PaintPanel();
  const RECT bounds = label.BoundsRect();
  EXPECT_EQ(painted->Count(bounds, kPanelColor), 0);
  const TReference ref(kInstallCaption, label.Width(), label.Height(), RECT{1, 0, label.Width() - 1, label.Height()});
  ExpectLook(*painted, bounds, ref, {RGB(255, 0, 0), RGB(0, 255, 0), RGB(255, 255, 0), -1, -1});

  // The same label made transparent shows no yellow at all.
  label.SetTransparent(true);
  const auto transparent = PaintPanel();
  EXPECT_EQ(transparent->Count(bounds, RGB(255, 255, 0)), 0);
  EXPECT_GT(transparent->Count(bounds, kPanelColor), 0);
}

struct DisabledCase {
  const char* name;
  uint8_t size;
  TShadowPosition position;
  int dx;
  int dy;
};

void PrintTo(const DisabledCase& c, std::ostream* os) { *os << c.name; }

class DisabledTest : public LabelFixture, public ::testing::WithParamInterface<DisabledCase> {};

TEST_P(DisabledTest, DisabledLabelIsGreyOverAHighlight) {
  const DisabledCase& c = GetParam();
  TShadowLabel label(*panel_);
  label.SetAutoSize(false);
  label.SetBounds(40, 30, 220, 70);
  label.SetFont(SplashFont());
  label.SetColor(ui::clNavy);
  label.SetShadowColor(ui::clLime);
  label.SetShadowSize(c.size);
  label.SetShadowPos(c.position);
  label.SetCaption(kInstallCaption);
  label.SetEnabled(false);

  const auto painted = PaintPanel();
  const TReference ref(kInstallCaption, 220, 70, RECT{1, 0, 219, 70});
  const TLookCounts counts =
      ExpectLook(*painted, label.BoundsRect(), ref,
                 {GetSysColor(COLOR_GRAYTEXT), GetSysColor(COLOR_BTNHIGHLIGHT), RGB(0, 0, 128), c.dx, c.dy});
  EXPECT_GT(counts.shadow, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Shadows, DisabledTest,
    ::testing::Values(DisabledCase{"NoShadowBecomesOnePixelLowerRight", 0, TShadowPosition::spLeftTop, 1, 1},
                      DisabledCase{"ShadowKeepsItsPlace", 2, TShadowPosition::spLeftTop, -2, -2}),
    [](const ::testing::TestParamInfo<DisabledCase>& info) { return std::string(info.param.name); });

struct LayoutCase {
  const char* name;
  ui::TTextLayout layout;
  ui::TAlignment alignment;
  TShadowPosition position;
  int dx;
  int dy;
  // Left edge of the text for a label `label` wide and a text `text` wide,
  // and its top for a label `label` high and a text line `line` high.
  int (*left)(int label, int text);
  int (*top)(int label, int line);
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class LayoutTest : public LabelFixture, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(LayoutTest, TextSitsWhereLayoutAndAlignmentPutIt) {
  const LayoutCase& c = GetParam();
  constexpr int kWidth = 220;
  constexpr int kHeight = 90;
  TShadowLabel label(*panel_);
  label.SetAutoSize(false);
  label.SetBounds(40, 20, kWidth, kHeight);
  label.SetFont(SplashFont());
  label.SetColor(ui::clWhite);
  label.SetShadowColor(ui::clLime);
  label.SetShadowSize(2);
  label.SetShadowPos(c.position);
  label.SetLayout(c.layout);
  label.SetAlignment(c.alignment);
  label.SetCaption(kInstallCaption);

  TTestFont font(kSongTi, -27, true);
  const SIZE text = MeasureText(font.Get(), kInstallCaption);
  const int left = c.left(kWidth, text.cx);
  const int top = c.top(kHeight, text.cy);
  // The top layout draws 1 pixel in from either side; the others use the
  // label's full width.
  const RECT area = c.layout == ui::TTextLayout::tlTop ? RECT{1, 0, kWidth - 1, kHeight} : RECT{0, 0, kWidth, kHeight};
  const auto painted = PaintPanel();
  const TReference ref(kInstallCaption, kWidth, kHeight, RECT{left, top, kWidth, kHeight}, &area);
  ASSERT_GT(ref.FullCount(), 100);
  const TLookCounts counts =
      ExpectLook(*painted, label.BoundsRect(), ref, {RGB(255, 0, 0), RGB(0, 255, 0), kWhite, c.dx, c.dy});
  EXPECT_GT(counts.shadow, 20);
}

constexpr auto kLeft = ui::TAlignment::taLeftJustify;
constexpr auto kRight = ui::TAlignment::taRightJustify;
constexpr auto kCentre = ui::TAlignment::taCenter;

INSTANTIATE_TEST_SUITE_P(
    Layouts, LayoutTest,
    ::testing::Values(
        LayoutCase{"Top", ui::TTextLayout::tlTop, kLeft, TShadowPosition::spRightBottom, 2, 2,
                   [](int, int) { return 1; }, [](int, int) { return 0; }},
        LayoutCase{"TopRight", ui::TTextLayout::tlTop, kRight, TShadowPosition::spRightBottom, 2, 2,
                   [](int w, int text) { return w - 1 - text; }, [](int, int) { return 0; }},
        LayoutCase{"TopCentre", ui::TTextLayout::tlTop, kCentre, TShadowPosition::spLeftBottom, -2, 2,
                   [](int w, int text) { return 1 + (w - 2 - text) / 2; }, [](int, int) { return 0; }},
        // Text and shadow together end at the bottom edge.
        LayoutCase{"BottomShadowDown", ui::TTextLayout::tlBottom, kLeft, TShadowPosition::spRightBottom, 2, 2,
                   [](int, int) { return 0; }, [](int h, int line) { return h - line - 2; }},
        // The text ends at the bottom edge; its shadow stands above it.
        LayoutCase{"BottomShadowUp", ui::TTextLayout::tlBottom, kLeft, TShadowPosition::spLeftTop, -2, -2,
                   [](int, int) { return 0; }, [](int h, int line) { return h - line; }},
        LayoutCase{"CentreShadowDown", ui::TTextLayout::tlCenter, kLeft, TShadowPosition::spRightBottom, 2, 2,
                   [](int, int) { return 0; }, [](int h, int line) { return (h - line - 2) / 2; }},
        LayoutCase{"CentreShadowUpRight", ui::TTextLayout::tlCenter, kRight, TShadowPosition::spRightTop, 2, -2,
                   [](int w, int text) { return w - text; }, [](int h, int line) { return (h - line) / 2; }}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

TEST_F(PaintTest, AcceleratorIsUnderlinedOnlyWhileShown) {
  TShadowLabel label(*panel_);
  label.SetAutoSize(false);
  label.SetBounds(40, 30, 220, 70);
  label.SetFont(SplashFont());
  label.SetColor(ui::clWhite);
  label.SetShadowSize(0);
  label.SetCaption("&Install");
  const auto underlined = PaintPanel();
  label.SetShowAccelChar(false);
  const auto literal = PaintPanel();

  TTestFont font(kSongTi, -27, true);
  TPixels withPrefix(220, 70, kWhite);
  withPrefix.Text(font.Get(), "&Install", RECT{1, 0, 219, 70}, kBlack);
  TPixels withoutPrefix(220, 70, kWhite);
  withoutPrefix.Text(font.Get(), "&Install", RECT{1, 0, 219, 70}, kBlack, DT_EXPANDTABS | DT_LEFT | DT_NOPREFIX);
  const RECT all{0, 0, 220, 70};
  // Same ink as the references, counted as fully covered pixels.
  const RECT bounds = label.BoundsRect();
  EXPECT_EQ(underlined->Count(bounds, RGB(255, 0, 0)), withPrefix.Count(all, kBlack));
  EXPECT_EQ(literal->Count(bounds, RGB(255, 0, 0)), withoutPrefix.Count(all, kBlack));
  EXPECT_NE(withPrefix.Count(all, kBlack), withoutPrefix.Count(all, kBlack));
}

TEST_F(PaintTest, FocusRectangleFramesTextAndShadowWhileTheFocusControlHasFocus) {
  ui::TEdit edit(*panel_);
  edit.SetBounds(10, 120, 100, 24);
  TShadowLabel label(*panel_);
  label.SetAutoSize(false);
  label.SetBounds(40, 20, 220, 80);
  label.SetFont(SplashFont());
  label.SetColor(ui::clWhite);
  label.SetShadowColor(ui::clLime);
  label.SetShadowPos(TShadowPosition::spRightBottom);
  label.SetShadowSize(3);
  label.SetCaption(kInstallCaption);
  label.SetShowFocus(true);
  label.SetFocusControl(&edit);
  form_->Show();
  edit.SetFocus();
  ASSERT_EQ(GetFocus(), edit.Handle());

  TTestFont font(kSongTi, -27, true);
  const SIZE text = MeasureText(font.Get(), kInstallCaption);
  // Text at (1, 0), shadow 3 to the lower right, one pixel of room around.
  const int left = 0;
  const int right = 1 + text.cx + 3;  // last column of the frame
  const int bottom = text.cy + 3;     // last row of the frame
  auto frameDots = [&](const TPixels& painted) {
    const RECT bounds = label.BoundsRect();
    int dots = 0;
    for (int y = 0; y < bottom; ++y) {
      dots += painted.At(bounds.left + left, bounds.top + y) != kWhite;
      dots += painted.At(bounds.left + right, bounds.top + y) != kWhite;
    }
    for (int x = left; x <= right; ++x) dots += painted.At(bounds.left + x, bounds.top + bottom) != kWhite;
    return dots;
  };
  const auto focused = PaintPanel();
  // A dotted frame: about every other pixel of its three visible sides.
  EXPECT_GE(frameDots(*focused), (2 * bottom + (right - left + 1)) / 2 - 2);
  EXPECT_EQ(focused->At(label.Left() + right + 1, label.Top() + 5), kWhite);

  SetFocus(form_->Handle());
  const auto unfocused = PaintPanel();
  EXPECT_EQ(frameDots(*unfocused), 0);
  form_->Hide();
}

}  // namespace
}  // namespace tavo::widgets::test
