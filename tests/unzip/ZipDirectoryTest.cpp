// Reading archive directories made byte by byte: end record search, Zip64,
// damaged central directories, rebuilding from local headers, dates, names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/Path.h"
#include "support/TestFiles.h"
#include "support/ZipBuilder.h"
#include "unzip/UnZip.h"

namespace tavo::test {
namespace {

using zip::TIncompleteZipMode;
using zip::TUnZip;

class ZipDirectoryTest : public ::testing::Test {
 protected:
  // Writes the bytes as an archive and names it in a fresh component.
  TUnZip& Load(const std::string& bytes, const std::string& name = "a.zip",
               TIncompleteZipMode mode = TIncompleteZipMode::izAssumeMulti) {
    WriteFile(dir / name, bytes);
    unzip = std::make_unique<TUnZip>();
    unzip->IncompleteZipMode = mode;
    unzip->SetZipName(platform::EnginePath(dir / name));
    unzip->LoadZipDirectory();
    return *unzip;
  }
  std::vector<std::string> Paths() {
    std::vector<std::string> out;
    for (int i = 0; i < unzip->EntryCount(); ++i) out.push_back(unzip->Entry(i).Path());
    return out;
  }
  ScratchDir dir;
  std::unique_ptr<TUnZip> unzip;
};

TEST_F(ZipDirectoryTest, NamesUseBackslashAndDirectoryEntriesHaveNoFileName) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("top.txt", "abc"));
  b.Add(ZipEntry::Stored("dir/", ""));
  b.Add(ZipEntry::Stored("dir/sub/leaf.txt", "leaf"));
  TUnZip& u = Load(b.Build());
  ASSERT_EQ(u.EntryCount(), 3);
  EXPECT_EQ(u.Entry(0).FileName(), "top.txt");
  EXPECT_EQ(u.Entry(0).Directory(), "");
  EXPECT_EQ(u.Entry(1).FileName(), "");
  EXPECT_EQ(u.Entry(1).Directory(), "dir\\");
  EXPECT_EQ(u.Entry(2).FileName(), "leaf.txt");
  EXPECT_EQ(u.Entry(2).Directory(), "dir\\sub\\");
  EXPECT_EQ(u.Entry(2).FileNameLength, 16);
  EXPECT_EQ(u.Entry(2).CentralHeaderOffset, static_cast<int64_t>(b.centralOffsets[2]));
  EXPECT_EQ(u.EntryName(2), "leaf.txt");
}

TEST_F(ZipDirectoryTest, TinyFiles) {
  // 0 bytes: an archive without entries. 1 to 21 bytes: no end record.
  EXPECT_EQ(Load("").EntryCount(), 0);
  EXPECT_NO_THROW(Load(std::string(21, 'P')));
  EXPECT_EQ(unzip->EntryCount(), 0);
  EXPECT_THROW(Load(std::string(21, 'P'), "b.zip", TIncompleteZipMode::izAssumeNotAZip), zip::ENotAZipFile);
}

TEST_F(ZipDirectoryTest, MissingEndRecordByMode) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("a.txt", "aaaa"));
  b.omitEnd = true;
  const std::string bytes = b.Build();
  // izAssumeMulti: LoadZipDirectory swallows EIncompleteZip without a handler.
  EXPECT_EQ(Load(bytes).EntryCount(), 0);
  // OpenArchive passes it on.
  EXPECT_THROW(
      {
        try {
          unzip->OpenArchive();
        } catch (const zip::EIncompleteZip& e) {
          EXPECT_STREQ(e.what(), "Incomplete Zip File");
          throw;
        }
      },
      zip::EIncompleteZip);
  try {
    Load(bytes, "n.zip", TIncompleteZipMode::izAssumeNotAZip);
    FAIL() << "no exception";
  } catch (const zip::ENotAZipFile& e) {
    EXPECT_STREQ(e.what(), "Not a valid zip file!");
  }
  // A handler that switches to izAssumeBad makes the retry rebuild.
  WriteFile(dir / "h.zip", bytes);
  TUnZip u;
  int calls = 0;
  u.OnInCompleteZip = [&](TUnZip&, TIncompleteZipMode& mode) {
    ++calls;
    mode = TIncompleteZipMode::izAssumeBad;
  };
  u.SetZipName(platform::EnginePath(dir / "h.zip"));
  u.LoadZipDirectory();
  EXPECT_EQ(calls, 1);
  ASSERT_EQ(u.EntryCount(), 1);
  EXPECT_TRUE(u.Rebuilt());
  EXPECT_EQ(u.Entry(0).FileName(), "a.txt");
}

