// Monitor work areas, the version rules and window alpha.
#include "skin/win32/Monitor.h"

#include <gtest/gtest.h>

#include <string>

#include "skin/win32/TestWindow.h"

namespace tavo::skin {
namespace {

struct TVersionCase {
  unsigned major, minor;
  bool xp, layered;
};

class VersionRules : public ::testing::TestWithParam<TVersionCase> {};

TEST_P(VersionRules, XPAndLayered) {
  EXPECT_EQ(win32::IsWindowsXPVersion(GetParam().major, GetParam().minor), GetParam().xp);
  EXPECT_EQ(win32::CanUseLayeredWindowsVersion(GetParam().major, GetParam().minor), GetParam().layered);
}

INSTANTIATE_TEST_SUITE_P(Versions, VersionRules,
                         ::testing::Values(TVersionCase{4, 10, false, false}, TVersionCase{5, 0, false, true},
                                           TVersionCase{5, 1, true, true}, TVersionCase{5, 2, false, true},
                                           TVersionCase{5, 3, false, false}, TVersionCase{6, 0, false, false},
                                           TVersionCase{6, 1, false, false}, TVersionCase{10, 0, false, false}),
                         [](const auto& info) {
                           return std::string("v").append(std::to_string(info.param.major)).append("_").append(
                               std::to_string(info.param.minor));
                         });

// The running system (Wine reports 6.x or 10.0): no layered windows.
TEST(Monitor, RunningSystemIsNotOfTheLayeredEra) {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);
  // GetVersionExA reports at least 6.2 on any system new enough to run us.
  ASSERT_TRUE(GetVersionExA(&info));
  ASSERT_GE(info.dwMajorVersion, 6u);
  EXPECT_FALSE(win32::CanUseLayeredWindows());
  EXPECT_FALSE(win32::IsWindowsXP());
}

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT r, LPARAM out) {
  *reinterpret_cast<RECT*>(out) = *r;
  return FALSE;  // the first monitor is enough
}

TEST(Monitor, WholeMonitorAndWorkArea) {
  ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 1);
  RECT monitor{};
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitor));
  test::TTestWindow window(10, 10, 50, 50);
  const TRect whole = win32::GetMonitorWorkArea(window.Get(), false);
  EXPECT_EQ(whole, (TRect{monitor.left, monitor.top, monitor.right, monitor.bottom}));
  const TRect work = win32::GetMonitorWorkArea(window.Get(), true);
  EXPECT_GE(work.left, whole.left);
  EXPECT_GE(work.top, whole.top);
  EXPECT_LE(work.right, whole.right);
  EXPECT_LE(work.bottom, whole.bottom);
  EXPECT_GT(work.right - work.left, 0);
}

TEST(Monitor, SetWindowAlphaOnALayeredWindow) {
  test::TTestWindow window(10, 10, 50, 50, WS_EX_LAYERED);
  ASSERT_NE(window.Get(), nullptr);
  win32::SetWindowAlpha(window.Get(), 77);
  COLORREF key = 1;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(window.Get(), &key, &alpha, &flags));
  EXPECT_EQ(alpha, 77);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
}

}  // namespace
}  // namespace tavo::skin
