// The end record and its effective values.
#include "unzip/EndCentral.h"

#include "unzip/ZipFormat.h"

namespace tavo::zip {

void TEndCentral::Clear() {
  Signature = kEndCentralSignature;
  ThisDisk = CentralDirDisk = EntriesThisDisk = TotalEntries = 0;
  CentralDirSize = CentralDirOffset = 0;
  CommentLength = 0;
  Comment.reset();
  CommentPosition = 0;
  Locator.reset();
  Zip64End.reset();
}

uint32_t TEndCentral::EffectiveThisDisk() const {
  return ThisDisk == kSentinel16 && Zip64End ? Zip64End->ThisDisk : ThisDisk;
}

uint32_t TEndCentral::EffectiveCentralDirDisk() const {
  return CentralDirDisk == kSentinel16 && Zip64End ? Zip64End->CentralDirDisk : CentralDirDisk;
}

uint64_t TEndCentral::EffectiveTotalEntries() const {
  return TotalEntries == kSentinel16 && Zip64End ? Zip64End->TotalEntries : TotalEntries;
}

uint64_t TEndCentral::EffectiveCentralDirOffset() const {
  return CentralDirOffset == kSentinel32 && Zip64End ? Zip64End->CentralDirOffset : CentralDirOffset;
}

}  // namespace tavo::zip
