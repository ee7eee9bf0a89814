// Tiling the frame's client background and placing the logo.
#include "skin/FrameBackground.h"

#include "skin/FramePainter.h"
#include "skin/Geometry.h"
#include "skin/PixelCopy.h"
#include "skin/SkinData.h"

namespace tavo::skin {

namespace {

bool Skinned(const TClientBackgroundInput& in) { return in.Skin != nullptr && !in.Skin->IsEmpty; }

int PictureIndex(const TClientBackgroundInput& in) {
  return in.MdiClient ? in.Skin->mdibgpictureindex : in.Skin->bgpictureindex;
}

}  // namespace

TBitmap BackgroundTile(const TClientBackgroundInput& in) {
  if (!Skinned(in)) return TBitmap();
  const TSkinData& skin = *in.Skin;
  const int index = PictureIndex(in);
  if (index >= 0) {
    // An index past the active pictures has nothing to tile: the client is
    // filled plain rather than read out of bounds.
    if (index >= static_cast<int>(skin.ActivePictures.size())) return TBitmap();
    return skin.ActivePictures[index].To24Bit();
  }
  const TRect& c = skin.clientrect;
  if (IsNullRect(c) || skin.Picture.Empty()) return TBitmap();
  TBitmap tile = NewPicture(RectWidth(c), RectHeight(c));
  TBitmap storage;
  CopyRect(tile, TRect{0, 0, tile.Width(), tile.Height()}, As24Bit(skin.Picture, storage), c);
  return tile;
}

TPoint LogoPlace(int width, int height, const TBitmap& logo) {
  TPoint p{width / 2 - logo.Width() / 2, height / 2 - logo.Height() / 2};
  if (p.x < 0) p.x = 0;
  if (p.y < 0) p.y = 0;
  return p;
}

TBitmap PaintClientBackground(const TClientBackgroundInput& in, int width, int height) {
  TBitmap canvas = NewPicture(width, height);
  if (canvas.Empty()) return canvas;
  const TBitmap tile = BackgroundTile(in);
  bool logo = true;
  if (tile.Empty()) {
    FillRect(canvas, TRect{0, 0, width, height}, in.PlainColor);
    // A skin that tiles its client piece but has none shows no logo either.
    logo = !Skinned(in) || PictureIndex(in) >= 0;
  } else {
    const int tw = tile.Width(), th = tile.Height();
    const TRect whole{0, 0, tw, th};
    for (int i = 0; i <= width / tw; ++i)
      for (int j = 0; j <= height / th; ++j)
        CopyRect(canvas, TRect{i * tw, j * th, i * tw + tw, j * th + th}, tile, whole);
  }
  if (logo && in.Logo != nullptr && !in.Logo->Empty()) {
    // A transparent logo leaves out the colour of its bottom-left pixel.
    std::optional<TColor> key;
    if (in.LogoTransparent) key = in.Logo->Pixel(0, in.Logo->Height() - 1);
    DrawPicture(canvas, *in.Logo, LogoPlace(width, height, *in.Logo), TRect{}, key);
  }
  return canvas;
}

}  // namespace tavo::skin
