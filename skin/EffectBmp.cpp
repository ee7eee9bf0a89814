// TEffectBmp: pixel storage, access, the single-picture effects, and the
// mappings from a skin's morph kind and inactive effect to the operations.
#include "skin/EffectBmp.h"

#include <algorithm>
#include <cstring>

#include "skin/EffectMath.h"
#include "skin/PixelCopy.h"

namespace tavo::skin {

TEffectBmp::TEffectBmp(int width, int height) {
  if (width > 0 && height > 0) width_ = width, height_ = height;
  bits_.assign(static_cast<size_t>(Stride()) * height_, 0);
  header_.Width = width_;
  header_.Height = -height_;
  header_.SizeImage = static_cast<uint32_t>(bits_.size());
}

TEffectBmp::TEffectBmp(const TBitmap& bitmap) : TEffectBmp(bitmap.Width(), bitmap.Height()) {
  TBitmap storage;
  const TBitmap& source = As24Bit(bitmap, storage);
  for (int y = 0; y < height_; ++y) std::memcpy(Row(y), source.Row(y), RowBytes());
}

void TEffectBmp::Draw(TBitmap& target, int x, int y) const {
  const int64_t x0 = std::max<int64_t>(0, x), x1 = std::min<int64_t>(target.Width(), int64_t{x} + width_);
  const int64_t y0 = std::max<int64_t>(0, y), y1 = std::min<int64_t>(target.Height(), int64_t{y} + height_);
  for (int64_t ty = y0; ty < y1; ++ty) {
    const uint8_t* in = Row(static_cast<int>(ty - y));
    if (target.PixelFormat() == TPixelFormat::pf24bit && x1 > x0) {
      std::memcpy(target.Row(static_cast<int>(ty)) + 3 * x0, in + 3 * (x0 - x), static_cast<size_t>(3 * (x1 - x0)));
      continue;
    }
    for (int64_t tx = x0; tx < x1; ++tx) {
      const uint8_t* p = in + 3 * (tx - x);
      PutPixel(target, tx, ty, RGB(p[2], p[1], p[0]));
    }
  }
}

TBitmap TEffectBmp::ToBitmap() const {
  TBitmap out(width_, height_, TPixelFormat::pf24bit);
  for (int y = 0; y < height_; ++y) std::memcpy(out.Row(y), Row(y), RowBytes());
  return out;
}

uint32_t TEffectBmp::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  const uint8_t* p = Row(y) + 3 * static_cast<size_t>(x);
  return p[0] | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16);
}

void TEffectBmp::SetPixel(int x, int y, uint32_t value) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  uint8_t* p = Row(y) + 3 * static_cast<size_t>(x);
  p[0] = static_cast<uint8_t>(value), p[1] = static_cast<uint8_t>(value >> 8), p[2] = static_cast<uint8_t>(value >> 16);
}

void TEffectBmp::GetLine(int y, uint8_t* buffer) const {
  if (y >= 0 && y < height_) std::memcpy(buffer, Row(y), RowBytes());
}

void TEffectBmp::SetLine(int y, const uint8_t* buffer) {
  if (y >= 0 && y < height_) std::memcpy(Row(y), buffer, RowBytes());
}

uint8_t* TEffectBmp::ScanLine(int y) { return y >= 0 && y < height_ ? Row(y) : nullptr; }

namespace {
long double Clamp01(long double x) { return std::isnan(x) ? 0.0L : std::clamp(x, 0.0L, 1.0L); }
}  // namespace

void TEffectBmp::Brightness(long double x) {
  x = Clamp01(x);
  std::vector<uint8_t> line(RowBytes());
  for (int y = 0; y < height_; ++y) {
    GetLine(y, line.data());
    for (uint8_t& v : line) v = ClampByte(Nearest((1.0L - x) * v + x * 255.0L));
    SetLine(y, line.data());
  }
}

void TEffectBmp::Darkness(long double x) {
  x = Clamp01(x);
  std::vector<uint8_t> line(RowBytes());
  for (int y = 0; y < height_; ++y) {
    GetLine(y, line.data());
    for (uint8_t& v : line) v = ClampByte(Nearest((1.0L - x) * v));
    SetLine(y, line.data());
  }
}

void TEffectBmp::Grayscale() {
  std::vector<uint8_t> line(RowBytes());
  for (int y = 0; y < height_; ++y) {
    GetLine(y, line.data());
    for (size_t i = 0; i + 2 < line.size(); i += 3) {
      const uint8_t gray = ClampByte(Nearest(line[i + 2] * 0.3L + line[i + 1] * 0.59L + line[i] * 0.11L));
      line[i] = line[i + 1] = line[i + 2] = gray;
    }
    SetLine(y, line.data());
  }
}

