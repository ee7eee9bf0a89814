// The speed button under the mouse: the plain image and its hover and
// pressed colours, one click for press-and-release inside whatever moves
// come between, none for a release outside, group buttons latching and
// clicking on the press, AllowAllUp, and repeat mode counted in ticks.
#include "tests/skin/button/ButtonTestSupport.h"

namespace tavo::skin::button_test {
namespace {

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ui::testing_support::TUiEnvironment);

class SpeedButtonMouseTest : public ::testing::Test {
 protected:
  SpeedButtonMouseTest() : form(ButtonFormLayout()), a(form), b(form) {
    for (TSkinSpeedButton* button : {&a, &b}) button->TimerFactory = clock.Factory();
    a.SetBounds(20, 30, 94, 25);
    b.SetBounds(200, 30, 94, 25);
    a.SetCaption("OK");
    a.OnClick = [this](ui::TObject&) { ++clicksA; };
    b.OnClick = [this](ui::TObject&) { ++clicksB; };
  }

  TManualClock clock;
  ui::TForm form;
  TSkinSpeedButton a;
  TSkinSpeedButton b;
  int clicksA = 0;
  int clicksB = 0;
};

TEST_F(SpeedButtonMouseTest, PlainImageWithoutSkinDataShowsItsStateColours) {
  EXPECT_EQ(a.Width(), 94);
  EXPECT_EQ(a.Height(), 25);  // no section: the size stays as set
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), face = GetSysColor(COLOR_BTNFACE);
  struct {
    const char* state;
    COLORREF frame, fill;
  } expected[] = {{"normal", shadow, face},
                  {"hover", RGB(0, 0, 128), RGB(182, 189, 210)},
                  {"pressed", RGB(0, 0, 128), RGB(133, 147, 181)}};
  for (const auto& e : expected) {
    if (std::string(e.state) == "hover") MoveTo(form, 25, 35);
    if (std::string(e.state) == "pressed") Press(form, 25, 35);
    const TClientPicture picture(form.Handle());
    // Corners and edges of the 94 x 25 rectangle at (20, 30); inside near
    // the corners, away from the caption.
    for (POINT p : {POINT{20, 30}, POINT{113, 30}, POINT{20, 54}, POINT{113, 54}, POINT{60, 30}})
      EXPECT_EQ(picture.At(p.x, p.y), e.frame) << e.state << " " << p.x << "," << p.y;
    EXPECT_EQ(picture.At(21, 31), e.fill) << e.state;
    EXPECT_EQ(picture.At(112, 53), e.fill) << e.state;
    EXPECT_EQ(picture.At(19, 30), RGB(10, 20, 30)) << e.state;  // the form around it
    EXPECT_EQ(PixelsUnlikeRenderer(form, a), 0) << e.state;
  }
  Release(form, 25, 35);
}

TEST_F(SpeedButtonMouseTest, PressMoveOffMoveBackReleaseClicksOnce) {
  MoveTo(form, 30, 40);
  Press(form, 30, 40);
  EXPECT_TRUE(a.Down());
  EXPECT_TRUE(a.ShownPressed());
  EXPECT_EQ(clicksA, 0);  // a plain button clicks on release
  MoveTo(form, 150, 150, true);
  EXPECT_FALSE(a.MouseInside());
  EXPECT_FALSE(a.ShownPressed());  // off the button it looks normal
  EXPECT_EQ(TClientPicture(form.Handle()).At(21, 31), GetSysColor(COLOR_BTNFACE));
  MoveTo(form, 31, 41, true);
  EXPECT_TRUE(a.ShownPressed());
  EXPECT_EQ(TClientPicture(form.Handle()).At(21, 31), RGB(133, 147, 181));
  Release(form, 31, 41);
  EXPECT_EQ(clicksA, 1);
  EXPECT_FALSE(a.Down());
  EXPECT_EQ(clicksB, 0);
}

TEST_F(SpeedButtonMouseTest, LeaveMessageFromTakingTheCaptureDoesNotLoseTheClick) {
  MoveTo(form, 30, 40);
  Press(form, 30, 40);
  // The system tells the window the mouse left when the press captures it,
  // although the cursor stays on the button.
  SendMessageA(form.Handle(), WM_MOUSELEAVE, 0, 0);
  Release(form, 30, 40);
  EXPECT_EQ(clicksA, 1);
}

