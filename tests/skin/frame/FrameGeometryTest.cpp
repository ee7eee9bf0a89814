// Placed frame geometry: Lumen on the directory window's size and at its
// minimum, the rules for the caption and buttons rectangles, and every row
// of the corner-zone table. Expected figures are worked out by hand.
#include <gtest/gtest.h>

#include "skin/FrameGeometry.h"
#include "skin/frame/FrameTestSkins.h"

namespace tavo::skin {
namespace {

using test::TLumen;

TEST(LumenPlacedGeometry, OnTheDirectoryWindow) {
  TLumen lumen;
  const TFrameSkinGeometry s = FrameSkinGeometryOf(lumen.data);
  ASSERT_EQ(s.PW, 277);
  ASSERT_EQ(s.PH, 116);
  // 563 x 262: dx = 286, dy = 146.
  const TPlacedFrameGeometry p = ComputePlacedGeometry(s, 563, 262);
  EXPECT_EQ(p.dx, 286);
  EXPECT_EQ(p.dy, 146);
  EXPECT_EQ(p.LeftTop, (TPoint{111, 46}));
  EXPECT_EQ(p.RightTop, (TPoint{422, 46}));
  EXPECT_EQ(p.LeftBottom, (TPoint{111, 253}));
  EXPECT_EQ(p.RightBottom, (TPoint{422, 253}));
  EXPECT_EQ(p.ClientRect, (TRect{13, 46, 551, 253}));
  EXPECT_EQ(p.MaskRect, (TRect{9, 17, 559, 258}));
  EXPECT_EQ(p.CaptionRect, (TRect{0, 0, 0, 0}));  // Lumen has none
  EXPECT_EQ(p.ButtonsRect, (TRect{0, 0, 0, 0}));
  EXPECT_EQ(p.ButtonsOffset, 2);
  EXPECT_FALSE(p.ButtonsInLeft);
  EXPECT_EQ(p.HitTestLeftTop, (TPoint{12, 12}));
  EXPECT_EQ(p.HitTestRightTop, (TPoint{551, 12}));
  EXPECT_EQ(p.HitTestLeftBottom, (TPoint{12, 254}));
  EXPECT_EQ(p.HitTestRightBottom, (TPoint{551, 254}));

  // The objects' skin rectangles placed by the corner zones.
  EXPECT_EQ(PlaceByCornerZones(s, {46, 16, 136, 35}, p.dx, p.dy), (TRect{46, 16, 422, 35}));    // caption
  EXPECT_EQ(PlaceByCornerZones(s, {240, 11, 264, 35}, p.dx, p.dy), (TRect{526, 11, 550, 35}));  // close
  EXPECT_EQ(PlaceByCornerZones(s, {212, 12, 234, 34}, p.dx, p.dy), (TRect{498, 12, 520, 34}));  // maximize
  EXPECT_EQ(PlaceByCornerZones(s, {184, 12, 206, 34}, p.dx, p.dy), (TRect{470, 12, 492, 34}));  // minimize
  EXPECT_EQ(PlaceByCornerZones(s, {26, 18, 43, 35}, p.dx, p.dy), (TRect{26, 18, 43, 35}));      // roll up
  EXPECT_EQ(PlaceByCornerZones(s, {6, 18, 23, 35}, p.dx, p.dy), (TRect{6, 18, 23, 35}));        // system menu
}

TEST(LumenPlacedGeometry, AtTheMinimumSize) {
  TLumen lumen;
  const TFrameSkinGeometry s = FrameSkinGeometryOf(lumen.data);
  // 277 x 55 (the picture's width; its height less the client's 61 rows).
  const TPlacedFrameGeometry p = ComputePlacedGeometry(s, 277, 55);
  EXPECT_EQ(p.dx, 0);
  EXPECT_EQ(p.dy, -61);
  EXPECT_EQ(p.RightTop, (TPoint{136, 46}));
  EXPECT_EQ(p.LeftBottom, (TPoint{111, 46}));
  EXPECT_EQ(p.RightBottom, (TPoint{136, 46}));
  EXPECT_EQ(p.ClientRect, (TRect{13, 46, 265, 46}));  // no client rows left
  EXPECT_EQ(p.MaskRect, (TRect{9, 17, 273, 51}));
  EXPECT_EQ(p.HitTestRightTop, (TPoint{265, 12}));
  EXPECT_EQ(p.HitTestLeftBottom, (TPoint{12, 47}));
  EXPECT_EQ(p.HitTestRightBottom, (TPoint{265, 47}));
  EXPECT_EQ(PlaceByCornerZones(s, {240, 11, 264, 35}, p.dx, p.dy), (TRect{240, 11, 264, 35}));
}

TEST(FramePlacedGeometry, CaptionAndButtonsRectangles) {
  TFrameSkinGeometry s;
  s.PW = 100;
  s.PH = 80;
  s.CaptionRect = {10, 5, 60, 15};
  s.ButtonsRect = {51, 4, 90, 16};
  TPlacedFrameGeometry p = ComputePlacedGeometry(s, 130, 90);
  EXPECT_EQ(p.CaptionRect, (TRect{10, 5, 90, 15}));   // widens with the window
  EXPECT_EQ(p.ButtonsRect, (TRect{81, 4, 120, 16}));  // right half: moves along

  s.ButtonsRect = {50, 4, 90, 16};  // left not beyond PW / 2: stays
  s.CaptionRect = {10, 5, 10, 15};  // empty: stays
  p = ComputePlacedGeometry(s, 130, 90);
  EXPECT_EQ(p.ButtonsRect, (TRect{50, 4, 90, 16}));
  EXPECT_EQ(p.CaptionRect, (TRect{10, 5, 10, 15}));

  s.PW = 101;  // PW / 2 truncates to 50, so a left of 51 moves, 50 does not
  s.ButtonsRect = {51, 4, 90, 16};
  EXPECT_EQ(ComputePlacedGeometry(s, 131, 90).ButtonsRect, (TRect{81, 4, 120, 16}));
  s.ButtonsRect = {20, 4, 40, 16};  // non-empty but on the left
  EXPECT_EQ(ComputePlacedGeometry(s, 131, 90).ButtonsRect, (TRect{20, 4, 40, 16}));
}

// A 100 x 80 picture with the points (30,20) (70,20) (30,60) (70,60): zones
// left-top (0,0,30,20), right-top (70,0,100,20), left-bottom (0,60,30,80),
// right-bottom (70,60,100,80). The window is 10 wider and 5 taller.
TFrameSkinGeometry ZoneSkin() {
  TFrameSkinGeometry s;
  s.PW = 100;
  s.PH = 80;
  s.LeftTop = {30, 20};
  s.RightTop = {70, 20};
  s.LeftBottom = {30, 60};
  s.RightBottom = {70, 60};
  return s;
}

struct TZoneRow {
  const char* name;
  TRect in, out;
};

class CornerZoneTable : public ::testing::TestWithParam<TZoneRow> {};

TEST_P(CornerZoneTable, PlacesTheRectangle) {
  EXPECT_EQ(PlaceByCornerZones(ZoneSkin(), GetParam().in, 10, 5), GetParam().out) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    EveryRow, CornerZoneTable,
    ::testing::Values(TZoneRow{"left-top/left-top", {2, 2, 10, 10}, {2, 2, 10, 10}},
                      TZoneRow{"right-top/right-top", {75, 2, 90, 15}, {85, 2, 100, 15}},
                      TZoneRow{"left-bottom/left-bottom", {2, 65, 20, 75}, {2, 70, 20, 80}},
                      TZoneRow{"right-bottom/right-bottom", {75, 65, 90, 75}, {85, 70, 100, 80}},
                      TZoneRow{"left-top/right-bottom", {5, 5, 80, 70}, {5, 5, 90, 75}},
                      TZoneRow{"left-top/right-top", {5, 5, 80, 15}, {5, 5, 90, 15}},
                      TZoneRow{"left-bottom/right-bottom", {5, 65, 80, 75}, {5, 70, 90, 80}},
                      TZoneRow{"left-top/left-bottom", {5, 5, 20, 70}, {5, 5, 20, 75}},
                      TZoneRow{"right-top/right-bottom", {75, 5, 90, 70}, {85, 5, 100, 75}},
                      TZoneRow{"middle: no zone", {40, 30, 50, 40}, {40, 30, 50, 40}},
                      TZoneRow{"right-bottom/left-top: no row", {75, 65, 20, 10}, {75, 65, 20, 10}},
                      // The bottom-right corner is tested as (right, bottom)
                      // against zones whose right and bottom are excluded.
                      TZoneRow{"corner on the zone's right edge", {2, 2, 30, 10}, {2, 2, 30, 10}},
                      TZoneRow{"corner on the next zone's left edge", {2, 2, 70, 10}, {2, 2, 80, 10}},
                      TZoneRow{"corner on the zone's bottom edge", {75, 2, 90, 20}, {75, 2, 90, 20}}));

TEST(CornerZones, ZoneRectanglesAndEdges) {
  const TFrameSkinGeometry s = ZoneSkin();
  EXPECT_EQ(CornerZoneRect(s, TCornerZone::czLeftTop), (TRect{0, 0, 30, 20}));
  EXPECT_EQ(CornerZoneRect(s, TCornerZone::czRightTop), (TRect{70, 0, 100, 20}));
  EXPECT_EQ(CornerZoneRect(s, TCornerZone::czLeftBottom), (TRect{0, 60, 30, 80}));
  EXPECT_EQ(CornerZoneRect(s, TCornerZone::czRightBottom), (TRect{70, 60, 100, 80}));
  EXPECT_TRUE(InCornerZone(s, TCornerZone::czLeftTop, {0, 0}));
  EXPECT_TRUE(InCornerZone(s, TCornerZone::czLeftTop, {29, 19}));
  EXPECT_FALSE(InCornerZone(s, TCornerZone::czLeftTop, {30, 19}));
  EXPECT_FALSE(InCornerZone(s, TCornerZone::czLeftTop, {29, 20}));
  EXPECT_TRUE(InCornerZone(s, TCornerZone::czRightBottom, {99, 79}));
  EXPECT_FALSE(InCornerZone(s, TCornerZone::czRightBottom, {100, 79}));
}

TEST(CornerZones, OverlappingZonesTakeTheFirstRow) {
  // Left-top (0,0,60,20) and right-top (40,0,100,20) overlap in 40..59: a
  // rectangle there matches left-top/left-top first and does not move.
  TFrameSkinGeometry s = ZoneSkin();
  s.LeftTop = {60, 20};
  s.RightTop = {40, 20};
  EXPECT_EQ(PlaceByCornerZones(s, {45, 2, 55, 10}, 10, 5), (TRect{45, 2, 55, 10}));
  EXPECT_EQ(PlaceByCornerZones(s, {65, 2, 75, 10}, 10, 5), (TRect{75, 2, 85, 10}));
}

TEST(FramePlacedGeometry, NinePartInputsOfPiecesAndStrips) {
  TLumen lumen;
  const TFrameSkinGeometry s = FrameSkinGeometryOf(lumen.data);
  const TPlacedFrameGeometry p = ComputePlacedGeometry(s, 563, 262);
  const TNinePartGeometry pieces = FramePieceGeometry(s, p);
  EXPECT_EQ(pieces.C, (TRect{13, 46, 265, 107}));
  EXPECT_EQ(pieces.NC, (TRect{13, 46, 551, 253}));
  EXPECT_EQ(pieces.NRB, (TPoint{422, 253}));
  EXPECT_EQ(pieces.RB, (TPoint{136, 107}));
  const TNinePartGeometry strips = MaskStripGeometry(s, p);
  EXPECT_EQ(strips.C, (TRect{9, 17, 273, 112}));
  EXPECT_EQ(strips.NC, (TRect{9, 17, 559, 258}));
  EXPECT_EQ(strips.NLB, (TPoint{111, 253}));
}

}  // namespace
}  // namespace tavo::skin

