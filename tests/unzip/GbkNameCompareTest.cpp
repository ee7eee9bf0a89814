// Case-insensitive name comparisons in the engine over GBK names: two
// different characters whose trail bytes are the codes of "A" and "a" must
// never be taken for one another (archive name, relative path prefix, sort
// by name, selection by pattern).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/File.h"
#include "platform/Path.h"
#include "support/TestFiles.h"
#include "support/ZipBuilder.h"
#include "unzip/UnZip.h"

namespace tavo::test {
namespace {

// Two different GBK characters: the second's trail byte is the first's
// lower-cased.
constexpr const char* kUpperTrail = "\x81\x41";
constexpr const char* kLowerTrail = "\x81\x61";

class GbkNameCompareTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (platform::AnsiCodePage() != 936) GTEST_SKIP() << "needs the GBK code page for engine names";
    unzip.DoAll = true;
    unzip.RecreateDirs = true;
    unzip.OverwriteMode = zip::TUZOverwriteMode::Always;
  }

  int Extract(ZipBuilder& b) {
    WriteFile(dir / "g.zip", b.Build());
    unzip.SetZipName(platform::EnginePath(dir / "g.zip"));
    unzip.SetDestDir(platform::EnginePath(dir / "out"));
    return unzip.ExtractFiles();
  }

  std::string Out(const std::string& rest) const { return platform::EnginePath(dir / "out") + "\\" + rest; }

  ScratchDir dir;
  zip::TUnZip unzip;
};

TEST_F(GbkNameCompareTest, ArchiveNamesDifferingInATrailByteAreDifferent) {
  unzip.SetZipName(std::string("C:\\") + kUpperTrail + ".zip");
  unzip.SetZipName(std::string("C:\\") + kLowerTrail + ".zip");
  EXPECT_EQ(unzip.ZipName(), std::string("C:\\") + kLowerTrail + ".zip");
  // Letters that are whole characters still compare without case: the
  // name is not replaced.
  unzip.SetZipName(std::string("C:\\") + kLowerTrail + ".ZIP");
  EXPECT_EQ(unzip.ZipName(), std::string("C:\\") + kLowerTrail + ".zip");
}

TEST_F(GbkNameCompareTest, RelativePrefixMatchesWholeCharactersOnly) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored(std::string(kLowerTrail) + "/f.txt", "other"));
  b.Add(ZipEntry::Stored(std::string(kUpperTrail) + "/g.txt", "cut"));
  unzip.SetRootDir(kUpperTrail);
  EXPECT_EQ(Extract(b), 2);
  EXPECT_TRUE(platform::FileExists(Out(std::string(kLowerTrail) + "\\f.txt")));
  EXPECT_FALSE(platform::FileExists(Out("f.txt")));
  EXPECT_TRUE(platform::FileExists(Out("g.txt")));
}

TEST_F(GbkNameCompareTest, SortByNameOrdersTrailBytesUnfolded) {
  ZipBuilder b;
  for (const std::string& name : {std::string(kUpperTrail) + ".txt", std::string(kLowerTrail) + ".txt",
                                  std::string("b.txt"), std::string("A.txt"), std::string(kUpperTrail) + "b.txt"})
    b.Add(ZipEntry::Stored(name, "x"));
  WriteFile(dir / "s.zip", b.Build());
  unzip.SortMode = zip::TZipSortMode::ByName;
  unzip.SetZipName(platform::EnginePath(dir / "s.zip"));
  unzip.LoadZipDirectory();
  std::vector<std::string> names;
  for (int i = 0; i < unzip.EntryCount(); ++i) names.push_back(unzip.EntryName(i));
  EXPECT_EQ(names, (std::vector<std::string>{"A.txt", "b.txt", std::string(kUpperTrail) + ".txt",
                                             std::string(kUpperTrail) + "b.txt", std::string(kLowerTrail) + ".txt"}));
}

TEST_F(GbkNameCompareTest, PatternSelectsOnlyTheNamedCharacter) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored(std::string(kUpperTrail) + ".txt", "upper"));
  b.Add(ZipEntry::Stored(std::string(kLowerTrail) + ".txt", "lower"));
  unzip.DoAll = false;
  unzip.FilesList = {std::string(kUpperTrail) + ".TXT"};
  EXPECT_EQ(Extract(b), 1);
  EXPECT_TRUE(platform::FileExists(Out(std::string(kUpperTrail) + ".txt")));
  EXPECT_FALSE(platform::FileExists(Out(std::string(kLowerTrail) + ".txt")));
}

}  // namespace
}  // namespace tavo::test
