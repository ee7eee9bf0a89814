// What every skinned control does, over either toolkit base: the windowless
// TGraphicControl or the windowed TCustomControl.
//
// TSkinControlBase finds its section in a skin data component at every paint
// and draws either from the skin or plainly, through one composed picture
// that covers its whole rectangle. TSkinCustomControlBase adds the default
// font and size, the skin picture with its resize mode and the placed
// geometry. Both templates are instantiated for the two bases only (in
// SkinControlBase.cpp); the controls themselves are in GraphicSkinControl.h
// and SkinControl.h.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "skin/Bitmap.h"
#include "skin/SkinControlGeometry.h"
#include "skin/SkinData.h"
#include "skin/win32/SkinControlLink.h"
#include "ui/Control.h"
#include "ui/WinControl.h"

namespace tavo::skin {

template <class Base>
class TSkinControlBase : public Base {
 public:
  // parent is what the toolkit base takes: a reference for a windowless
  // control, a pointer for a windowed one.
  template <class Parent>
  explicit TSkinControlBase(Parent&& parent)
      : Base(std::forward<Parent>(parent)),
        link_(this->ParentForm(), TSkinControlLink::TReactions{[this] { DropSkin(); }, [this] { RefreshSkin(); },
                                                                [this] {
                                                                  DropSkin();
                                                                  this->Invalidate();
                                                                }}) {}
  ~TSkinControlBase() override;

  // Finds the section: the index of SkinDataName among the skin data's
  // controls when a loaded skin is set, else -1.
  virtual void LookupSkin();
  TSkinData* SkinData() const { return link_.Data(); }
  // Not owned; forgotten when the skin data is destroyed. With a loaded
  // skin the control refreshes at once.
  virtual void SetSkinData(TSkinData* data);
  // Draw the control's whole image into bitmap, which has the control's
  // size and holds the parent's pixels under the control. The base draws
  // nothing.
  virtual void DrawPlainImage(TBitmap& bitmap);
  virtual void DrawSkinImage(TBitmap& bitmap);
  // After a skin was loaded.
  virtual void RefreshSkin();
  // Before a skin is cleared: nothing borrowed from it may be kept.
  virtual void DropSkin();

  const std::string& SkinDataName() const { return skinDataName_; }
  // Only stores the name: every paint looks the section up again.
  virtual void SetSkinDataName(const std::string& name) { skinDataName_ = name; }
  int SkinIndex() const { return skinIndex_; }

  void Paint(HDC dc) override;

 protected:
  // The section found by the last LookupSkin; null when none.
  TDataSkinControl* SkinSection() const;

  int skinIndex_ = -1;

 private:
  std::string skinDataName_;
  TSkinControlLink link_;
};

// Base is a TSkinControlBase instantiation or a control derived from one.
template <class Base>
class TSkinCustomControlBase : public Base {
 public:
  template <class Parent>
  explicit TSkinCustomControlBase(Parent&& parent) : Base(std::forward<Parent>(parent)) {
    defaultFont_.Name = "Arial";
    defaultFont_.Height = 14;
  }

  const ui::TFont& DefaultFont() const { return defaultFont_; }
  void SetDefaultFont(const ui::TFont& font);
  int DefaultWidth() const { return defaultWidth_; }
  int DefaultHeight() const { return defaultHeight_; }
  // Stored; applied at once when no section is found and the value is
  // above 0.
  void SetDefaultWidth(int width);
  void SetDefaultHeight(int height);
  // Take name, height and style of the font from the section.
  bool UseSkinFont = true;

  const TSkinControlGeometry& Geometry() const { return geometry_; }
  TSkinResizeMode ResizeMode() const { return geometry_.Mode; }
  // The section's picture; null when it has none.
  const TBitmap* SkinPicture() const { return skinPicture_; }

  void LookupSkin() override;
  void DrawPlainImage(TBitmap& bitmap) override;
  void DrawSkinImage(TBitmap& bitmap) override;
  void RefreshSkin() override;
  void DropSkin() override;

  // Called after every change of DefaultFont; repaints when no section is
  // in use.
  virtual void DefaultFontChanged();
  // Adjusts a requested size to the resize mode and places the geometry.
  virtual void FitSkinSize(int& width, int& height);
  // Called whenever the section or the size may have changed the control's
  // shape; a control with a window of its own shapes it here.
  virtual void UpdateSkinRegion() {}

  // A size change with a section goes through FitSkinSize first.
  void SetBounds(int left, int top, int width, int height) override;

 protected:
  TSkinControlGeometry geometry_;
  const TBitmap* skinPicture_ = nullptr;

 private:
  ui::TFont defaultFont_;
  int defaultWidth_ = 0;
  int defaultHeight_ = 0;
};

extern template class TSkinControlBase<ui::TGraphicControl>;
extern template class TSkinControlBase<ui::TCustomControl>;

}  // namespace tavo::skin
