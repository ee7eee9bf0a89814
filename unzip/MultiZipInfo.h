// TMultiZipInfo: the multi-part settings that TZip keeps. Only MultiMode and
// CheckDiskLabels affect extraction; the rest are held and copied for the
// writing side, which this engine does not have.
#pragma once

#include <cstdint>

#include "unzip/UnZip.h"

namespace tavo::zip {

class TMultiZipInfo {
 public:
  int64_t BlockSize = 1457600;
  int64_t FirstBlockSize = 0;
  int64_t SaveOnFirstDisk = 0;
  bool SaveZipInfoOnFirstDisk = false;
  TMultiMode MultiMode = TMultiMode::mmNone;
  bool CheckDiskLabels = true;
  bool WriteDiskLabels = true;

  // Copies every field of `source`.
  void Assign(const TMultiZipInfo& source);
};

}  // namespace tavo::zip
