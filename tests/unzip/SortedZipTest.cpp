// Entry lists: growth, index and duplicate errors, and the order of every
// sort mode, ties included.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Path.h"
#include "support/TestFiles.h"
#include "support/ZipBuilder.h"
#include "unzip/ObjectList.h"
#include "unzip/UnZip.h"

namespace tavo::test {
namespace {

using zip::TZipSortMode;

TEST(ObjectListTest, CapacityGrowsByFourEightThenSixteen) {
  // Capacity after n additions: 4 up to 4 items, then 8, 16, 32, 48.
  struct Case {
    int count, capacity;
  } cases[] = {{1, 4}, {4, 4}, {5, 8}, {8, 8}, {9, 16}, {16, 16}, {17, 32}, {33, 48}, {49, 64}};
  for (const Case& c : cases) {
    zip::TObjectList<int> list(true);
    for (int i = 0; i < c.count; ++i) list.Add(new int(i));
    EXPECT_EQ(list.Capacity(), c.capacity) << c.count;
  }
}

TEST(ObjectListTest, IndexAndDuplicateErrors) {
  zip::TSortedZip list(true, zip::TDuplicates::dupError);
  auto* a = new zip::TZipHeaderInfo;
  a->LocalHeaderOffset = 10;
  list.AddSorted(a);
  zip::TZipHeaderInfo b;
  b.LocalHeaderOffset = 10;
  try {
    list.AddSorted(&b);
    FAIL();
  } catch (const zip::EListError& e) {
    EXPECT_STREQ(e.what(), "Duplicate Object index");
  }
  try {
    list.Items(1);
    FAIL();
  } catch (const zip::EListError& e) {
    EXPECT_STREQ(e.what(), "Index 1 is out of range");
  }
  zip::TSortedZip ignoring(false, zip::TDuplicates::dupIgnore);
  EXPECT_EQ(ignoring.AddSorted(a), 0);
  EXPECT_EQ(ignoring.AddSorted(&b), -1);
  EXPECT_EQ(ignoring.Count(), 1);
}

// Entries in physical order; the test identifies them by their local header
// offsets, so that the expected orders below can be written down by hand.
struct EntryRow {
  const char* name;
  uint32_t date;
  size_t compressed, uncompressed;
};

const EntryRow kEntries[] = {
    // name          date                                 csize usize
    {"b/x.txt", DosDateTime(2020, 1, 1, 0, 0, 0), 50, 100},   // 0: rate 50
    {"A/y.txt", DosDateTime(2021, 1, 1, 0, 0, 0), 10, 100},   // 1: rate 10
    {"b/x.txt", DosDateTime(2020, 1, 1, 0, 0, 0), 80, 100},   // 2: equal name and date to 0, rate 80
    {"a/z.txt", DosDateTime(2019, 6, 1, 0, 0, 0), 50, 200},   // 3: rate 25
    {"c.txt", DosDateTime(2021, 1, 1, 0, 0, 0), 10, 0},       // 4: rate 0 (empty)
    {"a/x.txt", DosDateTime(2024, 2, 31, 0, 0, 0), 50, 100},  // 5: a date that names no day; rate 50
};

struct OrderCase {
  TZipSortMode mode;
  std::vector<int> order;  // physical indices in sorted order
};

class SortModeTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(SortModeTest, OrderMatchesTheTable) {
  ScratchDir dir;
  ZipBuilder b;
  for (const EntryRow& s : kEntries) {
    ZipEntry e;
    e.name = s.name;
    e.data = std::string(s.compressed, 'd');
    e.uncompressedSize = s.uncompressed;
    e.dosDateTime = s.date;
    b.Add(e);
  }
  WriteFile(dir / "s.zip", b.Build());
  zip::TUnZip u;
  u.SortMode = GetParam().mode;
  u.SetZipName(platform::EnginePath(dir / "s.zip"));
  u.LoadZipDirectory();
  std::vector<int> order;
  for (int i = 0; i < u.EntryCount(); ++i) {
    const uint64_t offset = u.Entry(i).EffectiveLocalHeaderOffset();
    for (size_t k = 0; k < b.localOffsets.size(); ++k)
      if (b.localOffsets[k] == offset) order.push_back(static_cast<int>(k));
  }
  EXPECT_EQ(order, GetParam().order);
  // Going back to physical order.
  u.ApplySortMode(TZipSortMode::ByNone);
  EXPECT_EQ(u.Entry(0).EffectiveLocalHeaderOffset(), 0u);
  EXPECT_EQ(u.SortMode, TZipSortMode::ByNone);
}

// Worked out by hand from the table above. Names compare with a-z folded to
// upper case, so "A/y" and "a/z" sort together; of equal keys the entry read
// later comes first for the name and rate modes, the earlier for the others.
INSTANTIATE_TEST_SUITE_P(
    AllModes, SortModeTest,
    ::testing::Values(OrderCase{TZipSortMode::ByName, {5, 1, 3, 2, 0, 4}},
                      OrderCase{TZipSortMode::ByFileName, {4, 5, 2, 0, 1, 3}},
                      OrderCase{TZipSortMode::ByDirectoryName, {4, 5, 3, 1, 2, 0}},
                      OrderCase{TZipSortMode::ByDate, {1, 4, 0, 2, 3, 5}},
                      OrderCase{TZipSortMode::ByCompressedSize, {2, 0, 3, 5, 1, 4}},
                      OrderCase{TZipSortMode::ByUnCompressedSize, {3, 0, 1, 2, 5, 4}},
                      OrderCase{TZipSortMode::ByRate, {2, 5, 0, 3, 1, 4}},
                      OrderCase{TZipSortMode::ByNone, {0, 1, 2, 3, 4, 5}}));

}  // namespace
}  // namespace tavo::test
