// Extraction runs on archives made byte by byte: events and their order,
// progress, overwrite modes, passwords, destinations and hostile paths.
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

using zip::TSkipReason;
using zip::TUnZip;
using zip::TUZOverwriteMode;

class ExtractTest : public ::testing::Test {
 protected:
  void SetUp() override {
    out = dir / "out";
    unzip.DoAll = true;
    unzip.RecreateDirs = true;
    unzip.OverwriteMode = TUZOverwriteMode::Always;
    unzip.OnStartUnZipInfo = [this](TUnZip&, int n, int64_t total, bool&) {
      log.push_back("info " + std::to_string(n) + " " + std::to_string(total));
    };
    unzip.OnEndUnZip = [this](TUnZip&, int i, const std::string&) { log.push_back("end " + std::to_string(i)); };
    unzip.OnSkippingFile = [this](TUnZip&, TSkipReason r, const std::string& name, int i, bool&) {
      log.push_back("skip " + std::to_string(static_cast<int>(r)) + " " + std::to_string(i));
      skippedNames.push_back(name);
    };
    unzip.OnBadCRC = [this](TUnZip&, uint32_t, uint32_t, int i) { log.push_back("badcrc " + std::to_string(i)); };
    unzip.OnUnZipComplete = [this](TUnZip&, int n) { log.push_back("complete " + std::to_string(n)); };
  }

  // Each run writes a new archive file: the component reads a directory
  // again only when the archive's name or date changes.
  int Extract(ZipBuilder& b) {
    const std::string name = "a" + std::to_string(++archives) + ".zip";
    WriteFile(dir / name, b.Build());
    unzip.SetZipName(platform::EnginePath(dir / name));
    unzip.SetDestDir(platform::EnginePath(out));
    return unzip.ExtractFiles();
  }

  ScratchDir dir;
  std::string out;
  TUnZip unzip;
  std::vector<std::string> log;
  std::vector<std::string> skippedNames;
  int archives = 0;
};

TEST_F(ExtractTest, StoredAndDeflatedEntriesWithDirectories) {
  ZipBuilder b;
  const std::string text = CompressibleText(70000), bin = RandomBytes(5000);
  b.Add(ZipEntry::Deflated("docs/readme.txt", text, 9));
  b.Add(ZipEntry::Stored("docs/", ""));
  b.Add(ZipEntry::Stored("bin/data.bin", bin));
  b.Add(ZipEntry::Stored("empty.txt", ""));
  EXPECT_EQ(Extract(b), 4);
  EXPECT_EQ(ReadFile(out + "/docs/readme.txt"), text);
  EXPECT_EQ(ReadFile(out + "/bin/data.bin"), bin);
  EXPECT_EQ(ReadFile(out + "/empty.txt"), "");
  EXPECT_EQ(log, (std::vector<std::string>{"info 4 75000", "end 0", "end 2", "end 3", "complete 4"}));
  EXPECT_TRUE(unzip.FilesList.empty());
}

TEST_F(ExtractTest, DateAndReadOnlyAttributeAreRestored) {
  ZipBuilder b;
  ZipEntry e = ZipEntry::Stored("ro.txt", "read only");
  e.dosDateTime = DosDateTime(2010, 3, 4, 5, 6, 8);
  e.externalAttributes = 0x21;
  b.Add(e);
  ASSERT_EQ(Extract(b), 1);
  const std::string f = platform::EnginePath(out + "/ro.txt");
  EXPECT_EQ(platform::FileAge(f), static_cast<int64_t>(DosDateTime(2010, 3, 4, 5, 6, 8)));
  EXPECT_TRUE(platform::FileGetAttr(f) & static_cast<int32_t>(platform::faReadOnly));
  // Without ReplaceReadOnly the read-only file cannot be replaced, for any
  // user (the superuser too); with it, the attribute is cleared and the
  // file replaced.
  log.clear();
  EXPECT_EQ(Extract(b), 0);
  EXPECT_EQ(log[1], "skip " + std::to_string(static_cast<int>(TSkipReason::srCreateError)) + " 0");
  unzip.ReplaceReadOnly = true;
  WriteFile(dir / "marker", "");
  EXPECT_EQ(Extract(b), 1);
  EXPECT_EQ(ReadFile(out + "/ro.txt"), "read only");
}

TEST_F(ExtractTest, StoredEntryIsWrittenInBlocksWithFilePercentages) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("big.bin", RandomBytes(100000)));
  std::vector<int> percents;
  unzip.OnFilePercentDone = [&](TUnZip&, int p) { percents.push_back(p); };
  ASSERT_EQ(Extract(b), 1);
  // Blocks of 32768, 32768, 32768 and 1696 bytes.
  EXPECT_EQ(percents, (std::vector<int>{33, 66, 98, 100}));
}

