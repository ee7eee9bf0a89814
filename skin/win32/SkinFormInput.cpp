// The frame's input rows: closing menus and hints first, WM_NCHITTEST,
// WM_SETCURSOR, the move and size loop (WM_ENTERSIZEMOVE .. WM_EXITSIZEMOVE,
// WM_MOVING, WM_SIZING), SC_KEYMENU, and the mouse messages routed to the
// objects after their default processing.
#include "skin/win32/SkinFormInput.h"

#include "skin/FrameHitTest.h"
#include "skin/FrameSnap.h"
#include "skin/win32/Monitor.h"
#include "skin/win32/SkinForm.h"
#include "skin/win32/SkinFormStates.h"
#include "skin/win32/SkinHint.h"

namespace tavo::skin {

namespace {

// The messages before which open menus and the object hint close.
bool ClosesMenusFirst(UINT msg) {
  switch (msg) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY:
      return true;
    default:
      return false;
  }
}

bool IsRoutedMouseMessage(UINT msg) {
  switch (msg) {
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      return true;
    default:
      return false;
  }
}

TPoint MessagePoint(LPARAM lParam) { return PointFromMessageParam(static_cast<uint32_t>(lParam)); }

}  // namespace

// --- the form half of the mouse host ----------------------------------------

TSkinFormInput::TSkinFormInput(TSkinForm& frame, TActiveObjectList& objects)
    : TObjectListMouseHost(objects), frame_(frame), mouse_(*this) {}

bool TSkinFormInput::FormActive() const { return frame_.FormActive(); }

TRect TSkinFormInput::ClientRect() const {
  if (frame_.Skinned()) return frame_.placed_.ClientRect;
  const int caption = frame_.ToolWindow() ? 15 : 19;
  return TRect{3, caption + 3, frame_.form_.Width() - 3, frame_.form_.Height() - 3};
}

TPoint TSkinFormInput::CursorPos() const {
  POINT p{};
  GetCursorPos(&p);
  return frame_.ScreenToFrame(TPoint{p.x, p.y});
}

bool TSkinFormInput::ObjectHintsOn() const { return frame_.ObjectHintsOn(); }

void TSkinFormInput::SetCapture() {
  if (frame_.Wnd()) ::SetCapture(frame_.Wnd());
}

void TSkinFormInput::ReleaseCapture() { ::ReleaseCapture(); }

void TSkinFormInput::ShowHintText(const std::string& text) { frame_.ShowObjectHintText(text); }

void TSkinFormInput::HideHintText() { frame_.HideObjectHintText(); }

void TSkinFormInput::EnableTrackingTimer(bool enabled) {
  // Messages may arrive while the frame is still being built.
  if (!frame_.mouseTimer_) return;
  if (enabled)
    frame_.mouseTimer_->Start(TFrameMouse::kTrackingInterval);
  else
    frame_.mouseTimer_->Stop();
}

// --- TSkinForm: the mouse ------------------------------------------------------

int TSkinForm::ActiveObjectIndex() const { return input_->Mouse().ActiveObject(); }
int TSkinForm::CaptureObjectIndex() const { return input_->Mouse().CaptureObject(); }
bool TSkinForm::SizeMoving() const { return input_->Mouse().InSizeMoveLoop(); }
bool TSkinForm::FullDrag() const { return input_->Mouse().FullDrag(); }
bool TSkinForm::FullDragLoop() const { return input_->Mouse().FullDragLoop(); }
void TSkinForm::EnableMouseTracking(bool enabled) { input_->Mouse().SetTrackingTimer(enabled); }
void TSkinForm::ResetMouseIndexes() { input_->Mouse().ResetIndexes(); }
void TSkinForm::TrackHover(TPoint p, bool inFrame) { input_->Mouse().TrackHover(p, inFrame); }
void TSkinForm::PressObject(TSkinMouseButton button, TPoint p) { input_->Mouse().PressObject(button, p); }
void TSkinForm::ReleaseObject(TSkinMouseButton button, TPoint p) { input_->Mouse().ReleaseObject(button, p); }

bool TSkinForm::HandleInputMessage(ui::TMessage& m) {
  if (ClosesMenusFirst(m.Msg)) CloseMenusAndHints();
  TFrameMouse& mouse = input_->Mouse();
  switch (m.Msg) {
    case WM_NCHITTEST: {
      const TPoint p = ScreenToFrame(MessagePoint(m.LParam));
      const int code = HitTest(p);
      m.Result = code;
      mouse.HitTested(code, p);
      return true;
    }
    case WM_SETCURSOR:
      if (UseFormCursorInNCArea) {
        const int code = CursorHitCode(static_cast<int16_t>(LOWORD(m.LParam)), true);
        m.LParam = MAKELPARAM(static_cast<WORD>(code), HIWORD(m.LParam));
      }
      Default(m);
      return true;
    case WM_MOVING:
      HandleMoving(m);
      return true;
    case WM_SIZING:
      HandleSizing(m);
      return true;
    case WM_ENTERSIZEMOVE: {
      BOOL fullDrag = FALSE;
      SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &fullDrag, 0);
      mouse.EnterSizeMove(fullDrag != FALSE);
      Default(m);
      return true;
    }
    case WM_EXITSIZEMOVE:
      mouse.ExitSizeMove();
      if (Skinned()) RequestNcPaint();
      Default(m);
      return true;
    case WM_SYSCOMMAND:
      if ((m.WParam & 0xFFF0) != SC_KEYMENU) return false;
      KeyMenu();
      m.Result = 0;
      return true;
    default:
      break;
  }
  if (!IsRoutedMouseMessage(m.Msg)) return false;
  if (m.Msg == WM_NCLBUTTONDOWN) mouse.BeforeNcLButtonDown();
  Default(m);
  RouteMouseAfterDefault(m);
  return true;
}

