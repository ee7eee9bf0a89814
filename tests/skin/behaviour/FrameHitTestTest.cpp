// Hit tests of the window frame: Lumen on the borderless directory window
// and on a sizeable window (mask edges, corners, the border-width probe
// points), the shape test against the mask's own picture, plain mode, and
// the message point and cursor decisions.
#include "skin/FrameHitTest.h"

#include <gtest/gtest.h>

#include "skin/behaviour/LumenFrame.h"

namespace tavo::skin {
namespace {

using testing::TLumenFrame;

struct THitCase {
  int x, y;
  int expected;
};

std::string Where(const THitCase& c) { return "at (" + std::to_string(c.x) + ", " + std::to_string(c.y) + ")"; }

// The directory window: border style none, 563 x 262.
TEST(LumenHitTest, BorderlessDirectoryWindow) {
  const TLumenFrame lumen(563, 262);
  ASSERT_FALSE(lumen.data.IsEmpty);
  TSkinnedHitInput in = lumen.HitInput(false);
  const THitCase idle[] = {
      {200, 25, kHtCaption},  // top band inside the caption object, no control there
      {46, 16, kHtCaption},   {421, 34, kHtCaption},
      {422, 25, kHtObject},   // one past the caption's right edge
      {538, 20, kHtObject},   // the close button, nothing active yet
      {300, 150, kHtClient},  {13, 46, kHtClient},   {550, 252, kHtClient},
      {551, 150, kHtObject},  // the right band
      {300, 253, kHtObject},  // the bottom band
      {5, 150, kHtObject},    {0, 0, kHtObject},
  };
  for (const THitCase& c : idle) EXPECT_EQ(SkinnedHitTest({c.x, c.y}, in), c.expected) << Where(c);

  in.ObjectActive = true;  // the mouse rests on the close button
  const THitCase active[] = {
      {538, 20, kHtObject},
      {200, 25, kHtCaption},  // the caption still drags
      {300, 150, kHtClient},
  };
  for (const THitCase& c : active) EXPECT_EQ(SkinnedHitTest({c.x, c.y}, in), c.expected) << Where(c);
}

TEST(LumenHitTest, RolledUpOrMinimizedAnswersOnlyCaptionAndObjects) {
  const TLumenFrame lumen(563, 262);
  for (int which = 0; which < 2; ++which) {
    TSkinnedHitInput in = lumen.HitInput(true);
    (which == 0 ? in.RolledUp : in.Minimized) = true;
    EXPECT_EQ(SkinnedHitTest({300, 150}, in), kHtObject);
    EXPECT_EQ(SkinnedHitTest({200, 25}, in), kHtCaption);
    EXPECT_EQ(SkinnedHitTest({0, 0}, in), kHtObject) << "no sizing while rolled up or minimized";
  }
}

// A sizeable 563 x 262 window with Lumen's mask: borderwidth 4, mask
// rectangle (9, 17, 559, 258), hit-test points (12, 12), (551, 12),
// (12, 254), (551, 254), client (13, 46, 551, 253).
TEST(LumenHitTest, SizeableEdgesCornersAndProbePoints) {
  const TLumenFrame lumen(563, 262);
  ASSERT_EQ(lumen.data.borderwidth, 4);
  const TSkinnedHitInput in = lumen.HitInput(true);
  const THitCase cases[] = {
      // Corners.
      {0, 0, kHtTopLeft},        {562, 0, kHtTopRight},     {0, 261, kHtBottomLeft},  {562, 261, kHtBottomRight},
      {12, 3, kHtTopLeft},       {551, 3, kHtTopRight},     {3, 254, kHtBottomLeft},  {559, 254, kHtBottomRight},
      // The top band: a probe 4 pixels up leaves the window from y = 3.
      {280, 0, kHtTop},          {280, 3, kHtTop},          {280, 4, kHtObject},
      {13, 2, kHtTop},           {550, 2, kHtTop},
      // Left and right bands.
      {0, 150, kHtLeft},         {3, 150, kHtLeft},         {4, 150, kHtObject},
      {559, 150, kHtRight},      {562, 150, kHtRight},
      {558, 150, kHtObject},     // inside the mask rectangle: never an edge
      // The bottom band.
      {280, 258, kHtBottom},     {280, 261, kHtBottom},     {280, 257, kHtObject},
      // Away from the edges.
      {300, 150, kHtClient},     {200, 25, kHtCaption},     {538, 20, kHtObject},
      // The rounded corner: (4, 4) probes only pixels inside the shape.
      {4, 4, kHtObject},         {3, 4, kHtTopLeft},        {4, 3, kHtTopLeft},
  };
  for (const THitCase& c : cases) EXPECT_EQ(SkinnedHitTest({c.x, c.y}, in), c.expected) << Where(c);
}

TEST(LumenHitTest, SizeableWithoutMaskUsesTheWindowRectangle) {
  const TLumenFrame lumen(563, 262);
  const TSkinnedHitInput in = lumen.HitInput(true, false);
  const THitCase cases[] = {
      {3, 150, kHtLeft}, {4, 150, kHtObject}, {4, 4, kHtObject},  // the corner's shape does not count
      {3, 3, kHtTopLeft}, {559, 150, kHtRight}, {558, 150, kHtObject},
      {280, 258, kHtBottom}, {280, 257, kHtObject},
  };
  for (const THitCase& c : cases) EXPECT_EQ(SkinnedHitTest({c.x, c.y}, in), c.expected) << Where(c);
}

TEST(LumenHitTest, ActiveObjectWinsOverSizingUnlessALoopRuns) {
  const TLumenFrame lumen(563, 262);
  TSkinnedHitInput in = lumen.HitInput(true);
  in.ObjectActive = true;
  EXPECT_EQ(SkinnedHitTest({280, 2}, in), kHtObject);
  EXPECT_EQ(SkinnedHitTest({0, 0}, in), kHtObject);
  in.SizeMoveLoop = true;
  EXPECT_EQ(SkinnedHitTest({280, 2}, in), kHtTop);
  EXPECT_EQ(SkinnedHitTest({0, 0}, in), kHtTopLeft);
}

TEST(LumenHitTest, MaximizedWindowHasNoSizingEdges) {
  const TLumenFrame lumen(563, 262);
  TSkinnedHitInput in = lumen.HitInput(true);
  in.Maximized = true;
  EXPECT_EQ(SkinnedHitTest({280, 2}, in), kHtObject);
  EXPECT_EQ(SkinnedHitTest({0, 0}, in), kHtObject);
  EXPECT_EQ(SkinnedHitTest({300, 150}, in), kHtClient);
}

// Lumen's mask is black but for its rounded corners (checked below); on a
// window of another size the 16 x 16 corners keep their pixels and
// everything between them is black.
bool LumenShape(const TBitmap& mask, int x, int y, int w, int h) {
  if (x < 0 || y < 0 || x >= w || y >= h) return false;
  const int mx = x < 16 ? x : x >= w - 16 ? x - (w - mask.Width()) : 100;
  const int my = y < 16 ? y : y >= h - 16 ? y - (h - mask.Height()) : 50;
  return mask.Pixel(mx, my) == 0;
}

TEST(FrameShape, LumenMaskIsBlackOutsideItsCorners) {
  const TLumenFrame lumen(277, 116);
  const TBitmap& m = lumen.data.Mask;
  ASSERT_EQ(m.Width(), 277);
  ASSERT_EQ(m.Height(), 116);
  int white = 0, cornerWhite = 0;
  for (int y = 0; y < 116; ++y)
    for (int x = 0; x < 277; ++x) {
      const bool corner = (x < 16 || x >= 261) && (y < 16 || y >= 100);
      if (m.Pixel(x, y) != 0) ++(corner ? cornerWhite : white);
    }
  EXPECT_EQ(white, 0);
  EXPECT_GT(cornerWhite, 0);
}

TEST(FrameShape, EveryPixelMatchesTheMaskPictureAndTheRegion) {
  for (const auto& size : {std::pair{563, 262}, std::pair{277, 116}, std::pair{300, 55}}) {
    const TLumenFrame lumen(size.first, size.second);
    const auto region = NinePartMaskToRegion(lumen.W, lumen.H, lumen.data.Mask, lumen.MaskGeometry);
    ASSERT_TRUE(region.has_value());
    int mismatches = 0;
    for (int y = -6; y < lumen.H + 6; ++y)
      for (int x = -6; x < lumen.W + 6; ++x) {
        const bool inShape = PointInFrameShape({x, y}, lumen.MaskRect, lumen.Strips);
        if (inShape != LumenShape(lumen.data.Mask, x, y, lumen.W, lumen.H) || inShape != region->Contains(x, y)) {
          if (++mismatches <= 5) ADD_FAILURE() << size.first << "x" << size.second << " at (" << x << ", " << y << ")";
        }
      }
    EXPECT_EQ(mismatches, 0);
  }
}

TEST(FrameShape, Boundaries) {
  const TLumenFrame lumen(563, 262);
  const struct {
    int x, y;
    bool inside;
  } cases[] = {
      {9, 17, true},     {558, 257, true},  // the mask rectangle's own corners
      {8, 17, true},     {0, 17, true},     // row M.top left of M: the left strip
      {562, 17, true},   {563, 17, false},  // right of M: the right strip, then off it
      {4, 0, true},      {3, 0, false},     // the rounded corner's edge
      {0, 4, true},      {0, 3, false},     {1, 2, false},  {2, 2, true},
      {-1, 100, false},  {280, -1, false},  // off every strip: not black
      {280, 261, true},  {280, 262, false}, {12, 17, true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PointInFrameShape({c.x, c.y}, lumen.MaskRect, lumen.Strips), c.inside) << c.x << ", " << c.y;
}

// A 40 x 30 window whose mask rectangle is (5, 5, 35, 25) and whose top
// strip has one white pixel at (18, 3) in an otherwise black frame: the
// point two pixels right of it is at the edge only through the mask.
TEST(FrameShape, AWhiteStripPixelMakesAnEdgeInsideTheWindow) {
  TMaskPieces strips;
  strips.Top = TBitmap(40, 5);
  strips.Bottom = TBitmap(40, 5);
  strips.Left = TBitmap(5, 20);
  strips.Right = TBitmap(5, 20);
  strips.Top.SetPixel(18, 3, RGB(255, 255, 255));
  TSkinnedHitInput in;
  in.FormWidth = 40;
  in.FormHeight = 30;
  in.ClientRect = TRect{5, 5, 35, 25};
  in.MaskRect = TRect{5, 5, 35, 25};
  in.HitLeftTop = TPoint{4, 4};
  in.HitRightTop = TPoint{35, 4};
  in.HitLeftBottom = TPoint{4, 26};
  in.HitRightBottom = TPoint{35, 26};
  in.BorderWidth = 2;
  in.Mask = &strips;
  in.Sizeable = true;
  EXPECT_FALSE(PointInFrameShape({18, 3}, in.MaskRect, strips));
  EXPECT_TRUE(PointInFrameShape({19, 3}, in.MaskRect, strips));
  EXPECT_EQ(SkinnedHitTest({20, 3}, in), kHtTop);
  EXPECT_EQ(SkinnedHitTest({21, 3}, in), kHtObject);
  in.Mask = nullptr;
  EXPECT_EQ(SkinnedHitTest({20, 3}, in), kHtObject);
  EXPECT_EQ(SkinnedHitTest({20, 1}, in), kHtTop);
}

TEST(FrameShape, EmptyStripsLeaveOnlyTheMaskRectangle) {
  const TMaskPieces none;
  const TRect m{10, 10, 20, 20};
  EXPECT_TRUE(PointInFrameShape({10, 10}, m, none));
  EXPECT_TRUE(PointInFrameShape({19, 19}, m, none));
  EXPECT_FALSE(PointInFrameShape({20, 15}, m, none));
  EXPECT_FALSE(PointInFrameShape({5, 5}, m, none));
  EXPECT_FALSE(PointInFrameShape({15, 25}, m, none));
}

// A plain frame 300 x 200: caption height 19, caption rectangle
// (20, 3, 230, 19) left between the glyph buttons.
TEST(PlainHitTest, Codes) {
  TPlainHitInput in;
  in.FormWidth = 300;
  in.FormHeight = 200;
  in.CaptionRect = TRect{20, 3, 230, 19};
  in.CaptionHeight = 19;
  in.Sizeable = true;
  const THitCase sizeable[] = {
      {0, 0, kHtTopLeft},     {2, 2, kHtTopLeft},     {298, 0, kHtTopRight},  {0, 198, kHtBottomLeft},
      {299, 199, kHtBottomRight}, {1, 100, kHtLeft},  {100, 1, kHtTop},       {297, 0, kHtTop},
      {298, 100, kHtRight},   {100, 198, kHtBottom},  {100, 10, kHtCaption},  {100, 100, kHtClient},
      {3, 22, kHtClient},     {296, 196, kHtClient},  {3, 21, kHtObject},     {297, 100, kHtObject},
      {10, 10, kHtObject},    {240, 10, kHtObject},
  };
  for (const THitCase& c : sizeable) EXPECT_EQ(PlainHitTest({c.x, c.y}, in), c.expected) << Where(c);

  in.ObjectActive = true;
  EXPECT_EQ(PlainHitTest({0, 0}, in), kHtObject);
  EXPECT_EQ(PlainHitTest({100, 10}, in), kHtObject);

  for (int which = 0; which < 4; ++which) {
    TPlainHitInput other = in;
    other.ObjectActive = true;
    switch (which) {
      case 0: other.Sizeable = false; break;
      case 1: other.Maximized = true; break;
      case 2: other.RolledUp = true; break;
      case 3: other.Minimized = true; break;
    }
    EXPECT_EQ(PlainHitTest({0, 0}, other), kHtObject) << which;
    EXPECT_EQ(PlainHitTest({100, 10}, other), kHtCaption) << which;
    EXPECT_EQ(PlainHitTest({100, 100}, other), kHtClient) << which;
  }
}

TEST(PlainHitTest, ToolWindowCaption) {
  TPlainHitInput in;
  in.FormWidth = 200;
  in.FormHeight = 100;
  in.CaptionRect = TRect{3, 3, 160, 15};
  in.CaptionHeight = 15;
  EXPECT_EQ(PlainHitTest({50, 17}, in), kHtObject);
  EXPECT_EQ(PlainHitTest({50, 18}, in), kHtClient);
  EXPECT_EQ(PlainHitTest({50, 14}, in), kHtCaption);
}

TEST(MessagePoint, HalvesAreSigned16Bit) {
  EXPECT_EQ(PointFromMessageParam(0x00640032u), (TPoint{50, 100}));
  EXPECT_EQ(PointFromMessageParam(0xFFFF0005u), (TPoint{5, -1}));
  EXPECT_EQ(PointFromMessageParam(0x8000FFF6u), (TPoint{-10, -32768}));
  EXPECT_EQ(PointFromMessageParam(0x7FFF8000u), (TPoint{-32768, 32767}));
  EXPECT_EQ(ScreenToFrame({-5, 300}, {-20, 100}), (TPoint{15, 200}));
}

TEST(SetCursor, FormCursorOverCaptionAndObjectsNotOnBorders) {
  const int keep[] = {kHtClient, kHtLeft, kHtRight, kHtTop, kHtTopLeft, kHtTopRight, kHtBottom, kHtBottomLeft,
                      kHtBottomRight};
  for (int code : keep) EXPECT_EQ(CursorHitCode(code, true), code) << code;
  for (int code : {kHtNowhere, kHtCaption, kHtObject, 3, 8, 9, 18, 20}) EXPECT_EQ(CursorHitCode(code, true), kHtClient) << code;
  for (int code : {kHtNowhere, kHtCaption, kHtObject, kHtLeft, kHtClient}) EXPECT_EQ(CursorHitCode(code, false), code) << code;
}

}  // namespace
}  // namespace tavo::skin