// A component that met an incomplete archive reads the complete one put at
// the same path afterwards: nothing of the failed attempt stays behind.
TEST_F(ZipDirectoryTest, IncompleteArchiveLeavesNothingBehind) {
  ZipBuilder broken;
  broken.Add(ZipEntry::Stored("a.txt", "aaaa"));
  broken.omitEnd = true;
  TUnZip& u = Load(broken.Build());
  EXPECT_EQ(u.EntryCount(), 0);
  ZipBuilder good;
  good.Add(ZipEntry::Stored("a.txt", "aaaa"));
  good.Add(ZipEntry::Stored("b.txt", "bb"));
  WriteFile(dir / "a.zip", good.Build());
  u.LoadZipDirectory();
  EXPECT_EQ(Paths(), (std::vector<std::string>{"a.txt", "b.txt"}));
}

TEST_F(ZipDirectoryTest, EndRecordNearestToTheEndWins) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("a.txt", "aaaa"));
  b.Build();
  // The archive comment holds a second end record (comment "xyz") that ends
  // the file: it is nearer to the end than the real one.
  std::string fake;
  PutU32(fake, 0x06054B50);
  PutU16(fake, 0);
  PutU16(fake, 0);
  PutU16(fake, 1);
  PutU16(fake, 1);
  PutU32(fake, static_cast<uint32_t>(b.endRecordStart - b.centralDirStart));
  PutU32(fake, static_cast<uint32_t>(b.centralDirStart));
  PutU16(fake, 3);
  fake += "xyz";
  b.comment = fake;
  const std::string bytes = b.Build();
  TUnZip& u = Load(bytes);
  EXPECT_EQ(u.EntryCount(), 1);
  EXPECT_EQ(u.EndRecord().CommentLength, 3);
  EXPECT_EQ(u.EndRecord().CommentPosition, static_cast<int64_t>(bytes.size() - 3));
  EXPECT_EQ(u.ArchiveComment(), "xyz");
}

TEST_F(ZipDirectoryTest, ImpossiblePartNumbersMeanNoEndRecord) {
  struct Case {
    uint16_t thisDisk, centralDirDisk;
    bool usable;
  } cases[] = {{999, 999, true}, {1000, 0, false}, {0, 1, false}, {2, 3, false}};
  for (const Case& c : cases) {
    ZipBuilder b;
    b.Add(ZipEntry::Stored("a.txt", "aaaa"));
    b.thisDisk = c.thisDisk;
    b.centralDirDisk = c.centralDirDisk;
    const std::string bytes = b.Build();
    WriteFile(dir / "p.zip", bytes);
    TUnZip u;
    u.IncompleteZipMode = TIncompleteZipMode::izAssumeNotAZip;
    // A usable multi-part record asks for other parts, which do not exist:
    // the failure is then the part's open error, not "no end record".
    u.SetZipName(platform::EnginePath(dir / "p.zip"));
    bool notAZip = false;
    try {
      u.LoadZipDirectory();
    } catch (const zip::ENotAZipFile&) {
      notAZip = true;
    } catch (const std::exception&) {
    }
    EXPECT_EQ(notAZip, !c.usable) << c.thisDisk << "/" << c.centralDirDisk;
  }
}

