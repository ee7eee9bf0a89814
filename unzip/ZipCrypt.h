// PKWARE traditional encryption: the three keys, block decryption and the
// 12-byte encryption header check.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tavo::zip {

// TZipCrypt: the three 32-bit keys of the traditional ZIP encryption, set up
// from a password for each entry's header check and carried on through the
// entry's data. Portable; holds no buffers.
class TZipCrypt {
 public:
  static constexpr size_t kHeaderSize = 12;

  // Keys start at 0x12345678, 0x23456789, 0x34567890 and take in every byte
  // of the password (8-bit characters, in order).
  void SetUp(const std::string& password);
  void UpdateKeys(uint8_t plain);
  uint8_t DecryptByte() const {
    const uint32_t t = (keys_[2] & 0xFFFF) | 2;
    return static_cast<uint8_t>((t * (t ^ 1)) >> 8);
  }
  // Each byte c becomes p := c xor DecryptByte(), and the keys take in p.
  void DecryptBlock(uint8_t* buffer, size_t count);

  // The byte the last decrypted header byte must equal: the high byte of the
  // DOS time when bit 3 (data descriptor) is set, else the CRC's high byte.
  static uint8_t ExpectedCheckByte(uint16_t bitFlag, uint32_t crc32, uint32_t lastModDateTime);

  // Sets up the keys with `password` and decrypts a copy of the 12 header
  // bytes, leaving `header` untouched so the same bytes can be checked again
  // with another password. Returns true when the last decrypted byte equals
  // `expected`; the keys are then ready for the entry's data.
  bool CheckHeader(const std::string& password, const uint8_t* header, uint8_t expected);

  uint32_t Key(int i) const { return keys_[i]; }

 private:
  uint32_t keys_[3] = {0x12345678u, 0x23456789u, 0x34567890u};
};

}  // namespace tavo::zip
