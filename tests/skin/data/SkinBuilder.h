// Test fixtures for the skin data side: BMP file images and stored skin
// containers assembled byte by byte, with knobs to damage them.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tavo::skin::test {

using Bytes = std::vector<uint8_t>;

inline void Put16(Bytes& b, uint32_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}
inline void Put32(Bytes& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
inline void Append(Bytes& b, const Bytes& more) { b.insert(b.end(), more.begin(), more.end()); }

// A BMP file image. Pixel rows are filled with the byte pattern
// (row * 16 + column) & 0xFF over the whole padded row, bottom-up as stored.
struct TBmpLayout {
  int32_t width = 4;
  int32_t height = 3;
  uint16_t bits = 8;
  uint32_t headerSize = 40;  // 40 or 12
  uint32_t compression = 0;
  uint32_t clrUsed = 0;
  uint32_t sizeImage = 0;  // 0: computed
  uint16_t planes = 1;
  bool bitFields = false;  // add masks (compression 3)
  uint32_t masks[3] = {0xF800, 0x07E0, 0x001F};
  char signature[2] = {'B', 'M'};
  uint32_t extraPixelBytes = 0;  // beyond the computed rows, counted in sizeImage
};

inline uint32_t RowLength(int32_t width, int bits) { return ((static_cast<uint32_t>(width) * bits + 31) / 32) * 4; }

inline uint32_t PaletteCount(const TBmpLayout& s) {
  if (s.clrUsed != 0) return s.clrUsed;
  return s.bits <= 8 ? (1u << s.bits) : 0;
}

// Palette entry i is (blue i, green 2i, red 3i) modulo 256.
inline Bytes MakeBmp(const TBmpLayout& s) {
  const uint32_t absHeight = static_cast<uint32_t>(s.height < 0 ? -s.height : s.height);
  const uint32_t row = RowLength(s.width, s.bits);
  const uint32_t pixelBytes = row * absHeight + s.extraPixelBytes;
  const bool core = s.headerSize == 12;
  const uint32_t entry = core ? 3 : 4;
  const uint32_t masks = s.bitFields ? 12 : 0;
  const uint32_t off = 14 + s.headerSize + masks + PaletteCount(s) * entry;
  Bytes b;
  b.push_back(static_cast<uint8_t>(s.signature[0]));
  b.push_back(static_cast<uint8_t>(s.signature[1]));
  Put32(b, off + pixelBytes);
  Put32(b, 0);
  Put32(b, off);
  Put32(b, s.headerSize);
  if (core) {
    Put16(b, static_cast<uint32_t>(s.width));
    Put16(b, static_cast<uint32_t>(s.height));
    Put16(b, s.planes);
    Put16(b, s.bits);
  } else {
    Put32(b, static_cast<uint32_t>(s.width));
    Put32(b, static_cast<uint32_t>(s.height));
    Put16(b, s.planes);
    Put16(b, s.bits);
    Put32(b, s.bitFields ? 3 : s.compression);
    Put32(b, s.sizeImage != 0 ? s.sizeImage : (s.extraPixelBytes != 0 ? pixelBytes : 0));
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, s.clrUsed);
    Put32(b, 0);
    for (uint32_t i = 40; i < s.headerSize; ++i) b.push_back(0);
  }
  if (s.bitFields)
    for (uint32_t m : s.masks) Put32(b, m);
  for (uint32_t i = 0; i < PaletteCount(s); ++i) {
    b.push_back(static_cast<uint8_t>(i));
    b.push_back(static_cast<uint8_t>(2 * i));
    b.push_back(static_cast<uint8_t>(3 * i));
    if (!core) b.push_back(0);
  }
  for (uint32_t y = 0; y < absHeight; ++y)
    for (uint32_t x = 0; x < row; ++x) b.push_back(static_cast<uint8_t>((y * 16 + x) & 0xFF));
  for (uint32_t i = 0; i < s.extraPixelBytes; ++i) b.push_back(0xEE);
  return b;
}

// A stored skin container. Pictures are given as whole BMP images; an empty
// entry is written as flag byte 1 with nothing after it.
struct TContainerLayout {
  int32_t version = 1;
  Bytes picture, inactive, mask;
  std::vector<Bytes> extras;  // version 2: the two extra pictures
  std::vector<Bytes> active;
  std::string ini;
  uint8_t absentFlag = 1;
};

inline Bytes MakeContainer(const TContainerLayout& s) {
  Bytes b;
  Put32(b, static_cast<uint32_t>(s.version));
  auto flagged = [&](const Bytes& p) {
    if (p.empty()) {
      b.push_back(s.absentFlag);
    } else {
      b.push_back(0);
      Append(b, p);
    }
  };
  flagged(s.picture);
  flagged(s.inactive);
  flagged(s.mask);
  for (const Bytes& p : s.extras) flagged(p);
  Put32(b, static_cast<uint32_t>(s.active.size()));
  for (const Bytes& p : s.active) Append(b, p);
  b.insert(b.end(), s.ini.begin(), s.ini.end());
  return b;
}

// zlib's own one-shot compressor: an independent way to make CompressedData.
inline Bytes Compress(const Bytes& data, int level = 9) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  Bytes out(size);
  compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), level);
  out.resize(size);
  return out;
}

inline Bytes Uncompress(const Bytes& data, size_t expected) {
  Bytes out(expected + 1);
  uLongf size = static_cast<uLongf>(out.size());
  uncompress(out.data(), &size, data.data(), static_cast<uLong>(data.size()));
  out.resize(size);
  return out;
}

}  // namespace tavo::skin::test
