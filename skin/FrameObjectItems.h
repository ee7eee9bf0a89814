// The frame's active objects seen through the portable layout and
// painters: layout items made from the object list and their rectangles
// stored back, and painted objects whose drawing moves the object's
// rectangle for the one call. Portable.
#pragma once

#include <vector>

#include "skin/FrameLayout.h"
#include "skin/FrameObjects.h"
#include "skin/FramePainter.h"

namespace tavo::skin {

// One item per object, in list order.
std::vector<TFrameLayoutItem> LayoutItemsOf(const TActiveObjectList& objects);
// Writes each item's ObjectRect back to its object (the lists must match).
void StoreObjectRects(TActiveObjectList& objects, const std::vector<TFrameLayoutItem>& items);

// LayoutObjects and PlainLayout over the object list itself.
void LayoutObjects(TActiveObjectList& objects, const TFrameSkinGeometry& skin, const TPlacedFrameGeometry& placed,
                   TFrameIconSize icon);
TRect PlainLayout(TActiveObjectList& objects, int frameWidth, bool toolWindow, TFrameIconSize icon);

// The objects for ComposeSkinnedFrame and PaintPlainCaption: each draws
// itself with its ObjectRect set to the painter's rectangle for the call
// and put back afterwards. The list must outlive the result.
std::vector<TPaintedObject> PaintedObjectsOf(TActiveObjectList& objects);

}  // namespace tavo::skin
