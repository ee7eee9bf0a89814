// Menu glyphs, item pictures, popup background and scroll markers.
#include "skin/MenuItemPainter.h"

#include "skin/Glyphs.h"
#include "skin/PixelCopy.h"
#include "skin/ThreePart.h"

namespace tavo::skin {

void DrawCheckMark(TBitmap& canvas, int x, int y, TColor color) {
  for (int i = 0; i <= 2; ++i) {
    DrawLine(canvas, x, y - i + 5, x + 2, y - i + 7, color);
    DrawLine(canvas, x + 2, y - i + 7, x + 7, y - i + 2, color);
  }
}

void DrawSubmenuTriangle(TBitmap& canvas, int x, int y, TColor color) {
  for (int i = 0; i <= 3; ++i) DrawLine(canvas, x + i, y + i, x + i, y - i + 7, color);
}

void FillEllipse(TBitmap& canvas, const TRect& r, TColor color) {
  const double rx = (r.right - r.left) / 2.0, ry = (r.bottom - r.top) / 2.0;
  if (rx <= 0 || ry <= 0) return;
  const double cx = r.left + rx, cy = r.top + ry;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      if (dx * dx + dy * dy <= 1.0) PutPixel(canvas, x, y, color);
    }
}

void DrawRadioDot(TBitmap& canvas, int x, int y, TColor color) { FillEllipse(canvas, TRect{x, y, x + 6, y + 6}, color); }

bool DrawSystemGlyph(TBitmap& canvas, const std::string& name, int x, int y, TColor color) {
  if (name == "SF_CLOSE" || name == "TRAY_SF_CLOSE")
    DrawCrossGlyph(canvas, x, y, color);
  else if (name == "SF_MINITEM")
    DrawUnderlineGlyph(canvas, x, y, color);
  else if (name == "SF_MAXITEM")
    DrawWindowGlyph(canvas, x, y, color);
  else if (name == "SF_RESTORE" || name == "TRAY_SF_RESTORE")
    DrawTwoWindowsGlyph(canvas, x, y, color);
  else if (name == "SF_ROLLUP")
    DrawTriangleUpGlyph(canvas, x, y, color);
  else if (name == "SF_MINTOTRAY")
    DrawSquareGlyph(canvas, x, y, color);
  else
    return false;
  return true;
}

