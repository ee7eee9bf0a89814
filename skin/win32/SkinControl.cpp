// The windowed skinned controls: the mask picture and the window's shape.
#include "skin/win32/SkinControl.h"

#include <optional>

#include "skin/win32/RegionWin32.h"

namespace tavo::skin {

void TSkinControl::LookupSkin() {
  TSkinControlBase::LookupSkin();
  const TDataSkinControl* section = SkinSection();
  maskPicture_ = section != nullptr ? PictureAt(SkinData()->ActivePictures, section->maskpictureindex) : nullptr;
}

void TSkinControl::DropSkin() {
  TSkinControlBase::DropSkin();
  maskPicture_ = nullptr;
}

void TSkinCustomControl::UpdateSkinRegion() {
  if (!HandleAllocated()) return;
  std::optional<TRegion> shape;
  if (skinIndex_ != -1 && maskPicture_ != nullptr) shape = geometry_.MaskRegion(*maskPicture_, Width(), Height());
  win32::SetWindowRegion(Handle(), shape ? win32::CreateRegion(*shape) : ui::THRgn(), true);
}

}  // namespace tavo::skin
