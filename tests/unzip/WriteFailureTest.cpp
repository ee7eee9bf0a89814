// Output files whose writes fail: through a stream that refuses bytes past a
// capacity, and for real on a tiny file system that is full. The last block
// of a file, written only when the file is finished, must be checked like
// every other. And a read-only file in the way, refused the way Windows
// refuses it even where the tests run as root.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/File.h"
#include "platform/Path.h"
#include "support/TestFiles.h"
#include "support/ZipBuilder.h"
#include "unzip/BufferStream.h"
#include "unzip/UnZip.h"

namespace tavo::test {
namespace {

using zip::TUnZip;

// A file that takes at most `capacity` bytes: like a disk that fills up.
class CappedFile : public zip::TStream {
 public:
  CappedFile(const std::string& fName, int64_t capacity)
      : file_(std::make_unique<platform::TFileStream>(fName, platform::TFileOpenMode::Create,
                                                      platform::TFileShareMode::DenyWrite)),
        capacity_(capacity) {}
  int64_t Read(void* buffer, int64_t count) override { return file_->Read(buffer, count); }
  int64_t Write(const void* buffer, int64_t count) override {
    const int64_t room = std::max<int64_t>(0, capacity_ - taken_);
    const int64_t n = file_->Write(buffer, std::min(room, count));
    taken_ += n;
    return n;
  }
  int64_t Seek(int64_t offset, int origin) override {
    return file_->Seek(offset, static_cast<platform::TSeekOrigin>(origin));
  }
  int64_t Size() override { return file_->Size(); }
  void SetSize(int64_t size) override { file_->SetSize(size); }

 private:
  std::unique_ptr<platform::TFileStream> file_;
  int64_t capacity_;
  int64_t taken_ = 0;
};

// The buffered stream over a CappedFile that it owns.
struct CappedHolder {
  std::unique_ptr<CappedFile> file;
};
class CappedOutput : private CappedHolder, public zip::TS_BufferStream {
 public:
  CappedOutput(const std::string& fName, int64_t capacity)
      : CappedHolder{std::make_unique<CappedFile>(fName, capacity)}, TS_BufferStream(*file) {}
  ~CappedOutput() override { FinishWriting(); }
};

class CappedUnZip : public TUnZip {
 public:
  int64_t capacity = 0;

 protected:
  std::unique_ptr<zip::TS_BufferStream> CreateOutputFile(const std::string& fName) override {
    return std::make_unique<CappedOutput>(platform::HostPath(fName), capacity);
  }
};

class WriteFailureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    unzip.DoProcessMessages = false;
    unzip.DoAll = true;
    unzip.OverwriteMode = zip::TUZOverwriteMode::Always;
    unzip.OnEndUnZip = [this](TUnZip&, int, const std::string&) { ++ended; };
  }
  void Name(ZipBuilder& b, const std::string& dest) {
    WriteFile(dir / "w.zip", b.Build());
    unzip.SetZipName(platform::EnginePath(dir / "w.zip"));
    unzip.SetDestDir(platform::EnginePath(dest));
  }

  ScratchDir dir;
  CappedUnZip unzip;
  int ended = 0;
};

TEST_F(WriteFailureTest, LastBufferThatCannotBeWrittenIsAWriteErrorAndTheFileGoes) {
  // 5000 bytes fit in the 8192-byte file buffer: every byte reaches the disk
  // in the final write, when the file is finished.
  ZipBuilder b;
  b.Add(ZipEntry::Stored("small.bin", RandomBytes(5000, 3)));
  Name(b, dir / "out");
  unzip.capacity = 4096;
  try {
    unzip.ExtractFiles();
    FAIL() << "a full disk was taken for success";
  } catch (const zip::ECantWriteUCF& e) {
    EXPECT_STREQ(e.what(), "Cant write uncompressed file");
  }
  EXPECT_EQ(ended, 0);
  EXPECT_FALSE(Exists(dir / "out/small.bin"));
}

TEST_F(WriteFailureTest, WriteFailingInTheMiddleAlsoDeletesTheFile) {
  ZipBuilder b;
  b.Add(ZipEntry::Deflated("big.txt", CompressibleText(200000, 5)));
  Name(b, dir / "out");
  unzip.capacity = 70000;
  EXPECT_THROW(unzip.ExtractFiles(), zip::ECantWriteUCF);
  EXPECT_EQ(ended, 0);
  EXPECT_FALSE(Exists(dir / "out/big.txt"));
}

TEST_F(WriteFailureTest, RoomForEveryByteIsASuccess) {
  ZipBuilder b;
  const std::string data = RandomBytes(5000, 3);
  b.Add(ZipEntry::Stored("small.bin", data));
  Name(b, dir / "out");
  unzip.capacity = 5000;
  EXPECT_EQ(unzip.ExtractFiles(), 1);
  EXPECT_EQ(ReadFile(dir / "out/small.bin"), data);
}

