// Rectangle and point predicates, including their edge rules.
#include "skin/Geometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace tavo::skin {
namespace {

struct TRectCase {
  TRect r;
  int width, height;
  bool null;
};

class RectSizes : public ::testing::TestWithParam<TRectCase> {};

TEST_P(RectSizes, WidthHeightNull) {
  const TRectCase& c = GetParam();
  EXPECT_EQ(RectWidth(c.r), c.width);
  EXPECT_EQ(RectHeight(c.r), c.height);
  EXPECT_EQ(IsNullRect(c.r), c.null);
}

INSTANTIATE_TEST_SUITE_P(Rects, RectSizes,
                         ::testing::Values(TRectCase{{0, 0, 0, 0}, 0, 0, true}, TRectCase{{1, 2, 4, 7}, 3, 5, false},
                                           TRectCase{{0, 0, 1, 1}, 1, 1, false}, TRectCase{{0, 0, 5, 0}, 5, 0, true},
                                           TRectCase{{5, 5, 2, 9}, -3, 4, true},
                                           // Spanning the whole 32-bit range is not "inverted".
                                           TRectCase{{INT_MIN, 0, INT_MAX, 1}, -1, 1, false}),
                         [](const auto& info) { return std::string("case").append(std::to_string(info.index)); });

struct TPointCase {
  TPoint p;
  bool inclusive, exclusive;
};

class PointInRect : public ::testing::TestWithParam<TPointCase> {};

// R = (2, 3, 6, 8).
TEST_P(PointInRect, EdgesIncludedOrNot) {
  const TRect r{2, 3, 6, 8};
  EXPECT_EQ(PtInRectInclusive(r, GetParam().p), GetParam().inclusive);
  EXPECT_EQ(PtInRect(r, GetParam().p), GetParam().exclusive);
}

INSTANTIATE_TEST_SUITE_P(Points, PointInRect,
                         ::testing::Values(TPointCase{{2, 3}, true, true}, TPointCase{{5, 7}, true, true},
                                           TPointCase{{6, 8}, true, false}, TPointCase{{6, 3}, true, false},
                                           TPointCase{{1, 3}, false, false}, TPointCase{{2, 9}, false, false}),
                         [](const auto& info) {
                           return std::string("x").append(std::to_string(info.param.p.x)).append("y").append(
                               std::to_string(info.param.p.y));
                         });

TEST(Geometry, RectInRectUsesTheExclusiveTest) {
  const TRect outer{0, 0, 10, 10};
  EXPECT_TRUE(RectInRect(TRect{1, 1, 9, 9}, outer));
  // The bottom-right corner of the inner rectangle is its exclusive edge, so
  // a rectangle reaching outer's right edge is not inside.
  EXPECT_FALSE(RectInRect(TRect{1, 1, 10, 9}, outer));
  EXPECT_FALSE(RectInRect(outer, outer));
  EXPECT_FALSE(RectInRect(TRect{-1, 1, 5, 5}, outer));
}

TEST(Geometry, PointsAndEquality) {
  EXPECT_TRUE(IsNullPoint(TPoint{0, 5}));
  EXPECT_TRUE(IsNullPoint(TPoint{5, 0}));
  EXPECT_FALSE(IsNullPoint(TPoint{-1, 1}));
  EXPECT_TRUE(RectsEqual(TRect{1, 2, 3, 4}, TRect{1, 2, 3, 4}));
  EXPECT_FALSE(RectsEqual(TRect{1, 2, 3, 4}, TRect{1, 2, 3, 5}));
  EXPECT_TRUE(RectsEqual(EmptyRect(), TRect{0, 0, 0, 0}));
}

}  // namespace
}  // namespace tavo::skin
