// TImageList: a minimal image list — pictures of one size, drawn with their
// bottom-left pixel's colour left out (or fully when not Masked) — that
// menus draw their item images from.
#pragma once

#include <vector>

#include "skin/Bitmap.h"
#include "skin/MenuItem.h"
#include "ui/Component.h"

namespace tavo::ui {

class TImageList : public TComponent, public skin::TMenuImages {
 public:
  TImageList(int width = 16, int height = 16, TComponent* owner = nullptr);

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  int Count() const override { return static_cast<int>(images_.size()); }
  bool Masked = true;

  // Adds a picture; a larger one is cut to the list's size, a smaller one
  // padded with the transparent colour. Returns its index.
  int Add(const skin::TBitmap& picture);
  // Adds each width-wide cell of a strip in turn; returns the first index.
  int AddStrip(const skin::TBitmap& strip);
  void Clear() { images_.clear(); }

  // Draws image index at (x, y); a disabled image is drawn greyed (each
  // drawn pixel's luminance, lightened halfway to white).
  void Draw(skin::TBitmap& canvas, int x, int y, int index, bool enabled) const override;

 private:
  int width_, height_;
  std::vector<skin::TBitmap> images_;
};

}  // namespace tavo::ui
