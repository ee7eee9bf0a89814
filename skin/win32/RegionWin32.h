// Portable regions on Windows: region data into an HRGN (built in chunks,
// so no rectangle is ever dropped), an HRGN back into rectangles, and a
// window's shape.
#pragma once

#include <windows.h>

#include "skin/Region.h"
#include "ui/Handles.h"

namespace tavo::skin::win32 {

// The region of data's rectangles. Lists longer than kMaxRegionRects are
// made kMaxRegionRects at a time and joined, rather than cut short. Null
// only when the system cannot make a region.
ui::THRgn CreateRegion(const TRegionData& data);
ui::THRgn CreateRegion(const TRegion& region);

// The rectangles of an existing region.
TRegion ReadRegion(HRGN region);

// Gives wnd the shape region (nullptr: the plain rectangle again). On
// success the system owns the region, so the handle is released to it; on
// failure it is deleted here. Returns whether the window took it.
bool SetWindowRegion(HWND wnd, ui::THRgn region, bool redraw);

}  // namespace tavo::skin::win32
