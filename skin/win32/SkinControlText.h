// TGdiTextPainter: measures and draws the skinned controls' captions with
// GDI in the system code page, on portable pictures; and the conversions
// between the toolkit's fonts and the renderer's. Win32 side.
#pragma once

#include <windows.h>

#include <functional>

#include "skin/SpeedButtonRenderer.h"
#include "ui/Graphics.h"

namespace tavo::skin {

// The renderer's font for a toolkit font (its colour is not part of it).
TButtonFont ButtonFontOf(const ui::TFont& font);
// The toolkit's font for a renderer font, in the given colour.
ui::TFont UiFontOf(const TButtonFont& font, ui::TColor color = ui::clWindowText);

// Writes text onto canvas with GDI: draw gets a DC holding a copy of the
// canvas, the font selected, a clear background and the text colour set;
// what it writes is copied back. Nothing happens for an empty canvas.
void DrawTextOnCanvas(TBitmap& canvas, const TButtonFont& font, TColor color, int pixelsPerInch,
                      const std::function<void(HDC)>& draw);

class TGdiTextPainter : public TButtonTextPainter {
 public:
  // Fonts are scaled from 96 dots per inch to pixelsPerInch, as every font
  // of the toolkit is.
  explicit TGdiTextPainter(int pixelsPerInch) : pixelsPerInch_(pixelsPerInch) {}

  TPoint TextExtent(const std::string& text, const TButtonFont& font) override;
  // Draws through a DIB section holding the canvas, with a clear
  // background, centred on one line. The box only centres the text: a
  // character taken from a linked font taller than the measured line is
  // not cut off.
  void PaintText(TBitmap& canvas, const TRect& box, const std::string& text, const TButtonFont& font,
                TColor color) override;

 private:
  int pixelsPerInch_;
};

}  // namespace tavo::skin
