// TRegion and the serialised region data.
#include "skin/Region.h"

#include <algorithm>

namespace tavo::skin {

void TRegion::Add(const TRect& r) {
  if (int64_t{r.right} - r.left < 1 || int64_t{r.bottom} - r.top < 1) return;
  rects_.push_back(r);
}

void TRegion::Add(const TRegion& other, int dx, int dy) {
  auto move = [](int32_t v, int d) {
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t{v} + d, INT32_MIN, INT32_MAX));
  };
  rects_.reserve(rects_.size() + other.rects_.size());
  for (const TRect& r : other.rects_)
    Add(TRect{move(r.left, dx), move(r.top, dy), move(r.right, dx), move(r.bottom, dy)});
}

bool TRegion::Contains(int x, int y) const {
  return std::any_of(rects_.begin(), rects_.end(),
                     [&](const TRect& r) { return r.left <= x && x < r.right && r.top <= y && y < r.bottom; });
}

TRect TRegion::Bounds() const {
  if (rects_.empty()) return TRect{};
  TRect b = rects_.front();
  for (const TRect& r : rects_) {
    b.left = std::min(b.left, r.left), b.top = std::min(b.top, r.top);
    b.right = std::max(b.right, r.right), b.bottom = std::max(b.bottom, r.bottom);
  }
  return b;
}

namespace {
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void PutRect(std::vector<uint8_t>& out, const TRect& r) {
  Put32(out, static_cast<uint32_t>(r.left)), Put32(out, static_cast<uint32_t>(r.top));
  Put32(out, static_cast<uint32_t>(r.right)), Put32(out, static_cast<uint32_t>(r.bottom));
}
}  // namespace

std::vector<uint8_t> TRegionData::Bytes() const {
  std::vector<uint8_t> out;
  out.reserve(Size());
  Put32(out, kRegionHeaderSize);
  Put32(out, kRegionTypeRectangles);
  Put32(out, static_cast<uint32_t>(Rects.size()));
  Put32(out, 0);
  PutRect(out, Bounds);
  for (const TRect& r : Rects) PutRect(out, r);
  return out;
}

std::vector<TRegionData> SplitRegionData(const TRegionData& data, size_t maxRects) {
  if (data.Rects.size() <= maxRects || maxRects == 0) return {data};
  std::vector<TRegionData> pieces;
  for (size_t from = 0; from < data.Rects.size(); from += maxRects) {
    const size_t to = std::min(data.Rects.size(), from + maxRects);
    TRegion part;
    TRegionData piece;
    piece.Rects.assign(data.Rects.begin() + static_cast<ptrdiff_t>(from),
                       data.Rects.begin() + static_cast<ptrdiff_t>(to));
    for (const TRect& r : piece.Rects) part.Add(r);
    piece.Bounds = part.Bounds();
    pieces.push_back(std::move(piece));
  }
  return pieces;
}

}  // namespace tavo::skin
