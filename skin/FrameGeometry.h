// The placed geometry of a skinned window frame: the skin's frame values
// moved to the window's size, the four corner zones that carry objects
// along, and the nine-part inputs the frame pieces and mask strips are cut
// with. Portable; the Win32 frame feeds it the window size.
#pragma once

#include <cstdint>

#include "core/Rect.h"
#include "skin/NinePart.h"

namespace tavo::skin {

class TSkinData;

// A sum worked out in 64 bits and held to the 32-bit range: skin values
// come from text and may be anything, and frame arithmetic must not
// overflow on them.
int32_t Clamp32(int64_t value);

// Caption height and caption-button size of the plain frame (tool-window
// border styles draw a smaller caption).
constexpr int PlainCaptionHeight(bool toolWindow) { return toolWindow ? 15 : 19; }
constexpr int PlainButtonSize(bool toolWindow) { return toolWindow ? 13 : 17; }
// Width of the plain frame's border on every side.
constexpr int kPlainBorder = 3;

// The frame values, as the skin gives them or placed on a window.
struct TFrameGeometryValues {
  TPoint LeftTop, RightTop, LeftBottom, RightBottom;
  TRect ClientRect, CaptionRect, ButtonsRect, MaskRect;
  int ButtonsOffset = 0;
  bool ButtonsInLeft = false;
  TPoint HitTestLeftTop, HitTestRightTop, HitTestLeftBottom, HitTestRightBottom;
};

// The frame values of a skin, in picture coordinates, with the main
// picture's size PW x PH.
struct TFrameSkinGeometry : TFrameGeometryValues {
  int PW = 0, PH = 0;
};

// Copies the frame values of a loaded skin (maskrectarea becomes MaskRect).
TFrameSkinGeometry FrameSkinGeometryOf(const TSkinData& skin);

// The skin's values placed on a frame FrameWidth x FrameHeight, in window
// coordinates; dx and dy are the frame's size minus the picture's.
struct TPlacedFrameGeometry : TFrameGeometryValues {
  int FrameWidth = 0, FrameHeight = 0;
  int dx = 0, dy = 0;
};

// Right points move by dx, bottom points by dy, the client and mask
// rectangles stretch with the window; a non-empty caption rectangle widens
// by dx, and a non-empty buttons rectangle lying in the right half of the
// picture (left > PW / 2) moves by dx.
TPlacedFrameGeometry ComputePlacedGeometry(const TFrameSkinGeometry& skin, int frameWidth, int frameHeight);

enum class TCornerZone { czLeftTop, czRightTop, czLeftBottom, czRightBottom };

// The zone's rectangle in picture coordinates: left-top (0, 0, LT.x, LT.y),
// right-top (RT.x, 0, PW, RT.y), left-bottom (0, LB.y, LB.x, PH),
// right-bottom (RB.x, RB.y, PW, PH).
TRect CornerZoneRect(const TFrameSkinGeometry& skin, TCornerZone zone);
// left <= x < right and top <= y < bottom of the zone's rectangle.
bool InCornerZone(const TFrameSkinGeometry& skin, TCornerZone zone, TPoint p);

// Places a picture rectangle on a window dx, dy larger by the zones of its
// top-left and bottom-right corners: inside one zone it moves with that
// corner, spanning two zones it grows between them, anything else stays.
TRect PlaceByCornerZones(const TFrameSkinGeometry& skin, const TRect& r, int dx, int dy);

// The nine-part inputs of the four frame pieces: the skin's points and
// client rectangle, and their placed versions.
TNinePartGeometry FramePieceGeometry(const TFrameSkinGeometry& skin, const TPlacedFrameGeometry& placed);
// The same with the mask rectangle in place of the client rectangle, for
// cutting the mask strips.
TNinePartGeometry MaskStripGeometry(const TFrameSkinGeometry& skin, const TPlacedFrameGeometry& placed);

}  // namespace tavo::skin
