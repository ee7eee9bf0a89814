// Adapting the active-object list to the frame's layout and painters.
#include "skin/FrameObjectItems.h"

namespace tavo::skin {

namespace {

TFrameObjectKind KindOf(const TActiveSkinObject& object) {
  switch (object.Kind()) {
    case TObjectKind::okButton: return TFrameObjectKind::okButton;
    case TObjectKind::okStdButton: return TFrameObjectKind::okStdButton;
    case TObjectKind::okCaption: return TFrameObjectKind::okCaption;
    case TObjectKind::okAnimate: return TFrameObjectKind::okAnimate;
    case TObjectKind::okActive:
    case TObjectKind::okUser: break;
  }
  return TFrameObjectKind::okUser;
}

TStdCommand CommandOf(const TActiveSkinObject& object) {
  if (object.Kind() == TObjectKind::okStdButton) return static_cast<const TSkinStdButtonObject&>(object).Command;
  if (object.Kind() == TObjectKind::okAnimate) return static_cast<const TSkinAnimateObject&>(object).Command;
  return TStdCommand::cmDefault;
}

}  // namespace

std::vector<TFrameLayoutItem> LayoutItemsOf(const TActiveObjectList& objects) {
  std::vector<TFrameLayoutItem> items;
  items.reserve(objects.size());
  for (const auto& object : objects) {
    TFrameLayoutItem item;
    item.Kind = KindOf(*object);
    item.Visible = object->Visible;
    item.InAPicture = object->SkinRectInAPicture;
    item.NormalRect = object->SkinRect;
    item.Command = CommandOf(*object);
    item.ObjectRect = object->ObjectRect;
    items.push_back(item);
  }
  return items;
}

void StoreObjectRects(TActiveObjectList& objects, const std::vector<TFrameLayoutItem>& items) {
  for (size_t i = 0; i < objects.size() && i < items.size(); ++i) objects[i]->ObjectRect = items[i].ObjectRect;
}

void LayoutObjects(TActiveObjectList& objects, const TFrameSkinGeometry& skin, const TPlacedFrameGeometry& placed,
                   TFrameIconSize icon) {
  std::vector<TFrameLayoutItem> items = LayoutItemsOf(objects);
  LayoutObjects(items, skin, placed, icon);
  StoreObjectRects(objects, items);
}

TRect PlainLayout(TActiveObjectList& objects, int frameWidth, bool toolWindow, TFrameIconSize icon) {
  std::vector<TFrameLayoutItem> items = LayoutItemsOf(objects);
  const TRect caption = PlainLayout(items, frameWidth, toolWindow, icon);
  StoreObjectRects(objects, items);
  return caption;
}

std::vector<TPaintedObject> PaintedObjectsOf(TActiveObjectList& objects) {
  std::vector<TPaintedObject> painted;
  painted.reserve(objects.size());
  for (auto& owned : objects) {
    TActiveSkinObject* object = owned.get();
    painted.push_back(TPaintedObject{object->Visible, object->ObjectRect,
                                     [object](TBitmap& canvas, const TRect& at, bool fullRedraw) {
                                       const TRect kept = object->ObjectRect;
                                       object->ObjectRect = at;
                                       object->Draw(canvas, fullRedraw);
                                       object->ObjectRect = kept;
                                     }});
  }
  return painted;
}

}  // namespace tavo::skin
