// One popup's items, size, layout, scrolling, placement and pictures.
#include "skin/PopupLogic.h"

#include "skin/EffectBmp.h"
#include "skin/Geometry.h"
#include "skin/MaskRegion.h"
#include "skin/PixelCopy.h"

namespace tavo::skin {

namespace {

std::vector<int> Heights(const std::vector<TSkinMenuItem>& items) {
  std::vector<int> h;
  for (const auto& item : items) h.push_back(item.Height);
  return h;
}

}  // namespace

double TSkinMenuItem::MorphFactor() const { return static_cast<double>(MorphStep) / kMorphSteps; }

bool TSkinMenuItem::MorphUnderWay() const {
  return Highlighted() ? MorphStep < kMorphSteps : MorphStep > 0;
}

TPopupLogic::TPopupLogic(TMenuItem& parent, int startIndex, const TPopupBuild& build) : build_(build) {
  TPopupSizeInput in;
  for (int i = startIndex; i < parent.Count(); ++i) {
    TMenuItem& item = parent[i];
    if (!item.Visible) continue;
    TSkinMenuItem view;
    view.Item = &item;
    view.Height = MenuItemHeight(build.Look, item.IsLine(), build.DefaultItemHeight);
    items_.push_back(view);
    std::string text = item.Caption;
    if (item.ShortCut != 0) text += "  " + ShortCutToText(item.ShortCut);
    in.TextWidths.push_back(build.Text ? build.Text->TextExtent(text, build.Font).x : 0);
  }
  in.Heights = Heights(items_);
  in.ImagesWidth = build.Images ? build.Images->Width() : -1;
  in.MaxItemsInWindow = build.MaxItemsInWindow;
  in.DefaultItemHeight = build.DefaultItemHeight;
  in.WorkAreaHeight = build.WorkArea.bottom - build.WorkArea.top;
  size_ = PopupSize(build.Look, in);
  placed_ = PlacePopupGeometry(build.Look, size_.Width, size_.Height);
  LayOut();
}

int TPopupLogic::GlyphWidth() const { return build_.Images ? build_.Images->Width() + 2 : 21; }

void TPopupLogic::LayOut() {
  const TPopupLayout layout = LayOutItems(Heights(items_), ItemsRect(), visibleStart_, size_.Scroll);
  visibleCount_ = layout.VisibleCount;
  for (size_t i = 0; i < items_.size(); ++i) {
    items_[i].Visible = layout.Visible[i];
    if (layout.Visible[i]) items_[i].ObjectRect = layout.Rects[i];
  }
}

void TPopupLogic::SetVisibleStart(int start) {
  visibleStart_ = std::max(0, std::min(start, Count() - 1));
  LayOut();
}

void TPopupLogic::ScrollIntoView(int index, bool down) {
  if (!size_.Scroll || index < 0 || index >= Count()) return;
  if (index < visibleStart_) {
    // Moving down lands above the shown range only by wrapping: back to
    // the top. Moving up scrolls by one item.
    SetVisibleStart(down ? 0 : index);
  } else if (index > LastVisible()) {
    if (!down) SetVisibleStart(LastPageStart(Heights(items_), ItemsRect()));
    while (index > LastVisible() && visibleStart_ < index) SetVisibleStart(visibleStart_ + 1);
  }
}

void TPopupLogic::Place(const TRect& anchor, const TRect& workArea, bool submenu, bool upward) {
  TPlacementInput in;
  in.Anchor = anchor;
  in.WorkArea = workArea;
  in.Width = Width();
  in.Height = Height();
  in.Submenu = submenu;
  in.Upward = upward;
  in.ScrollByHeight = size_.Scroll && !size_.ScrollByLimit;
  in.ItemsTop = ItemsRect().top;
  position_ = PlacePopup(in);
}

std::optional<TRegion> TPopupLogic::Region() const {
  if (!build_.Look.Skinned() || !build_.Look.MaskPicture) return std::nullopt;
  return NinePartMaskToRegion(Width(), Height(), *build_.Look.MaskPicture, placed_);
}

int TPopupLogic::ItemAt(int x, int y) const {
  for (int i = 0; i < Count(); ++i) {
    const TSkinMenuItem& it = items_[i];
    const TRect& r = it.ObjectRect;
    if (it.Visible && x >= r.left && x < r.right && y >= r.top && y < r.bottom) return i;
  }
  return -1;
}

int TPopupLogic::NextSelectable() const {
  // After the last item the search starts again at 0, but it never wraps
  // past the end: when only unselectable items follow, nothing moves.
  const int from = ActiveIndex < 0 || ActiveIndex >= Count() - 1 ? 0 : ActiveIndex + 1;
  for (int i = from; i < Count(); ++i)
    if (items_[i].Selectable()) return i;
  return -1;
}

int TPopupLogic::PreviousSelectable() const {
  const int from = ActiveIndex < 0 ? Count() - 1 : ActiveIndex - 1;
  for (int i = from; i >= 0; --i)
    if (items_[i].Selectable()) return i;
  for (int i = Count() - 1; i > ActiveIndex && ActiveIndex >= 0; --i)
    if (items_[i].Selectable()) return i;
  return -1;
}

int TPopupLogic::AcceleratorItem(unsigned key) const {
  for (int i = 0; i < Count(); ++i)
    if (items_[i].Item->Enabled && IsAccel(key, items_[i].Item->Caption)) return i;
  return -1;
}

int TPopupLogic::FirstSelectable() const {
  for (int i = 0; i < Count(); ++i)
    if (items_[i].Selectable()) return i;
  return -1;
}

int TPopupLogic::LastSelectable() const {
  for (int i = Count() - 1; i >= 0; --i)
    if (items_[i].Selectable()) return i;
  return -1;
}

TMenuPaintContext TPopupLogic::PaintContext() const {
  return TMenuPaintContext{build_.Look, build_.Font, build_.Images, build_.Colors, build_.Text};
}

bool TPopupLogic::Morphing() const {
  return build_.Look.Skinned() && build_.Look.ItemRecord->morphing && !IsNullRect(ItemActiveSkinRect(build_.Look));
}

bool TPopupLogic::MorphTick(std::vector<int>& moved) {
  bool any = false;
  for (int i = 0; i < Count(); ++i) {
    TSkinMenuItem& it = items_[i];
    if (!it.Visible) {
      if (it.MorphStep != 0) {
        it.Active = it.Down = false;
        it.MorphStep = 0;
      }
      continue;
    }
    if (!it.MorphUnderWay()) continue;
    it.MorphStep += it.Highlighted() ? 1 : -1;
    moved.push_back(i);
    any = true;
  }
  return any;
}

TBitmap TPopupLogic::ItemPicture(int index) const {
  const TSkinMenuItem& it = items_.at(static_cast<size_t>(index));
  const int w = it.ObjectRect.right - it.ObjectRect.left, h = it.ObjectRect.bottom - it.ObjectRect.top;
  const TMenuItemView view{it.Item, w, h, it.Highlighted()};
  if (!Morphing() || it.Item->IsLine() || !it.MorphUnderWay()) return PaintMenuItem(view, PaintContext());
  // Under way: the normal and the highlighted image blended at the item's
  // position with the record's morph kind.
  TEffectBmp normal(PaintMenuItem(TMenuItemView{it.Item, w, h, false}, PaintContext()));
  const TEffectBmp highlighted(PaintMenuItem(TMenuItemView{it.Item, w, h, true}, PaintContext()));
  ApplyMorphKind(normal, highlighted, build_.Look.ItemRecord->morphkind, it.MorphFactor());
  return normal.ToBitmap();
}

TBitmap TPopupLogic::Compose() const {
  TBitmap pic = PaintPopupBackground(build_.Look, Width(), Height(), placed_, size_.Scroll, GlyphWidth(),
                                     build_.Colors);
  for (int i = 0; i < Count(); ++i) {
    if (!items_[i].Visible) continue;
    const TBitmap item = ItemPicture(i);
    const TRect& r = items_[i].ObjectRect;
    CopyRect(pic, r, item, TRect{0, 0, item.Width(), item.Height()});
  }
  if (size_.Scroll) PaintScrollMarkers(pic, build_.Look, ItemsRect(), ScrollCode, build_.Colors);
  return pic;
}

}  // namespace tavo::skin
