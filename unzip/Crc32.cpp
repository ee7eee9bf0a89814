// CRC-32 table and block update.
#include "unzip/Crc32.h"

#include <zlib.h>

#include <array>

namespace tavo::zip {
namespace {

constexpr std::array<uint32_t, 256> MakeTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

constexpr std::array<uint32_t, 256> kTable = MakeTable();

}  // namespace

const uint32_t kCrc32Table[256] = {
#define TAVO_ROW(i) kTable[i], kTable[i + 1], kTable[i + 2], kTable[i + 3], \
                    kTable[i + 4], kTable[i + 5], kTable[i + 6], kTable[i + 7]
    TAVO_ROW(0),   TAVO_ROW(8),   TAVO_ROW(16),  TAVO_ROW(24),  TAVO_ROW(32),  TAVO_ROW(40),
    TAVO_ROW(48),  TAVO_ROW(56),  TAVO_ROW(64),  TAVO_ROW(72),  TAVO_ROW(80),  TAVO_ROW(88),
    TAVO_ROW(96),  TAVO_ROW(104), TAVO_ROW(112), TAVO_ROW(120), TAVO_ROW(128), TAVO_ROW(136),
    TAVO_ROW(144), TAVO_ROW(152), TAVO_ROW(160), TAVO_ROW(168), TAVO_ROW(176), TAVO_ROW(184),
    TAVO_ROW(192), TAVO_ROW(200), TAVO_ROW(208), TAVO_ROW(216), TAVO_ROW(224), TAVO_ROW(232),
    TAVO_ROW(240), TAVO_ROW(248)
#undef TAVO_ROW
};

uint32_t Crc32Update(uint32_t crc, const uint8_t* data, size_t count) {
  // zlib's crc32 works on the finished (inverted) value and is sliced for
  // speed; feed it in chunks that fit its 32-bit length argument.
  uLong z = ~crc & 0xFFFFFFFFu;
  while (count > 0) {
    const uInt n = count > 0x40000000u ? 0x40000000u : static_cast<uInt>(count);
    z = crc32(z, data, n);
    data += n;
    count -= n;
  }
  return ~static_cast<uint32_t>(z);
}

}  // namespace tavo::zip
