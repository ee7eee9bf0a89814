// TSkinHintWindow: the hint's top-level popup window, its measuring with
// GDI, placement, translucency, region, painting, and the cursor depth
// read from the current cursor.
#include "skin/win32/SkinHint.h"

#include "skin/win32/DibSection.h"
#include "skin/win32/Monitor.h"
#include "skin/win32/RegionWin32.h"
#include "skin/win32/SkinControlText.h"
#include "ui/Application.h"

namespace tavo::skin {

namespace {

constexpr char kHintWindowClass[] = "TavoSkinHintWindow";
constexpr UINT kTextFormat = DT_LEFT | DT_TOP | DT_NOPREFIX;
int hintWindowsMade = 0;

// Text with line breaks, measured and written by GDI in the system code page.
class TGdiHintTextPainter : public THintTextPainter {
 public:
  TPoint MeasureText(const std::string& text, const TButtonFont& font) override {
    ui::THMemDC dc(CreateCompatibleDC(nullptr));
    const ui::THFont handle = ui::CreateFontHandle(UiFontOf(font), ui::Application().PixelsPerInch());
    if (!dc || !handle) return {};
    ui::TSelect select(dc.get(), handle.get());
    RECT r{0, 0, 0, 0};
    DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &r, kTextFormat | DT_CALCRECT);
    return TPoint{r.right - r.left, r.bottom - r.top};
  }
  void PaintText(TBitmap& canvas, const TRect& box, const std::string& text, const TButtonFont& font,
                TColor color) override {
    if (text.empty()) return;
    DrawTextOnCanvas(canvas, font, color, ui::Application().PixelsPerInch(), [&](HDC dc) {
      RECT r{box.left, box.top, box.right, box.bottom};
      DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, kTextFormat);
    });
  }
};

LRESULT CALLBACK HintWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TSkinHintWindow*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(wnd, msg, wParam, lParam);
  try {
    return self->HandleMessage(msg, wParam, lParam);
  } catch (...) {
    ui::Application().HandleException(std::current_exception());
    return 0;
  }
}

const TBitmap* ActivePicture(const TSkinData& data, int32_t index) {
  if (index < 0 || static_cast<size_t>(index) >= data.ActivePictures.size()) return nullptr;
  return &data.ActivePictures[static_cast<size_t>(index)];
}

}  // namespace

TSkinHintWindow::TSkinHintWindow() {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &HintWndProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kHintWindowClass;
  // The drop shadow only where the skin's look was made with it.
  if (win32::IsWindowsXP()) wc.style |= CS_DROPSHADOW;
  RegisterClassExA(&wc);
  window_ = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kHintWindowClass, "", WS_POPUP, 0,
                            0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
  if (window_) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ++hintWindowsMade;
  }
}

int TSkinHintWindow::WindowsMade() { return hintWindowsMade; }

