// A skinned multi-document parent with a tool panel and three skinned
// children, all on Lumen: maximizing a child into the parent's frame and
// restoring it, the caption the parent borrows, the messages the parent
// hears, minimized children in their slots, the window menu, Ctrl+F4, the
// client window's background, and a child frame that goes first. With
// TAVO_MDI_SHOTS naming a folder, the maximized and tiled views are
// written there as BMP files (the pictures of docs/mdi.md).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "skin/BmpReader.h"
#include "skin/FrameMdi.h"
#include "skin/win32/SkinForm.h"
#include "tests/skin/mdi_win32/MdiScene.h"
#include "tests/skin/win32/SkinFormTestSupport.h"
#include "ui/MdiForm.h"
#include "ui/Panel.h"

namespace tavo::skin {
namespace {

using frame_test::LoadLumen;
using frame_test::ScreenOf;
using ui::testing_support::PumpUntil;

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ui::testing_support::TUiEnvironment);

void SaveShot(const TBitmap& shot, const std::string& name) {
  const char* folder = std::getenv("TAVO_MDI_SHOTS");
  if (!folder || !*folder) return;
  const std::vector<uint8_t> bytes = WriteBmpImage(shot);
  std::ofstream(std::string(folder) + "/" + name + ".bmp", std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

using mdi_test::MdiFrame;
using mdi_test::Settle;
using mdi_test::TChild;

TEST_F(MdiFrame, ClientWindowTakesTheAreaTheToolPanelLeaves) {
  EXPECT_TRUE(frame.ClientWindowHooked());
  const TRect area = frame.MdiClientArea();
  EXPECT_EQ(area, (TRect{0, 30, parent.ClientWidth(), parent.ClientHeight()}));
  const ui::TMdiClient& client = parent.Client();
  EXPECT_EQ(client.Top(), 30);
  EXPECT_EQ(client.Height(), area.bottom - area.top);
  // The client window has no border: its client is the whole window.
  const RECT r = ClientWindowRect();
  EXPECT_EQ(r.right, client.Width());
  EXPECT_EQ(r.bottom, client.Height());
  ASSERT_EQ(parent.Children().size(), 3u);
}

TEST_F(MdiFrame, MaximizedChildFillsTheClientAreaAndLendsItsCaption) {
  TChild& second = *children[1];
  const TRect before{second.form.Left(), second.form.Top(), second.form.Left() + second.form.Width(),
                     second.form.Top() + second.form.Height()};
  EXPECT_EQ(frame.CaptionText(), "Editor");
  second.frame->ExecuteCommand(TStdCommand::cmMaximize);
  Settle();
  const RECT area = ClientWindowRect();
  EXPECT_TRUE(second.frame->MdiMaximized());
  EXPECT_EQ(parent.ActiveChild(), &second.form);
  EXPECT_EQ(GetTopWindow(parent.ClientHandle()), second.form.Handle());
  EXPECT_EQ(second.form.Left(), 0);
  EXPECT_EQ(second.form.Top(), 0);
  EXPECT_EQ(second.form.Width(), area.right);
  EXPECT_EQ(second.form.Height(), area.bottom);
  // No frame of its own: the child's client area is its whole window.
  EXPECT_EQ(second.form.ClientWidth(), area.right);
  EXPECT_EQ(second.form.ClientHeight(), area.bottom);
  EXPECT_EQ(Heard(MsgMdiChildMaximized, second.form), 1);
  EXPECT_TRUE(frame.MdiChildMaximized());
  EXPECT_EQ(frame.CaptionText(), "Editor - [Report 2]");
  // A rename while maximized shows in the parent's caption at once.
  second.form.SetCaption("Sales");
  EXPECT_EQ(frame.CaptionText(), "Editor - [Sales]");
  Settle();
  SaveShot(ScreenOf(parent.Handle()), "mdi-maximized");

  // The parent grows: the maximized child follows (the parent's frame
  // sends each child the re-fit message).
  parent.SetClientSize(1000, 520);
  Settle();
  EXPECT_EQ(second.form.Width(), ClientWindowRect().right);
  EXPECT_EQ(second.form.Height(), ClientWindowRect().bottom);

  second.frame->ExecuteCommand(TStdCommand::cmMaximize);  // the toggle restores
  Settle();
  EXPECT_FALSE(second.frame->MdiMaximized());
  EXPECT_EQ(Heard(MsgMdiChildRestored, second.form), 1);
  EXPECT_FALSE(frame.MdiChildMaximized());
  EXPECT_EQ(frame.CaptionText(), "Editor");
  EXPECT_EQ((TRect{second.form.Left(), second.form.Top(), second.form.Left() + second.form.Width(),
                   second.form.Top() + second.form.Height()}),
            before);
  EXPECT_EQ(second.frame->MdiRestoreBounds(), TRect{});
  // The skinned frame is back: the client area is smaller than the window.
  EXPECT_LT(second.form.ClientWidth(), second.form.Width());
}

TEST_F(MdiFrame, ParentStaysMaximizedUntilItsLastMaximizedChildRestores) {
  children[0]->frame->ChangeMdiChildState(TWindowState::wsMaximized);
  children[2]->frame->ChangeMdiChildState(TWindowState::wsMaximized);
  EXPECT_EQ(frame.CaptionText(), "Editor - [Report 3]");
  children[2]->frame->ChangeMdiChildState(TWindowState::wsNormal);
  EXPECT_TRUE(frame.MdiChildMaximized());
  EXPECT_EQ(frame.CaptionText(), "Editor - [Report 1]");
  children[0]->frame->ChangeMdiChildState(TWindowState::wsNormal);
  EXPECT_FALSE(frame.MdiChildMaximized());
}

TEST_F(MdiFrame, MinimizedChildrenLineUpInTheirSlots) {
  for (auto& c : children) c->frame->ChangeMdiChildState(TWindowState::wsMinimized);
  Settle();
  const RECT area = ClientWindowRect();
  const TPoint size = MinimumFrameSize(children[0]->frame->SizeLimits());
  ASSERT_GT(size.x, 0);
  ASSERT_GT(size.y, 0);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const ui::TMdiChildForm& f = children[i]->form;
    EXPECT_EQ(f.Left(), i * size.x);
    EXPECT_EQ(f.Top(), area.bottom - size.y);
    EXPECT_EQ(f.Width(), size.x);
    EXPECT_EQ(f.Height(), size.y);
    EXPECT_EQ(Heard(MsgMdiChildRestored, f), 1);
  }
  // The middle one restores; the first free slot is its old one.
  children[1]->frame->ChangeMdiChildState(TWindowState::wsNormal);
  EXPECT_EQ(children[1]->form.Left(), 40);
  TChild extra(parent, lumen, 4);
  extra.form.Show();
  extra.frame->ChangeMdiChildState(TWindowState::wsMinimized);
  EXPECT_EQ(extra.form.Left(), size.x);
  EXPECT_EQ(extra.form.Top(), area.bottom - size.y);
}

TEST_F(MdiFrame, WindowMenuListsTheChildrenAndActivatesTheChosenOne) {
  ui::TMdiWindowMenu& menu = parent.WindowMenu();
  ASSERT_EQ(menu.Items().size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(menu.Items()[i].Name, "Child" + std::to_string(i + 1) + "_SFCHILDITEM");
    EXPECT_EQ(menu.Items()[i].Caption, "Report " + std::to_string(i + 1));
  }
  // The last one shown is active and the only one checked.
  EXPECT_EQ(parent.ActiveChild(), &children[2]->form);
  EXPECT_TRUE(menu.Find("Child3_SFCHILDITEM")->Checked);
  EXPECT_FALSE(menu.Find("Child1_SFCHILDITEM")->Checked);
  EXPECT_TRUE(children[2]->frame->FormActiveFlag());

  ASSERT_TRUE(menu.Click("Child1_SFCHILDITEM"));
  Settle();
  EXPECT_EQ(parent.ActiveChild(), &children[0]->form);
  EXPECT_TRUE(menu.Find("Child1_SFCHILDITEM")->Checked);
  EXPECT_FALSE(menu.Find("Child3_SFCHILDITEM")->Checked);
  EXPECT_TRUE(children[0]->frame->FormActiveFlag());
  EXPECT_FALSE(children[2]->frame->FormActiveFlag());
  EXPECT_TRUE(children[0]->frame->FormActive());

  // Choosing a minimized child restores it.
  children[1]->frame->ChangeMdiChildState(TWindowState::wsMinimized);
  ASSERT_TRUE(menu.Click("Child2_SFCHILDITEM"));
  Settle();
  EXPECT_EQ(children[1]->frame->WindowState(), TWindowState::wsNormal);
  EXPECT_EQ(children[1]->form.Left(), 40);
  EXPECT_EQ(parent.ActiveChild(), &children[1]->form);

  // The item follows the caption, and goes with a hidden child.
  children[1]->form.SetCaption("Budget");
  EXPECT_EQ(menu.Find("Child2_SFCHILDITEM")->Caption, "Budget");
  children[1]->form.Hide();
  EXPECT_EQ(menu.Find("Child2_SFCHILDITEM"), nullptr);
  EXPECT_EQ(menu.Items().size(), 2u);
  // The native menu mirrors the items.
  EXPECT_GE(GetMenuItemCount(menu.Handle()), 2);
}

TEST_F(MdiFrame, CtrlF4ClosesTheActiveChild) {
  ASSERT_EQ(parent.ActiveChild(), &children[2]->form);
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PostMessageA(children[2]->form.Handle(), WM_KEYDOWN, VK_F4, 0);
  Settle();
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_FALSE(children[2]->form.Visible());
  EXPECT_NE(parent.ActiveChild(), &children[2]->form);
  EXPECT_NE(parent.ActiveChild(), nullptr);
  EXPECT_EQ(parent.WindowMenu().Find("Child3_SFCHILDITEM"), nullptr);
  // F4 alone closes nothing.
  TChild& active = *children[1];
  active.form.Show();
  PostMessageA(active.form.Handle(), WM_KEYDOWN, VK_F4, 0);
  Settle();
  EXPECT_TRUE(active.form.Visible());
}

TEST_F(MdiFrame, ClientWindowShowsTheSkinBackgroundAndTiledChildren) {
  for (auto& c : children) c->form.Hide();
  Settle();
  const RECT area = ClientWindowRect();
  const TBitmap expected = frame.ComposeMdiClientBackground(area.right, area.bottom);
  ASSERT_FALSE(expected.Empty());
  RECT screen;
  GetWindowRect(parent.ClientHandle(), &screen);
  HDC dc = GetDC(nullptr);
  const TBitmap shown = win32::CaptureDC(dc, TRect{screen.left, screen.top, screen.right, screen.bottom});
  ReleaseDC(nullptr, dc);
  int differences = 0;
  for (int y = 0; y < area.bottom; y += 7)
    for (int x = 0; x < area.right; x += 7) differences += shown.Pixel(x, y) != expected.Pixel(x, y);
  EXPECT_EQ(differences, 0);

  for (auto& c : children) c->form.Show();
  parent.Tile();
  Settle();
  // Tiled: each child inside the client window, none overlapping another.
  for (size_t i = 0; i < children.size(); ++i) {
    const ui::TMdiChildForm& a = children[i]->form;
    EXPECT_GE(a.Left(), 0);
    EXPECT_LE(a.Left() + a.Width(), area.right);
    EXPECT_LE(a.Top() + a.Height(), area.bottom);
    for (size_t j = i + 1; j < children.size(); ++j) {
      const ui::TMdiChildForm& b = children[j]->form;
      const bool apart = a.Left() + a.Width() <= b.Left() || b.Left() + b.Width() <= a.Left() ||
                         a.Top() + a.Height() <= b.Top() || b.Top() + b.Height() <= a.Top();
      EXPECT_TRUE(apart) << i << " and " << j;
    }
  }
  SaveShot(ScreenOf(parent.Handle()), "mdi-tiled");
}

TEST_F(MdiFrame, PlainClientWindowShowsTheApplicationWorkspaceColour) {
  for (auto& c : children) c->form.Hide();
  frame.SetSkinData(nullptr);
  InvalidateRect(parent.ClientHandle(), nullptr, TRUE);
  Settle();
  const TColor workspace = GetSysColor(COLOR_APPWORKSPACE);
  ASSERT_NE(workspace, GetSysColor(COLOR_BTNFACE));
  const TBitmap composed = frame.ComposeMdiClientBackground(40, 30);
  EXPECT_EQ(composed.Pixel(5, 5), workspace);
  RECT screen;
  GetWindowRect(parent.ClientHandle(), &screen);
  HDC dc = GetDC(nullptr);
  const TBitmap shown = win32::CaptureDC(dc, TRect{screen.left, screen.top, screen.left + 40, screen.top + 30});
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(shown.Pixel(20, 15), workspace);
}

TEST_F(MdiFrame, ChildFrameGoingFirstStillTellsTheParent) {
  TChild& first = *children[0];
  first.frame->ChangeMdiChildState(TWindowState::wsMaximized);
  ASSERT_TRUE(frame.MdiChildMaximized());
  // The frame is a member that dies before the window's WM_DESTROY.
  first.frame.reset();
  EXPECT_FALSE(frame.MdiChildMaximized());
  EXPECT_EQ(frame.CaptionText(), "Editor");
  EXPECT_EQ(parent.WindowMenu().Find("Child1_SFCHILDITEM"), nullptr);
  EXPECT_EQ(Heard(MsgMdiChildRestored, first.form), 1);
}

}  // namespace
}  // namespace tavo::skin
