// TZipHeaderInfo: the record describing one archive entry, with its Zip64
// extended information and the effective 64-bit values derived from it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tavo::zip {

enum class TOEMConvert { oemAlways, oemNever, oemFlexible };

// The Zip64 extended information block with all fields present (32 bytes).
struct TZip64Info {
  uint16_t Tag = 1;
  uint16_t DataSize = 28;
  uint64_t UncompressedSize = 0;
  uint64_t CompressedSize = 0;
  uint64_t LocalHeaderOffset = 0;
  uint32_t DiskStartNumber = 0;
};

class TZipHeaderInfo {
 public:
  TZipHeaderInfo() = default;
  explicit TZipHeaderInfo(TOEMConvert oemConvert) : OEMConvert(oemConvert) {}
  TZipHeaderInfo(const TZipHeaderInfo& other) { Assign(other); }
  TZipHeaderInfo& operator=(const TZipHeaderInfo& other) {
    if (this != &other) Assign(other);
    return *this;
  }
  // Copies every field but OEMConvert and the extra field position and
  // length; Zip64Info and FileComment become copies of their own.
  void Assign(const TZipHeaderInfo& other);

  uint16_t VersionMadeBy = 45;
  uint16_t VersionNeeded = 20;
  uint16_t BitFlag = 0;
  uint16_t CompressionMethod = 8;
  uint32_t LastModDateTime = 0;
  uint32_t Crc32 = 0xFFFFFFFF;
  uint32_t CompressedSize = 0;
  uint32_t UncompressedSize = 0;
  uint16_t FileNameLength = 0;
  uint16_t ExtraFieldLength = 0;
  uint16_t LocalExtraFieldLength = 0;
  uint16_t FileCommentLength = 0;
  uint16_t DiskNumberStart = 0;
  uint16_t InternalAttributes = 1;
  uint32_t ExternalAttributes = 32;
  uint32_t LocalHeaderOffset = 0;
  int64_t CentralHeaderOffset = 0;
  std::unique_ptr<TZip64Info> Zip64Info;
  std::unique_ptr<std::string> FileComment;
  bool Selected = false;
  TOEMConvert OEMConvert = TOEMConvert::oemAlways;
  int64_t ExtraFieldPosition = 0;
  uint16_t ExtraFieldSize = 0;
  // The stored name held bytes that are not UTF-8, or characters the ANSI
  // code page has no place for; "?" stands for them in the name. Such an
  // entry is listed but never written.
  bool NameReplaced = false;

  const std::string& FileName() const { return fileName_; }
  const std::string& Directory() const { return directory_; }
  void SetFileName(std::string name);
  // Appends "\" to a non-empty value that does not end in one.
  void SetDirectory(std::string directory);
  // Directory followed by FileName.
  std::string Path() const { return directory_ + fileName_; }
  bool Encrypted() const { return (BitFlag & 1) != 0; }

  // Effective values: the field, or the Zip64Info value when the field holds
  // its all-ones sentinel. An entry with a sentinel but no Zip64 block takes
  // the sentinel as the value: the number is then merely large, so that
  // reads past the end of the archive fail cleanly instead of wrapping.
  uint64_t EffectiveCompressedSize() const;
  uint64_t EffectiveUncompressedSize() const;
  uint64_t EffectiveLocalHeaderOffset() const;
  uint32_t EffectiveDiskNumberStart() const;
  // Setting a value of 0xFFFFFFFF or more stores it in Zip64Info and the
  // sentinel in the field.
  void SetEffectiveCompressedSize(uint64_t value);
  void SetEffectiveUncompressedSize(uint64_t value);
  void SetEffectiveLocalHeaderOffset(uint64_t value);
  void SetEffectiveDiskNumberStart(uint32_t value);
  TZip64Info& EnsureZip64Info();

 private:
  void UpdateNameLength();
  std::string fileName_;
  std::string directory_;
};

// Clamps the fields of a DOS date-time into range (hour 0-23, minute and
// second 0-59, year 1980-2099, month 1-12, day 1-31). A value with nothing
// out of range is returned unchanged; a zero date becomes 1 January 1980.
uint32_t SanitizeDosDateTime(uint32_t dosDateTime);

}  // namespace tavo::zip
