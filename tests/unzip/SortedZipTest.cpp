// Entry lists: index and duplicate errors, one sort against insertion, and the order of every
// sort mode, ties included.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/Path.h"
#include "support/TestFiles.h"
#include "support/ZipBuilder.h"
#include "unzip/UnZip.h"

namespace tavo::test {
namespace {

using zip::TZipSortMode;

TEST(SortedZipTest, IndexAndDuplicateErrors) {
  zip::TZipHeaderInfo a, b, c;
  a.LocalHeaderOffset = 10;
  b.LocalHeaderOffset = 10;
  c.LocalHeaderOffset = 5;
  zip::TSortedZip list(zip::TZipSortMode::ByNone, zip::TDuplicates::dupError);
  list.Append(&a);
  list.Append(&c);
  list.Sort();
  EXPECT_EQ(list.Items(0), &c);
  list.Append(&b);
  try {
    list.Sort();
    FAIL();
  } catch (const zip::EListError& e) {
    EXPECT_STREQ(e.what(), "Duplicate Object index");
  }
  try {
    list.Items(3);
    FAIL();
  } catch (const zip::EListError& e) {
    EXPECT_STREQ(e.what(), "Index 3 is out of range");
  }
  // Ignoring keeps the entry read first, at its place.
  zip::TSortedZip ignoring(zip::TZipSortMode::ByNone, zip::TDuplicates::dupIgnore);
  ignoring.Append(&b);
  ignoring.Append(&c);
  ignoring.Append(&a);
  ignoring.Sort();
  ASSERT_EQ(ignoring.Count(), 2);
  EXPECT_EQ(ignoring.Items(0), &c);
  EXPECT_EQ(ignoring.Items(1), &b);
  EXPECT_EQ(ignoring.Find(a), 1);
}

// The one-by-one insertion the sort stands for, written out: each entry goes
// before the first listed entry that does not compare below it.
std::vector<const zip::TZipHeaderInfo*> InsertOneByOne(const zip::TSortedZip& rules,
                                                      const std::vector<zip::TZipHeaderInfo>& entries) {
  std::vector<const zip::TZipHeaderInfo*> list;
  for (const auto& e : entries) {
    size_t at = 0;
    while (at < list.size() && rules.Compare(*list[at], e) < 0) ++at;
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), &e);
  }
  return list;
}

// Appends the entries in order, sorts once (duplicates accepted) and
// expects the list insertion one by one would have made.
void ExpectOneSortMatchesInsertion(TZipSortMode mode, std::vector<zip::TZipHeaderInfo>& entries) {
  zip::TSortedZip sorted(mode, zip::TDuplicates::dupAccept);
  for (auto& e : entries) sorted.Append(&e);
  sorted.Sort();
  const auto expected = InsertOneByOne(sorted, entries);
  ASSERT_EQ(sorted.Count(), static_cast<int>(expected.size()));
  for (int k = 0; k < sorted.Count(); ++k) ASSERT_EQ(sorted.Items(k), expected[static_cast<size_t>(k)]) << k;
}

TEST(SortedZipTest, OneSortPlacesEntriesWhereInsertionWould) {
  // Few distinct keys so that ties are everywhere; every mode, every seed.
  std::mt19937 random(7);
  for (int mode = 0; mode <= static_cast<int>(TZipSortMode::ByNone); ++mode) {
    for (int round = 0; round < 20; ++round) {
      std::vector<zip::TZipHeaderInfo> entries(40);
      for (size_t i = 0; i < entries.size(); ++i) {
        auto& e = entries[i];
        static const char* const kNames[] = {"a/x", "A/x", "b/y", "a/", "c"};
        const std::string name = kNames[random() % 5];
        const size_t slash = name.rfind('/');
        e.SetDirectory(slash == std::string::npos ? "" : name.substr(0, slash + 1));
        e.SetFileName(slash == std::string::npos ? name : name.substr(slash + 1));
        e.LastModDateTime = DosDateTime(2020 + static_cast<int>(random() % 3), 1, 1, 0, 0, 0);
        e.CompressedSize = static_cast<uint32_t>(random() % 4 * 10);
        e.UncompressedSize = static_cast<uint32_t>(random() % 3 * 20);
        // Physical order must not hold duplicates: distinct offsets there.
        e.LocalHeaderOffset = static_cast<uint32_t>(mode == static_cast<int>(TZipSortMode::ByNone)
                                                        ? (i * 7919) % 101 : random() % 4);
        e.DiskNumberStart = static_cast<uint16_t>(random() % 2);
      }
      SCOPED_TRACE("mode " + std::to_string(mode) + " round " + std::to_string(round));
      ExpectOneSortMatchesInsertion(static_cast<TZipSortMode>(mode), entries);
      if (HasFatalFailure()) return;
    }
  }
}

