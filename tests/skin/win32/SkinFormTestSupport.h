// Helpers for the skinned frame's Win32 tests: Lumen loaded from its stored
// file, forms placed on the screen, what the screen shows of a window, and
// the window's region read back.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "skin/CompressedStoredSkin.h"
#include "skin/Region.h"
#include "skin/SkinData.h"
#include "skin/win32/DibSection.h"
#include "skin/win32/RegionWin32.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/Form.h"

namespace tavo::skin::frame_test {

inline void LoadLumen(TSkinData& data, TCompressedStoredSkin& stored) {
  stored.ImportCompressedFile(std::string(TAVO_SOURCE_DIR) + "/assets/skins/Lumen.skn");
  data.SetCompressedStoredSkin(&stored);
}

inline ui::TFormLayout FrameLayout(ui::TBorderStyle border, int clientWidth = 563, int clientHeight = 262) {
  ui::TFormLayout layout;
  layout.Caption = "Frame";
  layout.ClientWidth = clientWidth;
  layout.ClientHeight = clientHeight;
  layout.BorderStyle = border;
  layout.Position = ui::TPosition::poDesigned;
  layout.Left = 60;
  layout.Top = 60;
  return layout;
}

// What the screen shows of the whole window, FrameWidth x FrameHeight.
inline TBitmap ScreenOf(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  HDC screen = GetDC(nullptr);
  TBitmap shot = win32::CaptureDC(screen, TRect{r.left, r.top, r.right, r.bottom});
  ReleaseDC(nullptr, screen);
  return shot;
}

// Shows the form, lets every paint run, and waits a little for the screen.
inline void ShowAndSettle(ui::TForm& form) {
  form.Show();
  ui::testing_support::PumpUntil([] { return false; }, 400);
}

// The window's region in window coordinates; empty when it has none.
inline TRegion WindowRegionOf(HWND wnd) {
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  TRegion out;
  if (GetWindowRgn(wnd, rgn) != ERROR) out = win32::ReadRegion(rgn);
  DeleteObject(rgn);
  return out;
}

// Pixels of a and b that differ where `where` says to look; at most a few
// are reported.
template <class Where>
int CountDifferences(const TBitmap& a, const TBitmap& b, Where where) {
  int differences = 0;
  for (int y = 0; y < std::min(a.Height(), b.Height()); ++y) {
    for (int x = 0; x < std::min(a.Width(), b.Width()); ++x) {
      if (!where(x, y) || a.Pixel(x, y) == b.Pixel(x, y)) continue;
      if (++differences <= 5)
        ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << a.Pixel(x, y) << " vs " << b.Pixel(x, y);
    }
  }
  return differences;
}

}  // namespace tavo::skin::frame_test
