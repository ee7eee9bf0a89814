// Multi-document rules of the skinned frame: the children's area, slots,
// the parent's caption and the window-menu item names.
#include "skin/FrameMdi.h"

#include <algorithm>

#include "skin/FrameWindowState.h"

namespace tavo::skin {

TRect MdiClientArea(int clientWidth, int clientHeight, const std::vector<TMdiAlignedControl>& controls) {
  TRect area{0, 0, clientWidth, clientHeight};
  bool anyLeft = false, anyTop = false, anyRight = false, anyBottom = false;
  for (const TMdiAlignedControl& c : controls) {
    switch (c.Edge) {
      case TMdiEdge::Left:
        area.left = anyLeft ? std::max(area.left, c.Bounds.right) : c.Bounds.right;
        anyLeft = true;
        break;
      case TMdiEdge::Top:
        area.top = anyTop ? std::max(area.top, c.Bounds.bottom) : c.Bounds.bottom;
        anyTop = true;
        break;
      case TMdiEdge::Right:
        area.right = anyRight ? std::min(area.right, c.Bounds.left) : c.Bounds.left;
        anyRight = true;
        break;
      case TMdiEdge::Bottom:
        area.bottom = anyBottom ? std::min(area.bottom, c.Bounds.top) : c.Bounds.top;
        anyBottom = true;
        break;
      case TMdiEdge::Other:
        break;
    }
  }
  // Controls that overlap (a left panel wider than a right one leaves)
  // must not give the children a negative size.
  if (area.right < area.left) area.right = area.left;
  if (area.bottom < area.top) area.bottom = area.top;
  return area;
}

TRect MaximizedChildBounds(const TRect& mdiArea) {
  return TRect{0, 0, mdiArea.right - mdiArea.left, mdiArea.bottom - mdiArea.top};
}

TPoint MdiMinimizedSlot(const TRect& mdiArea, int MW, int MH, const std::vector<TPoint>& taken) {
  return FindMinimizedSlot(MaximizedChildBounds(mdiArea), MW, MH, taken);
}

std::string MdiParentCaption(const std::string& parentCaption, const std::string* maximizedChildCaption) {
  if (!maximizedChildCaption) return parentCaption;
  return parentCaption + " - [" + *maximizedChildCaption + "]";
}

std::string MdiChildItemName(const std::string& childName) { return childName + "_SFCHILDITEM"; }

bool TMdiChildren::ChildMaximized(const void* child, bool maximized) {
  maximized_.erase(std::remove(maximized_.begin(), maximized_.end(), child), maximized_.end());
  if (maximized) maximized_.push_back(child);
  return AnyMaximized();
}

}  // namespace tavo::skin