namespace {

bool HasImage(const TMenuItemView& v, const TMenuPaintContext& ctx) {
  return ctx.Images && v.Item->ImageIndex >= 0 && v.Item->ImageIndex < ctx.Images->Count();
}

// The caption, the shortcut, the submenu triangle and the glyph of an item
// whose text area is text; glyphX is where the glyph column's marks start
// and checkX the check mark's and the radio dot's x.
struct TContentPlace {
  TRect Text;
  int CaptionLeft, RightLimit, TriangleX, GlyphX, CheckX, Centre;
};

void PaintContent(TBitmap& pic, const TMenuItemView& v, const TMenuPaintContext& ctx, const TContentPlace& p,
                  TColor color) {
  const TMenuItem& item = *v.Item;
  if (ctx.Text) {
    const TRect captionBox{p.CaptionLeft, p.Text.top, p.RightLimit, p.Text.bottom};
    ctx.Text->WriteText(pic, captionBox, item.Caption, ctx.Font, color, false);
    if (item.ShortCut != 0)
      ctx.Text->WriteText(pic, captionBox, ShortCutToText(item.ShortCut), ctx.Font, color, true);
  }
  if (item.Count() > 0) DrawSubmenuTriangle(pic, p.TriangleX, p.Centre - 4, color);
  if (HasImage(v, ctx)) {
    const int iy = p.Text.top + (p.Text.bottom - p.Text.top - ctx.Images->Height()) / 2;
    ctx.Images->Draw(pic, p.GlyphX, iy, item.ImageIndex, item.Enabled);
    if (item.Checked)
      DrawRectOutline(pic, TRect{p.GlyphX - 1, iy - 1, p.GlyphX + ctx.Images->Width() + 1, iy + ctx.Images->Height() + 1},
                      color);
  } else if (!DrawSystemGlyph(pic, item.Name, p.GlyphX, p.Centre - 4, color) && item.Checked) {
    if (item.RadioItem)
      DrawRadioDot(pic, p.CheckX, p.Centre - 3, color);
    else
      DrawCheckMark(pic, p.CheckX, p.Centre - 4, color);
  }
}

TBitmap PaintSkinnedItem(const TMenuItemView& v, const TMenuPaintContext& ctx) {
  const TDataSkinMenuItem& r = *ctx.Look.ItemRecord;
  const TBitmap empty;
  const TBitmap& source = ctx.Look.ItemPicture ? *ctx.Look.ItemPicture : empty;
  TBitmap pic = NewPicture(v.Width, v.Height);
  if (v.Item->IsLine()) {
    if (ctx.Look.ItemPicture)
      DrawHorizontalThreePart(r.dividerleftoffset, r.dividerrightoffset, pic, v.Width, r.dividerrect, source);
    return pic;
  }
  const TRect skin = ItemSkinRect(ctx.Look);
  const TRect face = v.Highlighted ? ItemActiveSkinRect(ctx.Look) : skin;
  if (ctx.Look.ItemPicture) DrawHorizontalThreePart(r.itemleftoffset, r.itemrightoffset, pic, v.Width, face, source);
  TRect text = r.textrect;
  text.right += v.Width - (skin.right - skin.left);
  const TColor color = v.Highlighted ? r.activefontcolor : v.Item->Enabled ? r.fontcolor : r.unenabledfontcolor;
  if (v.Item->OnDrawItem) {
    v.Item->OnDrawItem(const_cast<TMenuItem&>(*v.Item), pic, text, v.Highlighted);
    return pic;
  }
  const int G = ctx.Images ? ctx.Images->Width() : 16;
  const int centre = text.top + (text.bottom - text.top) / 2;
  PaintContent(pic, v, ctx,
               TContentPlace{text, text.left + G, text.right - 16, text.right - 7, text.left + 2, text.left + 2, centre},
               color);
  return pic;
}

TBitmap PaintPlainItem(const TMenuItemView& v, const TMenuPaintContext& ctx) {
  const TMenuColors& c = ctx.Colors;
  const int G = ctx.Images ? ctx.Images->Width() : 19;
  TBitmap pic = NewPicture(v.Width, v.Height);
  const bool highlighted = v.Highlighted && !v.Item->IsLine();
  if (highlighted) {
    FillRect(pic, TRect{0, 0, v.Width, v.Height}, kPlainHighlightFill);
    DrawRectOutline(pic, TRect{0, 0, v.Width, v.Height}, kPlainHighlightFrame);
  } else {
    FillRect(pic, TRect{0, 0, G, v.Height}, c.BtnFace);
    FillRect(pic, TRect{G, 0, v.Width, v.Height}, c.Window);
  }
  if (v.Item->IsLine()) {
    DrawLine(pic, G, v.Height / 2, v.Width, v.Height / 2, c.BtnShadow);
    return pic;
  }
  const TColor color = highlighted || v.Item->Enabled ? c.WindowText : c.BtnShadow;
  const TRect text{0, 2, v.Width - 2, v.Height - 2};
  if (v.Item->OnDrawItem) {
    v.Item->OnDrawItem(const_cast<TMenuItem&>(*v.Item), pic, text, highlighted);
    return pic;
  }
  const int centre = 2 + (v.Height - 4) / 2;
  PaintContent(pic, v, ctx, TContentPlace{text, 2 + G, v.Width - 2 - 19, v.Width - 2 - 7, 4, 5, centre}, color);
  return pic;
}

}  // namespace

TBitmap PaintMenuItem(const TMenuItemView& view, const TMenuPaintContext& ctx) {
  return ctx.Look.Skinned() ? PaintSkinnedItem(view, ctx) : PaintPlainItem(view, ctx);
}

TBitmap PaintPopupBackground(const TPopupLook& look, int W, int H, const TNinePartGeometry& placed, bool scroll,
                             int glyphWidth, const TMenuColors& colors) {
  TBitmap pic = NewPicture(W, H);
  if (look.Skinned()) {
    const TDataSkinPopupWindow& w = *look.Window;
    const TBitmap& P = *look.WindowPicture;
    TStretchSides stretch{w.topstretch, w.bottomstretch, w.leftstretch, w.rightstretch};
    DrawNinePart(pic, W, H, TRect{0, 0, P.Width(), P.Height()}, P, placed, stretch, scroll);
    return pic;
  }
  FillRect(pic, TRect{0, 0, glyphWidth, H}, colors.BtnFace);
  FillRect(pic, TRect{glyphWidth, 0, W, H}, colors.Window);
  DrawRectOutline(pic, TRect{0, 0, W, H}, colors.BtnShadow);
  DrawRectOutline(pic, TRect{1, 1, W - 1, H - 1}, colors.Window);
  return pic;
}

void PaintScrollMarkers(TBitmap& canvas, const TPopupLook& look, const TRect& itemsRect, int scrollCode,
                        const TMenuColors& colors) {
  const int W = canvas.Width(), H = canvas.Height();
  TRect upper = UpperScrollZone(itemsRect), lower = LowerScrollZone(itemsRect);
  TColor normal = colors.BtnShadow, active = colors.BtnText;
  if (look.Skinned()) {
    normal = look.Window->scrollmarkercolor;
    active = look.Window->scrollmarkeractivecolor;
  } else {
    upper = TRect{3, 3, W - 3, 13};
    lower = TRect{3, H - 10, W - 3, H - 3};
  }
  DrawArrow(canvas, upper, scrollCode == 1 ? active : normal, 3);
  DrawArrow(canvas, lower, scrollCode == 2 ? active : normal, 4);
}

}  // namespace tavo::skin