TEST_F(ExtractTest, EmptyEntryReportsNoPercentage) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("none.txt", ""));
  int calls = 0;
  unzip.OnFilePercentDone = [&](TUnZip&, int) { ++calls; };
  EXPECT_EQ(Extract(b), 1);
  EXPECT_EQ(calls, 0);
  EXPECT_TRUE(Exists(out + "/none.txt"));
}

TEST_F(ExtractTest, DeflatedDataFollowedByExtraBytes) {
  ZipBuilder b;
  ZipEntry e = ZipEntry::Deflated("a.txt", CompressibleText(40000));
  e.data += "trailing bytes inside the compressed size";
  b.Add(e);
  EXPECT_EQ(Extract(b), 1);
  EXPECT_EQ(ReadFile(out + "/a.txt"), CompressibleText(40000));
}

TEST_F(ExtractTest, SizeAndCrcFailuresLeaveNoFile) {
  const std::string text = CompressibleText(5000);
  struct Case {
    const char* name;
    int64_t sizeDelta;
    uint32_t crcXor;
    bool deflate;
  } cases[] = {
      {"one byte too many", -1, 0, true},
      {"one byte too few", +1, 0, true},
      {"bad crc stored", 0, 1, false},
      {"bad crc deflated", 0, 0x80000000u, true},
  };
  for (const Case& c : cases) {
    ZipBuilder b;
    ZipEntry e = c.deflate ? ZipEntry::Deflated("f.txt", text) : ZipEntry::Stored("f.txt", text);
    e.uncompressedSize = static_cast<uint64_t>(static_cast<int64_t>(e.uncompressedSize) + c.sizeDelta);
    e.crc ^= c.crcXor;
    b.Add(e);
    log.clear();
    EXPECT_EQ(Extract(b), 0) << c.name;
    EXPECT_FALSE(Exists(out + "/f.txt")) << c.name;
    EXPECT_EQ(log.back(), "complete 0") << c.name;
  }
}

TEST_F(ExtractTest, DeflateStreamCutShortFailsTheEntry) {
  ZipBuilder b;
  ZipEntry e = ZipEntry::Deflated("a.txt", RandomBytes(50000));
  e.data.resize(e.data.size() / 2);
  b.Add(e);
  b.Add(ZipEntry::Stored("b.txt", "after"));
  EXPECT_EQ(Extract(b), 1);
  EXPECT_FALSE(Exists(out + "/a.txt"));
  EXPECT_EQ(ReadFile(out + "/b.txt"), "after");
}

TEST_F(ExtractTest, TruncatedArchiveRaisesPrematureEnd) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("a.txt", "first"));
  b.Add(ZipEntry::Stored("b.bin", RandomBytes(50000)));
  // The central directory still names b.bin at full size; the data is cut
  // and the directory put back after it.
  std::string bytes = b.Build();
  const std::string central = bytes.substr(b.centralDirStart);
  bytes = bytes.substr(0, b.localOffsets[1] + 1000);
  WriteFile(dir / "a.zip", bytes + central.substr(0, b.endRecordStart - b.centralDirStart) + [&] {
    std::string end;
    PutU32(end, 0x06054B50);
    PutU16(end, 0);
    PutU16(end, 0);
    PutU16(end, 2);
    PutU16(end, 2);
    PutU32(end, static_cast<uint32_t>(b.endRecordStart - b.centralDirStart));
    PutU32(end, static_cast<uint32_t>(bytes.size()));
    PutU16(end, 0);
    return end;
  }());
  unzip.SetZipName(platform::EnginePath(dir / "a.zip"));
  unzip.SetDestDir(platform::EnginePath(out));
  try {
    unzip.ExtractFiles();
    FAIL() << "no exception";
  } catch (const zip::EFatalUnzipError& e) {
    EXPECT_STREQ(e.what(), "Premature end of file reached");
  }
  EXPECT_EQ(ReadFile(out + "/a.txt"), "first");
  EXPECT_FALSE(Exists(out + "/b.bin"));
  EXPECT_EQ(log.back(), "complete 1");
}

