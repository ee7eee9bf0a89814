// Forms, bitmaps and GDI measurements for the shadow label tests.
#include "LabelTestSupport.h"

#include "ui/Application.h"

namespace tavo::widgets::test {

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

TTestFont::TTestFont(const std::string& face, int height, bool bold)
    : font_(CreateFontA(MulDiv(height, ScreenDpi(), 96), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                        ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                        face.c_str())) {}

TTestFont::~TTestFont() { DeleteObject(font_); }

SIZE MeasureText(HFONT font, const std::string& text, UINT flags) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font);
  RECT r{0, 0, 0, 0};
  DrawTextA(screen, text.c_str(), static_cast<int>(text.size()), &r, flags | DT_CALCRECT);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

TPixels::TPixels(int width, int height, COLORREF fill) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<uint32_t*>(bits);
  dc_ = CreateCompatibleDC(nullptr);
  old_ = SelectObject(dc_, bitmap_);
  const uint32_t value = (GetRValue(fill) << 16) | (GetGValue(fill) << 8) | GetBValue(fill);
  for (int i = 0; i < width * height; ++i) bits_[i] = value;
}

TPixels::~TPixels() {
  SelectObject(dc_, old_);
  DeleteDC(dc_);
  DeleteObject(bitmap_);
}

COLORREF TPixels::At(int x, int y, COLORREF outside) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return outside;
  GdiFlush();
  const uint32_t p = bits_[y * width_ + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

void TPixels::Text(HFONT font, const std::string& text, RECT rect, COLORREF color, UINT flags, const RECT* clip) {
  const int saved = SaveDC(dc_);
  if (clip) {
    IntersectClipRect(dc_, clip->left, clip->top, clip->right, clip->bottom);
    flags |= DT_NOCLIP;
  }
  SelectObject(dc_, font);
  SetBkMode(dc_, TRANSPARENT);
  SetTextColor(dc_, color);
  DrawTextA(dc_, text.c_str(), static_cast<int>(text.size()), &rect, flags);
  RestoreDC(dc_, saved);
}

int TPixels::Count(const RECT& rect, COLORREF color) const {
  int n = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      if (x >= 0 && y >= 0 && x < width_ && y < height_ && At(x, y) == color) ++n;
    }
  }
  return n;
}

void LabelFixture::SetUpTestSuite() { ui::Application().Initialize(); }

void LabelFixture::SetUp() {
  ui::TFormLayout layout;
  layout.Caption = "ShadowLabelTest";
  layout.ClientWidth = kFormWidth;
  layout.ClientHeight = kFormHeight;
  layout.BorderStyle = ui::TBorderStyle::bsNone;
  layout.Position = ui::TPosition::poDesigned;
  layout.Left = kFormLeft;
  layout.Top = kFormTop;
  form_ = std::make_unique<ui::TForm>(layout);
  panel_ = std::make_unique<ui::TPanel>(*form_);
  panel_->SetBevelOuter(ui::TBevelCut::bvNone);
  panel_->SetBounds(0, 0, kFormWidth, kFormHeight);
  panel_->SetColor(kPanelColor);
}

void LabelFixture::TearDown() {
  panel_.reset();
  form_.reset();
}

ui::TFont LabelFixture::SplashFont() {
  ui::TFont font;
  font.Name = kSongTi;
  font.Height = -27;
  font.Style.Bold = true;
  font.Color = ui::clRed;
  font.Charset = ANSI_CHARSET;
  return font;
}

std::unique_ptr<TPixels> LabelFixture::PaintPanel() const {
  auto pixels = std::make_unique<TPixels>(panel_->Width(), panel_->Height(), kPanelColor);
  panel_->PaintControls(pixels->Dc(), RECT{0, 0, panel_->Width(), panel_->Height()});
  return pixels;
}

}  // namespace tavo::widgets::test
