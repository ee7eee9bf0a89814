// The message pump the program hands to the platform.
#include "platform/MessagePump.h"

#include <functional>
#include <utility>

#include "platform/Ui.h"

namespace tavo::platform {
namespace {

std::function<void()>& Pump() {
  static std::function<void()> pump;
  return pump;
}

}  // namespace

void SetMessagePump(std::function<void()> pump) { Pump() = std::move(pump); }

bool RunMessagePump() {
  // A copy: the pump may set another one while it runs.
  const std::function<void()> pump = Pump();
  if (!pump) return false;
  pump();
  return true;
}

}  // namespace tavo::platform
