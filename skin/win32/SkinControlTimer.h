// TControlTimer: the timers a skinned control starts (morph, repeat) behind
// one small interface, so that tests can drive the ticks themselves instead
// of waiting for window-message timers. Win32 side.
#pragma once

#include <functional>
#include <memory>

namespace tavo::skin {

class TControlTimer {
 public:
  virtual ~TControlTimer() = default;
  // Starts ticking every intervalMs; the first tick comes one interval from
  // now. Starting a running timer starts its period anew.
  virtual void Start(unsigned intervalMs) = 0;
  virtual void Stop() = 0;
  virtual bool Running() const = 0;

  std::function<void()> OnTick;
};

using TControlTimerFactory = std::function<std::unique_ptr<TControlTimer>()>;

// A timer on the toolkit's window-message timers.
std::unique_ptr<TControlTimer> NewWindowTimer();

}  // namespace tavo::skin
