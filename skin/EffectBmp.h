// TEffectBmp: a 24-bit picture in memory with the pixel effects of skinned
// parts: transitions that mix two looks of the same area by a factor from 0
// to 1, and single-picture effects for the inactive look. Portable; the
// Win32 side draws it through its header (skin/win32/DibSection.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/Bitmap.h"
#include "skin/SkinTypes.h"

namespace tavo::skin {

// The device-independent bitmap header describing the pixels, field for
// field as the platform reads it (40 bytes).
struct TBitmapInfoHeader {
  uint32_t Size = 40;
  int32_t Width = 0;
  int32_t Height = 0;  // negative: rows run top-down
  uint16_t Planes = 1;
  uint16_t BitCount = 24;
  uint32_t Compression = 0;
  uint32_t SizeImage = 0;
  int32_t XPelsPerMeter = 0;
  int32_t YPelsPerMeter = 0;
  uint32_t ClrUsed = 0;
  uint32_t ClrImportant = 0;
};
static_assert(sizeof(TBitmapInfoHeader) == 40, "the header must match the platform's layout");

// Owns its pixels: blue, green, red a pixel, row y at y * (Width * 3 +
// Width mod 4), row 0 at the top. Channel results are computed in 80-bit
// long double and rounded to the nearest integer, halves to even, then
// forced into 0..255. Two-picture operations do nothing when the sizes
// differ. Coordinates outside the picture are ignored (reads give 0).
class TEffectBmp {
 public:
  TEffectBmp(int width, int height);
  explicit TEffectBmp(const TBitmap& bitmap);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Stride() const { return width_ * 3 + width_ % 4; }
  size_t Size() const { return bits_.size(); }
  const uint8_t* Bits() const { return bits_.data(); }
  const TBitmapInfoHeader& Header() const { return header_; }

  // Copies the whole picture unscaled onto target with its top-left corner
  // at (x, y), clipped to the target.
  void Draw(TBitmap& target, int x, int y) const;
  // The picture as a 24-bit TBitmap.
  TBitmap ToBitmap() const;

  // The pixel as blue | green << 8 | red << 16.
  uint32_t GetPixel(int x, int y) const;
  void SetPixel(int x, int y, uint32_t value);
  // Copies row y (Width * 3 bytes) out of or into buffer; ScanLine is the
  // row's address (nullptr outside the picture).
  void GetLine(int y, uint8_t* buffer) const;
  void SetLine(int y, const uint8_t* buffer);
  uint8_t* ScanLine(int y);

  // Transitions, self being the picture at 0 and other at 1.
  void Morph(const TEffectBmp& other, long double x);
  void Gradient(const TEffectBmp& other, long double x);
  void HorizontalGradient(const TEffectBmp& other, long double x);
  void VerticalGradient(const TEffectBmp& other, long double x);
  void LeftGradient(const TEffectBmp& other, long double x);
  void RightGradient(const TEffectBmp& other, long double x);
  void LeftSlide(const TEffectBmp& other, long double x);
  void RightSlide(const TEffectBmp& other, long double x);
  void Push(const TEffectBmp& other, long double x);

  // Single-picture effects.
  void Brightness(long double x);
  void Darkness(long double x);
  void Grayscale();
  // Adds r - amount div 2 to every channel of each pixel, r drawn from
  // 0..amount - 1 by a generator seeded with NoiseSeed; nothing when
  // amount < 1.
  void Noise(int amount);
  void SplitBlur(int amount);
  void Invert();

  // Writes the picture upside down into target of the same size (which may
  // be the picture itself).
  void FlipInto(TEffectBmp& target) const;

  // Seed of Noise's generator; each call moves it on.
  uint32_t NoiseSeed = 0x2545F491u;

 private:
  bool SameSize(const TEffectBmp& other) const { return width_ == other.width_ && height_ == other.height_; }
  uint8_t* Row(int y) { return bits_.data() + static_cast<size_t>(y) * Stride(); }
  const uint8_t* Row(int y) const { return bits_.data() + static_cast<size_t>(y) * Stride(); }
  size_t RowBytes() const { return static_cast<size_t>(width_) * 3; }

  int width_ = 0;
  int height_ = 0;
  std::vector<uint8_t> bits_;
  TBitmapInfoHeader header_;
};

// Self becomes the transition of the given kind towards other at x.
void ApplyMorphKind(TEffectBmp& self, const TEffectBmp& other, TMorphKind kind, long double x);

// The inactive look of a skin's "inactiveeffect" with its fixed argument:
// Brightness(0.5), Darkness(0.3), Grayscale, Noise(50), SplitBlur(1),
// Invert.
void ApplyInactiveEffect(TEffectBmp& picture, TInactiveEffect effect);
// The same on a 24-bit picture (any other format is converted first).
void ApplyInactiveEffect(TBitmap& picture, TInactiveEffect effect);

}  // namespace tavo::skin
