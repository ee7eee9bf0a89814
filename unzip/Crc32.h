// CRC-32 of APPNOTE and IEEE 802.3 (reflected polynomial 0xEDB88320).
#pragma once

#include <cstddef>
#include <cstdint>

namespace tavo::zip {

// The 256-entry table of the byte-at-a-time CRC-32.
extern const uint32_t kCrc32Table[256];

// One byte step on a running (not inverted) CRC value:
// crc := table[(crc xor byte) and 0xFF] xor (crc shr 8).
inline uint32_t Crc32Step(uint32_t crc, uint8_t byte) {
  return kCrc32Table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
}

// Adds `count` bytes to a running CRC value (start 0xFFFFFFFF, invert at the
// end); gives the same result as Crc32Step over every byte, only faster.
uint32_t Crc32Update(uint32_t crc, const uint8_t* data, size_t count);

}  // namespace tavo::zip
