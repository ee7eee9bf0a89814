// Test kit for the menus: Lumen (the frame tests' loader), a fixed-metric
// text painter, and a fake engine host whose popups record what the engine
// asked of their windows.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "skin/MenuEngine.h"
#include "skin/PixelCopy.h"
#include "skin/SkinData.h"
#include "tests/skin/frame/FrameTestSkins.h"

namespace tavo::skin::test {

// Lumen as the installer loads it.
using TLumenSkin = TLumen;

// Every shown byte is a 6 x 10 cell, drawn as a 5 x 8 block one row below
// the cell's top; "&" marks as the platform's text drawing does.
class TFixedMenuText : public TMenuTextPainter {
 public:
  static constexpr int kCell = 6, kCellHeight = 10;
  TPoint TextExtent(const std::string& text, const TButtonFont&) override {
    return TPoint{kCell * static_cast<int>(StripHotkey(text).size()), kCellHeight};
  }
  void WriteText(TBitmap& canvas, const TRect& box, const std::string& text, const TButtonFont&, TColor color,
                bool alignRight) override {
    const std::string shown = StripHotkey(text);
    written.push_back(shown);
    const int width = kCell * static_cast<int>(shown.size());
    const int x = alignRight ? box.right - width : box.left;
    const int y = box.top + (box.bottom - box.top - kCellHeight) / 2;
    boxes.push_back(TRect{x, y, x + width, y + kCellHeight});
    for (size_t i = 0; i < shown.size(); ++i) {
      const int left = x + kCell * static_cast<int>(i);
      TRect block{std::max(left, box.left), y + 1, std::min(left + 5, box.right), y + 9};
      if (block.right > block.left) FillRect(canvas, block, color);
    }
  }
  std::vector<std::string> written;
  std::vector<TRect> boxes;
};

struct TFakeSurface : TPopupSurface {
  TRect bounds;
  std::optional<TRegion> region;
  std::vector<uint8_t> alpha;
  int shows = 0, repaints = 0;
  std::vector<int> redrawn;
  bool scrollTimer = false, mouseTimer = false, morphTimer = false;
  std::vector<TFakeSurface*>* live = nullptr;
  ~TFakeSurface() override {
    if (live) std::erase(*live, this);
  }
  void Show(const TRect& b, const std::optional<TRegion>& r, const std::vector<uint8_t>& a) override {
    bounds = b;
    region = r;
    alpha = a;
    ++shows;
  }
  void Repaint() override { ++repaints; }
  void RedrawItem(int index) override { redrawn.push_back(index); }
  void SetScrollTimer(bool on) override { scrollTimer = on; }
  void SetMouseTimer(bool on) override { mouseTimer = on; }
  void SetMorphTimer(bool on) override { morphTimer = on; }
};

// The engine's host with a manual clock for the submenu delay: Advance
// fires the delay once its 500 ms have passed.
struct TFakeMenuHost : TMenuEngineHost {
  TRect workArea{0, 0, 1024, 768};
  TFixedMenuText text;
  std::vector<TFakeSurface*> surfaces;  // the live ones, in creation order
  int ownerClosed = 0;
  std::vector<std::pair<const void*, unsigned>> controlMessages;
  bool layered = false;
  int processed = 0;
  TMenuEngine* engine = nullptr;
  bool delayOn = false;
  unsigned delayElapsed = 0;

  TRect WorkArea() override { return workArea; }
  std::unique_ptr<TPopupSurface> CreatePopup(TMenuEngine& e, TPopupLogic&) override {
    engine = &e;
    auto s = std::make_unique<TFakeSurface>();
    s->live = &surfaces;
    surfaces.push_back(s.get());
    return s;
  }
  void SetDelayTimer(bool on) override {
    delayOn = on;
    delayElapsed = 0;
  }
  void NotifyOwnerClosed() override { ++ownerClosed; }
  void NotifyControl(const void* c, unsigned m) override { controlMessages.emplace_back(c, m); }
  TMenuTextPainter& TextPainter() override { return text; }
  TMenuColors Colors() override { return TMenuColors{}; }
  bool CanUseLayeredWindows() override { return layered; }
  void ProcessMessages() override { ++processed; }

  void Advance(unsigned ms) {
    if (!delayOn) return;
    delayElapsed += ms;
    if (delayElapsed >= kSubmenuDelayMs && engine) {
      delayElapsed = 0;
      engine->DelayElapsed();
    }
  }
};

}  // namespace tavo::skin::test
