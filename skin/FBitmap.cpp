// TFBitmap: the 24-bit copy and its row table.
#include "skin/FBitmap.h"

#include <cstring>

namespace tavo::skin {

TFBitmap::TFBitmap(const TBitmap& source) {
  if (source.Empty()) return;
  const TBitmap converted = source.PixelFormat() == TPixelFormat::pf24bit ? TBitmap() : source.To24Bit();
  const TBitmap& pixels = source.PixelFormat() == TPixelFormat::pf24bit ? source : converted;
  width_ = pixels.Width();
  height_ = pixels.Height();
  bits_.assign(Size(), 0);
  rows_.resize(static_cast<size_t>(height_));
  for (int y = 0; y < height_; ++y) {
    rows_[static_cast<size_t>(y)] = bits_.data() + static_cast<size_t>(y) * Stride();
    std::memcpy(rows_[static_cast<size_t>(y)], pixels.Row(y), static_cast<size_t>(width_) * 3);
  }
}

}  // namespace tavo::skin
