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

}  // namespace
}  // namespace tavo
