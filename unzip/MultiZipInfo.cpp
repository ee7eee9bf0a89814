// TMultiZipInfo: field-by-field copy.
#include "unzip/MultiZipInfo.h"

namespace tavo::zip {

void TMultiZipInfo::Assign(const TMultiZipInfo& source) {
  BlockSize = source.BlockSize;
  FirstBlockSize = source.FirstBlockSize;
  SaveOnFirstDisk = source.SaveOnFirstDisk;
  SaveZipInfoOnFirstDisk = source.SaveZipInfoOnFirstDisk;
  MultiMode = source.MultiMode;
  CheckDiskLabels = source.CheckDiskLabels;
  WriteDiskLabels = source.WriteDiskLabels;
}

}  // namespace tavo::zip
