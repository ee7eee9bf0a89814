// The windowless skinned controls: TGraphicSkinControl and
// TGraphicSkinCustomControl are the skinned control bases (SkinControlBase.h)
// on the toolkit's windowless control. They paint over the parent's pixels
// and have no shape of their own.
#pragma once

#include "skin/win32/SkinControlBase.h"
#include "ui/Control.h"

namespace tavo::skin {

class TGraphicSkinControl : public TSkinControlBase<ui::TGraphicControl> {
 public:
  explicit TGraphicSkinControl(ui::TWinControl& parent) : TSkinControlBase(parent) {}
};

class TGraphicSkinCustomControl : public TSkinCustomControlBase<TGraphicSkinControl> {
 public:
  explicit TGraphicSkinCustomControl(ui::TWinControl& parent) : TSkinCustomControlBase(parent) {}
};

extern template class TSkinCustomControlBase<TGraphicSkinControl>;

}  // namespace tavo::skin
