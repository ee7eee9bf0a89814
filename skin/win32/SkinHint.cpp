// TSkinHint: the hint component — the application's hint window class,
// the one active component of the main form, and the frame's
// caption-button hints after the hint pause and for the hide pause.
#include "skin/win32/SkinHint.h"

#include "ui/Application.h"
#include "ui/Form.h"

namespace tavo::skin {

namespace {

// The component the application's show-hint event is pointed at.
TSkinHint* showHintTarget = nullptr;

}  // namespace

TSkinHint::TSkinHint(ui::TComponent* owner, TControlTimerFactory timers, TLayeredWindowApi layered, bool designing)
    : ui::TComponent(owner),
      timers_(std::move(timers)),
      layered_(std::move(layered)),
      designing_(designing),
      window_(std::make_unique<TSkinHintWindow>()) {
  if (designing_) return;
  ui::TApplicationHints& hints = ui::Hints();
  hints.HintWindowClass = [] { return std::make_unique<TSkinHintWindow>(); };
  // Off and on again: the application makes its hint window anew, now
  // from the skinned class.
  hints.SetShowHint(false);
  hints.SetShowHint(true);
  hints.OnShowHint = [](std::string& text, bool& canShow, ui::THintInfo& info) {
    if (showHintTarget && showHintTarget->OnShowHint) showHintTarget->OnShowHint(text, canShow, info);
  };
  showHintTarget = this;
  hints.HintShortPause = 100;
}

TSkinHint::~TSkinHint() {
  timer_.reset();
  retired_.reset();
  if (showHintTarget == this) showHintTarget = nullptr;
  if (skinData_) TSkinComponent::RemoveFreeNotification(skinData_);
}

void TSkinHint::Notification(TSkinComponent* removed) {
  if (removed == skinData_) skinData_ = nullptr;
}

void TSkinHint::SetSkinData(TSkinData* data) {
  if (skinData_ == data) return;
  if (skinData_) TSkinComponent::RemoveFreeNotification(skinData_);
  skinData_ = data;
  if (data) TSkinComponent::FreeNotification(data);
}

TSkinHint* TSkinHint::Find() {
  ui::TForm* main = ui::Application().MainForm();
  if (!main) return nullptr;
  for (ui::TComponent* c : main->Components())
    if (auto* hint = dynamic_cast<TSkinHint*>(c); hint && hint->Active()) return hint;
  return nullptr;
}

void TSkinHint::SetActive(bool active) {
  active_ = active;
  if (!active) return;
  if (ui::TForm* main = ui::Application().MainForm())
    for (ui::TComponent* c : main->Components())
      if (auto* other = dynamic_cast<TSkinHint*>(c); other && other != this) other->active_ = false;
  if (!designing_) showHintTarget = this;
}

void TSkinHint::ShowHintText(const std::string& text) {
  retired_.reset();
  timer_.reset();
  pending_ = text;
  timer_ = timers_();
  timerShows_ = true;
  timer_->OnTick = [this] {
    if (timerShows_) {
      ShowPending();
    } else {
      HideHintText();
    }
  };
  timer_->Start(ui::Hints().HintPause);
}

void TSkinHint::ShowPending() {
  POINT at{};
  GetCursorPos(&at);
  at.y += CursorDepthBelowHotSpot();
  window_->PresentHint(TRect{at.x, at.y, at.x, at.y}, pending_);
  // The same timer, now counting the time the hint stays.
  timerShows_ = false;
  timer_->Start(ui::Hints().HintHidePause);
}

void TSkinHint::HideHintText() {
  if (timer_) {
    timer_->Stop();
    // The tick that hides may be the one running now, so the timer is
    // freed later (at the next showing or with the component), never from
    // inside its own tick.
    retired_ = std::move(timer_);
  }
  if (window_->Showing()) window_->ReleaseHint();
}

}  // namespace tavo::skin
