// Regions on Windows: data into HRGNs (in chunks for long lists) and a
// shape applied to a window and read back with GetWindowRgn.
#include "skin/win32/RegionWin32.h"

#include <gtest/gtest.h>

#include "skin/MaskRegion.h"
#include "skin/win32/TestWindow.h"

namespace tavo::skin {
namespace {

TBitmap Filled(int width, int height, TColor color) {
  TBitmap p(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) p.SetPixel(x, y, color);
  return p;
}

// A 200 x 120 checkerboard: 12 000 one-pixel runs, more than one
// ExtCreateRegion call is given.
TEST(RegionWin32, LongRunListsAreBuiltInChunks) {
  TBitmap mask = Filled(200, 120, RGB(255, 255, 255));
  for (int y = 0; y < 120; ++y)
    for (int x = y % 2; x < 200; x += 2) mask.SetPixel(x, y, 0);
  const auto data = MaskRunsToRegionData(mask, 0, 0);
  ASSERT_TRUE(data.has_value());
  ASSERT_EQ(data->Rects.size(), 12000u);
  ui::THRgn region = win32::CreateRegion(*data);
  ASSERT_TRUE(region);
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 200; ++x)
      ASSERT_EQ(PtInRegion(region.get(), x, y) != FALSE, (x + y) % 2 == 0) << x << "," << y;
  EXPECT_FALSE(PtInRegion(region.get(), 200, 0));
}

TEST(RegionWin32, EmptyDataGivesAnEmptyRegion) {
  const auto data = MaskRunsToRegionData(Filled(5, 5, RGB(255, 255, 255)), 0, 0);
  ui::THRgn region = win32::CreateRegion(*data);
  ASSERT_TRUE(region);
  RECT box;
  EXPECT_EQ(GetRgnBox(region.get(), &box), NULLREGION);
}

// A 60 x 40 window shaped by a mask: black except a 10 x 10 hole at (20, 10)
// and the two top corners' 3 x 3 squares.
TEST(RegionWin32, WindowShapeReadBack) {
  TBitmap mask = Filled(60, 40, 0);
  auto white = [&](int l, int t, int r, int b) {
    for (int y = t; y < b; ++y)
      for (int x = l; x < r; ++x) mask.SetPixel(x, y, RGB(255, 255, 255));
  };
  white(20, 10, 30, 20);
  white(0, 0, 3, 3);
  white(57, 0, 60, 3);
  auto inside = [](int x, int y) {
    if (x < 0 || y < 0 || x >= 60 || y >= 40) return false;
    if (x >= 20 && x < 30 && y >= 10 && y < 20) return false;
    if (y < 3 && (x < 3 || x >= 57)) return false;
    return true;
  };

  test::TTestWindow window(50, 50, 60, 40);
  ASSERT_NE(window.Get(), nullptr);
  ASSERT_TRUE(win32::SetWindowRegion(window.Get(), win32::CreateRegion(MaskToRegion(mask)), true));
  test::TTestWindow::Pump();

  ui::THRgn readBack(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(window.Get(), readBack.get()), ERROR);
  for (int y = -1; y <= 40; ++y)
    for (int x = -1; x <= 60; ++x)
      ASSERT_EQ(PtInRegion(readBack.get(), x, y) != FALSE, inside(x, y)) << x << "," << y;

  // ReadRegion sees the same pixels.
  const TRegion rects = win32::ReadRegion(readBack.get());
  EXPECT_TRUE(rects.Contains(0, 3));
  EXPECT_FALSE(rects.Contains(25, 15));

  // Taking the shape away leaves the window without a region.
  ASSERT_TRUE(win32::SetWindowRegion(window.Get(), nullptr, true));
  ui::THRgn none(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(window.Get(), none.get()), ERROR);
}

}  // namespace
}  // namespace tavo::skin