TSkinHintWindow::~TSkinHintWindow() {
  if (window_) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

std::optional<THintSkin> TSkinHintWindow::SkinOf(const TSkinHint& hint) const {
  const TSkinData* data = hint.SkinData();
  if (!data || data->IsEmpty || data->HintWindowData.windowpictureindex == -1) return std::nullopt;
  const TDataSkinHintWindow& rec = data->HintWindowData;
  const TBitmap* picture = ActivePicture(*data, rec.windowpictureindex);
  if (!picture || picture->Empty()) return std::nullopt;
  return THintSkin{&rec, picture, ActivePicture(*data, rec.maskpictureindex)};
}

TButtonFont TSkinHintWindow::Font() const {
  const TButtonFont def = hint_ ? ButtonFontOf(hint_->DefaultFont()) : TButtonFont{};
  std::optional<int> charset;
  if (hint_ && hint_->SkinData() && hint_->SkinData()->ResourceStrData())
    charset = hint_->SkinData()->ResourceStrData()->CharSet;
  return HintFont(def, skin_ ? skin_->Record : nullptr, hint_ && hint_->UseSkinFont, charset);
}

THintMeasure TSkinHintWindow::MeasureHint(const std::string& text) {
  TGdiHintTextPainter painter;
  measure_ = skin::MeasureHint(painter.MeasureText(text, Font()), skin_ ? &*skin_ : nullptr);
  return measure_;
}

void TSkinHintWindow::PresentHint(const TRect& rect, const std::string& text) {
  hint_ = TSkinHint::Find();
  if (!hint_ || !window_) return;
  skin_ = SkinOf(*hint_);
  text_ = text;
  const THintMeasure m = MeasureHint(text);
  const TRect r = PlaceHint(rect, m.Width, m.Height, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  SetWindowPos(window_, nullptr, 0, 0, m.Width, m.Height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  const TLayeredWindowApi& layered = hint_->Layered();
  if (layered.CanUse && layered.CanUse()) {
    const LONG_PTR ex = GetWindowLongPtrA(window_, GWL_EXSTYLE);
    if (hint_->AlphaBlend && !lastAlphaBlend_) SetWindowLongPtrA(window_, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    if (!hint_->AlphaBlend && lastAlphaBlend_) SetWindowLongPtrA(window_, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
    lastAlphaBlend_ = hint_->AlphaBlend;
    if (hint_->AlphaBlend && hint_->AlphaBlendValue != lastAlpha_) {
      if (layered.SetAlpha) layered.SetAlpha(window_, hint_->AlphaBlendValue);
      lastAlpha_ = hint_->AlphaBlendValue;
    }
  }

  // The shape is set without a redraw: the showing below paints it whole.
  std::optional<TRegion> shape = skin_ ? HintRegion(m, *skin_) : std::nullopt;
  if (shape) {
    regionSet_ = win32::SetWindowRegion(window_, win32::CreateRegion(*shape), false);
  } else if (regionSet_) {
    SetWindowRgn(window_, nullptr, FALSE);
    regionSet_ = false;
  }
  SetWindowPos(window_, HWND_TOPMOST, r.left, r.top, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
  InvalidateRect(window_, nullptr, FALSE);
  visible_ = true;
}

void TSkinHintWindow::ReleaseHint() {
  if (!window_) return;
  SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
  visible_ = false;
}

TBitmap TSkinHintWindow::Compose() {
  TGdiHintTextPainter painter;
  THintColors colors{GetSysColor(COLOR_INFOBK), GetSysColor(COLOR_INFOTEXT), GetSysColor(COLOR_BTNSHADOW)};
  return PaintHint(text_, Font(), skin_ ? &*skin_ : nullptr, painter, colors);
}

void TSkinHintWindow::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  if (dc) win32::DrawBitmap(dc, 0, 0, Compose());
  EndPaint(window_, &ps);
}

LRESULT TSkinHintWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCPAINT:
      return 0;  // no border to draw: the picture covers the window
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel; erasing first would flicker
    case WM_PAINT:
      Paint();
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    default:
      return DefWindowProcA(window_, msg, wParam, lParam);
  }
}

int CursorDepthBelowHotSpot() {
  const int cursorHeight = GetSystemMetrics(SM_CYCURSOR);
  ICONINFO info{};
  HCURSOR cursor = GetCursor();
  if (!cursor || !GetIconInfo(cursor, &info)) return cursorHeight;
  ui::THBitmap mask(info.hbmMask), color(info.hbmColor);  // both deleted on leaving
  BITMAP bm{};
  if (!mask || !GetObjectA(mask.get(), sizeof(bm), &bm) || bm.bmBitsPixel != 1) return cursorHeight;
  TCursorMask m{bm.bmWidth, bm.bmHeight, {}};
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[2];
  } bi{};
  bi.header.biSize = sizeof(bi.header);
  bi.header.biWidth = bm.bmWidth;
  bi.header.biHeight = bm.bmHeight;  // positive: rows come bottom-up
  bi.header.biPlanes = 1;
  bi.header.biBitCount = 1;
  const int stride = ((bm.bmWidth + 31) / 32) * 4;
  m.Bits.resize(static_cast<size_t>(stride) * bm.bmHeight);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, mask.get(), 0, bm.bmHeight, m.Bits.data(),
                             reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != bm.bmHeight) return cursorHeight;
  return skin::CursorDepthBelowHotSpot(cursorHeight, &m, static_cast<int>(info.yHotspot));
}

}  // namespace tavo::skin
