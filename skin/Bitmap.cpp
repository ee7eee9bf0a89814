// Pixel access for every bit depth of TBitmap.
#include "skin/Bitmap.h"

#include <algorithm>
#include <climits>

namespace tavo::skin {

int BitsPerPixel(TPixelFormat format) {
  switch (format) {
    case TPixelFormat::pf1bit: return 1;
    case TPixelFormat::pf4bit: return 4;
    case TPixelFormat::pf8bit: return 8;
    case TPixelFormat::pf16bit: return 16;
    case TPixelFormat::pf24bit: return 24;
    case TPixelFormat::pf32bit: return 32;
  }
  return 24;
}

TBitmap::TBitmap(int width, int height, TPixelFormat format) : format_(format) { SetSize(width, height); }

void TBitmap::SetSize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
  const long long bits = static_cast<long long>(width_) * BitsPerPixel(format_);
  stride_ = static_cast<int>(((bits + 31) / 32) * 4);
  data_.assign(static_cast<size_t>(stride_) * height_, 0);
}

namespace {

// Scales a masked field of a 16-bit pixel to 0..255.
uint8_t Field(uint32_t v, uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  const uint32_t max = mask >> shift;
  return static_cast<uint8_t>(((v & mask) >> shift) * 255 / max);
}

uint32_t ToField(uint8_t c, uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  const uint32_t max = mask >> shift;
  return ((static_cast<uint32_t>(c) * max + 127) / 255) << shift;
}

}  // namespace

TColor TBitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  const uint8_t* row = Row(y);
  auto fromPalette = [&](unsigned index) -> TColor {
    if (index >= palette_.size()) return 0;
    const auto& e = palette_[index];
    return RGB(e.red, e.green, e.blue);
  };
  switch (format_) {
    case TPixelFormat::pf1bit: return fromPalette((row[x >> 3] >> (7 - (x & 7))) & 1);
    case TPixelFormat::pf4bit: return fromPalette((row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F);
    case TPixelFormat::pf8bit: return fromPalette(row[x]);
    case TPixelFormat::pf16bit: {
      const uint32_t v = row[2 * x] | (row[2 * x + 1] << 8);
      return RGB(Field(v, RedMask), Field(v, GreenMask), Field(v, BlueMask));
    }
    case TPixelFormat::pf24bit: return RGB(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    case TPixelFormat::pf32bit: return RGB(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
  }
  return 0;
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  uint8_t* row = Row(y);
  const uint8_t r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
  auto nearest = [&]() -> unsigned {
    unsigned best = 0;
    int bestDistance = INT_MAX;
    for (unsigned i = 0; i < palette_.size(); ++i) {
      const auto& e = palette_[i];
      const int d = (e.red - r) * (e.red - r) + (e.green - g) * (e.green - g) + (e.blue - b) * (e.blue - b);
      if (d < bestDistance) bestDistance = d, best = i;
    }
    return best;
  };
  switch (format_) {
    case TPixelFormat::pf1bit: {
      const uint8_t bit = static_cast<uint8_t>(0x80 >> (x & 7));
      row[x >> 3] = nearest() ? (row[x >> 3] | bit) : (row[x >> 3] & ~bit);
      break;
    }
    case TPixelFormat::pf4bit: {
      const unsigned i = nearest() & 0x0F;
      uint8_t& byte = row[x >> 1];
      byte = (x & 1) ? ((byte & 0xF0) | i) : static_cast<uint8_t>((byte & 0x0F) | (i << 4));
      break;
    }
    case TPixelFormat::pf8bit: row[x] = static_cast<uint8_t>(nearest()); break;
    case TPixelFormat::pf16bit: {
      const uint32_t v = ToField(r, RedMask) | ToField(g, GreenMask) | ToField(b, BlueMask);
      row[2 * x] = static_cast<uint8_t>(v);
      row[2 * x + 1] = static_cast<uint8_t>(v >> 8);
      break;
    }
    case TPixelFormat::pf24bit: row[3 * x] = b, row[3 * x + 1] = g, row[3 * x + 2] = r; break;
    case TPixelFormat::pf32bit: row[4 * x] = b, row[4 * x + 1] = g, row[4 * x + 2] = r; break;
  }
}

TBitmap TBitmap::To24Bit() const {
  if (format_ == TPixelFormat::pf24bit) return *this;
  TBitmap out(width_, height_, TPixelFormat::pf24bit);
  for (int y = 0; y < height_; ++y) {
    uint8_t* dst = out.Row(y);
    for (int x = 0; x < width_; ++x) {
      const TColor c = Pixel(x, y);
      dst[3 * x] = GetBValue(c), dst[3 * x + 1] = GetGValue(c), dst[3 * x + 2] = GetRValue(c);
    }
  }
  return out;
}

}  // namespace tavo::skin
