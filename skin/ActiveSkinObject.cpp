// The base object's images, blend and hover reactions, and the user object.
#include "skin/ActiveSkinObject.h"

#include "skin/EffectBmp.h"
#include "skin/Geometry.h"
#include "skin/PixelCopy.h"

namespace tavo::skin {

TBitmap CutPicture(const TBitmap* picture, const TRect& rect, int w, int h) {
  TBitmap out = NewPicture(w, h);
  if (picture == nullptr || picture->Empty() || IsNullRect(rect)) return out;
  TBitmap storage;
  CopyRect(out, TRect{0, 0, w, h}, As24Bit(*picture, storage), rect);
  return out;
}

TActiveSkinObject::TActiveSkinObject(TFrameObjectHost& frame) : frame_(frame) {}

TActiveSkinObject::TActiveSkinObject(TFrameObjectHost& frame, TSkinData& data, TDataSkinObject& record)
    : frame_(frame) {
  SkinData = &data;
  Picture = &data.Picture;
  const int index = record.activepictureindex;
  if (index >= 0 && static_cast<size_t>(index) < data.ActivePictures.size()) {
    ActivePicture = &data.ActivePictures[static_cast<size_t>(index)];
  } else {
    // Later objects made from the same record see it without active image.
    record.activeskinrect = TRect{};
  }
  IDName = record.IDName;
  Hint = record.hint;
  SkinRect = record.skinrect;
  ActiveSkinRect = record.activeskinrect;
  InActiveSkinRect = record.inactiveskinrect;
  ObjectRect = SkinRect;
  Morphing = record.morphing && !IsNullRect(ActiveSkinRect);
  MorphKind = record.morphkind;
  SkinRectInAPicture = record.skinrectinapicture;
}

bool TActiveSkinObject::NeedsMorphStep() const {
  return (Active && MorphFactor < 1) || (!Active && MorphFactor > 0);
}

bool TActiveSkinObject::TransitionUnderWay() const {
  return (Active && MorphFactor != 1) || (!Active && MorphFactor != 0);
}

void TActiveSkinObject::CopyToObject(TBitmap& canvas, const TBitmap* picture, const TRect& rect) const {
  if (picture == nullptr || picture->Empty() || IsNullRect(rect) || IsNullRect(ObjectRect)) return;
  TBitmap storage;
  CopyRect(canvas, ObjectRect, As24Bit(*picture, storage), rect);
}

void TActiveSkinObject::DrawBlend(TBitmap& canvas, const TBitmap* normal, const TRect& rect, const TBitmap* active,
                                  const TRect& activeRect) const {
  const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
  if (w < 1 || h < 1) return;
  TEffectBmp self(CutPicture(normal, rect, w, h));
  const TEffectBmp other(CutPicture(active, activeRect, w, h));
  ApplyMorphKind(self, other, MorphKind, MorphFactor);
  self.Draw(canvas, ObjectRect.left, ObjectRect.top);
}

void TActiveSkinObject::Draw(TBitmap& canvas, bool fullRedraw) {
  if (Enabled && !frame_.FormActive() && !IsNullRect(InActiveSkinRect)) {
    CopyToObject(canvas, ActivePicture, InActiveSkinRect);
  } else if (Morphing && TransitionUnderWay()) {
    DrawBlend(canvas, NormalPicture(), SkinRect, ActivePicture, ActiveSkinRect);
  } else if (Active && !IsNullRect(ActiveSkinRect)) {
    CopyToObject(canvas, ActivePicture, ActiveSkinRect);
  } else if (fullRedraw || SkinRectInAPicture) {
    CopyToObject(canvas, NormalPicture(), SkinRect);
  }
}

void TActiveSkinObject::StartTransition() {
  if (Morphing)
    frame_.SetMorphTimer(true);
  else
    frame_.RedrawObject(*this);
}

void TActiveSkinObject::PopupMenuOf(TObjectMenu* menu, bool upward) {
  if (menu == nullptr || !menu->HasSubItems()) return;
  frame_.PopupMenu(*this, *menu, upward);
}

void TActiveSkinObject::FireMouseDown(int x, int y, TSkinMouseButton button) const {
  frame_.FireMouseDown(IDName, x, y, ObjectRect, button);
}

void TActiveSkinObject::FireMouseUp(int x, int y, TSkinMouseButton button) const {
  frame_.FireMouseUp(IDName, x, y, ObjectRect, button);
}

void TActiveSkinObject::MouseDown(int x, int y, TSkinMouseButton button) { FireMouseDown(x, y, button); }

void TActiveSkinObject::MouseUp(int x, int y, TSkinMouseButton button) {
  if (MouseIn) FireMouseUp(x, y, button);
}

void TActiveSkinObject::MouseMove(int x, int y) { frame_.FireMouseMove(IDName, x, y, ObjectRect); }

void TActiveSkinObject::MouseEnter() {
  MouseIn = true;
  Active = true;
  if (!IsNullRect(ActiveSkinRect)) StartTransition();
  frame_.FireMouseEnter(IDName);
}

void TActiveSkinObject::MouseLeave() {
  MouseIn = false;
  Active = false;
  if (!IsNullRect(ActiveSkinRect)) StartTransition();
  frame_.FireMouseLeave(IDName);
}

void TUserObject::Draw(TBitmap& canvas, bool) { Frame().FirePaint(IDName, canvas, ObjectRect); }

}  // namespace tavo::skin
