// Loading the window picture.
#include "app/WindowPicture.h"

namespace tavo::app {

std::shared_ptr<const ui::TPicture> WindowPicture() {
  static std::shared_ptr<const ui::TPicture> picture;
  if (!picture) {
    picture = std::make_shared<const ui::TPicture>(
        ui::TPicture::FromJpegResource(GetModuleHandleA(nullptr), kWindowPictureResource));
  }
  return picture;
}

}  // namespace tavo::app
