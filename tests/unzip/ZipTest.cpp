// TZip keeps its multi-part mode and label flag in its TMultiZipInfo; the
// split-part naming of the component; the copy of the settings object.
#include <gtest/gtest.h>

#include <string>

#include "unzip/Zip.h"

namespace tavo::test {
namespace {

using zip::TBlockMode;
using zip::TMultiMode;
using zip::TMultiZipInfo;
using zip::TSplitPartType;
using zip::TUnZip;
using zip::TZip;

TEST(ZipTest, MultiZipInfoDefaultsAndCopy) {
  TZip zip;
  const TMultiZipInfo& info = zip.MultiZipInfo();
  EXPECT_EQ(info.BlockSize, 1457600);
  EXPECT_EQ(info.FirstBlockSize, 0);
  EXPECT_EQ(info.SaveOnFirstDisk, 0);
  EXPECT_FALSE(info.SaveZipInfoOnFirstDisk);
  EXPECT_EQ(info.MultiMode, TMultiMode::mmNone);
  EXPECT_TRUE(info.CheckDiskLabels);
  EXPECT_TRUE(info.WriteDiskLabels);

  TMultiZipInfo other;
  other.BlockSize = 720000;
  other.FirstBlockSize = 1000;
  other.SaveOnFirstDisk = 2000;
  other.SaveZipInfoOnFirstDisk = true;
  other.MultiMode = TMultiMode::mmSpan;
  other.CheckDiskLabels = false;
  other.WriteDiskLabels = false;
  zip.SetMultiZipInfo(other);
  other.BlockSize = 1;  // the component holds a copy, not the object
  EXPECT_EQ(info.BlockSize, 720000);
  EXPECT_EQ(info.FirstBlockSize, 1000);
  EXPECT_EQ(info.SaveOnFirstDisk, 2000);
  EXPECT_TRUE(info.SaveZipInfoOnFirstDisk);
  EXPECT_FALSE(info.WriteDiskLabels);
  // The mode and flag read through the settings object.
  EXPECT_EQ(zip.MultiMode(), TMultiMode::mmSpan);
  EXPECT_FALSE(zip.CheckDiskLabels());
}

TEST(ZipTest, SettersWriteBothCopiesAndLoadedAppliesTheStoredValues) {
  TZip zip;
  zip.SetMultiMode(TMultiMode::mmBlocks);
  zip.SetCheckDiskLabels(false);
  EXPECT_EQ(zip.MultiZipInfo().MultiMode, TMultiMode::mmBlocks);
  EXPECT_FALSE(zip.MultiZipInfo().CheckDiskLabels);
  // The base component's own copy, as TUnZip's accessors see it.
  EXPECT_EQ(zip.TUnZip::MultiMode(), TMultiMode::mmBlocks);
  EXPECT_FALSE(zip.TUnZip::CheckDiskLabels());

  // A stored form sets the settings object; Loaded brings the base copy in line.
  TMultiZipInfo stored;
  stored.MultiMode = TMultiMode::mmSpan;
  stored.CheckDiskLabels = true;
  zip.SetMultiZipInfo(stored);
  EXPECT_EQ(zip.TUnZip::MultiMode(), TMultiMode::mmBlocks);
  zip.Loaded();
  EXPECT_EQ(zip.TUnZip::MultiMode(), TMultiMode::mmSpan);
  EXPECT_TRUE(zip.TUnZip::CheckDiskLabels());

  // Clearing the archive goes back to one part through the accessors.
  zip.ClearArchive();
  EXPECT_EQ(zip.MultiMode(), TMultiMode::mmNone);
  EXPECT_EQ(zip.MultiZipInfo().MultiMode, TMultiMode::mmNone);
}

// Exposes the naming step for the table below.
class NamingZip : public TZip {
 public:
  std::string Name(int part, TSplitPartType type) {
    std::string name = "C:\\x\\data";
    FileNameForSplitPart(name, part, type);
    return name;
  }
};

TEST(ZipTest, DefaultSplitPartNames) {
  struct Case {
    TBlockMode mode;
    int part;
    TSplitPartType type;
    const char* name;
  } cases[] = {
      {TBlockMode::bmStandard, 1, TSplitPartType::spFirst, "C:\\x\\data.zip.z01"},
      {TBlockMode::bmStandard, 2, TSplitPartType::spMiddle, "C:\\x\\data.zip.z02"},
      {TBlockMode::bmStandard, 3, TSplitPartType::spLast, "C:\\x\\data.zip"},
      {TBlockMode::bmStandard, 123, TSplitPartType::spMiddle, "C:\\x\\data.zip.z123"},
      {TBlockMode::bmClassic, 1, TSplitPartType::spFirst, "C:\\x\\data.001"},
      {TBlockMode::bmClassic, 2, TSplitPartType::spMiddle, "C:\\x\\data.002"},
      {TBlockMode::bmClassic, 3, TSplitPartType::spLast, "C:\\x\\data.003"},
  };
  for (const Case& c : cases) {
    NamingZip zip;
    zip.BlockMode = c.mode;
    EXPECT_EQ(zip.Name(c.part, c.type), c.name);
  }
}

}  // namespace
}  // namespace tavo::test