TEST_F(ZipDirectoryTest, WrongExtraFieldLengthIsRecovered) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("first.txt", "1"));
  b.Add(ZipEntry::Stored("second.txt", "22"));
  b.Add(ZipEntry::Stored("third.txt", "333"));
  b.Entries()[0].centralExtraLength = 12;  // no extra field is actually there
  TUnZip& u = Load(b.Build());
  ASSERT_EQ(u.EntryCount(), 3);
  EXPECT_FALSE(u.Rebuilt());
  EXPECT_EQ(u.Entry(0).ExtraFieldLength, 0);
  EXPECT_EQ(u.Entry(1).FileName(), "second.txt");
  EXPECT_EQ(u.Entry(2).FileName(), "third.txt");
}

TEST_F(ZipDirectoryTest, Zip64SizesOffsetsAndEndRecord) {
  ZipBuilder b;
  ZipEntry e = ZipEntry::Stored("big.bin", "0123456789");
  e.zip64 = true;
  e.zip64Offset = true;
  b.Add(e);
  b.Add(ZipEntry::Stored("small.bin", "x"));
  b.zip64End = true;
  TUnZip& u = Load(b.Build());
  ASSERT_EQ(u.EntryCount(), 2);
  EXPECT_EQ(u.Entry(0).CompressedSize, 0xFFFFFFFFu);
  EXPECT_EQ(u.Entry(0).EffectiveCompressedSize(), 10u);
  EXPECT_EQ(u.Entry(0).EffectiveUncompressedSize(), 10u);
  EXPECT_EQ(u.Entry(0).LocalHeaderOffset, 0xFFFFFFFFu);
  EXPECT_EQ(u.Entry(0).EffectiveLocalHeaderOffset(), 0u);
  EXPECT_EQ(u.Entry(1).EffectiveLocalHeaderOffset(), b.localOffsets[1]);
  EXPECT_EQ(u.EndRecord().TotalEntries, 0xFFFF);
  EXPECT_EQ(u.EndRecord().EffectiveTotalEntries(), 2u);
  EXPECT_EQ(u.EndRecord().EffectiveCentralDirOffset(), b.centralDirStart);
  ASSERT_NE(u.EndRecord().Locator, nullptr);
}

TEST_F(ZipDirectoryTest, Zip64BlockShorterThanItsFieldsKeepsWhatFits) {
  ZipBuilder b;
  ZipEntry e = ZipEntry::Stored("big.bin", "0123456789");
  e.centralUncompressedSize = 0xFFFFFFFF;
  e.centralCompressedSize = 0xFFFFFFFF;
  e.centralExtra = Zip64Extra({10});  // only the uncompressed size
  b.Add(e);
  TUnZip& u = Load(b.Build());
  ASSERT_EQ(u.EntryCount(), 1);
  EXPECT_EQ(u.Entry(0).EffectiveUncompressedSize(), 10u);
  EXPECT_EQ(u.Entry(0).EffectiveCompressedSize(), 0u);
}

TEST_F(ZipDirectoryTest, DatesAreSanitized) {
  struct Case {
    uint32_t stored, expected;
  } cases[] = {
      {0, DosDateTime(1980, 1, 1, 0, 0, 0)},
      {DosDateTime(2024, 13, 5, 10, 20, 30), DosDateTime(2024, 12, 5, 10, 20, 30)},
      {DosDateTime(2024, 0, 5, 10, 20, 30), DosDateTime(2024, 1, 5, 10, 20, 30)},
      {DosDateTime(2024, 6, 0, 10, 20, 30), DosDateTime(2024, 6, 1, 10, 20, 30)},
      {DosDateTime(2024, 6, 9, 25, 20, 30), DosDateTime(2024, 6, 9, 23, 20, 30)},
      {DosDateTime(2024, 6, 9, 10, 61, 30), DosDateTime(2024, 6, 9, 10, 59, 30)},
      {DosDateTime(2024, 6, 9, 10, 20, 62), DosDateTime(2024, 6, 9, 10, 20, 58)},
      {DosDateTime(2107, 6, 9, 10, 20, 30), DosDateTime(2099, 6, 9, 10, 20, 30)},
      {DosDateTime(2024, 2, 31, 10, 20, 30), DosDateTime(2024, 2, 31, 10, 20, 30)},
  };
  ZipBuilder b;
  for (size_t i = 0; i < std::size(cases); ++i) {
    ZipEntry e = ZipEntry::Stored(std::string(1, static_cast<char>('a' + i)), "x");
    e.dosDateTime = cases[i].stored;
    b.Add(e);
  }
  TUnZip& u = Load(b.Build());
  ASSERT_EQ(u.EntryCount(), static_cast<int>(std::size(cases)));
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(u.Entry(static_cast<int>(i)).LastModDateTime, cases[i].expected) << i;
  // The 62-second case: 62 is clamped to 59, stored halved as 29 (58 s).
}

