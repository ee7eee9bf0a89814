// TPopupLogic: one open popup window's state without the window — its
// TSkinMenuItem list, size, placed geometry, layout, active item, scroll
// position and scroll code, its screen position and region, and the
// pictures it shows. Portable: the Win32 popup window holds one and puts
// its pictures on the screen.
#pragma once

#include <optional>
#include <vector>

#include "skin/MenuItemPainter.h"
#include "skin/PopupGeometry.h"
#include "skin/Region.h"

namespace tavo::skin {

// One item of an open popup.
struct TSkinMenuItem {
  TMenuItem* Item = nullptr;  // not owned
  int Height = 0;
  TRect ObjectRect;  // in the popup window
  bool Active = false, Down = false, Visible = false, WaitCommand = false;
  // The morph position between the normal (0) and the highlighted image
  // (kMorphSteps), one step a morph tick.
  int MorphStep = 0;
  bool Selectable() const { return Item->Enabled && !Item->IsLine(); }
  bool Highlighted() const { return Active || Down; }
  double MorphFactor() const;
  // Highlighted and short of the highlighted image, or not and short of
  // the normal one.
  bool MorphUnderWay() const;
};

// Steps of 0.2 from the normal to the highlighted image.
constexpr int kMorphSteps = 5;

// What a popup is built from.
struct TPopupBuild {
  TPopupLook Look;
  TButtonFont Font;
  TMenuTextPainter* Text = nullptr;
  const TMenuImages* Images = nullptr;
  TMenuColors Colors;
  int DefaultItemHeight = 20;
  int MaxItemsInWindow = 0;
  TRect WorkArea;
};

class TPopupLogic {
 public:
  // One item per visible sub-item of parent from startIndex on; the window
  // sized, its geometry placed and its items laid out from index 0.
  TPopupLogic(TMenuItem& parent, int startIndex, const TPopupBuild& build);

  std::vector<TSkinMenuItem>& Items() { return items_; }
  const std::vector<TSkinMenuItem>& Items() const { return items_; }
  int Count() const { return static_cast<int>(items_.size()); }
  int ActiveIndex = -1;
  TSkinMenuItem* Active() { return ActiveIndex >= 0 && ActiveIndex < Count() ? &items_[ActiveIndex] : nullptr; }

  int Width() const { return size_.Width; }
  int Height() const { return size_.Height; }
  bool Scroll() const { return size_.Scroll; }
  bool ScrollByLimit() const { return size_.ScrollByLimit; }
  int ScrollCode = 0;  // 0 none, 1 up, 2 down
  const TNinePartGeometry& Placed() const { return placed_; }
  const TRect& ItemsRect() const { return placed_.NC; }
  int VisibleStart() const { return visibleStart_; }
  int VisibleCount() const { return visibleCount_; }
  int LastVisible() const { return visibleStart_ + visibleCount_ - 1; }
  // The glyph column's width of the plain background.
  int GlyphWidth() const;

  // Lays the items out from a new visible start.
  void SetVisibleStart(int start);
  // Scrolls so that item index is shown after a keyboard move (down or
  // up): one item at a time, or to the other end when the move wrapped.
  void ScrollIntoView(int index, bool down);

  // Places the window by the anchor rectangle (screen coordinates).
  void Place(const TRect& anchor, const TRect& workArea, bool submenu, bool upward);
  TPoint Position() const { return position_; }
  TRect ScreenBounds() const { return TRect{position_.x, position_.y, position_.x + Width(), position_.y + Height()}; }
  // The window's shape from the popup mask; none without a mask.
  std::optional<TRegion> Region() const;

  // The first visible item containing (x, y), or -1.
  int ItemAt(int x, int y) const;
  // The next selectable item after the active one for VK_DOWN, and the one
  // before it for VK_UP; -1 when there is none.
  int NextSelectable() const;
  int PreviousSelectable() const;
  // The first item whose accelerator matches the key, or -1.
  int AcceleratorItem(unsigned key) const;
  int FirstSelectable() const;
  int LastSelectable() const;

  // Item morphing: the item record has "morphing" on and the highlighted
  // image to blend to.
  bool Morphing() const;
  // A tick of the morph timer: every item under way moves one step toward
  // its state; an item no longer shown that kept a morph position loses
  // its highlight, down flag and position. The moved items that are shown
  // go into moved; false when nothing moved (the timer then stops).
  bool MorphTick(std::vector<int>& moved);

  // Pictures: the whole window, and one item alone.
  TBitmap Compose() const;
  TBitmap ItemPicture(int index) const;
  const TPopupBuild& Build() const { return build_; }

 private:
  void LayOut();
  TMenuPaintContext PaintContext() const;

  TPopupBuild build_;
  std::vector<TSkinMenuItem> items_;
  TPopupSize size_;
  TNinePartGeometry placed_;
  int visibleStart_ = 0, visibleCount_ = 0;
  TPoint position_;
};

}  // namespace tavo::skin
