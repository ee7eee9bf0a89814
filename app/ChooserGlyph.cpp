// Loading and transparent drawing of the chooser's glyphs.
#include "app/ChooserGlyph.h"

#include "core/Exception.h"
#include "ui/UiException.h"

namespace tavo::app {

TChooserGlyph::TChooserGlyph(const char* name)
    : bitmap_(static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0,
                                              LR_CREATEDIBSECTION))) {
  if (!bitmap_) throw ui::EResNotFound(Format("Resource %s not found", name));
  BITMAP info{};
  GetObjectA(bitmap_.get(), sizeof info, &info);
  width_ = info.bmWidth;
  height_ = info.bmHeight;
  ui::THMemDC dc(CreateCompatibleDC(nullptr));
  ui::TSelect select(dc.get(), bitmap_.get());
  transparent_ = GetPixel(dc.get(), 0, height_ - 1);
}

void TChooserGlyph::Draw(HDC dc, int x, int y) const {
  ui::THMemDC source(CreateCompatibleDC(dc));
  ui::TSelect select(source.get(), bitmap_.get());
  TransparentBlt(dc, x, y, width_, height_, source.get(), 0, 0, width_, height_, transparent_);
}

}  // namespace tavo::app
