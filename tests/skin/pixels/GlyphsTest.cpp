// Glyph frames, line glyphs and arrows, pixel by pixel.
#include "skin/Glyphs.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>

#include "skin/pixels/Pictures.h"

namespace tavo::skin {
namespace {

using test::Filled;
using Pixels = std::set<std::pair<int, int>>;

constexpr TColor kPaper = RGB(200, 200, 200);
constexpr TColor kInk = RGB(1, 2, 3);

// The pixels of a 20 x 20 canvas that a drawing changed, relative to (x, y).
Pixels Drawn(const std::function<void(TBitmap&)>& draw, int x = 0, int y = 0) {
  TBitmap canvas = Filled(20, 20, kPaper);
  draw(canvas);
  Pixels out;
  for (int py = 0; py < 20; ++py)
    for (int px = 0; px < 20; ++px)
      if (canvas.Pixel(px, py) != kPaper) {
        EXPECT_EQ(canvas.Pixel(px, py), kInk);
        out.emplace(px - x, py - y);
      }
  return out;
}

TEST(GlyphFrame, FrameTwoOfFour) {
  // 64 x 8 strip, pixel (x, y) = RGB(x, y, 9); frame 2 is columns 16..31.
  TBitmap strip(64, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 64; ++x) strip.SetPixel(x, y, RGB(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 9));
  const TColor key = RGB(255, 0, 255);
  strip.SetPixel(16, 7, key);  // the frame's bottom-left pixel: its transparent colour
  strip.SetPixel(20, 3, key);
  strip.SetPixel(0, 7, RGB(1, 1, 1));  // frame 1's bottom-left must not matter

  TBitmap canvas = Filled(40, 12, kPaper);
  DrawGlyphFrame(canvas, 3, 2, 2, 4, strip);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 40; ++x) {
      const int c = x - 3, r = y - 2;
      TColor expected = kPaper;
      if (c >= 0 && c < 16 && r >= 0 && r < 8 && !((c == 0 && r == 7) || (c == 4 && r == 3)))
        expected = RGB(static_cast<uint8_t>(16 + c), static_cast<uint8_t>(r), 9);
      ASSERT_EQ(canvas.Pixel(x, y), expected) << x << "," << y;
    }
}

TEST(GlyphFrame, NothingForBadFrames) {
  const TBitmap strip = Filled(64, 8, RGB(5, 5, 5));
  for (auto [k, n] : {std::pair{0, 4}, {5, 4}, {1, 0}, {1, -2}, {1, 100}}) {
    TBitmap canvas = Filled(10, 10, kPaper);
    DrawGlyphFrame(canvas, -3, -3, k, n, strip);
    EXPECT_EQ(canvas, Filled(10, 10, kPaper)) << k << "/" << n;
  }
}

TEST(LineGlyphs, Cross) {
  Pixels expected;
  for (int i = 0; i < 8; ++i) {
    expected.emplace(1 + i, 1 + i);  // (1,1)-(9,9)
    expected.emplace(9 - i, 1 + i);  // (9,1)-(1,9)
    expected.emplace(2 + i, 1 + i);  // (2,1)-(10,9)
    expected.emplace(8 - i, 1 + i);  // (8,1)-(0,9)
  }
  EXPECT_EQ(Drawn([](TBitmap& c) { DrawCrossGlyph(c, 4, 5, kInk); }, 4, 5), expected);
}

Pixels Outline(int l, int t, int r, int b) {
  Pixels p;
  for (int x = l; x < r; ++x) p.emplace(x, t), p.emplace(x, b - 1);
  for (int y = t; y < b; ++y) p.emplace(l, y), p.emplace(r - 1, y);
  return p;
}

Pixels Join(Pixels a, const Pixels& b) {
  a.insert(b.begin(), b.end());
  return a;
}

Pixels Row(int y, int from, int to) {  // columns from..to inclusive
  Pixels p;
  for (int x = from; x <= to; ++x) p.emplace(x, y);
  return p;
}

TEST(LineGlyphs, OutlinesBarsAndTriangles) {
  EXPECT_EQ(Drawn([](TBitmap& c) { DrawBarGlyph(c, 2, 2, kInk); }, 2, 2), Outline(1, 3, 9, 6));
  EXPECT_EQ(Drawn([](TBitmap& c) { DrawUnderlineGlyph(c, 2, 2, kInk); }, 2, 2), Join(Row(8, 1, 8), Row(9, 1, 8)));
  EXPECT_EQ(Drawn([](TBitmap& c) { DrawWindowGlyph(c, 2, 2, kInk); }, 2, 2),
            Join(Outline(0, 0, 11, 10), Outline(0, 0, 11, 2)));
  EXPECT_EQ(Drawn([](TBitmap& c) { DrawTwoWindowsGlyph(c, 2, 2, kInk); }, 2, 2),
            Join(Join(Outline(2, 0, 10, 6), Outline(2, 0, 10, 2)), Join(Outline(0, 4, 7, 10), Outline(0, 4, 7, 6))));
  // Down: row 6 - i spans 5 - i .. 4 + i (the end point excluded).
  Pixels down, up;
  for (int i = 0; i <= 4; ++i) {
    down = Join(down, Row(6 - i, 5 - i, 4 + i));
    up = Join(up, Row(6 - i, 1 + i, 8 - i));
  }
  EXPECT_EQ(Drawn([](TBitmap& c) { DrawTriangleDownGlyph(c, 2, 2, kInk); }, 2, 2), down);
  EXPECT_EQ(Drawn([](TBitmap& c) { DrawTriangleUpGlyph(c, 2, 2, kInk); }, 2, 2), up);
  Pixels square;
  for (int y = 2; y < 7; ++y) square = Join(square, Row(y, 2, 6));
  EXPECT_EQ(Drawn([](TBitmap& c) { DrawSquareGlyph(c, 2, 2, kInk); }, 2, 2), square);
}

TEST(Arrow, FourDirections) {
  const TRect r{2, 3, 13, 12};  // w = 11, h = 9: halves 5 and 4
  Pixels left, right, up, down;
  for (int i = 0; i <= 3; ++i) {
    // Left: x0 = 2 + 5 - 2 = 5, y0 = 3 + 4 = 7; column 5 + i spans 7 - i .. 7 + i.
    for (int y = 7 - i; y <= 7 + i; ++y) left.emplace(5 + i, y);
    // Right: x0 = 9; column 9 - i spans 7 - i .. 7 + i (drawn upwards).
    for (int y = 7 - i; y <= 7 + i; ++y) right.emplace(9 - i, y);
    // Up: x0 = 7, y0 = 5; row 5 + i spans 7 - i .. 7 + i.
    up = Join(up, Row(5 + i, 7 - i, 7 + i));
    // Down: y0 = 9; row 9 - i spans 7 - i .. 7 + i.
    down = Join(down, Row(9 - i, 7 - i, 7 + i));
  }
  EXPECT_EQ(Drawn([&](TBitmap& c) { DrawArrow(c, r, kInk, 1); }), left);
  EXPECT_EQ(Drawn([&](TBitmap& c) { DrawArrow(c, r, kInk, 2); }), right);
  EXPECT_EQ(Drawn([&](TBitmap& c) { DrawArrow(c, r, kInk, 3); }), up);
  EXPECT_EQ(Drawn([&](TBitmap& c) { DrawArrow(c, r, kInk, 4); }), down);
  EXPECT_TRUE(Drawn([&](TBitmap& c) { DrawArrow(c, r, kInk, 0); }).empty());
  EXPECT_TRUE(Drawn([&](TBitmap& c) { DrawArrow(c, r, kInk, 5); }).empty());
}

TEST(Lines, ClippedAtTheCanvasEdge) {
  // A line running off the canvas draws only its visible pixels.
  const Pixels drawn = Drawn([](TBitmap& c) { DrawLine(c, -5, 3, 30, 3, kInk); });
  EXPECT_EQ(drawn, Row(3, 0, 19));
}

}  // namespace
}  // namespace tavo::skin

namespace tavo::skin {
namespace {

// Found by fuzzing: the arrow's centre overflowed 32 bits for a rectangle
// spanning the whole coordinate range. Up: w div 2 = h div 2 = 2147483647,
// so x0 = -1 and y0 = -3; the row of i = 3 is y = 0 from x = -4 to 2.
TEST(Arrow, WholeRangeRectangle) {
  const TRect r{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
  EXPECT_EQ(Drawn([&](TBitmap& c) { DrawArrow(c, r, kInk, 3); }), Row(0, 0, 2));
}

}  // namespace
}  // namespace tavo::skin
