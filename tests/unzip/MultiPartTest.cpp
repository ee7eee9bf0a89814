// Split and spanned archives made by Info-ZIP zip with small parts, so that
// entry data and central headers run over the ends of parts. What the engine
// extracts must equal what Info-ZIP unzip extracts from the joined archive.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/File.h"
#include "platform/Path.h"
#include "support/TestFiles.h"
#include "unzip/UnZip.h"
#include "unzip/Zip.h"

namespace tavo::test {
namespace {

#ifndef _WIN32
namespace fs = std::filesystem;
using zip::TBlockMode;
using zip::TMultiMode;
using zip::TSplitPartType;
using zip::TUnZip;
using zip::TZip;

constexpr int kParts = 4;  // what the source tree below makes with 100 KB parts

// Shared by all tests: the source tree, the split set as zip writes it
// ("set.z01".."set.z04", "set.zip"), and Info-ZIP's extraction of the joined
// archive in "theirs".
class MultiPartTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!HaveTool("zip") || !HaveTool("unzip")) return;
    dir_ = new ScratchDir;
    const ScratchDir& d = *dir_;
    RunCommand("mkdir -p src/names", nullptr, d.Path());
    WriteFile(d / "src/big.bin", RandomBytes(150000, 7));
    WriteFile(d / "src/text.txt", CompressibleText(90000, 3));
    // Many long names make a central directory larger than one part.
    for (int i = 0; i < 1100; ++i)
      WriteFile(d / ("src/names/an_entry_with_a_long_name_filling_the_directory_" + std::to_string(i) + ".txt"),
                std::string(static_cast<size_t>(i % 50), 'x'));
    WriteFile(d / "comment.txt", "a comment for the whole set\n");
    RunCommand("find src -exec touch -d '2022-03-04 05:06:08' {} +", nullptr, d.Path());
    std::string msg;
    if (RunCommand("cd src && zip -q -X -r -s 100k -z ../set.zip . < ../comment.txt", &msg, d.Path(), true) != 0)
      return;
    RunCommand("zip -q -s 0 set.zip --out joined.zip && unzip -q joined.zip -d theirs", &msg, d.Path(), true);
    RunCommand("python3 -c \"import zipfile,sys; sys.stdout.buffer.write(zipfile.ZipFile('joined.zip').comment)\"",
               &comment_, d.Path());
    ready_ = fs::exists(d / "theirs/big.bin") && fs::exists(d / ("set.z0" + std::to_string(kParts - 1)));
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }

  void SetUp() override {
    if (!ready_) GTEST_SKIP() << "Info-ZIP zip/unzip missing or made another set";
    work = *dir_ / ("w" + std::to_string(++runs_));
    fs::create_directories(work);
  }

  // Part n (from 1) of the set as zip named it.
  static std::string ZipPart(int n) {
    return n == kParts ? *dir_ / "set.zip" : *dir_ / ("set.z0" + std::to_string(n));
  }
  // Copies the parts into `work` under the names `name(n)` gives.
  template <class Name>
  void CopyParts(Name name) {
    for (int n = 1; n <= kParts; ++n) fs::copy_file(ZipPart(n), work + "/" + name(n));
  }

  static std::string E(const std::string& host) { return platform::EnginePath(host); }

  // Extracts everything into work/ours and compares with Info-ZIP's tree.
  void ExtractAndCompare(TUnZip& unzip) {
    unzip.DoAll = true;
    unzip.RecreateDirs = true;
    unzip.SetDestDir(E(work + "/ours"));
    EXPECT_EQ(unzip.ExtractFiles(), 1103);
    std::string diff;
    EXPECT_EQ(RunCommand("diff -r " + ShellQuote(*dir_ / "theirs") + " ours", &diff, work, true), 0) << diff;
  }

  static ScratchDir* dir_;
  static bool ready_;
  static int runs_;
  static std::string comment_;  // the archive comment as Python reads it from the joined archive
  std::string work;
};

ScratchDir* MultiPartTest::dir_ = nullptr;
bool MultiPartTest::ready_ = false;
int MultiPartTest::runs_ = 0;
std::string MultiPartTest::comment_;

