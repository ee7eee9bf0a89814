// The chooser's portable rules: drive texts, directory entries, path parts,
// file-name case and sorting, I/O messages. Code page 936 throughout; the
// bytes 0x81 0x5C make one double-byte character whose second byte is "\".
#include "app/ChooserRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tavo::app {
namespace {

const std::string kTrail5C = "\x81\x5C";  // a character whose trail byte looks like "\"

TEST(InOutErrorTest, MessagesByCode) {
  const struct {
    unsigned long code;
    const char* message;
  } cases[] = {{2, "File not found"}, {3, "Invalid filename"}, {4, "Too many open files"},
               {5, "File access denied"}, {21, "I/O error 21"}, {1, "I/O error 1"}, {6, "I/O error 6"}};
  for (const auto& c : cases) {
    EXPECT_EQ(InOutErrorMessage(c.code), c.message) << c.code;
    const EInOutError failure(c.code);
    EXPECT_STREQ(failure.what(), c.message);
    EXPECT_EQ(failure.ErrorCode(), c.code);
  }
}

TEST(DriveItemTextTest, TextsByKindAndCase) {
  const struct {
    TDriveFacts drive;
    TTextCase textCase;
    std::string text;
  } cases[] = {
      {{'A', TDriveKind::dkRemovable, "DISK1", ""}, TTextCase::tcLowerCase, "a:"},
      {{'a', TDriveKind::dkRemovable, "", ""}, TTextCase::tcUpperCase, "A:"},
      {{'C', TDriveKind::dkFixed, "System", ""}, TTextCase::tcLowerCase, "c: [system]"},
      {{'c', TDriveKind::dkFixed, "System", ""}, TTextCase::tcUpperCase, "C: [SYSTEM]"},
      {{'D', TDriveKind::dkCDROM, "", ""}, TTextCase::tcLowerCase, "d: []"},
      {{'d', TDriveKind::dkCDROM, "Disc_01", ""}, TTextCase::tcUpperCase, "D: [DISC_01]"},
      {{'R', TDriveKind::dkRamDisk, "RamDisk", ""}, TTextCase::tcLowerCase, "r: [ramdisk]"},
      {{'Z', TDriveKind::dkRemote, "Label", "\\\\SERVER\\Share"}, TTextCase::tcLowerCase, "z: \\\\server\\share"},
      {{'z', TDriveKind::dkRemote, "", "\\\\server\\share"}, TTextCase::tcUpperCase, "Z: \\\\SERVER\\SHARE"},
      {{'N', TDriveKind::dkRemote, "NetLabel", ""}, TTextCase::tcLowerCase, "n: [netlabel]"},
      {{'n', TDriveKind::dkRemote, "", ""}, TTextCase::tcUpperCase, "N: []"},
      {{'Q', TDriveKind::dkOther, "X", ""}, TTextCase::tcLowerCase, ""},
      // A double-byte character with a letter as its second byte keeps it.
      {{'E', TDriveKind::dkFixed, "\xB0\x41Vol", ""}, TTextCase::tcLowerCase, "e: [\xB0\x41vol]"},
      {{'e', TDriveKind::dkFixed, "\xB0\x61vol", ""}, TTextCase::tcUpperCase, "E: [\xB0\x61VOL]"},
  };
  for (const auto& c : cases) EXPECT_EQ(DriveItemText(c.drive, c.textCase), c.text) << c.text;
}

TEST(DriveItemTextTest, GlyphNames) {
  EXPECT_STREQ(DriveGlyphName(TDriveKind::dkRemovable), "FLOPPY");
  EXPECT_STREQ(DriveGlyphName(TDriveKind::dkFixed), "HARD");
  EXPECT_STREQ(DriveGlyphName(TDriveKind::dkRemote), "NETWORK");
  EXPECT_STREQ(DriveGlyphName(TDriveKind::dkCDROM), "CDROM");
  EXPECT_STREQ(DriveGlyphName(TDriveKind::dkRamDisk), "RAM");
  EXPECT_EQ(DriveGlyphName(TDriveKind::dkOther), nullptr);
}

TEST(FileNameCaseTest, OnlySingleByteLettersChange) {
  EXPECT_EQ(LowerCaseFileName("Program Files\xC4\x41Z"), "program files\xC4\x41z");
  EXPECT_EQ(UpperCaseFileName("abc\xC4\x61z_1"), "ABC\xC4\x61Z_1");
  EXPECT_TRUE(SameFileName("C:\\Windows", "c:\\WINDOWS", false));
  EXPECT_FALSE(SameFileName("C:\\Windows", "c:\\WINDOWS", true));
  EXPECT_FALSE(SameFileName("C:\\\xC4\x41", "C:\\\xC4\x61", false));
  EXPECT_TRUE(SameFileName("C:\\a", "C:\\a", true));
}

TEST(FileNameCaseTest, SortsWithoutRegardToCase) {
  std::vector<std::string> names = {"\xB0\xA1", "zeta", "Beta", "alpha", "_x", "ABC", "abc", "9"};
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return FileNameLess(a, b); });
  // Folded to lower case: "9" (0x39) < "_x" (0x5F) < "abc" = "abc" < "alpha"
  // < "beta" < "zeta" < 0xB0A1; the tie keeps "ABC" (0x41) before "abc".
  const std::vector<std::string> expected = {"9", "_x", "ABC", "abc", "alpha", "Beta", "zeta", "\xB0\xA1"};
  EXPECT_EQ(names, expected);
}

