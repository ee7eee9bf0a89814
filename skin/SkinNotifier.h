// TSkinNotifier: the list of forms the skin data tells about skin changes.
// A form registers a receiver under its identity; a broadcast reaches the
// skin data's owner form first, then every other form in the order they
// registered. The Win32 side registers windows here and turns each call
// into a synchronous window message. Portable.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace tavo::skin {

class TSkinData;

// Handles one skin message before returning (the broadcast is synchronous).
using TSkinMessageReceiver = std::function<void(uint32_t message, TSkinData& data)>;

class TSkinNotifier {
 public:
  // The application's list, used by every skin data unless told otherwise.
  static TSkinNotifier& Default();

  // Returns an id for Unregister. form is the identity a skin data's owner
  // is compared with.
  int Register(const void* form, TSkinMessageReceiver receiver);
  void Unregister(int id);
  size_t Count() const { return entries_.size(); }

  // Sends to the owner form's receiver first, then to the others in
  // registration order. Receivers may register or unregister while it runs:
  // one removed before its turn is skipped, one added is not called.
  void Broadcast(uint32_t message, TSkinData& data, const void* ownerForm);

 private:
  struct TEntry {
    int id;
    const void* form;
    TSkinMessageReceiver receiver;
  };
  const TEntry* Find(int id) const;

  std::vector<TEntry> entries_;
  int nextId_ = 1;
};

}  // namespace tavo::skin
