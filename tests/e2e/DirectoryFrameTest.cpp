// End to end: the directory window's invisible skinned frame driven with
// real input under Wine — dragged by its top band, rolled up and down by
// a double click there, minimized into the bottom-left slot and back,
// maximized to the work area and back, still typing into Edit1, and
// closed by its invisible close button like "取消". Screenshots go to
// TAVO_SCREENSHOT_DIR as in the other flows.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "tests/e2e/SetUpWindows.h"
#include "tests/e2e/WindowDriver.h"

namespace tavo::e2e {
namespace {

// Edit1 on the directory window at 96 dots per inch.
constexpr POINT kOnEdit1{24 + 400, 199 + 10};

// Lumen's frame on the 563 x 262 window, in window pixels (the skin is not
// scaled): a point of the caption object between Dir1 (which ends at 281)
// and Image1, a graphic control that takes no hit test (from 296); the
// invisible caption buttons; the minimized window's minimize button.
constexpr POINT kBand{288, 25};
constexpr POINT kClose{538, 23};
constexpr POINT kMaximize{509, 23};
constexpr POINT kMinimize{481, 23};
constexpr int kLumenWidth = 277, kLumenMinHeight = 55;
constexpr POINT kMinimizeWhenMinimized{kMinimize.x - (563 - kLumenWidth), kMinimize.y};

RECT BoundsOf(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return r;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Show(const RECT& r) {
  char text[64];
  snprintf(text, sizeof text, "(%ld, %ld, %ld, %ld)", r.left, r.top, r.right, r.bottom);
  return text;
}

// Waits until the window's bounds satisfy the condition (the other
// program moves its window in its own time).
bool WaitBounds(HWND wnd, const std::function<bool(const RECT&)>& ok, DWORD timeoutMs = 5000) {
  const DWORD start = GetTickCount();
  while (!ok(BoundsOf(wnd))) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(50);
  }
  Sleep(300);  // let the paint that follows the move reach the screen
  return true;
}

bool WaitFor(const RECT& expected, HWND wnd) {
  return WaitBounds(wnd, [&](const RECT& r) { return SameRect(r, expected); });
}

class DirectoryFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::wstring exe =
        WindowsPath(EnvironmentOr("TAVO_SETUP_EXE", std::string(TAVO_BINARY_DIR) + "/app/setup.exe"));
    shots = WindowsPath(EnvironmentOr("TAVO_SCREENSHOT_DIR", std::string(TAVO_BINARY_DIR) + "/e2e-screenshots"));
    CreateDirectoryW(shots.c_str(), nullptr);
    ASSERT_TRUE(driver.Start(exe)) << "cannot start setup.exe, error " << GetLastError();
  }

  void Photograph(HWND wnd, const wchar_t* name) {
    EXPECT_TRUE(TWindowDriver::Screenshot(wnd, shots + L"\\" + name)) << "cannot save " << name;
  }

  std::wstring shots;
  TWindowDriver driver;
};