// Both naming schemes, each opened through its last part.
TEST_F(MultiPartTest, SplitSetsExtractLikeTheJoinedArchive) {
  struct Case {
    TBlockMode mode;
    std::string (*name)(int);
    const char* last;
  } cases[] = {
      {TBlockMode::bmStandard,
       [](int n) { return n == kParts ? std::string("data.zip") : "data.zip.z0" + std::to_string(n); }, "data.zip"},
      {TBlockMode::bmClassic, [](int n) { return "data.00" + std::to_string(n); }, "data.004"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    fs::remove_all(work);
    fs::create_directories(work);
    CopyParts(c.name);
    TZip unzip;
    unzip.BlockMode = c.mode;
    unzip.SortMode = zip::TZipSortMode::ByName;  // extraction still goes in physical order
    unzip.SetZipName(E(work + "/" + c.last));
    unzip.LoadZipDirectory();
    ASSERT_EQ(unzip.EntryCount(), 1103);
    EXPECT_EQ(unzip.MultiMode(), TMultiMode::mmBlocks);
    EXPECT_EQ(unzip.NumberOfParts(), kParts);
    // The set must really have its directory start in an earlier part.
    EXPECT_LT(unzip.EndRecord().EffectiveCentralDirDisk(), unzip.EndRecord().EffectiveThisDisk());
    ASSERT_FALSE(comment_.empty());
    EXPECT_EQ(unzip.ArchiveComment(), comment_);
    ExtractAndCompare(unzip);
  }
}

TEST_F(MultiPartTest, MissingPartFailsWithTheOpenError) {
  CopyParts([](int n) { return n == kParts ? std::string("data.zip") : "data.zip.z0" + std::to_string(n); });
  fs::remove(work + "/data.zip.z02");
  TUnZip unzip;
  unzip.SetZipName(E(work + "/data.zip"));
  unzip.DoAll = true;
  unzip.RecreateDirs = true;
  unzip.SetDestDir(E(work + "/ours"));
  EXPECT_THROW(unzip.ExtractFiles(), platform::EFOpenError);
}

TEST_F(MultiPartTest, SplitNamingHandlerChoosesTheFiles) {
  CopyParts([](int n) { return "piece" + std::to_string(n) + ".bin"; });
  TZip unzip;
  std::vector<int> parts;
  const std::string base = E(work + "/piece4");
  unzip.OnFileNameForSplitPart = [&](TUnZip&, std::string& name, int n, TSplitPartType type) {
    // The handler starts from BaseName; part 1 is spFirst, the last spLast.
    EXPECT_EQ(name, base);
    EXPECT_EQ(type, n == 1 ? TSplitPartType::spFirst : n == kParts ? TSplitPartType::spLast : TSplitPartType::spMiddle);
    parts.push_back(n);
    name = E(work + "/piece" + std::to_string(n) + ".bin");
  };
  unzip.SetZipName(E(work + "/piece4.bin"));
  ExtractAndCompare(unzip);
  EXPECT_GE(parts.size(), static_cast<size_t>(kParts));
}

// Each extraction opens the parts it needs, and ZipName follows the part
// opened last; the next extraction must still start from the set's last
// part, which holds the directory. A two-part set with an entry wholly in
// part 1 and one in the last part.
TEST_F(MultiPartTest, SecondExtractionStartsAgainFromTheLastPart) {
  RunCommand("mkdir -p two", nullptr, work);
  WriteFile(work + "/two/a.txt", "first entry, all in part 1");
  WriteFile(work + "/two/b.bin", RandomBytes(90000, 9));
  WriteFile(work + "/two/z.txt", "last entry, in the last part");
  std::string msg;
  ASSERT_EQ(RunCommand("cd two && zip -q -X -0 -s 64k ../x.zip a.txt b.bin z.txt && cd .. && mv x.z01 x.zip.z01",
                       &msg, work, true), 0) << msg;
  TZip unzip;
  unzip.DoProcessMessages = false;
  unzip.SetZipName(E(work + "/x.zip"));
  unzip.LoadZipDirectory();
  ASSERT_EQ(unzip.EntryCount(), 3);
  ASSERT_EQ(unzip.NumberOfParts(), 2);
  ASSERT_EQ(unzip.Entry(0).EffectiveDiskNumberStart(), 0u);
  ASSERT_EQ(unzip.Entry(2).EffectiveDiskNumberStart(), 1u);
  unzip.RecreateDirs = true;
  unzip.SetDestDir(E(work + "/ours"));
  unzip.OverwriteMode = zip::TUZOverwriteMode::Always;
  for (const char* name : {"a.txt", "z.txt", "a.txt", "b.bin"}) {
    SCOPED_TRACE(name);
    unzip.FilesList = {name};
    EXPECT_EQ(unzip.ExtractFiles(), 1);
    EXPECT_EQ(ReadFile(work + "/ours/" + name), ReadFile(work + "/two/" + name));
  }
}

#ifdef TAVO_TUNZIP
// The command-line tool finds the set from any of its parts, in zip's own
// naming and in the classic one.
TEST_F(MultiPartTest, TunzipExtractsTheSetGivenAnyPart) {
  CopyParts([](int n) { return n == kParts ? std::string("set.zip") : "set.z0" + std::to_string(n); });
  CopyParts([](int n) { return "old.00" + std::to_string(n); });
  for (const char* part : {"set.z01", "set.z02", "set.zip", "old.001", "old.003"}) {
    SCOPED_TRACE(part);
    std::string msg;
    EXPECT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " x -q " + part + " -d ours", &msg, work, true), 0) << msg;
    EXPECT_EQ(RunCommand("diff -r " + ShellQuote(*dir_ / "theirs") + " ours", &msg, work, true), 0) << msg;
    fs::remove_all(work + "/ours");
  }
}
#endif

// A drive that behaves like a floppy: its type is removable, and inserting a
// disk puts part n of the set under the one file name with a chosen label.
class FloppyZip : public TZip {
 public:
  std::string label;
  int typeAsked = 0;

