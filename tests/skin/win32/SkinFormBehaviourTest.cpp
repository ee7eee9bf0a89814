// The skinned frame's behaviour on a borderless Lumen window of 563 x 262
// (the directory window's setting): what WM_NCHITTEST answers while a
// windowed control over the top band keeps its own answer, presses and
// releases on the invisible caption buttons, roll-up by a caption double
// click, minimize to the bottom-left slot, maximize with WM_MOVING held
// back, magnetic snapping, the move loop Wine runs itself, and a skin
// reload at run time.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/FrameHitTest.h"
#include "skin/Geometry.h"
#include "skin/win32/Monitor.h"
#include "skin/win32/SkinForm.h"
#include "tests/skin/button/ButtonTestSupport.h"
#include "tests/skin/win32/SkinFormTestSupport.h"
#include "ui/Edit.h"

namespace tavo::skin {
namespace {

using button_test::TManualClock;
using button_test::TManualTimer;
using frame_test::FrameLayout;
using frame_test::LoadLumen;
using ui::testing_support::PumpUntil;

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ui::testing_support::TUiEnvironment);

// Lumen's objects on the borderless window, in window coordinates.
constexpr POINT kCaptionPoint{300, 25};  // inside the caption object, right of the edit box
constexpr POINT kClosePoint{538, 23};
constexpr POINT kMaximizePoint{509, 23};
constexpr POINT kMinimizePoint{481, 23};
constexpr POINT kClientPoint{300, 100};

void Pump(DWORD ms = 100) {
  PumpUntil([] { return false; }, ms);
}

// A borderless form with Lumen and an edit box over the top band, shown
// and active.
struct TDirectoryLikeForm {
  ui::TForm form{FrameLayout(ui::TBorderStyle::bsNone)};
  ui::TEdit edit{form};
  TManualClock clock;
  TSkinForm frame{&form, clock.Factory()};
  TCompressedStoredSkin stored;
  TSkinData data{&form};
  TDirectoryLikeForm() {
    edit.SetBounds(24, 24, 257, 21);
    frame.SetBorderIcons({TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize,
                          TBorderIcon::biRollUp});
    LoadLumen(data, stored);
    frame.SetSkinData(&data);
    form.Show();
    SetForegroundWindow(form.Handle());
    PumpUntil([this] { return form.Active(); }, 2000);
    Pump(200);
  }
  LPARAM ScreenParam(POINT p) const {
    return MAKELPARAM(static_cast<WORD>(form.Left() + p.x), static_cast<WORD>(form.Top() + p.y));
  }
  int HitTest(POINT p) const {
    return static_cast<int>(SendMessageA(form.Handle(), WM_NCHITTEST, 0, ScreenParam(p)));
  }
  // A left click the way the system delivers it on an object: hit test,
  // the non-client press, then (the mouse being captured) the client
  // release at (-1, -1).
  void ClickObject(POINT p) {
    const int code = HitTest(p);
    SendMessageA(form.Handle(), WM_NCLBUTTONDOWN, code, ScreenParam(p));
    SendMessageA(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(0xFFFF, 0xFFFF));
    Pump();
  }
  RECT Bounds() const {
    RECT r;
    GetWindowRect(form.Handle(), &r);
    return r;
  }
};

TEST(SkinFormBehaviour, HitTestOnTheBorderlessWindowLeavesTheEditBoxItsOwnAnswers) {
  TDirectoryLikeForm f;
  ASSERT_TRUE(f.form.Active());
  ASSERT_EQ(f.form.Width(), 563);
  EXPECT_EQ(f.HitTest(kCaptionPoint), kHtCaption);
  EXPECT_EQ(f.HitTest(kClientPoint), kHtClient);
  EXPECT_EQ(f.frame.ActiveObjectIndex(), -1);

  // Over the close button: HTOBJECT. The tracking timer, running since
  // the skin was applied, follows the cursor on its ticks.
  EXPECT_EQ(f.HitTest(kClosePoint), kHtObject);
  TManualTimer* tracking = f.clock.Running(50);
  ASSERT_NE(tracking, nullptr);
  SetCursorPos(f.form.Left() + kClosePoint.x, f.form.Top() + kClosePoint.y);
  tracking->OnTick();
  const int closeIndex = f.frame.ActiveObjectIndex();
  ASSERT_NE(closeIndex, -1);
  EXPECT_EQ(f.frame.Objects()[closeIndex]->Kind(), TObjectKind::okStdButton);
  SetCursorPos(f.form.Left() + kClientPoint.x, f.form.Top() + kClientPoint.y);
  tracking->OnTick();
  EXPECT_EQ(f.frame.ActiveObjectIndex(), -1);

  // A move loop stops the timer; then an HTOBJECT answer itself makes the
  // object under the point active and starts the timer again.
  SendMessageA(f.form.Handle(), WM_ENTERSIZEMOVE, 0, 0);
  SendMessageA(f.form.Handle(), WM_EXITSIZEMOVE, 0, 0);
  EXPECT_EQ(f.clock.Running(50), nullptr);
  EXPECT_EQ(f.HitTest(kMaximizePoint), kHtObject);
  EXPECT_NE(f.frame.ActiveObjectIndex(), -1);
  EXPECT_NE(f.frame.ActiveObjectIndex(), closeIndex);
  EXPECT_NE(f.clock.Running(50), nullptr);

  // The edit box lies over the band (24..281, 24..45): the screen point
  // belongs to it, and it answers for itself.
  POINT over{f.form.Left() + 100, f.form.Top() + 30};
  EXPECT_EQ(WindowFromPoint(over), f.edit.Handle());
  EXPECT_EQ(SendMessageA(f.edit.Handle(), WM_NCHITTEST, 0, MAKELPARAM(over.x, over.y)), HTCLIENT);
  EXPECT_EQ(f.HitTest(POINT{100, 30}), kHtCaption);  // the form's own answer there
}

TEST(SkinFormBehaviour, CloseButtonCapturesThePressAndClosesOnTheRelease) {
  TDirectoryLikeForm f;
  const int code = f.HitTest(kClosePoint);
  ASSERT_EQ(code, kHtObject);
  SendMessageA(f.form.Handle(), WM_NCLBUTTONDOWN, code, f.ScreenParam(kClosePoint));
  EXPECT_EQ(GetCapture(), f.form.Handle());
  EXPECT_NE(f.frame.CaptureObjectIndex(), -1);
  EXPECT_TRUE(IsWindowVisible(f.form.Handle()));
  SendMessageA(f.form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(0xFFFF, 0xFFFF));
  EXPECT_NE(GetCapture(), f.form.Handle());
  EXPECT_EQ(f.frame.CaptureObjectIndex(), -1);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(f.form.Handle()); }, 2000)) << "the close button did not close";
}