TEST_F(DirectoryFrameTest, DragRollMinimizeMaximizeTypeAndClose) {
  const HWND splash = driver.WaitForWindow(kSplashCaption, kWindowTimeout);
  ASSERT_NE(splash, nullptr) << "no splash window";
  const HWND bar = TWindowDriver::ChildAt(splash, Scaled(kBarOnSplash));
  ASSERT_NE(bar, splash);
  Sleep(1000);
  TWindowDriver::Click(bar, Scaled(kInstallOnBar));
  const HWND directory = driver.WaitForWindow(kDirectoryCaption, kWindowTimeout);
  ASSERT_NE(directory, nullptr) << "\"安装程序\" did not open the directory window";
  Sleep(1500);
  const RECT start = BoundsOf(directory);
  ASSERT_EQ(start.right - start.left, 563);
  ASSERT_EQ(start.bottom - start.top, 262);
  ASSERT_EQ(TWindowDriver::ChildAt(directory, kBand), directory) << "a windowed control covers the band point";

  // Dragging by the band moves the window by the drag.
  const int dx = -120, dy = -90;
  TWindowDriver::Drag(directory, kBand, POINT{kBand.x + dx, kBand.y + dy});
  const RECT moved{start.left + dx, start.top + dy, start.right + dx, start.bottom + dy};
  EXPECT_TRUE(WaitFor(moved, directory)) << "dragged to " << Show(BoundsOf(directory)) << ", expected " << Show(moved);
  Photograph(directory, L"frame-dragged.png");
  const RECT normal = BoundsOf(directory);

  // A double click there rolls it up to Lumen's minimum height, a second
  // one down again.
  TWindowDriver::DoubleClick(directory, kBand);
  EXPECT_TRUE(WaitBounds(directory, [](const RECT& r) { return r.bottom - r.top == kLumenMinHeight; }))
      << "rolled up to " << Show(BoundsOf(directory));
  EXPECT_EQ(BoundsOf(directory).right - BoundsOf(directory).left, 563);
  Photograph(directory, L"frame-rolled-up.png");
  Sleep(600);  // the next press must not pair with the last one
  TWindowDriver::DoubleClick(directory, kBand);
  EXPECT_TRUE(WaitFor(normal, directory)) << "rolled down to " << Show(BoundsOf(directory));

  // The minimize button: 277 x 55 in the bottom-left slot of the work area;
  // its own minimize button then restores the old bounds.
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  Sleep(600);
  TWindowDriver::Click(directory, kMinimize);
  const RECT slot{area.left, area.bottom - kLumenMinHeight, area.left + kLumenWidth, area.bottom};
  EXPECT_TRUE(WaitFor(slot, directory)) << "minimized to " << Show(BoundsOf(directory)) << ", expected " << Show(slot);
  Photograph(directory, L"frame-minimized.png");
  TWindowDriver::Click(directory, kMinimizeWhenMinimized);
  EXPECT_TRUE(WaitFor(normal, directory)) << "restored to " << Show(BoundsOf(directory));

  // The maximize button fills the work area (a pixel less on every side,
  // the work area being the whole Xvfb screen); a second click restores.
  Sleep(600);
  TWindowDriver::Click(directory, kMaximize);
  const bool wholeScreen = area.left == 0 && area.top == 0 && area.right == GetSystemMetrics(SM_CXSCREEN) &&
                           area.bottom == GetSystemMetrics(SM_CYSCREEN);
  const int inset = wholeScreen ? 1 : 0;
  const RECT full{area.left + inset, area.top + inset, area.right - inset, area.bottom - inset};
  EXPECT_TRUE(WaitFor(full, directory)) << "maximized to " << Show(BoundsOf(directory)) << ", expected " << Show(full);
  Photograph(directory, L"frame-maximized.png");
  const int width = BoundsOf(directory).right - BoundsOf(directory).left;
  TWindowDriver::Click(directory, POINT{width - 563 + kMaximize.x, kMaximize.y});
  EXPECT_TRUE(WaitFor(normal, directory)) << "restored to " << Show(BoundsOf(directory));

  // Edit1 still takes typing.
  const HWND edit = TWindowDriver::ChildAt(directory, Scaled(kOnEdit1));
  ASSERT_NE(edit, directory) << "no Edit1";
  TWindowDriver::Click(directory, Scaled(kOnEdit1));
  Sleep(200);
  TWindowDriver::PressKey(VK_END);
  TWindowDriver::PressKey('Q');
  TWindowDriver::PressKey('Z');
  Sleep(300);
  wchar_t text[512] = {};
  SendMessageW(edit, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  const size_t length = wcslen(text);
  ASSERT_GE(length, 2u) << "Edit1 holds almost nothing";
  EXPECT_EQ(text[length - 2], L'q');
  EXPECT_EQ(text[length - 1], L'z');
  Photograph(directory, L"frame-typed.png");

  // The invisible close button closes it like "取消": the splash window is
  // enabled again.
  TWindowDriver::Click(directory, kClose);
  ASSERT_TRUE(TWindowDriver::WaitForHidden(directory, kWindowTimeout)) << "the close button did not close the window";
  EXPECT_TRUE(TWindowDriver::WaitForEnabled(splash, 5000)) << "the splash window stays disabled";

  TWindowDriver::Click(bar, Scaled(kExitOnBar));
  ASSERT_TRUE(driver.WaitForExit(kWindowTimeout)) << "\"退     出 \" did not end the program";
  EXPECT_EQ(driver.ExitCode(), 0u);
}

}  // namespace
}  // namespace tavo::e2e
