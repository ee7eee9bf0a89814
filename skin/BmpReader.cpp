// Reading and writing BMP file images by the length rule.
#include "skin/BmpReader.h"

#include <algorithm>
#include <cstring>

#include "skin/SkinExceptions.h"
#include "skin/SkinFormat.h"

namespace tavo::skin {

namespace {

bool IsKnownHeaderSize(uint32_t size) {
  // Core, info, and the later V2/V3/OS2-2/V4/V5 headers, which all begin
  // with the info header's fields.
  return size == kBmpCoreHeaderSize || size == kBmpInfoHeaderSize || size == 52 || size == 56 || size == 64 ||
         size == 108 || size == kBmpV5HeaderSize;
}

TPixelFormat FormatOf(int bits) {
  switch (bits) {
    case 1: return TPixelFormat::pf1bit;
    case 4: return TPixelFormat::pf4bit;
    case 8: return TPixelFormat::pf8bit;
    case 16: return TPixelFormat::pf16bit;
    case 24: return TPixelFormat::pf24bit;
    case 32: return TPixelFormat::pf32bit;
    default: throw EInvalidGraphic();
  }
}

// Position of the lowest set bit and the field's largest value.
uint8_t ScaleField(uint32_t value, uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  const uint64_t max = mask >> shift;
  return static_cast<uint8_t>(((value & mask) >> shift) * 255 / max);
}

}  // namespace

void ReadBmpImage(TMemoryStream& stream, TBitmap& bitmap) {
  bitmap = TBitmap();
  if (stream.Remaining() == 0) return;

  uint8_t fileHeader[kBmpFileHeaderSize];
  stream.ReadBuffer(fileHeader, sizeof fileHeader);
  if (GetU16(fileHeader + kBfTypeOffset) != kBmpSignature) throw EInvalidGraphic();

  uint8_t sizeField[4];
  stream.ReadBuffer(sizeField, sizeof sizeField);
  const uint32_t headerSize = GetU32(sizeField);
  if (!IsKnownHeaderSize(headerSize)) throw EInvalidGraphic();
  std::vector<uint8_t> header(headerSize);
  std::memcpy(header.data(), sizeField, 4);
  stream.ReadBuffer(header.data() + 4, headerSize - 4);

  const bool core = headerSize == kBmpCoreHeaderSize;
  int32_t width, height;
  int planes, bits;
  uint32_t compression = kBiRgb, sizeImage = 0, clrUsed = 0;
  if (core) {
    width = GetU16(header.data() + kBcWidthOffset);
    height = GetU16(header.data() + kBcHeightOffset);
    planes = GetU16(header.data() + kBcPlanesOffset);
    bits = GetU16(header.data() + kBcBitCountOffset);
  } else {
    width = GetI32(header.data() + kBiWidthOffset);
    height = GetI32(header.data() + kBiHeightOffset);
    planes = GetU16(header.data() + kBiPlanesOffset);
    bits = GetU16(header.data() + kBiBitCountOffset);
    compression = GetU32(header.data() + kBiCompressionOffset);
    sizeImage = GetU32(header.data() + kBiSizeImageOffset);
    clrUsed = GetU32(header.data() + kBiClrUsedOffset);
  }
  if (planes != 1) throw EInvalidGraphic();
  const TPixelFormat format = FormatOf(bits);
  const bool bitFields = compression == kBiBitFields && (bits == 16 || bits == 32);
  // Run-length pictures cannot be delimited inside a container; other
  // compressions (JPEG, PNG) are not bitmaps we draw.
  if (compression != kBiRgb && !bitFields) throw EInvalidGraphic();

  uint32_t redMask = 0, greenMask = 0, blueMask = 0;
  if (bitFields) {
    uint8_t masks[kBmpBitFieldsSize];
    if (headerSize == kBmpInfoHeaderSize) {
      stream.ReadBuffer(masks, sizeof masks);
    } else if (headerSize >= kBiRedMaskOffset + kBmpBitFieldsSize) {
      std::memcpy(masks, header.data() + kBiRedMaskOffset, sizeof masks);
    } else {
      throw EInvalidGraphic();
    }
    redMask = GetU32(masks);
    greenMask = GetU32(masks + 4);
    blueMask = GetU32(masks + 8);
  }

  uint64_t colorCount = clrUsed;
  if (colorCount == 0 && bits <= 8) colorCount = uint64_t{1} << bits;
  const uint32_t entrySize = core ? kBmpCoreColorSize : kBmpInfoColorSize;
  if (colorCount * entrySize > stream.Remaining()) throw EReadError();
  std::vector<uint8_t> table(static_cast<size_t>(colorCount * entrySize));
  stream.ReadBuffer(table.data(), table.size());

  const int64_t absHeight = height < 0 ? -static_cast<int64_t>(height) : height;
  if (width < 0 || width > kMaxBmpSide || absHeight > kMaxBmpSide ||
      static_cast<int64_t>(width) * absHeight > kMaxBmpPixels)
    throw EInvalidGraphic();
  const uint64_t rowLength = ((static_cast<uint64_t>(width) * bits + 31) / 32) * 4;
  uint64_t pixelBytes = sizeImage != 0 ? sizeImage : rowLength * static_cast<uint64_t>(absHeight);
  pixelBytes = std::min<uint64_t>(pixelBytes, stream.Remaining());
  std::vector<uint8_t> pixels(static_cast<size_t>(pixelBytes));
  stream.ReadBuffer(pixels.data(), pixels.size());

  if (width == 0 || absHeight == 0) return;
  const int h = static_cast<int>(absHeight);
  const TPixelFormat target = bitFields && bits == 32 ? TPixelFormat::pf32bit : format;
  TBitmap result(width, h, target);
  if (bits <= 8) {
    const size_t entries = std::min<uint64_t>(colorCount, uint64_t{1} << bits);
    auto& palette = result.Palette();
    palette.resize(entries);
    for (size_t i = 0; i < entries; ++i) {
      const uint8_t* e = table.data() + i * entrySize;
      palette[i] = TPaletteEntry{e[0], e[1], e[2], 0};
    }
  }
  if (bits == 16 && bitFields) {
    result.RedMask = redMask;
    result.GreenMask = greenMask;
    result.BlueMask = blueMask;
  }
  const size_t copy = std::min<size_t>(static_cast<size_t>(rowLength), static_cast<size_t>(result.Stride()));
  for (int y = 0; y < h; ++y) {
    const uint64_t offset = rowLength * static_cast<uint64_t>(y);
    if (offset >= pixels.size()) break;
    const int destRow = height > 0 ? h - 1 - y : y;
    uint8_t* dest = result.Row(destRow);
    const size_t n = std::min<size_t>(copy, pixels.size() - static_cast<size_t>(offset));
    std::memcpy(dest, pixels.data() + offset, n);
    if (bits == 32 && bitFields) {
      // Normalise any 32-bit mask layout to blue, green, red, unused.
      for (int x = 0; x < width && static_cast<size_t>(x) * 4 + 4 <= n; ++x) {
        const uint32_t v = GetU32(dest + x * 4);
        dest[x * 4 + 0] = ScaleField(v, blueMask);
        dest[x * 4 + 1] = ScaleField(v, greenMask);
        dest[x * 4 + 2] = ScaleField(v, redMask);
        dest[x * 4 + 3] = 0;
      }
    }
  }
  bitmap = std::move(result);
}

std::vector<uint8_t> WriteBmpImage(const TBitmap& bitmap) {
  const int bits = BitsPerPixel(bitmap.PixelFormat());
  const bool bitFields = bits == 16 && !(bitmap.RedMask == 0x7C00 && bitmap.GreenMask == 0x03E0 &&
                                         bitmap.BlueMask == 0x001F);
  // A palette picture without palette still gets a (black) table, so the
  // image stays readable by the length rule.
  uint32_t paletteEntries = bits <= 8 ? static_cast<uint32_t>(bitmap.Palette().size()) : 0;
  if (bits <= 8 && paletteEntries == 0) paletteEntries = 1u << bits;
  const uint32_t rowLength = static_cast<uint32_t>(bitmap.Stride());
  const uint32_t imageSize = rowLength * static_cast<uint32_t>(bitmap.Height());
  const uint32_t offBits =
      kBmpFileHeaderSize + kBmpInfoHeaderSize + (bitFields ? kBmpBitFieldsSize : 0) + paletteEntries * 4;
  std::vector<uint8_t> out;
  out.reserve(offBits + imageSize);
  PutU16(out, kBmpSignature);
  PutU32(out, offBits + imageSize);
  PutU32(out, 0);
  PutU32(out, offBits);
  PutU32(out, kBmpInfoHeaderSize);
  PutU32(out, static_cast<uint32_t>(bitmap.Width()));
  PutU32(out, static_cast<uint32_t>(bitmap.Height()));
  PutU16(out, 1);
  PutU16(out, static_cast<uint16_t>(bits));
  PutU32(out, bitFields ? kBiBitFields : kBiRgb);
  PutU32(out, imageSize);
  PutU32(out, 2835);  // 72 dots per inch
  PutU32(out, 2835);
  // A full palette is written as count 0 ("2^bits"), a shorter one by count.
  PutU32(out, bits <= 8 && paletteEntries == (1u << bits) ? 0 : paletteEntries);
  PutU32(out, 0);
  if (bitFields) {
    PutU32(out, bitmap.RedMask);
    PutU32(out, bitmap.GreenMask);
    PutU32(out, bitmap.BlueMask);
  }
  for (uint32_t i = 0; i < paletteEntries; ++i) {
    const TPaletteEntry e = i < bitmap.Palette().size() ? bitmap.Palette()[i] : TPaletteEntry{};
    out.insert(out.end(), {e.blue, e.green, e.red, 0});
  }
  for (int y = bitmap.Height() - 1; y >= 0; --y) {
    const uint8_t* row = bitmap.Row(y);
    out.insert(out.end(), row, row + rowLength);
  }
  return out;
}

}  // namespace tavo::skin
