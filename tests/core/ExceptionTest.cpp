// The error box text rule and message formatting.
#include "core/Exception.h"

#include <gtest/gtest.h>

namespace tavo {
namespace {

TEST(ErrorBoxText, AppendsFullStopOnlyAfterCharactersSortingAfterIt) {
  EXPECT_EQ(ErrorBoxText("Stream read error"), "Stream read error.");
  EXPECT_EQ(ErrorBoxText("Done."), "Done.");
  EXPECT_EQ(ErrorBoxText("Failed!"), "Failed!");      // "!" sorts before "."
  EXPECT_EQ(ErrorBoxText("disk 3"), "disk 3.");        // "3" sorts after "."
  EXPECT_EQ(ErrorBoxText(""), "");
  EXPECT_EQ(ErrorBoxText("\xB4\xED\xCE\xF3"), "\xB4\xED\xCE\xF3.");  // GBK trail byte
}

TEST(Format, FormatsNumbersAndLongText) {
  EXPECT_EQ(Format("Index %d is out of range", -1), "Index -1 is out of range");
  const std::string long_text(5000, 'x');
  EXPECT_EQ(Format("%s!", long_text.c_str()).size(), 5001u);
}

}  // namespace
}  // namespace tavo
