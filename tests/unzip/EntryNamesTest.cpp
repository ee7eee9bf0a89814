// Entry names from every kind of archiver: the UTF-8 flag, the Unicode Path
// block, unmarked UTF-8 from Unix hosts, legacy code pages, and names that
// are not UTF-8 or have no place in code page 936.
// Expected code page 936 bytes are what Python's str.encode("gbk") gives;
// expected code page 932 bytes what str.encode("cp932") gives. Text that
// is not UTF-8 shows one "?" where Python's bytes.decode("utf-8", "replace")
// shows one U+FFFD.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <optional>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/Path.h"
#include "support/TestFiles.h"
#include "support/ZipBuilder.h"
#include "unzip/UnZip.h"

namespace tavo::test {
namespace {

using zip::TSkipReason;
using zip::TUnZip;

std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

constexpr uint16_t kUtf8Flag = 0x0800;
constexpr uint16_t kMadeByDos = 20;
constexpr uint16_t kMadeByUnix = 0x0300 | 30;

// Code page 936 bytes.
const std::string kGbkDirName = "\xC4\xBF\xC2\xBC";  // 目录, also well-formed UTF-8 ("Ŀ¼")
const std::string kGbkPath = kGbkDirName + "\\\xD6\xD0\xCE\xC4\xC3\xFB.txt";  // 目录\中文名.txt
const std::string kGbkTest = "\xB2\xE2\xCA\xD4.txt";                           // 测试.txt
const std::string kGbkKatakana = "\xA5\xC6\xA5\xB9\xA5\xC8.txt";              // テスト.txt
const std::string kCp932Katakana = "\x83\x65\x83\x58\x83\x67.txt";            // テスト.txt in 932

// An Info-ZIP Unicode Path block; the CRC is zlib's of the stored name.
std::string UnicodePath(const std::string& stored, const std::string& utf8, uint8_t version = 1,
                        std::optional<uint32_t> crc = std::nullopt) {
  std::string block(1, static_cast<char>(version));
  PutU32(block, crc.value_or(Crc32(stored)));
  block += utf8;
  std::string out;
  PutU16(out, 0x7075);
  PutU16(out, static_cast<uint32_t>(block.size()));
  return out + block;
}

// An unrelated block in front, so that the search walks past it.
std::string TimeBlock() {
  std::string out;
  PutU16(out, 0x5455);
  PutU16(out, 5);
  out += std::string("\x01\x00\x00\x00\x00", 5);
  return out;
}

class EntryNamesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetCodePages(936, 936);
    if (platform::AnsiCodePage() != 936) GTEST_SKIP() << "the system's ANSI code page is not 936";
  }
  void TearDown() override { platform::SetCodePages(936, 936); }

  TUnZip& Load(ZipBuilder& zip, int nameCodePage = 0) {
    WriteFile(dir / "names.zip", zip.Build());
    unzip = std::make_unique<TUnZip>();
    unzip->NameCodePage = nameCodePage;
    unzip->SetZipName(platform::EnginePath(dir / "names.zip"));
    unzip->LoadZipDirectory();
    return *unzip;
  }

  ScratchDir dir;
  std::unique_ptr<TUnZip> unzip;
};

struct NameCase {
  const char* label;
  std::string stored;
  uint16_t flags;
  uint16_t madeBy;
  std::string extra;
  int nameCodePage;
  std::string expected;  // Directory + FileName in code page 936
  bool replaced;
};

