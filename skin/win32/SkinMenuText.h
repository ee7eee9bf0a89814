// TGdiMenuTextPainter: menu captions measured and written with DrawTextA in
// the system code page (the same path the buttons' and the shadow label's
// text takes, so GBK captions in ANSI-charset fonts come out whole), "&"
// underlining the accelerator. Win32 side.
#pragma once

#include <windows.h>

#include "skin/MenuItemPainter.h"

namespace tavo::skin {

class TGdiMenuTextPainter : public TMenuTextPainter {
 public:
  explicit TGdiMenuTextPainter(int pixelsPerInch = 96) : pixelsPerInch_(pixelsPerInch) {}
  TPoint TextExtent(const std::string& text, const TButtonFont& font) override;
  void WriteText(TBitmap& canvas, const TRect& box, const std::string& text, const TButtonFont& font, TColor color,
                bool alignRight) override;

 private:
  int pixelsPerInch_;
};

}  // namespace tavo::skin
