// The geometry of a popup menu window: what it is drawn from (skinned or
// plain), item heights, the window's size and scroll flags, its placed
// points and items rectangle, the item layout from a visible start, and
// the placement beside or below an anchor inside the work area. Portable.
#pragma once

#include <string>
#include <vector>

#include "core/Rect.h"
#include "skin/Bitmap.h"
#include "skin/NinePart.h"
#include "skin/SkinData.h"

namespace tavo::skin {

// The height of a scroll marker zone at the top and at the bottom of the
// items rectangle.
constexpr int kScrollZoneHeight = 10;

// What a popup is drawn from. The skinned look needs the [POPUPWINDOW]
// record with a window picture and a menu item record; anything less is
// drawn plain.
struct TPopupLook {
  const TDataSkinPopupWindow* Window = nullptr;
  const TBitmap* WindowPicture = nullptr;
  const TBitmap* MaskPicture = nullptr;  // may be null in the skinned look
  const TDataSkinMenuItem* ItemRecord = nullptr;
  const TBitmap* ItemPicture = nullptr;  // the record's active picture, or null
  bool Skinned() const { return Window && WindowPicture && ItemRecord; }
};

// The look from a skin data (null or empty: plain).
TPopupLook PopupLookFrom(const TSkinData* data);

// The item's rectangles as the record gives them, with "skinrect" and
// "activeskinrect" emptied when the record has no active picture.
TRect ItemSkinRect(const TPopupLook& look);
TRect ItemActiveSkinRect(const TPopupLook& look);

// The height of an item or (separator) a separator.
int MenuItemHeight(const TPopupLook& look, bool separator, int defaultHeight);

// One item's share of the width: its caption's and (when it has one) two
// spaces and its shortcut text's measured width.
struct TPopupSizeInput {
  std::vector<int> TextWidths;
  std::vector<int> Heights;
  int ImagesWidth = -1;        // the image list's width; -1 without images
  int MaxItemsInWindow = 0;    // 0: no limit
  int DefaultItemHeight = 20;
  int WorkAreaHeight = 0;
};

struct TPopupSize {
  int Width = 0, Height = 0;
  bool Scroll = false, ScrollByLimit = false;
};

// The glyph column's width used for sizing: the image width + 5, else 19.
int SizingGlyphWidth(int imagesWidth);

TPopupSize PopupSize(const TPopupLook& look, const TPopupSizeInput& in);

// Placed points and items rectangle of a W x H popup (plain: the items
// rectangle is (2, 2, W - 2, H - 2) and the points are unset).
TNinePartGeometry PlacePopupGeometry(const TPopupLook& look, int W, int H);

// The result of laying items out from a visible start.
struct TPopupLayout {
  std::vector<TRect> Rects;     // one per item; empty for those not shown
  std::vector<bool> Visible;
  int VisibleCount = 0;
};

TPopupLayout LayOutItems(const std::vector<int>& heights, const TRect& itemsRect, int visibleStart, bool scroll);

// The visible start that shows the last items while scrolling.
int LastPageStart(const std::vector<int>& heights, const TRect& itemsRect);

// The two scroll marker zones of an items rectangle.
TRect UpperScrollZone(const TRect& itemsRect);
TRect LowerScrollZone(const TRect& itemsRect);

struct TPlacementInput {
  TRect Anchor;      // screen coordinates
  TRect WorkArea;
  int Width = 0, Height = 0;
  bool Submenu = false, Upward = false;
  bool ScrollByHeight = false;  // scrolling because taller than the work area
  int ItemsTop = 0;             // the placed items rectangle's top
};

// The popup's top-left corner on the screen.
TPoint PlacePopup(const TPlacementInput& in);

}  // namespace tavo::skin
