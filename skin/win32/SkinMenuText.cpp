// Menu text through DrawTextA onto portable pictures.
#include "skin/win32/SkinMenuText.h"

#include "skin/win32/SkinControlText.h"
#include "ui/Handles.h"

namespace tavo::skin {

TPoint TGdiMenuTextPainter::TextExtent(const std::string& text, const TButtonFont& font) {
  ui::THMemDC dc(CreateCompatibleDC(nullptr));
  const ui::THFont handle = ui::CreateFontHandle(UiFontOf(font), pixelsPerInch_);
  if (!dc || !handle || text.empty()) return TPoint{0, 0};
  ui::TSelect select(dc.get(), handle.get());
  RECT r{0, 0, 0, 0};
  ::DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
  return TPoint{r.right - r.left, r.bottom - r.top};
}

void TGdiMenuTextPainter::WriteText(TBitmap& canvas, const TRect& box, const std::string& text,
                                    const TButtonFont& font, TColor color, bool alignRight) {
  if (text.empty() || box.right <= box.left) return;
  DrawTextOnCanvas(canvas, font, color, pixelsPerInch_, [&](HDC dc) {
    RECT r{box.left, box.top, box.right, box.bottom};
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
                DT_SINGLELINE | DT_VCENTER | (alignRight ? DT_RIGHT : DT_LEFT));
  });
}

}  // namespace tavo::skin
