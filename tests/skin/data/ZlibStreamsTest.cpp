// The zlib stream classes against zlib's own one-shot functions: chunking,
// progress, seek rules and their failures.
#include <gtest/gtest.h>

#include "skin/SkinExceptions.h"
#include "skin/ZlibStreams.h"
#include "skin/data/SkinBuilder.h"

namespace tavo::skin {
namespace {

using test::Bytes;

// Bytes that deflate poorly, so the compressed size spans several blocks.
Bytes Noise(size_t n) {
  Bytes b(n);
  uint32_t x = 12345;
  for (auto& v : b) {
    x = x * 1103515245 + 12345;
    v = static_cast<uint8_t>(x >> 24);
  }
  return b;
}

// A destination that remembers the size of every write it receives.
class TRecordingStream : public TMemoryStream {
 public:
  size_t Write(const void* buffer, size_t count) override {
    writes.push_back(count);
    return TMemoryStream::Write(buffer, count);
  }
  std::vector<size_t> writes;
};

class ZlibLevels : public ::testing::TestWithParam<TCompressionLevel> {};

TEST_P(ZlibLevels, DeflatesWhatZlibInflatesIn4096ByteBlocks) {
  const Bytes data = Noise(200000);
  TRecordingStream out;
  int progress = 0;
  size_t writesBeforeFinish = 0;
  {
    TCompressionStream z(GetParam(), out);
    z.OnProgress = [&](TCustomZlibStream&) { ++progress; };
    z.WriteBuffer(data.data(), 70000);
    z.WriteBuffer(data.data() + 70000, data.size() - 70000);
    EXPECT_EQ(z.Position(), 200000);  // Seek(0, current) answers the bytes taken in
    writesBeforeFinish = out.writes.size();
  }
  EXPECT_EQ(test::Uncompress(out.Data(), data.size()), data);
  // While writing, only full blocks go out, each followed by a progress call.
  ASSERT_GT(writesBeforeFinish, 0u);
  EXPECT_EQ(progress, static_cast<int>(writesBeforeFinish));
  for (size_t i = 0; i < writesBeforeFinish; ++i) EXPECT_EQ(out.writes[i], 4096u);
  // Finishing writes the rest, never more than a block at a time.
  for (size_t i = writesBeforeFinish; i < out.writes.size(); ++i) EXPECT_LE(out.writes[i], 4096u);
}

INSTANTIATE_TEST_SUITE_P(Levels, ZlibLevels,
                         ::testing::Values(TCompressionLevel::clNone, TCompressionLevel::clFastest,
                                           TCompressionLevel::clDefault, TCompressionLevel::clMax));

TEST(ZlibStreams, MaximumLevelStreamStartsWith78DA) {
  const Bytes z = DeflateAll(Bytes(100, 'a'), TCompressionLevel::clMax);
  ASSERT_GE(z.size(), 2u);
  EXPECT_EQ(z[0], 0x78);
  EXPECT_EQ(z[1], 0xDA);
}

TEST(ZlibStreams, InflatesInChunksWithProgressPerRefill) {
  const Bytes data = Noise(30000);
  const Bytes z = test::Compress(data);
  TMemoryStream source(z);
  TDecompressionStream in(source);
  int refills = 0;
  in.OnProgress = [&](TCustomZlibStream&) { ++refills; };
  Bytes got(data.size() + 10);
  EXPECT_EQ(in.Read(got.data(), got.size()), data.size());
  got.resize(data.size());
  EXPECT_EQ(got, data);
  EXPECT_EQ(refills, static_cast<int>((z.size() + 4095) / 4096));
}

TEST(ZlibStreams, SourceMovedBetweenReadsIsPutBack) {
  const Bytes data = Noise(9000);
  Bytes framed = {'h', 'e', 'a', 'd'};
  test::Append(framed, test::Compress(data));
  TMemoryStream source(framed);
  source.SetPosition(4);
  TDecompressionStream in(source);
  Bytes a(100), b(8900);
  ASSERT_EQ(in.Read(a.data(), a.size()), 100u);
  source.SetPosition(0);  // someone else uses the stream in between
  ASSERT_EQ(in.Read(b.data(), b.size()), 8900u);
  a.insert(a.end(), b.begin(), b.end());
  EXPECT_EQ(a, data);
}

TEST(ZlibStreams, SeekRules) {
  const Bytes data = Noise(10000);
  TMemoryStream source(test::Compress(data));
  TDecompressionStream in(source);
  uint8_t byte = 0;
  EXPECT_EQ(in.Seek(500, TSeekOrigin::soCurrent), 500);  // forward: read and discard
  ASSERT_EQ(in.Read(&byte, 1), 1u);
  EXPECT_EQ(byte, data[500]);
  EXPECT_EQ(in.Seek(2000, TSeekOrigin::soBeginning), 2000);  // beyond what was produced
  ASSERT_EQ(in.Read(&byte, 1), 1u);
  EXPECT_EQ(byte, data[2000]);
  EXPECT_EQ(in.Seek(0, TSeekOrigin::soBeginning), 0);  // restart
  ASSERT_EQ(in.Read(&byte, 1), 1u);
  EXPECT_EQ(byte, data[0]);
  for (auto [offset, origin] : {std::pair{int64_t{0}, TSeekOrigin::soEnd}, std::pair{int64_t{-1}, TSeekOrigin::soCurrent},
                                std::pair{int64_t{1}, TSeekOrigin::soBeginning}}) {
    try {
      in.Seek(offset, origin);
      ADD_FAILURE() << "seek " << offset << " allowed";
    } catch (const EDecompressionError& e) {
      EXPECT_STREQ(e.what(), "Invalid stream operation");
    }
  }
}

TEST(ZlibStreams, WrongDirectionOperationsFail) {
  TMemoryStream sink;
  TCompressionStream out(TCompressionLevel::clDefault, sink);
  uint8_t b = 0;
  EXPECT_THROW(
      {
        try {
          out.Read(&b, 1);
        } catch (const ECompressionError& e) {
          EXPECT_STREQ(e.what(), "Invalid stream operation");
          throw;
        }
      },
      ECompressionError);
  EXPECT_THROW(out.Seek(5, TSeekOrigin::soCurrent), ECompressionError);
  TMemoryStream source(test::Compress(Bytes(10, 1)));
  TDecompressionStream in(source);
  EXPECT_THROW(in.Write(&b, 1), EDecompressionError);
}

TEST(ZlibStreams, CorruptStreamIsACompressionError) {
  Bytes z = test::Compress(Noise(5000));
  z[0] = 0x79;  // header checksum no longer holds
  try {
    InflateAll(z);
    FAIL() << "corrupt stream inflated";
  } catch (const EDecompressionError& e) {
    EXPECT_STREQ(e.what(), "compression error");
  }
}

// Fuzzer finding: a header with the preset-dictionary flag made inflate
// answer "need dictionary" forever without consuming input.
TEST(ZlibStreams, PresetDictionaryStreamIsACompressionError) {
  const Bytes z = {0x78, 0x3F, 0xDA, 0x78, 0xDA, 0xED, 0x54, 0x5D, 0x6F, 0xDA};
  try {
    InflateAll(z);
    FAIL() << "inflated";
  } catch (const EDecompressionError& e) {
    EXPECT_STREQ(e.what(), "compression error");
  }
}

TEST(ZlibStreams, StreamCutShortGivesWhatWasProduced) {
  const Bytes data(50000, 'q');
  Bytes z = test::Compress(data);
  z.resize(z.size() / 2);
  const Bytes got = InflateAll(z);
  EXPECT_LT(got.size(), data.size());
  EXPECT_EQ(got, Bytes(got.size(), 'q'));
}

TEST(ZlibStreams, BytesAfterTheStreamEndAreIgnored) {
  const Bytes data = Noise(3000);
  Bytes z = test::Compress(data);
  z.insert(z.end(), 5000, 0xAB);  // inflate makes no progress past the end: must not spin
  EXPECT_EQ(InflateAll(z), data);
}

}  // namespace
}  // namespace tavo::skin
