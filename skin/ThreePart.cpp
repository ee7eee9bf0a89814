// Horizontal and vertical three-part images.
#include "skin/ThreePart.h"

#include <cstdint>

#include "skin/PixelCopy.h"

namespace tavo::skin {

void DrawHorizontalThreePart(int leftWidth, int rightWidth, TBitmap& dest, int DW, const TRect& S,
                             const TBitmap& P) {
  const int64_t SW = int64_t{S.right} - S.left, SH = int64_t{S.bottom} - S.top;
  dest = NewPicture(DW, static_cast<int>(SH > 0 ? SH : 0));
  if (dest.Empty() || P.Empty()) return;
  TBitmap storage;
  const TBitmap& src = As24Bit(P, storage);
  const int64_t H = dest.Height();

  auto x = [&](int64_t v) { return static_cast<int32_t>(v); };
  if (leftWidth != 0)
    CopyRect(dest, TRect{0, 0, leftWidth, x(H)}, src, TRect{S.left, S.top, x(S.left + int64_t{leftWidth}), S.bottom});
  if (rightWidth != 0)
    CopyRect(dest, TRect{x(int64_t{DW} - rightWidth), 0, DW, x(H)}, src,
             TRect{x(S.left + SW - rightWidth), S.top, S.right, S.bottom});
  // The middle strip; an empty or inverted one draws nothing.
  const int64_t n = SW - rightWidth - leftWidth;
  if (n < 1) return;
  const TRect strip{x(S.left + int64_t{leftWidth}), S.top, x(S.left + int64_t{leftWidth} + n), S.bottom};
  TileAlongX(dest, leftWidth, int64_t{DW} - rightWidth, 0, src, strip);
}

void DrawVerticalThreePart(int topHeight, int bottomHeight, TBitmap& dest, int DH, const TRect& S,
                           const TBitmap& P) {
  const int64_t SW = int64_t{S.right} - S.left, SH = int64_t{S.bottom} - S.top;
  dest = NewPicture(static_cast<int>(SW > 0 ? SW : 0), DH);
  if (dest.Empty() || P.Empty()) return;
  TBitmap storage;
  const TBitmap& src = As24Bit(P, storage);
  const int64_t W = dest.Width();

  auto y = [&](int64_t v) { return static_cast<int32_t>(v); };
  if (topHeight != 0)
    CopyRect(dest, TRect{0, 0, y(W), topHeight}, src, TRect{S.left, S.top, S.right, y(S.top + int64_t{topHeight})});
  if (bottomHeight != 0)
    CopyRect(dest, TRect{0, y(int64_t{DH} - bottomHeight), y(W), DH}, src,
             TRect{S.left, y(S.top + SH - bottomHeight), S.right, S.bottom});
  const int64_t n = SH - bottomHeight - topHeight;
  if (n < 1) return;
  const TRect strip{S.left, y(S.top + int64_t{topHeight}), S.right, y(S.top + int64_t{topHeight} + n)};
  TileAlongY(dest, topHeight, int64_t{DH} - bottomHeight, 0, src, strip);
}

}  // namespace tavo::skin
