// The window-message timer behind TControlTimer.
#include "skin/win32/SkinControlTimer.h"

#include "ui/Timer.h"

namespace tavo::skin {

namespace {

class TWindowTimer : public TControlTimer {
 public:
  TWindowTimer() {
    timer_.SetEnabled(false);
    timer_.OnTimer = [this](ui::TObject&) {
      if (OnTick) OnTick();
    };
  }
  void Start(unsigned intervalMs) override {
    timer_.SetEnabled(false);
    timer_.SetInterval(intervalMs);
    timer_.SetEnabled(true);
  }
  void Stop() override { timer_.SetEnabled(false); }
  bool Running() const override { return timer_.Enabled(); }

 private:
  ui::TTimer timer_;
};

}  // namespace

std::unique_ptr<TControlTimer> NewWindowTimer() { return std::make_unique<TWindowTimer>(); }

}  // namespace tavo::skin
