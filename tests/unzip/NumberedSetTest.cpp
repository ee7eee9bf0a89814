// Numbered sets: an archive cut into "name.zip.001", ".002", ... read as one
// archive from any piece; a missing piece named; a directory that yields
// fewer entries than its end record announces reported by tunzip.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/File.h"
#include "platform/Path.h"
#include "support/TestFiles.h"
#include "support/ZipBuilder.h"
#include "unzip/UnZip.h"

namespace tavo::test {
namespace {

using zip::TUnZip;

class NumberedSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    contents = {CompressibleText(50000, 2), RandomBytes(60000, 4), "small"};
    b.Add(ZipEntry::Deflated("docs/a.txt", contents[0]));
    b.Add(ZipEntry::Stored("bin/b.bin", contents[1]));
    b.Add(ZipEntry::Stored("c.txt", contents[2]));
    b.comment = "set comment";
    const std::string whole = b.Build();
    // Cut so that the second entry's data and the directory both run over
    // piece boundaries.
    const size_t piece = 25000;
    for (size_t at = 0, n = 1; at < whole.size(); at += piece, ++n)
      WriteFile(Piece(static_cast<int>(n)), whole.substr(at, piece));
    pieces = static_cast<int>((whole.size() + piece - 1) / piece);
  }
  std::string Piece(int n) const { return dir / ("set.zip.00" + std::to_string(n)); }

  ScratchDir dir;
  ZipBuilder b;
  std::vector<std::string> contents;
  int pieces = 0;
};

TEST_F(NumberedSetTest, AnyPieceReadsTheWholeArchive) {
  ASSERT_EQ(pieces, 3);
  for (int n = 1; n <= pieces; ++n) {
    SCOPED_TRACE(n);
    TUnZip unzip;
    unzip.DoProcessMessages = false;
    unzip.SetZipName(platform::EnginePath(Piece(n)));
    unzip.LoadZipDirectory();
    ASSERT_EQ(unzip.EntryCount(), 3);
    EXPECT_EQ(unzip.AnnouncedEntries(), 3u);
    EXPECT_EQ(unzip.NumberOfParts(), 1);
    EXPECT_EQ(unzip.ArchiveComment(), "set comment");
    const std::string out = dir / ("out" + std::to_string(n));
    unzip.DoAll = true;
    unzip.RecreateDirs = true;
    unzip.SetDestDir(platform::EnginePath(out));
    EXPECT_EQ(unzip.ExtractFiles(), 3);
    EXPECT_EQ(ReadFile(out + "/docs/a.txt"), contents[0]);
    EXPECT_EQ(ReadFile(out + "/bin/b.bin"), contents[1]);
    EXPECT_EQ(ReadFile(out + "/c.txt"), contents[2]);
    // A second run reads the set again from the same piece.
    unzip.OverwriteMode = zip::TUZOverwriteMode::Always;
    unzip.FilesList = {"c.txt"};
    unzip.DoAll = false;
    EXPECT_EQ(unzip.ExtractFiles(), 1);
  }
}

TEST_F(NumberedSetTest, MissingPieceIsNamed) {
  struct Case {
    int removed, named;
  } cases[] = {{2, 1}, {2, 3}, {3, 1}, {3, 2}, {1, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.removed) + " missing, " + std::to_string(c.named) + " named");
    ScratchDir copy;
    for (int n = 1; n <= pieces; ++n)
      if (n != c.removed) WriteFile(copy / ("set.zip.00" + std::to_string(n)), ReadFile(Piece(n)));
    TUnZip unzip;
    unzip.DoProcessMessages = false;
    unzip.IncompleteZipMode = zip::TIncompleteZipMode::izAssumeBad;
    unzip.SetZipName(platform::EnginePath(copy / ("set.zip.00" + std::to_string(c.named))));
    try {
      unzip.LoadZipDirectory();
      FAIL() << "a set with a piece missing was read";
    } catch (const zip::EMissingPiece& e) {
      EXPECT_EQ(std::string(e.what()), "Piece " + platform::EnginePath(copy / ("set.zip.00" + std::to_string(c.removed))) +
                                           " of the numbered set is missing");
    }
    EXPECT_EQ(unzip.EntryCount(), 0);
  }
}

TEST_F(NumberedSetTest, NumberedNameThatIsNoSetIsAnOrdinaryArchive) {
  // "report.123" alone, a whole archive: no piece 1, so no set.
  ZipBuilder one;
  one.Add(ZipEntry::Stored("x.txt", "x"));
  WriteFile(dir / "report.123", one.Build());
  TUnZip unzip;
  unzip.SetZipName(platform::EnginePath(dir / "report.123"));
  unzip.LoadZipDirectory();
  EXPECT_EQ(unzip.EntryCount(), 1);
}

#if defined(TAVO_TUNZIP) && !defined(_WIN32)
TEST_F(NumberedSetTest, TunzipListsAndExtractsFromAnyPieceAndNamesAMissingOne) {
  for (int n = 1; n <= pieces; ++n) {
    std::string out;
    EXPECT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " l " + ShellQuote(Piece(n)), &out), 0) << out;
    EXPECT_NE(out.find("3 files"), std::string::npos) << out;
  }
  std::string msg;
  EXPECT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " x -q " + ShellQuote(Piece(3)) + " -d out", &msg, dir.Path(), true),
            0) << msg;
  EXPECT_EQ(ReadFile(dir / "out/bin/b.bin"), contents[1]);
  platform::RemoveFile(platform::EnginePath(Piece(2)));
  EXPECT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " l " + ShellQuote(Piece(3)) + " 2>&1 >/dev/null", &msg), 2);
  EXPECT_NE(msg.find("set.zip.002 of the numbered set is missing"), std::string::npos) << msg;
}

TEST(ShortDirectoryTest, TunzipSaysHowManyOfHowManyAndFails) {
  // The first central header is damaged and the second entry has no local
  // header: the directory is rebuilt from the local headers and finds two of
  // the three entries the end record announces.
  ScratchDir dir;
  ZipBuilder b;
  ZipEntry first = ZipEntry::Stored("one.txt", "1");
  first.centralSignature = 0x12345678;
  ZipEntry lost = ZipEntry::Stored("two.txt", "2");
  lost.omitLocal = true;
  b.Add(first);
  b.Add(lost);
  b.Add(ZipEntry::Stored("three.txt", "3"));
  WriteFile(dir / "short.zip", b.Build());
  std::string msg;
  EXPECT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " l " + ShellQuote(dir / "short.zip") + " 2>&1", &msg), 2);
  EXPECT_NE(msg.find("only 2 of 3 entries could be read"), std::string::npos) << msg;
  EXPECT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " x -q " + ShellQuote(dir / "short.zip") + " -d out 2>&1", &msg,
                       dir.Path()), 2);
  EXPECT_NE(msg.find("only 2 of 3 entries could be read"), std::string::npos) << msg;
  EXPECT_EQ(ReadFile(dir / "out/three.txt"), "3");
}
#endif

}  // namespace
}  // namespace tavo::test