namespace tavo::skin {
namespace {

// Skin values come from text: the largest ones must saturate, not overflow
// (an overflow would stop this sanitized build).
TEST(FramePlacedGeometry, ExtremeSkinValuesSaturate) {
  constexpr int32_t kMax = INT32_MAX, kMin = INT32_MIN;
  TFrameSkinGeometry s;
  s.PW = 10;
  s.PH = 10;
  s.RightTop = {kMax, kMin};
  s.RightBottom = {kMax, kMax};
  s.LeftBottom = {kMin, kMax};
  s.ClientRect = {0, 0, kMax, kMax};
  s.CaptionRect = {kMin, 0, kMax, 5};
  s.ButtonsRect = {kMax - 10, 0, kMax, 5};
  s.ButtonsOffset = kMax;
  s.MaskRect = {0, 0, kMax, kMax};
  TPlacedFrameGeometry p = ComputePlacedGeometry(s, kMax, kMax);
  EXPECT_EQ(p.dx, kMax - 10);
  EXPECT_EQ(p.RightTop, (TPoint{kMax, kMin}));
  EXPECT_EQ(p.RightBottom, (TPoint{kMax, kMax}));
  EXPECT_EQ(p.ClientRect, (TRect{0, 0, kMax, kMax}));
  EXPECT_EQ(p.ButtonsRect, (TRect{kMax, 0, kMax, 5}));
  p = ComputePlacedGeometry(s, kMin, kMin);
  EXPECT_EQ(p.dx, kMin);  // kMin - 10 held at kMin
  EXPECT_EQ(p.dy, kMin);
  EXPECT_EQ(p.LeftBottom, (TPoint{kMin, -1}));  // kMax + kMin
  EXPECT_EQ(p.RightTop, (TPoint{-1, kMin}));
  EXPECT_EQ(PlaceByCornerZones(s, {kMax - 5, 0, kMax, kMax}, kMax, kMax).right, kMax);
}

}  // namespace
}  // namespace tavo::skin