TEST_F(ExtractTest, SkippedEntryLeavesTotalAndTotalStillReaches100) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("keep.txt", std::string(3000, 'k')));
  b.Add(ZipEntry::Stored("exists.txt", std::string(1000, 'e')));
  b.Add(ZipEntry::Stored("last.txt", std::string(1000, 'l')));
  ASSERT_TRUE(platform::ForceDirectories(platform::EnginePath(out)));
  WriteFile(out + "/exists.txt", "old");
  unzip.OverwriteMode = TUZOverwriteMode::Never;
  std::vector<int> totals;
  unzip.OnTotalPercentDone = [&](TUnZip&, int p) { totals.push_back(p); };
  EXPECT_EQ(Extract(b), 2);
  EXPECT_EQ(ReadFile(out + "/exists.txt"), "old");
  EXPECT_EQ(totals, (std::vector<int>{60, 100}));  // 3000 of 5000, then 4000 of 4000
  EXPECT_EQ(unzip.TotalBytes(), 4000);
  EXPECT_EQ(log, (std::vector<std::string>{"info 3 5000", "end 0", "skip 1 1", "end 2", "complete 2"}));
}

TEST_F(ExtractTest, OverwriteModes) {
  const uint32_t entryDate = DosDateTime(2015, 6, 1, 12, 0, 0);
  struct Case {
    TUZOverwriteMode mode;
    uint32_t existingDate;
    bool replaced;
  } cases[] = {
      {TUZOverwriteMode::Always, entryDate, true},
      {TUZOverwriteMode::Never, DosDateTime(2000, 1, 1, 0, 0, 0), false},
      {TUZOverwriteMode::ifNewer, DosDateTime(2014, 1, 1, 0, 0, 0), true},
      {TUZOverwriteMode::ifNewer, entryDate, false},
      {TUZOverwriteMode::ifNewer, DosDateTime(2016, 1, 1, 0, 0, 0), false},
      {TUZOverwriteMode::ifOlder, DosDateTime(2016, 1, 1, 0, 0, 0), true},
      {TUZOverwriteMode::ifOlder, entryDate, false},
  };
  for (const Case& c : cases) {
    ZipBuilder b;
    ZipEntry e = ZipEntry::Stored("f.txt", "new");
    e.dosDateTime = entryDate;
    b.Add(e);
    ASSERT_TRUE(platform::ForceDirectories(platform::EnginePath(out)));
    WriteFile(out + "/f.txt", "old");
    {
      platform::TFileStream f(platform::EnginePath(out + "/f.txt"), platform::TFileOpenMode::ReadWrite,
                              platform::TFileShareMode::DenyNone);
      f.SetDosDateTime(c.existingDate);
    }
    unzip.OverwriteMode = c.mode;
    EXPECT_EQ(Extract(b), c.replaced ? 1 : 0);
    EXPECT_EQ(ReadFile(out + "/f.txt"), c.replaced ? "new" : "old") << static_cast<int>(c.mode);
  }
}

TEST_F(ExtractTest, PromptAsksThroughTheEventOrTheMessage) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("f.txt", "new"));
  ASSERT_TRUE(platform::ForceDirectories(platform::EnginePath(out)));
  unzip.OverwriteMode = TUZOverwriteMode::Prompt;
  std::vector<std::string> messages;
  int answer = 7;
  unzip.OnHandleMessage = [&](TUnZip&, int id, const std::string& m1, const std::string& m2, uint32_t flags,
                              int& r) {
    messages.push_back(std::to_string(id) + "|" + m1 + "|" + m2 + "|" + std::to_string(flags));
    r = answer;
  };
  WriteFile(out + "/f.txt", "old");
  EXPECT_EQ(Extract(b), 0);  // "No"
  answer = 6;
  EXPECT_EQ(Extract(b), 1);  // "Yes"
  EXPECT_EQ(messages, (std::vector<std::string>(2, "196|Replace existing file f.txt?|File Exists Alert|4")));
  // The event takes precedence and may rename.
  unzip.OnPromptForOverwrite = [&](TUnZip&, bool& overwrite, int, std::string& fName) {
    overwrite = true;
    fName += ".2";
  };
  EXPECT_EQ(Extract(b), 1);
  EXPECT_EQ(ReadFile(out + "/f.txt.2"), "new");
  EXPECT_EQ(messages.size(), 2u);
}

TEST_F(ExtractTest, StartUnZipRenamesAndSkips) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("a.txt", "A"));
  b.Add(ZipEntry::Stored("b.txt", "B"));
  unzip.OnStartUnZip = [&](TUnZip&, int i, std::string& fName, bool& skip) {
    if (i == 0) fName = platform::EnginePath(out) + "\\renamed\\x.txt";
    if (i == 1) skip = true;
  };
  EXPECT_EQ(Extract(b), 1);
  EXPECT_EQ(ReadFile(out + "/renamed/x.txt"), "A");
  EXPECT_FALSE(Exists(out + "/b.txt"));
  EXPECT_EQ(log, (std::vector<std::string>{"info 2 2", "end 0", "complete 1"}));
}

