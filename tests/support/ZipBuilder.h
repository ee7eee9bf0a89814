// Writes ZIP archives byte by byte for tests, with a knob for every field so
// that damaged and unusual archives can be made where no tool makes them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavo::test {

// One entry. `data` is what follows the local header, exactly as stored
// (already compressed, already encrypted, encryption header included).
struct ZipEntry {
  std::string name;  // stored name bytes ("/" separators as tools write them)
  std::string data;
  uint16_t method = 0;
  uint32_t crc = 0;
  uint64_t uncompressedSize = 0;
  uint16_t flags = 0;
  uint16_t versionMadeBy = 20;  // high byte 0: MS-DOS host
  uint16_t versionNeeded = 20;
  uint32_t dosDateTime = 0x58C96000;  // 2024-06-09 12:00:00
  uint16_t internalAttributes = 0;
  uint32_t externalAttributes = 0x20;
  std::string localExtra;
  std::string centralExtra;
  std::string comment;
  uint32_t diskNumberStart = 0;

  // Write the sizes (and, with zip64Offset, the offset) as all-ones with a
  // Zip64 extended information block in the central (and local) extra field.
  bool zip64 = false;
  bool zip64Offset = false;
  // Set bit 3 and write a data descriptor with its signature after the data;
  // the local header then holds zero CRC and sizes.
  bool dataDescriptor = false;

  // Overrides of single fields, applied after everything else.
  std::optional<uint32_t> localCrc, localCompressedSize, localUncompressedSize;
  std::optional<uint16_t> localNameLength, localExtraLength, localVersionNeeded;
  std::optional<uint32_t> centralCrc, centralCompressedSize, centralUncompressedSize;
  std::optional<uint16_t> centralExtraLength;  // a wrong length knob
  std::optional<uint32_t> centralLocalHeaderOffset;
  std::optional<uint16_t> centralDiskNumberStart;
  std::optional<uint32_t> centralSignature;
  bool omitLocal = false;  // write no local header and data at all

  // Builders computing CRC and sizes from the plain content.
  static ZipEntry Stored(const std::string& name, const std::string& content);
  static ZipEntry Deflated(const std::string& name, const std::string& content, int level = 6);
  // Prefixes `data` with a traditional encryption header for `password` and
  // encrypts it; the check byte is the CRC's high byte, or the DOS time's
  // high byte when the entry uses a data descriptor. Call after setting
  // dataDescriptor.
  ZipEntry& Encrypt(const std::string& password);
};

// The archive. Build() lays out: prefix, local headers with data, the
// central directory, optional Zip64 end record and locator, the end record.
class ZipBuilder {
 public:
  ZipEntry& Add(ZipEntry entry);
  std::vector<ZipEntry>& Entries() { return entries_; }

  std::string prefix;   // bytes before the first local header (a program stub)
  std::string comment;  // archive comment
  bool zip64End = false;  // write a Zip64 end record and locator, end record fields all-ones
  bool omitCentral = false;
  bool omitEnd = false;
  std::string betweenDataAndCentral;  // bytes inserted after the last entry's data

  // End record overrides.
  std::optional<uint16_t> thisDisk, centralDirDisk, entriesThisDisk, totalEntries, commentLength;
  std::optional<uint32_t> centralDirSize, centralDirOffset;
  // Zip64 end record overrides.
  std::optional<uint32_t> zip64ThisDisk, zip64CentralDirDisk;
  std::optional<uint64_t> zip64TotalEntries;

  std::string Build();
  void WriteTo(const std::string& path);

  // Filled by Build(): where each entry's local header and central header
  // begin, where the central directory and end record begin.
  std::vector<uint64_t> localOffsets;
  std::vector<uint64_t> centralOffsets;
  uint64_t centralDirStart = 0;
  uint64_t endRecordStart = 0;

 private:
  std::vector<ZipEntry> entries_;
};

// Little-endian appenders.
void PutU16(std::string& out, uint32_t v);
void PutU32(std::string& out, uint32_t v);
void PutU64(std::string& out, uint64_t v);

// CRC-32 (zlib) of a byte string.
uint32_t Crc32(const std::string& data);
// Raw deflate (no zlib header), as stored in ZIP entries.
std::string DeflateRaw(const std::string& data, int level = 6);
// Traditional PKWARE encryption of `data` with a 12-byte header whose last
// byte is checkByte; the other header bytes are fixed, so output is stable.
std::string EncryptTraditional(const std::string& data, const std::string& password, uint8_t checkByte);
// A Zip64 extended information extra block holding the given values in order.
std::string Zip64Extra(const std::vector<uint64_t>& values64, std::optional<uint32_t> disk = std::nullopt);
// DOS date-time from its parts.
uint32_t DosDateTime(int year, int month, int day, int hour, int minute, int second);

}  // namespace tavo::test