TEST_F(ZipDirectoryTest, TruncatedArchiveIsRebuiltAndMatchedWithItsCentralDirectory) {
  ZipBuilder b;
  for (const char* n : {"one.txt", "dir/two.txt", "three.txt"}) {
    ZipEntry e = ZipEntry::Stored(n, std::string("content of ") + n);
    e.externalAttributes = 0x21;  // only the central header holds these
    e.versionMadeBy = 0x0314;
    b.Add(e);
  }
  // The end record is gone; the central directory is still there, but the
  // third entry's central header names an offset nothing was found at.
  b.Entries()[2].centralLocalHeaderOffset = 5;
  b.omitEnd = true;
  TUnZip& u = Load(b.Build(), "a.zip", TIncompleteZipMode::izAssumeBad);
  ASSERT_EQ(u.EntryCount(), 3);
  EXPECT_TRUE(u.Rebuilt());
  EXPECT_EQ(Paths(), (std::vector<std::string>{"one.txt", "dir\\two.txt", "three.txt"}));
  // Matched entries took the central values, unmatched kept the local ones.
  EXPECT_EQ(u.Entry(0).ExternalAttributes, 0x21u);
  EXPECT_EQ(u.Entry(0).VersionMadeBy, 0x0314);
  EXPECT_EQ(u.Entry(1).ExternalAttributes, 0x21u);
  EXPECT_EQ(u.Entry(1).LocalHeaderOffset, b.localOffsets[1]);
  EXPECT_EQ(u.Entry(2).ExternalAttributes, 0u);
  EXPECT_EQ(u.Entry(2).VersionMadeBy, 0);
}

TEST_F(ZipDirectoryTest, ArchiveCutInsideItsDataIsRebuiltFromWhatRemains) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("one.txt", std::string(100, 'a')));
  b.Add(ZipEntry::Stored("two.txt", std::string(100, 'b')));
  const std::string bytes = b.Build();
  Load(bytes.substr(0, b.localOffsets[1] + 60), "a.zip", TIncompleteZipMode::izAssumeBad);
  EXPECT_EQ(Paths(), (std::vector<std::string>{"one.txt", "two.txt"}));
}

TEST_F(ZipDirectoryTest, SelfExtractorIsScannedFrom14000) {
  // A decoy local header inside the program stub; a ".exe" archive is
  // scanned past it, a ".zip" one finds it first.
  ZipBuilder decoy;
  decoy.Add(ZipEntry::Stored("decoy.txt", "no"));
  std::string stub = decoy.Build().substr(0, 30 + 9 + 2);
  stub.resize(15000, '\0');
  ZipBuilder b;
  b.prefix = stub;
  b.Add(ZipEntry::Stored("real.txt", "yes"));
  b.omitEnd = true;
  const std::string bytes = b.Build();
  Load(bytes, "setup.EXE", TIncompleteZipMode::izAssumeBad);
  EXPECT_EQ(Paths(), (std::vector<std::string>{"real.txt"}));
  Load(bytes, "setup.zip", TIncompleteZipMode::izAssumeBad);
  EXPECT_EQ(Paths().front(), "decoy.txt");
}

