// Test pictures whose pixels name their own coordinates, so that a drawing
// can be checked by asking where each destination pixel came from.
#pragma once

#include "skin/Bitmap.h"

namespace tavo::skin::test {

// A 24-bit picture whose pixel (x, y) is red x, green y, blue 7 (x, y < 256).
inline TBitmap CoordPicture(int width, int height) {
  TBitmap p(width, height, TPixelFormat::pf24bit);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) p.SetPixel(x, y, RGB(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 7));
  return p;
}

// The source coordinates a pixel of a CoordPicture copy came from.
inline int SourceX(const TBitmap& p, int x, int y) { return GetRValue(p.Pixel(x, y)); }
inline int SourceY(const TBitmap& p, int x, int y) { return GetGValue(p.Pixel(x, y)); }
inline TColor Coord(int x, int y) { return RGB(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 7); }

// A picture of one colour.
inline TBitmap Filled(int width, int height, TColor color) {
  TBitmap p(width, height, TPixelFormat::pf24bit);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) p.SetPixel(x, y, color);
  return p;
}

constexpr TColor kWhite = RGB(255, 255, 255);
constexpr TColor kBlack = RGB(0, 0, 0);

}  // namespace tavo::skin::test
