// Every signature, record size, field offset and flag of the ZIP format the
// engine reads. All multi-byte fields are little-endian.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tavo::zip {

constexpr uint32_t kLocalHeaderSignature = 0x04034B50;
constexpr uint32_t kCentralHeaderSignature = 0x02014B50;
constexpr uint32_t kEndCentralSignature = 0x06054B50;
constexpr uint32_t kZip64EndCentralSignature = 0x06064B50;
constexpr uint32_t kZip64LocatorSignature = 0x07064B50;
constexpr uint32_t kDataDescriptorSignature = 0x08074B50;

// Sentinels meaning "the value is in the Zip64 records".
constexpr uint32_t kSentinel32 = 0xFFFFFFFF;
constexpr uint16_t kSentinel16 = 0xFFFF;

// General purpose bit flag.
constexpr uint16_t kFlagEncrypted = 0x0001;
constexpr uint16_t kFlagDataDescriptor = 0x0008;
// The name and the comment are UTF-8.
constexpr uint16_t kFlagUtf8 = 0x0800;

// Compression methods.
constexpr uint16_t kMethodStored = 0;
constexpr uint16_t kMethodShrunk = 1;
constexpr uint16_t kMethodReduced1 = 2;
constexpr uint16_t kMethodReduced4 = 5;
constexpr uint16_t kMethodImploded = 6;
constexpr uint16_t kMethodDeflated = 8;

// Host system (high byte of "version made by") whose names are in the OEM
// code page.
constexpr uint8_t kHostMsDos = 0;

// Local file header: 30 bytes.
constexpr size_t kLocalHeaderSize = 30;
namespace local {
constexpr size_t kSignature = 0;
constexpr size_t kVersionNeeded = 4;
constexpr size_t kBitFlag = 6;
constexpr size_t kMethod = 8;
constexpr size_t kDateTime = 10;  // time u16 then date u16
constexpr size_t kCrc32 = 14;
constexpr size_t kCompressedSize = 18;
constexpr size_t kUncompressedSize = 22;
constexpr size_t kNameLength = 26;
constexpr size_t kExtraLength = 28;
}  // namespace local

// Central directory file header: 46 bytes.
constexpr size_t kCentralHeaderSize = 46;
namespace central {
constexpr size_t kSignature = 0;
constexpr size_t kVersionMadeBy = 4;
constexpr size_t kVersionNeeded = 6;
constexpr size_t kBitFlag = 8;
constexpr size_t kMethod = 10;
constexpr size_t kDateTime = 12;
constexpr size_t kCrc32 = 16;
constexpr size_t kCompressedSize = 20;
constexpr size_t kUncompressedSize = 24;
constexpr size_t kNameLength = 28;
constexpr size_t kExtraLength = 30;
constexpr size_t kCommentLength = 32;
constexpr size_t kDiskNumberStart = 34;
constexpr size_t kInternalAttributes = 36;
constexpr size_t kExternalAttributes = 38;
constexpr size_t kLocalHeaderOffset = 42;
}  // namespace central

// End of central directory record: 22 bytes plus a comment of up to 65535.
constexpr size_t kEndCentralSize = 22;
constexpr size_t kMaxCommentLength = 65535;
constexpr size_t kEndSearchWindow = kEndCentralSize + kMaxCommentLength;  // 65557
namespace endrec {
constexpr size_t kSignature = 0;
constexpr size_t kThisDisk = 4;
constexpr size_t kCentralDirDisk = 6;
constexpr size_t kEntriesThisDisk = 8;
constexpr size_t kTotalEntries = 10;
constexpr size_t kCentralDirSize = 12;
constexpr size_t kCentralDirOffset = 16;
constexpr size_t kCommentLength = 20;
}  // namespace endrec

// Zip64 end of central directory locator: 20 bytes, just before the end record.
constexpr size_t kZip64LocatorSize = 20;
namespace locator {
constexpr size_t kSignature = 0;
constexpr size_t kZip64EndDisk = 4;
constexpr size_t kZip64EndOffset = 8;
constexpr size_t kTotalDisks = 16;
}  // namespace locator

// Zip64 end of central directory record: the 56 fixed bytes.
constexpr size_t kZip64EndCentralSize = 56;
namespace zip64end {
constexpr size_t kSignature = 0;
constexpr size_t kRecordSize = 4;
constexpr size_t kVersionMadeBy = 12;
constexpr size_t kVersionNeeded = 14;
constexpr size_t kThisDisk = 16;
constexpr size_t kCentralDirDisk = 20;
constexpr size_t kEntriesThisDisk = 24;
constexpr size_t kTotalEntries = 32;
constexpr size_t kCentralDirSize = 40;
constexpr size_t kCentralDirOffset = 48;
}  // namespace zip64end

// Extra field blocks: tag u16, data size u16, data.
constexpr size_t kExtraBlockHeaderSize = 4;
constexpr uint16_t kZip64ExtraTag = 0x0001;
// Info-ZIP Unicode Path block: version u8 (1), CRC-32 u32 of the stored
// name, then the UTF-8 name.
constexpr uint16_t kUnicodePathExtraTag = 0x7075;
constexpr uint8_t kUnicodePathVersion = 1;
constexpr size_t kUnicodePathHeaderSize = 5;
// The Zip64 extended information block with all its fields: 32 bytes.
constexpr size_t kZip64InfoSize = 32;

// Data descriptor with its signature: signature, CRC, two 32-bit sizes.
constexpr size_t kDataDescriptorSize = 16;

// Traditional encryption header preceding encrypted data.
constexpr size_t kEncryptionHeaderSize = 12;

// A self-extracting ".EXE" archive is rebuilt from this offset on, past its
// program stub.
constexpr int64_t kSfxScanStart = 14000;

// Little-endian field readers over a byte buffer.
inline uint16_t GetU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
inline uint32_t GetU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}
inline uint64_t GetU64(const uint8_t* p) { return GetU32(p) | static_cast<uint64_t>(GetU32(p + 4)) << 32; }

}  // namespace tavo::zip
