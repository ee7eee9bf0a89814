// Composing the skinned frame's four pieces with their objects.
#include "skin/FramePainter.h"

#include "skin/EffectBmp.h"
#include "skin/Geometry.h"
#include "skin/PixelCopy.h"
#include "skin/SkinData.h"

namespace tavo::skin {

namespace {

TRect MovedUp(const TRect& r, int by) {
  return TRect{r.left, Clamp32(int64_t{r.top} - by), r.right, Clamp32(int64_t{r.bottom} - by)};
}

}  // namespace

void DrawPicture(TBitmap& canvas, const TBitmap& picture, TPoint at, const TRect& excluded,
                 std::optional<TColor> transparent) {
  if (picture.Empty()) return;
  TBitmap storage;
  const TBitmap& src = As24Bit(picture, storage);
  const bool exclude = !IsNullRect(excluded);
  for (int y = 0; y < src.Height(); ++y) {
    const int wy = at.y + y;
    if (wy < 0 || wy >= canvas.Height()) continue;
    for (int x = 0; x < src.Width(); ++x) {
      const int wx = at.x + x;
      if (wx < 0 || wx >= canvas.Width()) continue;
      if (exclude && PtInRect(excluded, TPoint{wx, wy})) continue;
      const TColor c = src.Pixel(x, y);
      if (!transparent || c != *transparent) canvas.SetPixel(wx, wy, c);
    }
  }
}

TFramePieces FramePiecesOf(const TSkinData& skin, const TPlacedFrameGeometry& placed, bool formActive) {
  const TBitmap& picture = !formActive && !skin.InActivePicture.Empty() ? skin.InActivePicture : skin.Picture;
  const TFrameSkinGeometry g = FrameSkinGeometryOf(skin);
  TStretchSides stretch;
  stretch.Top = skin.topstretch;
  stretch.Bottom = skin.bottomstretch;
  stretch.Left = skin.leftstretch;
  stretch.Right = skin.rightstretch;
  return CreateFramePieces(placed.FrameWidth, placed.FrameHeight, TRect{0, 0, picture.Width(), picture.Height()},
                           picture, FramePieceGeometry(g, placed), stretch);
}

TComposedFrame ComposeSkinnedFrame(const TSkinnedFrameInput& in, const std::vector<TPaintedObject>& objects) {
  TComposedFrame f;
  if (in.Skin == nullptr || in.FrameWidth < in.Minimum.x || in.FrameHeight < in.Minimum.y) return f;
  const TSkinData& skin = *in.Skin;
  f.Painted = true;
  f.Placed = ComputePlacedGeometry(FrameSkinGeometryOf(skin), in.FrameWidth, in.FrameHeight);
  f.Pieces = FramePiecesOf(skin, f.Placed, in.FormActive);

  const TRect& client = f.Placed.ClientRect;
  for (const TPaintedObject& object : objects) {
    if (!object.Visible || !object.Draw) continue;
    if (object.ObjectRect.bottom > client.top) {
      if (!f.Pieces.Bottom.Empty()) object.Draw(f.Pieces.Bottom, MovedUp(object.ObjectRect, client.bottom), false);
    } else if (!f.Pieces.Top.Empty()) {
      object.Draw(f.Pieces.Top, object.ObjectRect, false);
    }
  }

  if (!in.FormActive && skin.autorenderinginactiveimage)
    for (TFramePieces& p = f.Pieces; TBitmap * piece : {&p.Top, &p.Bottom, &p.Left, &p.Right})
      if (!piece->Empty()) ApplyInactiveEffect(*piece, skin.inactiveeffect);

  f.TopAt = TPoint{0, 0};
  f.LeftAt = TPoint{0, f.Pieces.Top.Height()};
  f.RightAt = TPoint{in.FrameWidth - f.Pieces.Right.Width(), f.Pieces.Top.Height()};
  f.BottomAt = TPoint{0, in.FrameHeight - f.Pieces.Bottom.Height()};
  f.ExcludedClient = client;
  return f;
}

TBitmap PaintComposedFrame(const TComposedFrame& f, const TBitmap& background) {
  TBitmap window = background.To24Bit();
  if (!f.Painted) return window;
  DrawPicture(window, f.Pieces.Top, f.TopAt, f.ExcludedClient);
  DrawPicture(window, f.Pieces.Left, f.LeftAt, f.ExcludedClient);
  DrawPicture(window, f.Pieces.Right, f.RightAt, f.ExcludedClient);
  DrawPicture(window, f.Pieces.Bottom, f.BottomAt, f.ExcludedClient);
  return window;
}

TBitmap RedrawObjectPicture(const TPaintedObject& object, const TBitmap& window) {
  const TRect& r = object.ObjectRect;
  TBitmap picture = NewPicture(RectWidth(r), RectHeight(r));
  if (picture.Empty()) return picture;
  TBitmap storage;
  CopyRect(picture, TRect{0, 0, picture.Width(), picture.Height()}, As24Bit(window, storage), r);
  if (object.Draw) object.Draw(picture, TRect{0, 0, picture.Width(), picture.Height()}, true);
  return picture;
}

}  // namespace tavo::skin
