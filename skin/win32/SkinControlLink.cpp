// The skinned controls' link to their skin data and its messages.
#include "skin/win32/SkinControlLink.h"

#include "skin/SkinFormat.h"
#include "skin/win32/SkinBroadcast.h"

namespace tavo::skin {

TSkinControlLink::TSkinControlLink(const void* form, TReactions reactions, TSkinNotifier& notifier)
    : reactions_(std::move(reactions)), notifier_(notifier) {
  // The forms join the application's notifier before the first control
  // does: a load then reaches each form's window (and its frame) before
  // the form's controls refresh themselves.
  if (&notifier_ == &TSkinNotifier::Default()) DeliverSkinMessagesToForms();
  id_ = notifier_.Register(form, [this](uint32_t message, TSkinData& data) { Receive(message, data); });
}

TSkinControlLink::~TSkinControlLink() {
  notifier_.Unregister(id_);
  SetData(nullptr);
}

void TSkinControlLink::SetData(TSkinData* data) {
  if (data == data_) return;
  if (data_ != nullptr) RemoveFreeNotification(data_);
  data_ = data;
  if (data_ != nullptr) FreeNotification(data_);
}

void TSkinControlLink::Notification(TSkinComponent* removed) {
  if (removed != data_) return;
  data_ = nullptr;
  if (reactions_.DataDestroyed) reactions_.DataDestroyed();
}

void TSkinControlLink::Receive(uint32_t message, TSkinData& data) {
  // Only the skin data this control draws from concerns it; 1227 and the
  // resource-string message need nothing from a control.
  if (&data != data_) return;
  if (message == MsgSkinChanging) {
    if (reactions_.DropSkin) reactions_.DropSkin();
  } else if (message == MsgSkinChanged) {
    if (reactions_.RefreshSkin) reactions_.RefreshSkin();
  }
}

}  // namespace tavo::skin
