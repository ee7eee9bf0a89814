// The arithmetic shared by the bitmap effects: nearest integer with halves
// to even on 80-bit long double values, and forcing into a channel byte.
#pragma once

#include <cmath>
#include <cstdint>

namespace tavo::skin {

// v rounded to the nearest integer, halves to even (the default rounding
// mode); NaN gives 0 and huge values are held at +-2^62.
inline int64_t Nearest(long double v) {
  if (std::isnan(v)) return 0;
  const long double r = std::nearbyint(v);
  constexpr long double kLimit = 4611686018427387904.0L;  // 2^62
  if (r > kLimit) return static_cast<int64_t>(kLimit);
  if (r < -kLimit) return -static_cast<int64_t>(kLimit);
  return static_cast<int64_t>(r);
}

inline uint8_t ClampByte(int64_t v) { return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); }

// clamp(nearest(t * self + (1 - t) * other)), the gradients' mix.
inline uint8_t MixWeighted(long double t, uint8_t self, uint8_t other) {
  return ClampByte(Nearest(t * self + (1.0L - t) * other));
}

}  // namespace tavo::skin
