// Resize modes, placed geometry, drawing and shape of a skinned control.
#include "skin/SkinControlGeometry.h"

#include "skin/Geometry.h"
#include "skin/MaskRegion.h"
#include "skin/PixelCopy.h"
#include "skin/ThreePart.h"

namespace tavo::skin {

TSkinResizeMode DeriveResizeMode(const TRect& skinRect, TPoint rightTop, TPoint leftBottom, TPoint rightBottom) {
  if (IsNullRect(skinRect)) return TSkinResizeMode::None;
  if (rightBottom.x != 0 && rightBottom.y != 0) return TSkinResizeMode::NineSlice;
  if (rightTop.x != 0 || rightTop.y != 0) return TSkinResizeMode::HorizontalThree;
  if (leftBottom.x != 0 || leftBottom.y != 0) return TSkinResizeMode::VerticalThree;
  return TSkinResizeMode::Plain;
}

void TSkinControlGeometry::Assign(const TRect& skinRect, TPoint leftTop, TPoint rightTop, TPoint leftBottom,
                                  TPoint rightBottom, const TRect& clientRect) {
  SkinRect = skinRect;
  LeftTop = leftTop;
  RightTop = rightTop;
  LeftBottom = leftBottom;
  RightBottom = rightBottom;
  ClientRect = clientRect;
  Mode = DeriveResizeMode(skinRect, rightTop, leftBottom, rightBottom);
  NewLeftTop = leftTop;
  NewRightTop = rightTop;
  NewLeftBottom = leftBottom;
  NewRightBottom = rightBottom;
  NewClientRect = clientRect;
}

void TSkinControlGeometry::Assign(const TDataSkinCustomControl& section) {
  Assign(section.skinrect, section.lefttoppoint, section.righttoppoint, section.leftbottompoint,
         section.rightbottompoint, section.clientrect);
}

const TBitmap* PictureAt(const std::vector<TBitmap>& pictures, int32_t index) {
  if (index < 0 || static_cast<size_t>(index) >= pictures.size()) return nullptr;
  return &pictures[static_cast<size_t>(index)];
}

void TSkinControlGeometry::Fit(int& width, int& height) {
  if (Mode == TSkinResizeMode::None) return;
  const int dW = width - SkinWidth();
  const int dH = height - SkinHeight();
  NewLeftTop = LeftTop;
  NewRightTop = RightTop;
  NewLeftBottom = LeftBottom;
  NewRightBottom = RightBottom;
  NewClientRect = ClientRect;
  switch (Mode) {
    case TSkinResizeMode::None:
      break;
    case TSkinResizeMode::Plain:
      width = SkinWidth();
      height = SkinHeight();
      break;
    case TSkinResizeMode::NineSlice:
      NewRightTop.x += dW;
      NewLeftBottom.y += dH;
      NewRightBottom.x += dW;
      NewRightBottom.y += dH;
      NewClientRect.right += dW;
      NewClientRect.bottom += dH;
      break;
    case TSkinResizeMode::HorizontalThree:
      height = SkinHeight();
      NewRightTop.x += dW;
      NewClientRect.right += dW;
      break;
    case TSkinResizeMode::VerticalThree:
      width = SkinWidth();
      NewLeftBottom.y += dH;
      NewClientRect.bottom += dH;
      break;
  }
}

void TSkinControlGeometry::Draw(TBitmap& dest, const TRect& source, const TBitmap& picture, int width,
                                int height) const {
  switch (Mode) {
    case TSkinResizeMode::None:
      dest = TBitmap();
      break;
    case TSkinResizeMode::Plain: {
      const int sw = RectWidth(source), sh = RectHeight(source);
      dest = NewPicture(sw, sh);
      TBitmap storage;
      CopyRect(dest, TRect{0, 0, sw, sh}, As24Bit(picture, storage), source);
      break;
    }
    case TSkinResizeMode::NineSlice: {
      // The placed points follow the size asked for here, so a face drawn
      // for another size than the last fit is still laid out right.
      const TNinePartGeometry g = PlaceNinePart(LeftTop, RightTop, LeftBottom, RightBottom, ClientRect,
                                                SkinWidth(), SkinHeight(), width, height);
      DrawTiledNinePart(dest, width, height, source, picture, g, true);
      break;
    }
    // The fixed ends are measured on the skin rectangle, whatever the size
    // of the state rectangle drawn: a state picture a column wider than the
    // normal one keeps ends of the same width and a wider middle.
    case TSkinResizeMode::HorizontalThree:
      DrawHorizontalThreePart(LeftTop.x, SkinWidth() - RightTop.x, dest, width, source, picture);
      break;
    case TSkinResizeMode::VerticalThree:
      DrawVerticalThreePart(LeftTop.y, SkinHeight() - LeftBottom.y, dest, height, source, picture);
      break;
  }
}

std::optional<TRegion> TSkinControlGeometry::MaskRegion(const TBitmap& mask, int width, int height) const {
  if (mask.Empty()) return std::nullopt;
  const int sw = SkinWidth(), sh = SkinHeight();
  switch (Mode) {
    case TSkinResizeMode::None:
      return std::nullopt;
    case TSkinResizeMode::Plain:
      return MaskToRegion(mask);
    case TSkinResizeMode::NineSlice:
      return NinePartMaskToRegion(
          width, height, mask,
          PlaceNinePart(LeftTop, RightTop, LeftBottom, RightBottom, ClientRect, sw, sh, width, height));
    case TSkinResizeMode::HorizontalThree: {
      // The left-top point stands for both left points, the right-top point
      // for both right points; only the right ones move with the width.
      const TPoint placedRight{width + RightTop.x - sw, RightTop.y};
      TRect nc = ClientRect;
      nc.right += width - sw;
      const TNinePartGeometry g{LeftTop, RightTop, LeftTop, RightTop, ClientRect,
                                LeftTop, placedRight, LeftTop, placedRight, nc};
      return NinePartMaskToRegion(width, height, mask, g);
    }
    case TSkinResizeMode::VerticalThree: {
      // The left-top point stands for both top points, the left-bottom
      // point for both bottom points; only the bottom ones move.
      const TPoint placedBottom{LeftBottom.x, height + LeftBottom.y - sh};
      TRect nc = ClientRect;
      nc.bottom += height - sh;
      const TNinePartGeometry g{LeftTop, LeftTop, LeftBottom, LeftBottom, ClientRect,
                                LeftTop, LeftTop, placedBottom, placedBottom, nc};
      return NinePartMaskToRegion(width, height, mask, g);
    }
  }
  return std::nullopt;
}

}  // namespace tavo::skin
