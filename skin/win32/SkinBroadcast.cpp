// Sending the skin notifications to windows, and to every form.
#include "skin/win32/SkinBroadcast.h"

#include <algorithm>

#include "skin/SkinFormat.h"
#include "ui/Form.h"
#include "ui/Screen.h"

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

TSkinFormDelivery::TSkinFormDelivery(TSkinNotifier& notifier) : notifier_(notifier) {
  for (ui::TForm* form : ui::Screen().Forms()) Add(*form);
  listener_ = ui::Screen().AddFormListener([this](ui::TForm& form, ui::TFormEvent event) {
    if (event == ui::TFormEvent::feCreated) {
      Add(form);
    } else {
      Remove(form);
    }
  });
}

TSkinFormDelivery::~TSkinFormDelivery() { ui::Screen().RemoveFormListener(listener_); }

bool TSkinFormDelivery::Delivers(const ui::TForm& form) const {
  return std::any_of(links_.begin(), links_.end(), [&](const auto& l) { return l.first == &form; });
}

void TSkinFormDelivery::Add(ui::TForm& form) {
  if (Delivers(form)) return;
  // The identity is the form object, as skin data owners and controls give it.
  auto window = [&form]() -> HWND { return form.HandleAllocated() ? form.Handle() : nullptr; };
  links_.emplace_back(&form, std::make_unique<TSkinWindowLink>(static_cast<const void*>(&form), window, notifier_));
}

void TSkinFormDelivery::Remove(ui::TForm& form) {
  std::erase_if(links_, [&](const auto& l) { return l.first == &form; });
}

void DeliverSkinMessagesToForms() {
  // Made after the default notifier and the screen registry (both are asked
  // for while it is made), so it goes before them at the program's end.
  static TSkinFormDelivery delivery(TSkinNotifier::Default());
}

}  // namespace tavo::skin
