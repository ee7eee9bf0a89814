// The application's hint settings and its one hint window.
#include "ui/Hint.h"

namespace tavo::ui {

TApplicationHints& Hints() {
  static TApplicationHints hints;
  return hints;
}

void TApplicationHints::SetShowHint(bool show) {
  if (show == showHint_) return;
  showHint_ = show;
  window_.reset();
  if (show && HintWindowClass) window_ = HintWindowClass();
}

bool TApplicationHints::ActivateHint(TPoint cursor, const std::string& text, TControl* control) {
  if (!showHint_ || !window_) return false;
  std::string hint = text;
  bool canShow = true;
  THintInfo info{control, cursor, 0};
  if (OnShowHint) OnShowHint(hint, canShow, info);
  if (!canShow || hint.empty()) return false;
  window_->ActivateHint(TRect{info.CursorPos.x, info.CursorPos.y, info.CursorPos.x, info.CursorPos.y}, hint);
  return true;
}

void TApplicationHints::CancelHint() {
  if (window_) window_->ReleaseHint();
}

}  // namespace tavo::ui
