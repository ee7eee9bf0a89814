// A decoded picture held as a 24-bit DIB section, drawn stretched. JPEG data
// is decoded through libjpeg.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

#include "ui/Handles.h"

namespace tavo::ui {

class TPicture {
 public:
  TPicture() = default;
  TPicture(TPicture&&) noexcept = default;
  TPicture& operator=(TPicture&&) noexcept = default;

  // Decodes JPEG data; raises EInvalidGraphic for data libjpeg rejects.
  static TPicture FromJpeg(std::span<const uint8_t> data);
  // Decodes a JPEG stored as an RCDATA resource of the module; raises
  // EResNotFound when there is no such resource.
  static TPicture FromJpegResource(HINSTANCE module, const char* name);

  bool Empty() const { return !bitmap_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  HBITMAP Bitmap() const { return bitmap_.get(); }
  // Colour of a pixel (0x00BBGGRR); 0 outside the picture.
  uint32_t Pixel(int x, int y) const;

  // Draws the picture into dest, stretched to its size.
  void StretchDraw(HDC dc, const RECT& dest) const;

 private:
  THBitmap bitmap_;
  uint8_t* bits_ = nullptr;  // top-down BGR rows, owned by bitmap_
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
};

// Bytes of an RCDATA resource of the module; raises EResNotFound.
std::span<const uint8_t> ResourceBytes(HINSTANCE module, const char* name, const char* type = MAKEINTRESOURCEA(10));

}  // namespace tavo::ui
