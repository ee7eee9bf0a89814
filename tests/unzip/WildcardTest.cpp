// The entry-selection wildcard matcher: a table of patterns and texts,
// double-byte names, hostile names, and agreement with the slow reference.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "fuzz/WildcardReference.h"
#include "unzip/Wildcard.h"

namespace tavo::test {
namespace {

struct Case {
  const char* pattern;
  const char* text;
  bool match;
};

class WildcardTest : public ::testing::TestWithParam<Case> {};

TEST_P(WildcardTest, Verdict) {
  const Case& c = GetParam();
  EXPECT_EQ(zip::WildcardMatch(c.pattern, c.text), c.match) << c.pattern << " vs " << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, WildcardTest,
    ::testing::Values(
        // A lone star matches everything, the empty text too.
        Case{"*", "", true}, Case{"*", "docs\\readme.txt", true},
        // Case is ignored; the whole text must be consumed.
        Case{"*.TXT", "docs\\readme.txt", true}, Case{"*.txt", "readme.txt.bak", false},
        Case{"readme", "README", true}, Case{"read", "readme", false}, Case{"", "", true},
        Case{"", "a", false},
        // "?" is exactly one character.
        Case{"a?c", "abc", true}, Case{"a?c", "ac", false}, Case{"a?c", "abbc", false},
        // The star passes over "\" too.
        Case{"a*z", "a\\b\\z", true}, Case{"*\\b.txt", "a\\b.txt", true},
        // Sets, ranges and negation.
        Case{"<a-c>*", "apple", true}, Case{"<a-c>*", "cherry", true}, Case{"<a-c>*", "date", false},
        Case{"<!a-c>*", "date", true}, Case{"<!a-c>*", "apple", false}, Case{"<^a-c>*", "banana", false},
        Case{"<xyz>", "y", true}, Case{"<xyz>", "w", false}, Case{"<c-a>*", "b", false},
        Case{"[ab]", "[ab]", true},
        // A star followed by a set passes over characters of the set only.
        Case{"*<0-9>.log", "2024.log", true}, Case{"*<0-9>.log", ".log", true},
        Case{"*<0-9>.log", "run-a.log", false}, Case{"*<0-9>.log", "20a4.log", false},
        Case{"x*<0-9>", "x123", true}, Case{"x*<0-9>", "x12a", false},
        // Stars with question marks: each "?" takes a character.
        Case{"*?", "ab", true}, Case{"a*??d", "abcd", true}, Case{"a**d", "ad", true},
        Case{"abc*", "abc", true},
        // Malformed sets match nothing; an empty star set fails.
        Case{"<>", "a", false}, Case{"<ab", "a", false}, Case{"<a->", "a", false}, Case{"a*<z-a>", "a", false},
        Case{"a*<z-a>x", "ax", false},
        // Where the star may try the rest: only at characters equal to the
        // next pattern character, and never past the end of the text.
        Case{"*<a-z>*", "", false}, Case{"*<a-z>?x", "ab?x", true}, Case{"*<a-z>?x", "abcx", false},
        Case{"*?", "a", false}, Case{"a*b*c", "aXbYc", true}, Case{"a*b*c", "abcb", false},
        // One slot holds the set of the star met last: once the second star
        // has failed, the first (which has no set) may pass over digits only,
        // so the later "1" that would match is never reached.
        Case{"*1*<0-9>1", "1b11", false}, Case{"*1*<0-9>1", "b111", true}, Case{"*x*<a-c>", "bxxbabb", false},
        Case{"*x*<a-c>", "bxabc", true}));

// "\x81\x41" and "\x81\x61" are different GBK characters with the codes of
// "A" and "a" as trail bytes; "\xD5\x5C" ends with the code of "\".
struct MbcsCase {
  const char* pattern;
  const char* text;
  int codePage;
  bool match;
};

class WildcardMbcsTest : public ::testing::TestWithParam<MbcsCase> {};

TEST_P(WildcardMbcsTest, Verdict) {
  const MbcsCase& c = GetParam();
  EXPECT_EQ(zip::WildcardMatch(c.pattern, c.text, c.codePage), c.match)
      << c.pattern << " vs " << c.text << " in " << c.codePage;
}

INSTANTIATE_TEST_SUITE_P(
    DoubleByte, WildcardMbcsTest,
    ::testing::Values(
        // Trail bytes are not folded: two different characters stay apart.
        MbcsCase{"\x81\x41.txt", "\x81\x61.TXT", 936, false}, MbcsCase{"\x81\x41.txt", "\x81\x41.TXT", 936, true},
        MbcsCase{"\x81\x41", "\x81\x61", 1252, true},
        // "?" takes a whole character.
        MbcsCase{"a?b", "a\xB0\xA1" "b", 936, true}, MbcsCase{"a??b", "a\xB0\xA1" "b", 936, false},
        MbcsCase{"a??b", "a\xB0\xA1" "b", 1252, true},
        // A star's next character is never found inside a character.
        MbcsCase{"*\\x", "\xD5\x5Cx", 936, false}, MbcsCase{"*\\x", "\xD5\x5C\\x", 936, true},
        MbcsCase{"*\\x", "\xD5\x5Cx", 1252, true},
        // Sets list and range whole characters.
        MbcsCase{"<\xB0\xA1\xB0\xA2>", "\xB0\xA2", 936, true}, MbcsCase{"<\xB0\xA1\xB0\xA2>", "\xB0", 936, false},
        MbcsCase{"<\xB0\xA1-\xB0\xFE>*", "\xB0\xC0\xC1\xC2", 936, true},
        MbcsCase{"<\xB0\xA1-\xB0\xFE>*", "\xB1\xA1", 936, false},
        MbcsCase{"<!a-z>", "\xB0\xA1", 936, true}, MbcsCase{"*<a-z>", "ab\xB0\xA1", 936, false},
        // A negated set of all bytes still holds the double-byte characters.
        MbcsCase{"*<!\x01-\xFF>", "\xB0\xA1", 936, true}, MbcsCase{"*<!\x01-\xFF>", "\xB0\xA1", 1252, false}, MbcsCase{"x*<^\x01-\xFF>", "x", 936, true},
        MbcsCase{"x*<^\x01-\xFF>", "x", 1252, true},
        // A lead byte cut off at the end is a character of its own.
        MbcsCase{"a?", "a\x81", 936, true}, MbcsCase{"*\x81", "ab\x81", 936, true},
        // In a pattern too a lead byte takes the byte after it, ">" included.
        MbcsCase{"<\x81>", "\x81", 936, false}, MbcsCase{"<\x81>", "\x81", 1252, true}));

// Names come from the archive: many stars against a long name that almost
// matches everywhere must not take exponential time. (The backtracking
// matcher tried about 40^10 ways here.)
TEST(WildcardHostile, ManyStarsAgainstLongNamesFinish) {
  const std::string pattern = "*a*a*a*a*a*a*a*a*a*a*b";
  std::string name(400, 'a');
  EXPECT_FALSE(zip::WildcardMatch(pattern, name));
  EXPECT_TRUE(zip::WildcardMatch(pattern, name + "b"));
  const std::string sets = "*<a-c>b*<a-c>b*<a-c>b*<a-c>b*<a-c>b*<a-c>b*<a-c>x";
  EXPECT_FALSE(zip::WildcardMatch(sets, std::string(30000, 'b')));
  EXPECT_TRUE(zip::WildcardMatch(sets, std::string(30000, 'b') + "x"));
  EXPECT_FALSE(zip::WildcardMatch(sets, std::string(30000, 'b') + "dx"));
  // The longest name an archive can hold, in double-byte characters.
  std::string wide;
  while (wide.size() < 65534) wide += "\xB0\xA1";
  EXPECT_TRUE(zip::WildcardMatch("*\xB0\xA1*\xB0\xA1*?*\xB0\xA1", wide));
  EXPECT_FALSE(zip::WildcardMatch("*\xB0\xA1*\xB0\xA1*?*\xB0\xA2", wide));
}

// Random short patterns and names over an alphabet full of the matcher's
// own characters, in both code pages: the verdict must be the reference's.
TEST(WildcardReference, AgreesOnRandomPatterns) {
  const std::string alphabet[] = {"a", "b", "A", "*", "*", "?", "<", ">", "-", "!", "^", "\\", "\xB0\xA1", "\x81\x41", "\x81"};
  std::mt19937 random(22);
  auto draw = [&](size_t most) {
    std::string s;
    const size_t length = random() % (most + 1);
    for (size_t i = 0; i < length; ++i) s += alphabet[random() % std::size(alphabet)];
    return s;
  };
  int matches = 0;
  for (int round = 0; round < 20000; ++round) {
    std::string pattern = draw(7);
    if (std::count(pattern.begin(), pattern.end(), '*') > 4) continue;
    const std::string text = draw(9);
    const int codePage = round % 2 ? 936 : 1252;
    const bool expected = fuzz::ReferenceWildcardMatch(pattern, text, codePage);
    matches += expected;
    ASSERT_EQ(zip::WildcardMatch(pattern, text, codePage), expected)
        << "pattern \"" << pattern << "\" text \"" << text << "\" cp " << codePage;
  }
  // The draw must reach both verdicts often for the comparison to mean much.
  EXPECT_GT(matches, 500);
}

}  // namespace
}  // namespace tavo::test
