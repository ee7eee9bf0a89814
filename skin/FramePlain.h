// The plain frame drawn while no skin is loaded: three one-pixel rings, a
// caption strip with grooves, the caption text on a plain box that
// interrupts them, and the default glyph buttons drawn into the strip.
// Portable; system colours come in resolved and text goes through a
// TFrameTextPainter, so every pixel is exact in tests.
#pragma once

#include <string>
#include <vector>

#include "core/Rect.h"
#include "skin/Bitmap.h"
#include "skin/FrameObjectHost.h"
#include "skin/FramePainter.h"

namespace tavo::skin {

// The system colours the plain frame uses (classic defaults; the Win32
// frame fills them from the system).
struct TFrameSystemColors {
  TColor BtnFace = RGB(212, 208, 200);
  TColor BtnHighlight = RGB(255, 255, 255);
  TColor BtnShadow = RGB(128, 128, 128);
  TColor Light3D = RGB(212, 208, 200);
  TColor DkShadow3D = RGB(64, 64, 64);
  TColor BtnText = RGB(0, 0, 0);
  TColor AppWorkSpace = RGB(128, 128, 128);
};

struct TPlainFrameInput {
  int FrameWidth = 0, FrameHeight = 0;
  bool ToolWindow = false;
  // The form's caption (extended for a multi-document form).
  std::string Caption;
  // DefCaptionFont while the form is active, else DefInActiveCaptionFont,
  // with the character set already chosen; and its colour.
  TButtonFont Font;
  TColor FontColor = 0;
  TFrameSystemColors Colors;
  // The plain caption rectangle from PlainLayout, window coordinates.
  TRect CaptionRect;
};

// The caption strip, (FrameWidth - 6) x caption height, as it goes on the
// window at (3, 3): button face, grooves alternating highlight and shadow
// on rows 2 .. H - 4 between the caption rectangle's ends, the caption cut
// to fit with "..." on a plain box centred between them, then every visible
// object drawn with full redraw at its ObjectRect moved by (-3, -3). The
// objects must be laid out by PlainLayout.
TBitmap PaintPlainCaption(const TPlainFrameInput& input, TFrameTextPainter& text,
                          const std::vector<TPaintedObject>& objects);

// The whole window as the plain frame leaves it over background
// (FrameWidth x FrameHeight): the caption strip at (3, 3), then three rings
// from the outside in (3D light / 3D dark shadow, highlight / shadow,
// button face on all sides), the client rectangle (3, H + 3, FW - 3,
// FH - 3) left as it was.
TBitmap PaintPlainFrame(const TPlainFrameInput& input, TFrameTextPainter& text,
                        const std::vector<TPaintedObject>& objects, const TBitmap& background);

}  // namespace tavo::skin