TEST(SortedZipTest, PhysicalOrderWithTiesRunsAndLargeValues) {
  // Physical order sorts by keys taken once; ties (accepted duplicates), an
  // input already in order, one out of place at the end, and Zip64 values
  // must all land where insertion puts them.
  std::mt19937 random(11);
  const auto fill = [&](std::vector<zip::TZipHeaderInfo>& entries, int layout) {
    for (size_t i = 0; i < entries.size(); ++i) {
      auto& e = entries[i];
      switch (layout) {
        case 0:  // few places: ties everywhere
          e.LocalHeaderOffset = static_cast<uint32_t>(random() % 5);
          e.DiskNumberStart = static_cast<uint16_t>(random() % 2);
          break;
        case 1:  // rising
          e.LocalHeaderOffset = static_cast<uint32_t>(i * 10);
          break;
        case 2:  // rising, then one repeating the first place
          e.LocalHeaderOffset = static_cast<uint32_t>(i + 1 == entries.size() ? 0 : i * 10);
          break;
        default:  // offsets past 4 GB on descending parts
          e.SetEffectiveLocalHeaderOffset((uint64_t{1} << 33) - i * 3 % 7);
          e.SetEffectiveDiskNumberStart(static_cast<uint32_t>(70000 - i % 3));
          break;
      }
    }
  };
  for (int layout = 0; layout < 4; ++layout) {
    for (int round = 0; round < 10; ++round) {
      std::vector<zip::TZipHeaderInfo> entries(30);
      fill(entries, layout);
      SCOPED_TRACE("layout " + std::to_string(layout) + " round " + std::to_string(round));
      ExpectOneSortMatchesInsertion(TZipSortMode::ByNone, entries);
      if (HasFatalFailure()) return;
    }
  }
}

TEST(SortedZipTest, ReversedDirectoryReadsInPhysicalAndNameOrder) {
  // A central directory listing its entries from the last offset to the
  // first, with names in falling order: the shape that made one-by-one
  // insertion quadratic (the time is measured by the listing benchmark).
  ScratchDir dir;
  ZipBuilder b;
  const int n = 65000;  // within the 16-bit entry count of the end record
  for (int i = 0; i < n; ++i) {
    ZipEntry e;
    e.name = "d/" + std::to_string(2000000 - i);
    e.omitLocal = true;
    e.centralLocalHeaderOffset = static_cast<uint32_t>((n - i) * 64);
    b.Add(e);
  }
  WriteFile(dir / "r.zip", b.Build());
  zip::TUnZip u;
  u.DoProcessMessages = false;
  u.SetZipName(platform::EnginePath(dir / "r.zip"));
  u.LoadZipDirectory();
  ASSERT_EQ(u.EntryCount(), n);
  for (int k = 0; k < n; ++k) ASSERT_EQ(u.Entry(k).EffectiveLocalHeaderOffset(), static_cast<uint64_t>(k + 1) * 64);
  u.ApplySortMode(TZipSortMode::ByName);
  for (int k = 0; k < n; ++k) ASSERT_EQ(u.Entry(k).FileName(), std::to_string(2000000 - n + 1 + k));
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
