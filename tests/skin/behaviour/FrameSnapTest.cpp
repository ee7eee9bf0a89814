// Magnetic snapping with its strict bounds and its order, and the
// maximized window held in place while dragged.
#include "skin/FrameSnap.h"

#include <gtest/gtest.h>

namespace tavo::skin {
namespace {

const TRect kArea{0, 0, 1280, 994};

struct TSnapCase {
  int left, top;
  int expectedLeft, expectedTop;
};

TEST(Snap, StrictlyWithinTheDistanceOfEachEdge) {
  // A 563 x 262 window, MagneticSize 10.
  const TSnapCase cases[] = {
      {9, 300, 0, 300},      {10, 300, 10, 300},    {-9, 300, 0, 300},    {-10, 300, -10, 300},
      {300, 9, 300, 0},      {300, 10, 300, 10},    {300, -9, 300, 0},
      {708, 300, 717, 300},  // right edge at 1271: onto 1280
      {707, 300, 707, 300},  // right edge at 1270: 10 away
      {726, 300, 717, 300},  // right edge at 1289, 9 past the area
      {300, 741, 300, 732},  // bottom edge at 1003
      {300, 742, 300, 742},  // bottom edge at 1004
      {5, 5, 0, 0},
  };
  for (const TSnapCase& c : cases) {
    EXPECT_EQ(SnapToArea(c.left, c.top, 563, 262, kArea, 10),
              (TRect{c.expectedLeft, c.expectedTop, c.expectedLeft + 563, c.expectedTop + 262}))
        << c.left << ", " << c.top;
  }
}

TEST(Snap, RightAndBottomAreTestedAfterLeftAndTop) {
  // 1275 wide: the left edge snaps to 0 first, then the right edge
  // (0 + 1275, 5 from the area's right) moves the window to 5.
  EXPECT_EQ(SnapToArea(3, 3, 1275, 990, kArea, 10), (TRect{5, 4, 1280, 994}));
}

TEST(Snap, AnAreaAwayFromTheOrigin) {
  const TRect second{1280, 20, 2560, 1024};
  EXPECT_EQ(SnapToArea(1284, 24, 200, 100, second, 5), (TRect{1280, 20, 1480, 120}));
  EXPECT_EQ(SnapToArea(1285, 25, 200, 100, second, 5), (TRect{1285, 25, 1485, 125}));
}

TEST(Moving, MaximizedStaysMagneticSnapsOtherwiseUnchanged) {
  TMovingInput in;
  in.Proposed = TRect{7, 40, 570, 302};
  in.CurrentBounds = TRect{100, 100, 663, 362};
  in.WorkArea = kArea;
  EXPECT_EQ(MovingRect(in), in.Proposed);
  in.Magnetic = true;
  EXPECT_EQ(MovingRect(in), (TRect{7, 40, 570, 302})) << "MagneticSize 5 by default: 7 is too far";
  in.MagneticSize = 10;
  EXPECT_EQ(MovingRect(in), (TRect{0, 40, 563, 302}));
  in.Maximized = true;
  EXPECT_EQ(MovingRect(in), in.CurrentBounds);
}

}  // namespace
}  // namespace tavo::skin
