// The window picture shown on the splash and directory windows: decoded
// once from the executable's resources and shared.
#pragma once

#include <memory>

#include "ui/Picture.h"

namespace tavo::app {

// Name of the RCDATA resource that holds the picture's JPEG bytes.
inline constexpr char kWindowPictureResource[] = "WINDOWPICTURE";

// Raises EResNotFound or EInvalidGraphic when the resource is missing or
// damaged.
std::shared_ptr<const ui::TPicture> WindowPicture();

}  // namespace tavo::app
