// Composition of a skinned window frame: the four frame pieces cut from the
// skin's picture (or its inactive picture) for the window's size, the
// visible objects drawn into them, the inactive effect on copies, and where
// each piece goes on the window. Portable; the Win32 frame puts the pieces
// on the window's device context with the client rectangle excluded.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "core/Rect.h"
#include "skin/Bitmap.h"
#include "skin/FrameGeometry.h"
#include "skin/NinePart.h"

namespace tavo::skin {

class TSkinData;

// One active object as the painters see it: Draw paints it onto canvas as
// if its ObjectRect were at (the object's own rectangle is left alone).
struct TPaintedObject {
  bool Visible = true;
  TRect ObjectRect;
  std::function<void(TBitmap& canvas, const TRect& at, bool fullRedraw)> Draw;
};

// Draws picture onto canvas with its top-left corner at `at`, clipped to
// the canvas, leaving out the pixels inside excluded (when not empty) and,
// given a transparent colour, the pixels of that colour.
void DrawPicture(TBitmap& canvas, const TBitmap& picture, TPoint at, const TRect& excluded = TRect{},
                 std::optional<TColor> transparent = std::nullopt);

// The frame as composed for one non-client paint.
struct TComposedFrame {
  // False when the frame is smaller than its minimum size: nothing is
  // painted at all.
  bool Painted = false;
  TPlacedFrameGeometry Placed;
  // The pieces as they go on the window (objects drawn in, inactive effect
  // applied); a piece that was not made is 0 x 0.
  TFramePieces Pieces;
  TPoint TopAt, LeftAt, RightAt, BottomAt;
  // Kept out of the window's clipping while the pieces are drawn (not
  // applied when empty).
  TRect ExcludedClient;
};

// The inputs of PaintSkinnedFrame besides the objects.
struct TSkinnedFrameInput {
  const TSkinData* Skin = nullptr;  // loaded (not IsEmpty)
  int FrameWidth = 0, FrameHeight = 0;
  // The smallest size painted (MinimumFrameSize).
  TPoint Minimum;
  bool FormActive = true;
};

// The pieces of the frame without objects: the inactive picture while the
// form is inactive and the skin has one, else the main picture, cut by
// CreateFramePieces at the placed geometry; the stretch flags are the
// skin's.
TFramePieces FramePiecesOf(const TSkinData& skin, const TPlacedFrameGeometry& placed, bool formActive);

// The whole composition: the placed geometry, the pieces, every visible
// object drawn with full-redraw false (an object whose bottom lies below
// the placed client rectangle's top into the bottom piece, moved up by the
// client rectangle's bottom; every other one into the top piece), and,
// while the form is inactive and the skin auto-renders its inactive look,
// the skin's inactive effect applied to every piece. The objects' rects
// must already be laid out for this size.
TComposedFrame ComposeSkinnedFrame(const TSkinnedFrameInput& input, const std::vector<TPaintedObject>& objects);

// What the window shows with the composition painted over background (the
// window's pixels before the paint, FrameWidth x FrameHeight): every piece
// at its place, clipped to the window, the excluded client rectangle left
// as it was. Nothing changes when the composition was not painted.
TBitmap PaintComposedFrame(const TComposedFrame& frame, const TBitmap& background);

// The picture RedrawObject puts on the window at the object's rectangle:
// the window's pixels there (window as PaintComposedFrame made it) with the
// object drawn over them with full redraw. Empty for an empty rectangle.
TBitmap RedrawObjectPicture(const TPaintedObject& object, const TBitmap& window);

}  // namespace tavo::skin
