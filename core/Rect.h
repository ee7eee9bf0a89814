// Rectangles and points shared by every layer: 32-bit signed coordinates,
// right and bottom exclusive, as Windows RECT and POINT hold them.
#pragma once

#include <cstdint>

namespace tavo {

struct TPoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const TPoint&) const = default;
};

struct TRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  bool operator==(const TRect&) const = default;
};

constexpr TPoint Point(int32_t x, int32_t y) { return TPoint{x, y}; }
constexpr TRect Rect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  return TRect{left, top, right, bottom};
}

}  // namespace tavo
