// The frame's caption text written with GDI onto portable pictures.
#include "skin/win32/SkinFormText.h"

namespace tavo::skin {

void TGdiFrameTextPainter::TextOut(TBitmap& canvas, int x, int y, const std::string& text, const TButtonFont& font,
                                   TColor color) {
  if (text.empty()) return;
  DrawTextOnCanvas(canvas, font, color, pixelsPerInch_,
                   [&](HDC dc) { ::TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size())); });
}

}  // namespace tavo::skin
