// End to end: setup.exe started as a user starts it, driven through its
// windows with the mouse, photographed on the way, and closed.
//
// setup.exe comes from TAVO_SETUP_EXE (default: this build's app/setup.exe),
// screenshots go to TAVO_SCREENSHOT_DIR (default: this build's
// e2e-screenshots); both may be host paths.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/SetUpWindows.h"
#include "tests/e2e/WindowDriver.h"

namespace tavo::e2e {
namespace {

// The cancel button of the directory window at 96 dots per inch.
constexpr POINT kCancelOnDirectory{315 + 47, 226 + 12};
constexpr COLORREF kBarColor = RGB(0, 234, 234);

// A pixel of Lumen's frame picture, read from the skin's source file.
COLORREF LumenFramePixel(int x, int y) {
  const std::wstring file = WindowsPath(std::string(TAVO_SOURCE_DIR) + "/assets/skins/Lumen/frame.bmp");
  HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  if (!bitmap) {
    ADD_FAILURE() << "cannot read Lumen's frame picture";
    return CLR_INVALID;
  }
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const COLORREF c = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(bitmap);
  return c;
}

class SetUpFlowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setupExe = WindowsPath(EnvironmentOr("TAVO_SETUP_EXE", std::string(TAVO_BINARY_DIR) + "/app/setup.exe"));
    shots = WindowsPath(EnvironmentOr("TAVO_SCREENSHOT_DIR", std::string(TAVO_BINARY_DIR) + "/e2e-screenshots"));
    CreateDirectoryW(shots.c_str(), nullptr);
    ASSERT_TRUE(driver.Start(setupExe)) << "cannot start setup.exe, error " << GetLastError();
  }

  // Waits until a window shows its own pixels at a probe point (the first
  // paint may lag behind the window appearing).
  static void WaitPainted(HWND wnd, POINT probe, COLORREF expected) {
    const DWORD start = GetTickCount();
    while (TWindowDriver::ScreenPixel(wnd, probe) != expected && GetTickCount() - start < 10000) Sleep(100);
    EXPECT_EQ(TWindowDriver::ScreenPixel(wnd, probe), expected) << "window not painted";
    Sleep(300);
  }

  void Photograph(HWND wnd, const wchar_t* name) {
    EXPECT_TRUE(TWindowDriver::Screenshot(wnd, shots + L"\\" + name)) << "cannot save " << name;
  }

  std::wstring setupExe;
  std::wstring shots;
  TWindowDriver driver;
};

TEST_F(SetUpFlowTest, SplashInstallCancelExit) {
  const HWND splash = driver.WaitForWindow(kSplashCaption, kWindowTimeout);
  ASSERT_NE(splash, nullptr) << "no splash window";
  const HWND bar = TWindowDriver::ChildAt(splash, Scaled(kBarOnSplash));
  ASSERT_NE(bar, splash) << "the splash window has no bar";
  WaitPainted(bar, POINT{5, 5}, kBarColor);
  Photograph(splash, L"splash.png");

  TWindowDriver::Click(bar, Scaled(kInstallOnBar));
  const HWND directory = driver.WaitForWindow(kDirectoryCaption, kWindowTimeout);
  ASSERT_NE(directory, nullptr) << "\"安装程序\" did not open the directory window";
  EXPECT_FALSE(IsWindowEnabled(splash)) << "the directory window is not modal";
  // The skinned frame tiles the client area from Lumen's client piece,
  // which starts at (13, 46) of its frame picture.
  WaitPainted(directory, POINT{2, 2}, LumenFramePixel(13 + 2, 46 + 2));
  Photograph(directory, L"directory.png");

  TWindowDriver::Click(directory, Scaled(kCancelOnDirectory));
  ASSERT_TRUE(TWindowDriver::WaitForHidden(directory, kWindowTimeout)) << "\"取消\" did not close the window";
  EXPECT_TRUE(IsWindowVisible(splash));
  EXPECT_TRUE(TWindowDriver::WaitForEnabled(splash, 5000)) << "the splash window stays disabled";

  TWindowDriver::Click(bar, Scaled(kExitOnBar));
  ASSERT_TRUE(driver.WaitForExit(kWindowTimeout)) << "\"退     出 \" did not end the program";
  EXPECT_EQ(driver.ExitCode(), 0u);
}

}  // namespace
}  // namespace tavo::e2e