TEST_F(EntryNamesTest, StoredNamesBecomeCodePage936Names) {
  const std::string utf8Path = U8(u8"目录/中文名.txt");
  const std::string utf8Test = U8(u8"测试.txt");
  const std::vector<NameCase> cases = {
      {"GBK bytes from an MS-DOS host", "\xC4\xBF\xC2\xBC/\xD6\xD0\xCE\xC4\xC3\xFB.txt", 0, kMadeByDos, "", 0,
       kGbkPath, false},
      {"UTF-8 flag, Unix host", utf8Path, kUtf8Flag, kMadeByUnix, "", 0, kGbkPath, false},
      {"UTF-8 flag wins over the OEM rule", utf8Test, kUtf8Flag, kMadeByDos, "", 0, kGbkTest, false},
      {"UTF-8 flag wins over a legacy code page", utf8Test, kUtf8Flag, kMadeByDos, "", 932, kGbkTest, false},
      {"Unicode Path with matching CRC", "__.txt", 0, kMadeByDos, TimeBlock() + UnicodePath("__.txt", utf8Test), 0,
       kGbkTest, false},
      {"Unicode Path with another CRC is ignored", "__.txt", 0, kMadeByDos,
       UnicodePath("__.txt", utf8Test, 1, Crc32("__.txt") ^ 1), 0, "__.txt", false},
      {"Unicode Path of version 2 is ignored", "__.txt", 0, kMadeByDos, UnicodePath("__.txt", utf8Test, 2), 0,
       "__.txt", false},
      {"Unicode Path cut short is ignored", "__.txt", 0, kMadeByDos,
       UnicodePath("__.txt", utf8Test).substr(0, 7), 0, "__.txt", false},
      {"unmarked UTF-8 from a Unix host", utf8Path, 0, kMadeByUnix, "", 0, kGbkPath, false},
      {"unmarked GBK from a Unix host", kGbkTest, 0, kMadeByUnix, "", 0, kGbkTest, false},
      {"GBK that is also well-formed UTF-8 stays GBK", kGbkDirName + "/a.txt", 0, kMadeByUnix, "", 0,
       kGbkDirName + "\\a.txt", false},
      {"CP932 name read with code page 932", kCp932Katakana, 0, kMadeByDos, "", 932, kGbkKatakana, false},
      {"invalid UTF-8 with the flag", "a\xFF\xC3(b.txt", kUtf8Flag, kMadeByUnix, "", 0, "a?" "?(b.txt", true},
      {"invalid UTF-8 in a Unicode Path", "x.txt", 0, kMadeByDos, UnicodePath("x.txt", "\xED\xA0\x80.txt"), 0,
       "?" "?" "?.txt", true},
      {"Hangul and emoji are not in code page 936", U8(u8"한😀/中.txt"), kUtf8Flag, kMadeByUnix, "", 0,
       "??\\\xD6\xD0.txt", true},
  };
  for (const NameCase& c : cases) {
    SCOPED_TRACE(c.label);
    ZipBuilder zip;
    ZipEntry& e = zip.Add(ZipEntry::Stored(c.stored, "data"));
    e.flags = c.flags;
    e.versionMadeBy = c.madeBy;
    e.centralExtra = c.extra;
    TUnZip& u = Load(zip, c.nameCodePage);
    ASSERT_EQ(u.EntryCount(), 1);
    EXPECT_EQ(u.Entry(0).Path(), c.expected);
    EXPECT_EQ(u.Entry(0).NameReplaced, c.replaced);
  }
}

TEST_F(EntryNamesTest, RebuiltDirectoryDecodesLocalNames) {
  // Without a central directory the names come from the local headers,
  // with the local extra field.
  ZipBuilder zip;
  zip.Add(ZipEntry::Stored(U8(u8"目录/中文名.txt"), "one")).flags = kUtf8Flag;
  ZipEntry& second = zip.Add(ZipEntry::Stored("__.txt", "two"));
  second.localExtra = UnicodePath("__.txt", U8(u8"测试.txt"));
  zip.omitCentral = true;
  zip.omitEnd = true;
  WriteFile(dir / "cut.zip", zip.Build());
  TUnZip u;
  u.IncompleteZipMode = zip::TIncompleteZipMode::izAssumeBad;
  u.SetZipName(platform::EnginePath(dir / "cut.zip"));
  u.LoadZipDirectory();
  ASSERT_EQ(u.EntryCount(), 2);
  EXPECT_EQ(u.Entry(0).Path(), kGbkPath);
  EXPECT_EQ(u.Entry(1).Path(), kGbkTest);
}

