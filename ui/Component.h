// Root of the toolkit's object tree: components with a name and an optional
// owner that tell each other when they are destroyed, so that a reference to
// a component that is gone is dropped instead of used.
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
  // owner, when given, lists this component among its Components() until
  // one of the two is destroyed. Ownership here is a relation to look
  // components up by (a form's frame); the C++ owner still destroys them.
  explicit TComponent(TComponent* owner = nullptr);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  std::string Name;

  TComponent* Owner() const { return owner_; }
  // The components this one owns, in the order they joined.
  const std::vector<TComponent*>& Components() const { return components_; }
  // The first owned component of class T; null when none.
  template <class T>
  T* FindComponent() const {
    for (TComponent* c : components_)
      if (auto* t = dynamic_cast<T*>(c)) return t;
    return nullptr;
  }

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
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
};

// The usual event: the sender only.
using TNotifyEvent = std::function<void(TObject& Sender)>;

}  // namespace tavo::ui
