// Skin notifications reaching real windows: synchronously, owner form first,
// with the skin data and 1000 as parameters.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <vector>

#include "skin/SkinFormat.h"
#include "skin/win32/SkinBroadcast.h"

namespace tavo::skin {
namespace {

struct TDelivery {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool emptyThen;
  size_t controlsThen;
};

std::vector<TDelivery> g_deliveries;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsSkinMessage(message)) {
    const TSkinData* data = SkinDataOfMessage(wParam);
    g_deliveries.push_back({hwnd, message, wParam, lParam, data->IsEmpty, data->SkinControls.size()});
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class SkinBroadcast : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TavoSkinBroadcastTest";
    RegisterClassA(&wc);
  }
  static HWND NewWindow() {
    return CreateWindowExA(0, "TavoSkinBroadcastTest", "form", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  void SetUp() override { g_deliveries.clear(); }

  // A stored skin with one control, built as skinc builds one.
  static void MakeSkin(TCompressedStoredSkin& stored) {
    ASSERT_TRUE(stored.BuildFromSkinText(
        "[VERSION]\r\nskinname=w\r\n[PICTURES]\r\nx=1\r\n[FORMINFO]\r\nclientrect=1,1,2,2\r\n"
        "[SKINOBJECTS]\r\ncount=0\r\n[SKINCONTROLS]\r\ncount=1\r\n0=b:button\r\n",
        ""));
  }
};

TEST_F(SkinBroadcast, SentToEveryWindowOwnerFirstAndSynchronously) {
  TSkinNotifier notifier;
  HWND a = NewWindow(), b = NewWindow(), c = NewWindow();
  ASSERT_TRUE(a && b && c);
  {
    TSkinWindowLink la(a, notifier), lb(b, notifier), lc(c, notifier);
    TCompressedStoredSkin stored;
    MakeSkin(stored);
    TSkinData data(b, &notifier);  // owned by the form whose window is b
    data.SetCompressedStoredSkin(&stored);
    ASSERT_EQ(g_deliveries.size(), 9u);
    const UINT order[] = {MsgSkinChanging, MsgSkinChanged, MsgSkinChangedAfter};
    const HWND windows[] = {b, a, c};
    for (size_t i = 0; i < 9; ++i) {
      EXPECT_EQ(g_deliveries[i].message, order[i / 3]) << i;
      EXPECT_EQ(g_deliveries[i].window, windows[i % 3]) << i;
      EXPECT_EQ(g_deliveries[i].wParam, reinterpret_cast<WPARAM>(&data));
      EXPECT_EQ(g_deliveries[i].lParam, 1000);
    }
    EXPECT_TRUE(g_deliveries[0].emptyThen);
    EXPECT_FALSE(g_deliveries[3].emptyThen);
    EXPECT_EQ(g_deliveries[3].controlsThen, 1u);

    // Reloading: every window has handled 1225 while the old records still
    // exist, because the broadcast returns only after they did.
    g_deliveries.clear();
    data.SetCompressedStoredSkin(&stored);
    ASSERT_GE(g_deliveries.size(), 3u);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(g_deliveries[i].controlsThen, 1u);

    g_deliveries.clear();
    TResourceStrData strings;
    data.SetResourceStrData(&strings);
    ASSERT_EQ(g_deliveries.size(), 3u);
    EXPECT_EQ(g_deliveries[0].message, MsgResStringsChanged);
    EXPECT_EQ(g_deliveries[0].window, b);
  }
  DestroyWindow(a);
  DestroyWindow(b);
  DestroyWindow(c);
}

TEST_F(SkinBroadcast, LateWindowsAndUnlinkedWindows) {
  TSkinNotifier notifier;
  HWND late = nullptr;
  int asked = 0;
  TSkinWindowLink lateLink(
      &late,
      [&] {
        ++asked;
        if (!late) late = NewWindow();  // getting the window creates it
        return late;
      },
      notifier);
  HWND gone = NewWindow();
  auto goneLink = std::make_unique<TSkinWindowLink>(gone, notifier);
  goneLink.reset();  // a destroyed form leaves the list
  DestroyWindow(gone);
  TSkinData data(nullptr, &notifier);
  data.BroadcastToForms(MsgSkinChanged);
  ASSERT_EQ(g_deliveries.size(), 1u);
  EXPECT_EQ(g_deliveries[0].window, late);
  EXPECT_EQ(asked, 1);
  DestroyWindow(late);
}

}  // namespace
}  // namespace tavo::skin
