// Auto-sizing of the shadow label, checked against DrawTextA measurements
// made here with a font of the same settings.
#include <ostream>
#include <string>

#include "LabelTestSupport.h"

namespace tavo::widgets::test {
namespace {

using SizeTest = LabelFixture;

TEST_F(SizeTest, NewLabelHasTheDocumentedDefaults) {
  TShadowLabel label(*panel_);
  EXPECT_EQ(label.Width(), 65);
  EXPECT_EQ(label.Height(), 17);
  EXPECT_TRUE(label.AutoSize());
  EXPECT_FALSE(label.Transparent());
  EXPECT_EQ(label.Alignment(), ui::TAlignment::taLeftJustify);
  EXPECT_EQ(label.Layout(), ui::TTextLayout::tlTop);
  EXPECT_FALSE(label.WordWrap());
  EXPECT_TRUE(label.ShowAccelChar());
  EXPECT_EQ(label.ShadowColor(), ui::clBtnHighlight);
  EXPECT_EQ(label.ShadowSize(), 1);
  EXPECT_EQ(label.ShadowPos(), TShadowPosition::spLeftTop);
  EXPECT_FALSE(label.ShowFocus());
  EXPECT_EQ(label.FocusControl(), nullptr);
  // Font and colour come from the parent until set.
  EXPECT_EQ(label.Color(), kPanelColor);
  EXPECT_EQ(label.Font(), panel_->Font());
}

struct AutoSizeCase {
  const char* name;
  std::string caption;
  TShadowPosition position;
  uint8_t size;
  // The text whose DrawTextA extent (without accelerator processing) the
  // caption takes, and what the shadow adds to the right and downwards.
  std::string drawn;
  int extraWidth;
  int extraHeight;
};

void PrintTo(const AutoSizeCase& c, std::ostream* os) { *os << c.name; }

class AutoSizeTest : public LabelFixture, public ::testing::WithParamInterface<AutoSizeCase> {};

TEST_P(AutoSizeTest, SizeIsTextPlusTwoByTextHeightPlusShadowRightAndDown) {
  const AutoSizeCase& c = GetParam();
  TShadowLabel label(*panel_);
  label.SetBounds(30, 20, 65, 17);
  label.SetShadowSize(c.size);
  label.SetShadowPos(c.position);
  label.SetFont(SplashFont());
  label.SetCaption(c.caption);

  TTestFont font(kSongTi, -27, true);
  const SIZE text = MeasureText(font.Get(), c.drawn, DT_EXPANDTABS | DT_LEFT | DT_NOPREFIX);
  EXPECT_EQ(label.Width(), text.cx + 2 + c.extraWidth);
  EXPECT_EQ(label.Height(), text.cy + c.extraHeight);
  // Left alignment keeps the left edge.
  EXPECT_EQ(label.Left(), 30);
  EXPECT_EQ(label.Top(), 20);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, AutoSizeTest,
    ::testing::Values(
        AutoSizeCase{"InstallUpperLeft", kInstallCaption, TShadowPosition::spLeftTop, 1, kInstallCaption, 0, 0},
        AutoSizeCase{"ExitUpperLeft", kExitCaption, TShadowPosition::spLeftTop, 1, kExitCaption, 0, 0},
        AutoSizeCase{"InstallLowerRight3", kInstallCaption, TShadowPosition::spRightBottom, 3, kInstallCaption, 3, 3},
        AutoSizeCase{"InstallLowerLeft2", kInstallCaption, TShadowPosition::spLeftBottom, 2, kInstallCaption, 0, 2},
        AutoSizeCase{"InstallUpperRight2", kInstallCaption, TShadowPosition::spRightTop, 2, kInstallCaption, 2, 0},
        AutoSizeCase{"NoShadow", kInstallCaption, TShadowPosition::spRightBottom, 0, kInstallCaption, 0, 0},
        AutoSizeCase{"EmptyIsOneSpace", "", TShadowPosition::spLeftTop, 1, " ", 0, 0},
        AutoSizeCase{"LoneAmpersandIsOneSpace", "&", TShadowPosition::spLeftTop, 1, " ", 0, 0},
        AutoSizeCase{"DoubleAmpersandDrawsOne", "&&", TShadowPosition::spLeftTop, 1, "&", 0, 0},
        AutoSizeCase{"AcceleratorMarkTakesNoRoom", "&Install", TShadowPosition::spLeftTop, 1, "Install", 0, 0},
        AutoSizeCase{"TabsExpand", "a\tb", TShadowPosition::spRightBottom, 1, "a\tb", 1, 1}),
    [](const ::testing::TestParamInfo<AutoSizeCase>& info) { return std::string(info.param.name); });

TEST_F(SizeTest, ShadowToTheLowerRightGrowsAnAutoSizedLabel) {
  TShadowLabel label(*panel_);
  label.SetFont(SplashFont());
  label.SetCaption(kInstallCaption);
  const int width = label.Width();
  const int height = label.Height();
  // A bigger shadow to the upper left adds nothing ...
  label.SetShadowSize(3);
  EXPECT_EQ(label.Width(), width);
  EXPECT_EQ(label.Height(), height);
  // ... the same shadow to the lower right adds 3 each way.
  label.SetShadowPos(TShadowPosition::spRightBottom);
  EXPECT_EQ(label.Width(), width + 3);
  EXPECT_EQ(label.Height(), height + 3);
  label.SetShadowSize(1);
  EXPECT_EQ(label.Width(), width + 1);
  EXPECT_EQ(label.Height(), height + 1);
}

TEST_F(SizeTest, RightAlignmentKeepsTheRightEdge) {
  TShadowLabel label(*panel_);
  label.SetAlignment(ui::TAlignment::taRightJustify);
  label.SetBounds(200, 10, 65, 17);
  label.SetFont(SplashFont());
  label.SetCaption(kInstallCaption);
  TTestFont font(kSongTi, -27, true);
  const SIZE text = MeasureText(font.Get(), kInstallCaption);
  EXPECT_EQ(label.Width(), text.cx + 2);
  EXPECT_EQ(label.Left() + label.Width(), 265);
  label.SetCaption("");
  const SIZE space = MeasureText(font.Get(), " ");
  EXPECT_EQ(label.Width(), space.cx + 2);
  EXPECT_EQ(label.Left() + label.Width(), 265);
}

TEST_F(SizeTest, OnlyAnAutoSizedLabelFollowsItsText) {
  TShadowLabel label(*panel_);
  label.SetAutoSize(false);
  label.SetBounds(5, 5, 300, 50);
  label.SetFont(SplashFont());
  label.SetCaption(kInstallCaption);
  EXPECT_EQ(label.Width(), 300);
  EXPECT_EQ(label.Height(), 50);

  TTestFont font(kSongTi, -27, true);
  const SIZE text = MeasureText(font.Get(), kInstallCaption);
  label.SetAutoSize(true);
  EXPECT_EQ(label.Width(), text.cx + 2);
  EXPECT_EQ(label.Height(), text.cy);

  // A new font sizes it again.
  ui::TFont small = SplashFont();
  small.Height = -12;
  small.Style.Bold = false;
  label.SetFont(small);
  TTestFont smallFont(kSongTi, -12, false);
  const SIZE smallText = MeasureText(smallFont.Get(), kInstallCaption);
  EXPECT_EQ(label.Width(), smallText.cx + 2);
  EXPECT_EQ(label.Height(), smallText.cy);
}

TEST_F(SizeTest, WordWrapBreaksAtTheLabelWidthLessTwo) {
  const std::string caption = "one two three four five six";
  TShadowLabel label(*panel_);
  label.SetFont(SplashFont());
  label.SetCaption(caption);
  const int oneLine = label.Height();
  label.SetBounds(label.Left(), label.Top(), 120, label.Height());
  label.SetWordWrap(true);

  TTestFont font(kSongTi, -27, true);
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font.Get());
  RECT r{0, 0, 118, 0};
  DrawTextA(screen, caption.c_str(), -1, &r, DT_EXPANDTABS | DT_LEFT | DT_WORDBREAK | DT_CALCRECT);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);

  ASSERT_GT(r.bottom, oneLine);  // the text really wraps at this width
  EXPECT_EQ(label.Width(), r.right + 2);
  EXPECT_EQ(label.Height(), r.bottom);
}

TEST_F(SizeTest, LabelFollowsItsParentsFont) {
  TShadowLabel label(*panel_);
  label.SetCaption(kInstallCaption);
  panel_->SetFont(SplashFont());
  TTestFont font(kSongTi, -27, true);
  const SIZE text = MeasureText(font.Get(), kInstallCaption);
  EXPECT_EQ(label.Width(), text.cx + 2);
  EXPECT_EQ(label.Height(), text.cy);
}

}  // namespace
}  // namespace tavo::widgets::test
