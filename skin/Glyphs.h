// Small drawings on a picture: one frame of a glyph strip with its
// transparent colour, the line glyphs of skinless caption buttons, and
// arrows. Lines include their start and exclude their end; rectangle
// outlines exclude their right and bottom edges.
#pragma once

#include "core/Rect.h"
#include "skin/Bitmap.h"

namespace tavo::skin {

// Draws frame k (from 1) of a strip of n equal frames side by side at
// (x, y) on canvas; pixels of the frame's bottom-left colour are not drawn.
// Nothing for an empty strip, n < 1 or k outside 1..n.
void DrawGlyphFrame(TBitmap& canvas, int x, int y, int k, int n, const TBitmap& strip);

// A one-pixel line from (x0, y0) up to, not including, (x1, y1).
void DrawLine(TBitmap& canvas, int x0, int y0, int x1, int y1, TColor color);
// The outline of r (right and bottom exclusive).
void DrawRectOutline(TBitmap& canvas, const tavo::TRect& r, TColor color);

// The line glyphs, drawn from (x, y).
void DrawCrossGlyph(TBitmap& canvas, int x, int y, TColor color);          // close
void DrawBarGlyph(TBitmap& canvas, int x, int y, TColor color);            // system menu
void DrawUnderlineGlyph(TBitmap& canvas, int x, int y, TColor color);      // minimize
void DrawWindowGlyph(TBitmap& canvas, int x, int y, TColor color);         // maximize
void DrawTwoWindowsGlyph(TBitmap& canvas, int x, int y, TColor color);     // restore
void DrawTriangleDownGlyph(TBitmap& canvas, int x, int y, TColor color);   // roll down
void DrawTriangleUpGlyph(TBitmap& canvas, int x, int y, TColor color);     // roll up
void DrawSquareGlyph(TBitmap& canvas, int x, int y, TColor color);         // minimize to tray

// A small triangle in r pointing left (1), right (2), up (3) or down (4);
// any other direction draws nothing.
void DrawArrow(TBitmap& canvas, const tavo::TRect& r, TColor color, int direction);

}  // namespace tavo::skin
