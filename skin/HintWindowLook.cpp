// The hint window's measuring, placement, region, picture and the cursor
// depth below its hot spot.
#include "skin/HintWindowLook.h"

#include <algorithm>

#include "skin/MaskRegion.h"

namespace tavo::skin {

namespace {

int RectWidth(const TRect& r) { return r.right - r.left; }
int RectHeight(const TRect& r) { return r.bottom - r.top; }

bool Usable(const THintSkin* skin) { return skin && skin->Record && skin->Picture && !skin->Picture->Empty(); }

}  // namespace

THintMeasure MeasureHint(TPoint textSize, const THintSkin* skin) {
  THintMeasure m;
  m.TextWidth = textSize.x;
  m.TextHeight = textSize.y;
  if (!Usable(skin)) {
    m.Width = textSize.x + 4;
    m.Height = textSize.y + 4;
    return m;
  }
  const TDataSkinHintWindow& rec = *skin->Record;
  const int PW = skin->Picture->Width(), PH = skin->Picture->Height();
  const TRect& C = rec.clientrect;
  m.Width = std::max(textSize.x + C.left + PW - C.right, PW);
  m.Height = std::max(textSize.y + C.top + PH - C.bottom, PH);
  const TSkinCorners& k = rec.corners;
  m.Geometry = PlaceNinePart(k.lefttoppoint, k.righttoppoint, k.leftbottompoint, k.rightbottompoint, C, PW, PH,
                             m.Width, m.Height);
  return m;
}

TRect PlaceHint(const TRect& anchor, int w, int h, int screenWidth, int screenHeight) {
  TRect r{anchor.left, anchor.top, anchor.left + w, anchor.top + h};
  if (r.right > screenWidth) {
    r.left -= w + 2;
    r.right -= w + 2;
  }
  if (r.bottom > screenHeight) {
    r.top -= h + 2;
    r.bottom -= h + 2;
  }
  return r;
}

std::optional<TRegion> HintRegion(const THintMeasure& m, const THintSkin& skin) {
  if (!Usable(&skin) || skin.Record->maskpictureindex == -1 || !skin.Mask || skin.Mask->Empty()) return std::nullopt;
  return NinePartMaskToRegion(m.Width, m.Height, *skin.Mask, m.Geometry);
}

TButtonFont HintFont(const TButtonFont& defaultFont, const TDataSkinHintWindow* skinRecord, bool useSkinFont,
                     std::optional<int> resourceCharset) {
  TButtonFont font = defaultFont;
  if (skinRecord && useSkinFont) {
    font.Name = skinRecord->font.name;
    font.Height = skinRecord->font.height;
    font.Style = skinRecord->font.style;
  }
  font.Charset = resourceCharset.value_or(defaultFont.Charset);
  return font;
}

TBitmap PaintHint(const std::string& text, const TButtonFont& font, const THintSkin* skin,
                  THintTextPainter& painter, const THintColors& colors) {
  const TPoint textSize = painter.MeasureText(text, font);
  const THintMeasure m = MeasureHint(textSize, skin);
  TBitmap picture(m.Width, m.Height);
  if (Usable(skin)) {
    const TDataSkinHintWindow& rec = *skin->Record;
    const TBitmap& P = *skin->Picture;
    TStretchSides stretch;
    stretch.Top = rec.topstretch;
    stretch.Bottom = rec.bottomstretch;
    stretch.Left = rec.leftstretch;
    stretch.Right = rec.rightstretch;
    DrawNinePart(picture, m.Width, m.Height, TRect{0, 0, P.Width(), P.Height()}, P, m.Geometry, stretch, true);
    const TRect& NC = m.Geometry.NC;
    // Halves truncate toward zero, each on its own.
    const int x = NC.left + RectWidth(NC) / 2 - textSize.x / 2;
    const int y = NC.top + RectHeight(NC) / 2 - textSize.y / 2;
    painter.PaintText(picture, TRect{x, y, x + textSize.x, y + textSize.y}, text, font, rec.fontcolor);
    return picture;
  }
  for (int y = 0; y < m.Height; ++y)
    for (int x = 0; x < m.Width; ++x) {
      const bool edge = x == 0 || y == 0 || x == m.Width - 1 || y == m.Height - 1;
      picture.SetPixel(x, y, edge ? colors.BtnShadow : colors.InfoBk);
    }
  painter.PaintText(picture, TRect{2, 2, m.Width - 2, m.Height - 2}, text, font, colors.InfoText);
  return picture;
}

int CursorDepthBelowHotSpot(int cursorHeight, const TCursorMask* mask, int hotSpotY) {
  if (!mask || mask->Width <= 0 || mask->Height <= 0) return cursorHeight;
  const int64_t w = mask->Width;
  const int64_t stride = ((w + 31) / 32) * 4;
  const int64_t n = w * stride;
  const int64_t size = static_cast<int64_t>(mask->Bits.size());
  // A mask shorter than its AND part has no rows to scan: nothing is read
  // outside the bits that came back.
  if (n > size) return cursorHeight;
  const uint8_t* andPart = mask->Bits.data() + (size - n);
  // The bytes after the first one in [part, part + n) that differs from
  // blank; 0 when every byte is blank.
  auto after = [n](const uint8_t* part, uint8_t blank) -> int64_t {
    for (int64_t i = 0; i < n; ++i)
      if (part[i] != blank) return n - 1 - i;
    return 0;
  };
  int64_t r = after(andPart, 0xFF);
  if (r == 0 && mask->Height >= 2 * w && 2 * n <= size) r = after(andPart - n, 0x00);
  return static_cast<int>(r / stride - hotSpotY);
}

}  // namespace tavo::skin
