// The windowed skinned control: its size fitted to the section, its picture
// drawn by the resize mode, and its window shaped by the section's mask,
// the shape following the width and going away without a section.
#include "skin/win32/SkinControl.h"
#include "tests/skin/button/ButtonTestSupport.h"

namespace tavo::skin::button_test {
namespace {

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ui::testing_support::TUiEnvironment);

bool InWindowRegion(HWND wnd, int x, int y) {
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(wnd, rgn);
  const bool inside = kind != ERROR && PtInRegion(rgn, x, y);
  DeleteObject(rgn);
  return inside;
}

bool HasWindowRegion(HWND wnd) {
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(wnd, rgn);
  DeleteObject(rgn);
  return kind != ERROR;
}

TEST(SkinCustomControlTest, FitsDrawsAndTakesTheShapeOfItsMask) {
  ui::TForm form(ButtonFormLayout());
  TSkinCustomControl control(&form);
  control.SetBounds(10, 10, 94, 25);
  control.SetSkinDataName("toolbutton");

  TSkinData data;
  TDataSkinButtonControl& section = AddToolButton(data, CoordPicture(140, 60));
  // Mask: black but for the top-left and top-right corner pixels.
  TBitmap mask(25, 26, TPixelFormat::pf24bit);
  mask.SetPixel(0, 0, RGB(255, 255, 255));
  mask.SetPixel(24, 0, RGB(255, 255, 255));
  data.ActivePictures.push_back(mask);
  section.maskpictureindex = static_cast<int32_t>(data.ActivePictures.size() - 1);

  control.SetSkinData(&data);
  EXPECT_EQ(control.Width(), 94);
  EXPECT_EQ(control.Height(), 26);
  ASSERT_TRUE(HasWindowRegion(control.Handle()));
  EXPECT_FALSE(InWindowRegion(control.Handle(), 0, 0));
  EXPECT_FALSE(InWindowRegion(control.Handle(), 93, 0));
  EXPECT_TRUE(InWindowRegion(control.Handle(), 1, 0));
  EXPECT_TRUE(InWindowRegion(control.Handle(), 47, 13));

  // Drawn by the horizontal three-slice rule: left end columns 55..59,
  // middle 60..74 repeated, right end 75..79.
  const TClientPicture picture(control.Handle());
  EXPECT_EQ(picture.At(1, 1), RGB(56, 32, 7));
  EXPECT_EQ(picture.At(20, 5), RGB(60, 36, 7));
  EXPECT_EQ(picture.At(92, 25), RGB(78, 56, 7));

  // Wider: the shape's right corner moves along.
  control.SetBounds(10, 10, 120, 25);
  EXPECT_EQ(control.Height(), 26);
  EXPECT_FALSE(InWindowRegion(control.Handle(), 119, 0));
  EXPECT_TRUE(InWindowRegion(control.Handle(), 93, 0));

  // No section any more: the plain rectangle again.
  control.SetSkinDataName("nothing");
  control.RefreshSkin();
  EXPECT_EQ(control.SkinIndex(), -1);
  EXPECT_FALSE(HasWindowRegion(control.Handle()));
}

}  // namespace
}  // namespace tavo::skin::button_test
