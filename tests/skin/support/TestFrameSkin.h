// A frame skin made only for tests: it exercises what the shipped skins
// leave unused (inactive picture and effects, buttons and caption rows on
// either side, animations, user and plain button objects, disabled and
// restore images, a morphing caption with an active picture and a plate,
// background pictures, stretch flags). Its pictures name their own pixel
// coordinates, so a test can tell where every drawn pixel came from.
#pragma once

#include <string>

#include "core/Rect.h"
#include "skin/Bitmap.h"
#include "skin/SkinData.h"
#include "skin/SkinTypes.h"

namespace tavo::skin::test {

// Which picture a pixel came from: pixel (x, y) of each test picture is
// red x, green y and blue the picture's mark.
enum TTestPictureMark : uint8_t {
  kMarkPicture = 1,
  kMarkInActivePicture = 2,
  kMarkMask = 0,
  kMarkButtons = 16,    // active picture 0: caption-button and button sheet
  kMarkCaption = 17,    // active picture 1: caption images and plates
  kMarkAnimation = 18,  // active picture 2: animation frames side by side
  kMarkBackground = 19, // active picture 3: client background tile
  kMarkMdiBackground = 20,  // active picture 4: multi-document background tile
  kMarkPopup = 21,          // active picture 5 (skinned popups only): popup window
  kMarkMenuItem = 22,       // active picture 6 (skinned popups only): menu item cells
};

// The colour of pixel (x, y) of the picture with the given mark.
constexpr TColor MarkedPixel(int x, int y, uint8_t mark) {
  return RGB(static_cast<uint8_t>(x), static_cast<uint8_t>(y), mark);
}

// Knobs of the test skin. Every figure of the skin is in TestFrameSkin.cpp
// and in the table below the struct.
struct TTestFrameSkinOptions {
  bool buttonsInLeft = false;
  bool withButtonsRect = true;   // [FORMINFO] buttonsrect
  bool withCaptionRect = true;   // [FORMINFO] captionrect
  bool withInactivePicture = true;
  bool withMask = true;
  bool autoRenderInactive = false;
  std::string inactiveEffect = "iebrightness";
  std::string captionAlignment = "tacenter";
  bool captionMorphing = true;
  bool captionPlate = true;
  bool captionShadow = true;
  bool stretch = true;  // left and top stretched, right and bottom tiled
  // Skinned popup menus: [POPUPWINDOW] drawn from a 32 x 32 active
  // picture 5 (points (4,4), (28,4), (4,28), (28,28), itemsrect 2,2,30,30,
  // no mask) and the menu item record from a 40 x 28 active picture 6
  // (skinrect 0,0,40,12, activeskinrect 0,12,40,24, dividerrect 0,24,40,28,
  // textrect 4,0,36,12, offsets 4), with item morphing as asked.
  bool skinnedPopups = false;
  bool menuMorphing = true;
  std::string menuMorphKind = "mkdefault";
};

// Main picture 240 x 80; frame points (60,30), (150,30), (60,70), (150,70);
// clientrect 8,30,232,72; maskrectarea 4,20,236,76; hit-test points (6,6),
// (234,6), (6,74), (234,74); buttonsrect 162,6,236,24; captionrect
// 30,4,160,26; buttonsoffset 2; borderwidth 3; bgpictureindex 3,
// mdibgpictureindex 4. Active pictures: 0 button sheet 96 x 176 (16 x 16
// cells), 1 caption sheet 140 x 40, 2 animation strip 80 x 8 (four 20 x 8
// frames), 3 background tile 24 x 20, 4 multi-document tile 16 x 16.
// Records in order (section:kind):
//   caption:caption (skinrect 30,4,160,26, morphing, plate, shadow),
//   closebutton, maxbutton, minbutton, rollupbutton, traybutton,
//   sysmenubutton, helpbutton (all stdbutton, in a picture),
//   plainbutton:button (skinrect 4,6,20,22 of the main picture),
//   anim:animate (170,72,190,80; button style, 4 frames),
//   cycleanim:animate (10,72,30,80; cycling, no button style, system menu),
//   userobj:userobject (90,72,110,80), menuitem:menuitem,
//   mainmenubaritem:mainmenubaritem, menubarclose:mainmenubarbutton.
// The objects the frame makes from them are the first twelve.
constexpr int kTestSkinWidth = 240;
constexpr int kTestSkinHeight = 80;
constexpr int kTestSkinObjectRecords = 15;
constexpr int kTestSkinFrameObjects = 12;

// The skin's INI text.
std::string TestFrameSkinIni(const TTestFrameSkinOptions& options = {});

// Loads the test skin into data (pictures set directly, the INI text read
// by the skin data's own reader), leaving it not empty.
void LoadTestFrameSkin(TSkinData& data, const TTestFrameSkinOptions& options = {});

// A 24-bit picture whose pixel (x, y) is MarkedPixel(x, y, mark).
TBitmap MarkedPicture(int width, int height, uint8_t mark);

}  // namespace tavo::skin::test
