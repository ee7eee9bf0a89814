// Where the frame's active objects go: objects cut from the frame picture
// follow the corner zones, objects with their own pictures are lined up in
// the skin's buttons or caption rectangle (from the right or from the left),
// and the plain frame's default buttons sit in its grooved caption.
// Portable: the frame describes each object by a TFrameLayoutItem and reads
// the ObjectRect values back.
#pragma once

#include <vector>

#include "core/Rect.h"
#include "skin/FrameGeometry.h"
#include "skin/SkinTypes.h"

namespace tavo::skin {

// The active-object classes, as far as layout and painting tell them apart.
enum class TFrameObjectKind { okUser, okButton, okStdButton, okCaption, okAnimate };

// One active object as layout sees it.
struct TFrameLayoutItem {
  TFrameObjectKind Kind = TFrameObjectKind::okUser;
  bool Visible = true;
  // The object has its own picture (it is not cut from the frame picture).
  bool InAPicture = false;
  // The normal image's rectangle: in the frame picture for objects cut from
  // it, else only its size counts.
  TRect NormalRect;
  // Standard buttons and animate objects.
  TStdCommand Command = TStdCommand::cmDefault;
  // Where the object sits on the window (the result).
  TRect ObjectRect;
};

// What the system-menu button measures while it shows the form's icon.
struct TFrameIconSize {
  bool ShowIcon = false;
  TPoint SmallIcon{16, 16};
};

// The small-icon size from the system metrics: SM_CXSMICON by SM_CYSMICON,
// each replaced by SM_CXSIZE or SM_CYSIZE where it is 0.
TPoint SmallIconSize(TPoint smallIconMetrics, TPoint captionButtonMetrics);

// Sets every ObjectRect for the placed geometry: objects cut from the frame
// picture by the corner zones; then, when the placed buttons rectangle (or
// else the caption rectangle) is not empty, the visible in-a-picture
// standard buttons and animate objects lined up in it by command (close,
// maximize, minimize, roll up, minimize to tray, then the default-command
// ones in list order) with the buttons offset between them, the system-menu
// object at the caption's other end, and the first caption object fitted
// between them.
void LayoutObjects(std::vector<TFrameLayoutItem>& items, const TFrameSkinGeometry& skin,
                   const TPlacedFrameGeometry& placed, TFrameIconSize icon);

// The plain frame's layout on a window frameWidth wide: visible in-a-picture
// standard buttons from the right (close, maximize, minimize, roll up,
// minimize to tray), the system-menu button at the left; returns the plain
// caption rectangle between them.
TRect PlainLayout(std::vector<TFrameLayoutItem>& items, int frameWidth, bool toolWindow, TFrameIconSize icon);

}  // namespace tavo::skin
