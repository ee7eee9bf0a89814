// TSkinControlGeometry: how a skinned control's picture follows the
// control's size. It holds the geometry copied from the control's section
// (skin rectangle, corner points, client rectangle), the resize mode derived
// from it, and the points and client rectangle placed for the current size;
// it draws the skin picture at that size and builds the control's shape
// from a mask. Portable.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/Rect.h"
#include "skin/Bitmap.h"
#include "skin/NinePart.h"
#include "skin/Region.h"
#include "skin/SkinControls.h"

namespace tavo::skin {

// How the picture follows the control's size.
enum class TSkinResizeMode {
  None = -1,            // no skin rectangle: nothing to draw from
  Plain = 0,            // the picture at its own size
  NineSlice = 1,        // corners fixed, edges and client tiled
  HorizontalThree = 2,  // left and right ends fixed, middle tiled across
  VerticalThree = 3     // top and bottom ends fixed, middle tiled down
};

// The mode a section asks for: None for an empty skin rectangle; NineSlice
// when both coordinates of the right-bottom point are set; else
// HorizontalThree when a coordinate of the right-top point is set; else
// VerticalThree when one of the left-bottom point is; else Plain.
TSkinResizeMode DeriveResizeMode(const TRect& skinRect, TPoint rightTop, TPoint leftBottom, TPoint rightBottom);

struct TSkinControlGeometry {
  TRect SkinRect;
  TPoint LeftTop, RightTop, LeftBottom, RightBottom;
  TRect ClientRect;
  TSkinResizeMode Mode = TSkinResizeMode::Plain;
  // Placed for the control's current size by Fit.
  TPoint NewLeftTop, NewRightTop, NewLeftBottom, NewRightBottom;
  TRect NewClientRect;

  int SkinWidth() const { return SkinRect.right - SkinRect.left; }
  int SkinHeight() const { return SkinRect.bottom - SkinRect.top; }

  // Copies the section's values and derives the mode; the placed values
  // start as the section's own.
  void Assign(const TRect& skinRect, TPoint leftTop, TPoint rightTop, TPoint leftBottom, TPoint rightBottom,
              const TRect& clientRect);
  void Assign(const TDataSkinCustomControl& section);

  // Adjusts a requested size to the mode and places the points and client
  // rectangle for it. None leaves everything alone; Plain forces the skin
  // rectangle's size; HorizontalThree forces its height; VerticalThree its
  // width; NineSlice keeps any size.
  void Fit(int& width, int& height);

  // Draws the picture's source rectangle `source` (the skin rectangle or a
  // state rectangle of the same geometry) into dest for a control of
  // width x height. dest takes the size the mode gives: the source's own
  // size for Plain, width x source height for HorizontalThree, source
  // width x height for VerticalThree, width x height for NineSlice. None
  // leaves dest empty.
  void Draw(TBitmap& dest, const TRect& source, const TBitmap& picture, int width, int height) const;

  // The shape of a control of width x height from a mask picture covering
  // the skin rectangle; nullopt when the control keeps its rectangle.
  std::optional<TRegion> MaskRegion(const TBitmap& mask, int width, int height) const;
};

// The skin data's active picture number index; null when the index is -1
// or not below the number of pictures.
const TBitmap* PictureAt(const std::vector<TBitmap>& pictures, int32_t index);

}  // namespace tavo::skin
