// Object layout of the skinned and the plain frame.
#include "skin/FrameLayout.h"

#include "skin/Geometry.h"

namespace tavo::skin {

namespace {

using enum TStdCommand;

// The commands lined up in a row, in the order they take their places.
constexpr TStdCommand kRowCommands[] = {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray};

bool TakesPart(const TFrameLayoutItem& item) {
  return item.Visible && item.InAPicture &&
         (item.Kind == TFrameObjectKind::okStdButton || item.Kind == TFrameObjectKind::okAnimate);
}

TPoint SizeOf(const TFrameLayoutItem& item, TFrameIconSize icon) {
  if (icon.ShowIcon && item.Kind == TFrameObjectKind::okStdButton && item.Command == cmSysMenu) return icon.SmallIcon;
  return TPoint{RectWidth(item.NormalRect), RectHeight(item.NormalRect)};
}

TFrameLayoutItem* FirstTakingPart(std::vector<TFrameLayoutItem>& items, TStdCommand command) {
  for (auto& item : items)
    if (TakesPart(item) && item.Command == command) return &item;
  return nullptr;
}

TFrameLayoutItem* FirstCaption(std::vector<TFrameLayoutItem>& items) {
  for (auto& item : items)
    if (item.Kind == TFrameObjectKind::okCaption) return &item;
  return nullptr;
}

// The row's objects in placing order: the first of each row command, then
// every default-command one in list order.
std::vector<TFrameLayoutItem*> RowOrder(std::vector<TFrameLayoutItem>& items) {
  std::vector<TFrameLayoutItem*> row;
  for (TStdCommand command : kRowCommands)
    if (TFrameLayoutItem* item = FirstTakingPart(items, command)) row.push_back(item);
  for (auto& item : items)
    if (TakesPart(item) && item.Command == cmDefault) row.push_back(&item);
  return row;
}

}  // namespace

TPoint SmallIconSize(TPoint smallIcon, TPoint captionButton) {
  return TPoint{smallIcon.x != 0 ? smallIcon.x : captionButton.x, smallIcon.y != 0 ? smallIcon.y : captionButton.y};
}

void LayoutObjects(std::vector<TFrameLayoutItem>& items, const TFrameSkinGeometry& skin,
                   const TPlacedFrameGeometry& placed, TFrameIconSize icon) {
  for (auto& item : items)
    if (!item.InAPicture) item.ObjectRect = PlaceByCornerZones(skin, item.NormalRect, placed.dx, placed.dy);

  const bool inButtons = !IsNullRect(placed.ButtonsRect);
  if (!inButtons && IsNullRect(placed.CaptionRect)) return;
  const TRect area = inButtons ? placed.ButtonsRect : placed.CaptionRect;
  const TRect& caption = placed.CaptionRect;
  const int offset = placed.ButtonsOffset;
  const int y = area.top;
  TFrameLayoutItem* captionObject = FirstCaption(items);
  TFrameLayoutItem* sysMenu = FirstTakingPart(items, cmSysMenu);

  if (!placed.ButtonsInLeft) {
    int x = area.right;
    for (TFrameLayoutItem* item : RowOrder(items)) {
      const TPoint size = SizeOf(*item, icon);
      item->ObjectRect = TRect{Clamp32(int64_t{x} - size.x), y, x, Clamp32(int64_t{y} + size.y)};
      x = Clamp32(int64_t{x} - size.x - offset);
    }
    if (!inButtons && captionObject) captionObject->ObjectRect.right = Clamp32(int64_t{x} + offset);
    if (sysMenu) {
      const TPoint size = SizeOf(*sysMenu, icon);
      x = caption.left;
      const int top = Clamp32(int64_t{caption.top} + RectHeight(caption) / 2 - size.y / 2);
      sysMenu->ObjectRect = TRect{x, top, Clamp32(int64_t{x} + size.x), Clamp32(int64_t{top} + size.y)};
      x = Clamp32(int64_t{x} + size.x + offset);
      if (captionObject) captionObject->ObjectRect.left = Clamp32(int64_t{x} - offset);
    }
    return;
  }

  int x = area.left;
  auto place = [&](TFrameLayoutItem& item) {
    const TPoint size = SizeOf(item, icon);
    item.ObjectRect = TRect{x, y, Clamp32(int64_t{x} + size.x), Clamp32(int64_t{y} + size.y)};
    x = Clamp32(int64_t{x} + size.x + offset);
  };
  for (TFrameLayoutItem* item : RowOrder(items)) place(*item);
  if (!inButtons) {
    if (sysMenu) place(*sysMenu);
    if (captionObject) captionObject->ObjectRect.left = Clamp32(int64_t{x} + offset);
  }
}

TRect PlainLayout(std::vector<TFrameLayoutItem>& items, int frameWidth, bool toolWindow, TFrameIconSize icon) {
  const int h = PlainCaptionHeight(toolWindow), b = PlainButtonSize(toolWindow);
  const int y = 4;
  TRect caption{kPlainBorder, kPlainBorder, frameWidth - kPlainBorder, h};
  auto firstButton = [&](TStdCommand command) -> TFrameLayoutItem* {
    for (auto& item : items)
      if (item.Visible && item.InAPicture && item.Kind == TFrameObjectKind::okStdButton && item.Command == command)
        return &item;
    return nullptr;
  };
  int x = frameWidth - kPlainBorder;
  for (TStdCommand command : kRowCommands) {
    if (TFrameLayoutItem* item = firstButton(command)) {
      item->ObjectRect = TRect{x - b, y, x, y + b};
      x -= b;
    }
  }
  caption.right = x;
  x = kPlainBorder;
  if (TFrameLayoutItem* item = firstButton(cmSysMenu)) {
    const TPoint size = icon.ShowIcon ? icon.SmallIcon : TPoint{b, b};
    item->ObjectRect = TRect{x, y, x + size.x, y + size.y};
    caption.left = x + size.x;
  }
  return caption;
}

}  // namespace tavo::skin
