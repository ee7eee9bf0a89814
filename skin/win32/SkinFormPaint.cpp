// The skinned frame's painting: the non-client area composed off-screen and
// put on the window DC one piece at a time with the client excluded, the
// plain frame, the window region from the mask, single objects redrawn on
// the window, the client background, the client rectangle and the size
// limits. Painting never throws: a failure inside WM_NCPAINT would repeat
// with every paint.
#include <windows.h>  // before the frame headers: see SkinFormText.h

#include <algorithm>

#include "skin/FrameBackground.h"
#include "skin/FrameObjectItems.h"
#include "skin/FramePainter.h"
#include "skin/FramePlain.h"
#include "skin/FrameRegion.h"
#include "skin/Geometry.h"
#include "skin/win32/DibSection.h"
#include "skin/win32/Monitor.h"
#include "skin/win32/RegionWin32.h"
#include "skin/win32/SkinForm.h"
#include "skin/win32/SkinControlText.h"
#include "ui/Application.h"

namespace tavo::skin {

namespace {

// The whole window's DC, released on every path.
class TWindowDc {
 public:
  explicit TWindowDc(HWND wnd) : wnd_(wnd), dc_(wnd ? GetWindowDC(wnd) : nullptr) {}
  ~TWindowDc() {
    if (dc_) ReleaseDC(wnd_, dc_);
  }
  TWindowDc(const TWindowDc&) = delete;
  TWindowDc& operator=(const TWindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

bool IsEmptyRect(const TRect& r) { return RectWidth(r) < 1 || RectHeight(r) < 1; }

void Exclude(HDC dc, const TRect& r) {
  if (!IsEmptyRect(r)) ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
}

TFrameSystemColors SystemColors() {
  TFrameSystemColors c;
  c.BtnFace = GetSysColor(COLOR_BTNFACE);
  c.BtnHighlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  c.BtnShadow = GetSysColor(COLOR_BTNSHADOW);
  c.Light3D = GetSysColor(COLOR_3DLIGHT);
  c.DkShadow3D = GetSysColor(COLOR_3DDKSHADOW);
  c.BtnText = GetSysColor(COLOR_BTNTEXT);
  c.AppWorkSpace = GetSysColor(COLOR_APPWORKSPACE);
  return c;
}

}  // namespace

TBitmap TSkinForm::ComposeWindow(const TBitmap& background) {
  TakeFrameSize();
  const int fw = frameSize_.x, fh = frameSize_.y;
  if (Skinned()) {
    LayOut();
    TSkinnedFrameInput input;
    input.Skin = skinData_;
    input.FrameWidth = fw;
    input.FrameHeight = fh;
    input.Minimum = MinimumFrameSize(SizeLimits());
    input.FormActive = FormActive();
    return PaintComposedFrame(ComposeSkinnedFrame(input, PaintedObjectsOf(objects_)), background);
  }
  if (objects_.empty()) CreateDefaultButtons();
  plainCaptionRect_ = PlainLayout(objects_, fw, ToolWindow(), IconSize());
  TPlainFrameInput input;
  input.FrameWidth = fw;
  input.FrameHeight = fh;
  input.ToolWindow = ToolWindow();
  input.Caption = CaptionText();
  const ui::TFont& font = FormActive() ? defCaptionFont_ : defInActiveCaptionFont_;
  input.Font = ButtonFontOf(font);
  if (skinData_ && skinData_->ResourceStrData()) input.Font.Charset = skinData_->ResourceStrData()->CharSet;
  input.FontColor = ui::ColorToRGB(font.Color);
  input.Colors = SystemColors();
  input.CaptionRect = plainCaptionRect_;
  return skin::PaintPlainFrame(input, text_, PaintedObjectsOf(objects_), background);
}

void TSkinForm::PaintSkinnedFrame() {
  TakeFrameSize();
  TSkinnedFrameInput input;
  input.Skin = skinData_;
  input.FrameWidth = frameSize_.x;
  input.FrameHeight = frameSize_.y;
  input.Minimum = MinimumFrameSize(SizeLimits());
  input.FormActive = FormActive();
  if (frameSize_.x < input.Minimum.x || frameSize_.y < input.Minimum.y) return;
  LayOut();
  const TComposedFrame frame = ComposeSkinnedFrame(input, PaintedObjectsOf(objects_));
  if (!frame.Painted) return;
  TWindowDc dc(Wnd());
  if (!dc.get()) return;
  Exclude(dc.get(), frame.ExcludedClient);
  // Each piece reaches the screen in one copy.
  win32::DrawBitmap(dc.get(), frame.TopAt.x, frame.TopAt.y, frame.Pieces.Top);
  win32::DrawBitmap(dc.get(), frame.LeftAt.x, frame.LeftAt.y, frame.Pieces.Left);
  win32::DrawBitmap(dc.get(), frame.RightAt.x, frame.RightAt.y, frame.Pieces.Right);
  win32::DrawBitmap(dc.get(), frame.BottomAt.x, frame.BottomAt.y, frame.Pieces.Bottom);
}

void TSkinForm::PaintPlainFrame() {
  TakeFrameSize();
  const int fw = frameSize_.x, fh = frameSize_.y;
  if (fw <= 0 || fh <= 0) return;
  const int h = PlainCaptionHeight(ToolWindow());
  // The client part of the picture is never shown: it is excluded below.
  const TBitmap window = ComposeWindow(TBitmap(fw, fh));
  TWindowDc dc(Wnd());
  if (!dc.get()) return;
  Exclude(dc.get(), TRect{kPlainBorder, h + kPlainBorder, fw - kPlainBorder, fh - kPlainBorder});
  win32::DrawBitmap(dc.get(), 0, 0, window);
}

void TSkinForm::RedrawObject(TActiveSkinObject& object) {
  // A maximized child has no frame on the screen to draw into.
  if (BorderNone() || (IsMdiChild() && mdiMaximized_) || !Wnd() || IsEmptyRect(object.ObjectRect)) return;
  TWindowDc dc(Wnd());
  if (!dc.get()) return;
  // The object draws over what the window shows at its place, so a
  // transparent part keeps the frame behind it.
  const TRect at = object.ObjectRect;
  TBitmap canvas = win32::CaptureDC(dc.get(), at);
  if (canvas.Empty()) return;
  object.ObjectRect = TRect{0, 0, RectWidth(at), RectHeight(at)};
  object.Draw(canvas, true);
  object.ObjectRect = at;
  win32::DrawBitmap(dc.get(), at.left, at.top, canvas);
}

void TSkinForm::RemoveRegion() {
  if (!regionSet_) return;
  if (Wnd()) win32::SetWindowRegion(Wnd(), ui::THRgn(), true);
  regionSet_ = false;
}

bool TSkinForm::BuildWindowRegion() {
  TFrameRegionInput input;
  input.BorderNone = BorderNone();
  input.MaximizedMdiChild = IsMdiChild() && mdiMaximized_;
  input.Skin = skinData_;
  input.FrameWidth = frameSize_.x;
  input.FrameHeight = frameSize_.y;
  TFrameWindowRegion region = skin::BuildWindowRegion(input);
  if (region.Strips == TStripChange::scClear) maskStrips_ = TMaskPieces{};
  if (region.Strips == TStripChange::scReplace) maskStrips_ = std::move(region.MaskStrips);
  if (region.Region == TRegionChange::rcRemove) {
    RemoveRegion();
    return false;
  }
  if (!Wnd()) return false;
  regionSet_ = win32::SetWindowRegion(Wnd(), win32::CreateRegion(region.Shape), true);
  return regionSet_;
}

TBitmap TSkinForm::ComposeClientBackground() {
  TClientBackgroundInput input;
  input.Skin = Skinned() ? skinData_ : nullptr;
  input.PlainColor = GetSysColor(COLOR_BTNFACE);
  input.Logo = &logo_;
  input.LogoTransparent = LogoBitMapTransparent;
  return PaintClientBackground(input, form_.ClientWidth(), form_.ClientHeight());
}

void TSkinForm::EraseBackground(HDC dc) {
  const TBitmap background = ComposeClientBackground();
  if (!background.Empty()) win32::DrawBitmap(dc, 0, 0, background);
}

void TSkinForm::CalcClientRect(ui::TMessage& m) {
  auto* r = reinterpret_cast<RECT*>(m.LParam);  // the first rectangle either way
  const TRect window{r->left, r->top, r->right, r->bottom};
  const TRect client =
      Skinned() ? SkinnedClientRect(window, FrameSkinGeometryOf(*skinData_)) : PlainClientRect(window, ToolWindow());
  *r = RECT{client.left, client.top, client.right, client.bottom};
  m.Result = 0;
}

void TSkinForm::WriteMinMaxInfo(MINMAXINFO& info) const {
  const TFrameSizeLimits limits = SizeLimits();
  const TPoint minimum = MinimumFrameSize(limits);
  const TPoint maximum =
      MaximumFrameSize(limits, win32::GetMonitorWorkArea(Wnd(), true), win32::GetMonitorWorkArea(Wnd(), false));
  info.ptMinTrackSize = POINT{minimum.x, minimum.y};
  info.ptMaxTrackSize = POINT{maximum.x, maximum.y};
}

HICON TSkinForm::SmallIcon() {
  if (smallIcon_) return smallIcon_;
  HICON source = form_.Icon();
  if (!source) source = ui::Application().Icon();
  HICON system = nullptr;
  if (!source) source = system = LoadIconA(nullptr, IDI_APPLICATION);
  int w = GetSystemMetrics(SM_CXSMICON), h = GetSystemMetrics(SM_CYSMICON);
  if (w == 0 || h == 0) {
    w = GetSystemMetrics(SM_CXSIZE);
    h = GetSystemMetrics(SM_CYSIZE);
  }
  smallIcon_ = static_cast<HICON>(CopyImage(source, IMAGE_ICON, w, h, LR_COPYFROMRESOURCE));
  if (system) DestroyIcon(system);
  return smallIcon_;
}

void TSkinForm::DrawFormIcon(TBitmap& canvas, int x, int y) {
  HICON icon = SmallIcon();
  if (!icon || canvas.Empty()) return;
  const ui::THBitmap section = win32::CreateDibSection(canvas);
  ui::THMemDC dc(CreateCompatibleDC(nullptr));
  if (!section || !dc) return;
  ui::TSelect select(dc.get(), section.get());
  DrawIconEx(dc.get(), x, y, icon, 0, 0, 0, nullptr, DI_NORMAL);
  TBitmap drawn = win32::CaptureDC(dc.get(), TRect{0, 0, canvas.Width(), canvas.Height()});
  if (!drawn.Empty()) canvas = std::move(drawn);
}

}  // namespace tavo::skin
