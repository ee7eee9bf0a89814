// Numbered lists of the skin text with gaps: a high entry far beyond the
// section's line count is kept, the list stops at the largest index
// present, and only keys written as list indexes count.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/SkinData.h"
#include "skin/SkinIni.h"

namespace tavo::skin {
namespace {

TSkinIni Ini(const std::string& text) { return TSkinIni(TSkinIni::SplitLines(text)); }

TEST(SparseLists, HighEntryOfAListIsKept) {
  const TSkinIni ini = Ini("[p]\nlistcount=100\n99=last\n");
  std::vector<std::string> list;
  ReadList(ini, "p", "list", list);
  ASSERT_EQ(list.size(), 100u);
  EXPECT_EQ(list[99], "last");
  EXPECT_EQ(list[0], "");
  EXPECT_EQ(list[98], "");
}

TEST(SparseLists, ListStopsAtTheCountOrTheLargestIndexWhicheverComesFirst) {
  const TSkinIni ini = Ini("[p]\nlistcount=3\n0=a\n7=h\n[q]\nlistcount=50\n1=b\n4=e\n");
  std::vector<std::string> list;
  ReadList(ini, "p", "list", list);
  EXPECT_EQ(list, (std::vector<std::string>{"a", "", ""}));
  ReadList(ini, "q", "list", list);
  EXPECT_EQ(list, (std::vector<std::string>{"", "b", "", "", "e"}));
}

struct TIndexCase {
  const char* name;
  const char* section;
  int64_t largest;
};

class LargestIndexKey : public ::testing::TestWithParam<TIndexCase> {};

TEST_P(LargestIndexKey, CountsOnlyKeysWrittenAsIndexes) {
  const TIndexCase& c = GetParam();
  EXPECT_EQ(Ini(std::string("[s]\n") + c.section).LargestIndexKey("s"), c.largest);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LargestIndexKey,
    ::testing::Values(TIndexCase{"NoIndex", "count=5\nname=x\n", -1},
                      TIndexCase{"Zero", "0=x\n", 0},
                      TIndexCase{"Largest", "3=x\n12=y\n7=z\n", 12},
                      TIndexCase{"LeadingZeroIsNoIndex", "099=x\n5=y\n", 5},
                      TIndexCase{"SignIsNoIndex", "+9=x\n-8=y\n", -1},
                      TIndexCase{"LargestInt32", "2147483647=x\n", 2147483647},
                      TIndexCase{"BeyondInt32", "2147483648=x\n99999999999=y\n1=z\n", 1},
                      TIndexCase{"LineWithoutEquals", "77\n", -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SparseLists, HugeIndexIsBoundedForTextListsAndCostsNothingForRecords) {
  const TSkinIni ini = Ini("[p]\nlistcount=2147483647\n2147483646=far\n0=near\n"
                           "[SKINOBJECTS]\ncount=2147483647\n2147483646=caption:caption\n1=b:button\n");
  std::vector<std::string> list;
  ReadList(ini, "p", "list", list);
  ASSERT_EQ(list.size(), static_cast<size_t>(kMaxListTexts));
  EXPECT_EQ(list[0], "near");
  TSkinNotifier notifier;
  TSkinData data(nullptr, &notifier);
  data.ReadSkinIni(ini);
  ASSERT_EQ(data.SkinObjects.size(), 2u);
  EXPECT_EQ(data.SkinObjects[0]->IDName, "b");
  EXPECT_EQ(data.SkinObjects[1]->IDName, "caption");
}

TEST(SparseLists, AbsentSectionHasNoIndex) {
  EXPECT_EQ(Ini("[a]\n0=x\n").LargestIndexKey("b"), -1);
  EXPECT_TRUE(Ini("[a]\n0=x\n").IndexKeys("b").empty());
}

TEST(SparseLists, IndexKeysAreAscendingAndEachOnce) {
  EXPECT_EQ(Ini("[s]\n10=a\n2=b\n10=c\n0=d\nname=e\n").IndexKeys("s"), (std::vector<int32_t>{0, 2, 10}));
}

TEST(SparseLists, SkinObjectWithAHighIndexIsMade) {
  TSkinNotifier notifier;
  TSkinData data(nullptr, &notifier);
  data.ReadSkinIni(Ini("[SKINOBJECTS]\ncount=100\n99=caption:caption\n[caption]\nskinrect=1,2,3,4\n"
                       "[SKINCONTROLS]\ncount=1000\n0=b:button\n500=t:button\n"));
  ASSERT_EQ(data.SkinObjects.size(), 1u);
  EXPECT_EQ(data.SkinObjects[0]->IDName, "caption");
  EXPECT_EQ(data.SkinObjects[0]->skinrect, (TRect{1, 2, 3, 4}));
  ASSERT_EQ(data.SkinControls.size(), 2u);
  EXPECT_EQ(data.SkinControls[1]->IDName, "t");
}

TEST(SparseLists, CountBelowTheHighIndexStillLimitsTheList) {
  TSkinNotifier notifier;
  TSkinData data(nullptr, &notifier);
  data.ReadSkinIni(Ini("[SKINOBJECTS]\ncount=99\n99=caption:caption\n"));
  EXPECT_TRUE(data.SkinObjects.empty());
}

}  // namespace
}  // namespace tavo::skin
