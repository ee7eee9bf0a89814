// TSkinControlLink: a skinned control's hold on its skin data. It keeps the
// reference, forgets it when the skin data is destroyed, and hears the skin
// data's change messages through the skin notifier, so that a control drops
// what it borrowed before a skin is cleared and refreshes after one is
// loaded. Win32 side of the skinned controls (no window calls here).
#pragma once

#include <cstdint>
#include <functional>

#include "skin/SkinComponent.h"
#include "skin/SkinData.h"
#include "skin/SkinNotifier.h"

namespace tavo::skin {

class TSkinControlLink : private TSkinComponent {
 public:
  struct TReactions {
    std::function<void()> DropSkin;         // before the skin data is cleared
    std::function<void()> RefreshSkin;      // after it was loaded
    std::function<void()> DataDestroyed;    // the reference is gone already
  };
  // form is the identity the notifier orders receivers by (the control's
  // form); it may be null.
  TSkinControlLink(const void* form, TReactions reactions, TSkinNotifier& notifier = TSkinNotifier::Default());
  ~TSkinControlLink() override;

  TSkinData* Data() const { return data_; }
  void SetData(TSkinData* data);

 private:
  void Notification(TSkinComponent* removed) override;
  void Receive(uint32_t message, TSkinData& data);

  TReactions reactions_;
  TSkinNotifier& notifier_;
  int id_ = 0;
  TSkinData* data_ = nullptr;
};

}  // namespace tavo::skin
