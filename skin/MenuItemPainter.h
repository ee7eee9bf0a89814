// Drawing of popup menus: the menu glyphs (check mark, submenu triangle,
// radio dot), one item skinned or plain, the popup's background and scroll
// markers. Text goes through TMenuTextPainter, so everything here is
// tested without fonts. Portable.
#pragma once

#include <string>

#include "core/Rect.h"
#include "skin/Bitmap.h"
#include "skin/MenuItem.h"
#include "skin/PopupGeometry.h"
#include "skin/SpeedButtonRenderer.h"

namespace tavo::skin {

// Measures and writes one line of a menu caption; "&" marks the
// accelerator as the platform's text drawing does.
class TMenuTextPainter {
 public:
  virtual ~TMenuTextPainter() = default;
  virtual TPoint TextExtent(const std::string& text, const TButtonFont& font) = 0;
  // Writes the text on one line, vertically centred in box, from its left
  // edge (or ending at its right edge when alignRight), cut at the box.
  virtual void WriteText(TBitmap& canvas, const TRect& box, const std::string& text, const TButtonFont& font,
                        TColor color, bool alignRight) = 0;
};

// The system colours of the plain look.
struct TMenuColors {
  TColor BtnFace = RGB(212, 208, 200), Window = RGB(255, 255, 255), BtnShadow = RGB(128, 128, 128),
         WindowText = RGB(0, 0, 0), BtnText = RGB(0, 0, 0);
};

// The plain highlight: a navy frame around a pale inside.
constexpr TColor kPlainHighlightFrame = 8388608, kPlainHighlightFill = 13811126;

void DrawCheckMark(TBitmap& canvas, int x, int y, TColor color);
void DrawSubmenuTriangle(TBitmap& canvas, int x, int y, TColor color);
void DrawRadioDot(TBitmap& canvas, int x, int y, TColor color);
// A filled ellipse in r.
void FillEllipse(TBitmap& canvas, const TRect& r, TColor color);

// One item as the popup shows it.
struct TMenuItemView {
  const TMenuItem* Item = nullptr;
  int Width = 0, Height = 0;
  bool Highlighted = false;  // active or down
};

// What every item of a popup shares.
struct TMenuPaintContext {
  TPopupLook Look;
  TButtonFont Font;
  const TMenuImages* Images = nullptr;
  TMenuColors Colors;
  TMenuTextPainter* Text = nullptr;
};

// The system glyph named by the item's name ("SF_CLOSE", ...); false when
// the name is none of them.
bool DrawSystemGlyph(TBitmap& canvas, const std::string& name, int x, int y, TColor color);

// The item's picture (Width x Height).
TBitmap PaintMenuItem(const TMenuItemView& view, const TMenuPaintContext& ctx);

// The popup's background, W x H.
TBitmap PaintPopupBackground(const TPopupLook& look, int W, int H, const TNinePartGeometry& placed, bool scroll,
                             int glyphWidth, const TMenuColors& colors);

// The scroll markers; scrollCode 1 marks the upper one active, 2 the lower.
void PaintScrollMarkers(TBitmap& canvas, const TPopupLook& look, const TRect& itemsRect, int scrollCode,
                        const TMenuColors& colors);

}  // namespace tavo::skin
