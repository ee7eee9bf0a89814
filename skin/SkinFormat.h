// Named constants of the stored skin container, the BMP file images inside
// it, the compressed skin file and the skin messages.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tavo::skin {

// Container versions: a loader accepts up to kMaxSkinVersion; version 2
// carries two extra flag-and-picture pairs after the mask; the builder
// writes kBuilderSkinVersion.
constexpr int32_t kMaxSkinVersion = 3;
constexpr int32_t kExtraPicturesVersion = 2;
constexpr int32_t kBuilderSkinVersion = 3;
constexpr int kExtraPictureCount = 2;

// A picture flag byte: this value means a BMP file image follows; any other
// value means the picture is empty and nothing follows.
constexpr uint8_t kPicturePresent = 0;
constexpr uint8_t kPictureAbsent = 1;

// Line end the builder writes after every INI line.
constexpr char kIniLineEnd[] = "\r\n";

// zlib streams move data in steps of this many bytes.
constexpr size_t kZlibChunkSize = 4096;

// BMP file images.
constexpr uint16_t kBmpSignature = 0x4D42;  // "BM", little-endian
constexpr uint32_t kBmpFileHeaderSize = 14;
constexpr uint32_t kBmpCoreHeaderSize = 12;
constexpr uint32_t kBmpInfoHeaderSize = 40;
constexpr uint32_t kBmpV5HeaderSize = 124;
constexpr uint32_t kBmpBitFieldsSize = 12;  // three 32-bit masks after a 40-byte header
constexpr uint32_t kBmpCoreColorSize = 3;   // RGBTRIPLE
constexpr uint32_t kBmpInfoColorSize = 4;   // RGBQUAD
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitFields = 3;
// Offsets inside the file header and a 40-byte (or larger) info header.
constexpr size_t kBfTypeOffset = 0;
constexpr size_t kBfSizeOffset = 2;
constexpr size_t kBfOffBitsOffset = 10;
constexpr size_t kBiWidthOffset = 4;
constexpr size_t kBiHeightOffset = 8;
constexpr size_t kBiPlanesOffset = 12;
constexpr size_t kBiBitCountOffset = 14;
constexpr size_t kBiCompressionOffset = 16;
constexpr size_t kBiSizeImageOffset = 20;
constexpr size_t kBiClrUsedOffset = 32;
constexpr size_t kBiRedMaskOffset = 40;  // V4/V5 headers keep their masks here
// Offsets inside a 12-byte core header.
constexpr size_t kBcWidthOffset = 4;
constexpr size_t kBcHeightOffset = 6;
constexpr size_t kBcPlanesOffset = 8;
constexpr size_t kBcBitCountOffset = 10;
// Largest picture we decode: a skin picture is a few hundred pixels a side;
// a header that claims more is damaged and must not make us allocate
// gigabytes.
constexpr int64_t kMaxBmpPixels = int64_t{1} << 24;
constexpr int32_t kMaxBmpSide = 1 << 15;

// The skin messages sent to windows; the first parameter is the skin data,
// the second kSkinMessageParam.
constexpr uint32_t MsgSkinChanging = 1225;
constexpr uint32_t MsgSkinChanged = 1226;
constexpr uint32_t MsgSkinChangedAfter = 1227;
constexpr uint32_t MsgResStringsChanged = 1274;
constexpr intptr_t kSkinMessageParam = 1000;

}  // namespace tavo::skin
