// Portable pictures on Windows: a TBitmap and a TEffectBmp put on a window
// in one copy and read back.
#include "skin/win32/DibSection.h"

#include <gtest/gtest.h>

#include "skin/win32/TestWindow.h"

namespace tavo::skin {
namespace {

// Pixel (x, y) = red 3x, green 5y, blue 100 + x + y.
TColor Expected(int x, int y) {
  return RGB(static_cast<uint8_t>(3 * x), static_cast<uint8_t>(5 * y), static_cast<uint8_t>(100 + x + y));
}

TBitmap Pattern(int width, int height) {
  TBitmap p(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) p.SetPixel(x, y, Expected(x, y));
  return p;
}

TEST(DibSection, HoldsThePixelsTopDown) {
  const TBitmap picture = Pattern(7, 5);  // odd width: rows padded to 24 bytes
  ui::THBitmap section = win32::CreateDibSection(picture);
  ASSERT_TRUE(section);
  DIBSECTION info{};
  ASSERT_EQ(GetObjectA(section.get(), sizeof(info), &info), static_cast<int>(sizeof(info)));
  EXPECT_EQ(info.dsBm.bmWidth, 7);
  EXPECT_EQ(info.dsBm.bmHeight, 5);
  EXPECT_EQ(info.dsBm.bmBitsPixel, 24);
  EXPECT_EQ(info.dsBm.bmWidthBytes, 24);
  const auto* bits = static_cast<const uint8_t*>(info.dsBm.bmBits);
  // Row 4 (the bottom) pixel 6: blue, green, red.
  const uint8_t* p = bits + 4 * 24 + 6 * 3;
  EXPECT_EQ(p[0], 100 + 6 + 4);
  EXPECT_EQ(p[1], 20);
  EXPECT_EQ(p[2], 18);
  EXPECT_FALSE(win32::CreateDibSection(TBitmap()));
}

TEST(DibSection, PaletteBitmapIsConverted) {
  TBitmap picture(4, 2, TPixelFormat::pf8bit);
  picture.Palette() = {TPaletteEntry{1, 2, 3, 0}, TPaletteEntry{40, 50, 60, 0}};
  picture.Row(1)[3] = 1;
  ui::THBitmap section = win32::CreateDibSection(picture);
  ASSERT_TRUE(section);
  ui::THMemDC dc(CreateCompatibleDC(nullptr));
  ui::TSelect select(dc.get(), section.get());
  EXPECT_EQ(GetPixel(dc.get(), 3, 1), RGB(60, 50, 40));
  EXPECT_EQ(GetPixel(dc.get(), 0, 0), RGB(3, 2, 1));
}

TEST(DibSection, BitmapOnAWindowInOneCopy) {
  test::TTestWindow window(100, 100, 80, 60);
  ASSERT_NE(window.Get(), nullptr);
  const TBitmap picture = Pattern(30, 20);
  {
    ui::TWindowDC dc(window.Get());
    ASSERT_TRUE(win32::DrawBitmap(dc, 10, 5, picture));
    GdiFlush();
  }
  ui::TWindowDC dc(window.Get());
  const TBitmap shown = win32::CaptureDC(dc, TRect{10, 5, 40, 25});
  ASSERT_EQ(shown.Width(), 30);
  ASSERT_EQ(shown.Height(), 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) ASSERT_EQ(shown.Pixel(x, y), Expected(x, y)) << x << "," << y;
  // Around it the window keeps its black background.
  EXPECT_EQ(GetPixel(dc, 9, 5), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 40, 24), RGB(0, 0, 0));
}

TEST(DibSection, EffectPictureOnAWindow) {
  test::TTestWindow window(200, 100, 40, 30);
  ASSERT_NE(window.Get(), nullptr);
  TEffectBmp picture(Pattern(9, 6));
  picture.Invert();
  ui::TWindowDC dc(window.Get());
  ASSERT_TRUE(win32::DrawEffectBmp(dc, 2, 3, picture));
  GdiFlush();
  const TBitmap shown = win32::CaptureDC(dc, TRect{2, 3, 11, 9});
  ASSERT_EQ(shown.Width(), 9);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 9; ++x) {
      const TColor c = Expected(x, y);
      const TColor inverted = RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c));
      ASSERT_EQ(shown.Pixel(x, y), inverted) << x << "," << y;
    }
}

}  // namespace
}  // namespace tavo::skin