TEST(SkinFormBehaviour, PressOnTheCaptionKeepsNoCaptureObject) {
  TDirectoryLikeForm f;
  ASSERT_EQ(f.HitTest(kCaptionPoint), kHtCaption);
  // A right press on the caption: the caption object takes the press but
  // keeps no capture, and the mouse is not captured. The system's default
  // handling waits for the release, so it is queued first.
  PostMessageA(f.form.Handle(), WM_RBUTTONUP, 0, 0);
  SendMessageA(f.form.Handle(), WM_NCRBUTTONDOWN, HTCAPTION, f.ScreenParam(kCaptionPoint));
  EXPECT_EQ(f.frame.CaptureObjectIndex(), -1);
  EXPECT_NE(GetCapture(), f.form.Handle());
}

TEST(SkinFormBehaviour, CaptionDoubleClickRollsTheBorderlessWindowUpAndDown) {
  TDirectoryLikeForm f;
  int changes = 0;
  f.frame.OnChangeRollUpState = [&](TSkinForm&) { ++changes; };
  SendMessageA(f.form.Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, f.ScreenParam(kCaptionPoint));
  EXPECT_TRUE(f.frame.RolledUp());
  EXPECT_EQ(f.form.Height(), 55);
  EXPECT_EQ(f.form.Width(), 563);
  // Rolled up, the client no longer answers HTCLIENT.
  EXPECT_EQ(f.HitTest(POINT{300, 50}), kHtObject);
  SendMessageA(f.form.Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, f.ScreenParam(kCaptionPoint));
  EXPECT_FALSE(f.frame.RolledUp());
  EXPECT_EQ(f.form.Height(), 262);
  EXPECT_EQ(changes, 2);
}

