// TSpeedButtonRenderer: composes the whole picture of a skinned speed
// button for one state — the skin face of the normal, active, down or
// disabled state, the morph between the normal and the active face, the
// plain image drawn without a skin, glyph cells and caption placed by the
// button's layout — into a TBitmap. Text is measured and drawn through
// TButtonTextPainter, so every rule here runs and is tested without fonts.
// Portable; the Win32 button feeds it its state and puts the result on the
// screen.
#pragma once

#include <string>
#include <vector>

#include "core/Rect.h"
#include "skin/Bitmap.h"
#include "skin/SkinControlGeometry.h"
#include "skin/SkinControls.h"
#include "skin/SkinTypes.h"

namespace tavo::skin {

// Side of the glyph relative to the caption.
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// A font as the button uses it: height by the LOGFONT rule (negative: the
// character height; positive: the cell height).
struct TButtonFont {
  std::string Name = "Arial";
  int Height = 14;
  TFontStyles Style;
  int Charset = 1;
  bool operator==(const TButtonFont&) const = default;
};

// Measures and draws one line of 8-bit text.
class TButtonTextPainter {
 public:
  virtual ~TButtonTextPainter() = default;
  // Width (x) and height (y) of the text in the font.
  virtual TPoint TextExtent(const std::string& text, const TButtonFont& font) = 0;
  // Draws the text centred in box, horizontally and vertically, leaving the
  // pixels around the letters as they are.
  virtual void PaintText(TBitmap& canvas, const TRect& box, const std::string& text, const TButtonFont& font,
                        TColor color) = 0;
};

struct TGlyphTextPlacement {
  TPoint Glyph;
  TPoint Caption;
};

// Positions of a glyph cell (gw x gh, 0 x 0 without glyph) and a caption
// (tw x th) inside r by layout, margin (-1 centres both together) and
// spacing. Halves drop their remainder toward zero.
TGlyphTextPlacement PlaceGlyphAndText(const TRect& r, int gw, int gh, int tw, int th, TButtonLayout layout,
                                      int margin, int spacing);

// The glyph cell (from 1) shown for a state: 3 when down and active with
// more than two cells, 4 when active with four cells, 1 when enabled or
// with a single cell, 2 (disabled) otherwise.
int GlyphCell(int numGlyphs, bool active, bool down, bool enabled);

// What the button copied from its skin section.
struct TSpeedButtonSkin {
  TSkinControlGeometry Geometry;
  const TBitmap* Picture = nullptr;  // none when null
  TRect ActiveRect, DownRect, DisabledRect;
  TButtonFont Font;
  TColor FontColor = 0, ActiveFontColor = 0, DownFontColor = 0, DisabledFontColor = 0;
  bool Morphing = false;
  TMorphKind MorphKind = TMorphKind::mkDefault;
};

// Copies a button section: its geometry, its picture from the active
// pictures, font, state colours, the state rectangles (an empty active
// rectangle falls back to the skin rectangle, an empty down rectangle to
// the active one) and morphing, which a transparent button turns off.
TSpeedButtonSkin SpeedButtonSkinFrom(const TDataSkinButtonControl& section, const std::vector<TBitmap>& pictures,
                                     bool transparent);

// The button's settings and state for one picture; system colours come
// resolved.
struct TSpeedButtonFace {
  int Width = 25;
  int Height = 25;
  std::string Caption;
  bool ShowCaption = true;
  const TBitmap* Glyph = nullptr;  // strip of NumGlyphs cells; none when null
  int NumGlyphs = 1;
  TButtonLayout Layout = TButtonLayout::blGlyphLeft;
  int Margin = -1;
  int Spacing = 1;
  bool Enabled = true;
  bool Pressed = false;  // shown pressed
  bool MouseInside = false;
  bool Transparent = false;
  bool Flat = false;
  bool Designing = false;
  double MorphFactor = 0;
  bool UseSkinFont = true;
  TButtonFont DefaultFont;
  TColor DefaultFontColor = 0;
  // Character set of the text: the skin data's resource strings' one, or
  // the default font's.
  int Charset = 1;
  TColor ButtonFace = RGB(240, 240, 240);
  TColor ButtonShadow = RGB(160, 160, 160);
};

// Colours of the plain image.
constexpr TColor kPlainHotFrame = RGB(0, 0, 128);
constexpr TColor kPlainPressedFace = RGB(133, 147, 181);
constexpr TColor kPlainHotFace = RGB(182, 189, 210);

class TSpeedButtonRenderer {
 public:
  explicit TSpeedButtonRenderer(TButtonTextPainter& painter) : painter_(painter) {}

  // The button's picture, Width x Height. skin is null when no section was
  // found. background holds the parent's pixels under the button; it shows
  // through a transparent button (white when it is not the button's size).
  TBitmap Render(const TSpeedButtonFace& face, const TSpeedButtonSkin* skin, const TBitmap& background) const;

  // One skin face: the picture from stateRect by the resize mode, with the
  // glyph and caption in the placed client rectangle (one pixel right and
  // down when active and down).
  TBitmap DrawButtonFace(const TSpeedButtonFace& face, const TSpeedButtonSkin& skin, const TRect& stateRect,
                         bool active, bool down) const;

  // The picture without a skin: frame and fill by state, default font.
  TBitmap DrawPlainImage(const TSpeedButtonFace& face, const TBitmap& background) const;

 private:
  // Places and draws glyph and caption inside r.
  void DrawGlyphAndCaption(TBitmap& canvas, const TSpeedButtonFace& face, const TRect& r, const TButtonFont& font,
                           TColor color, int cell) const;

  TButtonTextPainter& painter_;
};

}  // namespace tavo::skin
