// A fixed-metric text painter for the frame tests: every byte is a 6 x 10
// cell drawn as a filled 5 x 8 block one row below the cell's top.
#pragma once

#include <string>
#include <vector>

#include "skin/FrameObjectHost.h"
#include "skin/PixelCopy.h"

namespace tavo::skin::test {

class TFixedTextPainter : public TFrameTextPainter {
 public:
  static constexpr int kCellWidth = 6, kCellHeight = 10;

  TPoint TextExtent(const std::string& text, const TButtonFont&) override {
    return TPoint{kCellWidth * static_cast<int>(text.size()), kCellHeight};
  }
  void DrawTextAt(TBitmap& canvas, int x, int y, const std::string& text, const TButtonFont&, TColor color) override {
    written.push_back(text);
    for (size_t i = 0; i < text.size(); ++i) {
      const int left = x + kCellWidth * static_cast<int>(i);
      FillRect(canvas, TRect{left, y + 1, left + 5, y + 9}, color);
    }
  }

  std::vector<std::string> written;
};

}  // namespace tavo::skin::test
