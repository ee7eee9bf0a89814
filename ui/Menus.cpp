// The toolkit's menu components.
#include "ui/Menus.h"

namespace tavo::ui {

void TPopupMenu::Popup(int, int) { DoPopup(); }

}  // namespace tavo::ui
