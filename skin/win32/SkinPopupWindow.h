// TSkinPopupWindow: the window of one open popup menu — a top-level tool
// window that never activates (MA_NOACTIVATE, shown with SWP_NOACTIVATE,
// topmost), shaped by the popup mask, painted in one copy from the portable
// composition, with its 50 ms mouse timer and its 100 ms scroll timer
// (timer 1). The state and the rules live in TPopupLogic and TMenuEngine.
// Win32 side.
#pragma once

#include <windows.h>

#include <functional>

#include "skin/MenuEngine.h"

namespace tavo::skin {

// Translucency of popups, behind a seam for tests.
struct TPopupAlphaApi {
  std::function<void(HWND, uint8_t)> SetAlpha;
  static TPopupAlphaApi System();
};

class TSkinPopupWindow : public TPopupSurface {
 public:
  static constexpr UINT_PTR kScrollTimer = 1, kMouseTimer = 2, kMorphTimer = 3;
  static const char* const kClassName;

  TSkinPopupWindow(TMenuEngine& engine, TPopupLogic& popup, HWND owner, TPopupAlphaApi alpha);
  ~TSkinPopupWindow() override;

  HWND Handle() const { return wnd_; }
  TPopupLogic& Logic() const { return popup_; }

  void Show(const TRect& bounds, const std::optional<TRegion>& region, const std::vector<uint8_t>& alpha) override;
  void Repaint() override;
  void RedrawItem(int index) override;
  void SetScrollTimer(bool on) override;
  void SetMouseTimer(bool on) override;
  void SetMorphTimer(bool on) override;
  bool MorphTimerRunning() const { return morphTimer_; }

  // The popup a window belongs to, or null.
  static TSkinPopupWindow* FromHandle(HWND wnd);

 private:
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM w, LPARAM l);
  LRESULT Dispatch(UINT msg, WPARAM w, LPARAM l);
  void Paint(HDC dc);
  void MouseTick();

  TMenuEngine& engine_;
  TPopupLogic& popup_;
  TPopupAlphaApi alpha_;
  HWND wnd_ = nullptr;
  bool morphTimer_ = false;
};

}  // namespace tavo::skin