TEST(PathPartsTest, DrivePartAndParent) {
  const struct {
    std::string path, drive, parent;
    int delimiters;
  } cases[] = {
      {"C:\\Windows\\System32", "C:", "C:\\Windows", 2},
      {"C:\\Windows", "C:", "C:\\", 1},
      {"C:\\", "C:", "C:\\", 1},
      {"d:\\x\\", "d:", "d:\\", 2},
      {"\\\\server\\share\\docs\\a", "\\\\server\\share", "\\\\server\\share\\docs", 5},
      {"\\\\server\\share\\docs", "\\\\server\\share", "\\\\server\\share\\", 4},
      {"\\\\server\\share\\", "\\\\server\\share", "\\\\server\\share\\", 4},
      {"C:\\" + kTrail5C + "\\t", "C:", "C:\\" + kTrail5C, 2},
      {"C:\\ab" + kTrail5C, "C:", "C:\\", 1},
      {"\\\\srv" + kTrail5C + "\\shr\\x", "\\\\srv" + kTrail5C + "\\shr", "\\\\srv" + kTrail5C + "\\shr\\", 4},
      {"relative\\dir", "", "relative", 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DrivePart(c.path), c.drive) << c.path;
    EXPECT_EQ(ParentDirectory(c.path), c.parent) << c.path;
    EXPECT_EQ(CountPathDelimiters(c.path), c.delimiters) << c.path;
  }
  EXPECT_EQ(DriveLetterOf("e:\\x"), 'e');
  EXPECT_EQ(DriveLetterOf("\\\\server\\share"), 0);
  EXPECT_EQ(JoinPath("C:\\", "a"), "C:\\a");
  EXPECT_EQ(JoinPath("C:\\x", "a"), "C:\\x\\a");
  EXPECT_EQ(JoinPath("C:\\ab" + kTrail5C, "a"), "C:\\ab" + kTrail5C + "\\a");
}

TEST(SubDirectoryFilterTest, LeavesOutDotsHiddenAndSystem) {
  const struct {
    const char* name;
    bool hidden, system, listed;
  } cases[] = {{".", false, false, false},    {"..", false, false, false}, {"a", true, false, false},
               {"a", false, true, false},     {"a", true, true, false},    {"a", false, false, true},
               {".git", false, false, true},  {"...", false, false, true}};
  for (const auto& c : cases)
    EXPECT_EQ(IsListedSubDirectory(c.name, c.hidden, c.system), c.listed) << c.name << c.hidden << c.system;
}

struct TExpectedEntry {
  std::string text, path;
  TDirEntryKind kind;
  int indent;
};

void ExpectEntries(const std::vector<TDirEntry>& got, const std::vector<TExpectedEntry>& expected) {
  ASSERT_EQ(got.size(), expected.size());
  for (size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i].Text, expected[i].text) << i;
    EXPECT_EQ(got[i].Path, expected[i].path) << i;
    EXPECT_EQ(got[i].Kind, expected[i].kind) << i;
    EXPECT_EQ(got[i].Indent, expected[i].indent) << i;
  }
}

