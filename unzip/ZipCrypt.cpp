// PKWARE traditional decryption.
#include "unzip/ZipCrypt.h"

#include <cstring>

#include "unzip/Crc32.h"

namespace tavo::zip {

void TZipCrypt::SetUp(const std::string& password) {
  keys_[0] = 0x12345678u;
  keys_[1] = 0x23456789u;
  keys_[2] = 0x34567890u;
  for (char c : password) UpdateKeys(static_cast<uint8_t>(c));
}

void TZipCrypt::UpdateKeys(uint8_t plain) {
  keys_[0] = Crc32Step(keys_[0], plain);
  keys_[1] = (keys_[1] + (keys_[0] & 0xFF)) * 134775813u + 1;
  keys_[2] = Crc32Step(keys_[2], static_cast<uint8_t>(keys_[1] >> 24));
}

void TZipCrypt::DecryptBlock(uint8_t* buffer, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const uint8_t p = buffer[i] ^ DecryptByte();
    UpdateKeys(p);
    buffer[i] = p;
  }
}

uint8_t TZipCrypt::ExpectedCheckByte(uint16_t bitFlag, uint32_t crc32, uint32_t lastModDateTime) {
  if (bitFlag & 0x0008) return static_cast<uint8_t>(lastModDateTime >> 8);
  return static_cast<uint8_t>(crc32 >> 24);
}

bool TZipCrypt::CheckHeader(const std::string& password, const uint8_t* header, uint8_t expected) {
  uint8_t copy[kHeaderSize];
  std::memcpy(copy, header, kHeaderSize);
  SetUp(password);
  DecryptBlock(copy, kHeaderSize);
  return copy[kHeaderSize - 1] == expected;
}

}  // namespace tavo::zip