// Creating a file over a read-only one fails as it does on Windows, even for
// root: the attribute, not the caller's rights, decides.
class WindowsLikeUnZip : public TUnZip {
 public:
  int refused = 0;

 protected:
  std::unique_ptr<zip::TS_BufferStream> CreateOutputFile(const std::string& fName) override {
    const int32_t attributes = platform::FileGetAttr(fName);
    if (attributes >= 0 && (attributes & static_cast<int32_t>(platform::faReadOnly))) {
      ++refused;
      throw platform::EFCreateError("Cannot create file \"" + fName + "\"", 5);
    }
    return TUnZip::CreateOutputFile(fName);
  }
};

TEST(ReplaceReadOnlyTest, ReadOnlyFileIsClearedAndReplacedOnlyWhenAsked) {
  ScratchDir dir;
  ZipBuilder b;
  b.Add(ZipEntry::Stored("ro.txt", "new content"));
  WriteFile(dir / "r.zip", b.Build());
  const std::string target = platform::EnginePath(dir / "out/ro.txt");
  platform::ForceDirectories(platform::EnginePath(dir / "out"));
  for (bool replace : {false, true}) {
    SCOPED_TRACE(replace);
    WriteFile(dir / "out/ro.txt", "old content");
    platform::FileSetAttr(target, platform::faReadOnly);
    WindowsLikeUnZip unzip;
    unzip.DoProcessMessages = false;
    unzip.DoAll = true;
    unzip.OverwriteMode = zip::TUZOverwriteMode::Always;
    unzip.RetainAttributes = false;
    unzip.ReplaceReadOnly = replace;
    std::vector<zip::TSkipReason> skips;
    unzip.OnSkippingFile = [&](TUnZip&, zip::TSkipReason r, const std::string&, int, bool&) { skips.push_back(r); };
    unzip.SetZipName(platform::EnginePath(dir / "r.zip"));
    unzip.SetDestDir(platform::EnginePath(dir / "out"));
    EXPECT_EQ(unzip.ExtractFiles(), replace ? 1 : 0);
    EXPECT_EQ(unzip.refused, 1);
    if (replace) {
      EXPECT_TRUE(skips.empty());
      EXPECT_EQ(ReadFile(dir / "out/ro.txt"), "new content");
      EXPECT_FALSE(platform::FileGetAttr(target) & static_cast<int32_t>(platform::faReadOnly));
    } else {
      EXPECT_EQ(skips, (std::vector<zip::TSkipReason>{zip::TSkipReason::srCreateError}));
      EXPECT_EQ(ReadFile(dir / "out/ro.txt"), "old content");
      EXPECT_TRUE(platform::FileGetAttr(target) & static_cast<int32_t>(platform::faReadOnly));
      platform::FileSetAttr(target, 0);
    }
  }
}

// The real thing: a 64 KB tmpfs, filled up, in a mount namespace of this
// process alone, so nothing outside the test sees it.
TEST(WriteFailureOnDiskTest, FullFileSystemFailsTheEntryAndLeavesNoFile) {
#ifdef _WIN32
  GTEST_SKIP() << "needs a tiny Linux file system (tmpfs in a private mount namespace)";
#else
  if (geteuid() != 0) GTEST_SKIP() << "needs root to mount a tiny tmpfs";
  if (unshare(CLONE_NEWNS) != 0)
    GTEST_SKIP() << "cannot make a private mount namespace: " << std::strerror(errno);
  if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
    GTEST_SKIP() << "cannot make mounts private: " << std::strerror(errno);
  ScratchDir dir;
  const std::string disk = dir / "disk";
  RunCommand("mkdir -p " + ShellQuote(disk));
  if (mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
    GTEST_SKIP() << "cannot mount a tmpfs: " << std::strerror(errno);
  struct Unmount {
    std::string at;
    ~Unmount() { umount2(at.c_str(), MNT_DETACH); }
  } unmount{disk};
  // Fill the disk to its last block.
  {
    FILE* f = std::fopen((disk + "/filler").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    const std::string block(4096, 'f');
    while (std::fwrite(block.data(), 1, block.size(), f) == block.size() && std::fflush(f) == 0) {
    }
    std::fclose(f);
  }
  ZipBuilder b;
  b.Add(ZipEntry::Stored("small.bin", RandomBytes(5000, 3)));
  WriteFile(dir / "w.zip", b.Build());
  TUnZip unzip;
  unzip.DoProcessMessages = false;
  unzip.DoAll = true;
  int ended = 0;
  unzip.OnEndUnZip = [&](TUnZip&, int, const std::string&) { ++ended; };
  unzip.SetZipName(platform::EnginePath(dir / "w.zip"));
  unzip.SetDestDir(platform::EnginePath(disk + "/out"));
  EXPECT_THROW(unzip.ExtractFiles(), zip::ECantWriteUCF);
  EXPECT_EQ(ended, 0);
  EXPECT_FALSE(Exists(disk + "/out/small.bin"));
#endif
}

}  // namespace
}  // namespace tavo::test
