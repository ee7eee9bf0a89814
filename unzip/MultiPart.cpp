// Archives in several parts: opening another part, asking for a disk,
// checking a disk's volume label and naming the files of a split set.
#include <string>

#include "core/Exception.h"
#include "core/Mbcs.h"
#include "platform/CodePage.h"
#include "platform/File.h"
#include "platform/Ui.h"
#include "unzip/UnZip.h"

namespace tavo::zip {

namespace {

// The root ("A:\") of the drive a path starts with, upper-cased.
std::string DriveRoot(const std::string& path) { return UpperCaseMbcs(path.substr(0, 3), platform::AnsiCodePage()); }

}  // namespace

platform::TDriveType TUnZip::DriveTypeOf(const std::string& root) const { return platform::DriveType(root); }

std::string TUnZip::VolumeLabelOf(const std::string& root) const { return platform::VolumeLabel(root); }

bool TUnZip::IsRemovableArchiveDrive() const {
  if (zipName_.size() < 3 || zipName_[1] != ':') return false;
  const platform::TDriveType type = DriveTypeOf(DriveRoot(zipName_));
  return type == platform::TDriveType::Removable || type == platform::TDriveType::CDRom;
}

bool TUnZip::DiskLabelFits(int partNumber) const {
  if (MultiMode() != TMultiMode::mmSpan) return true;
  if (zipName_.size() < 3) return false;
  std::string label = VolumeLabelOf(DriveRoot(zipName_));
  if (label.size() > 11) label.resize(11);
  return label.size() >= 3 && label.compare(label.size() - 3, 3, Format("%3.3d", partNumber)) == 0;
}

void TUnZip::GetNextDisk(int nextDisk, std::string& fName) {
  if (OnGetNextDisk) {
    OnGetNextDisk(*this, nextDisk, fName);
    return;
  }
  if (MultiMode() != TMultiMode::mmSpan) return;
  std::string text = Format("Please insert disk %d of the multi-disk set.", nextDisk);
  if (text.size() > 255) text.resize(255);
  platform::TArrowCursor arrow;
  if (HandleMessage(184, text, "", 1) == 2) fName.clear();
}

void TUnZip::FileNameForSplitPart(std::string& fName, int partNumber, TSplitPartType splitType) {
  if (OnFileNameForSplitPart) {
    OnFileNameForSplitPart(*this, fName, partNumber, splitType);
    return;
  }
  if (BlockMode == TBlockMode::bmClassic)
    fName += Format(".%3.3d", partNumber);
  else if (splitType == TSplitPartType::spLast)
    fName += ".zip";
  else
    fName += Format(".zip.z%2.2d", partNumber);
}

void TUnZip::OpenPart(int partNumber) {
  FreeArchive();
  std::string fName = zipName_;
  if (MultiMode() == TMultiMode::mmBlocks) {
    const TSplitPartType type = partNumber == numberOfParts_ ? TSplitPartType::spLast
                                : partNumber == 1            ? TSplitPartType::spFirst
                                                             : TSplitPartType::spMiddle;
    fName = baseName_;
    FileNameForSplitPart(fName, partNumber, type);
  } else {
    // Ask until the disk holds the part: a wrong label or a missing file
    // repeats the request; an empty name is the user giving up.
    for (;;) {
      GetNextDisk(partNumber, fName);
      if (CheckDiskLabels() && !fName.empty() && !DiskLabelFits(partNumber)) continue;
      if (fName.empty()) throw EUserCanceled(kMsgCanceledNewDisk);
      if (!platform::FileExists(fName)) continue;
      break;
    }
  }
  archive_ = std::make_unique<TArchiveStream>(fName, platform::TFileShareMode::DenyNone);
  currentDisk_ = partNumber - 1;
  archiveDate_ = archive_->DosDateTime();
  archiveDateKnown_ = true;
  zipName_ = fName;
}

}  // namespace tavo::zip
