// The entry data pipeline: blocks, progress, size guard, errors, stored and
// deflated data, CRC-32 and percentages.
#include <gtest/gtest.h>

#include <cstring>

#include "support/TestFiles.h"
#include "support/ZipBuilder.h"
#include "unzip/Crc32.h"
#include "unzip/DataPipeline.h"
#include "unzip/ZipExceptions.h"
#include "unzip/codec/CodecHelpers.h"

namespace tavo::test {
namespace {

using zip::TDataPipeline;

TEST(DataPipeline, StoredEntryIsWrittenInFullBlocksWithFilePercentages) {
  const std::string plain = RandomBytes(100000, 2);
  const DecodeResult r = DecodeEntry(0, 0, plain, plain.size());
  EXPECT_TRUE(r.decoded);
  EXPECT_EQ(r.blocks, (std::vector<size_t>{32768, 32768, 32768, 1696}));
  EXPECT_EQ(r.filePercents, (std::vector<int>{33, 66, 98, 100}));
  EXPECT_TRUE(r.output == plain);
  EXPECT_EQ(r.crc, Crc32(plain));
}

// zlib inflates into an area of several blocks; what goes out must still be
// the 32 KB blocks, cut where they always were, with one percentage each,
// for data larger than the area and for data that compresses hardly at all.
TEST(DataPipeline, DeflatedEntryIsWrittenInFullBlocksBeyondTheInflateArea) {
  for (const std::string& plain : {CompressibleText(300000, 5), RandomBytes(300000, 6)}) {
    const DecodeResult r = DecodeEntry(8, 0, DeflateRaw(plain, 6), plain.size());
    EXPECT_TRUE(r.decoded);
    std::vector<size_t> blocks(9, 32768);
    blocks.push_back(300000 - 9 * 32768);
    EXPECT_EQ(r.blocks, blocks);
    EXPECT_EQ(r.filePercents, (std::vector<int>{11, 22, 33, 44, 55, 66, 76, 87, 98, 100}));
    EXPECT_TRUE(r.output == plain);
    EXPECT_EQ(r.crc, Crc32(plain));
  }
}

TEST(DataPipeline, EmptyEntryWritesNothingAndReportsNoPercentage) {
  for (uint16_t method : {0, 8}) {
    const std::string data = method == 8 ? DeflateRaw("") : "";
    const DecodeResult r = DecodeEntry(method, 0, data, 0);
    EXPECT_TRUE(r.decoded);
    EXPECT_TRUE(r.blocks.empty());
    EXPECT_TRUE(r.filePercents.empty());
    EXPECT_EQ(r.crc, 0u);
  }
}

TEST(DataPipeline, DeflatedEntryWithExtraBytesAfterTheStream) {
  const std::string plain = CompressibleText(70000, 4);
  const DecodeResult r = DecodeEntry(8, 0, DeflateRaw(plain, 9) + "trailing bytes", plain.size());
  EXPECT_TRUE(r.decoded);
  EXPECT_TRUE(r.output == plain);
  EXPECT_EQ(r.blocks.front(), 32768u);
}

TEST(DataPipeline, OneByteMoreThanTheUncompressedSizeRaises) {
  const std::string plain = CompressibleText(5000, 4);
  EXPECT_THROW(DecodeEntry(8, 0, DeflateRaw(plain), plain.size() - 1), zip::EBiggerThanUncompressed);
  EXPECT_THROW(DecodeEntry(0, 0, plain, plain.size() - 1), zip::EBiggerThanUncompressed);
}

TEST(DataPipeline, DeflateDataEndingBeforeTheStreamEndsFailsTheEntry) {
  const std::string plain = RandomBytes(90000, 3);
  const std::string packed = DeflateRaw(plain, 6);
  for (size_t cut : {size_t{1}, size_t{100}, packed.size() / 2, packed.size() - 1}) {
    SCOPED_TRACE(cut);
    // The compressed size says the data ends here; the archive has it all.
    const DecodeResult r = DecodeEntry(8, 0, packed, plain.size(), static_cast<int64_t>(cut));
    EXPECT_FALSE(r.decoded);
    EXPECT_LT(r.output.size(), plain.size());
  }
}

TEST(DataPipeline, CorruptDeflateDataRaisesZlibError) {
  try {
    DecodeEntry(8, 0, std::string("\xff\xff\xff\xff\xff\xff", 6), 100);
    FAIL() << "no exception";
  } catch (const zip::EZCompressionError& e) {
    EXPECT_STREQ(e.what(), "error");
  }
}

TEST(DataPipeline, ArchiveEndingInsideTheDataRaisesPrematureEnd) {
  const std::string plain = RandomBytes(50000, 5);
  for (uint16_t method : {0, 8}) {
    const std::string data = method == 8 ? DeflateRaw(plain) : plain;
    try {
      DecodeEntry(method, 0, data.substr(0, 40000), plain.size(), static_cast<int64_t>(data.size()));
      FAIL() << "no exception for method " << method;
    } catch (const zip::EFatalUnzipError& e) {
      EXPECT_STREQ(e.what(), "Premature end of file reached");
    }
  }
}

TEST(DataPipeline, ShortWriteRaisesCantWrite) {
  TDataPipeline pipe;
  const std::string plain(1000, 'x');
  pipe.ReadBlock = [&](uint8_t* b, size_t n) {
    std::memcpy(b, plain.data(), n);
    return n;
  };
  pipe.WriteBlock = [](const uint8_t*, size_t n) { return n - 1; };
  zip::TPipelineEntry e;
  e.CompressedSize = e.UncompressedSize = plain.size();
  pipe.Reset(e);
  try {
    pipe.Decode();
    FAIL() << "no exception";
  } catch (const zip::ECantWriteUCF& ex) {
    EXPECT_STREQ(ex.what(), "Cant write uncompressed file");
  }
}

TEST(DataPipeline, TotalPercentCountsAcrossEntriesAndMessagesArePumpedPerBlock) {
  TDataPipeline pipe;
  const std::string a = RandomBytes(40000, 1), b = RandomBytes(60000, 2);
  const std::string* current = nullptr;
  size_t at = 0;
  int pumps = 0;
  std::vector<int> totals;
  pipe.ReadBlock = [&](uint8_t* buf, size_t n) {
    std::memcpy(buf, current->data() + at, n);
    at += n;
    return n;
  };
  pipe.WriteBlock = [](const uint8_t*, size_t n) { return n; };
  pipe.OnTotalPercentDone = [&](int p) { totals.push_back(p); };
  pipe.ProcessMessages = [&] { ++pumps; };
  pipe.TotalBytes = 100000;
  for (const std::string* s : {&a, &b}) {
    current = s;
    at = 0;
    zip::TPipelineEntry e;
    e.CompressedSize = e.UncompressedSize = s->size();
    pipe.Reset(e);
    EXPECT_TRUE(pipe.Decode());
  }
  // 32768, 40000, 72768, 100000 bytes done.
  EXPECT_EQ(totals, (std::vector<int>{33, 40, 73, 100}));
  EXPECT_EQ(pipe.TotalDone, 100000);
  EXPECT_EQ(pumps, 4);
}

struct PercentCase {
  int64_t part, whole;
  int expected;
};
class Percent : public ::testing::TestWithParam<PercentCase> {};
TEST_P(Percent, RoundsToNearestAndCaps) {
  EXPECT_EQ(TDataPipeline::Percent(GetParam().part, GetParam().whole), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Cases, Percent,
                         ::testing::Values(PercentCase{5, 0, 0}, PercentCase{5, -3, 0}, PercentCase{0, 10, 0},
                                           PercentCase{1, 200, 1}, PercentCase{1, 201, 0}, PercentCase{2, 3, 67},
                                           PercentCase{1696 + 3 * 32768, 100000, 100}, PercentCase{150, 100, 100},
                                           PercentCase{INT64_MAX / 2, INT64_MAX, 50}));

struct CrcCase {
  std::string data;
  uint32_t crc;
};
class Crc : public ::testing::TestWithParam<CrcCase> {};
TEST_P(Crc, BlockUpdateAndByteStepAgreeWithPublishedValues) {
  const auto* p = reinterpret_cast<const uint8_t*>(GetParam().data.data());
  EXPECT_EQ(~zip::Crc32Update(0xFFFFFFFFu, p, GetParam().data.size()), GetParam().crc);
  uint32_t c = 0xFFFFFFFFu;
  for (size_t i = 0; i < GetParam().data.size(); ++i) c = zip::Crc32Step(c, p[i]);
  EXPECT_EQ(~c, GetParam().crc);
}
INSTANTIATE_TEST_SUITE_P(Published, Crc,
                         ::testing::Values(CrcCase{"", 0}, CrcCase{"123456789", 0xCBF43926u},
                                           CrcCase{"The quick brown fox jumps over the lazy dog", 0x414FA339u},
                                           CrcCase{std::string(1, '\0'), 0xD202EF8Du}));

}  // namespace
}  // namespace tavo::test