void TSkinForm::RouteMouseAfterDefault(ui::TMessage& m) {
  TFrameMouse& mouse = input_->Mouse();
  const int hitCode = static_cast<int>(m.WParam);
  // The point as the message gave it; the window may have moved meanwhile.
  const TPoint p = ScreenToFrame(MessagePoint(m.LParam));
  TNcMouseAction action = TNcMouseAction::naNone;
  switch (m.Msg) {
    case WM_NCMOUSEMOVE: mouse.NcMouseMove(p); break;
    case WM_NCLBUTTONDOWN: action = mouse.NcButtonDown(TSkinMouseButton::mbLeft, hitCode, p); break;
    case WM_NCRBUTTONDOWN: action = mouse.NcButtonDown(TSkinMouseButton::mbRight, hitCode, p); break;
    case WM_NCLBUTTONUP: mouse.NcButtonUp(TSkinMouseButton::mbLeft, p); break;
    case WM_NCRBUTTONUP: mouse.NcButtonUp(TSkinMouseButton::mbRight, p); break;
    case WM_NCLBUTTONDBLCLK: action = mouse.NcButtonDblClick(TSkinMouseButton::mbLeft, hitCode, p); break;
    case WM_NCRBUTTONDBLCLK: action = mouse.NcButtonDblClick(TSkinMouseButton::mbRight, hitCode, p); break;
    case WM_LBUTTONUP: mouse.ButtonUp(TSkinMouseButton::mbLeft); break;
    case WM_RBUTTONUP: mouse.ButtonUp(TSkinMouseButton::mbRight); break;
    default: break;
  }
  if (action == TNcMouseAction::naCaptionDoubleClick) {
    const ui::TBorderStyle style = form_.BorderStyle();
    const bool sizeable = style == ui::TBorderStyle::bsSizeable || style == ui::TBorderStyle::bsSizeToolWin;
    SyncWindowStateOptions();
    if (IsMdiChild())
      MdiCaptionDoubleClick(sizeable);
    else
      states_->State().CaptionDoubleClick(sizeable);
  } else if (action == TNcMouseAction::naShowSystemMenu) {
    POINT cursor{};
    GetCursorPos(&cursor);
    ShowSystemMenuAt(TPoint{cursor.x, cursor.y});
  }
}

void TSkinForm::HandleMoving(ui::TMessage& m) {
  auto* proposed = reinterpret_cast<RECT*>(m.LParam);
  if (proposed) {
    TMovingInput in;
    in.Proposed = TRect{proposed->left, proposed->top, proposed->right, proposed->bottom};
    in.CurrentBounds = TRect{form_.Left(), form_.Top(), form_.Left() + form_.Width(), form_.Top() + form_.Height()};
    // A child maximized in its parent shows no frame to drag by; it is not
    // held here.
    in.Maximized = WindowState() == TWindowState::wsMaximized && !IsMdiChild();
    in.Magnetic = Magnetic;
    in.MagneticSize = MagneticSize;
    if (Magnetic && Wnd()) in.WorkArea = IsMdiChild() ? MdiSnapArea() : win32::GetMonitorWorkArea(Wnd(), true);
    const TRect r = MovingRect(in);
    *proposed = RECT{r.left, r.top, r.right, r.bottom};
  }
  Default(m);
}

void TSkinForm::HandleSizing(ui::TMessage& m) {
  Default(m);
  const auto* proposed = reinterpret_cast<const RECT*>(m.LParam);
  if (!FullDragLoop() || !proposed) return;
  frameSize_ = TPoint{proposed->right - proposed->left, proposed->bottom - proposed->top};
  if (!Skinned()) return;
  const TPoint minimum = MinimumFrameSize(SizeLimits());
  if (form_.Width() >= minimum.x && form_.Height() >= minimum.y) {
    LayOut();
    if (!BuildWindowRegion()) RequestNcPaint();
  }
}

// --- seams the menu engine and the hint component fill ---------------------------

void TSkinForm::CloseMenusAndHints() {
  if (ObjectHintsOn()) HideObjectHintText();
  CloseMenus();
  if (IsMdiForm()) CloseActiveChildMenus();
}

// The objects' hints go through the frame's hint component, which waits
// the application's hint pause before it shows one and the hide pause
// before it takes it away.
bool TSkinForm::ObjectHintsOn() const { return ShowObjectHint && skinHint_; }

void TSkinForm::ShowObjectHintText(const std::string& text) {
  if (skinHint_) skinHint_->ShowHintText(text);
}

void TSkinForm::HideObjectHintText() {
  if (skinHint_) skinHint_->HideHintText();
}

// SC_KEYMENU (Alt pressed and released alone) never reaches the default
// handling, which would run the native menu loop. In main-menu mode it
// leaves that mode; otherwise an open skinned menu closes (all of it: menu
// mode alone ending would leave popups on the screen that no key reaches)
// and the main menu bar, when there is one, starts keyboard selection.
void TSkinForm::KeyMenu() {
  if (MainMenuBar && MainMenuBar->MainMenuMode()) {
    MainMenuBar->LeaveMainMenuMode();
    return;
  }
  CloseMenus();
  if (MainMenuBar) MainMenuBar->StartKeyboardSelection();
}

}  // namespace tavo::skin
