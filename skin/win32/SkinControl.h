// The windowed skinned controls: TSkinControl and TSkinCustomControl are the
// skinned control bases (SkinControlBase.h) on the toolkit's custom control,
// and add what a window has: a shape region built from the section's mask
// picture, and no background erase since the paint covers the whole window.
#pragma once

#include "skin/Bitmap.h"
#include "skin/win32/SkinControlBase.h"
#include "ui/WinControl.h"

namespace tavo::skin {

class TSkinControl : public TSkinControlBase<ui::TCustomControl> {
 public:
  explicit TSkinControl(ui::TWinControl* parent) : TSkinControlBase(parent) {}

  // The section's index and its mask picture ("maskpictureindex"), or -1
  // and none without a loaded skin.
  void LookupSkin() override;
  void DropSkin() override;
  const TBitmap* MaskPicture() const { return maskPicture_; }

 protected:
  const TBitmap* maskPicture_ = nullptr;
};

class TSkinCustomControl : public TSkinCustomControlBase<TSkinControl> {
 public:
  explicit TSkinCustomControl(ui::TWinControl* parent) : TSkinCustomControlBase(parent) {}

  // Gives the window the shape of the mask at its size (with a mask and a
  // section), or takes any shape away.
  void UpdateSkinRegion() override;
};

extern template class TSkinCustomControlBase<TSkinControl>;

}  // namespace tavo::skin
