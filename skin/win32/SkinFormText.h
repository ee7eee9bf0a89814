// TGdiFrameTextPainter: the frame's caption text measured and written with
// GDI in the system code page onto portable pictures, at a position with a
// clear background (the captions and the plain frame's caption box).
// Win32 side.
#pragma once

#include <windows.h>

#include "skin/FrameObjectHost.h"
#include "skin/win32/SkinControlText.h"

namespace tavo::skin {

class TGdiFrameTextPainter : public TFrameTextPainter {
 public:
  // Fonts are scaled from 96 dots per inch to pixelsPerInch.
  explicit TGdiFrameTextPainter(int pixelsPerInch) : measure_(pixelsPerInch), pixelsPerInch_(pixelsPerInch) {}

  TPoint TextExtent(const std::string& text, const TButtonFont& font) override {
    return measure_.TextExtent(text, font);
  }
  void DrawTextAt(TBitmap& canvas, int x, int y, const std::string& text, const TButtonFont& font,
               TColor color) override;

 private:
  TGdiTextPainter measure_;
  int pixelsPerInch_;
};

}  // namespace tavo::skin
