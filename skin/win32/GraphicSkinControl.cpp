// The windowless skinned control base.
#include "skin/win32/GraphicSkinControl.h"

#include "skin/PixelCopy.h"
#include "skin/win32/DibSection.h"
#include "ui/Form.h"
#include "ui/WinControl.h"

namespace tavo::skin {

TGraphicSkinControl::TGraphicSkinControl(ui::TWinControl& parent)
    : ui::TGraphicControl(parent),
      link_(ParentForm(), TSkinControlLink::TReactions{[this] { DropSkin(); }, [this] { RefreshSkin(); },
                                                        [this] {
                                                          DropSkin();
                                                          Invalidate();
                                                        }}) {}

TGraphicSkinControl::~TGraphicSkinControl() = default;

void TGraphicSkinControl::LookupSkin() {
  TSkinData* data = SkinData();
  skinIndex_ = data != nullptr && !data->IsEmpty ? data->GetControlIndex(skinDataName_) : -1;
}

TDataSkinControl* TGraphicSkinControl::SkinSection() const {
  const TSkinData* data = SkinData();
  if (skinIndex_ < 0 || data == nullptr || static_cast<size_t>(skinIndex_) >= data->SkinControls.size()) return nullptr;
  return data->SkinControls[static_cast<size_t>(skinIndex_)].get();
}

void TGraphicSkinControl::SetSkinData(TSkinData* data) {
  link_.SetData(data);
  if (data != nullptr && !data->IsEmpty) RefreshSkin();
}

void TGraphicSkinControl::DrawPlainImage(TBitmap&) {}
void TGraphicSkinControl::DrawSkinImage(TBitmap&) {}

void TGraphicSkinControl::RefreshSkin() {
  LookupSkin();
  Invalidate();
}

void TGraphicSkinControl::DropSkin() { skinIndex_ = -1; }

void TGraphicSkinControl::Paint(HDC dc) {
  if (Width() <= 0 || Height() <= 0) return;
  LookupSkin();
  // Start from what the parent drew, so a control that leaves pixels alone
  // shows its background there.
  TBitmap bitmap = win32::CaptureDC(dc, TRect{0, 0, Width(), Height()});
  if (bitmap.Empty()) bitmap = NewPicture(Width(), Height());
  if (skinIndex_ == -1)
    DrawPlainImage(bitmap);
  else
    DrawSkinImage(bitmap);
  win32::DrawBitmap(dc, 0, 0, bitmap);
}

TGraphicSkinCustomControl::TGraphicSkinCustomControl(ui::TWinControl& parent) : TGraphicSkinControl(parent) {
  defaultFont_.Name = "Arial";
  defaultFont_.Height = 14;
}

void TGraphicSkinCustomControl::SetDefaultFont(const ui::TFont& font) {
  defaultFont_ = font;
  DefaultFontChanged();
}

void TGraphicSkinCustomControl::DefaultFontChanged() {
  if (skinIndex_ == -1) Invalidate();
}

void TGraphicSkinCustomControl::SetDefaultWidth(int width) {
  defaultWidth_ = width;
  if (skinIndex_ == -1 && width > 0) SetWidth(width);
}

void TGraphicSkinCustomControl::SetDefaultHeight(int height) {
  defaultHeight_ = height;
  if (skinIndex_ == -1 && height > 0) SetHeight(height);
}

void TGraphicSkinCustomControl::LookupSkin() {
  TGraphicSkinControl::LookupSkin();
  const auto* section = dynamic_cast<const TDataSkinCustomControl*>(SkinSection());
  if (section != nullptr) {
    geometry_.Assign(*section);
    // Keep the placement of the current size.
    int w = Width(), h = Height();
    geometry_.Fit(w, h);
    skinPicture_ = PictureAt(SkinData()->ActivePictures, section->pictureindex);
  } else {
    geometry_.Mode = TSkinResizeMode::Plain;
    skinPicture_ = nullptr;
  }
}

void TGraphicSkinCustomControl::DrawPlainImage(TBitmap& bitmap) {
  FillRect(bitmap, TRect{0, 0, Width(), Height()}, ui::ColorToRGB(ui::clBtnFace));
}

void TGraphicSkinCustomControl::DrawSkinImage(TBitmap& bitmap) {
  if (skinPicture_ == nullptr) return;
  TBitmap picture;
  geometry_.Draw(picture, geometry_.SkinRect, *skinPicture_, Width(), Height());
  if (!picture.Empty()) CopyRect(bitmap, TRect{0, 0, picture.Width(), picture.Height()}, picture,
                                 TRect{0, 0, picture.Width(), picture.Height()});
}

void TGraphicSkinCustomControl::RefreshSkin() {
  LookupSkin();
  if (skinIndex_ == -1) {
    if (defaultWidth_ > 0) SetWidth(defaultWidth_);
    if (defaultHeight_ > 0) SetHeight(defaultHeight_);
    Invalidate();
    return;
  }
  int w = Width(), h = Height();
  FitSkinSize(w, h);
  if (w == Width() && h == Height())
    Invalidate();
  else
    ui::TGraphicControl::SetBounds(Left(), Top(), w, h);  // a new size repaints by itself
}

void TGraphicSkinCustomControl::DropSkin() {
  TGraphicSkinControl::DropSkin();
  // The picture belongs to the skin data, which is about to free it.
  skinPicture_ = nullptr;
}

void TGraphicSkinCustomControl::FitSkinSize(int& width, int& height) {
  if (skinIndex_ == -1) return;
  geometry_.Fit(width, height);
}

void TGraphicSkinCustomControl::SetBounds(int left, int top, int width, int height) {
  LookupSkin();
  if ((width != Width() || height != Height()) && skinIndex_ != -1) FitSkinSize(width, height);
  ui::TGraphicControl::SetBounds(left, top, width, height);
}

}  // namespace tavo::skin
