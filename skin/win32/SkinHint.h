// TSkinHint and TSkinHintWindow: hints drawn with the skin's [HINTWINDOW]
// record. The component makes TSkinHintWindow the application's hint
// window class and shows the frame's caption-button hints through its own
// window after the hint pause; the window measures itself with GDI, keeps
// on the screen, takes the skin's shape and paints the portable picture.
// Win32 side; translucency goes through TLayeredWindowApi.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "skin/HintWindowLook.h"
#include "skin/SkinComponent.h"
#include "skin/SkinData.h"
#include "skin/win32/SkinControlTimer.h"
#include "skin/win32/SkinForm.h"
#include "ui/Component.h"
#include "ui/Graphics.h"
#include "ui/Handles.h"
#include "ui/Hint.h"

namespace tavo::skin {

class TSkinHint;

class TSkinHintWindow : public ui::THintWindow {
 public:
  TSkinHintWindow();
  ~TSkinHintWindow() override;

  // Shows text at rect's top-left, drawn for the application main form's
  // active TSkinHint; nothing is shown when there is none.
  void PresentHint(const TRect& rect, const std::string& text);
  // The size the text needs (with the placed geometry kept for painting).
  THintMeasure MeasureHint(const std::string& text);

  void ActivateHint(const TRect& rect, const std::string& text) override { PresentHint(rect, text); }
  void ReleaseHint() override;
  HWND Handle() const override { return window_; }

  // --- inspection ----------------------------------------------------------
  bool Showing() const { return visible_; }
  bool Skinned() const { return skin_.has_value(); }
  const std::string& Text() const { return text_; }
  // The picture the window paints for its text now.
  TBitmap Compose();
  // How many hint windows were made in this process.
  static int WindowsMade();

  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  void Paint();
  // The record and pictures of the component's skin, when it draws skinned.
  std::optional<THintSkin> SkinOf(const TSkinHint& hint) const;
  TButtonFont Font() const;

  HWND window_ = nullptr;
  TSkinHint* hint_ = nullptr;
  std::optional<THintSkin> skin_;
  std::string text_;
  THintMeasure measure_;
  bool regionSet_ = false;
  bool visible_ = false;
  bool lastAlphaBlend_ = false;
  uint8_t lastAlpha_ = 0;
};

class TSkinHint : public ui::TComponent, public TSkinComponent {
 public:
  // Outside a designer the application's hints are switched to
  // TSkinHintWindow, its show-hint event comes here, and the short hint
  // pause becomes 100 ms.
  explicit TSkinHint(ui::TComponent* owner, TControlTimerFactory timers = NewWindowTimer,
                     TLayeredWindowApi layered = TLayeredWindowApi::System(), bool designing = false);
  ~TSkinHint() override;

  // --- properties ------------------------------------------------------------
  TSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TSkinData* data);
  bool Active() const { return active_; }
  // Activating one hint component deactivates the other active ones of the
  // application's main form.
  void SetActive(bool active);
  bool AlphaBlend = false;
  uint8_t AlphaBlendValue = 0;
  const ui::TFont& DefaultFont() const { return defaultFont_; }
  void SetDefaultFont(const ui::TFont& font) { defaultFont_ = font; }
  bool UseSkinFont = true;
  ui::TShowHintEvent OnShowHint;

  // --- operations ------------------------------------------------------------
  // Shows text under the cursor after the hint pause, for the hide pause;
  // a new call starts over, so only the last of a quick series shows.
  void ShowHintText(const std::string& text);
  // Cancels a pending text and hides the window.
  void HideHintText();

  // --- inspection ------------------------------------------------------------
  TSkinHintWindow& HintWindow() { return *window_; }
  TControlTimer* HintTimer() const { return timer_.get(); }
  const TLayeredWindowApi& Layered() const { return layered_; }

  // The active TSkinHint of the application's main form; null when none.
  static TSkinHint* Find();

 protected:
  void Notification(TSkinComponent* removed) override;

 private:
  void ShowPending();

  TControlTimerFactory timers_;
  TLayeredWindowApi layered_;
  bool designing_;
  TSkinData* skinData_ = nullptr;
  bool active_ = true;
  ui::TFont defaultFont_;
  std::unique_ptr<TSkinHintWindow> window_;
  std::unique_ptr<TControlTimer> timer_, retired_;
  std::string pending_;
  bool timerShows_ = true;
};

// Rows from the cursor's hot spot down to its lowest drawn row, read from
// the current cursor; SM_CYCURSOR when it cannot be read.
int CursorDepthBelowHotSpot();

}  // namespace tavo::skin
