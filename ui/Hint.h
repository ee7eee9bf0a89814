// The application's hint machinery, as little of it as a replaceable hint
// window needs: the pauses, the show-hint switch, the hint window class
// that makes the one hint window, and the show-hint event that may change
// or cancel a hint before it is shown.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "core/Rect.h"

namespace tavo::ui {

class TControl;

// A hint window: a top-level popup that never takes the focus.
class THintWindow {
 public:
  virtual ~THintWindow() = default;
  // Shows text with the window's top-left at rect's top-left; the window
  // takes the size its text needs.
  virtual void ActivateHint(const TRect& rect, const std::string& text) = 0;
  // Hides the window.
  virtual void ReleaseHint() = 0;
  virtual HWND Handle() const = 0;
};

// What the application knows about a hint it is about to show.
struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint CursorPos;
  int HintMaxWidth = 0;
};

// Text, may-show flag and hint information, all changeable by the handler.
using TShowHintEvent = std::function<void(std::string& hintStr, bool& canShow, THintInfo& hintInfo)>;
using THintWindowClass = std::function<std::unique_ptr<THintWindow>()>;

class TApplicationHints {
 public:
  // Milliseconds: the wait before a hint shows, how long it stays, and the
  // wait when moving from one hint to the next.
  unsigned HintPause = 500;
  unsigned HintHidePause = 2500;
  unsigned HintShortPause = 50;

  // Switching hints on makes the hint window from HintWindowClass (none
  // when no class is set); switching them off destroys it.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show);
  THintWindowClass HintWindowClass;
  TShowHintEvent OnShowHint;

  THintWindow* HintWindow() const { return window_.get(); }

  // Shows text for control at the cursor: OnShowHint may change the text
  // or cancel; an empty text shows nothing. True when a hint is shown.
  bool ActivateHint(TPoint cursor, const std::string& text, TControl* control = nullptr);
  // Hides the hint window.
  void CancelHint();

 private:
  bool showHint_ = true;
  std::unique_ptr<THintWindow> window_;
};

// The application's hints.
TApplicationHints& Hints();

}  // namespace tavo::ui
