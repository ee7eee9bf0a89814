// Multi-document rules of the skinned frame: the area the children share in
// the parent's client area, where minimized children and maximized children
// go, the parent's caption while a child is maximized, and the name of a
// child's window-menu item. Portable; the Win32 frame passes the parent's
// aligned controls and the children's states in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Rect.h"

namespace tavo::skin {

// Between the frames of a multi-document parent and its children; the
// first parameter is the sending child's window for the last two.
constexpr uint32_t MsgMdiParentResized = 1230;   // parent to each child: re-fit when maximized
constexpr uint32_t MsgMdiChildMaximized = 1231;  // child to parent
constexpr uint32_t MsgMdiChildRestored = 1232;   // child to parent: left the maximized state or went

// Which edge of the parent's client area a control is aligned to.
enum class TMdiEdge { Left, Top, Right, Bottom, Other };

// A visible control of the parent form: its edge and its bounds in the
// parent's client coordinates.
struct TMdiAlignedControl {
  TMdiEdge Edge = TMdiEdge::Other;
  TRect Bounds;
};

// The rectangle of the parent's client area left to the children: from
// the largest right edge of the left-aligned controls, the largest bottom
// edge of the top-aligned ones, to the smallest left edge of the
// right-aligned ones and the smallest top edge of the bottom-aligned ones;
// the client area's edges where there are none. Never inverted: a right
// below the left becomes the left, a bottom above the top the top.
TRect MdiClientArea(int clientWidth, int clientHeight, const std::vector<TMdiAlignedControl>& controls);

// A maximized child fills the children's area, in its own coordinates
// (origin 0).
TRect MaximizedChildBounds(const TRect& mdiArea);

// The slot of a minimized child MW x MH in the children's area (origin 0);
// `taken` holds the top-left corners of the sibling children that are
// minimized already.
TPoint MdiMinimizedSlot(const TRect& mdiArea, int MW, int MH, const std::vector<TPoint>& taken);

// The parent's caption: its own, followed by " - [child]" while a child is
// maximized in its frame.
std::string MdiParentCaption(const std::string& parentCaption, const std::string* maximizedChildCaption);

// The name of a child's item in the parent's window menu.
std::string MdiChildItemName(const std::string& childName);

// The children the parent's frame tracks: the parent counts a child as
// maximized until the last maximized one restores or goes.
class TMdiChildren {
 public:
  // A child frame told it was maximized (true) or left that state or was
  // destroyed (false). Answers whether the parent has a maximized child
  // after the change.
  bool ChildMaximized(const void* child, bool maximized);
  bool AnyMaximized() const { return !maximized_.empty(); }
  // The most recently maximized child still maximized; null when none.
  const void* MaximizedChild() const { return maximized_.empty() ? nullptr : maximized_.back(); }

 private:
  std::vector<const void*> maximized_;
};

}  // namespace tavo::skin
