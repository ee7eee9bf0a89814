// TSortedZip: the sorted list of entry records, ordered by a TZipSortMode.
#pragma once

#include "unzip/ObjectList.h"
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

class TSortedZip : public TSortedObjectList<TZipHeaderInfo> {
 public:
  TSortedZip(bool ownsObjects, TDuplicates duplicates, TZipSortMode mode = TZipSortMode::ByNone)
      : TSortedObjectList(ownsObjects, duplicates), SortMode(mode) {}

  TZipSortMode SortMode;

 protected:
  int Compare(const TZipHeaderInfo& listed, const TZipHeaderInfo& added) const override;
};

// The names compared byte by byte with the ASCII letters a-z folded to upper
// case; negative, 0 or positive.
int CompareNamesFolded(const std::string& a, const std::string& b);
// Compressed size as a percentage of the uncompressed size, rounded and
// capped at 100; 0 for an empty entry.
int CompressionRate(const TZipHeaderInfo& entry);

}  // namespace tavo::zip
