// The buffered stream over an in-memory stream: reads and writes through
// the 8192-byte buffer, the seek rules and their messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/Path.h"
#include "support/TestFiles.h"
#include "unzip/BufferStream.h"

namespace tavo::test {
namespace {

using zip::TS_BufferStream;

// A stream over a string that counts the calls made on it and can refuse
// writes.
class MemoryStream : public zip::TStream {
 public:
  std::string data;
  int64_t pos = 0;
  int reads = 0, writes = 0;
  bool refuseWrites = false;
  int64_t Read(void* buffer, int64_t count) override {
    ++reads;
    const int64_t n = std::max<int64_t>(0, std::min<int64_t>(count, static_cast<int64_t>(data.size()) - pos));
    std::memcpy(buffer, data.data() + pos, static_cast<size_t>(n));
    pos += n;
    return n;
  }
  int64_t Write(const void* buffer, int64_t count) override {
    ++writes;
    if (refuseWrites) return 0;
    if (pos + count > static_cast<int64_t>(data.size())) data.resize(static_cast<size_t>(pos + count));
    std::memcpy(data.data() + pos, buffer, static_cast<size_t>(count));
    pos += count;
    return count;
  }
  int64_t Seek(int64_t offset, int origin) override {
    pos = origin == 0 ? offset : origin == 1 ? pos + offset : static_cast<int64_t>(data.size()) + offset;
    return pos;
  }
  int64_t Size() override { return static_cast<int64_t>(data.size()); }
  void SetSize(int64_t size) override { data.resize(static_cast<size_t>(size)); }
};

TEST(BufferStreamTest, ReadsInBufferSizedBlocks) {
  MemoryStream m;
  m.data = RandomBytes(20000);
  TS_BufferStream s(m);
  std::string got(20000, '\0');
  EXPECT_EQ(s.Read(got.data(), 10), 10);
  EXPECT_EQ(m.reads, 1);
  EXPECT_EQ(s.Read(got.data() + 10, 19990), 19990);
  EXPECT_EQ(m.reads, 3);  // 8192 + 8192 + 3616
  EXPECT_EQ(got, m.data);
  EXPECT_EQ(s.Read(got.data(), 5), 0);
  EXPECT_EQ(s.Position(), 20000);
}

TEST(BufferStreamTest, WritesAreCollectedAndFlushed) {
  MemoryStream m;
  {
    TS_BufferStream s(m);
    const std::string text = CompressibleText(10000);
    EXPECT_EQ(s.Write(text.data(), 10000), 10000);
    EXPECT_EQ(m.writes, 1);  // one full buffer
    EXPECT_EQ(s.Position(), 10000);
    EXPECT_EQ(s.Size(), 10000);
  }
  EXPECT_EQ(m.data, CompressibleText(10000));  // the rest on destruction
}

// The engine moves entry data in 32 KB blocks: with nothing buffered, such a
// block passes in one call, and mixed with small transfers every byte still
// lands in its place.
TEST(BufferStreamTest, WholeBlocksPassInOneCallInOrder) {
  MemoryStream m;
  const std::string text = RandomBytes(100000);
  {
    TS_BufferStream s(m);
    EXPECT_EQ(s.Write(text.data(), 32768), 32768);
    EXPECT_EQ(m.writes, 1);
    EXPECT_EQ(s.Write(text.data() + 32768, 100), 100);  // buffered
    EXPECT_EQ(m.writes, 1);
    // Fills the pending buffer first (one call), then 3 whole buffers in
    // one call, and keeps the rest.
    EXPECT_EQ(s.Write(text.data() + 32868, 40000), 40000);
    EXPECT_EQ(m.writes, 3);
    EXPECT_EQ(s.Position(), 72868);
    EXPECT_EQ(s.Write(text.data() + 72868, 100000 - 72868), 100000 - 72868);
  }
  EXPECT_EQ(m.data, text);

  m.pos = 0;
  m.reads = 0;
  TS_BufferStream r(m);
  std::string got(100000, '\0');
  EXPECT_EQ(r.Read(got.data(), 32768), 32768);
  EXPECT_EQ(m.reads, 1);
  EXPECT_EQ(r.Read(got.data() + 32768, 5), 5);
  EXPECT_EQ(r.Read(got.data() + 32773, 100000 - 32773), 100000 - 32773);
  EXPECT_EQ(got, text);
  EXPECT_EQ(r.Position(), 100000);
  // A seek back lands on the right byte after a direct read.
  r.Seek(40000, 0);
  char one = 0;
  EXPECT_EQ(r.Read(&one, 1), 1);
  EXPECT_EQ(one, text[40000]);
}

TEST(BufferStreamTest, RefusedDirectWriteReportsWhatWasWritten) {
  MemoryStream m;
  m.refuseWrites = true;
  TS_BufferStream s(m);
  const std::string text = RandomBytes(20000);
  EXPECT_EQ(s.Write(text.data(), 20000), 0);
}

TEST(BufferStreamTest, SeekTargets) {
  MemoryStream m;
  m.data = RandomBytes(1000);
  TS_BufferStream s(m);
  struct Case {
    int64_t offset;
    int origin;
    int64_t expected;
  } cases[] = {{100, 0, 100}, {50, 1, 150}, {-20, 1, 130}, {-10, 2, 990}, {10, 2, 990}, {0, 2, 1000}};
  for (const Case& c : cases) EXPECT_EQ(s.Seek(c.offset, c.origin), c.expected) << c.offset << "/" << c.origin;
  for (int origin : {3, -1, 7}) {
    try {
      s.Seek(0, origin);
      FAIL() << origin;
    } catch (const Exception& e) {
      EXPECT_EQ(std::string(e.what()), "Invalid seek origin (" + std::to_string(origin) + ")");
    }
  }
}

TEST(BufferStreamTest, SeekToTheSamePlaceKeepsTheBufferAndReadsAfterSeeksAreRight) {
  MemoryStream m;
  m.data = RandomBytes(30000);
  TS_BufferStream s(m);
  char c;
  s.Read(&c, 1);
  s.Seek(1, 0);
  s.Seek(0, 1);
  EXPECT_EQ(m.reads, 1);
  // Back and forth, inside and outside the buffered bytes.
  for (int64_t target : {5000, 10, 25000, 24990, 8191, 8192, 0}) {
    s.Seek(target, 0);
    char got[20];
    ASSERT_EQ(s.Read(got, 20), 20);
    EXPECT_EQ(std::string(got, 20), m.data.substr(static_cast<size_t>(target), 20)) << target;
  }
}

TEST(BufferStreamTest, FailedFlushOnSeekIsASeekError) {
  MemoryStream m;
  m.refuseWrites = true;
  TS_BufferStream s(m);
  s.Write("abc", 3);
  try {
    s.Seek(0, 0);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Seek error");
  }
}

TEST(BufferStreamTest, FileStreamSizeAndSetSize) {
  ScratchDir dir;
  WriteFile(dir / "f.bin", std::string(100, 'x'));
  zip::TLFNFileStream f(platform::EnginePath(dir / "f.bin"), platform::TFileOpenMode::ReadWrite,
                        platform::TFileShareMode::DenyNone);
  EXPECT_EQ(f.Size(), 100);
  f.Seek(0, 2);
  f.Write("yz", 2);
  EXPECT_EQ(f.Size(), 102);
  f.SetSize(50);
  f.Seek(0, 0);
  EXPECT_EQ(f.Size(), 50);
  EXPECT_THROW(zip::TLFNFileStream(platform::EnginePath(dir / "none.bin"), platform::TFileOpenMode::Read,
                                   platform::TFileShareMode::DenyNone),
               platform::EFOpenError);
}

}  // namespace
}  // namespace tavo::test
