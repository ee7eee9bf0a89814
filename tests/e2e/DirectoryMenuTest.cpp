// End to end: the directory window's system menu under Wine, found as the
// system shows it (a visible window of the popup class owned by the
// program, its rectangle and its pixels on the screen). A right click on
// the top band opens it at the cursor, Lumen-drawn, with four 20-pixel
// items and a 5-pixel divider; Down, Down, Return rolls the window up;
// Escape closes it and gives the keys back to Edit1; a press on the
// system-menu button opens it below the button; clicking "关闭(&C)" closes
// the window like "取消". Screenshots go to TAVO_SCREENSHOT_DIR.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "tests/e2e/SetUpWindows.h"
#include "tests/e2e/WindowDriver.h"

namespace tavo::e2e {
namespace {

// Window pixels of the 563 x 262 directory window (Lumen is not scaled):
// a point of the caption object no windowed control covers, the
// system-menu button (Lumen "sysmenubutton" 6,18,23,35, left of the middle
// so it keeps its place), and Edit1 at 96 dots per inch.
constexpr POINT kBand{288, 25};
constexpr POINT kSystemMenuButton{14, 26};
constexpr RECT kSystemMenuButtonRect{6, 18, 23, 35};
constexpr POINT kOnEdit1{24 + 400, 199 + 10};
constexpr int kLumenMinHeight = 55;

// Lumen's popup: items from y = 3 (the "itemsrect" top), 20 pixels each,
// the divider 5; 4 x 20 + 5 + 6 = 91 high.
constexpr int kItemsTop = 3, kItemHeight = 20, kDividerHeight = 5, kPopupHeight = 91;
constexpr int kCloseItemTop = kItemsTop + 3 * kItemHeight + kDividerHeight;

const wchar_t kPopupClass[] = L"TavoSkinPopupWindow";

RECT BoundsOf(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return r;
}

std::string Show(const RECT& r) {
  char text[64];
  snprintf(text, sizeof text, "(%ld, %ld, %ld, %ld)", r.left, r.top, r.right, r.bottom);
  return text;
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(50);
  }
  return true;
}

// The visible popup menu windows of a process.
std::vector<HWND> PopupsOf(DWORD processId) {
  struct TSearch {
    DWORD pid;
    std::vector<HWND> found;
  } search{processId, {}};
  EnumWindows(
      [](HWND wnd, LPARAM l) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<TSearch*>(l);
        DWORD pid = 0;
        GetWindowThreadProcessId(wnd, &pid);
        wchar_t name[64] = {};
        GetClassNameW(wnd, name, 64);
        if (pid == s->pid && IsWindowVisible(wnd) && wcscmp(name, kPopupClass) == 0) s->found.push_back(wnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return c;
}

// The popup's selectable rows (the four items, not the divider) as the
// screen shows them: a pixel of each row right of its text, where only the
// item's background is drawn. The highlighted row is the one whose pixel
// differs from the others'; -1 when they do not tell one row apart.
int HighlightedRow(HWND popup) {
  const RECT r = BoundsOf(popup);
  const int x = r.right - 8;
  const int tops[] = {kItemsTop, kItemsTop + kItemHeight, kItemsTop + 2 * kItemHeight, kCloseItemTop};
  COLORREF c[4];
  for (int i = 0; i < 4; ++i) c[i] = ScreenPixel(x, r.top + tops[i] + kItemHeight / 2);
  for (int i = 0; i < 4; ++i) {
    bool othersAgree = true, differs = true;
    COLORREF other = CLR_INVALID;
    for (int j = 0; j < 4; ++j) {
      if (j == i) continue;
      if (other == CLR_INVALID) other = c[j];
      othersAgree = othersAgree && c[j] == other;
      differs = differs && c[j] != c[i];
    }
    if (othersAgree && differs) return i;
  }
  return -1;
}

class DirectoryMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::wstring exe =
        WindowsPath(EnvironmentOr("TAVO_SETUP_EXE", std::string(TAVO_BINARY_DIR) + "/app/setup.exe"));
    shots = WindowsPath(EnvironmentOr("TAVO_SCREENSHOT_DIR", std::string(TAVO_BINARY_DIR) + "/e2e-screenshots"));
    CreateDirectoryW(shots.c_str(), nullptr);
    ASSERT_TRUE(driver.Start(exe)) << "cannot start setup.exe, error " << GetLastError();
    splash = driver.WaitForWindow(kSplashCaption, kWindowTimeout);
    ASSERT_NE(splash, nullptr) << "no splash window";
    bar = TWindowDriver::ChildAt(splash, Scaled(kBarOnSplash));
    ASSERT_NE(bar, splash);
    Sleep(1000);
    TWindowDriver::Click(bar, Scaled(kInstallOnBar));
    directory = driver.WaitForWindow(kDirectoryCaption, kWindowTimeout);
    ASSERT_NE(directory, nullptr) << "\"安装程序\" did not open the directory window";
    Sleep(1500);
    ASSERT_EQ(TWindowDriver::ChildAt(directory, kBand), directory) << "a windowed control covers the band point";
    ASSERT_EQ(TWindowDriver::ChildAt(directory, kSystemMenuButton), directory)
        << "a windowed control covers the system-menu button";
  }

  void TearDown() override {
    if (!driver.Running()) return;
    if (IsWindowVisible(directory)) PostMessageW(directory, WM_CLOSE, 0, 0);
    if (!WaitUntil([&] { return IsWindowEnabled(splash) != FALSE; })) return;
    TWindowDriver::Click(bar, Scaled(kExitOnBar));
    EXPECT_TRUE(driver.WaitForExit(kWindowTimeout)) << "\"退     出 \" did not end the program";
  }

  // Waits for the one popup of the program; null when none shows.
  HWND WaitForPopup() {
    HWND found = nullptr;
    WaitUntil([&] {
      const auto popups = PopupsOf(driver.ProcessId());
      if (popups.size() == 1) found = popups.front();
      return found != nullptr;
    });
    Sleep(300);  // let its paint reach the screen
    return found;
  }
  bool WaitForNoPopup() {
    return WaitUntil([&] { return PopupsOf(driver.ProcessId()).empty(); });
  }
  void Photograph(HWND wnd, const wchar_t* name) {
    EXPECT_TRUE(TWindowDriver::Screenshot(wnd, shots + L"\\" + name)) << "cannot save " << name;
  }
  std::wstring Edit1Text() {
    wchar_t text[512] = {};
    SendMessageW(TWindowDriver::ChildAt(directory, Scaled(kOnEdit1)), WM_GETTEXT, 512,
                 reinterpret_cast<LPARAM>(text));
    return text;
  }
  // The open popup's rows checked while keys move the highlight.
  void ExpectHighlight(HWND popup, int row, const char* after) {
    EXPECT_TRUE(WaitUntil([&] { return HighlightedRow(popup) == row; }, 2000))
        << "after " << after << " the highlighted row is " << HighlightedRow(popup) << ", expected " << row;
  }

  std::wstring shots;
  TWindowDriver driver;
  HWND splash = nullptr, bar = nullptr, directory = nullptr;
};

TEST_F(DirectoryMenuTest, RightClickOnTheBandOpensItAtTheCursorAndDownDownReturnRollsUp) {
  const RECT before = BoundsOf(directory);
  TWindowDriver::RightClick(directory, kBand);
  const HWND popup = WaitForPopup();
  ASSERT_NE(popup, nullptr) << "a right click on the band opened no menu";
  const RECT p = BoundsOf(popup);
  EXPECT_EQ(p.left, before.left + kBand.x) << Show(p);
  EXPECT_EQ(p.top, before.top + kBand.y) << Show(p);
  EXPECT_EQ(p.bottom - p.top, kPopupHeight) << "four items of 20 and a divider of 5 in Lumen's popup";
  EXPECT_GT(p.right - p.left, 64);
  EXPECT_NE(GetForegroundWindow(), popup) << "the menu never takes the activation";
  // The first item, "最小化(&n)", waits highlighted.
  ExpectHighlight(popup, 0, "opening");
  Photograph(directory, L"menu-system-open.png");

  TWindowDriver::PressKey(VK_DOWN);
  ExpectHighlight(popup, 1, "Down");
  TWindowDriver::PressKey(VK_DOWN);
  ExpectHighlight(popup, 2, "Down, Down");
  Photograph(directory, L"menu-system-rollup-item.png");
  TWindowDriver::PressKey(VK_RETURN);
  EXPECT_TRUE(WaitForNoPopup()) << "Return left the menu open";
  EXPECT_TRUE(WaitUntil([&] {
    const RECT r = BoundsOf(directory);
    return r.bottom - r.top == kLumenMinHeight;
  })) << "向上卷拢 rolled the window to " << Show(BoundsOf(directory));
  EXPECT_EQ(BoundsOf(directory).right - BoundsOf(directory).left, 563);
  Sleep(300);
  Photograph(directory, L"menu-system-rolled-up.png");
}

TEST_F(DirectoryMenuTest, EscapeClosesTheMenuAndTheKeysGoBackToEdit1) {
  TWindowDriver::Click(directory, Scaled(kOnEdit1));
  Sleep(200);
  TWindowDriver::PressKey(VK_END);
  const std::wstring start = Edit1Text();
  TWindowDriver::RightClick(directory, kBand);
  const HWND popup = WaitForPopup();
  ASSERT_NE(popup, nullptr);
  // While the menu is open the keys are the menu's: nothing reaches Edit1.
  TWindowDriver::PressKey('Q');
  Sleep(300);
  EXPECT_EQ(Edit1Text(), start) << "a key went to Edit1 while the menu was open";
  TWindowDriver::PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitForNoPopup()) << "Escape left the menu open";
  EXPECT_TRUE(IsWindowVisible(directory));
  EXPECT_EQ(BoundsOf(directory).bottom - BoundsOf(directory).top, 262) << "Escape ran a command";
  // Menu mode is over: the keys reach Edit1 again.
  TWindowDriver::PressKey('Z');
  EXPECT_TRUE(WaitUntil([&] { return Edit1Text() == start + L"z"; }, 2000))
      << "Edit1 holds \"" << std::string(Edit1Text().begin(), Edit1Text().end()) << "\"";
}