 protected:
  platform::TDriveType DriveTypeOf(const std::string& root) const override {
    ++const_cast<FloppyZip*>(this)->typeAsked;
    return root == "A:\\" ? platform::TDriveType::Removable : platform::TDriveType::Fixed;
  }
  std::string VolumeLabelOf(const std::string& root) const override { return root == "A:\\" ? label : ""; }
};

class SpannedTest : public MultiPartTest {
 protected:
  void SetUp() override {
    MultiPartTest::SetUp();
    if (IsSkipped()) return;
    Insert(kParts, "DISK004");
    zip.SetZipName("A:" + E(work + "/set.zip"));
    // The default request: the handler answers as the user at the message box.
    zip.OnHandleMessage = [this](TUnZip&, int id, const std::string& text, const std::string& caption,
                                 uint32_t flags, int& answer) {
      requests.push_back(std::to_string(id) + " " + text + " [" + caption + "] " + std::to_string(flags));
      answer = 1;
      if (script.empty()) {
        answer = 2;
        return;
      }
      const auto [part, label] = script.front();
      script.erase(script.begin());
      if (part == 0)
        answer = 2;
      else if (part < 0)
        fs::remove(work + "/set.zip");  // a disk without the file
      else
        Insert(part, label);
    };
  }
  void Insert(int part, const std::string& label) {
    fs::copy_file(ZipPart(part), work + "/set.zip", fs::copy_options::overwrite_existing);
    fs::last_write_time(work + "/set.zip", fs::last_write_time(ZipPart(part)));
    zip.label = label;
  }
  static std::string Request(int n) {
    return "184 Please insert disk " + std::to_string(n) + " of the multi-disk set. [] 1";
  }

  FloppyZip zip;
  std::vector<std::pair<int, std::string>> script;  // disks the user inserts, in order; 0 cancels
  std::vector<std::string> requests;
};

TEST_F(SpannedTest, WrongLabelsAreRefusedAndTheRequestRepeated) {
  // Directory on disks 4 and 5, then the entries from disk 1 on.
  // The directory starts on disk 3 and runs into disk 4; the entries lie on
  // disks 1 to 3. Labels are cut to 11 characters before their last three
  // are compared.
  script = {{3, "DISK003"}, {4, "BACKUP"},   {4, "MYBACKUP9004"}, {4, "ARCHIVE_004"},
            {1, "DISK001"}, {2, "DISK02"},   {2, "disk002"},      {3, "003"}};
  ExtractAndCompare(zip);
  EXPECT_EQ(zip.MultiMode(), TMultiMode::mmSpan);
  EXPECT_GT(zip.typeAsked, 0);
  const std::vector<std::string> expected = {Request(3), Request(4), Request(4), Request(4),
                                             Request(1), Request(2), Request(2), Request(3)};
  EXPECT_EQ(requests, expected);
  EXPECT_TRUE(script.empty());
}

TEST_F(SpannedTest, WithoutLabelCheckAnyDiskHoldingTheFileIsTaken) {
  zip.SetCheckDiskLabels(false);
  script = {{3, "BACKUP"}, {4, ""}, {1, "X"}, {-1, ""}, {2, "X"}, {3, "X"}};
  ExtractAndCompare(zip);
  // Only the disk without the file was asked for again.
  EXPECT_EQ(requests, (std::vector<std::string>{Request(3), Request(4), Request(1), Request(2), Request(2),
                                                Request(3)}));
  EXPECT_TRUE(script.empty());
}

TEST_F(SpannedTest, CancelEndsWithTheMessage) {
  script = {{3, "DISK003"}, {4, "BACKUP"}, {0, ""}};
  try {
    zip.LoadZipDirectory();
    FAIL() << "no exception";
  } catch (const zip::EUserCanceled& e) {
    EXPECT_STREQ(e.what(), "User canceled loading new disk.");
  }
  EXPECT_EQ(requests, (std::vector<std::string>{Request(3), Request(4), Request(4)}));
  EXPECT_EQ(zip.EntryCount(), 0);
}

TEST_F(SpannedTest, FixedDriveMakesASplitSetAndAPresetModeStays) {
  CopyParts([](int n) { return n == kParts ? std::string("data.zip") : "data.zip.z0" + std::to_string(n); });
  FloppyZip plain;
  plain.SetZipName("C:" + E(work + "/data.zip"));
  plain.LoadZipDirectory();
  EXPECT_EQ(plain.MultiMode(), TMultiMode::mmBlocks);
  // A mode set beforehand is kept even on a removable drive.
  zip.SetMultiMode(TMultiMode::mmBlocks);
  EXPECT_THROW(zip.LoadZipDirectory(), platform::EFOpenError);  // "set.zip.z03" does not exist
  EXPECT_EQ(zip.MultiZipInfo().MultiMode, TMultiMode::mmNone);  // cleared by the failure
  EXPECT_TRUE(requests.empty());
}
#endif

}  // namespace
}  // namespace tavo::test
