// The speed button lets go of its skin's pictures when told that the skin
// is about to be cleared (message 1225): a face drawn between that message
// and the next paint no longer reads the pictures the skin data frees.
#include "skin/PixelCopy.h"
#include "tests/skin/button/ButtonTestSupport.h"

namespace tavo::skin::button_test {
namespace {

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ui::testing_support::TUiEnvironment);

constexpr TColor kPoison = RGB(255, 0, 255);

int PoisonedPixels(const TBitmap& picture) {
  int n = 0;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) n += picture.Pixel(x, y) == kPoison;
  return n;
}

TEST(SkinSpeedButtonDrop, FacesDrawnAfterTheSkinChangingMessageReadNoSkinPicture) {
  ui::TForm form(ButtonFormLayout());
  TSkinSpeedButton button(form);
  button.SetBounds(40, 50, 94, 25);
  button.SetCaption("OK");
  TSkinData data;
  TCompressedStoredSkin stored;
  LoadGraphite(data, stored);
  button.SetSkinData(&data);
  const auto* section = dynamic_cast<const TDataSkinButtonControl*>(data.SkinControls[data.GetControlIndex("toolbutton")].get());
  ASSERT_NE(section, nullptr);
  const TRect state = section->skinrect;
  const size_t pictureIndex = static_cast<size_t>(section->pictureindex);
  ASSERT_LT(pictureIndex, data.ActivePictures.size());

  // While the skin is in place its faces show its pictures: poisoning the
  // picture shows through, which proves the probe below can see a read.
  TBitmap& picture = data.ActivePictures[pictureIndex];
  const TBitmap original = picture;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) picture.SetPixel(x, y, kPoison);
  EXPECT_GT(PoisonedPixels(button.DrawButtonFace(state, false, false)), 0);
  picture = original;

  int probed = 0;
  const int probe = TSkinNotifier::Default().Register(nullptr, [&](uint32_t message, TSkinData& d) {
    if (&d != &data || message != 1225) return;
    ++probed;
    // Stand in for the freeing that follows: whatever the button still
    // reads of the skin's picture now shows as poison.
    TBitmap& p = d.ActivePictures[pictureIndex];
    for (int y = 0; y < p.Height(); ++y)
      for (int x = 0; x < p.Width(); ++x) p.SetPixel(x, y, kPoison);
    EXPECT_EQ(button.Skin(), nullptr);
    EXPECT_EQ(PoisonedPixels(button.DrawButtonFace(state, false, false)), 0);
    TBitmap whole = NewPicture(button.Width(), button.Height());
    button.DrawSkinImage(whole);
    EXPECT_EQ(PoisonedPixels(whole), 0);
  });
  data.LoadCompressedStoredSkin(stored);
  TSkinNotifier::Default().Unregister(probe);
  EXPECT_EQ(probed, 1);

  // After the load the button draws from the new skin again.
  EXPECT_NE(button.Skin(), nullptr);
  EXPECT_EQ(PoisonedPixels(button.DrawButtonFace(state, false, false)), 0);
  EXPECT_EQ(button.DrawButtonFace(state, false, false).Pixel(0, 0),
            data.ActivePictures[pictureIndex].Pixel(state.left, state.top));
}

}  // namespace
}  // namespace tavo::skin::button_test
