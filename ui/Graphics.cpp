// Colours, fonts and 3-D frames.
#include "ui/Graphics.h"

#include <cstring>

namespace tavo::ui {

COLORREF ColorToRGB(TColor color) {
  if (color & kSystemColorFlag) return GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0x00FFFFFF;
}

int ScaleValue(int value, int pixelsPerInch) {
  if (pixelsPerInch == 96) return value;
  return MulDiv(value, pixelsPerInch, 96);
}

int ScaledFontHeight(const TFont& font, int pixelsPerInch) {
  return ScaleValue(font.Height, pixelsPerInch);
}

THFont CreateFontHandle(const TFont& font, int pixelsPerInch) {
  LOGFONTA lf{};
  lf.lfHeight = ScaledFontHeight(font, pixelsPerInch);
  lf.lfWeight = font.Style.Bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font.Style.Italic;
  lf.lfUnderline = font.Style.Underline;
  lf.lfStrikeOut = font.Style.StrikeOut;
  lf.lfCharSet = font.Charset;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  std::strncpy(lf.lfFaceName, font.Name.c_str(), LF_FACESIZE - 1);
  return THFont(CreateFontIndirectA(&lf));
}

void FillRectColor(HDC dc, const RECT& rect, TColor color) {
  if (color == clNone) return;
  // ExtTextOut with an opaque rectangle fills without making a brush.
  const COLORREF old = SetBkColor(dc, ColorToRGB(color));
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

void Frame3D(HDC dc, RECT& rect, TColor topLeft, TColor bottomRight, int width) {
  const COLORREF tl = ColorToRGB(topLeft);
  const COLORREF br = ColorToRGB(bottomRight);
  const COLORREF old = GetBkColor(dc);
  auto fill = [dc](COLORREF c, int l, int t, int r, int b) {
    const RECT part{l, t, r, b};
    SetBkColor(dc, c);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &part, nullptr, 0, nullptr);
  };
  for (int i = 0; i < width && rect.right > rect.left && rect.bottom > rect.top; ++i) {
    // Top and left edges; the bottom-right colour takes the two far corners.
    fill(tl, rect.left, rect.top, rect.right - 1, rect.top + 1);
    fill(tl, rect.left, rect.top, rect.left + 1, rect.bottom - 1);
    fill(br, rect.right - 1, rect.top, rect.right, rect.bottom);
    fill(br, rect.left, rect.bottom - 1, rect.right, rect.bottom);
    InflateRect(&rect, -1, -1);
  }
  SetBkColor(dc, old);
}

}  // namespace tavo::ui
