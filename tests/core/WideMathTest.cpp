// The 128-bit product and quotient helpers: values at the edges of 64 bits,
// signs, and (where the compiler has a 128-bit type) a sweep against it.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "core/WideMath.h"

namespace tavo {
namespace {

TEST(WideMathTest, ProductOfTheLargestValuesKeepsEveryBit) {
  // (2^64 - 1)^2 = 2^128 - 2^65 + 1
  const TUint128 p = Multiply64(UINT64_MAX, UINT64_MAX);
  EXPECT_EQ(p.Hi, UINT64_MAX - 1);
  EXPECT_EQ(p.Lo, 1u);
  const TUint128 q = Multiply64(uint64_t{1} << 32, uint64_t{1} << 32);
  EXPECT_EQ(q.Hi, 1u);
  EXPECT_EQ(q.Lo, 0u);
  const TUint128 carry = Add64(TUint128{0, UINT64_MAX}, 1);
  EXPECT_EQ(carry.Hi, 1u);
  EXPECT_EQ(carry.Lo, 0u);
}

TEST(WideMathTest, QuotientsWhoseProductPassesSixtyFourBits) {
  // 100 * (2^63 - 1) rounded over 2^63 - 1 is 100; one less in the part is
  // still 100 after rounding, half the whole is 50.
  const uint64_t w = INT64_MAX;
  EXPECT_EQ(MulAddDivU64(w, 100, w / 2, w), 100u);
  EXPECT_EQ(MulAddDivU64(w - 1, 100, w / 2, w), 100u);
  EXPECT_EQ(MulAddDivU64(w / 2, 100, w / 2, w), 50u);
  EXPECT_EQ(MulAddDivU64(UINT64_MAX, UINT64_MAX, 0, UINT64_MAX), UINT64_MAX);
  EXPECT_EQ(MulAddDivU64(uint64_t{3} << 62, 6, 0, 9), uint64_t{1} << 63);
  // A remainder that passes 2^63 during the division.
  EXPECT_EQ(MulAddDivU64(UINT64_MAX, 3, 0, UINT64_MAX - 1), 3u);
  // Quotients that would not fit say so instead of wrapping.
  EXPECT_EQ(MulAddDivU64(UINT64_MAX, 2, 0, 1), UINT64_MAX);
  EXPECT_EQ(MulAddDivU64(5, 5, 0, 0), UINT64_MAX);
}

TEST(WideMathTest, SignedQuotientTruncatesTowardZero) {
  EXPECT_EQ(MulDiv64(7, 3, 2), 10);
  EXPECT_EQ(MulDiv64(-7, 3, 2), -10);
  EXPECT_EQ(MulDiv64(7, -3, 2), -10);
  EXPECT_EQ(MulDiv64(7, 3, -2), -10);
  EXPECT_EQ(MulDiv64(-7, -3, -2), -10);
  EXPECT_EQ(MulDiv64(-7, -3, 2), 10);
  EXPECT_EQ(MulDiv64(0, -3, 2), 0);
  EXPECT_EQ(MulDiv64(INT64_MIN, 1, 1), INT64_MIN);
  EXPECT_EQ(MulDiv64(INT64_MAX, INT64_MAX, INT64_MAX), INT64_MAX);
  EXPECT_EQ(MulDiv64(int64_t{1} << 40, int64_t{1} << 40, -(int64_t{1} << 30)), -(int64_t{1} << 50));
}

#if defined(__SIZEOF_INT128__)
TEST(WideMathTest, AgreesWithTheCompilersWideType) {
  std::mt19937_64 random(24);
  for (int i = 0; i < 20000; ++i) {
    const int shift = i % 64;
    const uint64_t a = random() >> (i % 61), b = random() >> shift;
    const uint64_t c = (random() >> (63 - shift)) | 1u, add = random() >> (i % 37);
    const unsigned __int128 exact = (static_cast<unsigned __int128>(a) * b + add) / c;
    if (exact > UINT64_MAX) {
      EXPECT_EQ(MulAddDivU64(a, b, add, c), UINT64_MAX) << a << " " << b << " " << c;
    } else {
      EXPECT_EQ(MulAddDivU64(a, b, add, c), static_cast<uint64_t>(exact)) << a << " " << b << " " << add << " " << c;
    }
    const auto sa = static_cast<int64_t>(a >> 1) * (i % 2 ? -1 : 1);
    const auto sb = static_cast<int64_t>(b >> 1) * (i % 3 ? 1 : -1);
    const auto sc = static_cast<int64_t>(c >> 1 | 1) * (i % 5 ? 1 : -1);
    const __int128 signedExact = static_cast<__int128>(sa) * sb / sc;
    if (signedExact >= INT64_MIN && signedExact <= INT64_MAX) {
      EXPECT_EQ(MulDiv64(sa, sb, sc), static_cast<int64_t>(signedExact)) << sa << " " << sb << " " << sc;
    }
  }
}
#endif

}  // namespace
}  // namespace tavo
