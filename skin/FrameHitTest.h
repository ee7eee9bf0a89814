// What lies under the mouse on a skinned window frame: the platform's hit
// codes, the signed halves of a message's point, the window-shape test on
// the mask strips, and the hit tests of skinned and plain mode. Portable:
// the Win32 frame feeds in the placed geometry and its state.
#pragma once

#include <cstdint>
#include <vector>

#include "core/Rect.h"
#include "skin/MaskRegion.h"

namespace tavo::skin {

// The platform's hit codes (the values WM_NCHITTEST answers with).
constexpr int kHtNowhere = 0;
constexpr int kHtClient = 1;
constexpr int kHtCaption = 2;
constexpr int kHtLeft = 10;
constexpr int kHtRight = 11;
constexpr int kHtTop = 12;
constexpr int kHtTopLeft = 13;
constexpr int kHtTopRight = 14;
constexpr int kHtBottom = 15;
constexpr int kHtBottomLeft = 16;
constexpr int kHtBottomRight = 17;
constexpr int kHtObject = 19;

// True for the eight sizing codes (left, right, top, the corners, bottom).
bool IsSizingHitCode(int code);

// The point a mouse message carries in its second parameter: x in the low
// 16 bits, y in the high 16 bits, each a signed 16-bit number (so a point
// left of or above a monitor at the origin comes out negative).
TPoint PointFromMessageParam(uint32_t param);

// A screen point in window coordinates of a form whose outer rectangle
// starts at formOrigin.
TPoint ScreenToFrame(TPoint screen, TPoint formOrigin);

// The hit code WM_SETCURSOR passes on: with useFormCursor, every code but
// the client and the eight sizing codes becomes the client's, so the
// form's own cursor shows over the caption and the objects while the
// sizing cursors stay on the borders. Without it the code is unchanged.
int CursorHitCode(int code, bool useFormCursor);

// Whether p lies inside the window's shape: inside the placed mask
// rectangle M, or on a black pixel of the strip beside it (the top strip
// above M's top; from M's top down to its bottom the right strip at
// (x - M.right, y - M.top) for x > M.left, else the left strip at
// (x, y - M.top); the bottom strip at (x, y - M.bottom) at or below M's
// bottom). Black is colour 0; a point off a strip is never black.
bool PointInFrameShape(TPoint p, const TRect& maskRect, const TMaskPieces& strips);

// Everything the skinned hit test reads, in window coordinates.
struct TSkinnedHitInput {
  int FormWidth = 0, FormHeight = 0;
  TRect ClientRect;  // placed client rectangle
  TRect MaskRect;    // placed mask rectangle
  TPoint HitLeftTop, HitRightTop, HitLeftBottom, HitRightBottom;  // placed hit-test points
  int BorderWidth = 0;              // the skin's "borderwidth"
  const TMaskPieces* Mask = nullptr;  // the mask strips; null when the skin has no mask
  std::vector<TRect> CaptionRects;  // ObjectRect of every caption object
  bool Sizeable = false;            // border style bsSizeable or bsSizeToolWin
  bool ObjectActive = false;        // an object is under the mouse
  bool SizeMoveLoop = false;        // a move or size loop runs
  bool RolledUp = false;
  bool Minimized = false;
  bool Maximized = false;
};

// The hit code of p on a skinned frame. Rolled up or minimized, only the
// caption and the objects answer. An active object outside the caption and
// the client answers HTOBJECT (unless a move or size loop runs). A sizeable
// window that is not maximized answers the sizing codes at its edges: p is
// at the edge when one of the four probe points borderwidth away lies
// outside the window (no mask), or when p is outside the mask rectangle
// and a probe point is outside the shape (mask). Otherwise client, caption
// or object.
int SkinnedHitTest(TPoint p, const TSkinnedHitInput& in);

// Everything the plain hit test reads.
struct TPlainHitInput {
  int FormWidth = 0, FormHeight = 0;
  TRect CaptionRect;       // the plain caption rectangle of the plain layout
  int CaptionHeight = 19;  // 15 for tool windows
  bool Sizeable = false;
  bool ObjectActive = false;
  bool RolledUp = false;
  bool Minimized = false;
  bool Maximized = false;
};

// The hit code of p on the plain frame: on a sizeable normal window an
// active object first, then the sizing codes within 2 pixels of an edge;
// then the caption rectangle, the client (3, caption height + 3, W - 3,
// H - 3) and the objects elsewhere.
int PlainHitTest(TPoint p, const TPlainHitInput& in);

}  // namespace tavo::skin
