// Shared pieces of the skinned button tests: a form to put buttons on,
// timers the test ticks by hand, mouse messages sent to the form, skins
// built in memory or loaded from the stored "Graphite" skin, and the
// button's pixels read back from the composed client area.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "skin/CompressedStoredSkin.h"
#include "skin/SkinData.h"
#include "skin/win32/SkinControlTimer.h"
#include "skin/win32/SkinControlText.h"
#include "skin/win32/SkinSpeedButton.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/Form.h"

namespace tavo::skin::button_test {

using ui::testing_support::TClientPicture;

// A timer that only ticks when told to.
class TManualTimer : public TControlTimer {
 public:
  void Start(unsigned intervalMs) override {
    interval = intervalMs;
    running = true;
  }
  void Stop() override { running = false; }
  bool Running() const override { return running; }
  // One tick, as the system would deliver it while running.
  void Tick() {
    if (running && OnTick) OnTick();
  }
  unsigned interval = 0;
  bool running = false;
};

// Hands out manual timers and keeps track of them.
class TManualClock {
 public:
  TControlTimerFactory Factory() {
    return [this] {
      auto timer = std::make_unique<TManualTimer>();
      timers_.push_back(timer.get());
      return std::unique_ptr<TControlTimer>(std::move(timer));
    };
  }
  // The running timer with that interval; null when there is none.
  TManualTimer* Running(unsigned interval) const {
    for (TManualTimer* t : timers_)
      if (t->running && t->interval == interval) return t;
    return nullptr;
  }

 private:
  std::vector<TManualTimer*> timers_;
};

inline ui::TFormLayout ButtonFormLayout() {
  ui::TFormLayout layout;
  layout.Caption = "buttons";
  layout.ClientWidth = 400;
  layout.ClientHeight = 300;
  layout.BorderStyle = ui::TBorderStyle::bsNone;
  layout.Color = ui::RGBColor(10, 20, 30);
  return layout;
}

// Mouse messages in the form's client coordinates.
inline void Mouse(ui::TForm& form, UINT message, int x, int y, WPARAM keys = 0) {
  SendMessageA(form.Handle(), message, keys, MAKELPARAM(x, y));
}
inline void MoveTo(ui::TForm& form, int x, int y, bool leftHeld = false) {
  Mouse(form, WM_MOUSEMOVE, x, y, leftHeld ? MK_LBUTTON : 0);
}
inline void Press(ui::TForm& form, int x, int y) { Mouse(form, WM_LBUTTONDOWN, x, y, MK_LBUTTON); }
inline void Release(ui::TForm& form, int x, int y) { Mouse(form, WM_LBUTTONUP, x, y, 0); }

// The stored "Graphite" skin, loaded into data.
inline void LoadGraphite(TSkinData& data, TCompressedStoredSkin& stored) {
  stored.ImportCompressedFile(std::string(TAVO_SOURCE_DIR) + "/assets/skins/Graphite.skn");
  data.SetCompressedStoredSkin(&stored);
}

// A picture whose pixel (x, y) is red x, green y, blue 7.
inline TBitmap CoordPicture(int width, int height) {
  TBitmap p(width, height, TPixelFormat::pf24bit);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) p.SetPixel(x, y, RGB(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 7));
  return p;
}

// A skin made in memory with one "toolbutton" section drawn from picture 0:
// the toolbutton geometry of the button skin, on a picture of coordinates.
inline TDataSkinButtonControl& AddToolButton(TSkinData& data, const TBitmap& picture) {
  data.ActivePictures.push_back(picture);
  auto section = std::make_unique<TDataSkinButtonControl>("toolbutton");
  section->pictureindex = static_cast<int32_t>(data.ActivePictures.size() - 1);
  section->skinrect = TRect{55, 31, 80, 57};
  section->lefttoppoint = TPoint{5, 12};
  section->righttoppoint = TPoint{20, 12};
  section->clientrect = TRect{2, 3, 23, 24};
  section->activeskinrect = TRect{80, 31, 105, 57};
  section->downskinrect = TRect{105, 31, 131, 57};
  TDataSkinButtonControl& ref = *section;
  data.SkinControls.push_back(std::move(section));
  data.IsEmpty = false;
  return ref;
}

// Pixels of the button's rectangle on the composed client area that differ
// from the picture the renderer makes for the button's present state.
inline int PixelsUnlikeRenderer(const ui::TForm& form, const TSkinSpeedButton& button) {
  const TClientPicture shown(form.Handle());
  TSpeedButtonFace face = button.Face();
  TGdiTextPainter painter(button.PixelsPerInch());
  const TBitmap expected = TSpeedButtonRenderer(painter).Render(face, button.Skin(), TBitmap());
  if (expected.Width() != button.Width() || expected.Height() != button.Height()) return -1;
  int differ = 0;
  for (int y = 0; y < button.Height(); ++y)
    for (int x = 0; x < button.Width(); ++x)
      if (shown.At(button.Left() + x, button.Top() + y) != expected.Pixel(x, y)) ++differ;
  return differ;
}

// When TAVO_BUTTON_SHOTS names a folder, the button's rectangle as shown
// is written there as name.bmp (24-bit), for the documentation pictures.
inline void SaveShotIfAsked(const ui::TForm& form, const TSkinSpeedButton& button, const std::string& name) {
  const char* dir = std::getenv("TAVO_BUTTON_SHOTS");
  if (dir == nullptr || *dir == 0) return;
  const TClientPicture shown(form.Handle());
  const int w = button.Width(), h = button.Height();
  const int stride = (w * 3 + 3) & ~3;
  std::vector<unsigned char> file(54 + static_cast<size_t>(stride) * h);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<unsigned char>(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<uint32_t>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(w));
  put32(22, static_cast<uint32_t>(h));  // bottom-up rows
  file[26] = 1;
  file[28] = 24;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const COLORREF c = shown.At(button.Left() + x, button.Top() + y);
      unsigned char* p = &file[54 + static_cast<size_t>(h - 1 - y) * stride + x * 3];
      p[0] = GetBValue(c);
      p[1] = GetGValue(c);
      p[2] = GetRValue(c);
    }
  if (FILE* f = std::fopen((std::string(dir) + "/" + name + ".bmp").c_str(), "wb")) {
    std::fwrite(file.data(), 1, file.size(), f);
    std::fclose(f);
  }
}

}  // namespace tavo::skin::button_test
