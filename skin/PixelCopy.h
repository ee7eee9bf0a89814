// The pixel primitives every drawing helper is built from: fresh pictures,
// clipped rectangle copies (nearest-pixel when the sizes differ) and the one
// tiling rule. All of them work on 24-bit pictures and never touch a byte
// outside either picture, whatever rectangles they are given.
#pragma once

#include <cstdint>
#include <functional>

#include "core/Rect.h"
#include "skin/Bitmap.h"

namespace tavo::skin {

using tavo::TRect;

// A new 24-bit picture of width x height (empty when either is below 1),
// every pixel white, as a freshly sized drawing surface is.
TBitmap NewPicture(int width, int height);

// The picture itself when it is 24-bit, else a 24-bit copy kept in storage.
const TBitmap& As24Bit(const TBitmap& picture, TBitmap& storage);

// Copies srcRect of src into dstRect of dst. Equal sizes give a plain pixel
// copy; otherwise rows and columns are repeated or dropped (nearest pixel,
// sampled at the centre of each destination pixel), never blended. Pixels
// whose source or destination lies outside its picture are skipped. Both
// pictures must be 24-bit; an empty or inverted rectangle copies nothing.
void CopyRect(TBitmap& dst, const TRect& dstRect, const TBitmap& src, const TRect& srcRect);

// The tiling rule: for k = 0 .. (b - a) div n (truncating; none when
// negative) a tile starts at s = a + k*n and is cut by c = max(0, s + n - b);
// visit(s, n - c) is called for each tile whose length is positive and which
// overlaps [visibleFrom, visibleTo). Tiles outside that window are skipped
// without being counted one by one, so huge spans cost nothing. n < 1 lays
// no tile at all.
void ForEachTile(int64_t a, int64_t b, int64_t n, int64_t visibleFrom, int64_t visibleTo,
                 const std::function<void(int64_t start, int64_t length)>& visit);

// Lays the strip (a rectangle of src) along columns [a, b) of dst, each tile
// at full strip height with its top at row y; tiles start at a.
void TileAlongX(TBitmap& dst, int64_t a, int64_t b, int64_t y, const TBitmap& src, const TRect& strip);
// Lays the strip along rows [a, b) of dst with its left edge at column x.
void TileAlongY(TBitmap& dst, int64_t a, int64_t b, int64_t x, const TBitmap& src, const TRect& strip);

// Sets one pixel (any format, fastest on 24 bits); ignored outside it.
void PutPixel(TBitmap& dst, int64_t x, int64_t y, TColor color);
// Fills a rectangle of a picture, clipped.
void FillRect(TBitmap& dst, const TRect& r, TColor color);

}  // namespace tavo::skin
