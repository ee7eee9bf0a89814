// A glyph of the drive or directory list: a named bitmap resource of the
// executable, drawn with the colour of its bottom-left pixel transparent
// (Win32).
#pragma once

#include <windows.h>

#include "ui/Handles.h"

namespace tavo::app {

class TChooserGlyph {
 public:
  // Loads the bitmap resource `name` of the program; throws
  // tavo::ui::EResNotFound when it is missing.
  explicit TChooserGlyph(const char* name);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // The colour drawn transparent (0x00BBGGRR).
  COLORREF TransparentColor() const { return transparent_; }

  // Draws the glyph with its top-left corner at (x, y); pixels of the
  // transparent colour leave what is below them.
  void Draw(HDC dc, int x, int y) const;

 private:
  ui::THBitmap bitmap_;
  int width_ = 0;
  int height_ = 0;
  COLORREF transparent_ = 0;
};

}  // namespace tavo::app
