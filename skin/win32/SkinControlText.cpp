// Captions of the skinned controls drawn with GDI onto portable pictures.
#include "skin/win32/SkinControlText.h"

#include "skin/win32/DibSection.h"
#include "ui/Handles.h"

namespace tavo::skin {

TButtonFont ButtonFontOf(const ui::TFont& font) {
  TButtonFont f;
  f.Name = font.Name;
  f.Height = font.Height;
  if (font.Style.Bold) f.Style.Include(TFontStyle::fsBold);
  if (font.Style.Italic) f.Style.Include(TFontStyle::fsItalic);
  if (font.Style.Underline) f.Style.Include(TFontStyle::fsUnderline);
  if (font.Style.StrikeOut) f.Style.Include(TFontStyle::fsStrikeOut);
  f.Charset = font.Charset;
  return f;
}

ui::TFont UiFontOf(const TButtonFont& font, ui::TColor color) {
  ui::TFont f;
  f.Name = font.Name;
  f.Height = font.Height;
  f.Style.Bold = font.Style.Contains(TFontStyle::fsBold);
  f.Style.Italic = font.Style.Contains(TFontStyle::fsItalic);
  f.Style.Underline = font.Style.Contains(TFontStyle::fsUnderline);
  f.Style.StrikeOut = font.Style.Contains(TFontStyle::fsStrikeOut);
  f.Color = color;
  f.Charset = static_cast<BYTE>(font.Charset);
  return f;
}

TPoint TGdiTextPainter::TextExtent(const std::string& text, const TButtonFont& font) {
  ui::THMemDC dc(CreateCompatibleDC(nullptr));
  const ui::THFont handle = ui::CreateFontHandle(UiFontOf(font), pixelsPerInch_);
  if (!dc || !handle) return TPoint{0, 0};
  ui::TSelect select(dc.get(), handle.get());
  SIZE size{0, 0};
  GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
  return TPoint{size.cx, size.cy};
}

void DrawTextOnCanvas(TBitmap& canvas, const TButtonFont& font, TColor color, int pixelsPerInch,
                      const std::function<void(HDC)>& draw) {
  if (canvas.Empty()) return;
  const ui::THBitmap section = win32::CreateDibSection(canvas);
  ui::THMemDC dc(CreateCompatibleDC(nullptr));
  const ui::THFont handle = ui::CreateFontHandle(UiFontOf(font), pixelsPerInch);
  if (!section || !dc || !handle) return;
  ui::TSelect selectBitmap(dc.get(), section.get());
  ui::TSelect selectFont(dc.get(), handle.get());
  SetBkMode(dc.get(), TRANSPARENT);
  SetTextColor(dc.get(), color);
  draw(dc.get());
  TBitmap drawn = win32::CaptureDC(dc.get(), TRect{0, 0, canvas.Width(), canvas.Height()});
  if (!drawn.Empty()) canvas = std::move(drawn);
}

void TGdiTextPainter::PaintText(TBitmap& canvas, const TRect& box, const std::string& text, const TButtonFont& font,
                               TColor color) {
  if (text.empty()) return;
  DrawTextOnCanvas(canvas, font, color, pixelsPerInch_, [&](HDC dc) {
    RECT r{box.left, box.top, box.right, box.bottom};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
  });
}

}  // namespace tavo::skin
