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
};

// Main picture 200 x 80; frame points (60,30), (140,30), (60,70), (140,70);
// clientrect 8,30,192,72; maskrectarea 4,20,196,76; buttonsrect
// 120,6,190,24; captionrect 30,4,118,26; buttonsoffset 2; bgpictureindex 3,
// mdibgpictureindex 4. Records in order (section:kind):
//   caption:caption, closebutton, maxbutton, minbutton, rollupbutton,
//   traybutton, sysmenubutton, helpbutton (all stdbutton), plainbutton:button,
//   anim:animate (button style, 4 frames), cycleanim:animate (cycling,
//   no button style), userobj:userobject, menuitem:menuitem,
//   mainmenubaritem:mainmenubaritem, menubarclose:mainmenubarbutton.
// The objects the frame makes from them are the first twelve.
constexpr int kTestSkinWidth = 200;
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
