// Root of the toolkit's object tree: components with a name that tell each
// other when they are destroyed, so that a reference to a component that is
// gone is dropped instead of used.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tavo::ui {

class TObject {
 public:
  virtual ~TObject() = default;
};

enum class TOperation { opInsert, opRemove };

class TComponent : public TObject {
 public:
  TComponent() = default;
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  std::string Name;

  // Asks `other` to call Notification(*other, opRemove) on this component
  // when it is destroyed. Both directions are registered, so the link is
  // also undone when this component goes first.
  void FreeNotification(TComponent& other);
  void RemoveFreeNotification(TComponent& other);

 protected:
  // Called on the components that asked for it when `component` is destroyed.
  virtual void Notification(TComponent& component, TOperation operation);

 private:
  void Unlink(TComponent& other);
  std::vector<TComponent*> notified_;
};

// The usual event: the sender only.
using TNotifyEvent = std::function<void(TObject& Sender)>;

}  // namespace tavo::ui
