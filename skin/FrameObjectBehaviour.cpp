// The mouse host over the object list, the hit test's inputs from the
// placed geometry, and border icons and hints applied to the objects.
#include "skin/FrameObjectBehaviour.h"

#include "skin/SkinData.h"

namespace tavo::skin {

namespace {

// Command and button style of the objects that have them.
struct TCommandOf {
  bool has = false;
  TStdCommand command = TStdCommand::cmDefault;
  bool buttonStyle = false;
};

TCommandOf CommandOf(const TActiveSkinObject& object) {
  if (object.Kind() == TObjectKind::okStdButton)
    return {true, static_cast<const TSkinStdButtonObject&>(object).Command, false};
  if (object.Kind() == TObjectKind::okAnimate) {
    const auto& animate = static_cast<const TSkinAnimateObject&>(object);
    return {true, animate.Command, animate.ButtonStyle};
  }
  return {};
}

TFrameObjectKind LayoutKindOf(TObjectKind kind) {
  switch (kind) {
    case TObjectKind::okButton: return TFrameObjectKind::okButton;
    case TObjectKind::okStdButton: return TFrameObjectKind::okStdButton;
    case TObjectKind::okCaption: return TFrameObjectKind::okCaption;
    case TObjectKind::okAnimate: return TFrameObjectKind::okAnimate;
    case TObjectKind::okActive:
    case TObjectKind::okUser: return TFrameObjectKind::okUser;
  }
  return TFrameObjectKind::okUser;
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
  for (auto& o : objects) {
    const TCommandOf c = CommandOf(*o);
    TBorderIconObject view;
    view.Kind = LayoutKindOf(o->Kind());
    view.Command = c.command;
    view.InAPicture = o->SkinRectInAPicture;
    view.ButtonStyle = c.buttonStyle;
    view.IDName = o->IDName;
    view.Enabled = o->Enabled;
    view.Visible = o->Visible;
    if (const auto show = BorderIconShow(view, icons, hideCaptionButtons, onActivate)) {
      o->Enabled = show->Enabled;
      o->Visible = show->Visible;
    }
  }
}

void RefreshObjectHints(TActiveObjectList& objects, const TSkinData* skinData, bool useDefaultObjectHint) {
  if (!useDefaultObjectHint || skinData == nullptr) return;
  for (auto& o : objects) {
    const TCommandOf c = CommandOf(*o);
    if (c.has) o->Hint = ObjectHintFor(c.command, skinData->ResourceStrData(), o->Hint);
  }
}

}  // namespace tavo::skin