TEST_F(DirectoryMenuTest, ThePressOnTheSystemMenuButtonOpensItBelowAndCloseClosesTheWindow) {
  const RECT w = BoundsOf(directory);
  TWindowDriver::Click(directory, kSystemMenuButton);
  const HWND popup = WaitForPopup();
  ASSERT_NE(popup, nullptr) << "the system-menu button opened no menu";
  const RECT p = BoundsOf(popup);
  EXPECT_EQ(p.left, w.left + kSystemMenuButtonRect.left) << Show(p);
  EXPECT_EQ(p.top, w.top + kSystemMenuButtonRect.bottom) << Show(p);
  EXPECT_EQ(p.bottom - p.top, kPopupHeight);
  Photograph(directory, L"menu-system-button.png");

  // The mouse resting on "关闭(&C)" highlights it; a click runs it.
  const POINT onClose{p.left + 30, p.top + kCloseItemTop + kItemHeight / 2};
  SetCursorPos(onClose.x, onClose.y);
  TWindowDriver::MoveMouse(popup, POINT{30, kCloseItemTop + kItemHeight / 2});
  ExpectHighlight(popup, 3, "resting on 关闭");
  Photograph(directory, L"menu-system-close-item.png");
  TWindowDriver::Click(popup, POINT{30, kCloseItemTop + kItemHeight / 2});
  EXPECT_TRUE(TWindowDriver::WaitForHidden(directory, kWindowTimeout)) << "关闭(&C) did not close the window";
  EXPECT_TRUE(WaitForNoPopup());
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(splash) != FALSE; })) << "the splash window stays disabled";
}

}  // namespace
}  // namespace tavo::e2e
