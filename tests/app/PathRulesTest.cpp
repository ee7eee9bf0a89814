// The install directory's normal form and the directory part of a path,
// including double-byte characters whose second byte is 0x5C ("\").
#include "app/PathRules.h"

#include <gtest/gtest.h>

#include <string>

namespace tavo::app {
namespace {

// 乗 is 0x81 0x5C in code page 936: its second byte is the "\" code.
constexpr char kTrail5C[] = "\x81\x5C";

struct TNormalizeCase {
  std::string input;
  std::string expected;
};

class NormalizeDirTest : public testing::TestWithParam<TNormalizeCase> {};

TEST_P(NormalizeDirTest, GivesNormalForm) { EXPECT_EQ(NormalizeDir(GetParam().input), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, NormalizeDirTest,
    testing::Values(TNormalizeCase{"  C:\\Apps  ", "C:\\Apps\\"}, TNormalizeCase{"C:\\Apps\\", "C:\\Apps\\"},
                    TNormalizeCase{"    ", ""}, TNormalizeCase{"", ""}, TNormalizeCase{"C:", "C:\\"},
                    // Tabs, line breaks and other control characters go too.
                    TNormalizeCase{"\t\r\nD:\\x\x01\x1F", "D:\\x\\"},
                    TNormalizeCase{std::string("\0D:\\y\0", 6), "D:\\y\\"},
                    // Inner spaces stay.
                    TNormalizeCase{" D:\\Program Files ", "D:\\Program Files\\"},
                    // A directory ending in a character whose second byte is
                    // 0x5C does not end in "\": one is added.
                    TNormalizeCase{std::string("D:\\") + kTrail5C, std::string("D:\\") + kTrail5C + "\\"},
                    TNormalizeCase{std::string("D:\\") + kTrail5C + "\\", std::string("D:\\") + kTrail5C + "\\"},
                    // Bytes above 0x7F at the edges are text, not blanks.
                    TNormalizeCase{"\xB0\xB2 ", "\xB0\xB2\\"}));

TEST(NormalizeDirTest, SingleByteCodePageTakesTrailingBackslashAsIs) {
  // In code page 1252 0x81 is a character of its own, so 0x5C after it is "\".
  EXPECT_EQ(NormalizeDir(std::string("D:\\") + kTrail5C, 1252), std::string("D:\\") + kTrail5C);
}

struct TDirectoryCase {
  std::string path;
  std::string expected;
};

class DirectoryPartTest : public testing::TestWithParam<TDirectoryCase> {};

TEST_P(DirectoryPartTest, KeepsUpToLastSeparator) {
  EXPECT_EQ(DirectoryPart(GetParam().path), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DirectoryPartTest,
    testing::Values(TDirectoryCase{"D:\\app\\tavo\\Manager.exe", "D:\\app\\tavo\\"},
                    TDirectoryCase{"E:\\setup\\setup.exe", "E:\\setup\\"}, TDirectoryCase{"C:setup.exe", "C:"},
                    TDirectoryCase{"setup.exe", ""}, TDirectoryCase{"D:\\", "D:\\"},
                    TDirectoryCase{"\\\\server\\share\\a.exe", "\\\\server\\share\\"},
                    // 乗.exe in D:\app: the 0x5C inside 乗 is not a separator.
                    TDirectoryCase{std::string("D:\\app\\") + kTrail5C + ".exe", "D:\\app\\"},
                    // A directory named 乗 keeps its full name.
                    TDirectoryCase{std::string("D:\\") + kTrail5C + "\\x.exe", std::string("D:\\") + kTrail5C + "\\"},
                    // 安装\程序.exe
                    TDirectoryCase{"C:\\\xB0\xB2\xD7\xB0\\\xB3\xCC\xD0\xF2.exe", "C:\\\xB0\xB2\xD7\xB0\\"}));

}  // namespace
}  // namespace tavo::app