using K = TDirEntryKind;

TEST(DirEntriesTest, ThreeLevelPath) {
  // Indents: 4 * k + 2 along the path; 4 * 2 + 6 for the sub-directories
  // of a path with two "\".
  const auto entries = BuildDirEntries("C:\\Windows\\System32", {"wbem", "Drivers", "1033", "en-US"}, true);
  ExpectEntries(entries, {{"C:\\", "C:\\", K::deRoot, 2},
                          {"Windows", "C:\\Windows", K::dePath, 6},
                          {"System32", "C:\\Windows\\System32", K::deCurrent, 10},
                          {"1033", "C:\\Windows\\System32\\1033", K::deSubDirectory, 14},
                          {"Drivers", "C:\\Windows\\System32\\Drivers", K::deSubDirectory, 14},
                          {"en-US", "C:\\Windows\\System32\\en-US", K::deSubDirectory, 14},
                          {"wbem", "C:\\Windows\\System32\\wbem", K::deSubDirectory, 14}});
  EXPECT_EQ(CurrentEntryIndex(entries), 2);
}

TEST(DirEntriesTest, RootIsCurrent) {
  const auto entries = BuildDirEntries("D:\\", {"b", "A"}, true);
  ExpectEntries(entries, {{"D:\\", "D:\\", K::deCurrent, 2},
                          {"A", "D:\\A", K::deSubDirectory, 10},
                          {"b", "D:\\b", K::deSubDirectory, 10}});
  EXPECT_EQ(CurrentEntryIndex(entries), 0);
}

TEST(DirEntriesTest, NetworkPaths) {
  ExpectEntries(BuildDirEntries("\\\\server\\share\\docs", {"x"}, true),
                {{"\\\\server\\share\\", "\\\\server\\share\\", K::deRoot, 2},
                 {"docs", "\\\\server\\share\\docs", K::deCurrent, 6},
                 {"x", "\\\\server\\share\\docs\\x", K::deSubDirectory, 22}});
  ExpectEntries(BuildDirEntries("\\\\server\\share\\", {}, true),
                {{"\\\\server\\share\\", "\\\\server\\share\\", K::deCurrent, 2}});
}

TEST(DirEntriesTest, TrailByteIsNoSeparator) {
  // "C:\<81 5C>\t": the 0x5C inside the character splits nothing.
  ExpectEntries(BuildDirEntries("C:\\" + kTrail5C + "\\t", {"s"}, true),
                {{"C:\\", "C:\\", K::deRoot, 2},
                 {kTrail5C, "C:\\" + kTrail5C, K::dePath, 6},
                 {"t", "C:\\" + kTrail5C + "\\t", K::deCurrent, 10},
                 {"s", "C:\\" + kTrail5C + "\\t\\s", K::deSubDirectory, 14}});
  // A name ending in such a character is not a path ending in "\".
  ExpectEntries(BuildDirEntries("C:\\ab" + kTrail5C, {"s"}, true),
                {{"C:\\", "C:\\", K::deRoot, 2},
                 {"ab" + kTrail5C, "C:\\ab" + kTrail5C, K::deCurrent, 6},
                 {"s", "C:\\ab" + kTrail5C + "\\s", K::deSubDirectory, 10}});
}

TEST(DirEntriesTest, CaseAndOddInput) {
  // A volume that does not preserve case shows lower case; paths stay.
  ExpectEntries(BuildDirEntries("C:\\WINDOWS", {"SYSTEM"}, false),
                {{"C:\\", "C:\\", K::deRoot, 2},
                 {"windows", "C:\\WINDOWS", K::deCurrent, 6},
                 {"system", "C:\\WINDOWS\\SYSTEM", K::deSubDirectory, 10}});
  // A stray trailing "\" is ignored.
  ExpectEntries(BuildDirEntries("C:\\Windows\\", {}, true),
                {{"C:\\", "C:\\", K::deRoot, 2}, {"Windows", "C:\\Windows", K::deCurrent, 6}});
  EXPECT_TRUE(BuildDirEntries("", {"a"}, true).empty());
  EXPECT_TRUE(BuildDirEntries("relative", {"a"}, true).empty());
  EXPECT_EQ(CurrentEntryIndex({}), -1);
}

}  // namespace
}  // namespace tavo::app
