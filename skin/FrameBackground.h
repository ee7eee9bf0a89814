// The client background a skinned frame paints for its form: the skin's
// client piece (or a chosen active picture) tiled from the client's corner,
// plain fill without a skin, and the logo centred over it. Portable; the
// Win32 frame paints the result on the device context of WM_ERASEBKGND.
#pragma once

#include "core/Rect.h"
#include "skin/Bitmap.h"

namespace tavo::skin {

class TSkinData;

struct TClientBackgroundInput {
  // Skinned mode: the loaded skin; null (or an empty skin) is plain mode.
  const TSkinData* Skin = nullptr;
  // The client window of a multi-document form: "mdibgpictureindex" picks
  // the tile instead of "bgpictureindex".
  bool MdiClient = false;
  // clBtnFace, or clAppWorkSpace for a multi-document client.
  TColor PlainColor = RGB(240, 240, 240);
  const TBitmap* Logo = nullptr;  // none or empty: no logo
  bool LogoTransparent = false;
};

// The tile the background repeats: the skin's "clientrect" piece of its
// main picture when the picture index is negative, else the active picture
// of that index. Empty when there is nothing to tile (no skin, an empty
// client rectangle, an index beyond the active pictures, an empty picture).
TBitmap BackgroundTile(const TClientBackgroundInput& input);

// Where the logo's top-left corner goes in a client of width x height:
// centred, each coordinate raised to 0 when negative.
TPoint LogoPlace(int width, int height, const TBitmap& logo);

// The client's background, width x height: the tile at (i * tile width,
// j * tile height) for i = 0 .. width / tile width and j = 0 .. height /
// tile height (the last ones clipped), or the plain colour without a tile;
// then the logo, except on a skin whose client rectangle is empty. A
// transparent logo leaves out the pixels of its bottom-left pixel's colour.
TBitmap PaintClientBackground(const TClientBackgroundInput& input, int width, int height);

}  // namespace tavo::skin
