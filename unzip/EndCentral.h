// TEndCentral: the end-of-central-directory record with its comment and the
// Zip64 locator and end record, and the effective values drawn from them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tavo::zip {

struct TZip64Locator {
  uint32_t Signature = 0;
  uint32_t Zip64EndDisk = 0;
  uint64_t Zip64EndOffset = 0;
  uint32_t TotalDisks = 0;
};

// The first 56 bytes of the Zip64 end of central directory record.
struct TZip64EndCentral {
  uint32_t Signature = 0;
  uint64_t RecordSize = 0;
  uint16_t VersionMadeBy = 0;
  uint16_t VersionNeeded = 0;
  uint32_t ThisDisk = 0;
  uint32_t CentralDirDisk = 0;
  uint64_t EntriesThisDisk = 0;
  uint64_t TotalEntries = 0;
  uint64_t CentralDirSize = 0;
  uint64_t CentralDirOffset = 0;
};

class TEndCentral {
 public:
  TEndCentral() { Clear(); }

  uint32_t Signature = 0;
  uint16_t ThisDisk = 0;
  uint16_t CentralDirDisk = 0;
  uint16_t EntriesThisDisk = 0;
  uint16_t TotalEntries = 0;
  uint32_t CentralDirSize = 0;
  uint32_t CentralDirOffset = 0;
  uint16_t CommentLength = 0;
  std::unique_ptr<std::string> Comment;
  int64_t CommentPosition = 0;
  std::unique_ptr<TZip64Locator> Locator;
  std::unique_ptr<TZip64EndCentral> Zip64End;

  // Sets the signature, zeroes the fields, frees the comment and both Zip64
  // records.
  void Clear();
  // The 16-bit (32-bit) field, or the Zip64 end record's value when the
  // field holds its all-ones sentinel and that record is present.
  uint32_t EffectiveThisDisk() const;
  uint32_t EffectiveCentralDirDisk() const;
  uint64_t EffectiveTotalEntries() const;
  uint64_t EffectiveCentralDirOffset() const;
};

}  // namespace tavo::zip