TEST_F(EntryNamesTest, UtfCommentIsHandedOnInCodePage936) {
  ZipBuilder zip;
  ZipEntry& e = zip.Add(ZipEntry::Stored("a.txt", "x"));
  e.flags = kUtf8Flag;
  e.comment = U8(u8"中文说明");
  zip.Add(ZipEntry::Stored("b.txt", "y")).comment = "\xD6\xD0";
  TUnZip& u = Load(zip);
  EXPECT_EQ(u.EntryComment(0), "\xD6\xD0\xCE\xC4\xCB\xB5\xC3\xF7");
  EXPECT_EQ(u.EntryComment(1), "\xD6\xD0");  // without the flag: as stored
}

// True when the host has a file (or directory) `utf8` (a relative name with
// "/" separators, UTF-8) under the host directory `hostDir`. On Windows the
// wide-character API looks, so the check does not go through code page 936.
bool HostHas(const std::string& hostDir, const std::string& utf8) {
#ifdef _WIN32
  auto widen = [](const std::string& s, UINT cp) {
    std::wstring w(static_cast<size_t>(MultiByteToWideChar(cp, 0, s.data(), static_cast<int>(s.size()), nullptr, 0)),
                   L'\0');
    MultiByteToWideChar(cp, 0, s.data(), static_cast<int>(s.size()), w.data(), static_cast<int>(w.size()));
    return w;
  };
  std::wstring path = widen(hostDir, CP_ACP) + L"\\" + widen(utf8, CP_UTF8);
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
#else
  return Exists(hostDir + "/" + utf8);
#endif
}

struct Extracted {
  int count = 0;
  std::vector<std::string> createErrors;  // engine names skipped with srCreateError
};

Extracted ExtractAll(TUnZip& u, const std::string& hostDest) {
  Extracted result;
  u.OnSkippingFile = [&](TUnZip&, TSkipReason r, const std::string& name, int, bool&) {
    if (r == TSkipReason::srCreateError) result.createErrors.push_back(name);
  };
  u.DoAll = true;
  u.RecreateDirs = true;
  u.OverwriteMode = zip::TUZOverwriteMode::Always;
  u.SetDestDir(platform::EnginePath(hostDest));
  result.count = u.ExtractFiles();
  return result;
}

TEST_F(EntryNamesTest, NamesThatDoNotConvertAreReportedAndNeverWritten) {
  ZipBuilder zip;
  zip.Add(ZipEntry::Stored(U8(u8"目录/中文名.txt"), "one")).flags = kUtf8Flag;
  zip.Add(ZipEntry::Stored("bad\xFF.txt", "two")).flags = kUtf8Flag;
  zip.Add(ZipEntry::Stored(U8(u8"😀.txt"), "three")).flags = kUtf8Flag;
  ZipEntry& legacy = zip.Add(ZipEntry::Stored("__.txt", "four"));
  legacy.centralExtra = UnicodePath("__.txt", U8(u8"测试.txt"));
  TUnZip& u = Load(zip);
  const Extracted run = ExtractAll(u, dir / "out");
  EXPECT_EQ(run.count, 2);
  EXPECT_EQ(run.createErrors, (std::vector<std::string>{"bad?.txt", "?.txt"}));
  EXPECT_TRUE(HostHas(dir / "out", U8(u8"目录/中文名.txt")));
  EXPECT_TRUE(HostHas(dir / "out", U8(u8"测试.txt")));
  // Nothing was written under a stand-in name.
  EXPECT_FALSE(HostHas(dir / "out", "bad?.txt"));
  EXPECT_FALSE(HostHas(dir / "out", "?.txt"));
  EXPECT_FALSE(HostHas(dir / "out", "__.txt"));
}

// Host path of a file the build made beside the tests.
std::string BuildFile(const std::string& unixPath) {
#ifdef _WIN32
  // Wine's drive Z: is the host's root.
  std::string path = "Z:" + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
#else
  return unixPath;
#endif
}

