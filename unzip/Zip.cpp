// TZip: multi-part settings kept in TMultiZipInfo.
#include "unzip/Zip.h"

namespace tavo::zip {

void TZip::SetMultiZipInfo(const TMultiZipInfo& value) { multiZipInfo_.Assign(value); }

TMultiMode TZip::MultiMode() const { return multiZipInfo_.MultiMode; }

void TZip::SetMultiMode(TMultiMode mode) {
  multiZipInfo_.MultiMode = mode;
  TUnZip::SetMultiMode(mode);
}

bool TZip::CheckDiskLabels() const { return multiZipInfo_.CheckDiskLabels; }

void TZip::SetCheckDiskLabels(bool value) {
  multiZipInfo_.CheckDiskLabels = value;
  TUnZip::SetCheckDiskLabels(value);
}

void TZip::Loaded() {
  SetCheckDiskLabels(multiZipInfo_.CheckDiskLabels);
  SetMultiMode(multiZipInfo_.MultiMode);
}

}  // namespace tavo::zip
