// A skinned main form with a tray icon and a skin hint: minimizing to the
// tray hides the form and adds the icon, a double-click callback brings it
// back and removes the icon, the close button's hint shows in Lumen's hint
// picture, topmost and never activated; a frame without either leaves
// both paths idle.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "skin/BmpReader.h"
#include "skin/win32/SkinHint.h"
#include "skin/win32/TrayIcon.h"
#include "skin/win32/TrayIconFrame.h"
#include "tests/skin/win32/SkinFormTestSupport.h"
#include "ui/Application.h"

namespace tavo::skin {
namespace {

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ui::testing_support::TUiEnvironment);

// Timers the test ticks by hand; each leaves the list when destroyed.
struct TTickTimer : TControlTimer {
  explicit TTickTimer(std::vector<TTickTimer*>& all) : all_(all) { all_.push_back(this); }
  ~TTickTimer() override { std::erase(all_, this); }
  void Start(unsigned ms) override {
    running = true;
    interval = ms;
  }
  void Stop() override { running = false; }
  bool Running() const override { return running; }
  bool running = false;
  unsigned interval = 0;
  std::vector<TTickTimer*>& all_;
};

struct TClock {
  std::vector<TTickTimer*> timers;
  TControlTimerFactory Factory() {
    return [this] { return std::unique_ptr<TControlTimer>(new TTickTimer(timers)); };
  }
  TTickTimer* Running(unsigned interval) {
    for (TTickTimer* t : timers)
      if (t->running && t->interval == interval) return t;
    return nullptr;
  }
};

// The one main form of the program, skinned with Lumen.
struct TMainForm {
  static TMainForm& Get() {
    static TMainForm main;
    return main;
  }
  ui::TForm& form = ui::Application().CreateForm<ui::TForm>(frame_test::FrameLayout(ui::TBorderStyle::bsSingle));
  TClock clock;
  TSkinForm frame{&form, clock.Factory()};
  TCompressedStoredSkin stored;
  TSkinData data{&form};
  TMainForm() {
    frame_test::LoadLumen(data, stored);
    frame.SetSkinData(&data);
  }
};

struct TRecordedCall {
  DWORD op;
  UINT size;
  UINT id;
  UINT callback;
  std::string tip;
};

TTrayIconApi Recording(std::vector<TRecordedCall>& calls) {
  TTrayIconApi api;
  api.NotifyIcon = [&calls](DWORD op, NOTIFYICONDATAA* d) {
    calls.push_back({op, d->cbSize, d->uID, d->uCallbackMessage, d->szTip});
    return TRUE;
  };
  api.CursorPos = [](POINT& at) {
    at = {640, 1000};
    return true;
  };
  return api;
}

void Pump() { ui::testing_support::PumpUntil([] { return false; }, 300); }

TEST(TrayIconWine, MinimizeToTrayHidesTheFormAndDoubleClickBringsItBack) {
  TMainForm& main = TMainForm::Get();
  main.form.Show();
  Pump();
  std::vector<TRecordedCall> calls;
  TClock trayClock;
  TTrayIcon tray(&main.form, Recording(calls), trayClock.Factory());
  tray.SetHint("呼叫中心");
  AssignTrayIcon(main.frame, tray);
  calls.clear();

  main.frame.ExecuteCommand(TStdCommand::cmMinimizeToTray);
  Pump();
  EXPECT_FALSE(IsWindowVisible(main.form.Handle()));
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back().op, static_cast<DWORD>(NIM_ADD));
  EXPECT_TRUE(tray.IconVisible());
  // The record's size is the build's own: 488 bytes for 32 bits, 504 for 64.
  EXPECT_EQ(calls.back().size, sizeof(void*) == 8 ? 504u : 488u);
  EXPECT_EQ(calls.back().id, 1u);
  EXPECT_EQ(calls.back().callback, static_cast<UINT>(WM_USER + 1024));
  EXPECT_EQ(calls.back().tip, "呼叫中心");

  SendMessageA(tray.WindowHandle(), kTrayCallbackMessage, 1, WM_LBUTTONDBLCLK);
  Pump();
  EXPECT_TRUE(IsWindowVisible(main.form.Handle()));
  EXPECT_EQ(calls.back().op, static_cast<DWORD>(NIM_DELETE));
  EXPECT_FALSE(tray.IconVisible());
}

TEST(TrayIconWine, HiddenWindowAnswersTheTaskbarAndSurvivesCloseRequests) {
  TMainForm& main = TMainForm::Get();
  std::vector<TRecordedCall> calls;
  TClock trayClock;
  TTrayIcon tray(&main.form, Recording(calls), trayClock.Factory());
  EXPECT_EQ(SendMessageA(tray.WindowHandle(), WM_CLOSE, 0, 0), 1);
  EXPECT_TRUE(IsWindow(tray.WindowHandle()));
  EXPECT_FALSE(IsWindowVisible(tray.WindowHandle()));
  EXPECT_EQ(GetParent(tray.WindowHandle()), nullptr);
  calls.clear();
  SendMessageA(ui::Application().Handle(), tray.TaskbarCreatedMessage(), 0, 0);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].op, static_cast<DWORD>(NIM_ADD));
  tray.SetIconVisible(false);
  calls.clear();
  SendMessageA(ui::Application().Handle(), tray.TaskbarCreatedMessage(), 0, 0);
  EXPECT_TRUE(calls.empty());
}

