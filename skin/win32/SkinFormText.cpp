// The frame's caption text written with GDI onto portable pictures.
#include "skin/win32/SkinFormText.h"

#include "skin/win32/DibSection.h"
#include "ui/Handles.h"

namespace tavo::skin {

void TGdiFrameTextPainter::TextOut(TBitmap& canvas, int x, int y, const std::string& text, const TButtonFont& font,
                                   TColor color) {
  if (canvas.Empty() || text.empty()) return;
  const ui::THBitmap section = win32::CreateDibSection(canvas);
  ui::THMemDC dc(CreateCompatibleDC(nullptr));
  const ui::THFont handle = ui::CreateFontHandle(UiFontOf(font), pixelsPerInch_);
  if (!section || !dc || !handle) return;
  ui::TSelect selectBitmap(dc.get(), section.get());
  ui::TSelect selectFont(dc.get(), handle.get());
  SetBkMode(dc.get(), TRANSPARENT);
  SetTextColor(dc.get(), color);
  ::TextOutA(dc.get(), x, y, text.c_str(), static_cast<int>(text.size()));
  TBitmap drawn = win32::CaptureDC(dc.get(), TRect{0, 0, canvas.Width(), canvas.Height()});
  if (!drawn.Empty()) canvas = std::move(drawn);
}

}  // namespace tavo::skin
