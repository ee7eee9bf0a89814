// The caption object: text area, fitting, alignment, plate and shadow, the
// normal and active images, and the four ways it draws itself.
#include "skin/SkinCaptionObject.h"

#include "skin/EffectBmp.h"
#include "skin/FitText.h"
#include "skin/Geometry.h"
#include "skin/PixelCopy.h"
#include "skin/ThreePart.h"

namespace tavo::skin {

namespace {
// Draws a whole picture with its top-left corner at (x, y).
void DrawPicture(TBitmap& canvas, const TBitmap& picture, int x, int y) {
  const int w = picture.Width(), h = picture.Height();
  CopyRect(canvas, TRect{x, y, x + w, y + h}, picture, TRect{0, 0, w, h});
}
}  // namespace

TSkinCaptionObject::TSkinCaptionObject(TFrameObjectHost& frame, TSkinData& data, TDataSkinCaption& record)
    : TActiveSkinObject(frame, data, record),
      FontName(record.font.name),
      FontStyle(record.font.style),
      FontHeight(record.font.height),
      FontColor(record.fontcolor),
      ActiveFontColor(record.activefontcolor),
      Alignment(record.alignment),
      TextRect(record.textrect),
      Shadow(record.shadow),
      ShadowColor(record.shadowcolor),
      ActiveShadowColor(record.activeshadowcolor),
      FrameRect(record.framerect),
      ActiveFrameRect(record.activeframerect),
      FrameTextRect(record.frametextrect),
      FrameLeftOffset(record.frameleftoffset),
      FrameRightOffset(record.framerightoffset) {}

TButtonFont TSkinCaptionObject::Font() const {
  TButtonFont font;
  font.Name = FontName;
  font.Height = FontHeight;
  font.Style = FontStyle;
  font.Charset = Frame().CaptionCharset();
  return font;
}

TRect TSkinCaptionObject::TextArea() const {
  TRect area = TextRect;
  if (!IsNullRect(area)) area.right += RectWidth(ObjectRect) - RectWidth(SkinRect);
  if (!IsNullRect(FrameRect)) {
    area.left += FrameTextRect.left;
    area.top += FrameTextRect.top;
    area.right += FrameTextRect.right - RectWidth(FrameRect);
  }
  return area;
}

void TSkinCaptionObject::WriteText(TBitmap& canvas, int ox, int oy, bool active) {
  std::string text = Frame().CaptionText();
  if (text.empty() || IsNullRect(TextRect)) return;
  TFrameTextPainter& painter = Frame().TextPainter();
  const TButtonFont font = Font();
  const TRect area = TextArea();
  FitText([&](const std::string& s) { return painter.TextExtent(s, font).x; }, text, RectWidth(area));
  const TPoint extent = painter.TextExtent(text, font);
  int y = area.top + RectHeight(area) / 2 - extent.y / 2;
  int x = area.left;
  if (Alignment == TAlignment::taRightJustify)
    x = area.right - extent.x;
  else if (Alignment == TAlignment::taCenter)
    x = area.left + RectWidth(area) / 2 - extent.x / 2;
  x += ox;
  y += oy;

  if (!IsNullRect(FrameRect) && ActivePicture != nullptr) {
    const TRect source = active && !IsNullRect(ActiveFrameRect) ? ActiveFrameRect : FrameRect;
    const int width = RectWidth(FrameRect) + extent.x - RectWidth(FrameTextRect);
    TBitmap plate;
    DrawHorizontalThreePart(FrameLeftOffset, FrameRightOffset, plate, width, source, *ActivePicture);
    if (!plate.Empty()) {
      const int px = x - FrameTextRect.left, py = y - FrameTextRect.top;
      CopyRect(canvas, TRect{px, py, px + plate.Width(), py + RectHeight(FrameRect)}, plate,
               TRect{0, 0, plate.Width(), plate.Height()});
    }
  }
  if (Shadow) painter.DrawTextAt(canvas, x + 1, y + 1, text, font, active ? ActiveShadowColor : ShadowColor);
  painter.DrawTextAt(canvas, x, y, text, font, active ? ActiveFontColor : FontColor);
}

TBitmap TSkinCaptionObject::Background(const TBitmap* picture, const TRect& rect) const {
  const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
  TBitmap out = NewPicture(w, h);
  if (out.Empty() || picture == nullptr || picture->Empty() || SkinData == nullptr) return out;
  TBitmap storage;
  const TBitmap& src = As24Bit(*picture, storage);
  // The columns left of the frame's left-top point and right of its
  // right-top point keep their size; the caption's middle repeats.
  const int left = SkinData->lefttoppoint.x - SkinRect.left;
  const int right = SkinRect.right - SkinData->righttoppoint.x;
  if (left != 0 || right != 0) {
    TileAlongX(out, 0, w, 0, src, TRect{rect.left + left, rect.top, rect.right - right, rect.bottom});
    CopyRect(out, TRect{0, 0, left, h}, src, TRect{rect.left, rect.top, rect.left + left, rect.bottom});
    CopyRect(out, TRect{w - right, 0, w, h}, src, TRect{rect.right - right, rect.top, rect.right, rect.bottom});
  } else {
    CopyRect(out, TRect{0, 0, w, h}, src, rect);
  }
  return out;
}

TBitmap TSkinCaptionObject::NormalImage() {
  TBitmap image = Background(NormalPicture(), SkinRect);
  WriteText(image, 0, 0, false);
  return image;
}

TBitmap TSkinCaptionObject::ActiveImage() {
  TBitmap image = Background(ActivePicture, ActiveSkinRect);
  WriteText(image, 0, 0, true);
  return image;
}

void TSkinCaptionObject::InactiveLook(TBitmap& picture) const {
  if (SkinData != nullptr && SkinData->autorenderinginactiveimage)
    ApplyInactiveEffect(picture, SkinData->inactiveeffect);
}

void TSkinCaptionObject::Draw(TBitmap& canvas, bool) {
  if (IsNullRect(ObjectRect)) return;
  if (Morphing && TransitionUnderWay()) {
    TEffectBmp blend(NormalImage());
    ApplyMorphKind(blend, TEffectBmp(ActiveImage()), MorphKind, MorphFactor);
    TBitmap result = blend.ToBitmap();
    if (!Active) InactiveLook(result);
    DrawPicture(canvas, result, ObjectRect.left, ObjectRect.top);
  } else if (IsNullRect(ActiveSkinRect) || (!Active && !Morphing)) {
    WriteText(canvas, ObjectRect.left, ObjectRect.top, Active);
  } else if (Active) {
    DrawPicture(canvas, ActiveImage(), ObjectRect.left, ObjectRect.top);
  } else {
    TBitmap image = NormalImage();
    InactiveLook(image);
    DrawPicture(canvas, image, ObjectRect.left, ObjectRect.top);
  }
}

void TSkinCaptionObject::MouseEnter() {
  MouseIn = true;
  Frame().FireMouseEnter(IDName);
}

void TSkinCaptionObject::MouseLeave() {
  MouseIn = false;
  Frame().FireMouseLeave(IDName);
}

void TSkinCaptionObject::MouseDown(int x, int y, TSkinMouseButton button) { FireMouseDown(x, y, button); }

void TSkinCaptionObject::MouseUp(int x, int y, TSkinMouseButton button) { FireMouseUp(x, y, button); }

}  // namespace tavo::skin