void TEffectBmp::Noise(int amount) {
  if (amount < 1) return;
  // xorshift32: small, fast and good enough for a grain effect.
  uint32_t state = NoiseSeed ? NoiseSeed : 1u;
  auto next = [&state] {
    state ^= state << 13, state ^= state >> 17, state ^= state << 5;
    return state;
  };
  std::vector<uint8_t> line(RowBytes());
  for (int y = 0; y < height_; ++y) {
    GetLine(y, line.data());
    for (size_t i = 0; i + 2 < line.size(); i += 3) {
      const int64_t r = static_cast<int64_t>((uint64_t{next()} * static_cast<uint64_t>(amount)) >> 32);
      const int64_t d = r - amount / 2;
      for (size_t c = 0; c < 3; ++c) line[i + c] = ClampByte(line[i + c] + d);
    }
    SetLine(y, line.data());
  }
  NoiseSeed = state;
}

void TEffectBmp::SplitBlur(int amount) {
  if (amount == 0) return;
  // Works in place: pixels already visited hold their blurred values. A
  // sample row or column outside the picture (either direction, so a
  // negative amount is safe too) falls back to the pixel's own.
  auto pick = [](int64_t v, int64_t self, int64_t size) { return v < 0 || v >= size ? self : v; };
  for (int y = 0; y < height_; ++y) {
    const int upper = static_cast<int>(pick(int64_t{y} - amount, y, height_));
    const int lower = static_cast<int>(pick(int64_t{y} + amount, y, height_));
    for (int x = 0; x < width_; ++x) {
      const size_t left = 3 * static_cast<size_t>(pick(int64_t{x} - amount, x, width_));
      const size_t right = 3 * static_cast<size_t>(pick(int64_t{x} + amount, x, width_));
      uint8_t* p = Row(y) + 3 * static_cast<size_t>(x);
      for (size_t c = 0; c < 3; ++c) {
        const int sum = Row(upper)[left + c] + Row(lower)[left + c] + Row(upper)[right + c] + Row(lower)[right + c];
        p[c] = static_cast<uint8_t>(sum / 4);
      }
    }
  }
}

void TEffectBmp::Invert() {
  for (int y = 0; y < height_; ++y) {
    uint8_t* row = Row(y);
    for (size_t i = 0; i < RowBytes(); ++i) row[i] = static_cast<uint8_t>(255 - row[i]);
  }
}

void TEffectBmp::FlipInto(TEffectBmp& target) const {
  if (!SameSize(target)) return;
  if (&target == this) {  // flipping in place: swap rows pairwise
    std::vector<uint8_t> line(RowBytes());
    for (int y = 0; y < height_ / 2; ++y) {
      uint8_t* top = target.Row(y);
      uint8_t* bottom = target.Row(height_ - 1 - y);
      std::memcpy(line.data(), top, line.size());
      std::memcpy(top, bottom, line.size());
      std::memcpy(bottom, line.data(), line.size());
    }
    return;
  }
  for (int y = 0; y < height_; ++y) std::memcpy(target.Row(height_ - 1 - y), Row(y), RowBytes());
}

void ApplyMorphKind(TEffectBmp& self, const TEffectBmp& other, TMorphKind kind, long double x) {
  switch (kind) {
    case TMorphKind::mkDefault: self.Morph(other, x); break;
    case TMorphKind::mkGradient: self.Gradient(other, x); break;
    case TMorphKind::mkLeftGradient: self.LeftGradient(other, x); break;
    case TMorphKind::mkRightGradient: self.RightGradient(other, x); break;
    case TMorphKind::mkLeftSlide: self.LeftSlide(other, x); break;
    case TMorphKind::mkRightSlide: self.RightSlide(other, x); break;
    case TMorphKind::mkPush: self.Push(other, x); break;
  }
}

void ApplyInactiveEffect(TEffectBmp& picture, TInactiveEffect effect) {
  switch (effect) {
    case TInactiveEffect::ieBrightness: picture.Brightness(0.5L); break;
    case TInactiveEffect::ieDarkness: picture.Darkness(0.3L); break;
    case TInactiveEffect::ieGrayScale: picture.Grayscale(); break;
    case TInactiveEffect::ieNoise: picture.Noise(50); break;
    case TInactiveEffect::ieSplitBlur: picture.SplitBlur(1); break;
    case TInactiveEffect::ieInvert: picture.Invert(); break;
  }
}

void ApplyInactiveEffect(TBitmap& picture, TInactiveEffect effect) {
  if (picture.Empty()) return;
  TEffectBmp bmp(picture);
  ApplyInactiveEffect(bmp, effect);
  picture = bmp.ToBitmap();
}

}  // namespace tavo::skin
