// Popup window geometry: look, sizes, placed geometry, layout, placement.
#include "skin/PopupGeometry.h"

#include <algorithm>

namespace tavo::skin {

namespace {

int W(const TRect& r) { return r.right - r.left; }
int H(const TRect& r) { return r.bottom - r.top; }

const TBitmap* PictureAt(const TSkinData& data, int index) {
  if (index < 0 || index >= static_cast<int>(data.ActivePictures.size())) return nullptr;
  return &data.ActivePictures[static_cast<size_t>(index)];
}

// The skinned look's vertical and horizontal extra over the items.
int FrameExtraHeight(const TPopupLook& look) {
  if (!look.Skinned()) return 4;
  const TRect& ir = look.Window->itemsrect;
  return look.WindowPicture->Height() + ir.top - ir.bottom;
}

}  // namespace

TPopupLook PopupLookFrom(const TSkinData* data) {
  TPopupLook look;
  if (!data || data->IsEmpty) return look;
  if (data->PopupWindowData.windowpictureindex != -1) {
    look.Window = &data->PopupWindowData;
    look.WindowPicture = PictureAt(*data, data->PopupWindowData.windowpictureindex);
    look.MaskPicture = PictureAt(*data, data->PopupWindowData.maskpictureindex);
  }
  for (const auto& object : data->SkinObjects)
    if (auto* item = dynamic_cast<const TDataSkinMenuItem*>(object.get())) {
      look.ItemRecord = item;
      look.ItemPicture = PictureAt(*data, item->activepictureindex);
      break;
    }
  return look;
}

TRect ItemSkinRect(const TPopupLook& look) {
  return look.ItemRecord && look.ItemPicture ? look.ItemRecord->skinrect : TRect{};
}

TRect ItemActiveSkinRect(const TPopupLook& look) {
  return look.ItemRecord && look.ItemPicture ? look.ItemRecord->activeskinrect : TRect{};
}

int MenuItemHeight(const TPopupLook& look, bool separator, int defaultHeight) {
  if (look.Skinned()) return separator ? H(look.ItemRecord->dividerrect) : H(ItemSkinRect(look));
  return separator ? 4 : defaultHeight;
}

int SizingGlyphWidth(int imagesWidth) { return imagesWidth >= 0 ? imagesWidth + 5 : 19; }

TPopupSize PopupSize(const TPopupLook& look, const TPopupSizeInput& in) {
  TPopupSize size;
  int widest = 0;
  for (int w : in.TextWidths) widest = std::max(widest, w + 2);
  size.Width = widest + SizingGlyphWidth(in.ImagesWidth) + 19;
  if (look.Skinned()) {
    const TDataSkinMenuItem& r = *look.ItemRecord;
    const TRect& ir = look.Window->itemsrect;
    size.Width += look.WindowPicture->Width() + r.textrect.left + W(ItemSkinRect(look)) - r.textrect.right +
                  ir.left - ir.right;
  } else {
    size.Width += 10;
  }
  const int count = static_cast<int>(in.Heights.size());
  if (in.MaxItemsInWindow > 0 && in.MaxItemsInWindow < count) {
    const int itemHeight = look.Skinned() ? H(ItemSkinRect(look)) : in.DefaultItemHeight;
    size.Height = itemHeight * in.MaxItemsInWindow + 2 * kScrollZoneHeight + FrameExtraHeight(look);
    size.Scroll = size.ScrollByLimit = true;
  } else {
    for (int h : in.Heights) size.Height += h;
    size.Height += FrameExtraHeight(look);
  }
  if (size.Height > in.WorkAreaHeight) {
    size.Height = in.WorkAreaHeight;
    size.Scroll = true;
  }
  return size;
}

TNinePartGeometry PlacePopupGeometry(const TPopupLook& look, int width, int height) {
  if (!look.Skinned()) {
    TNinePartGeometry g;
    g.NC = TRect{2, 2, width - 2, height - 2};
    return g;
  }
  const TSkinCorners& c = look.Window->corners;
  return PlaceNinePart(c.lefttoppoint, c.righttoppoint, c.leftbottompoint, c.rightbottompoint,
                       look.Window->itemsrect, look.WindowPicture->Width(), look.WindowPicture->Height(), width,
                       height);
}

TPopupLayout LayOutItems(const std::vector<int>& heights, const TRect& itemsRect, int visibleStart, bool scroll) {
  TPopupLayout layout;
  const size_t n = heights.size();
  layout.Rects.assign(n, TRect{});
  layout.Visible.assign(n, false);
  const int bottom = itemsRect.bottom - (scroll ? kScrollZoneHeight : 0);
  int y = itemsRect.top + (scroll ? kScrollZoneHeight : 0);
  for (size_t i = static_cast<size_t>(std::max(visibleStart, 0)); i < n; ++i) {
    if (y + heights[i] > bottom) break;
    layout.Rects[i] = TRect{itemsRect.left, y, itemsRect.right, y + heights[i]};
    layout.Visible[i] = true;
    ++layout.VisibleCount;
    y += heights[i];
  }
  return layout;
}

int LastPageStart(const std::vector<int>& heights, const TRect& itemsRect) {
  int room = H(itemsRect) - 2 * kScrollZoneHeight;
  int start = static_cast<int>(heights.size());
  while (start > 0 && heights[static_cast<size_t>(start - 1)] <= room) {
    room -= heights[static_cast<size_t>(start - 1)];
    --start;
  }
  return std::min(start, std::max(static_cast<int>(heights.size()) - 1, 0));
}

TRect UpperScrollZone(const TRect& r) { return TRect{r.left, r.top, r.right, r.top + kScrollZoneHeight}; }

TRect LowerScrollZone(const TRect& r) { return TRect{r.left, r.bottom - kScrollZoneHeight, r.right, r.bottom}; }

TPoint PlacePopup(const TPlacementInput& in) {
  const TRect& R = in.Anchor;
  const TRect& A = in.WorkArea;
  const int w = in.Width, h = in.Height;
  const bool upperHalf = R.top < A.top + H(A) / 2;
  bool forced = false;
  int y;
  if (in.ScrollByHeight) {
    y = A.top;
  } else if (in.Submenu) {
    y = R.top - in.ItemsTop;
    if (y + h > A.bottom) y = upperHalf ? A.bottom - h : std::max(R.bottom - h + in.ItemsTop, A.top);
  } else if (in.Upward) {
    if (R.top - h >= A.top) {
      y = R.top - h;
    } else if (upperHalf) {
      y = R.bottom;
      if (R.bottom + h > A.bottom) {
        y = A.bottom - h;
        forced = true;
      }
    } else {
      y = A.top;
      forced = true;
    }
  } else if (R.bottom + h <= A.bottom) {
    y = R.bottom;
  } else if (upperHalf) {
    y = A.bottom - h;
    forced = true;
  } else if (R.top - h >= A.top) {
    y = R.top - h;
  } else {
    y = A.top;
    forced = true;
  }
  int x;
  if (in.Submenu || in.ScrollByHeight || forced) {
    x = R.right + w + 1 <= A.right ? R.right + 1 : R.left - w - 1;
  } else if (R.left + w > A.right) {
    x = A.right - w;
  } else if (R.left < A.left) {
    x = A.left;
  } else {
    x = R.left;
  }
  return TPoint{x, y};
}

}  // namespace tavo::skin
