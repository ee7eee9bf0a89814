// FitText over a fixed-width measure: 6 pixels a byte.
#include "skin/FitText.h"

#include <gtest/gtest.h>

#include <string>

namespace tavo::skin {
namespace {

int SixPerByte(const std::string& s) { return 6 * static_cast<int>(s.size()); }

struct TFitCase {
  std::string text;
  int maxWidth;
  std::string expected;
};

class FitTextCases : public ::testing::TestWithParam<TFitCase> {};

TEST_P(FitTextCases, Shortens) {
  std::string text = GetParam().text;
  FitText(SixPerByte, text, GetParam().maxWidth);
  EXPECT_EQ(text, GetParam().expected);
}

// "中" is D6 D0 and "文" is CE C4 in code page 936.
INSTANTIATE_TEST_SUITE_P(
    Widths, FitTextCases,
    ::testing::Values(
        TFitCase{"abcdef", 36, "abcdef"},      // 36 fits exactly
        TFitCase{"abcdef", 100, "abcdef"},
        // 36 > 30: "abcde..." 48, "abcd..." 42, "abc..." 36, "ab..." 30 fits.
        TFitCase{"abcdef", 30, "ab..."},
        TFitCase{"abcdef", 10, "..."},          // never fits
        TFitCase{"abcdef", -5, "..."},
        TFitCase{"", -1, "..."},
        // 10 bytes (60) > 48. Whole characters go: "ab中文中..." 66,
        // "ab中文..." 54, "ab中..." 42. Dropping single bytes would have
        // stopped at "ab中" + a lone lead byte CE + "..." (48).
        TFitCase{"ab\xD6\xD0\xCE\xC4\xD6\xD0\xCE\xC4", 48, "ab\xD6\xD0..."}),
    [](const auto& info) { return std::string("case").append(std::to_string(info.index)); });

}  // namespace
}  // namespace tavo::skin
