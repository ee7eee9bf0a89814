// Writes screenshots as PNG files (8-bit RGB, zlib-compressed rows).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavo::e2e {

// Pixels are top-down rows of 0x00RRGGBB values (as a 32-bit DIB holds
// them); false when the file cannot be written.
bool WritePng(const std::wstring& path, int width, int height, const std::vector<uint32_t>& pixels);

// The PNG file's bytes for the same input.
std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint32_t>& pixels);

}  // namespace tavo::e2e
