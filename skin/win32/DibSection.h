// Putting portable pictures on the screen: a TBitmap or TEffectBmp becomes
// a 24-bit top-down DIB section and is drawn in one copy; a rectangle of a
// device context can be read back into a TBitmap.
#pragma once

#include <windows.h>

#include "core/Rect.h"
#include "skin/Bitmap.h"
#include "skin/EffectBmp.h"
#include "ui/Handles.h"

namespace tavo::skin::win32 {

// A 24-bit top-down DIB section holding a copy of picture's pixels (any
// format is converted). Null for an empty picture or when the system
// refuses the section.
ui::THBitmap CreateDibSection(const TBitmap& picture);

// Draws picture with its top-left corner at (x, y) on dc: one BitBlt from a
// memory DC holding its DIB section, so the screen never shows it half
// drawn. False when nothing could be drawn.
bool DrawBitmap(HDC dc, int x, int y, const TBitmap& picture);

// Draws an effect picture unscaled at (x, y) straight from its own pixel
// memory and header, in one call.
bool DrawEffectBmp(HDC dc, int x, int y, const TEffectBmp& picture);

// A 24-bit copy of rectangle r of dc (for composing over what is there).
TBitmap CaptureDC(HDC dc, const tavo::TRect& r);

}  // namespace tavo::skin::win32
