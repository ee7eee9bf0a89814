// TEffectBmp transitions: the two-picture operations, each row by row on
// self with one row buffer.
#include <algorithm>
#include <cstring>

#include "skin/EffectBmp.h"
#include "skin/EffectMath.h"

namespace tavo::skin {

namespace {

// nearest(size * x) held in [low, high].
int64_t Scaled(int size, long double x, int64_t low, int64_t high) {
  return std::clamp<int64_t>(Nearest(size * x), low, high);
}

// Column weights of a gradient: weight[i] is t for column (or row) i, or a
// negative value where other is taken whole.
constexpr long double kTakeOther = -1.0L;

}  // namespace

void TEffectBmp::Morph(const TEffectBmp& other, long double x) {
  if (!SameSize(other)) return;
  x = std::isnan(x) ? 0.0L : std::clamp(x, 0.0L, 1.0L);
  std::vector<uint8_t> line(RowBytes());
  for (int y = 0; y < height_; ++y) {
    GetLine(y, line.data());
    const uint8_t* o = other.Row(y);
    for (size_t i = 0; i < line.size(); ++i) line[i] = ClampByte(Nearest((1.0L - x) * line[i] + x * o[i]));
    SetLine(y, line.data());
  }
}

void TEffectBmp::Gradient(const TEffectBmp& other, long double x) {
  if (width_ < height_) VerticalGradient(other, x);
  else HorizontalGradient(other, x);
}

void TEffectBmp::HorizontalGradient(const TEffectBmp& other, long double x) {
  if (!SameSize(other) || width_ < 1) return;
  const int W = width_;
  // a is held in [0, W] so that the band g..f always lies inside the row.
  const int64_t a = Scaled(W, x, 0, W);
  const int64_t b = (W - a) / 2, c = a / 2;
  const long double step = b != 0 ? 1.0L / b : 1.0L;
  const int64_t g = std::max<int64_t>(0, W / 2 - c), f = std::min<int64_t>(W - 1, W / 2 + c);

  std::vector<long double> weight(static_cast<size_t>(W), kTakeOther);
  long double t = 0;
  for (int64_t i = g; i >= 0; --i, t = std::min(1.0L, t + step)) weight[static_cast<size_t>(i)] = t;
  t = 0;
  for (int64_t i = f; i < W; ++i, t = std::min(1.0L, t + step)) weight[static_cast<size_t>(i)] = t;
  for (int64_t i = g; i <= f; ++i) weight[static_cast<size_t>(i)] = kTakeOther;

  std::vector<uint8_t> line(RowBytes());
  for (int y = 0; y < height_; ++y) {
    GetLine(y, line.data());
    const uint8_t* o = other.Row(y);
    for (size_t col = 0; col < weight.size(); ++col)
      for (size_t k = 3 * col; k < 3 * col + 3; ++k)
        line[k] = weight[col] < 0 ? o[k] : MixWeighted(weight[col], line[k], o[k]);
    SetLine(y, line.data());
  }
}

void TEffectBmp::VerticalGradient(const TEffectBmp& other, long double x) {
  if (!SameSize(other) || height_ < 1) return;
  const int H = height_;
  const int64_t a = Scaled(H, x, 0, H);
  const int64_t b = (H - 1 - a) / 2, c = a / 2;
  const long double step = b != 0 ? 1.0L / b : 0.0L;
  const int64_t n = std::max<int64_t>(0, H / 2 - c), m = std::min<int64_t>(H - 1, H / 2 + c);

  std::vector<uint8_t> line(RowBytes());
  auto mixRow = [&](int64_t y, long double t) {
    GetLine(static_cast<int>(y), line.data());
    const uint8_t* o = other.Row(static_cast<int>(y));
    for (size_t k = 0; k < line.size(); ++k) line[k] = MixWeighted(t, line[k], o[k]);
    SetLine(static_cast<int>(y), line.data());
  };
  long double t = 0;
  for (int64_t y = n; y >= 0; --y, t = std::min(1.0L, t + step)) mixRow(y, t);
  t = 0;
  for (int64_t y = m; y < H; ++y, t = std::min(1.0L, t + step)) mixRow(y, t);
  for (int64_t y = n; y <= m; ++y) SetLine(static_cast<int>(y), other.Row(static_cast<int>(y)));
}

void TEffectBmp::LeftGradient(const TEffectBmp& other, long double x) {
  if (!SameSize(other) || width_ < 1) return;
  const int W = width_;
  const int64_t a = std::min<int64_t>(std::max<int64_t>(Nearest(W * x), 1), W - 1);
  const long double step = a != 0 ? 1.0L / a : 1.0L;
  std::vector<uint8_t> line(RowBytes());
  for (int y = 0; y < height_; ++y) {
    GetLine(y, line.data());
    const uint8_t* o = other.Row(y);
    long double t = 0;
    for (int64_t col = 0; col <= a; ++col, t = std::min(1.0L, t + step))
      for (size_t k = 3 * static_cast<size_t>(col); k < 3 * static_cast<size_t>(col) + 3; ++k)
        line[k] = MixWeighted(t, line[k], o[k]);
    SetLine(y, line.data());
  }
}

void TEffectBmp::RightGradient(const TEffectBmp& other, long double x) {
  if (!SameSize(other) || width_ < 1) return;
  const int W = width_;
  const int64_t a = std::min<int64_t>(std::max<int64_t>(W - Nearest(W * x), 0), W - 1);
  const long double step = W - a > 0 ? 1.0L / (W - a) : 1.0L;
  std::vector<uint8_t> line(RowBytes());
  for (int y = 0; y < height_; ++y) {
    GetLine(y, line.data());
    const uint8_t* o = other.Row(y);
    long double t = 0;
    for (int64_t col = W - 1; col >= a; --col, t = std::min(1.0L, t + step))
      for (size_t k = 3 * static_cast<size_t>(col); k < 3 * static_cast<size_t>(col) + 3; ++k)
        line[k] = MixWeighted(t, line[k], o[k]);
    SetLine(y, line.data());
  }
}

void TEffectBmp::LeftSlide(const TEffectBmp& other, long double x) {
  if (!SameSize(other) || width_ < 2) return;  // b would be 0: nothing to move
  const int W = width_;
  const int64_t b = std::min<int64_t>(std::max<int64_t>(Nearest(W * x), 1), W - 1);
  std::vector<uint8_t> line(RowBytes());
  for (int y = 0; y < height_; ++y) {
    GetLine(y, line.data());
    std::memcpy(line.data(), other.Row(y) + 3 * (W - b), static_cast<size_t>(3 * b));
    SetLine(y, line.data());
  }
}

void TEffectBmp::RightSlide(const TEffectBmp& other, long double x) {
  if (!SameSize(other) || width_ < 2) return;
  const int W = width_;
  const int64_t b = std::min<int64_t>(std::max<int64_t>(Nearest(W * x), 1), W - 1);
  std::vector<uint8_t> line(RowBytes());
  for (int y = 0; y < height_; ++y) {
    GetLine(y, line.data());
    std::memcpy(line.data() + 3 * (W - b), other.Row(y), static_cast<size_t>(3 * b));
    SetLine(y, line.data());
  }
}

void TEffectBmp::Push(const TEffectBmp& other, long double x) {
  if (!SameSize(other) || width_ < 1) return;
  const int W = width_;
  const int64_t a = Scaled(W, x, 0, W - 1);
  std::vector<uint8_t> line(RowBytes());
  for (int y = 0; y < height_; ++y) {
    GetLine(y, line.data());
    // Self moves right by a + 1 (memmove: the ranges overlap), then other's
    // last a + 1 columns come in at the left.
    std::memmove(line.data() + 3 * (a + 1), line.data(), static_cast<size_t>(3 * (W - a - 1)));
    std::memcpy(line.data(), other.Row(y) + 3 * (W - a - 1), static_cast<size_t>(3 * (a + 1)));
    SetLine(y, line.data());
  }
}

}  // namespace tavo::skin