TEST_F(ExtractTest, SelectionByPatternsAndDirectoryEntries) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("docs/readme.TXT", "r"));
  b.Add(ZipEntry::Stored("docs/a.log", "l"));
  b.Add(ZipEntry::Stored("empty/", ""));
  unzip.DoAll = false;
  unzip.FilesList = {"*.txt", "empty\\"};
  EXPECT_EQ(Extract(b), 2);  // the directory entry counts
  EXPECT_TRUE(Exists(out + "/docs/readme.TXT"));
  EXPECT_FALSE(Exists(out + "/docs/a.log"));
  EXPECT_TRUE(Exists(out + "/empty"));
  EXPECT_TRUE(unzip.FilesList.empty());
  // Nothing listed: nothing extracted, 0 files announced.
  log.clear();
  EXPECT_EQ(Extract(b), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"info 0 0", "complete 0"}));
  // Without RecreateDirs, paths are dropped and directory entries unselected.
  unzip.DoAll = true;
  unzip.RecreateDirs = false;
  log.clear();
  EXPECT_EQ(Extract(b), 2);
  EXPECT_TRUE(Exists(out + "/a.log"));
}

TEST_F(ExtractTest, RootDirIsCutFromEntryPaths) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("a/b/c.txt", "1"));
  b.Add(ZipEntry::Stored("x/c.txt", "2"));
  unzip.SetRootDir("A");
  EXPECT_EQ(Extract(b), 2);
  EXPECT_EQ(ReadFile(out + "/b/c.txt"), "1");
  EXPECT_EQ(ReadFile(out + "/x/c.txt"), "2");
}

#ifndef _WIN32
TEST_F(ExtractTest, CodePageNamesBecomeUtf8FileNames) {
  // The GBK bytes of a Chinese directory and file name, as a DOS-host archive
  // from a Chinese system stores them.
  ZipBuilder b;
  b.Add(ZipEntry::Stored("\xB0\xB2\xD7\xB0/\xCB\xB5\xC3\xF7.txt", "gbk"));
  EXPECT_EQ(Extract(b), 1);
  EXPECT_EQ(ReadFile(out + "/\u5b89\u88c5/\u8bf4\u660e.txt"), "gbk");
}
#endif

TEST_F(ExtractTest, HostilePathsNeverLeaveTheDestination) {
  const char* names[] = {"../evil1.txt", "a/../../evil2.txt", "..\\evil3.txt", "a\\..\\..\\evil4.txt",
                         "C:..\\evil5.txt", "\\..\\evil6.txt", "C:/../evil7.txt", "a/..", "ok/../../evil8.txt"};
  ZipBuilder b;
  for (const char* n : names) b.Add(ZipEntry::Stored(n, "x"));
  b.Add(ZipEntry::Stored("fine.txt", "fine"));
  for (bool recreate : {true, false}) {
    unzip.RecreateDirs = recreate;
    skippedNames.clear();
    log.clear();
    EXPECT_EQ(Extract(b), 1);
    EXPECT_EQ(skippedNames.size(), std::size(names));
    for (const std::string& entry : log) {
      if (entry.rfind("skip", 0) == 0) {
        EXPECT_EQ(entry.substr(0, 7), "skip 3 ");  // srCreateError
      }
    }
  }
#ifndef _WIN32
  std::string listing;
  RunCommand("find " + ShellQuote(dir.Path()) + " -name 'evil*'", &listing);
  EXPECT_EQ(listing, "");
#endif
  for (int i = 1; i <= 8; ++i) EXPECT_FALSE(Exists(dir / ("evil" + std::to_string(i) + ".txt")));
}

TEST_F(ExtractTest, AbsolutePathsGoUnderTheDestinationOrNowhere) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("\\abs\\f.txt", "1"));
  b.Add(ZipEntry::Stored("C:\\abs2\\g.txt", "2"));
  b.Add(ZipEntry::Stored("C:abs3\\h.txt", "3"));
  unzip.SetRootDir("");
  EXPECT_EQ(Extract(b), 3);
  EXPECT_EQ(ReadFile(out + "/abs/f.txt"), "1");
  EXPECT_EQ(ReadFile(out + "/abs2/g.txt"), "2");
  EXPECT_EQ(ReadFile(out + "/abs3/h.txt"), "3");
  // With no destination they would land anywhere: refused.
  WriteFile(dir / "a.zip", b.Build());
  TUnZip u;
  u.DoAll = true;
  u.RecreateDirs = true;
  int skipped = 0;
  u.OnSkippingFile = [&](TUnZip&, TSkipReason r, const std::string&, int, bool&) {
    EXPECT_EQ(r, TSkipReason::srCreateError);
    ++skipped;
  };
  u.SetZipName(platform::EnginePath(dir / "a.zip"));
  EXPECT_EQ(u.ExtractFiles(), 0);
  EXPECT_EQ(skipped, 3);
}

