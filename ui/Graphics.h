// Colours, font descriptions and the few GDI drawing helpers the controls
// share: system colours by name, fonts scaled to the screen, 3-D frames.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/Handles.h"

namespace tavo::ui {

// 0x00BBGGRR for a plain colour; a system colour has the top bit set and the
// GetSysColor index in its low byte, and is resolved when it is drawn.
using TColor = uint32_t;

constexpr TColor kSystemColorFlag = 0x80000000u;
constexpr TColor SystemColor(int index) { return kSystemColorFlag | static_cast<TColor>(index); }
constexpr TColor RGBColor(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE);
constexpr TColor clBtnShadow = SystemColor(COLOR_BTNSHADOW);
constexpr TColor clBtnHighlight = SystemColor(COLOR_BTNHIGHLIGHT);
constexpr TColor clBtnText = SystemColor(COLOR_BTNTEXT);
constexpr TColor cl3DDkShadow = SystemColor(COLOR_3DDKSHADOW);
constexpr TColor cl3DLight = SystemColor(COLOR_3DLIGHT);
constexpr TColor clWindow = SystemColor(COLOR_WINDOW);
constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);
constexpr TColor clWindowFrame = SystemColor(COLOR_WINDOWFRAME);
constexpr TColor clGrayText = SystemColor(COLOR_GRAYTEXT);
constexpr TColor clHighlight = SystemColor(COLOR_HIGHLIGHT);
constexpr TColor clHighlightText = SystemColor(COLOR_HIGHLIGHTTEXT);
constexpr TColor clActiveCaption = SystemColor(COLOR_ACTIVECAPTION);
constexpr TColor clInactiveCaption = SystemColor(COLOR_INACTIVECAPTION);
constexpr TColor clCaptionText = SystemColor(COLOR_CAPTIONTEXT);
constexpr TColor clMenu = SystemColor(COLOR_MENU);
constexpr TColor clMenuText = SystemColor(COLOR_MENUTEXT);
constexpr TColor clInfoBk = SystemColor(COLOR_INFOBK);
constexpr TColor clInfoText = SystemColor(COLOR_INFOTEXT);
// "No colour": nothing is filled.
constexpr TColor clNone = 0x1FFFFFFFu;

constexpr TColor clBlack = RGBColor(0, 0, 0);
constexpr TColor clWhite = RGBColor(255, 255, 255);
constexpr TColor clRed = RGBColor(255, 0, 0);
constexpr TColor clLime = RGBColor(0, 255, 0);
constexpr TColor clAqua = RGBColor(0, 255, 255);
constexpr TColor clNavy = RGBColor(0, 0, 128);

// The plain colour a TColor stands for now (system colours looked up).
COLORREF ColorToRGB(TColor color);

struct TFontStyles {
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  bool operator==(const TFontStyles&) const = default;
};

// A font as the layouts give it, at 96 dots per inch. Height follows the
// LOGFONT rule: negative is the character height in pixels, positive the cell
// height (character height plus internal leading).
struct TFont {
  std::string Name = "MS Sans Serif";
  int Height = -11;
  TFontStyles Style;
  TColor Color = clWindowText;
  BYTE Charset = DEFAULT_CHARSET;
  bool operator==(const TFont&) const = default;
};

// The font's height scaled from 96 dots per inch to pixelsPerInch.
int ScaledFontHeight(const TFont& font, int pixelsPerInch);

// A GDI font for the description, scaled to the screen.
THFont CreateFontHandle(const TFont& font, int pixelsPerInch);

// Fills a rectangle with a colour; clNone fills nothing.
void FillRectColor(HDC dc, const RECT& rect, TColor color);

// Draws a frame `width` pixels wide just inside rect: topLeft on the top and
// left edges, bottomRight on the bottom and right edges. rect shrinks by the
// frame.
void Frame3D(HDC dc, RECT& rect, TColor topLeft, TColor bottomRight, int width);

// MulDiv with rounding, as the DPI scaling of layouts needs it.
int ScaleValue(int value, int pixelsPerInch);

}  // namespace tavo::ui
