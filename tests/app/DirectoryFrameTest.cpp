// The directory window's skinned frame: its settings, Lumen bound after the
// load, the borderless window keeping its size and getting no shape, the
// skin's objects laid out on 563 x 262, and the client area showing Lumen's
// client piece tiled under the transparent prompt.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/Step1Unit.h"
#include "app/Texts.h"
#include "skin/FrameBackground.h"
#include "tests/ui/UiTestSupport.h"

namespace tavo::app {
namespace {

using ui::testing_support::TClientPicture;

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ui::testing_support::TUiEnvironment);

class DirectoryFrameTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { step1 = new TStep1Frm; }
  static void TearDownTestSuite() {
    delete step1;
    step1 = nullptr;
  }
  static TStep1Frm* step1;
};
TStep1Frm* DirectoryFrameTest::step1 = nullptr;

TEST_F(DirectoryFrameTest, SettingsOfSkinForm1) {
  const skin::TSkinForm& f = step1->SkinForm1;
  EXPECT_EQ(skin::FindSkinForm(*step1), &f);
  EXPECT_EQ(f.SkinData(), &step1->SkinData1);
  EXPECT_EQ(f.MenusSkinData(), nullptr);
  using enum TBorderIcon;
  EXPECT_EQ(f.BorderIcons(), (TBorderIcons{biSystemMenu, biMinimize, biMaximize, biRollUp}));
  for (const ui::TFont* font : {&f.DefCaptionFont(), &f.DefInActiveCaptionFont(), &f.DefMenuItemFont}) {
    EXPECT_EQ(font->Name, kSongTi);
    EXPECT_EQ(font->Style, ui::TFontStyles{});
    EXPECT_EQ(font->Charset, ANSI_CHARSET);
  }
  EXPECT_EQ(f.DefCaptionFont().Height, 14);
  EXPECT_EQ(f.DefCaptionFont().Color, ui::clBtnText);
  EXPECT_EQ(f.DefInActiveCaptionFont().Height, 16);
  EXPECT_EQ(f.DefInActiveCaptionFont().Color, ui::clBtnShadow);
  EXPECT_EQ(f.DefMenuItemFont.Height, 14);
  EXPECT_EQ(f.DefMenuItemFont.Color, ui::clWindowText);
  EXPECT_EQ(f.DefMenuItemHeight(), 20);
  EXPECT_TRUE(f.UseDefaultSysMenu);
  EXPECT_TRUE(f.UseSkinFontInMenu);
  EXPECT_TRUE(f.UseDefaultObjectHint);
  EXPECT_EQ(f.AlphaBlendValue(), 200);
  EXPECT_FALSE(f.AlphaBlend());
  EXPECT_FALSE(f.AlphaBlendAnimation);
  EXPECT_EQ(f.MagneticSize, 10);
  EXPECT_FALSE(f.Magnetic);
  EXPECT_EQ(f.MaxMenuItemsInWindow(), 0);
  EXPECT_EQ(f.MenusAlphaBlendValue, 0);
  EXPECT_EQ(f.ClientWidth + f.ClientHeight + f.MinHeight + f.MinWidth + f.MaxHeight + f.MaxWidth, 0);
  EXPECT_FALSE(f.UseFormCursorInNCArea || f.HideCaptionButtons() || f.AlwaysShowInTray ||
               f.LogoBitMapTransparent || f.AlwaysMinimizeToTray || f.ShowIcon() || f.MaximizeOnFullScreen ||
               f.ShowObjectHint || f.MenusAlphaBlend || f.MenusAlphaBlendAnimation);
  EXPECT_TRUE(f.LogoBitMap().Empty());
}

