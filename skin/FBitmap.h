// TFBitmap: a 24-bit, top-down copy of a picture with a table of row
// addresses, for scanning masks row by row without per-pixel queries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/Bitmap.h"

namespace tavo::skin {

// Owns its pixel memory (blue, green, red per pixel, each row padded to a
// multiple of 4 bytes) and the row table; portable (the Win32 side draws it
// through a DIB section when it needs a drawing context).
class TFBitmap {
 public:
  explicit TFBitmap(const TBitmap& source);
  TFBitmap(const TFBitmap&) = delete;
  TFBitmap& operator=(const TFBitmap&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Width * 3 + Width mod 4: the 3-byte pixels padded to a multiple of 4.
  int Stride() const { return width_ * 3 + width_ % 4; }
  int Padding() const { return width_ % 4; }
  size_t Size() const { return static_cast<size_t>(Stride()) * height_; }
  const uint8_t* Bits() const { return bits_.data(); }
  // Row y's first byte; row 0 is the top row.
  const uint8_t* Row(int y) const { return rows_[static_cast<size_t>(y)]; }
  uint8_t* Row(int y) { return rows_[static_cast<size_t>(y)]; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint8_t> bits_;
  std::vector<uint8_t*> rows_;
};

}  // namespace tavo::skin
