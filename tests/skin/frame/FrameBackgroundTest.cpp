// The client background: Lumen's client piece tiled over the directory
// window, a tile larger than the client, an active picture as the tile, the
// plain fill, and the logo (centred, clipped to the corner, transparent).
#include <gtest/gtest.h>

#include "skin/FrameBackground.h"
#include "skin/PixelCopy.h"
#include "skin/frame/FrameTestSkins.h"

namespace tavo::skin {
namespace {

using test::CoordinateColor;
using test::CoordinatePicture;
using test::TLumen;

const TColor kFace = RGB(212, 208, 200);

TEST(ClientBackground, LumenTilesItsClientPieceOverTheDirectoryWindow) {
  TLumen lumen;
  // Tile (13,46,265,107): 252 x 61, laid at multiples of its size from the
  // client's corner, 3 columns and 5 rows of tiles over 563 x 262.
  const TBitmap b = PaintClientBackground({&lumen.data, false, kFace}, 563, 262);
  ASSERT_EQ(b.Width(), 563);
  ASSERT_EQ(b.Height(), 262);
  const TBitmap& p = lumen.data.Picture;
  for (int y = 0; y < 262; ++y)
    for (int x = 0; x < 563; ++x) ASSERT_EQ(b.Pixel(x, y), p.Pixel(13 + x % 252, 46 + y % 61)) << x << "," << y;
}

TEST(ClientBackground, ATileLargerThanTheClientIsDrawnOnceAtTheCorner) {
  TLumen lumen;
  const TBitmap b = PaintClientBackground({&lumen.data, false, kFace}, 100, 40);
  const TBitmap& p = lumen.data.Picture;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 100; ++x) ASSERT_EQ(b.Pixel(x, y), p.Pixel(13 + x, 46 + y)) << x << "," << y;
  EXPECT_TRUE(PaintClientBackground({&lumen.data, false, kFace}, 0, 40).Empty());
}

struct TTileSkin {
  TSkinData data;
  TTileSkin() {
    data.IsEmpty = false;
    data.Picture = CoordinatePicture(50, 40, 1);
    data.clientrect = {10, 10, 40, 30};
    data.ActivePictures.push_back(CoordinatePicture(3, 3, 2));
    data.ActivePictures.push_back(CoordinatePicture(7, 5, 3));
  }
};

TEST(ClientBackground, AnActivePictureAsTheTile) {
  TTileSkin skin;
  skin.data.bgpictureindex = 1;
  const TBitmap b = PaintClientBackground({&skin.data, false, kFace}, 20, 12);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(b.Pixel(x, y), CoordinateColor(x % 7, y % 5, 3)) << x << "," << y;
  // The client window of a multi-document form picks its own index.
  skin.data.mdibgpictureindex = 0;
  const TBitmap mdi = PaintClientBackground({&skin.data, true, kFace}, 20, 12);
  EXPECT_EQ(mdi.Pixel(4, 5), CoordinateColor(1, 2, 2));
  skin.data.mdibgpictureindex = -1;  // then the client piece, as for the form
  EXPECT_EQ(PaintClientBackground({&skin.data, true, kFace}, 20, 12).Pixel(4, 5), CoordinateColor(14, 15, 1));
}

TBitmap Logo(int w, int h) {
  TBitmap logo(w, h);
  FillRect(logo, {0, 0, w, h}, RGB(9, 8, 7));
  logo.SetPixel(0, h - 1, RGB(0, 0, 255));  // the transparent colour's pixel
  logo.SetPixel(1, 0, RGB(0, 0, 255));
  return logo;
}

TEST(ClientBackground, PlainFillAndTheLogo) {
  const TBitmap logo = Logo(10, 6);
  const TBitmap b = PaintClientBackground({nullptr, false, kFace, &logo}, 30, 20);
  // Centred: (15 - 5, 10 - 3).
  EXPECT_EQ(LogoPlace(30, 20, logo), (TPoint{10, 7}));
  EXPECT_EQ(b.Pixel(9, 7), kFace);
  EXPECT_EQ(b.Pixel(10, 7), RGB(9, 8, 7));
  EXPECT_EQ(b.Pixel(11, 7), RGB(0, 0, 255));  // opaque: every pixel drawn
  EXPECT_EQ(b.Pixel(19, 12), RGB(9, 8, 7));
  EXPECT_EQ(b.Pixel(20, 12), kFace);
  EXPECT_EQ(b.Pixel(19, 13), kFace);

  const TBitmap see = PaintClientBackground({nullptr, false, kFace, &logo, true}, 30, 20);
  EXPECT_EQ(see.Pixel(11, 7), kFace);  // the bottom-left pixel's colour is left out
  EXPECT_EQ(see.Pixel(10, 12), kFace);
  EXPECT_EQ(see.Pixel(12, 7), RGB(9, 8, 7));

  // Larger than the client: pinned to the corner.
  const TBitmap big = Logo(40, 30);
  EXPECT_EQ(LogoPlace(30, 20, big), (TPoint{0, 0}));
  EXPECT_EQ(LogoPlace(60, 20, big), (TPoint{10, 0}));
  EXPECT_EQ(PaintClientBackground({nullptr, false, kFace, &big}, 30, 20).Pixel(29, 19), RGB(9, 8, 7));
}

TEST(ClientBackground, LogoOverTheSkinTiles) {
  TTileSkin skin;
  const TBitmap logo = Logo(4, 4);
  const TBitmap b = PaintClientBackground({&skin.data, false, kFace, &logo}, 40, 30);
  EXPECT_EQ(b.Pixel(18, 13), RGB(9, 8, 7));
  EXPECT_EQ(b.Pixel(17, 13), CoordinateColor(10 + 17 % 30, 10 + 13 % 20, 1));
}

TEST(ClientBackground, NothingToTileFillsPlain) {
  TTileSkin skin;
  const TBitmap logo = Logo(4, 4);
  const TColor work = RGB(128, 128, 128);
  // An empty client rectangle: plain fill and no logo.
  skin.data.clientrect = {10, 10, 10, 30};
  TBitmap b = PaintClientBackground({&skin.data, false, kFace, &logo}, 40, 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(b.Pixel(x, y), kFace);
  // A picture index beyond the active pictures: plain fill, the logo over it.
  skin.data.bgpictureindex = 2;
  b = PaintClientBackground({&skin.data, false, kFace, &logo}, 40, 30);
  EXPECT_EQ(b.Pixel(0, 0), kFace);
  EXPECT_EQ(b.Pixel(18, 13), RGB(9, 8, 7));
  // An empty skin is plain mode: the multi-document client fills with its
  // own colour.
  skin.data.IsEmpty = true;
  EXPECT_EQ(PaintClientBackground({&skin.data, true, work, &logo}, 40, 30).Pixel(0, 0), work);
  EXPECT_EQ(PaintClientBackground({&skin.data, true, work, &logo}, 40, 30).Pixel(18, 13), RGB(9, 8, 7));
}

}  // namespace
}  // namespace tavo::skin