TEST(SkinFormBehaviour, MinimizeButtonTakesTheBottomLeftSlotAndRestoresTheBounds) {
  TDirectoryLikeForm f;
  const RECT before = f.Bounds();
  const TRect area = win32::GetMonitorWorkArea(f.form.Handle(), true);
  f.ClickObject(kMinimizePoint);
  ASSERT_EQ(f.frame.WindowState(), TWindowState::wsMinimized);
  EXPECT_EQ(f.form.Width(), 277);
  EXPECT_EQ(f.form.Height(), 55);
  EXPECT_EQ(f.form.Left(), area.left);
  EXPECT_EQ(f.form.Top(), area.bottom - 55);

  // A second frame minimized goes right of the first.
  TDirectoryLikeForm second;
  second.frame.ChangeWindowState(TWindowState::wsMinimized);
  EXPECT_EQ(second.form.Left(), area.left + 277);
  EXPECT_EQ(second.form.Top(), area.bottom - 55);

  f.frame.ChangeWindowState(TWindowState::wsNormal);
  const RECT after = f.Bounds();
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.right, before.right);
  EXPECT_EQ(after.bottom, before.bottom);
  EXPECT_TRUE(IsNullRect(f.frame.RestoreBounds()));
}

TEST(SkinFormBehaviour, MaximizedWindowFillsTheWorkAreaAndCannotBeDragged) {
  TDirectoryLikeForm f;
  const RECT before = f.Bounds();
  f.ClickObject(kMaximizePoint);
  ASSERT_EQ(f.frame.WindowState(), TWindowState::wsMaximized);
  const TRect area = win32::GetMonitorWorkArea(f.form.Handle(), true);
  const TRect monitor = win32::GetMonitorWorkArea(f.form.Handle(), false);
  // A work area as large as the one screen loses a pixel on every side.
  const int inset = area == monitor && monitor.left == 0 && monitor.top == 0 ? 1 : 0;
  RECT r = f.Bounds();
  EXPECT_EQ(r.left, area.left + inset);
  EXPECT_EQ(r.top, area.top + inset);
  EXPECT_EQ(r.right, area.right - inset);
  EXPECT_EQ(r.bottom, area.bottom - inset);

  RECT proposed{r.left + 40, r.top + 30, r.right + 40, r.bottom + 30};
  SendMessageA(f.form.Handle(), WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&proposed));
  EXPECT_EQ(proposed.left, r.left);
  EXPECT_EQ(proposed.top, r.top);
  EXPECT_EQ(proposed.right, r.right);
  EXPECT_EQ(proposed.bottom, r.bottom);

  // The maximize button sits further right now; a second press restores.
  f.ClickObject(POINT{f.form.Width() - 563 + kMaximizePoint.x, kMaximizePoint.y});
  EXPECT_EQ(f.frame.WindowState(), TWindowState::wsNormal);
  r = f.Bounds();
  EXPECT_EQ(r.left, before.left);
  EXPECT_EQ(r.top, before.top);
  EXPECT_EQ(r.right, before.right);
  EXPECT_EQ(r.bottom, before.bottom);
}

TEST(SkinFormBehaviour, MagneticSnappingOnlyStrictlyWithinTheDistance) {
  TDirectoryLikeForm f;
  f.frame.Magnetic = true;
  f.frame.MagneticSize = 10;
  const TRect area = win32::GetMonitorWorkArea(f.form.Handle(), true);
  const int w = f.form.Width(), h = f.form.Height();
  auto moving = [&](int left, int top) {
    RECT r{left, top, left + w, top + h};
    SendMessageA(f.form.Handle(), WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&r));
    return r;
  };
  RECT r = moving(area.left + 9, area.top + 200);
  EXPECT_EQ(r.left, area.left);
  EXPECT_EQ(r.right, area.left + w);
  r = moving(area.left + 10, area.top + 200);
  EXPECT_EQ(r.left, area.left + 10);
  r = moving(area.left + 200, area.top - 9);
  EXPECT_EQ(r.top, area.top);
  r = moving(area.right - w - 5, area.bottom - h + 7);
  EXPECT_EQ(r.right, area.right);
  EXPECT_EQ(r.bottom, area.bottom);
  f.frame.Magnetic = false;
  r = moving(area.left + 3, area.top + 200);
  EXPECT_EQ(r.left, area.left + 3);
}

