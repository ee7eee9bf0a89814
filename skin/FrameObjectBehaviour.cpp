// The mouse host over the object list, the hit test's inputs from the
// placed geometry, and border icons and hints applied to the objects.
#include "skin/FrameObjectBehaviour.h"

#include "skin/FrameObjectItems.h"
#include "skin/SkinData.h"

namespace tavo::skin {

namespace {

bool HasCommand(const TFrameLayoutItem& item) {
  return item.Kind == TFrameObjectKind::okStdButton || item.Kind == TFrameObjectKind::okAnimate;
}

}  // namespace

int TObjectListMouseHost::ObjectCount() const { return static_cast<int>(objects_.size()); }

TFrameObjectInfo TObjectListMouseHost::ObjectInfo(int index) const {
  const TActiveSkinObject& o = *objects_.at(static_cast<size_t>(index));
  return TFrameObjectInfo{o.ObjectRect, o.Enabled, o.Visible, o.Kind() == TObjectKind::okCaption, o.Hint};
}

void TObjectListMouseHost::MouseEnter(int index) { objects_.at(static_cast<size_t>(index))->MouseEnter(); }
void TObjectListMouseHost::MouseLeave(int index) { objects_.at(static_cast<size_t>(index))->MouseLeave(); }
void TObjectListMouseHost::MouseDown(int index, int x, int y, TSkinMouseButton button) {
  objects_.at(static_cast<size_t>(index))->MouseDown(x, y, button);
}
void TObjectListMouseHost::MouseUp(int index, int x, int y, TSkinMouseButton button) {
  objects_.at(static_cast<size_t>(index))->MouseUp(x, y, button);
}
void TObjectListMouseHost::MouseMove(int index, int x, int y) {
  objects_.at(static_cast<size_t>(index))->MouseMove(x, y);
}
void TObjectListMouseHost::DblClick(int index) { objects_.at(static_cast<size_t>(index))->DblClick(); }
void TObjectListMouseHost::ResetHoverStates() { skin::ResetHoverStates(objects_); }

std::vector<TRect> CaptionObjectRects(const TActiveObjectList& objects) {
  std::vector<TRect> rects;
  for (const auto& o : objects)
    if (o->Kind() == TObjectKind::okCaption) rects.push_back(o->ObjectRect);
  return rects;
}

TSkinnedHitInput SkinnedHitInputOf(const TPlacedFrameGeometry& placed, int borderWidth, const TMaskPieces* strips,
                                   const TActiveObjectList& objects) {
  TSkinnedHitInput in;
  in.FormWidth = placed.FrameWidth;
  in.FormHeight = placed.FrameHeight;
  in.ClientRect = placed.ClientRect;
  in.MaskRect = placed.MaskRect;
  in.HitLeftTop = placed.HitTestLeftTop;
  in.HitRightTop = placed.HitTestRightTop;
  in.HitLeftBottom = placed.HitTestLeftBottom;
  in.HitRightBottom = placed.HitTestRightBottom;
  in.BorderWidth = borderWidth;
  in.Mask = strips;
  in.CaptionRects = CaptionObjectRects(objects);
  return in;
}

void ApplyBorderIcons(TActiveObjectList& objects, const TFrameIconSet& icons, bool hideCaptionButtons,
                      const TActivateCustomObjectEvent& onActivate) {
  const std::vector<TFrameLayoutItem> items = LayoutItemsOf(objects);
  for (size_t i = 0; i < objects.size(); ++i) {
    TActiveSkinObject& o = *objects[i];
    TBorderIconObject view;
    view.Kind = items[i].Kind;
    view.Command = items[i].Command;
    view.InAPicture = items[i].InAPicture;
    view.ButtonStyle = o.Kind() == TObjectKind::okAnimate && static_cast<const TSkinAnimateObject&>(o).ButtonStyle;
    view.IDName = o.IDName;
    view.Enabled = o.Enabled;
    view.Visible = o.Visible;
    if (const auto show = BorderIconShow(view, icons, hideCaptionButtons, onActivate)) {
      o.Enabled = show->Enabled;
      o.Visible = show->Visible;
    }
  }
}

void RefreshObjectHints(TActiveObjectList& objects, const TSkinData* skinData, bool useDefaultObjectHint) {
  if (!useDefaultObjectHint || skinData == nullptr) return;
  const std::vector<TFrameLayoutItem> items = LayoutItemsOf(objects);
  for (size_t i = 0; i < objects.size(); ++i)
    if (HasCommand(items[i]))
      objects[i]->Hint = ObjectHintFor(items[i].Command, skinData->ResourceStrData(), objects[i]->Hint);
}

}  // namespace tavo::skin
