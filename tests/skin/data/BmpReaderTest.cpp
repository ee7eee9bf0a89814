// BMP file images inside a container: the exact length rule over every bit
// depth and header kind, decoding, damage, and writing back.
#include <gtest/gtest.h>

#include "skin/BmpReader.h"
#include "skin/SkinExceptions.h"
#include "skin/data/SkinBuilder.h"

namespace tavo::skin {
namespace {

using test::Bytes;
using test::MakeBmp;
using test::TBmpLayout;

uint8_t StoredByte(uint32_t row, uint32_t k) { return static_cast<uint8_t>((row * 16 + k) & 0xFF); }

// The colour the builder's bytes stand for at (x, y) of the decoded picture.
TColor Expected(const TBmpLayout& s, int x, int y) {
  const int h = s.height < 0 ? -s.height : s.height;
  const uint32_t r = s.height > 0 ? static_cast<uint32_t>(h - 1 - y) : static_cast<uint32_t>(y);
  const uint32_t ux = static_cast<uint32_t>(x);
  auto palette = [](uint32_t i) { return RGB(static_cast<uint8_t>(3 * i), static_cast<uint8_t>(2 * i), static_cast<uint8_t>(i)); };
  switch (s.bits) {
    case 1: return palette((StoredByte(r, ux / 8) >> (7 - ux % 8)) & 1);
    case 4: return palette((StoredByte(r, ux / 2) >> (ux % 2 ? 0 : 4)) & 15);
    case 8: return palette(StoredByte(r, ux));
    case 16: {
      const uint32_t v = StoredByte(r, 2 * ux) | (StoredByte(r, 2 * ux + 1) << 8);
      const bool f = s.bitFields;  // 5-6-5 in the tests that use bit fields
      const uint32_t rr = f ? (v >> 11) & 31 : (v >> 10) & 31;
      const uint32_t gg = f ? (v >> 5) & 63 : (v >> 5) & 31;
      const uint32_t bb = v & 31;
      return RGB(static_cast<uint8_t>(rr * 255 / 31), static_cast<uint8_t>(gg * 255 / (f ? 63 : 31)),
                 static_cast<uint8_t>(bb * 255 / 31));
    }
    case 24: return RGB(StoredByte(r, 3 * ux + 2), StoredByte(r, 3 * ux + 1), StoredByte(r, 3 * ux));
    case 32:
      if (s.bitFields)  // masks red 0xFF, green 0xFF00, blue 0xFF0000
        return RGB(StoredByte(r, 4 * ux), StoredByte(r, 4 * ux + 1), StoredByte(r, 4 * ux + 2));
      return RGB(StoredByte(r, 4 * ux + 2), StoredByte(r, 4 * ux + 1), StoredByte(r, 4 * ux));
  }
  return 0;
}

struct TDecodeCase {
  const char* name;
  TBmpLayout layout;
  TPixelFormat format;
};

TBmpLayout Layout(int bits, int w, int h) {
  TBmpLayout s;
  s.bits = static_cast<uint16_t>(bits);
  s.width = w;
  s.height = h;
  return s;
}

std::vector<TDecodeCase> DecodeCases() {
  std::vector<TDecodeCase> cases = {
      {"1bit", Layout(1, 19, 3), TPixelFormat::pf1bit},
      {"4bit", Layout(4, 7, 4), TPixelFormat::pf4bit},
      {"8bit", Layout(8, 5, 3), TPixelFormat::pf8bit},
      {"16bit555", Layout(16, 3, 2), TPixelFormat::pf16bit},
      {"24bit", Layout(24, 5, 3), TPixelFormat::pf24bit},
      {"32bit", Layout(32, 3, 2), TPixelFormat::pf32bit},
      {"8bitTopDown", Layout(8, 6, -4), TPixelFormat::pf8bit},
  };
  TBmpLayout s565 = Layout(16, 3, 2);
  s565.bitFields = true;
  cases.push_back({"16bit565BitFields", s565, TPixelFormat::pf16bit});
  TBmpLayout s32 = Layout(32, 2, 2);
  s32.bitFields = true;
  s32.masks[0] = 0x000000FF;
  s32.masks[1] = 0x0000FF00;
  s32.masks[2] = 0x00FF0000;
  cases.push_back({"32bitBitFieldsSwapped", s32, TPixelFormat::pf32bit});
  TBmpLayout core8 = Layout(8, 5, 3);
  core8.headerSize = 12;
  cases.push_back({"core8bit", core8, TPixelFormat::pf8bit});
  TBmpLayout core24 = Layout(24, 3, 2);
  core24.headerSize = 12;
  cases.push_back({"core24bit", core24, TPixelFormat::pf24bit});
  TBmpLayout used = Layout(8, 4, 2);
  used.clrUsed = 20;  // short palette: 20 entries, not 256
  cases.push_back({"8bitClrUsed20", used, TPixelFormat::pf8bit});
  TBmpLayout extra = Layout(24, 2, 2);
  extra.extraPixelBytes = 6;  // image size field larger than the rows
  cases.push_back({"24bitSizeImageBeyondRows", extra, TPixelFormat::pf24bit});
  TBmpLayout table24 = Layout(24, 2, 2);
  table24.clrUsed = 3;  // a colour table before true-colour pixels is skipped
  cases.push_back({"24bitWithColourTable", table24, TPixelFormat::pf24bit});
  TBmpLayout v4 = Layout(8, 3, 2);
  v4.headerSize = 108;
  cases.push_back({"v4Header8bit", v4, TPixelFormat::pf8bit});
  return cases;
}

class BmpDecode : public ::testing::TestWithParam<TDecodeCase> {};

TEST_P(BmpDecode, ConsumesExactlyItsLengthAndKeepsDepth) {
  const TDecodeCase& c = GetParam();
  Bytes data = MakeBmp(c.layout);
  const size_t length = data.size();
  data.insert(data.end(), {'X', 'Y', 'Z'});  // whatever follows must stay unread
  TMemoryStream stream(data);
  TBitmap bitmap;
  ReadBmpImage(stream, bitmap);
  EXPECT_EQ(static_cast<size_t>(stream.Position()), length);
  const int h = c.layout.height < 0 ? -c.layout.height : c.layout.height;
  ASSERT_EQ(bitmap.Width(), c.layout.width);
  ASSERT_EQ(bitmap.Height(), h);
  EXPECT_EQ(bitmap.PixelFormat(), c.format);
  if (c.layout.bits <= 8) {
    const uint32_t entries = std::min(test::PaletteCount(c.layout), 1u << c.layout.bits);
    EXPECT_EQ(bitmap.Palette().size(), entries);
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < c.layout.width; ++x)
      ASSERT_EQ(bitmap.Pixel(x, y), Expected(c.layout, x, y)) << "at " << x << "," << y;
}

TEST_P(BmpDecode, WritesBackWhatItRead) {
  TMemoryStream stream(MakeBmp(GetParam().layout));
  TBitmap first;
  ReadBmpImage(stream, first);
  const Bytes written = WriteBmpImage(first);
  // The written file header's size field is the length the rule consumes.
  EXPECT_EQ(written[2] | (written[3] << 8) | (written[4] << 16) | (written[5] << 24),
            static_cast<int>(written.size()));
  TMemoryStream again(written);
  TBitmap second;
  ReadBmpImage(again, second);
  EXPECT_EQ(static_cast<size_t>(again.Position()), written.size());
  ASSERT_EQ(second.Width(), first.Width());
  ASSERT_EQ(second.PixelFormat(), first.PixelFormat());
  for (int y = 0; y < first.Height(); ++y)
    for (int x = 0; x < first.Width(); ++x) ASSERT_EQ(second.Pixel(x, y), first.Pixel(x, y));
}

INSTANTIATE_TEST_SUITE_P(Depths, BmpDecode, ::testing::ValuesIn(DecodeCases()),
                         [](const auto& info) { return std::string(info.param.name); });

struct TDamageCase {
  const char* name;
  Bytes data;
  const char* message;
};

// The image with one 32-bit field overwritten (header fields the builder
// would otherwise honour by writing gigabytes).
Bytes Patched(Bytes data, size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i) data[offset + i] = static_cast<uint8_t>(value >> (8 * i));
  return data;
}

std::vector<TDamageCase> DamageCases() {
  const Bytes good = MakeBmp(Layout(8, 4, 2));  // 14 + 40 + 1024 + 8 bytes
  auto cut = [&](size_t n) { return Bytes(good.begin(), good.begin() + static_cast<long>(n)); };
  auto with = [](auto change) {
    TBmpLayout s = Layout(8, 4, 2);
    change(s);
    return MakeBmp(s);
  };
  return {
      {"NotBM", with([](TBmpLayout& s) { s.signature[0] = 'M'; }), "Bitmap image is not valid"},
      {"TwoPlanes", with([](TBmpLayout& s) { s.planes = 2; }), "Bitmap image is not valid"},
      {"BitCount7", with([](TBmpLayout& s) { s.bits = 7; }), "Bitmap image is not valid"},
      {"RunLength8", with([](TBmpLayout& s) { s.compression = 1; }), "Bitmap image is not valid"},
      {"HeaderSize20", with([](TBmpLayout& s) { s.headerSize = 20; }), "Bitmap image is not valid"},
      {"EndsInFileHeader", cut(10), "Stream read error"},
      {"EndsInInfoHeader", cut(14 + 20), "Stream read error"},
      {"EndsInColourTable", cut(14 + 40 + 500), "Stream read error"},
      {"HugeClrUsed", Patched(good, 14 + 32, 0x40000000), "Stream read error"},
      {"AbsurdSize", Patched(Patched(good, 14 + 4, 30000), 14 + 8, 30000), "Bitmap image is not valid"},
  };
}

class BmpDamage : public ::testing::TestWithParam<TDamageCase> {};

TEST_P(BmpDamage, RaisesItsMessage) {
  TMemoryStream stream(GetParam().data);
  TBitmap bitmap;
  try {
    ReadBmpImage(stream, bitmap);
    FAIL() << "no error";
  } catch (const ESkinException& e) {
    EXPECT_STREQ(e.what(), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(Damage, BmpDamage, ::testing::ValuesIn(DamageCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BmpReader, PixelsCutShortTakeWhatRemains) {
  const Bytes good = MakeBmp(Layout(8, 4, 3));  // rows of 4 bytes, bottom-up
  const size_t header = 14 + 40 + 1024;
  Bytes data(good.begin(), good.begin() + static_cast<long>(header + 6));  // one row and a half
  TMemoryStream stream(data);
  TBitmap bitmap;
  ReadBmpImage(stream, bitmap);
  EXPECT_EQ(stream.Remaining(), 0u);
  ASSERT_EQ(bitmap.Height(), 3);
  // The bottom row (stored first) is whole; of the middle row two pixels came.
  EXPECT_EQ(bitmap.Row(2)[3], StoredByte(0, 3));
  EXPECT_EQ(bitmap.Row(1)[1], StoredByte(1, 1));
  EXPECT_EQ(bitmap.Row(1)[2], 0);
  EXPECT_EQ(bitmap.Row(0)[0], 0);
}

TEST(BmpReader, NothingLeftGivesAnEmptyPicture) {
  TMemoryStream stream;
  TBitmap bitmap(3, 3);
  ReadBmpImage(stream, bitmap);
  EXPECT_TRUE(bitmap.Empty());
}

TEST(BmpReader, BackToBackPicturesSplitByTheirHeadersAlone) {
  TBmpLayout a = Layout(1, 9, 2), b = Layout(24, 2, 3);
  Bytes first = MakeBmp(a);
  first[2] = first[3] = 0;  // the size field is not what delimits a picture
  Bytes data = first;
  test::Append(data, MakeBmp(b));
  TMemoryStream stream(data);
  TBitmap p1, p2;
  ReadBmpImage(stream, p1);
  ReadBmpImage(stream, p2);
  EXPECT_EQ(p1.PixelFormat(), TPixelFormat::pf1bit);
  EXPECT_EQ(p2.PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_EQ(p2.Pixel(1, 0), Expected(b, 1, 0));
  EXPECT_EQ(stream.Remaining(), 0u);
}

}  // namespace
}  // namespace tavo::skin
