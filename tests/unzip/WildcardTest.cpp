// The entry-selection wildcard matcher: a table of patterns and texts.
#include <gtest/gtest.h>

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
        Case{"a*<z-a>x", "ax", false}));

}  // namespace
}  // namespace tavo::test
