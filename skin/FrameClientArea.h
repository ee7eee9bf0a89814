// The skinned frame's client area and size limits: the client rectangle it
// answers WM_NCCALCSIZE with (skinned and plain), the minimum and maximum
// tracking sizes, and the sizes a form goes through when a skin is applied.
// Portable; the Win32 frame passes the proposed rectangle and its state in.
#pragma once

#include <vector>

#include "core/Rect.h"
#include "skin/FrameGeometry.h"

namespace tavo::skin {

// The client rectangle of a window rectangle in skinned mode: the skin's
// client rectangle keeps its distance from each edge of the picture.
// A right below the left becomes the left, a bottom above the top the top.
TRect SkinnedClientRect(const TRect& window, const TFrameSkinGeometry& skin);
// The same in plain mode: 3 pixels of border, the plain caption on top.
TRect PlainClientRect(const TRect& window, bool toolWindow);

// What the size limits depend on.
struct TFrameSizeLimits {
  bool Skinned = false;
  // Skinned: the main picture's size and the height of its client
  // rectangle. Plain: only ToolWindow counts.
  int PW = 0, PH = 0, SkinClientHeight = 0;
  bool ToolWindow = false;
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
  bool RolledUp = false, Minimized = false;
  bool MaximizeOnFullScreen = false;
};

// The limits of a skinned frame with this skin geometry.
TFrameSizeLimits SkinnedSizeLimits(const TFrameSkinGeometry& skin);

// The smallest window size: skinned, the picture's width (MinWidth when
// larger and not minimized) and its height without the client rows (while
// that is at least MinHeight, rolled up or minimized, else MinHeight);
// plain, MinWidth or 120 wide and caption + 6 high by the same rule.
TPoint MinimumFrameSize(const TFrameSizeLimits& limits);
// The largest: the work area (the whole monitor with MaximizeOnFullScreen),
// each side cut to MaxWidth / MaxHeight when those are set and smaller.
TPoint MaximumFrameSize(const TFrameSizeLimits& limits, const TRect& workArea, const TRect& monitor);

// The sizes a form is given, in order, when a skin is applied to it at
// size: it is brought up to the minimum (both sides, else the height, else
// the width), or, already large enough, nudged one pixel narrower and back
// (wider and back when narrower would fall below the minimum) so that it
// lays itself out again; then, rolled up or minimized, its height becomes
// the minimum height, and minimized its width the minimum width.
std::vector<TPoint> ApplySkinSizeSteps(TPoint size, TPoint minimum, bool rolledUp, bool minimized);

}  // namespace tavo::skin