TEST(TrayIconWine, OneRealNotificationAreaCall) {
  TMainForm& main = TMainForm::Get();
  TTrayIcon tray(&main.form);  // the system's Shell_NotifyIcon
  tray.SetHint("tray smoke test");
  tray.SetIconVisible(true);
  tray.SetIconVisible(false);
  EXPECT_EQ(tray.Record().cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V2_SIZE));
}

TEST(SkinHintWine, CloseButtonHintShowsInLumenTopmostAndUnactivated) {
  TMainForm& main = TMainForm::Get();
  main.form.Show();
  Pump();
  TClock hintClock;
  TSkinHint hint(&main.form, hintClock.Factory());
  hint.SetSkinData(&main.data);
  main.frame.RefreshObjectHints();
  std::string closeHint;
  for (const auto& object : main.frame.Objects())
    if (object->IDName == "closebutton") closeHint = object->Hint;
  ASSERT_EQ(closeHint, "\xB9\xD8\xB1\xD5");  // "关闭" in code page 936

  for (const auto& object : main.frame.Objects())
    if (object->IDName == "closebutton") {
      RECT f;
      GetWindowRect(main.form.Handle(), &f);
      SetCursorPos(f.left + object->ObjectRect.left + 4, f.top + object->ObjectRect.top + 4);
    }
  HWND before = GetForegroundWindow();
  hint.ShowHintText(closeHint);
  TTickTimer* pause = hintClock.Running(ui::Hints().HintPause);
  ASSERT_NE(pause, nullptr);
  EXPECT_FALSE(hint.HintWindow().Showing());
  pause->OnTick();
  Pump();
  TSkinHintWindow& window = hint.HintWindow();
  ASSERT_TRUE(window.Showing());
  EXPECT_TRUE(window.Skinned());
  EXPECT_TRUE(IsWindowVisible(window.Handle()));
  EXPECT_TRUE(GetWindowLongPtrA(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongPtrA(window.Handle(), GWL_STYLE) & WS_BORDER);
  EXPECT_EQ(GetForegroundWindow(), before);
  EXPECT_NE(GetActiveWindow(), window.Handle());
  EXPECT_EQ(SendMessageA(window.Handle(), WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);
  RECT r;
  GetWindowRect(window.Handle(), &r);
  // Never smaller than Lumen's 40 x 30 hint picture.
  EXPECT_GE(r.right - r.left, 40);
  EXPECT_EQ(r.bottom - r.top, 30);
  // What the window shows is the composed picture.
  const TBitmap composed = window.Compose();
  const TBitmap shown = frame_test::ScreenOf(window.Handle());
  EXPECT_EQ(frame_test::CountDifferences(composed, shown, [](int, int) { return true; }), 0);
  // The picture of docs/tray-hints.md: the form with the hint under it.
  if (const char* folder = std::getenv("TAVO_TRAY_SHOTS"); folder && *folder) {
    RECT f;
    GetWindowRect(main.form.Handle(), &f);
    HDC screen = GetDC(nullptr);
    const TBitmap shot = win32::CaptureDC(
        screen, TRect{std::min(f.left, r.left) - 10, std::min(f.top, r.top) - 10, std::max(f.right, r.right) + 10,
                      std::max(f.bottom, r.bottom) + 10});
    ReleaseDC(nullptr, screen);
    const std::vector<uint8_t> bytes = WriteBmpImage(shot);
    std::ofstream(std::string(folder) + "/tray-hint-close.bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }

  // The hide pause runs on the same timer; its tick hides the window.
  TTickTimer* stay = hintClock.Running(ui::Hints().HintHidePause);
  ASSERT_NE(stay, nullptr);
  stay->OnTick();
  EXPECT_FALSE(window.Showing());
  EXPECT_FALSE(IsWindowVisible(window.Handle()));
  EXPECT_EQ(hint.HintTimer(), nullptr);
  EXPECT_EQ(ui::Hints().HintShortPause, 100u);
}

TEST(SkinHintWine, QuickSeriesShowsOnlyTheLastText) {
  TMainForm& main = TMainForm::Get();
  TClock hintClock;
  TSkinHint hint(&main.form, hintClock.Factory());
  hint.ShowHintText("最小化");
  hint.ShowHintText("关闭");
  ASSERT_EQ(hintClock.timers.size(), 1u);
  hintClock.timers[0]->OnTick();
  EXPECT_EQ(hint.HintWindow().Text(), "关闭");
  EXPECT_FALSE(hint.HintWindow().Skinned());  // no skin data: the plain look
  hint.HideHintText();
  EXPECT_FALSE(hint.HintWindow().Showing());
}

}  // namespace
}  // namespace tavo::skin
