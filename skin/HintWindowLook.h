// The skinned hint window's portable side: its size for a text (plain or
// from the skin's [HINTWINDOW] record) with the placed nine-part geometry,
// its position kept on the screen, its region, the picture it paints, and
// how far below the cursor's hot spot the cursor draws (so that a hint
// shown under the cursor is not covered by it). Text goes through
// THintTextPainter, so all of it runs without fonts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Rect.h"
#include "skin/Bitmap.h"
#include "skin/NinePart.h"
#include "skin/Region.h"
#include "skin/SkinObjects.h"
#include "skin/SpeedButtonRenderer.h"

namespace tavo::skin {

// Measures and draws text that may hold line breaks, each starting a line.
class THintTextPainter {
 public:
  virtual ~THintTextPainter() = default;
  // Width and height of the whole text (the box DT_CALCRECT would give).
  virtual TPoint MeasureText(const std::string& text, const TButtonFont& font) = 0;
  // Draws the text left- and top-aligned in box, leaving the background.
  virtual void PaintText(TBitmap& canvas, const TRect& box, const std::string& text, const TButtonFont& font,
                        TColor color) = 0;
};

// The skin a hint is drawn from: the record and its window picture (the
// active picture at "windowpictureindex") and mask (at
// "maskpictureindex", null or empty when there is none).
struct THintSkin {
  const TDataSkinHintWindow* Record = nullptr;
  const TBitmap* Picture = nullptr;
  const TBitmap* Mask = nullptr;
};

// The hint window's size and, skinned, its placed geometry.
struct THintMeasure {
  int Width = 0, Height = 0;
  int TextWidth = 0, TextHeight = 0;
  TNinePartGeometry Geometry;  // skinned only
};

// Plain: the text's size plus 2 pixels around. Skinned: the text's size
// plus the picture's frame outside the client rectangle, never smaller
// than the picture, with the nine-part points placed for that size.
THintMeasure MeasureHint(TPoint textSize, const THintSkin* skin);

// The window rectangle for a hint of size w x h asked for at anchor's
// top-left: moved left by w + 2 when it would pass the screen's right
// edge, up by h + 2 when it would pass its bottom.
TRect PlaceHint(const TRect& anchor, int w, int h, int screenWidth, int screenHeight);

// The skinned window's shape from its mask; none when the skin has no mask
// (the window then stays rectangular) or the mask gives no region.
std::optional<TRegion> HintRegion(const THintMeasure& m, const THintSkin& skin);

// Colours of the plain look (the system's info colours by default).
struct THintColors {
  TColor InfoBk = 0xE1FFFF;
  TColor InfoText = 0x000000;
  TColor BtnShadow = 0xA0A0A0;
};

// The whole window picture for text. Skinned: the nine-part picture with
// its client area, the text centred in the placed client rectangle in the
// record's "fontcolor". Plain: info background, a one-pixel shadow frame,
// the text at (2, 2) in the info text colour.
TBitmap PaintHint(const std::string& text, const TButtonFont& font, const THintSkin* skin,
                  THintTextPainter& painter, const THintColors& colors = {});

// The cursor's mask as read back from the system: 1 bit a pixel, rows
// bottom-up, each padded to 4 bytes.
struct TCursorMask {
  int Width = 0, Height = 0;
  std::vector<uint8_t> Bits;
};

// The number of rows from the hot spot down to the lowest drawn row of the
// cursor: the lowest row of the AND part with a pixel that is not
// transparent or, when the AND part is all transparent and an XOR part
// lies below it, the lowest row of the XOR part that draws something.
// cursorHeight (SM_CYCURSOR) when no mask could be read.
int CursorDepthBelowHotSpot(int cursorHeight, const TCursorMask* mask, int hotSpotY);

}  // namespace tavo::skin

namespace tavo::skin {

// The hint's font: the record's name, height and style when skinned with
// the skin font in use, else defaultFont; the character set of the
// resource strings when there are some, else defaultFont's.
TButtonFont HintFont(const TButtonFont& defaultFont, const TDataSkinHintWindow* skinRecord, bool useSkinFont,
                     std::optional<int> resourceCharset);

}  // namespace tavo::skin
