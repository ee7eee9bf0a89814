// The minimal image list.
#include "ui/ImageList.h"

#include <algorithm>

namespace tavo::ui {

using skin::TBitmap;
using skin::TColor;

TImageList::TImageList(int width, int height, TComponent* owner)
    : TComponent(owner), width_(std::max(width, 1)), height_(std::max(height, 1)) {}

int TImageList::Add(const TBitmap& picture) {
  TBitmap image(width_, height_);
  const TColor fill = picture.Empty() ? 0 : picture.Pixel(0, picture.Height() - 1);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      image.SetPixel(x, y, x < picture.Width() && y < picture.Height() ? picture.Pixel(x, y) : fill);
  images_.push_back(std::move(image));
  return Count() - 1;
}

int TImageList::AddStrip(const TBitmap& strip) {
  const int first = Count();
  for (int left = 0; left + width_ <= strip.Width(); left += width_) {
    TBitmap cell(width_, std::min(height_, strip.Height()));
    for (int y = 0; y < cell.Height(); ++y)
      for (int x = 0; x < width_; ++x) cell.SetPixel(x, y, strip.Pixel(left + x, y));
    Add(cell);
  }
  return first;
}

void TImageList::Draw(TBitmap& canvas, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count()) return;
  const TBitmap& image = images_[static_cast<size_t>(index)];
  const TColor transparent = image.Pixel(0, height_ - 1);
  for (int j = 0; j < height_; ++j)
    for (int i = 0; i < width_; ++i) {
      TColor c = image.Pixel(i, j);
      if (Masked && c == transparent) continue;
      if (!enabled) {
        const int l = (skin::GetRValue(c) * 30 + skin::GetGValue(c) * 59 + skin::GetBValue(c) * 11) / 100;
        const auto v = static_cast<uint8_t>((l + 255) / 2);
        c = skin::RGB(v, v, v);
      }
      canvas.SetPixel(x + i, y + j, c);
    }
}

}  // namespace tavo::ui
