// The entry record: copying, names and effective Zip64 values.
#include "unzip/ZipHeaderInfo.h"

#include <algorithm>
#include <utility>

#include "unzip/ZipFormat.h"

namespace tavo::zip {

void TZipHeaderInfo::Assign(const TZipHeaderInfo& other) {
  VersionMadeBy = other.VersionMadeBy;
  VersionNeeded = other.VersionNeeded;
  BitFlag = other.BitFlag;
  CompressionMethod = other.CompressionMethod;
  LastModDateTime = other.LastModDateTime;
  Crc32 = other.Crc32;
  CompressedSize = other.CompressedSize;
  UncompressedSize = other.UncompressedSize;
  FileNameLength = other.FileNameLength;
  ExtraFieldLength = other.ExtraFieldLength;
  LocalExtraFieldLength = other.LocalExtraFieldLength;
  FileCommentLength = other.FileCommentLength;
  DiskNumberStart = other.DiskNumberStart;
  InternalAttributes = other.InternalAttributes;
  ExternalAttributes = other.ExternalAttributes;
  LocalHeaderOffset = other.LocalHeaderOffset;
  CentralHeaderOffset = other.CentralHeaderOffset;
  Zip64Info = other.Zip64Info ? std::make_unique<TZip64Info>(*other.Zip64Info) : nullptr;
  FileComment = other.FileComment ? std::make_unique<std::string>(*other.FileComment) : nullptr;
  Selected = other.Selected;
  NameReplaced = other.NameReplaced;
  fileName_ = other.fileName_;
  directory_ = other.directory_;
}

void TZipHeaderInfo::SetFileName(std::string name) {
  fileName_ = std::move(name);
  UpdateNameLength();
}

void TZipHeaderInfo::SetDirectory(std::string directory) {
  directory_ = std::move(directory);
  if (!directory_.empty() && directory_.back() != '\\') directory_ += '\\';
  UpdateNameLength();
}

void TZipHeaderInfo::UpdateNameLength() {
  FileNameLength = static_cast<uint16_t>(std::min<size_t>(directory_.size() + fileName_.size(), 0xFFFF));
}

uint64_t TZipHeaderInfo::EffectiveCompressedSize() const {
  return CompressedSize == kSentinel32 && Zip64Info ? Zip64Info->CompressedSize : CompressedSize;
}

uint64_t TZipHeaderInfo::EffectiveUncompressedSize() const {
  return UncompressedSize == kSentinel32 && Zip64Info ? Zip64Info->UncompressedSize : UncompressedSize;
}

uint64_t TZipHeaderInfo::EffectiveLocalHeaderOffset() const {
  return LocalHeaderOffset == kSentinel32 && Zip64Info ? Zip64Info->LocalHeaderOffset : LocalHeaderOffset;
}

uint32_t TZipHeaderInfo::EffectiveDiskNumberStart() const {
  return DiskNumberStart == kSentinel16 && Zip64Info ? Zip64Info->DiskStartNumber : DiskNumberStart;
}

TZip64Info& TZipHeaderInfo::EnsureZip64Info() {
  if (!Zip64Info) Zip64Info = std::make_unique<TZip64Info>();
  return *Zip64Info;
}

void TZipHeaderInfo::SetEffectiveCompressedSize(uint64_t value) {
  if (value >= kSentinel32) {
    EnsureZip64Info().CompressedSize = value;
    CompressedSize = kSentinel32;
  } else {
    CompressedSize = static_cast<uint32_t>(value);
  }
}

void TZipHeaderInfo::SetEffectiveUncompressedSize(uint64_t value) {
  if (value >= kSentinel32) {
    EnsureZip64Info().UncompressedSize = value;
    UncompressedSize = kSentinel32;
  } else {
    UncompressedSize = static_cast<uint32_t>(value);
  }
}

void TZipHeaderInfo::SetEffectiveLocalHeaderOffset(uint64_t value) {
  if (value >= kSentinel32) {
    EnsureZip64Info().LocalHeaderOffset = value;
    LocalHeaderOffset = kSentinel32;
  } else {
    LocalHeaderOffset = static_cast<uint32_t>(value);
  }
}

void TZipHeaderInfo::SetEffectiveDiskNumberStart(uint32_t value) {
  if (value >= kSentinel16) {
    EnsureZip64Info().DiskStartNumber = value;
    DiskNumberStart = kSentinel16;
  } else {
    DiskNumberStart = static_cast<uint16_t>(value);
  }
}

uint32_t SanitizeDosDateTime(uint32_t dosDateTime) {
  const uint32_t date = dosDateTime >> 16;
  const uint32_t time = dosDateTime & 0xFFFF;
  uint32_t hour = time >> 11, minute = (time >> 5) & 0x3F, second = (time & 0x1F) * 2;
  uint32_t year = 1980 + (date >> 9), month = (date >> 5) & 0x0F, day = date & 0x1F;
  bool clamped = false;
  auto clamp = [&clamped](uint32_t& v, uint32_t lo, uint32_t hi) {
    if (v < lo) { v = lo; clamped = true; }
    if (v > hi) { v = hi; clamped = true; }
  };
  clamp(hour, 0, 23);
  clamp(minute, 0, 59);
  clamp(second, 0, 59);
  clamp(year, 1980, 2099);
  clamp(month, 1, 12);
  clamp(day, 1, 31);
  if (!clamped) return dosDateTime;
  const uint32_t newDate = (year - 1980) << 9 | month << 5 | day;
  const uint32_t newTime = hour << 11 | minute << 5 | second / 2;
  return newDate << 16 | newTime;
}

}  // namespace tavo::zip
