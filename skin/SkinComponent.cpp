// Free notification between skin components.
#include "skin/SkinComponent.h"

#include <algorithm>

namespace tavo::skin {

TSkinComponent::~TSkinComponent() {
  // Take the list first: Notification may unlink.
  std::vector<TSkinComponent*> linked;
  linked.swap(linked_);
  for (TSkinComponent* other : linked) {
    std::erase(other->linked_, this);
    other->Notification(this);
  }
}

void TSkinComponent::FreeNotification(TSkinComponent* other) {
  if (other == nullptr || other == this) return;
  if (std::find(linked_.begin(), linked_.end(), other) != linked_.end()) return;
  linked_.push_back(other);
  other->linked_.push_back(this);
}

void TSkinComponent::RemoveFreeNotification(TSkinComponent* other) {
  if (other == nullptr) return;
  std::erase(linked_, other);
  std::erase(other->linked_, this);
}

}  // namespace tavo::skin
