// The registry of skin message receivers.
#include "skin/SkinNotifier.h"

#include <algorithm>

namespace tavo::skin {

TSkinNotifier& TSkinNotifier::Default() {
  static TSkinNotifier notifier;
  return notifier;
}

int TSkinNotifier::Register(const void* form, TSkinMessageReceiver receiver) {
  const int id = nextId_++;
  entries_.push_back(TEntry{id, form, std::move(receiver)});
  return id;
}

void TSkinNotifier::Unregister(int id) {
  std::erase_if(entries_, [id](const TEntry& e) { return e.id == id; });
}

const TSkinNotifier::TEntry* TSkinNotifier::Find(int id) const {
  for (const TEntry& e : entries_)
    if (e.id == id) return &e;
  return nullptr;
}

void TSkinNotifier::Broadcast(uint32_t message, TSkinData& data, const void* ownerForm) {
  // Decide the order up front; look each receiver up again before calling
  // it, because an earlier receiver may have unregistered it.
  std::vector<int> order;
  if (ownerForm != nullptr)
    for (const TEntry& e : entries_)
      if (e.form == ownerForm) order.push_back(e.id);
  for (const TEntry& e : entries_)
    if (ownerForm == nullptr || e.form != ownerForm) order.push_back(e.id);
  for (int id : order) {
    const TEntry* entry = Find(id);
    if (entry == nullptr || !entry->receiver) continue;
    TSkinMessageReceiver receiver = entry->receiver;  // the entry may go away during the call
    receiver(message, data);
  }
}

}  // namespace tavo::skin
