// TSkinComponent: the least of a component the skin engine's data side
// needs: components that refer to each other are told when the other is
// destroyed, so that no reference outlives what it points to. Portable.
#pragma once

#include <vector>

namespace tavo::skin {

class TSkinComponent {
 public:
  TSkinComponent() = default;
  TSkinComponent(const TSkinComponent&) = delete;
  TSkinComponent& operator=(const TSkinComponent&) = delete;
  // Tells every linked component that this one is going away.
  virtual ~TSkinComponent();

  // Links the two components: whichever is destroyed first tells the other
  // through Notification.
  void FreeNotification(TSkinComponent* other);
  void RemoveFreeNotification(TSkinComponent* other);

 protected:
  // Called when a linked component is being destroyed.
  virtual void Notification(TSkinComponent* removed) { (void)removed; }

 private:
  std::vector<TSkinComponent*> linked_;
};

}  // namespace tavo::skin
