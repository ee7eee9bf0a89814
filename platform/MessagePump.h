// The program's message pump as the platform's ProcessMessages sees it (for
// the two implementations of ProcessMessages only).
#pragma once

namespace tavo::platform {

// Runs the pump SetMessagePump set; false when none is set.
bool RunMessagePump();

}  // namespace tavo::platform
