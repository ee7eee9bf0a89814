// Stored-entry ZIP archives for tests.
#include "tests/app/StoredZip.h"

#include <zlib.h>

#include <cstdint>

namespace tavo::testing_support {
namespace {

void Put16(std::string& out, uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// 2024-05-01 12:00:00 as a DOS time and date.
constexpr uint32_t kDosTime = (12u << 11);
constexpr uint32_t kDosDate = ((2024u - 1980u) << 9) | (5u << 5) | 1u;

}  // namespace

std::string StoredZip(const std::vector<TStoredEntry>& entries) {
  std::string local, central;
  for (const auto& [rawName, content] : entries) {
    std::string name = rawName;
    for (char& c : name)
      if (c == '\\') c = '/';
    const auto crc = static_cast<uint32_t>(
        crc32(0L, reinterpret_cast<const Bytef*>(content.data()), static_cast<uInt>(content.size())));
    const auto size = static_cast<uint32_t>(content.size());
    const auto offset = static_cast<uint32_t>(local.size());
    Put32(local, 0x04034B50);
    Put16(local, 10);  // version needed
    Put16(local, 0);   // flags
    Put16(local, 0);   // stored
    Put16(local, kDosTime);
    Put16(local, kDosDate);
    Put32(local, crc);
    Put32(local, size);
    Put32(local, size);
    Put16(local, static_cast<uint32_t>(name.size()));
    Put16(local, 0);
    local += name;
    local += content;

    Put32(central, 0x02014B50);
    Put16(central, 20);  // made by: MS-DOS
    Put16(central, 10);
    Put16(central, 0);
    Put16(central, 0);
    Put16(central, kDosTime);
    Put16(central, kDosDate);
    Put32(central, crc);
    Put32(central, size);
    Put32(central, size);
    Put16(central, static_cast<uint32_t>(name.size()));
    Put16(central, 0);  // extra
    Put16(central, 0);  // comment
    Put16(central, 0);  // disk
    Put16(central, 0);  // internal attributes
    Put32(central, 0x20);  // archive attribute
    Put32(central, offset);
    central += name;
  }
  std::string out = local + central;
  Put32(out, 0x06054B50);
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, static_cast<uint32_t>(entries.size()));
  Put16(out, static_cast<uint32_t>(entries.size()));
  Put32(out, static_cast<uint32_t>(central.size()));
  Put32(out, static_cast<uint32_t>(local.size()));
  Put16(out, 0);
  return out;
}

}  // namespace tavo::testing_support
