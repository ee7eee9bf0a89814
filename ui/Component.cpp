// Free notification and ownership between components.
#include "ui/Component.h"

#include <algorithm>

namespace tavo::ui {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  if (owner_) std::erase(owner_->components_, this);
  // Owned components that outlive us (members go first, so these were made
  // elsewhere) simply lose their owner.
  for (TComponent* c : components_) c->owner_ = nullptr;
  components_.clear();
  // Tell each linked component once; it unlinks itself from us in turn.
  while (!notified_.empty()) {
    TComponent* other = notified_.back();
    notified_.pop_back();
    other->Unlink(*this);
    other->Notification(*this, TOperation::opRemove);
  }
}

void TComponent::FreeNotification(TComponent& other) {
  if (&other == this) return;
  if (std::find(notified_.begin(), notified_.end(), &other) == notified_.end()) notified_.push_back(&other);
  if (std::find(other.notified_.begin(), other.notified_.end(), this) == other.notified_.end())
    other.notified_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent& other) {
  Unlink(other);
  other.Unlink(*this);
}

void TComponent::Unlink(TComponent& other) {
  notified_.erase(std::remove(notified_.begin(), notified_.end(), &other), notified_.end());
}

void TComponent::Notification(TComponent&, TOperation) {}

}  // namespace tavo::ui
