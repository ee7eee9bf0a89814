// Sending the skin notifications to windows.
#include "skin/win32/SkinBroadcast.h"

#include "skin/SkinFormat.h"

namespace tavo::skin {

TSkinWindowLink::TSkinWindowLink(const void* form, std::function<HWND()> window, TSkinNotifier& notifier)
    : notifier_(notifier),
      id_(notifier.Register(form, [window = std::move(window)](uint32_t message, TSkinData& data) {
        // SendMessage, not PostMessage: a window must have dropped its
        // borrowed pictures before the skin data clears them.
        if (HWND handle = window ? window() : nullptr)
          SendMessageA(handle, message, reinterpret_cast<WPARAM>(&data), static_cast<LPARAM>(kSkinMessageParam));
      })) {}

TSkinWindowLink::TSkinWindowLink(HWND window, TSkinNotifier& notifier)
    : TSkinWindowLink(window, [window] { return window; }, notifier) {}

TSkinWindowLink::~TSkinWindowLink() { notifier_.Unregister(id_); }

}  // namespace tavo::skin