TEST_F(DirectoryFrameTest, BorderlessWindowKeepsItsSizeAndGetsNoShape) {
  EXPECT_EQ(step1->SkinForm1.Mode(), skin::TFrameMode::fmSkinned);
  EXPECT_EQ(step1->ClientWidth(), 563);
  EXPECT_EQ(step1->ClientHeight(), 262);
  EXPECT_EQ(step1->Width(), 563);
  EXPECT_EQ(step1->Height(), 262);
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(step1->Handle(), rgn), ERROR);  // no region
  DeleteObject(rgn);
  EXPECT_FALSE(step1->SkinForm1.HoldsRegion());
}

TEST_F(DirectoryFrameTest, LumensObjectsLaidOutOnTheWindow) {
  const skin::TSkinForm& f = step1->SkinForm1;
  ASSERT_EQ(f.Objects().size(), 6u);
  // By kind: the caption spans the top band, the three right buttons move
  // with the right edge, the two left ones stay.
  auto rectOf = [&](skin::TObjectKind kind, skin::TStdCommand command) {
    for (const auto& o : f.Objects()) {
      if (o->Kind() != kind) continue;
      if (kind == skin::TObjectKind::okStdButton &&
          static_cast<const skin::TSkinStdButtonObject&>(*o).Command != command)
        continue;
      return o->ObjectRect;
    }
    ADD_FAILURE() << "no such object";
    return tavo::TRect{};
  };
  using skin::TObjectKind;
  using skin::TStdCommand;
  EXPECT_EQ(rectOf(TObjectKind::okCaption, TStdCommand::cmDefault), (tavo::TRect{46, 16, 422, 35}));
  EXPECT_EQ(rectOf(TObjectKind::okStdButton, TStdCommand::cmClose), (tavo::TRect{526, 11, 550, 35}));
  EXPECT_EQ(rectOf(TObjectKind::okStdButton, TStdCommand::cmMaximize), (tavo::TRect{498, 12, 520, 34}));
  EXPECT_EQ(rectOf(TObjectKind::okStdButton, TStdCommand::cmMinimize), (tavo::TRect{470, 12, 492, 34}));
  EXPECT_EQ(rectOf(TObjectKind::okStdButton, TStdCommand::cmRollUp), (tavo::TRect{26, 18, 43, 35}));
  EXPECT_EQ(rectOf(TObjectKind::okStdButton, TStdCommand::cmSysMenu), (tavo::TRect{6, 18, 23, 35}));
  EXPECT_EQ(f.Placed().ClientRect, (tavo::TRect{13, 46, 551, 253}));
}

TEST_F(DirectoryFrameTest, ClientShowsLumensTiledClientPieceUnderThePrompt) {
  skin::TClientBackgroundInput input;
  input.Skin = &step1->SkinData1;
  const skin::TBitmap tiled = skin::PaintClientBackground(input, 563, 262);
  const TClientPicture picture(step1->Handle());
  ASSERT_EQ(picture.Width(), 563);
  ASSERT_EQ(picture.Height(), 262);
  auto inside = [](const ui::TControl& c, int x, int y) {
    return x >= c.Left() && x < c.Left() + c.Width() && y >= c.Top() && y < c.Top() + c.Height();
  };
  int differ = 0, labelTile = 0, labelInk = 0;
  for (int y = 0; y < 262; ++y) {
    for (int x = 0; x < 563; ++x) {
      const COLORREF tile = tiled.Pixel(x, y);
      if (inside(step1->Label1, x, y)) {
        (picture.At(x, y) == tile ? labelTile : labelInk)++;
        continue;
      }
      // The picture and the buttons draw themselves; everything else of the
      // client area is the skin's background.
      if (inside(step1->Image1, x, y) || inside(step1->NEXTStep, x, y) || inside(step1->mClose, x, y)) continue;
      differ += picture.At(x, y) != tile;
    }
  }
  EXPECT_EQ(differ, 0);
  // The prompt is transparent: the tile shows between its letters.
  EXPECT_GT(labelTile, labelInk);
  EXPECT_GT(labelInk, 20);
}

}  // namespace
}  // namespace tavo::app
