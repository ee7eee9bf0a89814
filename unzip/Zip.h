// TZip: the extraction component the installer places on its window. It
// extracts exactly as TUnZip does and keeps its multi-part mode and
// check-disk-labels flag in its TMultiZipInfo.
#pragma once

#include "unzip/MultiZipInfo.h"
#include "unzip/UnZip.h"

namespace tavo::zip {

class TZip : public TUnZip {
 public:
  TZip() = default;

  const TMultiZipInfo& MultiZipInfo() const { return multiZipInfo_; }
  // Copies the fields of `value` (the component keeps its own object).
  void SetMultiZipInfo(const TMultiZipInfo& value);

  // Read from MultiZipInfo; setting writes MultiZipInfo and the base
  // component's own copy.
  TMultiMode MultiMode() const override;
  void SetMultiMode(TMultiMode mode) override;
  bool CheckDiskLabels() const override;
  void SetCheckDiskLabels(bool value) override;

  // After the properties were set from a stored form: the stored mode and
  // flag go through the setters, so both copies agree.
  void Loaded();

 private:
  TMultiZipInfo multiZipInfo_;
};

}  // namespace tavo::zip
