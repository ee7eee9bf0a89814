// The speed button drawn from a skin: the stored "Graphite" skin's
// "toolbutton" making a 94 x 25 button 94 x 26 with the skin's own pixels
// in each state, the reaction to the skin data's messages, the fallbacks of
// empty state rectangles, the disabled caption colour, and morphing counted
// in ticks of the morph timer.
#include "tests/skin/button/ButtonTestSupport.h"

namespace tavo::skin::button_test {
namespace {

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ui::testing_support::TUiEnvironment);

class SkinnedButtonTest : public ::testing::Test {
 protected:
  SkinnedButtonTest() : form(ButtonFormLayout()), button(form) {
    button.TimerFactory = clock.Factory();
    button.SetBounds(40, 50, 94, 25);
    button.SetCaption("\xCF\xC2\xD2\xBB\xB2\xBD");  // "下一步"
    button.OnClick = [this](ui::TObject&) { ++clicks; };
  }
  // The button's pixel at (x, y) of its own rectangle.
  COLORREF Shown(int x, int y) const { return TClientPicture(form.Handle()).At(40 + x, 50 + y); }

  TManualClock clock;
  ui::TForm form;
  TSkinSpeedButton button;
  int clicks = 0;
};

TEST_F(SkinnedButtonTest, GraphiteToolButtonIsNinetyFourByTwentySixWithTheSkinsPixels) {
  TSkinData data;
  TCompressedStoredSkin stored;
  LoadGraphite(data, stored);
  ASSERT_FALSE(data.IsEmpty);
  button.SetSkinData(&data);
  EXPECT_NE(button.SkinIndex(), -1);
  EXPECT_EQ(button.ResizeMode(), TSkinResizeMode::HorizontalThree);
  EXPECT_EQ(button.Width(), 94);
  EXPECT_EQ(button.Height(), 26);
  EXPECT_EQ(button.Geometry().NewClientRect, (TRect{2, 3, 92, 24}));

  ASSERT_GT(data.ActivePictures.size(), 4u);
  const TBitmap& picture = data.ActivePictures[4];
  // Corner pixels of each state's picture: the left end is the state
  // rectangle's first columns, the right end its last five (for the
  // 26-wide down picture, columns 21 to 25).
  struct {
    const char* state;
    int left, rightEnd;
  } states[] = {{"normal", 55, 79}, {"active", 80, 104}, {"down", 105, 130}};
  for (const auto& s : states) {
    if (std::string(s.state) == "active") MoveTo(form, 45, 55);
    if (std::string(s.state) == "down") Press(form, 45, 55);
    EXPECT_EQ(Shown(0, 0), picture.Pixel(s.left, 31)) << s.state;
    EXPECT_EQ(Shown(0, 25), picture.Pixel(s.left, 56)) << s.state;
    EXPECT_EQ(Shown(93, 0), picture.Pixel(s.rightEnd, 31)) << s.state;
    EXPECT_EQ(Shown(93, 25), picture.Pixel(s.rightEnd, 56)) << s.state;
    EXPECT_EQ(PixelsUnlikeRenderer(form, button), 0) << s.state;
    SaveShotIfAsked(form, button, s.state);
  }
  Release(form, 45, 55);
  EXPECT_EQ(clicks, 1);
  // Disabled: the section has no disabled picture, so the normal one.
  MoveTo(form, 300, 250);
  button.SetEnabled(false);
  EXPECT_EQ(Shown(0, 0), picture.Pixel(55, 31));
  EXPECT_EQ(PixelsUnlikeRenderer(form, button), 0);
  SaveShotIfAsked(form, button, "disabled");
}

TEST_F(SkinnedButtonTest, FollowsTheSkinDataMessages) {
  TSkinData data;
  button.SetSkinData(&data);  // nothing loaded yet: plain, size as set
  EXPECT_EQ(button.SkinIndex(), -1);
  EXPECT_EQ(button.Height(), 25);

  // A receiver registered after the button hears each message after it.
  std::vector<std::string> seen;
  const int probe = TSkinNotifier::Default().Register(nullptr, [&](uint32_t message, TSkinData& d) {
    if (&d != &data) return;
    seen.push_back(std::to_string(message) + ":" + std::to_string(button.SkinIndex()) + ":" +
                   (button.SkinPicture() == nullptr ? "nopicture" : "picture"));
  });
  TCompressedStoredSkin stored;
  LoadGraphite(data, stored);
  EXPECT_EQ(button.Height(), 26);
  // Loading again: before the clear the button holds nothing of the skin.
  data.LoadCompressedStoredSkin(stored);
  TSkinNotifier::Default().Unregister(probe);
  const int index = data.GetControlIndex("toolbutton");
  const std::string loaded = ":" + std::to_string(index) + ":picture";
  const std::vector<std::string> expected{"1225:-1:nopicture", "1226" + loaded, "1227" + loaded,
                                          "1225:-1:nopicture", "1226" + loaded, "1227" + loaded};
  EXPECT_EQ(seen, expected);
}

TEST_F(SkinnedButtonTest, ForgetsSkinDataThatIsDestroyed) {
  {
    TSkinData data;
    TCompressedStoredSkin stored;
    LoadGraphite(data, stored);
    button.SetSkinData(&data);
    ASSERT_EQ(button.SkinData(), &data);
  }
  EXPECT_EQ(button.SkinData(), nullptr);
  EXPECT_EQ(button.SkinIndex(), -1);
  // It paints the plain image again (its frame in the shadow colour).
  EXPECT_EQ(Shown(0, 0), GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(SkinnedButtonTest, EmptyActiveAndDownRectanglesFallBackToTheSkinRectangle) {
  TSkinData data;
  TDataSkinButtonControl& section = AddToolButton(data, CoordPicture(140, 60));
  section.activeskinrect = TRect{};
  section.downskinrect = TRect{};
  button.SetSkinData(&data);
  ASSERT_EQ(button.Height(), 26);
  MoveTo(form, 45, 55);
  EXPECT_EQ(Shown(0, 0), RGB(55, 31, 7));
  Press(form, 45, 55);
  EXPECT_EQ(Shown(0, 0), RGB(55, 31, 7));
  EXPECT_EQ(Shown(93, 0), RGB(79, 31, 7));
  Release(form, 45, 55);
  // With the active rectangle back, the down state falls back to it.
  section.activeskinrect = TRect{80, 31, 105, 57};
  Press(form, 45, 55);
  EXPECT_EQ(Shown(0, 0), RGB(80, 31, 7));
  Release(form, 45, 55);
}

TEST_F(SkinnedButtonTest, DisabledWithoutItsRectangleShowsTheNormalFaceInTheDisabledColour) {
  TSkinData data;
  // One colour everywhere, so every other pixel of the button is caption.
  TBitmap grey(140, 60, TPixelFormat::pf24bit);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 140; ++x) grey.SetPixel(x, y, RGB(200, 200, 200));
  TDataSkinButtonControl& section = AddToolButton(data, grey);
  section.fontcolor = RGB(255, 0, 0);
  section.disabledfontcolor = RGB(0, 0, 255);
  button.SetCaption("OK");
  button.SetSkinData(&data);
  auto count = [&](COLORREF color) {
    const TClientPicture picture(form.Handle());
    int n = 0;
    for (int y = 0; y < button.Height(); ++y)
      for (int x = 0; x < button.Width(); ++x) n += picture.At(40 + x, 50 + y) == color;
    return n;
  };
  EXPECT_GT(count(RGB(255, 0, 0)), 0);
  EXPECT_EQ(count(RGB(0, 0, 255)), 0);
  button.SetEnabled(false);
  EXPECT_EQ(count(RGB(255, 0, 0)), 0);
  EXPECT_GT(count(RGB(0, 0, 255)), 0);
  EXPECT_EQ(Shown(0, 0), RGB(200, 200, 200));
  EXPECT_EQ(PixelsUnlikeRenderer(form, button), 0);
}

TEST_F(SkinnedButtonTest, MorphReachesTheActiveFaceAfterFiveTicksAndBlendsBack) {
  TSkinData data;
  TDataSkinButtonControl& section = AddToolButton(data, CoordPicture(140, 60));
  section.morphing = true;
  button.SetShowCaption(false);
  button.SetSkinData(&data);
  ASSERT_TRUE(button.Morphing());
  MoveTo(form, 45, 55);
  TManualTimer* morph = clock.Running(20);
  ASSERT_NE(morph, nullptr);
  EXPECT_EQ(Shown(0, 4), RGB(55, 35, 7));  // no tick yet: the normal face
  // Column 0: red 55 (normal) mixed toward 80 (active) by 0.2 a tick.
  const int reds[] = {60, 65, 70, 75, 80};
  for (int red : reds) {
    morph->Tick();
    EXPECT_EQ(Shown(0, 4), RGB(red, 35, 7)) << red;
  }
  EXPECT_EQ(button.MorphFactor(), 1.0);
  EXPECT_EQ(PixelsUnlikeRenderer(form, button), 0);
  morph->Tick();  // nothing left to do: the timer stops
  EXPECT_FALSE(morph->running);

  MoveTo(form, 300, 250);
  ASSERT_TRUE(morph->running);
  for (int red : {75, 70, 65, 60, 55}) {
    morph->Tick();
    EXPECT_EQ(Shown(0, 4), RGB(red, 35, 7)) << red;
  }
  EXPECT_EQ(button.MorphFactor(), 0.0);
  morph->Tick();
  EXPECT_FALSE(morph->running);
}

}  // namespace
}  // namespace tavo::skin::button_test
