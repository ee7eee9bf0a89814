// The plain frame pixel for pixel: rings, grooves, the caption box and its
// text (fitting with "..."), objects drawn into the caption strip, the
// tool-window caption, and the client area left alone.
#include <gtest/gtest.h>

#include "skin/FrameLayout.h"
#include "skin/FramePlain.h"
#include "skin/frame/FrameTestText.h"

namespace tavo::skin {
namespace {

using test::TFixedTextPainter;

const TColor kBackground = RGB(1, 2, 3);
const TColor kText = RGB(0, 0, 1);

TFrameSystemColors Colors() {
  // Distinct values so that every pixel says which colour it got.
  TFrameSystemColors c;
  c.BtnFace = RGB(200, 200, 200);
  c.BtnHighlight = RGB(250, 250, 250);
  c.BtnShadow = RGB(100, 100, 100);
  c.Light3D = RGB(220, 220, 220);
  c.DkShadow3D = RGB(50, 50, 50);
  return c;
}

// A 200 x 100 window with the six default buttons laid out: the caption
// rectangle is (20, 3, 112, 19), so in the 194-pixel strip li = 17 and
// ri = 82; the grooves run from x = 19 to 105 on rows 2 .. 15.
TPlainFrameInput Input(const std::string& caption) {
  TPlainFrameInput in;
  in.FrameWidth = 200;
  in.FrameHeight = 100;
  in.Caption = caption;
  in.FontColor = kText;
  in.Colors = Colors();
  in.CaptionRect = {20, 3, 112, 19};
  return in;
}

TBitmap Background(int w, int h) {
  TBitmap b(w, h);
  FillRect(b, {0, 0, w, h}, kBackground);
  return b;
}

TEST(PlainCaption, GroovesAndTheCaptionBox) {
  TFixedTextPainter text;
  const TFrameSystemColors c = Colors();
  const TBitmap strip = PaintPlainCaption(Input("Setup"), text, {});
  ASSERT_EQ(strip.Width(), 194);
  ASSERT_EQ(strip.Height(), 19);
  ASSERT_EQ(text.written, std::vector<std::string>{"Setup"});
  // "Setup" is 30 x 10: the box is x = 17 + 95 / 2 - 35 / 2 = 47 .. 81, the
  // text at (50, 4).
  for (int y = 0; y < 19; ++y)
    for (int x = 0; x < 194; ++x) {
      TColor want = c.BtnFace;
      const bool groove = y >= 2 && y <= 15 && x >= 19 && x < 106;
      const bool box = x >= 47 && x < 82;
      if (groove && !box) want = (y % 2 == 0) ? c.BtnHighlight : c.BtnShadow;
      const int tx = x - 50;
      if (box && tx >= 0 && tx < 30 && tx % 6 < 5 && y >= 5 && y < 13) want = kText;
      ASSERT_EQ(strip.Pixel(x, y), want) << x << "," << y;
    }
}

TEST(PlainCaption, LongCaptionIsCutWithDots) {
  TFixedTextPainter text;
  // 95 pixels between the ends: 12 letters and "..." (90) fit, 13 do not.
  const TBitmap strip = PaintPlainCaption(Input("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), text, {});
  ASSERT_EQ(text.written, std::vector<std::string>{"ABCDEFGHIJKL..."});
  // Box x = 17 + 47 - 47 = 17 .. 111: no groove is left visible.
  for (int y = 0; y < 19; ++y)
    for (int x = 17; x < 112; ++x) ASSERT_NE(strip.Pixel(x, y), Colors().BtnHighlight) << x << "," << y;
  EXPECT_EQ(strip.Pixel(20, 5), kText);
}

TEST(PlainCaption, EmptyCaptionWritesNothing) {
  TFixedTextPainter text;
  const TBitmap strip = PaintPlainCaption(Input(""), text, {});
  EXPECT_TRUE(text.written.empty());
  for (int x = 19; x < 106; ++x) ASSERT_EQ(strip.Pixel(x, 2), Colors().BtnHighlight) << x;
  EXPECT_EQ(strip.Pixel(18, 2), Colors().BtnFace);
  EXPECT_EQ(strip.Pixel(106, 2), Colors().BtnFace);
}

TEST(PlainCaption, ObjectsAreDrawnFullyAtTheirPlaceInTheStrip) {
  TFixedTextPainter text;
  std::vector<TRect> seen;
  std::vector<TPaintedObject> objects = {
      {true,
       {180, 4, 197, 21},
       [&](TBitmap& canvas, const TRect& at, bool full) {
         EXPECT_TRUE(full);
         seen.push_back(at);
         FillRect(canvas, at, RGB(9, 9, 9));
       }},
      {false, {3, 4, 20, 21}, [&](TBitmap&, const TRect& at, bool) { seen.push_back(at); }}};
  const TBitmap strip = PaintPlainCaption(Input("Setup"), text, objects);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], (TRect{177, 1, 194, 18}));
  EXPECT_EQ(strip.Pixel(177, 1), RGB(9, 9, 9));
  EXPECT_EQ(strip.Pixel(176, 1), Colors().BtnFace);
}

TEST(PlainFrame, RingsCaptionAndUntouchedClient) {
  TFixedTextPainter text;
  const TFrameSystemColors c = Colors();
  const TPlainFrameInput in = Input("Setup");
  const TBitmap w = PaintPlainFrame(in, text, {}, Background(200, 100));
  const TBitmap strip = PaintPlainCaption(in, text, {});
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) {
      TColor want;
      const int ring = std::min(std::min(x, y), std::min(199 - x, 99 - y));
      if (ring == 0) {
        const bool bottomRight = x == 199 || y == 99;
        want = bottomRight ? c.DkShadow3D : c.Light3D;
      } else if (ring == 1) {
        const bool bottomRight = x == 198 || y == 98;
        want = bottomRight ? c.BtnShadow : c.BtnHighlight;
      } else if (ring == 2) {
        want = c.BtnFace;
      } else if (y < 22) {
        want = strip.Pixel(x - 3, y - 3);
      } else {
        want = kBackground;  // the client area
      }
      ASSERT_EQ(w.Pixel(x, y), want) << x << "," << y;
    }
  // The corners where the two colours of a ring meet.
  EXPECT_EQ(w.Pixel(199, 0), c.DkShadow3D);
  EXPECT_EQ(w.Pixel(0, 99), c.DkShadow3D);
  EXPECT_EQ(w.Pixel(198, 1), c.BtnShadow);
  EXPECT_EQ(w.Pixel(1, 98), c.BtnShadow);
}

TEST(PlainFrame, ToolWindowCaptionIsLower) {
  TFixedTextPainter text;
  TPlainFrameInput in = Input("");
  in.ToolWindow = true;
  std::vector<TFrameLayoutItem> none;
  in.CaptionRect = PlainLayout(none, 200, true, {});
  EXPECT_EQ(in.CaptionRect, (TRect{3, 3, 197, 15}));
  const TBitmap strip = PaintPlainCaption(in, text, {});
  ASSERT_EQ(strip.Height(), 15);
  // li = 0, ri = 194 - 197 = -3: grooves from x = 2 to 190, rows 2 .. 11.
  EXPECT_EQ(strip.Pixel(2, 11), Colors().BtnShadow);
  EXPECT_EQ(strip.Pixel(190, 2), Colors().BtnHighlight);
  EXPECT_EQ(strip.Pixel(191, 2), Colors().BtnFace);
  EXPECT_EQ(strip.Pixel(1, 2), Colors().BtnFace);
  EXPECT_EQ(strip.Pixel(50, 12), Colors().BtnFace);
  const TBitmap w = PaintPlainFrame(in, text, {}, Background(200, 60));
  EXPECT_EQ(w.Pixel(10, 17), Colors().BtnFace);  // last strip row
  EXPECT_EQ(w.Pixel(10, 18), kBackground);       // client from row 18
}

}  // namespace
}  // namespace tavo::skin
