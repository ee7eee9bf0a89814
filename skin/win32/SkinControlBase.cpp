// The skinned control bases, instantiated for the windowless and the
// windowed toolkit base.
#include "skin/win32/SkinControlBase.h"

#include "skin/PixelCopy.h"
#include "skin/win32/DibSection.h"
#include "skin/win32/GraphicSkinControl.h"
#include "skin/win32/SkinControl.h"
#include "ui/Form.h"

namespace tavo::skin {

template <class Base>
TSkinControlBase<Base>::~TSkinControlBase() = default;

template <class Base>
void TSkinControlBase<Base>::LookupSkin() {
  TSkinData* data = SkinData();
  skinIndex_ = data != nullptr && !data->IsEmpty ? data->GetControlIndex(skinDataName_) : -1;
}

template <class Base>
TDataSkinControl* TSkinControlBase<Base>::SkinSection() const {
  const TSkinData* data = SkinData();
  if (skinIndex_ < 0 || data == nullptr || static_cast<size_t>(skinIndex_) >= data->SkinControls.size()) return nullptr;
  return data->SkinControls[static_cast<size_t>(skinIndex_)].get();
}

template <class Base>
void TSkinControlBase<Base>::SetSkinData(TSkinData* data) {
  link_.SetData(data);
  if (data != nullptr && !data->IsEmpty) RefreshSkin();
}

template <class Base>
void TSkinControlBase<Base>::DrawPlainImage(TBitmap&) {}

template <class Base>
void TSkinControlBase<Base>::DrawSkinImage(TBitmap&) {}

template <class Base>
void TSkinControlBase<Base>::RefreshSkin() {
  LookupSkin();
  this->Invalidate();
}

template <class Base>
void TSkinControlBase<Base>::DropSkin() {
  skinIndex_ = -1;
}

template <class Base>
void TSkinControlBase<Base>::Paint(HDC dc) {
  const int width = this->Width(), height = this->Height();
  if (width <= 0 || height <= 0) return;
  LookupSkin();
  // Start from what the parent drew, so a control that leaves pixels alone
  // shows its background there.
  TBitmap bitmap = win32::CaptureDC(dc, TRect{0, 0, width, height});
  if (bitmap.Empty()) bitmap = NewPicture(width, height);
  if (skinIndex_ == -1)
    DrawPlainImage(bitmap);
  else
    DrawSkinImage(bitmap);
  win32::DrawBitmap(dc, 0, 0, bitmap);
}

template <class Base>
void TSkinCustomControlBase<Base>::SetDefaultFont(const ui::TFont& font) {
  defaultFont_ = font;
  DefaultFontChanged();
}

template <class Base>
void TSkinCustomControlBase<Base>::DefaultFontChanged() {
  if (this->skinIndex_ == -1) this->Invalidate();
}

template <class Base>
void TSkinCustomControlBase<Base>::SetDefaultWidth(int width) {
  defaultWidth_ = width;
  if (this->skinIndex_ == -1 && width > 0) this->SetWidth(width);
}

template <class Base>
void TSkinCustomControlBase<Base>::SetDefaultHeight(int height) {
  defaultHeight_ = height;
  if (this->skinIndex_ == -1 && height > 0) this->SetHeight(height);
}

template <class Base>
void TSkinCustomControlBase<Base>::LookupSkin() {
  Base::LookupSkin();
  const auto* section = dynamic_cast<const TDataSkinCustomControl*>(this->SkinSection());
  if (section != nullptr) {
    geometry_.Assign(*section);
    // Keep the placement of the current size.
    int w = this->Width(), h = this->Height();
    geometry_.Fit(w, h);
    skinPicture_ = PictureAt(this->SkinData()->ActivePictures, section->pictureindex);
  } else {
    geometry_.Mode = TSkinResizeMode::Plain;
    skinPicture_ = nullptr;
  }
}

template <class Base>
void TSkinCustomControlBase<Base>::DrawPlainImage(TBitmap& bitmap) {
  FillRect(bitmap, TRect{0, 0, this->Width(), this->Height()}, ui::ColorToRGB(ui::clBtnFace));
}

template <class Base>
void TSkinCustomControlBase<Base>::DrawSkinImage(TBitmap& bitmap) {
  if (skinPicture_ == nullptr) return;
  TBitmap picture;
  geometry_.Draw(picture, geometry_.SkinRect, *skinPicture_, this->Width(), this->Height());
  if (!picture.Empty()) CopyRect(bitmap, TRect{0, 0, picture.Width(), picture.Height()}, picture,
                                 TRect{0, 0, picture.Width(), picture.Height()});
}

template <class Base>
void TSkinCustomControlBase<Base>::RefreshSkin() {
  LookupSkin();
  if (this->skinIndex_ == -1) {
    if (defaultWidth_ > 0) this->SetWidth(defaultWidth_);
    if (defaultHeight_ > 0) this->SetHeight(defaultHeight_);
  } else {
    int w = this->Width(), h = this->Height();
    FitSkinSize(w, h);
    // The toolkit's own SetBounds: the size is fitted already.
    if (w != this->Width() || h != this->Height()) Base::SetBounds(this->Left(), this->Top(), w, h);
  }
  UpdateSkinRegion();
  this->Invalidate();
}

template <class Base>
void TSkinCustomControlBase<Base>::DropSkin() {
  Base::DropSkin();
  // The picture belongs to the skin data, which is about to free it.
  skinPicture_ = nullptr;
}

template <class Base>
void TSkinCustomControlBase<Base>::FitSkinSize(int& width, int& height) {
  if (this->skinIndex_ == -1) return;
  geometry_.Fit(width, height);
}

template <class Base>
void TSkinCustomControlBase<Base>::SetBounds(int left, int top, int width, int height) {
  LookupSkin();
  const bool resized = width != this->Width() || height != this->Height();
  if (resized && this->skinIndex_ != -1) FitSkinSize(width, height);
  Base::SetBounds(left, top, width, height);
  if (resized && this->skinIndex_ != -1) UpdateSkinRegion();
}

template class TSkinControlBase<ui::TGraphicControl>;
template class TSkinControlBase<ui::TCustomControl>;
template class TSkinCustomControlBase<TGraphicSkinControl>;
template class TSkinCustomControlBase<TSkinControl>;

}  // namespace tavo::skin
