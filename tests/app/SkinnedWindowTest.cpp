// The directory window in a program that carries the stored skins, as
// setup.exe does: both skins load, and the two speed buttons take the
// height of the "toolbutton" section of Graphite.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/Step1Unit.h"
#include "app/Texts.h"
#include "tests/ui/UiTestSupport.h"

namespace tavo::app {
namespace {

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ui::testing_support::TUiEnvironment);

int Scaled(int v) { return MulDiv(v, ui::Application().PixelsPerInch(), 96); }

TEST(SkinnedDirectoryWindowTest, ButtonsAre26HighOnceGraphiteIsApplied) {
  TStep1Frm window;
  ASSERT_FALSE(window.SkinData1.IsEmpty) << "Lumen did not load";
  ASSERT_FALSE(window.SkinData2.IsEmpty) << "Graphite did not load";
  for (const skin::TSkinSpeedButton* button : {&window.NEXTStep, &window.mClose}) {
    EXPECT_EQ(button->Height(), Scaled(26)) << button->Caption();
    // The skin changes the height only: place and width stay as laid out.
    EXPECT_EQ(button->Width(), Scaled(94)) << button->Caption();
    EXPECT_EQ(button->Top(), Scaled(226)) << button->Caption();
  }
  EXPECT_EQ(window.NEXTStep.Left(), Scaled(199));
  EXPECT_EQ(window.mClose.Left(), Scaled(315));
  EXPECT_EQ(window.NEXTStep.Caption(), kNextStep);
}

}  // namespace
}  // namespace tavo::app
