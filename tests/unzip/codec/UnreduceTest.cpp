// Unreduce: hand-built streams with their expected bytes spelled out, our
// reducer round-tripped for every factor, and the real old-PKZIP archives.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "support/TestFiles.h"
#include "support/ZipBuilder.h"
#include "unzip/codec/CodecHelpers.h"
#include "unzip/codec/LegacyEncoders.h"

namespace tavo::test {
namespace {

// A reduced stream whose follower sets are all empty except those given,
// followed by values written as 8 plain bits (their previous value must
// then have an empty set).
std::string Stream(const std::vector<int>& values, const std::map<int, std::string>& sets = {}) {
  BitWriter w;
  for (int j = 255; j >= 0; --j) {
    const auto it = sets.find(j);
    const std::string set = it == sets.end() ? "" : it->second;
    w.Put(static_cast<uint32_t>(set.size()), 6);
    for (char c : set) w.Put(static_cast<uint8_t>(c), 8);
  }
  for (int v : values) w.Put(static_cast<uint32_t>(v), 8);
  return w.Finish();
}

struct Factor {
  int factor;
  unsigned lengthMask, distShift;
};
constexpr Factor kFactors[] = {{1, 127, 7}, {2, 63, 6}, {3, 31, 5}, {4, 15, 4}};

class UnreduceFactor : public ::testing::TestWithParam<Factor> {
 protected:
  uint16_t Method() const { return static_cast<uint16_t>(GetParam().factor + 1); }
};

TEST_P(UnreduceFactor, ShortMatchCopiesOverlapping) {
  // A B C, then DLE with V = 1 (length 1 + 3) and distance byte 2 (+1):
  // four bytes from three back, overlapping what is being written.
  const DecodeResult r = DecodeEntry(Method(), 0, Stream({'A', 'B', 'C', 144, 1, 2}), 7);
  EXPECT_TRUE(r.decoded);
  EXPECT_EQ(r.output, "ABCABCA");
}

TEST_P(UnreduceFactor, DistanceHighBitsComeFromV) {
  // 300 literals (1 to 100, three times over), then a
  // match of length 5 whose distance is 1*256 + 20 + 1 = 277.
  std::vector<int> values;
  std::string expected;
  for (int i = 0; i < 300; ++i) {
    const int b = (i % 100) + 1;  // 1..100, never 144
    values.push_back(b);
    expected.push_back(static_cast<char>(b));
  }
  const unsigned v = (1u << GetParam().distShift) | 2u;  // distance high bits 1, length 2 + 3
  values.insert(values.end(), {144, static_cast<int>(v), 20});
  const size_t from = expected.size() - 277;
  for (size_t k = 0; k < 5; ++k) expected.push_back(expected[from + k]);
  const DecodeResult r = DecodeEntry(Method(), 0, Stream(values), expected.size());
  EXPECT_TRUE(r.decoded);
  EXPECT_EQ(r.output, expected);
}

TEST_P(UnreduceFactor, FullLengthFieldTakesAnExtraByte) {
  // V's length field at its maximum L continues with one more byte: the
  // length is L + 10 + 3, copied from one back (a run of 'Z').
  const unsigned lengthMask = GetParam().lengthMask;
  const DecodeResult r =
      DecodeEntry(Method(), 0, Stream({'Z', 144, static_cast<int>(lengthMask), 10, 0}), 1 + lengthMask + 13);
  EXPECT_TRUE(r.decoded);
  EXPECT_EQ(r.output, std::string(1 + lengthMask + 13, 'Z'));
}

TEST_P(UnreduceFactor, MatchBeforeTheStartGivesZeros) {
  // X, then a match of 4 from 3 back: two zeros from before the start, then
  // X, then the first zero again.
  const DecodeResult r = DecodeEntry(Method(), 0, Stream({'X', 144, 1, 2}), 5);
  EXPECT_TRUE(r.decoded);
  EXPECT_EQ(r.output, std::string("X\0\0X\0", 5));
}

TEST_P(UnreduceFactor, OurReducerRoundTrips) {
  const std::string plain = CompressibleText(50000, 7) + std::string(300, '\0') + std::string(40, char(144));
  ReduceStats stats;
  const std::string packed = Reduce(plain, GetParam().factor, true, true, &stats);
  EXPECT_GT(stats.matches, 100u);
  EXPECT_GT(stats.longMatches, 0u);
  EXPECT_GT(stats.followerHits, 1000u);
  EXPECT_LT(packed.size(), plain.size());
  const DecodeResult r = DecodeEntry(Method(), 0, packed, plain.size());
  EXPECT_TRUE(r.decoded);
  EXPECT_TRUE(r.output == plain);
}

INSTANTIATE_TEST_SUITE_P(Factors, UnreduceFactor, ::testing::ValuesIn(kFactors),
                         [](const auto& info) { return "factor" + std::to_string(info.param.factor); });

struct ReducerVector {
  const char* name;
  std::string plain;
  int factor;
  std::string values;  // expected value stream after the 192 bytes of empty follower sets
};

class ReducerHandVector : public ::testing::TestWithParam<ReducerVector> {};

TEST_P(ReducerHandVector, WritesTheWorkedValues) {
  const ReducerVector& v = GetParam();
  const std::string packed = Reduce(v.plain, v.factor, /*followers=*/false, /*zerosBefore=*/true);
  EXPECT_EQ(packed, std::string(192, '\0') + v.values);
  EXPECT_EQ(DecodeEntry(static_cast<uint16_t>(v.factor + 1), 0, packed, v.plain.size()).output, v.plain);
}

INSTANTIATE_TEST_SUITE_P(
    Worked, ReducerHandVector,
    ::testing::Values(
        // A, then 6 from 1 back: DLE, V = length 6 - 3, distance byte 0.
        ReducerVector{"run_factor1", std::string(7, 'A'), 1, std::string("A\x90\x03\x00", 4)},
        // 30 from 1 back with factor 4: V = L = 15, then 27 - 15 = 12, then 0.
        ReducerVector{"long_run_factor4", std::string(31, 'A'), 4, std::string("A\x90\x0f\x0c\x00", 5)},
        // Five zeros copied from before the start: 5 from 1 back.
        ReducerVector{"zeros_before_start", std::string(5, '\0'), 2, std::string("\x90\x02\x00", 3)},
        // 144 itself is doubled as 144, 0.
        ReducerVector{"dle_literal", "\x90z", 3, std::string("\x90\x00z", 3)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Unreduce, DleFollowedByZeroIsALiteral144) {
  const DecodeResult r = DecodeEntry(2, 0, Stream({'a', 144, 0, 'b'}), 3);
  EXPECT_TRUE(r.decoded);
  EXPECT_EQ(r.output, "a\x90" "b");
}

TEST(Unreduce, FollowerSetIndexOrEscapedByte) {
  // Value 0 (the starting previous value) has the set "XY" (B(2) = 1 bit);
  // 'Y' has the set "abc" (B(3) = 2 bits); 'c' and 'Q' have none.
  // Stream: 0,1 -> Y; 0,10 -> c (index 2); 'Q' (8 bits, c's set is empty);
  // Q has no set: 'Y' 8 bits; Y's set: 1 then 8 bits 'Z' (escape).
  BitWriter w;
  for (int j = 255; j >= 0; --j) {
    std::string set = j == 0 ? "XY" : j == 'Y' ? "abc" : "";
    w.Put(static_cast<uint32_t>(set.size()), 6);
    for (char c : set) w.Put(static_cast<uint8_t>(c), 8);
  }
  w.Put(0, 1), w.Put(1, 1);    // Y
  w.Put(0, 1), w.Put(2, 2);    // c
  w.Put('Q', 8);               // Q
  w.Put('Y', 8);               // Y
  w.Put(1, 1), w.Put('Z', 8);  // Z
  const DecodeResult r = DecodeEntry(2, 0, w.Finish(), 5);
  EXPECT_TRUE(r.decoded);
  EXPECT_EQ(r.output, "YcQYZ");
}

TEST(Unreduce, StopsAtUncompressedSizeAndRejectsShortData) {
  const std::string packed = Stream({'a', 'b', 'c', 'd'});
  EXPECT_EQ(DecodeEntry(2, 0, packed, 2).output, "ab");
  EXPECT_FALSE(DecodeEntry(2, 0, packed, 10).decoded);  // data ends after 4
}

TEST(Unreduce, RealOldPkzipArchivesMatchTheirStoredTwins) {
  const std::string dir = std::string(TAVO_SOURCE_DIR) + "/../shared/testdata/reduce/";
  if (!Exists(dir + "PKZ204E0.ZIP")) GTEST_SKIP() << "no reduced test archives in " << dir;
  std::map<std::string, RawEntry> reference;
  for (const RawEntry& e : ReadRawEntries(ReadFile(dir + "PKZ204E0.ZIP"))) {
    ASSERT_EQ(e.method, 0);
    reference[e.name] = e;
  }
  for (const char* archive : {"PKZ80B1.ZIP", "PKZ80B3.ZIP"}) {
    std::map<int, int> methods;
    for (const RawEntry& e : ReadRawEntries(ReadFile(dir + archive))) {
      SCOPED_TRACE(std::string(archive) + " " + e.name);
      ASSERT_TRUE(reference.count(e.name));
      const RawEntry& ref = reference[e.name];
      const DecodeResult r = DecodeEntry(e.method, e.flags, e.data, e.uncompressedSize);
      EXPECT_TRUE(r.decoded);
      EXPECT_EQ(r.crc, e.crc);
      EXPECT_EQ(r.crc, ref.crc);
      EXPECT_TRUE(r.output == ref.data);
      ++methods[e.method];
    }
    EXPECT_GT(methods[2] + methods[5] + methods[4] + methods[3], 0) << archive << " has no reduced entry";
  }
}

}  // namespace
}  // namespace tavo::test