TEST_F(ZipDirectoryTest, UnreadableDirectoryThatCannotBeRebuiltClearsTheComponent) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("a.txt", "aaaa"));
  b.Entries()[0].centralSignature = 0x12345678;
  b.Entries()[0].omitLocal = true;
  WriteFile(dir / "bad.zip", b.Build());
  TUnZip u;
  u.SetZipName(platform::EnginePath(dir / "bad.zip"));
  try {
    u.LoadZipDirectory();
    FAIL() << "no exception";
  } catch (const zip::EBadZipFile& e) {
    EXPECT_STREQ(e.what(), "Not a valid zip file!");
  }
  EXPECT_EQ(u.ZipName(), "");
  EXPECT_EQ(u.EntryCount(), 0);
}

TEST_F(ZipDirectoryTest, TwoCentralEntriesAtOneOffsetRebuild) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("a.txt", "aaaa"));
  b.Add(ZipEntry::Stored("b.txt", "bbbb"));
  b.Entries()[1].centralLocalHeaderOffset = 0;
  TUnZip& u = Load(b.Build());
  EXPECT_TRUE(u.Rebuilt());
  // Both local headers were found; the central headers were matched by
  // offset, so the one at offset 0 took the later central record.
  ASSERT_EQ(u.EntryCount(), 2);
  EXPECT_EQ(u.Entry(0).LocalHeaderOffset, 0u);
  EXPECT_EQ(u.Entry(1).LocalHeaderOffset, b.localOffsets[1]);
  EXPECT_EQ(u.Entry(1).FileName(), "b.txt");
}

TEST_F(ZipDirectoryTest, DirectoryFileStandsInForAMissingEndRecord) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("a.txt", "aaaa"));
  b.Add(ZipEntry::Stored("d/b.txt", "bbbb"));
  const std::string whole = b.Build();
  // "x.zfc" holds a copy of the central directory at offset 0 and an end
  // record; the archive itself ends after its data.
  std::string zfc = whole.substr(b.centralDirStart, b.endRecordStart - b.centralDirStart);
  const std::string end = whole.substr(b.endRecordStart);
  zfc += end;
  WriteFile(dir / "x.zfc", zfc);
  TUnZip& u = Load(whole.substr(0, b.centralDirStart), "x.zip");
  EXPECT_EQ(Paths(), (std::vector<std::string>{"a.txt", "d\\b.txt"}));
  EXPECT_FALSE(u.Rebuilt());
  EXPECT_EQ(u.Entry(1).EffectiveLocalHeaderOffset(), b.localOffsets[1]);
}

TEST_F(ZipDirectoryTest, IndexOutOfRange) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("a.txt", "aaaa"));
  TUnZip& u = Load(b.Build());
  for (int index : {-1, 1, 5}) {
    try {
      u.EntryName(index);
      FAIL() << index;
    } catch (const zip::EListError& e) {
      EXPECT_EQ(std::string(e.what()), "Index " + std::to_string(index) + " is out of range");
    }
  }
}

TEST_F(ZipDirectoryTest, CommentsAreLoadedOnRequest) {
  ZipBuilder b;
  ZipEntry e = ZipEntry::Stored("a.txt", "aaaa");
  e.comment = "entry note";
  e.centralExtra = std::string("\x99\x99\x02\x00zz", 6);
  b.Add(e);
  b.Add(ZipEntry::Stored("b.txt", "bbbb"));
  b.comment = "archive note";
  TUnZip& u = Load(b.Build());
  EXPECT_EQ(u.EntryComment(0), "entry note");
  EXPECT_EQ(u.EntryComment(1), "");
  EXPECT_EQ(u.ArchiveComment(), "archive note");
  EXPECT_FALSE(u.ArchiveOpen());
}