// Wine without a window manager runs its own move loop for a press on
// HTCAPTION: the frame sees the loop begin and end and the press that ran
// it does nothing more.
TEST(SkinFormBehaviour, DragByTheCaptionRunsTheMoveLoop) {
  TDirectoryLikeForm f;
  const RECT before = f.Bounds();
  bool entered = false, exited = false;
  ui::TWndMethod underUs = f.form.WindowProc;
  f.form.WindowProc = [&](ui::TMessage& m) {
    if (m.Msg == WM_ENTERSIZEMOVE) entered = true;
    if (m.Msg == WM_EXITSIZEMOVE) exited = true;
    underUs(m);
  };
  const POINT from{before.left + kCaptionPoint.x, before.top + kCaptionPoint.y};
  const int dx = 60, dy = 40;
  SetCursorPos(from.x, from.y);
  Pump(100);
  const int sx = GetSystemMetrics(SM_CXSCREEN) - 1, sy = GetSystemMetrics(SM_CYSCREEN) - 1;
  auto input = [&](int x, int y, DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = x * 65535 / sx;
    in.mi.dy = y * 65535 / sy;
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &in, sizeof in);
  };
  input(from.x, from.y, MOUSEEVENTF_LEFTDOWN);
  for (int i = 1; i <= 6; ++i) input(from.x + dx * i / 6, from.y + dy * i / 6, 0);
  input(from.x + dx, from.y + dy, MOUSEEVENTF_LEFTUP);
  PumpUntil([&] { return exited; }, 3000);
  Pump(200);
  f.form.WindowProc = underUs;
  EXPECT_TRUE(entered);
  EXPECT_TRUE(exited);
  EXPECT_FALSE(f.frame.SizeMoving());
  const RECT after = f.Bounds();
  EXPECT_EQ(after.left - before.left, dx);
  EXPECT_EQ(after.top - before.top, dy);
  // The next press on a caption button is not taken for the loop's.
  f.ClickObject(kMinimizePoint);
  EXPECT_EQ(f.frame.WindowState(), TWindowState::wsMinimized);
}

TEST(SkinFormBehaviour, SkinReloadAtRunTimeDropsTheHoverAndAnswersFromTheNewObjects) {
  TDirectoryLikeForm f;
  ASSERT_EQ(f.HitTest(kClosePoint), kHtObject);
  SetCursorPos(f.form.Left() + kClosePoint.x, f.form.Top() + kClosePoint.y);
  f.clock.Running(50)->OnTick();
  ASSERT_NE(f.frame.ActiveObjectIndex(), -1);
  f.data.SetCompressedStoredSkin(&f.stored);  // the same skin loaded again
  EXPECT_EQ(f.frame.ActiveObjectIndex(), -1);
  EXPECT_EQ(f.frame.CaptureObjectIndex(), -1);
  EXPECT_NE(f.clock.Running(50), nullptr) << "the tracking timer runs again after the reload";
  EXPECT_EQ(f.frame.Mode(), TFrameMode::fmSkinned);
  EXPECT_EQ(f.HitTest(kCaptionPoint), kHtCaption);
  EXPECT_EQ(f.HitTest(kClientPoint), kHtClient);
  EXPECT_EQ(f.HitTest(kClosePoint), kHtObject);
  // The caption buttons still run their commands on the new objects.
  f.ClickObject(kMinimizePoint);
  EXPECT_EQ(f.frame.WindowState(), TWindowState::wsMinimized);
}

TEST(SkinFormBehaviour, FormCursorOverTheCaptionWhenAsked) {
  TDirectoryLikeForm f;
  int seenCode = -1;
  ui::TWndMethod underUs = f.frame.Form().WindowProc;
  // The frame rewrites the hit code in the message before its default
  // handling; read back once the frame has returned.
  f.form.WindowProc = [&](ui::TMessage& m) {
    underUs(m);
    if (m.Msg == WM_SETCURSOR) seenCode = LOWORD(m.LParam);
  };
  f.frame.UseFormCursorInNCArea = true;
  SendMessageA(f.form.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(f.form.Handle()),
               MAKELPARAM(HTCAPTION, WM_MOUSEMOVE));
  EXPECT_EQ(seenCode, HTCLIENT);
  SendMessageA(f.form.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(f.form.Handle()),
               MAKELPARAM(HTBOTTOMRIGHT, WM_MOUSEMOVE));
  EXPECT_EQ(seenCode, HTBOTTOMRIGHT);
  f.frame.UseFormCursorInNCArea = false;
  SendMessageA(f.form.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(f.form.Handle()),
               MAKELPARAM(HTCAPTION, WM_MOUSEMOVE));
  EXPECT_EQ(seenCode, HTCAPTION);
  f.form.WindowProc = underUs;
}

}  // namespace
}  // namespace tavo::skin
