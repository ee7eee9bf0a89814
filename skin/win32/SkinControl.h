// The windowed skinned controls: TSkinControl and TSkinCustomControl behave
// as the windowless pair (section looked up at every paint, skin or plain
// image, default font and size, resize modes) and add what a window has: a
// shape region built from the section's mask picture, and no background
// erase since the paint covers the whole window. Win32 side, on the
// toolkit's custom control.
#pragma once

#include <string>

#include "skin/Bitmap.h"
#include "skin/SkinControlGeometry.h"
#include "skin/SkinData.h"
#include "skin/win32/SkinControlLink.h"
#include "ui/WinControl.h"

namespace tavo::skin {

class TSkinControl : public ui::TCustomControl {
 public:
  explicit TSkinControl(ui::TWinControl* parent);
  ~TSkinControl() override;

  // The section's index, the mask picture ("maskpictureindex"), or -1 and
  // none without a loaded skin.
  virtual void LookupSkin();
  const std::string& SkinDataName() const { return skinDataName_; }
  virtual void SetSkinDataName(const std::string& name) { skinDataName_ = name; }
  TSkinData* SkinData() const { return link_.Data(); }
  virtual void SetSkinData(TSkinData* data);
  virtual void DrawPlainImage(TBitmap& bitmap);
  virtual void DrawSkinImage(TBitmap& bitmap);
  virtual void RefreshSkin();
  virtual void DropSkin();

  int SkinIndex() const { return skinIndex_; }
  const TBitmap* MaskPicture() const { return maskPicture_; }

 protected:
  void Paint(HDC dc) override;
  TDataSkinControl* SkinSection() const;

  int skinIndex_ = -1;
  const TBitmap* maskPicture_ = nullptr;

 private:
  std::string skinDataName_;
  TSkinControlLink link_;
};

class TSkinCustomControl : public TSkinControl {
 public:
  explicit TSkinCustomControl(ui::TWinControl* parent);

  const ui::TFont& DefaultFont() const { return defaultFont_; }
  void SetDefaultFont(const ui::TFont& font);
  int DefaultWidth() const { return defaultWidth_; }
  int DefaultHeight() const { return defaultHeight_; }
  void SetDefaultWidth(int width);
  void SetDefaultHeight(int height);
  bool UseSkinFont = true;

  const TSkinControlGeometry& Geometry() const { return geometry_; }
  const TBitmap* SkinPicture() const { return skinPicture_; }

  void LookupSkin() override;
  void DrawPlainImage(TBitmap& bitmap) override;
  void DrawSkinImage(TBitmap& bitmap) override;
  void RefreshSkin() override;
  void DropSkin() override;

  virtual void DefaultFontChanged();
  virtual void FitSkinSize(int& width, int& height);
  // Gives the window the shape of the mask at its size (with a mask and a
  // section), or takes any shape away.
  virtual void UpdateSkinRegion();

  void SetBounds(int left, int top, int width, int height) override;

 protected:
  TSkinControlGeometry geometry_;
  const TBitmap* skinPicture_ = nullptr;

 private:
  ui::TFont defaultFont_;
  int defaultWidth_ = 0;
  int defaultHeight_ = 0;
};

}  // namespace tavo::skin
