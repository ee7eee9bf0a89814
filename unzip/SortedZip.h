// TSortedZip: an ordered view of entry records, by a TZipSortMode. Entries
// are appended in reading order and put in order by one sort, which places
// them exactly where inserting them one by one (each before the first listed
// entry that does not compare below it) would have.
#pragma once

#include <memory>
#include <vector>

#include "unzip/ZipHeaderInfo.h"

namespace tavo::zip {

enum class TZipSortMode {
  ByName,
  ByFileName,
  ByDirectoryName,
  ByDate,
  ByCompressedSize,
  ByUnCompressedSize,
  ByRate,
  ByNone
};

enum class TDuplicates { dupIgnore = 0, dupAccept = 1, dupError = 2 };

// Entry records owned by the component, in reading order.
using TEntryStore = std::vector<std::unique_ptr<TZipHeaderInfo>>;

// Refers to entries it does not own.
class TSortedZip {
 public:
  explicit TSortedZip(TZipSortMode mode = TZipSortMode::ByNone, TDuplicates duplicates = TDuplicates::dupAccept)
      : SortMode(mode), Duplicates(duplicates) {}

  int Count() const { return static_cast<int>(items_.size()); }
  // Throws EListError "Index %d is out of range".
  TZipHeaderInfo* Items(int index) const;
  // Appends in reading order; the view is in order again after Sort().
  void Append(TZipHeaderInfo* item) { items_.push_back(item); }
  // Orders the appended entries. Entries comparing equal are duplicates:
  // accepted, the later one dropped (dupIgnore), or EListError "Duplicate
  // Object index" (dupError, the view then left as it was appended).
  void Sort();
  // Index of an entry comparing equal to key in the sorted view, -1 when none.
  int Find(const TZipHeaderInfo& key) const;
  void Clear() { items_.clear(); }

  // compare(listed, added): negative, 0 or positive, per sort mode.
  int Compare(const TZipHeaderInfo& listed, const TZipHeaderInfo& added) const;

  TZipSortMode SortMode;
  TDuplicates Duplicates;

 private:
  // The appended entries' indexes in sorted order, duplicates side by side;
  // tied[k] tells that the k-th compares equal to the one before it.
  std::vector<size_t> InsertionOrder(std::vector<bool>& tied) const;
  std::vector<TZipHeaderInfo*> items_;
};

// The names compared byte by byte with the ASCII letters a-z folded to upper
// case; negative, 0 or positive.
int CompareNamesFolded(const std::string& a, const std::string& b);
// Compressed size as a percentage of the uncompressed size, rounded and
// capped at 100; 0 for an empty entry.
int CompressionRate(const TZipHeaderInfo& entry);

}  // namespace tavo::zip