TEST_F(ExtractTest, EncryptedEntries) {
  const std::string text = CompressibleText(20000);
  ZipBuilder b;
  ZipEntry one = ZipEntry::Deflated("one.txt", text);
  one.Encrypt("first");
  ZipEntry two = ZipEntry::Stored("two.txt", "second secret");
  two.Encrypt("second");
  ZipEntry three = ZipEntry::Deflated("three.txt", text);
  three.dataDescriptor = true;
  three.dosDateTime = DosDateTime(2020, 1, 2, 3, 4, 6);
  three.crc ^= 0;  // checked against the time's high byte, not the CRC's
  three.Encrypt("second");
  b.Add(one);
  b.Add(two);
  b.Add(three);
  unzip.Password = "first";
  std::vector<std::string> asked;
  unzip.OnBadPassword = [&](TUnZip&, int i, std::string& p) {
    asked.push_back(std::to_string(i) + ":" + p);
    p = "second";
  };
  EXPECT_EQ(Extract(b), 3);
  EXPECT_EQ(ReadFile(out + "/one.txt"), text);
  EXPECT_EQ(ReadFile(out + "/two.txt"), "second secret");
  EXPECT_EQ(ReadFile(out + "/three.txt"), text);
  EXPECT_EQ(asked, (std::vector<std::string>{"1:first"}));
  EXPECT_EQ(unzip.Password, "second");
}

TEST_F(ExtractTest, WrongPasswordWithoutHandlerSkips) {
  ZipBuilder b;
  ZipEntry e = ZipEntry::Stored("s.txt", "secret");
  e.Encrypt("right");
  b.Add(e);
  unzip.Password = "wrong";
  EXPECT_EQ(Extract(b), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"info 1 6", "skip 0 0", "complete 0"}));
  EXPECT_FALSE(Exists(out + "/s.txt"));
}

TEST_F(ExtractTest, EncryptedStoredEntryWithEmptyPasswordIsWrittenUndecrypted) {
  // The header check passes by construction: the header's last byte,
  // decrypted with the empty password, is the CRC's high byte.
  ZipBuilder b;
  ZipEntry e = ZipEntry::Stored("s.txt", "plain");
  e.Encrypt("");
  const std::string stored = e.data.substr(12);
  e.crc = Crc32(stored);
  e.data = EncryptTraditional("plain", "", static_cast<uint8_t>(e.crc >> 24)).substr(0, 12) + stored;
  b.Add(e);
  EXPECT_EQ(Extract(b), 1);
  EXPECT_EQ(ReadFile(out + "/s.txt"), stored);
}

TEST_F(ExtractTest, UnknownMethodShowsMessageAndFails) {
  ZipBuilder b;
  ZipEntry e = ZipEntry::Stored("m.bin", "xyz");
  e.method = 99;
  b.Add(e);
  std::vector<std::string> messages;
  unzip.OnHandleMessage = [&](TUnZip&, int id, const std::string& m1, const std::string& m2, uint32_t, int&) {
    messages.push_back(std::to_string(id) + "|" + m1 + "|" + m2);
  };
  EXPECT_EQ(Extract(b), 0);
  EXPECT_EQ(messages, (std::vector<std::string>{"197|Unknown Compression Method|Zip Error"}));
  EXPECT_FALSE(Exists(out + "/m.bin"));
  EXPECT_EQ(log[1], "badcrc 0");
}

TEST_F(ExtractTest, MissingEndRecordPassesOutOfExtractFiles) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("a.txt", "a"));
  b.omitEnd = true;
  EXPECT_THROW(Extract(b), zip::EIncompleteZip);
#ifndef _WIN32
  // The destination "?" on a host without dialogs is a cancel. (On Windows
  // the real dialog would open and wait for a user.)
  try {
    unzip.SetDestDir("?");
    FAIL();
  } catch (const zip::EUserCanceled& e) {
    EXPECT_STREQ(e.what(), "User canceled Set Desination Directory");
  }
#endif
}

}  // namespace
}  // namespace tavo::test
