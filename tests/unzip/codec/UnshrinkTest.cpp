// Unshrink: our shrinker's archives checked by Info-ZIP unzip and by our
// decoder, and hand-built code streams for growth, partial clearing and
// damaged data.
#include <gtest/gtest.h>

#include <vector>

#include "support/TestFiles.h"
#include "support/ZipBuilder.h"
#include "unzip/codec/CodecHelpers.h"
#include "unzip/codec/LegacyEncoders.h"

namespace tavo::test {
namespace {

constexpr uint16_t kShrunk = 1;

// A stream of codes, each with its width.
std::string Codes(const std::vector<std::pair<uint32_t, unsigned>>& codes) {
  BitWriter w;
  for (const auto& [code, bits] : codes) w.Put(code, bits);
  return w.Finish();
}

struct ShrinkCase {
  const char* name;
  std::string plain;
  bool expectGrowTo13;
  bool expectClear;
};

class UnshrinkRoundTrip : public ::testing::TestWithParam<ShrinkCase> {};

TEST_P(UnshrinkRoundTrip, InfoZipAndOurDecoderAgree) {
  const ShrinkCase& c = GetParam();
  ShrinkStats stats;
  const std::string packed = Shrink(c.plain, {}, &stats);
  if (c.expectGrowTo13) {
    EXPECT_EQ(stats.finalBits, 13u);
  }
  if (c.expectClear) {
    EXPECT_GT(stats.clearCodes, 0u);
  }

  if (HaveTool("unzip")) {
    ScratchDir dir;
    WriteFile(dir / "a.zip", OneEntryArchive("data.bin", kShrunk, 0, packed, c.plain));
    std::string out;
    EXPECT_EQ(RunCommand("unzip -t a.zip", &out, dir.Path()), 0) << out;
    EXPECT_EQ(RunCommand("unzip -p a.zip", &out, dir.Path()), 0);
    EXPECT_TRUE(out == c.plain) << "unzip -p differs";
  }
  const DecodeResult r = DecodeEntry(kShrunk, 0, packed, c.plain.size());
  EXPECT_TRUE(r.decoded);
  EXPECT_TRUE(r.output == c.plain);
  EXPECT_EQ(r.crc, Crc32(c.plain));
}

std::string Repeated(const std::string& unit, size_t times) {
  std::string s;
  for (size_t i = 0; i < times; ++i) s += unit;
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, UnshrinkRoundTrip,
    ::testing::Values(ShrinkCase{"one_byte", "x", false, false},
                      ShrinkCase{"runs_code_being_defined", std::string(5000, 'a') + "abababab", false, false},
                      ShrinkCase{"text_grows_to_13_bits", CompressibleText(40000, 3), true, false},
                      ShrinkCase{"full_table_partial_clears", CompressibleText(400000, 5), true, true},
                      ShrinkCase{"random_full_table", RandomBytes(60000, 9), true, true},
                      ShrinkCase{"all_byte_values", Repeated(std::string("\x00\x01\xff\x90\x80", 5), 300), false,
                                 false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Unshrink, TwoGrowCodesGiveElevenBitCodes) {
  // 'a' (9 bits), 256,1 -> 10 bits, 256,1 -> 11 bits, 'b', then code 257,
  // defined as "ab" when 'b' was read.
  const std::string packed = Codes({{'a', 9}, {256, 9}, {1, 9}, {256, 10}, {1, 10}, {'b', 11}, {257, 11}});
  const DecodeResult r = DecodeEntry(kShrunk, 0, packed, 100);
  EXPECT_TRUE(r.decoded);
  EXPECT_EQ(r.output, "abab");
}

TEST(Unshrink, PartialClearFreesLeavesAndReusesThemFrom257) {
  // a b c 257 d: defines 257=ab 258=bc 259=ca 260=(257)d. The clear frees
  // the leaves 258, 259, 260 and keeps 257 (the prefix of 260). Then e
  // defines 258=de, 258 reads "de" and defines 259=ed, 257 still reads "ab".
  const std::string packed = Codes({{'a', 9}, {'b', 9}, {'c', 9}, {257, 9}, {'d', 9}, {256, 9}, {2, 9}, {'e', 9},
                                    {258, 9}, {259, 9}, {257, 9}});
  const DecodeResult r = DecodeEntry(kShrunk, 0, packed, 100);
  EXPECT_TRUE(r.decoded);
  EXPECT_EQ(r.output, "abcabd" "e" "de" "ed" "ab");
}

TEST(Unshrink, CodeBeingDefinedRepeatsPreviousStringAndItsFirstByte) {
  // a, then 257 before it exists: "a" + "a"; then 258 likewise: "aa" + "a".
  const std::string packed = Codes({{'a', 9}, {257, 9}, {258, 9}});
  const DecodeResult r = DecodeEntry(kShrunk, 0, packed, 100);
  EXPECT_TRUE(r.decoded);
  EXPECT_EQ(r.output, "a" "aa" "aaa");
}

TEST(Unshrink, GrowingPastThirteenBitsIsRejected) {
  const std::string packed = Codes({{'a', 9}, {256, 9}, {1, 9}, {256, 10}, {1, 10}, {256, 11}, {1, 11}, {256, 12},
                                    {1, 12}, {256, 13}, {1, 13}, {'b', 14}});
  EXPECT_FALSE(DecodeEntry(kShrunk, 0, packed, 100).decoded);
}

TEST(Unshrink, ChainThroughItselfIsRejectedNotLooped) {
  // a b 257 -> 257=ab 258=ba; the clear frees both and the previous code
  // 257 with them, so c defines 257 = 257 + c, a chain without end.
  const std::string packed =
      Codes({{'a', 9}, {'b', 9}, {257, 9}, {256, 9}, {2, 9}, {'c', 9}, {257, 9}});
  EXPECT_FALSE(DecodeEntry(kShrunk, 0, packed, 1000).decoded);
}

TEST(Unshrink, FirstCodeAboveByteRangeIsRejected) {
  EXPECT_FALSE(DecodeEntry(kShrunk, 0, Codes({{300, 9}}), 10).decoded);
}

TEST(Unshrink, EmptyDataGivesEmptyOutput) {
  const DecodeResult r = DecodeEntry(kShrunk, 0, "", 0);
  EXPECT_TRUE(r.decoded);
  EXPECT_EQ(r.output, "");
}

}  // namespace
}  // namespace tavo::test
