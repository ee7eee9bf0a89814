// The frames of multi-document children seen from their own windows, and
// what the parent's frame does for them: points on a child's frame, the
// caption double-click and window states inside the parent, a maximized
// child without region or object drawing, hover and tracking stopped by a
// maximize, the resize a same-size change still makes, activation rows,
// snapping to the parent's children area, the child's system menu, menus
// closed across parent and child, a skin change re-fitting the children,
// and a multi-document main form started in the tray.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "skin/FrameObjects.h"
#include "skin/MenuItem.h"
#include "skin/SkinButtonObject.h"
#include "skin/SkinFormat.h"
#include "skin/SystemMenu.h"
#include "skin/win32/SkinMenu.h"
#include "skin/win32/TrayIcon.h"
#include "tests/skin/mdi_win32/MdiScene.h"
#include "ui/Application.h"

namespace tavo::skin {
namespace {

using frame_test::ScreenOf;
using frame_test::WindowRegionOf;
using mdi_test::Layout;
using mdi_test::MdiFrame;
using mdi_test::Settle;
using mdi_test::TChild;
using ui::testing_support::PumpUntil;

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ui::testing_support::TUiEnvironment);

RECT WindowRect(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  return r;
}

TPoint Centre(const TRect& r) { return TPoint{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

TActiveSkinObject* Caption(const TSkinForm& frame) {
  return FirstObjectOfKind(frame.Objects(), TObjectKind::okCaption);
}

TSkinStdButtonObject* Button(const TSkinForm& frame, TStdCommand command) {
  for (const auto& object : frame.Objects())
    if (auto* b = dynamic_cast<TSkinStdButtonObject*>(object.get()); b && b->Command == command) return b;
  return nullptr;
}

// The window widths a form's window had at each WM_SIZE it was sent.
struct TSizeSpy {
  explicit TSizeSpy(ui::TForm& form) {
    ui::TWndMethod previous = form.WindowProc;
    form.WindowProc = [this, previous](ui::TMessage& m) {
      if (m.Msg == WM_SIZE) {
        const RECT r = WindowRect(m.Wnd);
        widths.push_back(r.right - r.left);
      }
      previous(m);
    };
  }
  bool Saw(int width) const { return std::find(widths.begin(), widths.end(), width) != widths.end(); }
  std::vector<int> widths;
};

// Takes the bars' calls away again before the counters they write go.
struct TBarsGuard {
  explicit TBarsGuard(TSkinForm& f) : frame(f) {}
  ~TBarsGuard() { frame.MdiBars = TMdiBars{}; }
  TSkinForm& frame;
};

TMenuItem* SystemItem(TSkinForm& frame, const char* name) {
  auto* menu = dynamic_cast<TSystemMenu*>(frame.SystemMenu());
  return menu ? menu->Root().Find(name) : nullptr;
}

// --- points and window states --------------------------------------------------

TEST_F(MdiFrame, ChildFramePointsAreTakenFromTheChildsOwnWindow) {
  TChild& child = *children[1];
  const RECT w = WindowRect(child.form.Handle());
  // The child's Left and Top are the client window's coordinates, not the
  // screen's: the point must not be measured from them.
  ASSERT_NE(w.left, child.form.Left());
  EXPECT_EQ(child.frame->ScreenToFrame(TPoint{w.left + 7, w.top + 9}), (TPoint{7, 9}));
  const TActiveSkinObject* caption = Caption(*child.frame);
  ASSERT_NE(caption, nullptr);
  const TPoint c = Centre(caption->ObjectRect);
  EXPECT_EQ(SendMessageA(child.form.Handle(), WM_NCHITTEST, 0, MAKELPARAM(w.left + c.x, w.top + c.y)), HTCAPTION);
  const TRect client = child.frame->Placed().ClientRect;
  const TPoint inside = Centre(client);
  EXPECT_EQ(SendMessageA(child.form.Handle(), WM_NCHITTEST, 0, MAKELPARAM(w.left + inside.x, w.top + inside.y)),
            HTCLIENT);

  // Plain mode: the client begins 3 pixels in and below the 19-pixel caption.
  child.frame->SetSkinData(nullptr);
  Settle();
  const RECT p = WindowRect(child.form.Handle());
  EXPECT_EQ(child.frame->ScreenToFrame(TPoint{p.left + 7, p.top + 9}), (TPoint{7, 9}));
  POINT origin{0, 0};
  ClientToScreen(child.form.Handle(), &origin);
  EXPECT_EQ(origin.x - p.left, 3);
  EXPECT_EQ(origin.y - p.top, 22);
}

TEST_F(MdiFrame, CaptionDoubleClickAndWindowStatesOfAChildStayInsideTheParent) {
  TChild& child = *children[2];
  const RECT w = WindowRect(child.form.Handle());
  const TPoint c = Centre(Caption(*child.frame)->ObjectRect);
  SendMessageA(child.form.Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(w.left + c.x, w.top + c.y));
  Settle();
  const RECT area = ClientWindowRect();
  EXPECT_TRUE(child.frame->MdiMaximized());
  EXPECT_EQ(child.frame->WindowState(), TWindowState::wsMaximized);
  EXPECT_FALSE(IsZoomed(child.form.Handle()));
  EXPECT_EQ(child.form.Left(), 0);
  EXPECT_EQ(child.form.Top(), 0);
  EXPECT_EQ(child.form.Width(), area.right);
  EXPECT_EQ(child.form.Height(), area.bottom);
  EXPECT_EQ(Heard(MsgMdiChildMaximized, child.form), 1);

  // The frame's own window states route to the child's too.
  child.frame->ChangeWindowState(TWindowState::wsNormal);
  EXPECT_FALSE(child.frame->MdiMaximized());
  EXPECT_EQ(child.form.Left(), 60);
  child.frame->ChangeWindowState(TWindowState::wsMinimized);
  EXPECT_EQ(child.form.Top(), area.bottom - child.form.Height());
  EXPECT_EQ(child.form.Left(), 0);
  // A minimized child restores on a double-click of its caption.
  const RECT m = WindowRect(child.form.Handle());
  const TPoint mc = Centre(Caption(*child.frame)->ObjectRect);
  SendMessageA(child.form.Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(m.left + mc.x, m.top + mc.y));
  EXPECT_EQ(child.frame->WindowState(), TWindowState::wsNormal);
  EXPECT_EQ(child.form.Left(), 60);
}

TEST_F(MdiFrame, MaximizedChildHasNoRegionAndDrawsNoObjects) {
  TChild& child = *children[0];
  EXPECT_TRUE(child.frame->HoldsRegion());
  EXPECT_FALSE(WindowRegionOf(child.form.Handle()).Empty());

  // Restored: a redrawn caption comes back over what was painted there.
  TActiveSkinObject& caption = *Caption(*child.frame);
  const TRect at = caption.ObjectRect;
  HDC dc = GetWindowDC(child.form.Handle());
  RECT fill{at.left, at.top, at.right, at.bottom};
  FillRect(dc, &fill, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  ReleaseDC(child.form.Handle(), dc);
  child.frame->RedrawObject(caption);
  const TBitmap redrawn = ScreenOf(child.form.Handle());
  int black = 0;
  for (int x = at.left; x < at.right; ++x) black += redrawn.Pixel(x, (at.top + at.bottom) / 2) == 0;
  EXPECT_LT(black, (at.right - at.left) / 2);

  child.frame->ChangeMdiChildState(TWindowState::wsMaximized);
  Settle();
  EXPECT_FALSE(child.frame->HoldsRegion());
  EXPECT_TRUE(WindowRegionOf(child.form.Handle()).Empty());
  // Its objects are still laid out, but the window shows client there.
  const TBitmap before = ScreenOf(child.form.Handle());
  child.frame->RedrawObject(*Caption(*child.frame));
  const TBitmap after = ScreenOf(child.form.Handle());
  EXPECT_EQ(frame_test::CountDifferences(before, after, [](int, int) { return true; }), 0);

  child.frame->ChangeMdiChildState(TWindowState::wsNormal);
  Settle();
  EXPECT_TRUE(child.frame->HoldsRegion());
  EXPECT_FALSE(WindowRegionOf(child.form.Handle()).Empty());
}

TEST_F(MdiFrame, MaximizingAChildEndsHoverAndTracking) {
  TChild& child = *children[2];  // the active child
  ASSERT_TRUE(child.frame->FormActive());
  const TSkinStdButtonObject* close = Button(*child.frame, TStdCommand::cmClose);
  ASSERT_NE(close, nullptr);
  child.frame->TrackHover(Centre(close->ObjectRect), true);
  ASSERT_NE(child.frame->ActiveObjectIndex(), -1);
  child.frame->ChangeMdiChildState(TWindowState::wsMaximized);
  EXPECT_EQ(child.frame->ActiveObjectIndex(), -1);
  EXPECT_FALSE(child.frame->MouseTimerRunning());
  child.frame->ChangeMdiChildState(TWindowState::wsNormal);
  EXPECT_TRUE(child.frame->MouseTimerRunning());
}

TEST_F(MdiFrame, ChildStateChangeToTheSameSizeStillResizesTheChild) {
  TChild& child = *children[0];
  const RECT area = ClientWindowRect();
  // From another size, maximizing resizes anyway and nothing is nudged.
  TSizeSpy spy(child.form);
  child.frame->ChangeMdiChildState(TWindowState::wsMaximized);
  EXPECT_FALSE(spy.Saw(area.right - 1));
  child.frame->ChangeMdiChildState(TWindowState::wsNormal);

  // Already the size of the children's area: narrowed by 1 and back.
  child.form.SetBounds(0, 0, area.right, area.bottom);
  spy.widths.clear();
  child.frame->ChangeMdiChildState(TWindowState::wsMaximized);
  EXPECT_TRUE(spy.Saw(area.right - 1));
  EXPECT_EQ(child.form.Width(), area.right);
  // Its restore bounds are that size too.
  spy.widths.clear();
  child.frame->ChangeMdiChildState(TWindowState::wsNormal);
  EXPECT_TRUE(spy.Saw(area.right - 1));
  EXPECT_EQ(child.form.Width(), area.right);
}

TEST(MdiParentShow, ResizesWhenTheClientWindowIsTakenOverOnly) {
  TCompressedStoredSkin stored;
  TSkinData lumen;
  mdi_test::LoadLumen(lumen, stored);
  ui::TMdiForm parent(Layout("Second", 500, 300, 60, 60));
  TSkinForm frame(&parent);
  frame.SetSkinData(&lumen);
  TSizeSpy spy(parent);
  const int width = parent.Width();
  parent.Show();
  Settle();
  EXPECT_TRUE(frame.ClientWindowHooked());
  EXPECT_TRUE(spy.Saw(width - 1));
  EXPECT_EQ(parent.Width(), width);
  parent.Hide();
  spy.widths.clear();
  parent.Show();
  Settle();
  EXPECT_FALSE(spy.Saw(width - 1));
  parent.Hide();

  // Any other form goes through the resize each time it shows.
  ui::TForm plain(Layout("Plain", 300, 200, 80, 80));
  TSkinForm plainFrame(&plain);
  plainFrame.SetSkinData(&lumen);
  TSizeSpy plainSpy(plain);
  const int plainWidth = plain.Width();
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    plainSpy.widths.clear();
    plain.Show();
    Settle();
    EXPECT_TRUE(plainSpy.Saw(plainWidth - 1));
    plain.Hide();
  }
}

// --- activation, sizing and the skin -------------------------------------------

TEST_F(MdiFrame, ActivationRefreshesTheMenuBarAndLeavesAMaximizedChildsHoverAlone) {
  int refreshed = 0;
  TBarsGuard guard(frame);
  frame.MdiBars.RefreshMainMenuBar = [&] { ++refreshed; };
  SendMessageA(parent.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(refreshed, 1);

  // A click on the active child whose frame believes itself inactive.
  TChild& active = *children[2];
  SendMessageA(active.form.Handle(), WM_NCACTIVATE, FALSE, 0);
  ASSERT_FALSE(active.frame->FormActiveFlag());
  SendMessageA(active.form.Handle(), WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(parent.Handle()),
               MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
  EXPECT_TRUE(active.frame->FormActiveFlag());
  EXPECT_TRUE(Caption(*active.frame)->Active);

  TChild& child = *children[1];
  TSkinStdButtonObject* close = Button(*child.frame, TStdCommand::cmClose);
  ASSERT_NE(close, nullptr);
  close->MorphFactor = 0.5;
  SendMessageA(child.form.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(close->MorphFactor, 0);

  child.frame->ChangeMdiChildState(TWindowState::wsMaximized);
  close = Button(*child.frame, TStdCommand::cmClose);
  close->MorphFactor = 0.5;
  SendMessageA(child.form.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(close->MorphFactor, 0.5);
}

TEST_F(MdiFrame, MaximizedChildActivatedRepaintsTheParentsFrame) {
  int parentPaints = 0;
  ui::TWndMethod previous = parent.WindowProc;
  parent.WindowProc = [&parentPaints, previous](ui::TMessage& m) {
    parentPaints += m.Msg == WM_NCPAINT;
    previous(m);
  };
  struct TRestore {
    ui::TMdiForm& form;
    ui::TWndMethod proc;
    ~TRestore() { form.WindowProc = proc; }
  } restore{parent, previous};
  TChild& child = *children[1];
  SendMessageA(child.form.Handle(), WM_NCACTIVATE, TRUE, 0);
  EXPECT_EQ(parentPaints, 0);
  child.frame->ChangeMdiChildState(TWindowState::wsMaximized);
  parentPaints = 0;
  SendMessageA(child.form.Handle(), WM_NCACTIVATE, TRUE, 0);
  EXPECT_GE(parentPaints, 1);
  EXPECT_TRUE(child.frame->FormActiveFlag());
}

TEST_F(MdiFrame, MenuBarAndTabsBarFollowTheChildren) {
  int menuBar = 0, tabsBar = 0, renamed = 0;
  std::vector<std::pair<TSkinForm*, bool>> tabs;
  std::vector<bool> buttons;
  TBarsGuard guard(frame);
  frame.MdiBars.RefreshMainMenuBar = [&] { ++menuBar; };
  frame.MdiBars.RefreshTabsBar = [&] { ++tabsBar; };
  frame.MdiBars.ShowChildButtons = [&](bool show) { buttons.push_back(show); };
  frame.MdiBars.ChildTab = [&](TSkinForm& child, bool present) { tabs.emplace_back(&child, present); };
  frame.MdiBars.RepaintChildTab = [&](TSkinForm&) { ++renamed; };

  TChild extra(parent, lumen, 4);
  extra.form.Show();
  Settle();
  ASSERT_FALSE(tabs.empty());
  EXPECT_EQ(tabs.back(), std::make_pair(extra.frame.get(), true));
  EXPECT_GE(menuBar, 1);  // the new child's activation
  extra.form.SetCaption("Ledger");
  EXPECT_EQ(renamed, 1);
  extra.frame->ChangeMdiChildState(TWindowState::wsMaximized);
  extra.frame->ChangeMdiChildState(TWindowState::wsNormal);
  EXPECT_EQ(buttons, (std::vector<bool>{true, false}));
  extra.form.Hide();
  EXPECT_EQ(tabs.back(), std::make_pair(extra.frame.get(), false));

  extra.form.Show();
  Settle();
  menuBar = tabsBar = 0;
  TSkinForm* const going = extra.frame.get();
  extra.frame.reset();
  EXPECT_EQ(tabs.back(), std::make_pair(going, false));
  EXPECT_EQ(menuBar, 1);
  EXPECT_EQ(tabsBar, 1);
}

// Plain frames, so that no window region repaints anything when sized.
TEST_F(MdiFrame, ParentWithALogoLeavesItsClientAloneWhenSized) {
  frame.SetSkinData(nullptr);
  frame.SetLogoBitMap(TBitmap(16, 16));
  Settle();
  // What is looked at: a repaint asked of the parent shows here.
  InvalidateRect(parent.Handle(), nullptr, TRUE);
  ASSERT_TRUE(GetUpdateRect(parent.Handle(), nullptr, FALSE));
  ValidateRect(parent.Handle(), nullptr);
  SendMessageA(parent.Handle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(parent.ClientWidth(), parent.ClientHeight()));
  EXPECT_FALSE(GetUpdateRect(parent.Handle(), nullptr, FALSE));
  // The client window, which shows the logo, repaints itself whole.
  for (auto& c : children) c->form.Hide();
  Settle();
  HWND client = parent.ClientHandle();
  const RECT whole = ClientWindowRect();
  ValidateRect(client, nullptr);
  SendMessageA(client, WM_SIZE, SIZE_RESTORED, MAKELPARAM(whole.right, whole.bottom));
  RECT due{};
  EXPECT_TRUE(GetUpdateRect(client, &due, FALSE));
  EXPECT_EQ(due.right - due.left, whole.right);
  EXPECT_EQ(due.bottom - due.top, whole.bottom);
  frame.SetLogoBitMap(TBitmap());
  ValidateRect(client, nullptr);
  SendMessageA(client, WM_SIZE, SIZE_RESTORED, MAKELPARAM(whole.right, whole.bottom));
  EXPECT_FALSE(GetUpdateRect(client, nullptr, FALSE));
  // Its caption-less frame is always active.
  EXPECT_EQ(SendMessageA(client, WM_NCACTIVATE, FALSE, 0), 1);

  // Any other form repaints its logo, and only because of it.
  ui::TForm plain(Layout("Plain", 300, 200, 80, 80));
  TSkinForm plainFrame(&plain);
  plain.Show();
  Settle();
  auto sized = [&] {
    ValidateRect(plain.Handle(), nullptr);
    SendMessageA(plain.Handle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(plain.ClientWidth(), plain.ClientHeight()));
    return GetUpdateRect(plain.Handle(), nullptr, FALSE) != FALSE;
  };
  EXPECT_FALSE(sized());
  plainFrame.SetLogoBitMap(TBitmap(16, 16));
  EXPECT_TRUE(sized());
  plain.Hide();
}

TEST_F(MdiFrame, SkinChangeRepaintsTheClientWindowAndPutsChildrenBack) {
  TChild& maximized = *children[0];
  TChild& minimized = *children[1];
  maximized.frame->ChangeMdiChildState(TWindowState::wsMaximized);
  minimized.frame->ChangeMdiChildState(TWindowState::wsMinimized);
  const TRect slot{minimized.form.Left(), minimized.form.Top(), minimized.form.Width(), minimized.form.Height()};
  Settle();
  // Moved away behind the frames' backs.
  maximized.form.SetBounds(10, 10, 200, 100);
  minimized.form.SetBounds(300, 5, slot.right, slot.bottom);
  ValidateRect(parent.ClientHandle(), nullptr);
  frame.SetSkinData(&lumen);
  EXPECT_TRUE(GetUpdateRect(parent.ClientHandle(), nullptr, FALSE));
  const RECT area = ClientWindowRect();
  EXPECT_EQ((TRect{maximized.form.Left(), maximized.form.Top(), maximized.form.Width(), maximized.form.Height()}),
            (TRect{0, 0, area.right, area.bottom}));
  EXPECT_EQ(minimized.form.Left(), slot.left);
  EXPECT_EQ(minimized.form.Top(), slot.top);

  // The skin data's last word after loading a skin does the same.
  maximized.form.SetBounds(10, 10, 200, 100);
  minimized.form.SetBounds(300, 5, slot.right, slot.bottom);
  SendMessageA(parent.Handle(), MsgSkinChangedAfter, reinterpret_cast<WPARAM>(&lumen), 1000);
  EXPECT_EQ(maximized.form.Width(), area.right);
  EXPECT_EQ(minimized.form.Left(), slot.left);
  EXPECT_EQ(minimized.form.Top(), slot.top);
  // Another skin data's message is not the parent's business.
  TSkinData other;
  maximized.form.SetBounds(10, 10, 300, 120);
  SendMessageA(parent.Handle(), MsgSkinChangedAfter, reinterpret_cast<WPARAM>(&other), 1000);
  EXPECT_EQ(maximized.form.Width(), 300);
}

TEST_F(MdiFrame, ChildSnapsToTheChildrenAreaAndMovesFreelyWhenMaximized) {
  TChild& child = *children[0];
  child.frame->Magnetic = true;
  child.frame->MagneticSize = 10;
  POINT origin{0, 30};  // the children's area begins below the tool panel
  ClientToScreen(parent.Handle(), &origin);
  const int w = child.form.Width(), h = child.form.Height();
  RECT nearEdge{origin.x + 9, origin.y + 50, origin.x + 9 + w, origin.y + 50 + h};
  SendMessageA(child.form.Handle(), WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&nearEdge));
  EXPECT_EQ(nearEdge.left, origin.x);
  EXPECT_EQ(nearEdge.right, origin.x + w);
  EXPECT_EQ(nearEdge.top, origin.y + 50);
  RECT apart{origin.x + 10, origin.y + 9, origin.x + 10 + w, origin.y + 9 + h};
  SendMessageA(child.form.Handle(), WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&apart));
  EXPECT_EQ(apart.left, origin.x + 10);
  EXPECT_EQ(apart.top, origin.y);

  child.frame->Magnetic = false;
  child.frame->ChangeMdiChildState(TWindowState::wsMaximized);
  RECT proposed{origin.x + 40, origin.y + 40, origin.x + 140, origin.y + 140};
  SendMessageA(child.form.Handle(), WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&proposed));
  EXPECT_EQ(proposed.left, origin.x + 40);
  EXPECT_EQ(proposed.top, origin.y + 40);
}

void SendMouse(POINT p, DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  // Absolute coordinates run from 0 to 65535 across the screen.
  input.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof(INPUT));
}

TEST_F(MdiFrame, ChildDraggedNearTheChildrenAreaEdgeSnapsOntoIt) {
  TChild& child = *children[2];  // the one on top
  child.frame->Magnetic = true;
  child.frame->MagneticSize = 10;
  child.form.SetBounds(20, 20, child.form.Width(), child.form.Height());
  Settle();
  const RECT w = WindowRect(child.form.Handle());
  const TPoint c = Centre(Caption(*child.frame)->ObjectRect);
  const POINT start{w.left + c.x, w.top + c.y};
  // The caption is dragged 15 pixels left and 40 down: the left edge ends
  // 5 pixels inside the area and goes onto its edge.
  // The system's move loop reads the mouse as it goes, so the mouse is
  // driven from another thread while this one runs the loop.
  std::atomic<bool> released{false};
  std::thread hand([&] {
    SendMouse(start, MOUSEEVENTF_MOVE);
    Sleep(150);
    SendMouse(start, MOUSEEVENTF_LEFTDOWN);
    Sleep(50);
    for (int i = 1; i <= 5; ++i) {
      SendMouse(POINT{start.x - 3 * i, start.y + 8 * i}, MOUSEEVENTF_MOVE);
      Sleep(30);
    }
    SendMouse(POINT{start.x - 15, start.y + 40}, MOUSEEVENTF_LEFTUP);
    released = true;
  });
  PumpUntil([&] { return released.load(); }, 3000);
  hand.join();
  Settle();
  EXPECT_EQ(child.form.Top(), 60);
  EXPECT_EQ(child.form.Left(), 0);
}

// --- menus -------------------------------------------------------------------------

TEST_F(MdiFrame, ChildSystemMenuClosesByCtrlF4AndCannotRollUpWhileMaximized) {
  TChild& child = *children[1];
  const TMenuItem* close = SystemItem(*child.frame, "SF_CLOSE");
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(ShortCutToText(close->ShortCut), "Ctrl+F4");
  EXPECT_NE(SystemItem(*child.frame, "SF_ROLLUP"), nullptr);
  const TMenuItem* parentClose = SystemItem(frame, "SF_CLOSE");
  ASSERT_NE(parentClose, nullptr);
  EXPECT_EQ(ShortCutToText(parentClose->ShortCut), "Alt+F4");

  child.frame->ChangeMdiChildState(TWindowState::wsMaximized);
  EXPECT_EQ(SystemItem(*child.frame, "SF_ROLLUP"), nullptr);
  EXPECT_NE(SystemItem(*child.frame, "SF_RESTORE"), nullptr);
  EXPECT_EQ(SystemItem(*child.frame, "SF_MAXITEM"), nullptr);
}

TEST_F(MdiFrame, ChildSystemMenuButtonOpensItBelowItself) {
  TChild& child = *children[2];
  TSkinStdButtonObject* button = Button(*child.frame, TStdCommand::cmSysMenu);
  ASSERT_NE(button, nullptr);
  const TRect r = button->ObjectRect;
  button->MouseDown(r.left + 2, r.top + 2, TSkinMouseButton::mbLeft);
  ASSERT_EQ(child.frame->MenuEngine().PopupCount(), 1);
  // On the screen, under the button of the child's own window.
  const RECT w = WindowRect(child.form.Handle());
  const RECT p = WindowRect(child.frame->MenuEngine().PopupWindow(0)->Handle());
  EXPECT_EQ(p.left, w.left + r.left);
  EXPECT_EQ(p.top, w.top + r.bottom);
  child.frame->MenuEngine().CloseAll();
  child.frame->MenuEngine().MenuClosed();
}

TEST_F(MdiFrame, ParentClosesTheMenuItsActiveChildHasOpen) {
  TChild& active = *children[2];
  ASSERT_EQ(parent.ActiveChild(), &active.form);
  active.frame->ShowSystemMenuAt(200, 200);
  ASSERT_EQ(active.frame->MenuEngine().PopupCount(), 1);
  SendMessageA(parent.Handle(), WM_CANCELMODE, 0, 0);
  EXPECT_EQ(active.frame->MenuEngine().PopupCount(), 0);
  EXPECT_FALSE(active.frame->MenuEngine().MenuMode());
}

TEST_F(MdiFrame, KeysForAChildReachTheMenuTheParentHasOpen) {
  frame.ShowSystemMenuAt(150, 150);
  ASSERT_EQ(frame.MenuEngine().PopupCount(), 1);
  PostMessageA(children[2]->form.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  PumpUntil([&] { return frame.MenuEngine().PopupCount() == 0; }, 500);
  EXPECT_EQ(frame.MenuEngine().PopupCount(), 0);
  EXPECT_FALSE(frame.MenuEngine().MenuMode());
  // The child saw no key of its own: it is still there and active.
  EXPECT_TRUE(children[2]->form.Visible());
  frame.MenuEngine().CloseAll();
  frame.MenuEngine().MenuClosed();
}

// --- the tray ------------------------------------------------------------------------

TTrayIconApi QuietTray() {
  TTrayIconApi api;
  api.NotifyIcon = [](DWORD, NOTIFYICONDATAA*) { return TRUE; };
  api.CursorPos = [](POINT& at) {
    at = {0, 0};
    return true;
  };
  return api;
}

void SendPositionChanged(HWND wnd) {
  WINDOWPOS pos{};
  pos.hwnd = wnd;
  pos.flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
  SendMessageA(wnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
}

TEST(MdiMainForm, StartedInTheTrayHidesTheApplicationAtItsFirstPositionChange) {
  // The program's main form is the first one made through the application.
  ui::TMdiForm& main = ui::Application().CreateForm<ui::TMdiForm>(Layout("Main", 400, 260, 100, 100));
  ASSERT_EQ(ui::Application().MainForm(), &main);
  HWND app = ui::Application().Handle();
  ASSERT_NE(app, nullptr);
  {
    TTrayIcon tray(&main, QuietTray());
    tray.MinimizedOnStart = true;
    tray.Loaded();
    EXPECT_FALSE(IsWindowVisible(app));
    // The form shows itself past that: its first position change hides
    // the application again, later ones do not.
    ShowWindow(app, SW_SHOWNOACTIVATE);
    SendPositionChanged(app);
    EXPECT_FALSE(IsWindowVisible(app));
    ShowWindow(app, SW_SHOWNOACTIVATE);
    SendPositionChanged(app);
    EXPECT_TRUE(IsWindowVisible(app));
  }
  {
    TTrayIcon tray(&main, QuietTray());
    SendPositionChanged(app);
    EXPECT_TRUE(IsWindowVisible(app));
  }
  ShowWindow(app, SW_HIDE);
  ui::Application().ShowMainForm = true;
}

}  // namespace
}  // namespace tavo::skin
