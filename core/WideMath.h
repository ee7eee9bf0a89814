// a * b / c with the product kept exact in 128 bits, on compilers for 32-bit
// targets too (which have no 128-bit integer type).
#pragma once

#include <cstdint>

namespace tavo {

// A 128-bit unsigned number as two 64-bit halves.
struct TUint128 {
  uint64_t Hi = 0;
  uint64_t Lo = 0;
};

constexpr TUint128 Multiply64(uint64_t a, uint64_t b) {
  const uint64_t aLo = a & 0xFFFFFFFFu, aHi = a >> 32;
  const uint64_t bLo = b & 0xFFFFFFFFu, bHi = b >> 32;
  const uint64_t lowLow = aLo * bLo;
  const uint64_t highLow = aHi * bLo;
  const uint64_t lowHigh = aLo * bHi;
  const uint64_t highHigh = aHi * bHi;
  // The middle column collects the cross products and the carry out of the
  // low one; none of the sums can pass 64 bits.
  const uint64_t middle = (lowLow >> 32) + (highLow & 0xFFFFFFFFu) + (lowHigh & 0xFFFFFFFFu);
  TUint128 r;
  r.Lo = (middle << 32) | (lowLow & 0xFFFFFFFFu);
  r.Hi = highHigh + (highLow >> 32) + (lowHigh >> 32) + (middle >> 32);
  return r;
}

constexpr TUint128 Add64(TUint128 x, uint64_t y) {
  const uint64_t lo = x.Lo + y;
  return TUint128{x.Hi + (lo < x.Lo ? 1u : 0u), lo};
}

// floor(x / d) for d > 0, when the quotient fits 64 bits (x.Hi < d);
// anything larger gives UINT64_MAX.
constexpr uint64_t Divide128(TUint128 x, uint64_t d) {
  if (d == 0 || x.Hi >= d) return UINT64_MAX;
  if (x.Hi == 0) return x.Lo / d;
  // Long division a bit at a time; the remainder stays below d, and the bit
  // shifted out of it says when it has passed 64 bits.
  uint64_t rem = x.Hi, q = 0;
  for (int bit = 63; bit >= 0; --bit) {
    const bool over = (rem >> 63) != 0;
    rem = (rem << 1) | ((x.Lo >> bit) & 1u);
    q <<= 1;
    if (over || rem >= d) {
      rem -= d;
      q |= 1u;
    }
  }
  return q;
}

// floor((a * b + add) / c); c > 0 and the result fits 64 bits.
constexpr uint64_t MulAddDivU64(uint64_t a, uint64_t b, uint64_t add, uint64_t c) {
  return Divide128(Add64(Multiply64(a, b), add), c);
}

// a * b / c truncated toward zero, as C++ divides; c != 0 and the result
// fits 64 bits.
constexpr int64_t MulDiv64(int64_t a, int64_t b, int64_t c) {
  const auto magnitude = [](int64_t v) { return v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v); };
  const uint64_t q = MulAddDivU64(magnitude(a), magnitude(b), 0, magnitude(c));
  const bool negative = ((a < 0) != (b < 0)) != (c < 0);
  return negative ? static_cast<int64_t>(0 - q) : static_cast<int64_t>(q);
}

}  // namespace tavo
