// The driver's input as a window of this program receives it: right click,
// double click, drag and key presses arrive as the messages a user's hand
// would make.
#include "tests/e2e/WindowDriver.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace tavo::e2e {
namespace {

struct TInput {
  UINT message;
  WPARAM wParam;
  POINT at;
};

std::vector<TInput> g_inputs;

LRESULT CALLBACK RecordingProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      SetCapture(wnd);
      [[fallthrough]];
    case WM_MOUSEMOVE:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      g_inputs.push_back({msg, wParam, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}});
      return 0;
    case WM_LBUTTONUP:
      ReleaseCapture();
      g_inputs.push_back({msg, wParam, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}});
      return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_CHAR:
      g_inputs.push_back({msg, wParam, {}});
      return 0;
    default:
      return DefWindowProcA(wnd, msg, wParam, lParam);
  }
}

class WindowDriverInput : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = "TavoDriverTest";
    RegisterClassA(&wc);
    wnd_ = CreateWindowExA(WS_EX_TOPMOST, "TavoDriverTest", "driver", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(wnd_, nullptr);
    SetForegroundWindow(wnd_);
    SetFocus(wnd_);
    Pump(100);
    g_inputs.clear();
  }
  void TearDown() override { DestroyWindow(wnd_); }

  // Handles this thread's messages for a while: the input waits in the
  // queue until then.
  static void Pump(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
      Sleep(5);
    } while (GetTickCount() - start < ms);
  }
  // Gives the input from another thread while this one handles messages,
  // as a program under test does while the driver works: moves are not
  // merged in the queue then.
  static void WhilePumping(const std::function<void()>& input) {
    std::atomic<bool> done{false};
    std::thread driver([&] {
      input();
      done = true;
    });
    while (!done) Pump(10);
    driver.join();
    Pump(300);
  }
  static std::vector<UINT> Buttons() {
    std::vector<UINT> out;
    for (const TInput& i : g_inputs)
      if (i.message != WM_MOUSEMOVE) out.push_back(i.message);
    return out;
  }

  HWND wnd_ = nullptr;
};

TEST_F(WindowDriverInput, RightAndDoubleClicksArriveAtTheirPoint) {
  TWindowDriver::RightClick(wnd_, {40, 30});
  Pump(300);
  ASSERT_EQ(Buttons(), (std::vector<UINT>{WM_RBUTTONDOWN, WM_RBUTTONUP}));
  EXPECT_EQ(g_inputs.back().at.x, 40);
  EXPECT_EQ(g_inputs.back().at.y, 30);

  g_inputs.clear();
  TWindowDriver::DoubleClick(wnd_, {120, 80});
  Pump(300);
  ASSERT_EQ(Buttons(), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
  EXPECT_EQ(g_inputs.back().at.x, 120);
  EXPECT_EQ(g_inputs.back().at.y, 80);
}

TEST_F(WindowDriverInput, DragPressesMovesAndReleasesAtTheEnd) {
  WhilePumping([this] { TWindowDriver::Drag(wnd_, {20, 20}, {220, 120}, 4); });
  ASSERT_FALSE(g_inputs.empty());
  std::vector<TInput> moves;
  size_t down = g_inputs.size(), up = g_inputs.size();
  for (size_t i = 0; i < g_inputs.size(); ++i) {
    if (g_inputs[i].message == WM_LBUTTONDOWN && down == g_inputs.size()) down = i;
    if (g_inputs[i].message == WM_LBUTTONUP) up = i;
    if (g_inputs[i].message == WM_MOUSEMOVE && down < i && up == g_inputs.size()) moves.push_back(g_inputs[i]);
  }
  ASSERT_LT(down, up);
  ASSERT_LT(up, g_inputs.size());
  EXPECT_EQ(g_inputs[down].at.x, 20);
  EXPECT_EQ(g_inputs[down].at.y, 20);
  EXPECT_EQ(g_inputs[up].at.x, 220);
  EXPECT_EQ(g_inputs[up].at.y, 120);
  // Moves with the button held, in steps towards the end point.
  ASSERT_GE(moves.size(), 3u);
  for (const TInput& m : moves) EXPECT_NE(m.wParam & MK_LBUTTON, 0u);
  EXPECT_EQ(moves.back().at.x, 220);
  EXPECT_GT(moves[1].at.x, moves[0].at.x);
}

TEST_F(WindowDriverInput, KeysArePressedInOrderAndReleasedInReverse) {
  TWindowDriver::PressKeys({VK_SHIFT, 'A'});
  TWindowDriver::PressKey(VK_RETURN);
  Pump(300);
  std::vector<std::pair<UINT, WPARAM>> got;
  for (const TInput& i : g_inputs) got.emplace_back(i.message, i.wParam);
  const std::vector<std::pair<UINT, WPARAM>> expected{
      {WM_KEYDOWN, VK_SHIFT}, {WM_KEYDOWN, 'A'},    {WM_CHAR, 'A'},         {WM_KEYUP, 'A'},
      {WM_KEYUP, VK_SHIFT},   {WM_KEYDOWN, VK_RETURN}, {WM_CHAR, '\r'}, {WM_KEYUP, VK_RETURN},
  };
  EXPECT_EQ(got, expected);
}

}  // namespace
}  // namespace tavo::e2e
