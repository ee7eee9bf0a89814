// TBitmap: the portable in-memory picture every skin part draws on. Pictures
// loaded from a stored skin keep their bit depth and palette; drawing and
// effects work on 24-bit copies. Rows are top-down; no Win32 here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tavo::skin {

// A colour 0x00BBGGRR, as Windows COLORREF values are written. The helper
// names are parenthesised so that <windows.h>'s macros of the same names
// (which compute the same values) do not break these declarations.
using TColor = uint32_t;
constexpr TColor (RGB)(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}
constexpr uint8_t (GetRValue)(TColor c) { return static_cast<uint8_t>(c); }
constexpr uint8_t (GetGValue)(TColor c) { return static_cast<uint8_t>(c >> 8); }
constexpr uint8_t (GetBValue)(TColor c) { return static_cast<uint8_t>(c >> 16); }

enum class TPixelFormat { pf1bit, pf4bit, pf8bit, pf16bit, pf24bit, pf32bit };

int BitsPerPixel(TPixelFormat format);

// One palette entry, in the order a BMP stores it.
struct TPaletteEntry {
  uint8_t blue = 0, green = 0, red = 0, reserved = 0;
  bool operator==(const TPaletteEntry&) const = default;
};

class TBitmap {
 public:
  TBitmap() = default;
  // A picture of the given size and format, all pixels 0 (black for 24 and
  // 32 bits; palette index 0 otherwise). Negative sizes become empty.
  TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf24bit);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  TPixelFormat PixelFormat() const { return format_; }
  // Bytes per row: whole bytes for the row's pixels, padded to 4 like a DIB.
  int Stride() const { return stride_; }

  // Palette of 1-, 4- and 8-bit pictures (empty for the others).
  std::vector<TPaletteEntry>& Palette() { return palette_; }
  const std::vector<TPaletteEntry>& Palette() const { return palette_; }

  // 16-bit pictures: the red, green and blue masks (default 5-5-5).
  uint32_t RedMask = 0x7C00, GreenMask = 0x03E0, BlueMask = 0x001F;

  uint8_t* Row(int y) { return data_.data() + static_cast<size_t>(y) * stride_; }
  const uint8_t* Row(int y) const { return data_.data() + static_cast<size_t>(y) * stride_; }
  std::vector<uint8_t>& Data() { return data_; }
  const std::vector<uint8_t>& Data() const { return data_; }

  // The colour at (x, y) whatever the format; 0 outside the picture.
  TColor Pixel(int x, int y) const;
  // Sets (x, y) to a colour: exact for 16, 24 and 32 bits, the nearest
  // palette entry otherwise. Ignored outside the picture.
  void SetPixel(int x, int y, TColor color);

  // A 24-bit copy (rows of blue, green, red) of any picture.
  TBitmap To24Bit() const;

  // Resizes to a fresh picture of the same format, all zeros.
  void SetSize(int width, int height);

  bool operator==(const TBitmap& other) const = default;

 private:
  int width_ = 0;
  int height_ = 0;
  TPixelFormat format_ = TPixelFormat::pf24bit;
  int stride_ = 0;
  std::vector<uint8_t> data_;
  std::vector<TPaletteEntry> palette_;
};

}  // namespace tavo::skin