TEST_F(SpeedButtonMouseTest, ReleaseOutsideDoesNotClick) {
  MoveTo(form, 30, 40);
  Press(form, 30, 40);
  MoveTo(form, 150, 150, true);
  Release(form, 150, 150);
  EXPECT_EQ(clicksA, 0);
  EXPECT_FALSE(a.Down());
  // Even without a move first, a release off the button is no click.
  MoveTo(form, 30, 40);
  Press(form, 30, 40);
  Release(form, 300, 200);
  EXPECT_EQ(clicksA, 0);
}

TEST_F(SpeedButtonMouseTest, GroupButtonsClickOnPressAndReleaseEachOther) {
  a.GroupIndex = 1;
  b.GroupIndex = 1;
  MoveTo(form, 30, 40);
  Press(form, 30, 40);
  EXPECT_EQ(clicksA, 1);  // on the press
  Release(form, 30, 40);
  EXPECT_EQ(clicksA, 1);
  EXPECT_TRUE(a.Down());  // latched
  EXPECT_TRUE(a.ShownPressed());
  MoveTo(form, 150, 150);
  EXPECT_TRUE(a.ShownPressed());  // a group button looks pressed off the mouse too
  // Pressing it again while latched does nothing without AllowAllUp.
  MoveTo(form, 30, 40);
  Press(form, 30, 40);
  Release(form, 30, 40);
  EXPECT_EQ(clicksA, 1);
  EXPECT_TRUE(a.Down());
  // The other one of the group takes over.
  MoveTo(form, 210, 40);
  Press(form, 210, 40);
  Release(form, 210, 40);
  EXPECT_EQ(clicksB, 1);
  EXPECT_TRUE(b.Down());
  EXPECT_FALSE(a.Down());
}

TEST_F(SpeedButtonMouseTest, AllowAllUpUnlatchesOnTheRelease) {
  a.GroupIndex = 2;
  a.AllowAllUp = true;
  b.GroupIndex = 2;
  b.AllowAllUp = true;
  MoveTo(form, 30, 40);
  Press(form, 30, 40);
  Release(form, 30, 40);
  ASSERT_TRUE(a.Down());
  ASSERT_EQ(clicksA, 1);
  // With AllowAllUp a latched button leaves the others as they are.
  b.SetDown(true);
  EXPECT_TRUE(a.Down());
  Press(form, 30, 40);
  EXPECT_TRUE(a.Down());  // still down while held
  EXPECT_EQ(clicksA, 1);
  Release(form, 30, 40);
  EXPECT_FALSE(a.Down());
  EXPECT_EQ(clicksA, 2);
}

TEST_F(SpeedButtonMouseTest, RepeatModeClicksEveryIntervalWhileHeldAndOnceOnRelease) {
  a.RepeatMode = true;
  ASSERT_EQ(a.RepeatInterval, 100u);
  MoveTo(form, 30, 40);
  Press(form, 30, 40);
  TManualTimer* repeat = clock.Running(100);
  ASSERT_NE(repeat, nullptr);
  EXPECT_EQ(clicksA, 0);  // the first click comes one interval after the press
  // Held for 350 ms: ticks at 100, 200 and 300 ms.
  const int ticks = 350 / 100;
  for (int i = 0; i < ticks; ++i) repeat->Tick();
  EXPECT_EQ(clicksA, 3);
  // Moving off stops the repeating; back on, it goes on.
  MoveTo(form, 150, 150, true);
  EXPECT_FALSE(repeat->running);
  repeat->Tick();
  EXPECT_EQ(clicksA, 3);
  MoveTo(form, 30, 40, true);
  EXPECT_TRUE(repeat->running);
  Release(form, 30, 40);
  EXPECT_EQ(clicksA, 4);
  EXPECT_FALSE(repeat->running);
}

TEST_F(SpeedButtonMouseTest, DisabledButtonIgnoresTheMouseAndStopsRepeating) {
  a.RepeatMode = true;
  MoveTo(form, 30, 40);
  Press(form, 30, 40);
  TManualTimer* repeat = clock.Running(100);
  ASSERT_NE(repeat, nullptr);
  a.SetEnabled(false);
  EXPECT_FALSE(repeat->running);
  EXPECT_FALSE(a.Down());
  EXPECT_FALSE(a.MouseInside());
  Release(form, 30, 40);
  MoveTo(form, 31, 41);
  Press(form, 31, 41);
  Release(form, 31, 41);
  EXPECT_EQ(clicksA, 0);
  EXPECT_FALSE(a.MouseInside());
}

}  // namespace
}  // namespace tavo::skin::button_test
