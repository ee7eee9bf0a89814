// Portable regions: a union of rectangles, and the rectangle-list data a
// platform region is built from (a 32-byte header, then 16 bytes a
// rectangle, all little-endian).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/Rect.h"

namespace tavo::skin {

using tavo::TRect;

// The most rectangles handed to the platform's region constructor at once;
// a longer list is built in chunks of this size and joined.
constexpr size_t kMaxRegionRects = 10000;

// Layout of the region data header.
constexpr uint32_t kRegionHeaderSize = 32;
constexpr uint32_t kRegionTypeRectangles = 1;
constexpr uint32_t kRegionRectSize = 16;

// A set of pixels stored as a union of rectangles (they may overlap).
class TRegion {
 public:
  TRegion() = default;
  explicit TRegion(const TRect& r) { Add(r); }

  // Joins a rectangle (empty ones add nothing) or another region moved by
  // (dx, dy).
  void Add(const TRect& r);
  void Add(const TRegion& other, int dx = 0, int dy = 0);

  bool Empty() const { return rects_.empty(); }
  const std::vector<TRect>& Rects() const { return rects_; }
  bool Contains(int x, int y) const;
  // The smallest rectangle holding every pixel; (0, 0, 0, 0) when empty.
  TRect Bounds() const;

 private:
  std::vector<TRect> rects_;
};

// Region data: a bounding rectangle and the rectangles.
struct TRegionData {
  TRect Bounds;
  std::vector<TRect> Rects;

  // Bytes of the serialised form: 32 + 16 * the rectangle count.
  size_t Size() const { return kRegionHeaderSize + kRegionRectSize * Rects.size(); }
  // Header (size 32, type 1, count, 0, bounding rectangle) and rectangles.
  std::vector<uint8_t> Bytes() const;
};

// Splits data into pieces of at most maxRects rectangles each, every piece
// bounded by its own rectangles, so no rectangle is ever dropped. Data with
// no rectangles gives one piece with none.
std::vector<TRegionData> SplitRegionData(const TRegionData& data, size_t maxRects = kMaxRegionRects);

}  // namespace tavo::skin
