// The speed button's faces, plain image, morph and glyph-and-caption layout.
#include "skin/SpeedButtonRenderer.h"

#include "skin/EffectBmp.h"
#include "skin/Geometry.h"
#include "skin/Glyphs.h"
#include "skin/PixelCopy.h"

namespace tavo::skin {

TGlyphTextPlacement PlaceGlyphAndText(const TRect& r, int gw, int gh, int tw, int th, TButtonLayout layout,
                                      int margin, int spacing) {
  const int L = r.left, T = r.top, Rt = r.right, B = r.bottom;
  const int cx = L + (Rt - L) / 2;
  const int cy = T + (B - T) / 2;
  const int s = spacing;
  const bool centred = margin < 0;
  TGlyphTextPlacement p;
  switch (layout) {
    case TButtonLayout::blGlyphLeft:
      if (centred) {
        p.Glyph.x = cx - (gw + tw + s) / 2;
        p.Caption.x = cx + (gw + tw + s) / 2 - tw;
      } else {
        p.Glyph.x = L + margin;
        p.Caption.x = L + margin + gw + s;
      }
      break;
    case TButtonLayout::blGlyphRight:
      if (centred) {
        p.Caption.x = cx - (gw + tw + s) / 2;
        p.Glyph.x = cx + (gw + tw + s) / 2 - gw;
      } else {
        p.Glyph.x = Rt - gw - margin;
        p.Caption.x = p.Glyph.x - s - tw;
      }
      break;
    case TButtonLayout::blGlyphTop:
      if (centred) {
        p.Glyph.y = cy - (gh + th + s) / 2;
        p.Caption.y = cy + (gh + th + s) / 2 - th;
      } else {
        p.Glyph.y = T + margin;
        p.Caption.y = p.Glyph.y + gh + s;
      }
      break;
    case TButtonLayout::blGlyphBottom:
      if (centred) {
        p.Caption.y = cy - (gh + th + s) / 2;
        p.Glyph.y = cy + (gh + th + s) / 2 - gh;
      } else {
        p.Glyph.y = B - gh - margin;
        p.Caption.y = p.Glyph.y - s - th;
      }
      break;
  }
  if (layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight) {
    p.Glyph.y = cy - gh / 2;
    p.Caption.y = cy - th / 2;
  } else {
    p.Glyph.x = cx - gw / 2;
    p.Caption.x = cx - tw / 2;
  }
  return p;
}

TSpeedButtonSkin SpeedButtonSkinFrom(const TDataSkinButtonControl& section, const std::vector<TBitmap>& pictures,
                                     bool transparent) {
  TSpeedButtonSkin skin;
  skin.Geometry.Assign(section);
  skin.Picture = PictureAt(pictures, section.pictureindex);
  skin.Font.Name = section.font.name;
  skin.Font.Height = section.font.height;
  skin.Font.Style = section.font.style;
  skin.FontColor = section.fontcolor;
  skin.ActiveFontColor = section.activefontcolor;
  skin.DownFontColor = section.downfontcolor;
  skin.DisabledFontColor = section.disabledfontcolor;
  skin.ActiveRect = IsNullRect(section.activeskinrect) ? section.skinrect : section.activeskinrect;
  skin.DownRect = IsNullRect(section.downskinrect) ? skin.ActiveRect : section.downskinrect;
  skin.DisabledRect = section.disabledskinrect;
  skin.Morphing = section.morphing && !transparent;
  skin.MorphKind = section.morphkind;
  return skin;
}

int GlyphCell(int numGlyphs, bool active, bool down, bool enabled) {
  if (down && active && numGlyphs > 2) return 3;
  if (active && numGlyphs > 3) return 4;
  if (enabled || numGlyphs < 2) return 1;
  return 2;
}

void TSpeedButtonRenderer::DrawGlyphAndCaption(TBitmap& canvas, const TSpeedButtonFace& face, const TRect& r,
                                               const TButtonFont& font, TColor color, int cell) const {
  const std::string caption = face.ShowCaption ? face.Caption : std::string();
  const bool hasGlyph = face.Glyph != nullptr && !face.Glyph->Empty() && face.NumGlyphs >= 1;
  const int gw = hasGlyph ? face.Glyph->Width() / face.NumGlyphs : 0;
  const int gh = hasGlyph ? face.Glyph->Height() : 0;
  const TPoint extent = caption.empty() ? TPoint{0, 0} : painter_.TextExtent(caption, font);
  const TGlyphTextPlacement p =
      PlaceGlyphAndText(r, gw, gh, extent.x, extent.y, face.Layout, face.Margin, face.Spacing);
  if (!caption.empty()) {
    // The caption's box is two pixels wider than the text, which is centred
    // in it.
    const TRect box{p.Caption.x, p.Caption.y, p.Caption.x + extent.x + 2, p.Caption.y + extent.y};
    painter_.PaintText(canvas, box, caption, font, color);
  }
  if (hasGlyph) DrawGlyphFrame(canvas, p.Glyph.x, p.Glyph.y, cell, face.NumGlyphs, *face.Glyph);
}

namespace {

// A copy of the geometry placed for the button's size.
TSkinControlGeometry Placed(const TSkinControlGeometry& geometry, int width, int height) {
  TSkinControlGeometry g = geometry;
  g.Fit(width, height);
  return g;
}

TRect Shifted(TRect r, int d) { return TRect{r.left + d, r.top + d, r.right + d, r.bottom + d}; }

// A canvas of the button's size showing the parent's background.
TBitmap BackgroundCanvas(const TSpeedButtonFace& face, const TBitmap& background) {
  TBitmap canvas = NewPicture(face.Width, face.Height);
  if (background.Width() == face.Width && background.Height() == face.Height) {
    TBitmap storage;
    CopyRect(canvas, TRect{0, 0, face.Width, face.Height}, As24Bit(background, storage),
             TRect{0, 0, face.Width, face.Height});
  }
  return canvas;
}

}  // namespace

TBitmap TSpeedButtonRenderer::DrawButtonFace(const TSpeedButtonFace& face, const TSpeedButtonSkin& skin,
                                             const TRect& stateRect, bool active, bool down) const {
  TBitmap bitmap;
  if (skin.Picture != nullptr && !skin.Picture->Empty()) {
    skin.Geometry.Draw(bitmap, stateRect, *skin.Picture, face.Width, face.Height);
  }
  if (bitmap.Empty()) bitmap = NewPicture(face.Width, face.Height);
  TButtonFont font = face.UseSkinFont ? skin.Font : face.DefaultFont;
  font.Charset = face.Charset;
  TColor color = skin.FontColor;
  if (!face.Enabled)
    color = skin.DisabledFontColor;
  else if (active && down)
    color = skin.DownFontColor;
  else if (active)
    color = skin.ActiveFontColor;
  const TSkinControlGeometry g = Placed(skin.Geometry, face.Width, face.Height);
  const TRect r = Shifted(g.NewClientRect, active && down ? 1 : 0);
  DrawGlyphAndCaption(bitmap, face, r, font, color, GlyphCell(face.NumGlyphs, active, down, face.Enabled));
  return bitmap;
}

TBitmap TSpeedButtonRenderer::DrawPlainImage(const TSpeedButtonFace& face, const TBitmap& background) const {
  TBitmap canvas = BackgroundCanvas(face, background);
  const TRect all{0, 0, face.Width, face.Height};
  const TRect inside{1, 1, face.Width - 1, face.Height - 1};
  if (face.Pressed || face.MouseInside) {
    FillRect(canvas, all, kPlainHotFrame);
    FillRect(canvas, inside, face.Pressed ? kPlainPressedFace : kPlainHotFace);
  } else if (!face.Flat || face.Designing) {
    FillRect(canvas, all, face.ButtonShadow);
    FillRect(canvas, inside, face.ButtonFace);
  } else if (!face.Transparent) {
    FillRect(canvas, all, face.ButtonFace);
  }
  TButtonFont font = face.DefaultFont;
  font.Charset = face.Charset;
  const TColor color = face.Enabled ? face.DefaultFontColor : face.ButtonShadow;
  DrawGlyphAndCaption(canvas, face, Shifted(all, face.Pressed ? 1 : 0), font, color,
                      GlyphCell(face.NumGlyphs, face.MouseInside, face.Pressed, face.Enabled));
  return canvas;
}

TBitmap TSpeedButtonRenderer::Render(const TSpeedButtonFace& face, const TSpeedButtonSkin* skin,
                                     const TBitmap& background) const {
  if (face.Width < 1 || face.Height < 1) return TBitmap();
  if (skin == nullptr) {
    if (face.Pressed || face.MouseInside || !face.Transparent) return DrawPlainImage(face, background);
    TBitmap canvas = BackgroundCanvas(face, background);
    TButtonFont font = face.DefaultFont;
    font.Charset = face.Charset;
    DrawGlyphAndCaption(canvas, face, TRect{0, 0, face.Width, face.Height}, font,
                        face.Enabled ? face.DefaultFontColor : face.ButtonShadow,
                        GlyphCell(face.NumGlyphs, false, false, face.Enabled));
    return canvas;
  }

  const bool morphing = skin->Morphing && !face.Transparent;
  TBitmap picture;
  if (morphing && face.MorphFactor > 0 && face.MorphFactor < 1) {
    TEffectBmp normal(DrawButtonFace(face, *skin, skin->Geometry.SkinRect, false, false));
    const TEffectBmp activeFace(DrawButtonFace(face, *skin, skin->ActiveRect, true, false));
    ApplyMorphKind(normal, activeFace, skin->MorphKind, face.MorphFactor);
    picture = normal.ToBitmap();
  } else if (face.Pressed) {
    picture = DrawButtonFace(face, *skin, skin->DownRect, true, true);
  } else if (morphing ? face.MorphFactor >= 1 : face.MouseInside) {
    // A morphing button shows what its factor says: showing the active face
    // as soon as the mouse is inside would flash it before the first blend
    // step (factor 0.2) takes it back.
    picture = DrawButtonFace(face, *skin, skin->ActiveRect, true, false);
  } else if (face.Transparent) {
    TBitmap canvas = BackgroundCanvas(face, background);
    TButtonFont font = skin->Font;
    font.Charset = face.Charset;
    const TSkinControlGeometry g = Placed(skin->Geometry, face.Width, face.Height);
    DrawGlyphAndCaption(canvas, face, g.NewClientRect, font, face.Enabled ? skin->FontColor : skin->DisabledFontColor,
                        GlyphCell(face.NumGlyphs, false, false, face.Enabled));
    return canvas;
  } else {
    const bool disabledFace = !face.Enabled && !IsNullRect(skin->DisabledRect);
    picture = DrawButtonFace(face, *skin, disabledFace ? skin->DisabledRect : skin->Geometry.SkinRect, false, false);
  }
  if (picture.Width() == face.Width && picture.Height() == face.Height) return picture;
  // A face of another size than the button (a plain-copy skin on a button
  // not yet fitted) is laid at the top-left corner of a white canvas.
  TBitmap canvas = NewPicture(face.Width, face.Height);
  TBitmap storage;
  const TBitmap& src = As24Bit(picture, storage);
  CopyRect(canvas, TRect{0, 0, src.Width(), src.Height()}, src, TRect{0, 0, src.Width(), src.Height()});
  return canvas;
}

}  // namespace tavo::skin
