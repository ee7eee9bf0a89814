// Window-message timers: Interval in milliseconds, Enabled, OnTimer. Ticks
// arrive through the message loop of the user-interface thread.
#pragma once

#include <cstdint>

#include "ui/Component.h"

namespace tavo::ui {

class TTimer : public TComponent {
 public:
  TTimer();
  ~TTimer() override;

  unsigned Interval() const { return interval_; }
  // Changing the interval of a running timer starts its period anew.
  void SetInterval(unsigned interval);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  TNotifyEvent OnTimer;

 protected:
  // One tick: raises OnTimer.
  virtual void Timer();

 private:
  friend struct TTimerWindow;
  void Update();

  unsigned interval_ = 1000;
  bool enabled_ = true;
  uintptr_t id_ = 0;
};

}  // namespace tavo::ui
