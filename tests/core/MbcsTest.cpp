// Path rules over double-byte text: a trail byte 0x5C is never a separator.
#include "core/Mbcs.h"

#include <gtest/gtest.h>

namespace tavo {
namespace {

struct PathCase {
  const char* path;
  const char* dir;
  const char* name;
};

// "\xD5\x5C" is a GBK character whose trail byte is the code of "\".
const PathCase kPathCases[] = {
    {"D:\\app\\tavo\\Manager.exe", "D:\\app\\tavo\\", "Manager.exe"},
    {"C:", "C:", ""},
    {"C:file", "C:", "file"},
    {"noseparator", "", "noseparator"},
    {"D:\\\xD5\x5C", "D:\\", "\xD5\x5C"},
    {"D:\\\xD5\x5C\\x.exe", "D:\\\xD5\x5C\\", "x.exe"},
    {"\xB0\xB2\xD7\xB0\\\xCE\xC4", "\xB0\xB2\xD7\xB0\\", "\xCE\xC4"},
    {"E:\\setup\\", "E:\\setup\\", ""},
};

class PathParts : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathParts, SplitsAtLastWholeCharacterSeparator) {
  EXPECT_EQ(ExtractFilePath(GetParam().path), GetParam().dir);
  EXPECT_EQ(ExtractFileName(GetParam().path), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Cp936, PathParts, ::testing::ValuesIn(kPathCases));

TEST(Mbcs, TrailByteIsNotADelimiterButAWholeBackslashIs) {
  EXPECT_FALSE(EndsWithPathDelimiter("D:\\\xD5\x5C"));
  EXPECT_TRUE(EndsWithPathDelimiter("D:\\\xD5\x5C\\"));
  EXPECT_FALSE(EndsWithPathDelimiter(""));
  // Under a single-byte code page the same bytes do end in "\".
  EXPECT_TRUE(EndsWithPathDelimiter("D:\\\xD5\x5C", 1252));
}

TEST(Mbcs, LoneLeadByteAtTheEndCountsAsItself) {
  EXPECT_EQ(LastDelimiter("a\\\x81", "\\"), 1u);
}

// "\x81\x41" and "\x81\x61" are two different GBK characters whose trail
// bytes are the codes of "A" and "a": folding them byte by byte makes two
// different Chinese names one.
TEST(MbcsCase, FoldsWholeCharacterLettersOnly) {
  EXPECT_EQ(LowerCaseMbcs("DOCS\\\x81\x41README.TXT"), "docs\\\x81\x41readme.txt");
  EXPECT_EQ(UpperCaseMbcs("a\x81\x61z"), "A\x81\x61Z");
  // A lead byte cut off at the end is a character of its own.
  EXPECT_EQ(LowerCaseMbcs("Q\x81"), "q\x81");
  // Under a single-byte code page every letter byte folds.
  EXPECT_EQ(LowerCaseMbcs("\x81\x41", 1252), "\x81\x61");
}

TEST(MbcsCase, DifferentTrailBytesNeverCompareEqual) {
  EXPECT_FALSE(SameTextMbcs("\x81\x41.txt", "\x81\x61.txt"));
  EXPECT_NE(CompareTextMbcs("\x81\x41", "\x81\x61"), 0);
  EXPECT_TRUE(SameTextMbcs("Setup\\\x81\x41.ZIP", "SETUP\\\x81\x41.zip"));
  EXPECT_TRUE(SameTextMbcs("\x81\x41", "\x81\x61", 1252));
  EXPECT_FALSE(SameTextMbcs("ab", "abc"));
}

TEST(MbcsCase, OrdersByUpperCasedUnsignedBytes) {
  EXPECT_LT(CompareTextMbcs("apple", "BANANA"), 0);
  EXPECT_GT(CompareTextMbcs("Cherry", "banana"), 0);
  // Folding to upper case puts "_" (0x5F) after every letter.
  EXPECT_GT(CompareTextMbcs("_x", "zz"), 0);
  // Double-byte text sorts after ASCII; a prefix sorts first.
  EXPECT_GT(CompareTextMbcs("\xB0\xA1", "zzz"), 0);
  EXPECT_LT(CompareTextMbcs("abc", "ABCD"), 0);
  EXPECT_GT(CompareTextMbcs("a\x81\x41", "A\x81"), 0);
  EXPECT_EQ(CompareTextMbcs("", ""), 0);
  // The order is the same both ways round.
  EXPECT_LT(CompareTextMbcs("\x81\x41", "\x81\x61"), 0);
  EXPECT_GT(CompareTextMbcs("\x81\x61", "\x81\x41"), 0);
}

TEST(MbcsCase, PrefixAndSuffixEndOnCharacterBoundaries) {
  EXPECT_TRUE(StartsWithTextMbcs("DOCS\\a.txt", "docs\\"));
  EXPECT_FALSE(StartsWithTextMbcs("docs", "docs\\"));
  // Half of "\xD5\x5C" is no prefix, even though the bytes agree.
  EXPECT_FALSE(StartsWithTextMbcs("\xD5\x5Cx", "\xD5"));
  EXPECT_TRUE(StartsWithTextMbcs("\xD5\x5Cx", "\xD5", 1252));
  EXPECT_TRUE(EndsWithTextMbcs("SETUP.ZIP", ".zip"));
  EXPECT_FALSE(EndsWithTextMbcs("zip", ".zip"));
  // "zip" here would start on the trail byte of "\x81Z".
  EXPECT_FALSE(EndsWithTextMbcs("\x81Zip", "zip"));
  EXPECT_TRUE(EndsWithTextMbcs("\x81Zip", "zip", 1252));
  EXPECT_TRUE(EndsWithTextMbcs("\x81\x41Zip", "zip"));
}

}  // namespace
}  // namespace tavo
