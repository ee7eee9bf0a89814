// A spanned archive on drive A:, a floppy drive of the Wine prefix: the
// engine sees a removable drive, asks for each disk and reads the real
// volume label. "Inserting" a disk writes its part under the one file name;
// the drive's label, "VOL_002", comes from the fixture.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/File.h"
#include "platform/Path.h"
#include "support/TestFiles.h"
#include "support/ZipBuilder.h"
#include "unzip/Zip.h"

namespace tavo::test {
namespace {

#ifdef _WIN32
using zip::TMultiMode;
using zip::TUnZip;
using zip::TZip;

constexpr const char* kLabel = "VOL_002";

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class SpanFloppyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    one = "first entry\r\n";
    two = CompressibleText(50000, 5);
    three = RandomBytes(3000, 9);
    ZipBuilder b;
    b.Add(ZipEntry::Stored("one.txt", one));
    b.Add(ZipEntry::Deflated("dir/two.txt", two));
    b.Add(ZipEntry::Stored("three.bin", three));
    // Three disks: the entries, the central directory, the end record.
    b.thisDisk = 2;
    b.centralDirDisk = 1;
    b.centralDirOffset = 0;
    const std::string all = b.Build();
    parts = {all.substr(0, b.centralDirStart),
             all.substr(b.centralDirStart, b.endRecordStart - b.centralDirStart), all.substr(b.endRecordStart)};
    Insert(3, kLabel);
    zip.SetZipName("A:\\set.zip");
    zip.DoAll = true;
    zip.RecreateDirs = true;
    zip.SetDestDir(platform::EnginePath(out.Path()));
    zip.OnHandleMessage = [this](TUnZip&, int id, const std::string& text, const std::string&, uint32_t flags,
                                 int& answer) {
      requests.push_back(std::to_string(id) + " " + text + " " + std::to_string(flags));
      answer = 2;
      if (script.empty()) return;
      const auto [part, label] = script.front();
      script.erase(script.begin());
      if (part == 0) return;
      Insert(part, label);
      answer = 1;
    };
  }
  // The label stays what the fixture wrote: Wine reads it once.
  void Insert(int part, const std::string&) { WriteBytes("A:\\set.zip", parts[static_cast<size_t>(part - 1)]); }
  static std::string Request(int n) {
    return "184 Please insert disk " + std::to_string(n) + " of the multi-disk set. 1";
  }
  void ExpectFiles() {
    EXPECT_EQ(ReadFile(out / "one.txt"), one);
    EXPECT_EQ(ReadFile(out / "dir/two.txt"), two);
    EXPECT_EQ(ReadFile(out / "three.bin"), three);
  }

  ScratchDir out;
  std::string one, two, three;
  std::vector<std::string> parts;
  TZip zip;
  std::vector<std::pair<int, std::string>> script;  // disks inserted in turn; 0 cancels
  std::vector<std::string> requests;
};

// Wine reads a drive's label once, so every disk here carries the label the
// fixture gave the drive, "VOL_002": it fits part 2 and no other part.
TEST_F(SpanFloppyTest, TheRealLabelMustEndInThePartNumber) {
  ASSERT_EQ(platform::VolumeLabel("A:\\"), kLabel);
  script = {{2, kLabel}, {1, kLabel}, {0, ""}};
  try {
    zip.ExtractFiles();
    FAIL() << "no exception";
  } catch (const zip::EUserCanceled& e) {
    EXPECT_STREQ(e.what(), "User canceled loading new disk.");
  }
  // Disk 2 was taken at once; disk 1 with the same label was refused and
  // asked for again until the user cancelled.
  EXPECT_EQ(requests, (std::vector<std::string>{Request(2), Request(1), Request(1)}));
  EXPECT_EQ(zip.MultiMode(), TMultiMode::mmSpan);
  EXPECT_EQ(zip.EntryCount(), 3);
}

TEST_F(SpanFloppyTest, WithoutLabelCheckAnyDiskIsTaken) {
  zip.SetCheckDiskLabels(false);
  script = {{2, kLabel}, {1, kLabel}};
  EXPECT_EQ(zip.ExtractFiles(), 3);
  EXPECT_EQ(requests, (std::vector<std::string>{Request(2), Request(1)}));
  ExpectFiles();
}

TEST_F(SpanFloppyTest, CancelEndsTheRun) {
  script = {{0, ""}};
  try {
    zip.ExtractFiles();
    FAIL() << "no exception";
  } catch (const zip::EUserCanceled& e) {
    EXPECT_STREQ(e.what(), "User canceled loading new disk.");
  }
  EXPECT_EQ(requests, (std::vector<std::string>{Request(2)}));
}
#endif

}  // namespace
}  // namespace tavo::test