TEST_F(EntryNamesTest, ArchiversPackagesExtractUnderTheirChineseNames) {
#ifndef TAVO_NAME_ARCHIVES
  GTEST_SKIP() << "python3 or zip was missing when the build was configured";
#else
  for (const char* archive : {"py.zip", "infozip.zip"}) {
    SCOPED_TRACE(archive);
    TUnZip u;
    u.SetZipName(platform::EnginePath(BuildFile(std::string(TAVO_NAME_ARCHIVES) + "/" + archive)));
    u.LoadZipDirectory();
    ScratchDir out;
    const Extracted run = ExtractAll(u, out.Path());
    EXPECT_TRUE(run.createErrors.empty());
    EXPECT_TRUE(HostHas(out.Path(), U8(u8"目录")));
    EXPECT_TRUE(HostHas(out.Path(), U8(u8"目录/中文名.txt")));
    EXPECT_TRUE(HostHas(out.Path(), U8(u8"测试文件.txt")));
    EXPECT_EQ(run.count, u.EntryCount());
  }
#endif
}

#if defined(TAVO_TUNZIP) && !defined(_WIN32)
// The names of an "unzip -l" style listing (the text from column 30 of the
// rows between the dashed lines).
std::vector<std::string> ListedNames(const std::string& listing) {
  std::vector<std::string> names;
  size_t start = 0;
  int dashes = 0;
  while (start < listing.size()) {
    size_t end = listing.find('\n', start);
    if (end == std::string::npos) end = listing.size();
    const std::string line = listing.substr(start, end - start);
    start = end + 1;
    if (line.rfind("---------", 0) == 0) {
      ++dashes;
      continue;
    }
    if (dashes == 1 && line.size() > 30) names.push_back(line.substr(30));
  }
  return names;
}

// Info-ZIP unzip here has no -O: the expected names are the ones whose
// code page 932 bytes the archive stores.
TEST_F(EntryNamesTest, ToolTakesTheCodePageOfLegacyNames) {
  ZipBuilder zip;
  zip.Add(ZipEntry::Stored(kCp932Katakana, "jp"));
  zip.Add(ZipEntry::Stored(U8(u8"中文/名字.txt"), "cn")).flags = kUtf8Flag;
  const std::string archive = dir / "jp.zip";
  WriteFile(archive, zip.Build());
  const std::string tool = ShellQuote(TAVO_TUNZIP);
  for (const char* page : {"CP932", "cp932", "932"}) {
    SCOPED_TRACE(page);
    std::string ours;
    ASSERT_EQ(RunCommand(tool + " l -O " + page + " " + ShellQuote(archive), &ours), 0) << ours;
    EXPECT_EQ(ListedNames(ours), (std::vector<std::string>{U8(u8"テスト.txt"), U8(u8"中文/名字.txt")}));
  }
  const std::string out = dir / "out";
  std::string log;
  ASSERT_EQ(RunCommand(tool + " x -q -O CP932 -d " + ShellQuote(out) + " " + ShellQuote(archive), &log), 0) << log;
  EXPECT_EQ(ReadFile(out + "/" + U8(u8"テスト.txt")), "jp");
  EXPECT_EQ(ReadFile(out + "/" + U8(u8"中文/名字.txt")), "cn");
  EXPECT_EQ(RunCommand(tool + " l -O CP99999 " + ShellQuote(archive), &log), 10);
}

TEST_F(EntryNamesTest, ToolReportsNamesThatDoNotConvert) {
  ZipBuilder zip;
  zip.Add(ZipEntry::Stored(U8(u8"😀.txt"), "x")).flags = kUtf8Flag;
  zip.Add(ZipEntry::Stored(U8(u8"好.txt"), "y")).flags = kUtf8Flag;
  const std::string archive = dir / "emoji.zip";
  WriteFile(archive, zip.Build());
  const std::string out = dir / "out";
  std::string log;
  EXPECT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " x -q -d " + ShellQuote(out) + " " + ShellQuote(archive), &log, "",
                       true),
            1);
  EXPECT_NE(log.find("skipping ?.txt: name not valid UTF-8 or not in code page 936"), std::string::npos)
      << log;
  EXPECT_EQ(ReadFile(out + "/" + U8(u8"好.txt")), "y");
  EXPECT_FALSE(Exists(out + "/?.txt"));
}
#endif

}  // namespace
}  // namespace tavo::test
