// The windowed skinned control base.
#include "skin/win32/SkinControl.h"

#include "skin/PixelCopy.h"
#include "skin/win32/DibSection.h"
#include "skin/win32/RegionWin32.h"

namespace tavo::skin {

TSkinControl::TSkinControl(ui::TWinControl* parent)
    : ui::TCustomControl(parent),
      link_(ParentForm(), TSkinControlLink::TReactions{[this] { DropSkin(); }, [this] { RefreshSkin(); },
                                                        [this] {
                                                          DropSkin();
                                                          Invalidate();
                                                        }}) {}

TSkinControl::~TSkinControl() = default;

void TSkinControl::LookupSkin() {
  TSkinData* data = SkinData();
  skinIndex_ = data != nullptr && !data->IsEmpty ? data->GetControlIndex(skinDataName_) : -1;
  const TDataSkinControl* section = SkinSection();
  maskPicture_ = section != nullptr ? PictureAt(data->ActivePictures, section->maskpictureindex) : nullptr;
}

TDataSkinControl* TSkinControl::SkinSection() const {
  const TSkinData* data = SkinData();
  if (skinIndex_ < 0 || data == nullptr || static_cast<size_t>(skinIndex_) >= data->SkinControls.size()) return nullptr;
  return data->SkinControls[static_cast<size_t>(skinIndex_)].get();
}

void TSkinControl::SetSkinData(TSkinData* data) {
  link_.SetData(data);
  if (data != nullptr && !data->IsEmpty) RefreshSkin();
}

void TSkinControl::DrawPlainImage(TBitmap&) {}
void TSkinControl::DrawSkinImage(TBitmap&) {}

void TSkinControl::RefreshSkin() {
  LookupSkin();
  Invalidate();
}

void TSkinControl::DropSkin() {
  skinIndex_ = -1;
  maskPicture_ = nullptr;
}

void TSkinControl::Paint(HDC dc) {
  if (Width() <= 0 || Height() <= 0) return;
  LookupSkin();
  TBitmap bitmap = win32::CaptureDC(dc, TRect{0, 0, Width(), Height()});
  if (bitmap.Empty()) bitmap = NewPicture(Width(), Height());
  if (skinIndex_ == -1)
    DrawPlainImage(bitmap);
  else
    DrawSkinImage(bitmap);
  win32::DrawBitmap(dc, 0, 0, bitmap);
}

TSkinCustomControl::TSkinCustomControl(ui::TWinControl* parent) : TSkinControl(parent) {
  defaultFont_.Name = "Arial";
  defaultFont_.Height = 14;
}

void TSkinCustomControl::SetDefaultFont(const ui::TFont& font) {
  defaultFont_ = font;
  DefaultFontChanged();
}

void TSkinCustomControl::DefaultFontChanged() {
  if (skinIndex_ == -1) Invalidate();
}

void TSkinCustomControl::SetDefaultWidth(int width) {
  defaultWidth_ = width;
  if (skinIndex_ == -1 && width > 0) SetWidth(width);
}

void TSkinCustomControl::SetDefaultHeight(int height) {
  defaultHeight_ = height;
  if (skinIndex_ == -1 && height > 0) SetHeight(height);
}

void TSkinCustomControl::LookupSkin() {
  TSkinControl::LookupSkin();
  const auto* section = dynamic_cast<const TDataSkinCustomControl*>(SkinSection());
  if (section != nullptr) {
    geometry_.Assign(*section);
    int w = Width(), h = Height();
    geometry_.Fit(w, h);
    skinPicture_ = PictureAt(SkinData()->ActivePictures, section->pictureindex);
  } else {
    geometry_.Mode = TSkinResizeMode::Plain;
    skinPicture_ = nullptr;
  }
}

void TSkinCustomControl::DrawPlainImage(TBitmap& bitmap) {
  FillRect(bitmap, TRect{0, 0, Width(), Height()}, ui::ColorToRGB(ui::clBtnFace));
}

void TSkinCustomControl::DrawSkinImage(TBitmap& bitmap) {
  if (skinPicture_ == nullptr) return;
  TBitmap picture;
  geometry_.Draw(picture, geometry_.SkinRect, *skinPicture_, Width(), Height());
  if (!picture.Empty()) CopyRect(bitmap, TRect{0, 0, picture.Width(), picture.Height()}, picture,
                                 TRect{0, 0, picture.Width(), picture.Height()});
}

void TSkinCustomControl::RefreshSkin() {
  LookupSkin();
  if (skinIndex_ == -1) {
    if (defaultWidth_ > 0) SetWidth(defaultWidth_);
    if (defaultHeight_ > 0) SetHeight(defaultHeight_);
    UpdateSkinRegion();
    Invalidate();
    return;
  }
  int w = Width(), h = Height();
  FitSkinSize(w, h);
  if (w != Width() || h != Height()) ui::TCustomControl::SetBounds(Left(), Top(), w, h);
  UpdateSkinRegion();
  Invalidate();
}

void TSkinCustomControl::DropSkin() {
  TSkinControl::DropSkin();
  skinPicture_ = nullptr;
}

void TSkinCustomControl::FitSkinSize(int& width, int& height) {
  if (skinIndex_ == -1) return;
  geometry_.Fit(width, height);
}

void TSkinCustomControl::UpdateSkinRegion() {
  if (!HandleAllocated()) return;
  std::optional<TRegion> shape;
  if (skinIndex_ != -1 && maskPicture_ != nullptr) shape = geometry_.MaskRegion(*maskPicture_, Width(), Height());
  win32::SetWindowRegion(Handle(), shape ? win32::CreateRegion(*shape) : ui::THRgn(), true);
}

void TSkinCustomControl::SetBounds(int left, int top, int width, int height) {
  LookupSkin();
  const bool resized = width != Width() || height != Height();
  if (resized && skinIndex_ != -1) FitSkinSize(width, height);
  ui::TCustomControl::SetBounds(left, top, width, height);
  if (resized && skinIndex_ != -1) UpdateSkinRegion();
}

}  // namespace tavo::skin
