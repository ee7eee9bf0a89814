// The screenshot writer's PNG: chunk layout, CRCs and rows that inflate back
// to the pixels.
#include "tests/e2e/Png.h"

#include <gtest/gtest.h>

#include <zlib.h>

namespace tavo::e2e {
namespace {

uint32_t BigEndian(const std::vector<uint8_t>& b, size_t at) {
  return (uint32_t{b[at]} << 24) | (uint32_t{b[at + 1]} << 16) | (uint32_t{b[at + 2]} << 8) | b[at + 3];
}

TEST(PngTest, ChunksCarryTheirCrcsAndTheRowsInflateToThePixels) {
  const std::vector<uint32_t> pixels = {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00123456};
  const std::vector<uint8_t> png = EncodePng(2, 2, pixels);
  ASSERT_GT(png.size(), 8u + 25u + 12u + 12u);
  EXPECT_EQ(std::vector<uint8_t>(png.begin(), png.begin() + 8),
            (std::vector<uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
  size_t at = 8;
  std::vector<std::string> types;
  std::vector<uint8_t> idat;
  while (at + 12 <= png.size()) {
    const uint32_t length = BigEndian(png, at);
    const std::string type(png.begin() + at + 4, png.begin() + at + 8);
    types.push_back(type);
    const uLong crc = crc32(0L, png.data() + at + 4, 4 + length);
    EXPECT_EQ(BigEndian(png, at + 8 + length), crc) << type;
    if (type == "IHDR") {
      EXPECT_EQ(BigEndian(png, at + 8), 2u);
      EXPECT_EQ(BigEndian(png, at + 12), 2u);
      EXPECT_EQ(png[at + 16], 8);  // bits per sample
      EXPECT_EQ(png[at + 17], 2);  // RGB
    }
    if (type == "IDAT") idat.assign(png.begin() + at + 8, png.begin() + at + 8 + length);
    at += 12 + length;
  }
  EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  std::vector<uint8_t> raw(2 * (1 + 2 * 3));
  uLongf size = raw.size();
  ASSERT_EQ(uncompress(raw.data(), &size, idat.data(), idat.size()), Z_OK);
  EXPECT_EQ(raw, (std::vector<uint8_t>{0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0x12, 0x34, 0x56}));
}

}  // namespace
}  // namespace tavo::e2e
