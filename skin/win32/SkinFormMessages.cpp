// The skinned frame's window procedure: the rows for painting, sizing,
// activation, translucency and the skin messages. Everything it leaves
// alone goes to the form's previous window procedure ("default"). Nothing
// thrown by painting leaves a paint message.
#include "skin/SkinFormat.h"
#include "skin/win32/SkinBroadcast.h"
#include "skin/win32/SkinForm.h"
#include "ui/Application.h"

namespace tavo::skin {

namespace {

constexpr UINT_PTR kFadeTimer = 1;

// Runs a paint step; a failure is swallowed here, because the system asks
// for the same paint again at once and an error box would follow each.
template <class F>
void PaintSafely(F&& paint) noexcept {
  try {
    paint();
  } catch (...) {
  }
}

}  // namespace

void TSkinForm::FrameWndProc(ui::TMessage& m) {
  if (MdiFrameMessage(m)) return;
  if (HandleInputMessage(m)) return;
  if (IsSkinMessage(m.Msg)) {
    HandleSkinMessage(m);
    return;
  }
  switch (m.Msg) {
    case WM_DESTROY:
      EnableMouseTracking(false);
      morphTimer_->Stop();
      animationTimer_->Stop();
      break;
    case WM_SIZE:
      HandleSize(m);
      return;
    case WM_ACTIVATE:
      Default(m);
      RequestNcPaint();
      ResetHoverStates(objects_);
      SetCaptionActive(objects_, *this, true);
      return;
    case WM_NCACTIVATE:
      // No default: the system would paint its own caption over ours.
      m.Result = 1;
      if (BorderNone()) {
        SetCaptionActive(objects_, *this, false);
      } else {
        RequestNcPaint();
        SetCaptionActive(objects_, *this, true);
      }
      return;
    case WM_SETTEXT:
      Default(m);
      if (!BorderNone()) RequestNcPaint();
      return;
    case WM_ERASEBKGND:
      PaintSafely([&] { EraseBackground(reinterpret_cast<HDC>(m.WParam)); });
      m.Result = 1;
      return;
    case WM_SHOWWINDOW:
      HandleShowWindow(m);
      break;
    case WM_GETMINMAXINFO:
      WriteMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(m.LParam));
      break;
    case WM_NCCALCSIZE:
      if (BorderNone()) break;
      CalcClientRect(m);
      return;
    case WM_NCPAINT:
      // A hidden window shows nothing: its first paint comes when shown.
      if (!BorderNone() && IsWindowVisible(m.Wnd)) PaintSafely([&] { Skinned() ? PaintSkinnedFrame() : PaintPlainFrame(); });
      m.Result = 0;
      return;
    case WM_SYNCPAINT:
      if (RolledUp()) {
        RequestNcPaint();
        m.Result = 0;
        return;
      }
      break;
    case WM_TIMER:
      if (m.WParam == kFadeTimer && (alphaBlend_ || AlphaBlendAnimation)) HandleFadeTimer();
      break;
    default:
      break;
  }
  Default(m);
}

void TSkinForm::HandleSkinMessage(ui::TMessage& m) {
  TSkinData* data = SkinDataOfMessage(m.WParam);
  if (data && data == skinData_) {
    if (m.Msg == MsgSkinChanging) {
      // Nothing may draw from a skin that is being cleared. The skinned
      // controls drop their own borrowed pictures through their link.
      mode_ = TFrameMode::fmPlain;
      EnableMouseTracking(false);
      FreeObjects();
    } else if (m.Msg == MsgSkinChanged) {
      ApplySkin();
    }
  }
  if (m.Msg == MsgResStringsChanged) RefreshObjectHints();
  Default(m);
}

void TSkinForm::HandleSize(ui::TMessage& m) {
  if (FullDragLoop()) {
    // WM_SIZING re-lays the frame while a full-window drag sizes it. A
    // multi-document form shows its logo on the client window, which
    // repaints itself when sized.
    if (!logo_.Empty() && Wnd() && !IsMdiForm()) InvalidateRect(Wnd(), nullptr, TRUE);
    Default(m);
    return;
  }
  Default(m);
  frameSize_ = TPoint{form_.Width(), form_.Height()};
  if (!Skinned()) {
    RequestNcPaint();
  } else {
    const TPoint minimum = MinimumFrameSize(SizeLimits());
    if (frameSize_.x >= minimum.x && frameSize_.y >= minimum.y) {
      LayOut();
      if (!BuildWindowRegion()) RequestNcPaint();
    }
  }
  if (alphaBlend_ && alphaBlendValue_ != 255 && Wnd()) {
    RequestNcPaint();
    InvalidateRect(Wnd(), nullptr, TRUE);
  }
  if (!logo_.Empty() && Wnd() && !IsMdiForm()) InvalidateRect(Wnd(), nullptr, TRUE);
}

void TSkinForm::HandleShowWindow(ui::TMessage& m) {
  if (m.WParam) {
    if (alphaBlend_ || AlphaBlendAnimation) {
      if (layered_.CanUse && layered_.CanUse()) {
        SetLayered(true);
        SetAlpha(0);
        if (Wnd()) SetTimer(Wnd(), kFadeTimer, 1, nullptr);
      }
    }
  } else if (alphaBlend_) {
    SetLayered(false);
  }
  // A multi-document form goes through a resize when its client window is
  // taken over (SkinFormMdi.cpp), not on every show.
  if (m.WParam && !IsMdiForm()) SizeThroughSkin();
}

void TSkinForm::SizeThroughSkin() {
  const TPoint minimum = MinimumFrameSize(SizeLimits());
  for (const TPoint& step : ApplySkinSizeSteps(TPoint{form_.Width(), form_.Height()}, minimum, false, false))
    form_.SetBounds(form_.Left(), form_.Top(), step.x, step.y);
}

void TSkinForm::HandleFadeTimer() {
  if (Wnd()) KillTimer(Wnd(), kFadeTimer);
  if (!layered_.CanUse || !layered_.CanUse()) return;
  const int target = alphaBlend_ || !AlphaBlendAnimation ? alphaBlendValue_ : 255;
  if (AlphaBlendAnimation) {
    ui::Application().ProcessMessages();
    for (int alpha = 5;; alpha += 5) {
      SetAlpha(static_cast<uint8_t>(std::min(alpha, target)));
      if (alpha >= target) break;
    }
  } else if (target != 255) {
    SetAlpha(alphaBlendValue_);
  }
  if (target == 255) SetLayered(false);
}

}  // namespace tavo::skin
