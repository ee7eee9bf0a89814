// Explode: our imploder's archives for both dictionary sizes, with and
// without a literal tree, checked by Info-ZIP unzip and by our decoder; and
// damaged trees and codes.
#include <gtest/gtest.h>

#include "support/TestFiles.h"
#include "support/ZipBuilder.h"
#include "unzip/codec/CodecHelpers.h"
#include "unzip/codec/LegacyEncoders.h"

namespace tavo::test {
namespace {

constexpr uint16_t kImploded = 6;

struct ImplodeCase {
  const char* name;
  bool dictionary8K;
  bool literalTree;
  std::string plain;
  size_t minCompressed;  // to reach the 8-bit distance lookups
};

class ExplodeRoundTrip : public ::testing::TestWithParam<ImplodeCase> {};

TEST_P(ExplodeRoundTrip, InfoZipAndOurDecoderAgree) {
  const ImplodeCase& c = GetParam();
  ImplodeStats stats;
  const std::string packed = Implode(c.plain, c.dictionary8K, c.literalTree, &stats);
  const uint16_t flags = ImplodeFlags(c.dictionary8K, c.literalTree);
  EXPECT_GE(packed.size(), c.minCompressed);
  if (HaveTool("unzip")) {
    ScratchDir dir;
    WriteFile(dir / "a.zip", OneEntryArchive("data.bin", kImploded, flags, packed, c.plain));
    std::string out;
    EXPECT_EQ(RunCommand("unzip -t a.zip", &out, dir.Path()), 0) << out;
    EXPECT_EQ(RunCommand("unzip -p a.zip", &out, dir.Path()), 0);
    EXPECT_TRUE(out == c.plain) << "unzip -p differs";
  }
  const DecodeResult r = DecodeEntry(kImploded, flags, packed, c.plain.size());
  EXPECT_TRUE(r.decoded);
  EXPECT_TRUE(r.output == c.plain);
  EXPECT_EQ(r.crc, Crc32(c.plain));
}

// Mostly random bytes with repeats far apart: a compressed size above
// 200 000 bytes and distances over the whole dictionary.
std::string LargeMixed() {
  std::string s = RandomBytes(150000, 4);
  s += s.substr(1000, 60000);
  s += CompressibleText(60000, 2);
  s += RandomBytes(60000, 8);
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Variants, ExplodeRoundTrip,
    ::testing::Values(ImplodeCase{"dict4k_literal_tree", false, true, CompressibleText(80000, 1), 0},
                      ImplodeCase{"dict8k_literal_tree", true, true, CompressibleText(80000, 1), 0},
                      ImplodeCase{"dict4k_plain_literals", false, false, CompressibleText(80000, 6), 0},
                      ImplodeCase{"dict8k_plain_literals", true, false, CompressibleText(80000, 6), 0},
                      ImplodeCase{"one_byte", true, true, "q", 0},
                      ImplodeCase{"long_runs_and_zeros", false, false, std::string(70000, '\0') + "end", 0},
                      ImplodeCase{"large_dict8k_tree", true, true, LargeMixed(), 200001},
                      ImplodeCase{"large_dict4k_plain", false, false, LargeMixed(), 200001}),
    [](const auto& info) { return std::string(info.param.name); });

// Tree descriptions for hand-built streams.
void PutTree(BitWriter& w, const std::vector<std::pair<unsigned, unsigned>>& runs) {  // (length, repeat)
  w.Put(static_cast<uint32_t>(runs.size() - 1), 8);
  for (const auto& [length, repeat] : runs) w.Put(((repeat - 1) << 4) | (length - 1), 8);
}

TEST(Explode, PlainLiteralsAndMinimumMatchOfTwo) {
  // No literal tree: 8-bit literals, minimum match 2. Length tree: 64 codes
  // of 6 bits; distance tree likewise. Codes of a complete 6-bit tree are
  // handed out from the last symbol upwards: symbol s gets 63 - s.
  BitWriter w;
  PutTree(w, {{6, 16}, {6, 16}, {6, 16}, {6, 16}});
  PutTree(w, {{6, 16}, {6, 16}, {6, 16}, {6, 16}});
  auto code6 = [&](unsigned symbol) {
    const unsigned code = 63 - symbol;
    for (unsigned i = 6; i-- > 0;) w.Put((code >> i) & 1, 1);
  };
  w.Put(1, 1), w.Put('h', 8);
  w.Put(1, 1), w.Put('a', 8);
  // Match: distance 2 (low 6 bits 1, high 0), length code 3 -> 3 + 2 = 5.
  w.Put(0, 1), w.Put(1, 6), code6(0), code6(3);
  const DecodeResult r = DecodeEntry(kImploded, 0, w.Finish(), 7);
  EXPECT_TRUE(r.decoded);
  EXPECT_EQ(r.output, "hahahah");
}

TEST(Explode, MatchBeforeTheStartGivesZeros) {
  BitWriter w;
  PutTree(w, {{6, 16}, {6, 16}, {6, 16}, {6, 16}});
  PutTree(w, {{6, 16}, {6, 16}, {6, 16}, {6, 16}});
  auto code6 = [&](unsigned symbol) {
    const unsigned code = 63 - symbol;
    for (unsigned i = 6; i-- > 0;) w.Put((code >> i) & 1, 1);
  };
  w.Put(1, 1), w.Put('k', 8);
  w.Put(0, 1), w.Put(4, 6), code6(0), code6(1);  // distance 5, length 3
  const DecodeResult r = DecodeEntry(kImploded, 0, w.Finish(), 4);
  EXPECT_TRUE(r.decoded);
  EXPECT_EQ(r.output, std::string("k\0\0\0", 4));
}

struct BadTree {
  const char* name;
  std::vector<std::pair<unsigned, unsigned>> lengthRuns;
};

class ExplodeBadTree : public ::testing::TestWithParam<BadTree> {};

TEST_P(ExplodeBadTree, EndsDecodingWithoutOutput) {
  BitWriter w;
  PutTree(w, GetParam().lengthRuns);
  PutTree(w, {{6, 16}, {6, 16}, {6, 16}, {6, 16}});
  for (int i = 0; i < 40; ++i) w.Put(0xFF, 8);
  const DecodeResult r = DecodeEntry(kImploded, 0, w.Finish(), 100);
  EXPECT_FALSE(r.decoded);
  EXPECT_EQ(r.output, "");
}

INSTANTIATE_TEST_SUITE_P(Descriptions, ExplodeBadTree,
                         ::testing::Values(BadTree{"too_few_codes", {{6, 16}, {6, 16}, {6, 16}}},
                                           BadTree{"too_many_codes", {{6, 16}, {6, 16}, {6, 16}, {6, 16}, {6, 1}}},
                                           BadTree{"oversubscribed", {{1, 3}, {6, 16}, {6, 16}, {6, 16}, {6, 13}}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Explode, CodeInNoTreeEndsDecoding) {
  // An incomplete length tree (64 codes of 7 bits fill half the code space):
  // codes starting with a 1 bit belong to no symbol.
  BitWriter w;
  PutTree(w, {{7, 16}, {7, 16}, {7, 16}, {7, 16}});
  PutTree(w, {{6, 16}, {6, 16}, {6, 16}, {6, 16}});
  w.Put(1, 1), w.Put('x', 8);
  w.Put(0, 1), w.Put(0, 6);
  for (int i = 0; i < 6; ++i) w.Put(1, 1);  // distance symbol 0 (code 111111)
  for (int i = 0; i < 7; ++i) w.Put(1, 1);  // no 7-bit length code is 1111111
  for (int i = 0; i < 8; ++i) w.Put(1, 8);
  const DecodeResult r = DecodeEntry(kImploded, 0, w.Finish(), 100);
  EXPECT_FALSE(r.decoded);
}

TEST(Explode, TruncatedDataIsRejected) {
  const std::string plain = CompressibleText(20000, 2);
  const std::string packed = Implode(plain, true, true);
  EXPECT_FALSE(DecodeEntry(kImploded, 6, packed.substr(0, packed.size() / 2), plain.size()).decoded);
}

}  // namespace
}  // namespace tavo::test
