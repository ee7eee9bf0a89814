// Rectangle and point helpers of the skin engine: sizes, emptiness,
// comparisons and containment, with the exact edge rules the drawing and
// hit-testing code relies on.
#pragma once

#include "core/Rect.h"

namespace tavo::skin {

using tavo::TPoint;
using tavo::TRect;

// right - left and bottom - top (negative for an inverted rectangle).
int RectWidth(const TRect& r);
int RectHeight(const TRect& r);

// A rectangle is empty ("null") when its width or its height is below 1.
bool IsNullRect(const TRect& r);
// A skin point is unset when either coordinate is 0.
bool IsNullPoint(const TPoint& p);
bool RectsEqual(const TRect& a, const TRect& b);

// True when p lies in r with the right and bottom edges included.
bool PtInRectInclusive(const TRect& r, const TPoint& p);
// True when p lies in r with the right and bottom edges excluded, as the
// platform's point test does.
bool PtInRect(const TRect& r, const TPoint& p);
// True when the top-left and bottom-right corners of a both lie in b by
// PtInRect (so a rectangle touching b's right or bottom edge is not inside).
bool RectInRect(const TRect& a, const TRect& b);

constexpr TRect EmptyRect() { return TRect{0, 0, 0, 0}; }

}  // namespace tavo::skin