TEST_F(ZipDirectoryTest, OemNamesAreConvertedForDosHostsOnly) {
  platform::SetCodePages(936, 437);
  if (platform::OemCodePage() != 437 || platform::AnsiCodePage() != 936) {
    platform::SetCodePages(936, 936);
    GTEST_SKIP() << "the system's code pages are fixed here";
  }
  ZipBuilder b;
  ZipEntry dos = ZipEntry::Stored("\x81.txt", "1");  // u-umlaut in code page 437
  ZipEntry unix = ZipEntry::Stored("\x81.txt", "2");
  unix.versionMadeBy = 0x0314;
  b.Add(dos);
  b.Add(unix);
  const std::string bytes = b.Build();
  Load(bytes);
  const std::string dosName = unzip->Entry(0).FileName(), unixName = unzip->Entry(1).FileName();
  WriteFile(dir / "n.zip", bytes);
  TUnZip never;
  never.OEMConvert = zip::TOEMConvert::oemNever;
  never.SetZipName(platform::EnginePath(dir / "n.zip"));
  never.LoadZipDirectory();
  const std::string neverName = never.Entry(0).FileName();
  platform::SetCodePages(936, 936);
  EXPECT_EQ(dosName, "\xA8\xB9.txt");  // the same letter in GBK
  EXPECT_EQ(unixName, "\x81.txt");
  EXPECT_EQ(neverName, "\x81.txt");
}

TEST_F(ZipDirectoryTest, ZipNameRules) {
  TUnZip u;
  struct Case {
    const char* name;
    const char* base;
  } cases[] = {{"C:\\dir\\a.zip", "C:\\dir\\a"},
               {"C:\\d.x\\a", "C:\\d.x\\a"},
               {"a.tar.zip", "a"},
               {"noext", "noext"}};
  for (const Case& c : cases) {
    u.SetZipName(c.name);
    EXPECT_EQ(u.BaseName(), c.base) << c.name;
  }
  // Case-insensitively equal names change nothing, the directory included.
  ZipBuilder b;
  b.Add(ZipEntry::Stored("a.txt", "aaaa"));
  WriteFile(dir / "x.zip", b.Build());
  u.SetZipName(platform::EnginePath(dir / "x.zip"));
  u.LoadZipDirectory();
  u.SetZipName(platform::EnginePath(dir / "X.ZIP"));
  EXPECT_EQ(u.EntryCount(), 1);
#ifndef _WIN32
  // Asking with the dialog: a host without dialogs cancels. (On Windows the
  // real dialog would open and wait for a user.)
  try {
    u.SetZipName("?");
    FAIL() << "no exception";
  } catch (const zip::EUserCanceled& e) {
    EXPECT_STREQ(e.what(), "User canceled setting zip file name.");
  }
#endif
  EXPECT_EQ(u.EntryCount(), 1);
}

TEST_F(ZipDirectoryTest, MissingFileClearsAndPassesTheOpenError) {
  TUnZip u;
  u.SetZipName(platform::EnginePath(dir / "none.zip"));
  EXPECT_THROW(u.LoadZipDirectory(), platform::EFOpenError);
  EXPECT_EQ(u.ZipName(), "");
}

TEST_F(ZipDirectoryTest, DirectoryIsReadAgainWhenTheFileDateChanges) {
  ZipBuilder one, two;
  one.Add(ZipEntry::Stored("a.txt", "a"));
  two.Add(ZipEntry::Stored("a.txt", "a"));
  two.Add(ZipEntry::Stored("b.txt", "b"));
  TUnZip& u = Load(one.Build());
  ASSERT_EQ(u.EntryCount(), 1);
  WriteFile(dir / "a.zip", two.Build());
  {
    platform::TFileStream f(platform::EnginePath(dir / "a.zip"), platform::TFileOpenMode::ReadWrite,
                            platform::TFileShareMode::DenyNone);
    f.SetDosDateTime(DosDateTime(2001, 2, 3, 4, 5, 6));
  }
  u.OpenArchive();
  EXPECT_EQ(u.EntryCount(), 2);
}

}  // namespace
}  // namespace tavo::test
