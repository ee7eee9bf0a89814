// The arrow cursor for the time a question is shown.
#include <windows.h>

#include "platform/Ui.h"

namespace tavo::platform {

TArrowCursor::TArrowCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_ARROW))) {}

TArrowCursor::~TArrowCursor() { SetCursor(static_cast<HCURSOR>(previous_)); }

}  // namespace tavo::platform
