// A POSIX host shows no cursor of ours: nothing to change.
#include "platform/Ui.h"

namespace tavo::platform {

TArrowCursor::TArrowCursor() = default;

TArrowCursor::~TArrowCursor() = default;

}  // namespace tavo::platform
