// Rectangle and point predicates. Sizes are taken in 64 bits so that
// rectangles spanning the whole 32-bit range never overflow.
#include "skin/Geometry.h"

#include <cstdint>

namespace tavo::skin {

namespace {
int64_t Width64(const TRect& r) { return int64_t{r.right} - r.left; }
int64_t Height64(const TRect& r) { return int64_t{r.bottom} - r.top; }
}  // namespace

int RectWidth(const TRect& r) { return static_cast<int>(Width64(r)); }
int RectHeight(const TRect& r) { return static_cast<int>(Height64(r)); }

bool IsNullRect(const TRect& r) { return Width64(r) < 1 || Height64(r) < 1; }
bool IsNullPoint(const TPoint& p) { return p.x == 0 || p.y == 0; }
bool RectsEqual(const TRect& a, const TRect& b) { return a == b; }

bool PtInRectInclusive(const TRect& r, const TPoint& p) {
  return r.left <= p.x && p.x <= r.right && r.top <= p.y && p.y <= r.bottom;
}

bool PtInRect(const TRect& r, const TPoint& p) {
  return r.left <= p.x && p.x < r.right && r.top <= p.y && p.y < r.bottom;
}

bool RectInRect(const TRect& a, const TRect& b) {
  return PtInRect(b, TPoint{a.left, a.top}) && PtInRect(b, TPoint{a.right, a.bottom});
}

}  // namespace tavo::skin
