// The tray and hint programs' shared pieces: timers ticked by hand, the
// one skinned main form, a notification area that records its calls, and
// pictures of the screen for docs/.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "skin/BmpReader.h"
#include "skin/win32/SkinForm.h"
#include "skin/win32/TrayIcon.h"
#include "tests/skin/win32/SkinFormTestSupport.h"
#include "ui/Application.h"

namespace tavo::skin::tray_test {

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

// The one main form of the program, skinned with Lumen; its border icons
// include minimize to tray, so its system menu carries that item.
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
    frame.SetBorderIcons({TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize,
                          TBorderIcon::biRollUp, TBorderIcon::biMinimizeToTray});
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

// A notification area that records what it is given; the cursor sits at
// (640, 1000).
inline TTrayIconApi Recording(std::vector<TRecordedCall>& calls) {
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

inline std::vector<DWORD> Ops(const std::vector<TRecordedCall>& calls) {
  std::vector<DWORD> ops;
  for (const TRecordedCall& c : calls) ops.push_back(c.op);
  return ops;
}

inline void Pump(DWORD ms = 300) { ui::testing_support::PumpUntil([] { return false; }, ms); }

// Shows the main form and makes it the active window.
inline TMainForm& ShownMainForm() {
  TMainForm& main = TMainForm::Get();
  main.form.Show();
  SetForegroundWindow(main.form.Handle());
  ui::testing_support::PumpUntil([&] { return main.form.Active(); }, 2000);
  Pump(100);
  return main;
}

// The first visible object of the frame with this IDName, or null.
inline const TActiveSkinObject* ObjectNamed(const TSkinForm& frame, const std::string& idName) {
  for (const auto& object : frame.Objects())
    if (object->IDName == idName) return object.get();
  return nullptr;
}

// The screen point at the middle of an object of the form.
inline POINT ScreenPointOf(const ui::TForm& form, const TActiveSkinObject& object) {
  RECT w;
  GetWindowRect(form.Handle(), &w);
  const TRect& r = object.ObjectRect;
  return POINT{w.left + (r.left + r.right) / 2, w.top + (r.top + r.bottom) / 2};
}

// With TAVO_TRAY_SHOTS set, the screen inside `area` (grown by 10 pixels)
// is written to that folder as name.bmp.
inline void SaveShot(const std::string& name, RECT area) {
  const char* folder = std::getenv("TAVO_TRAY_SHOTS");
  if (!folder || !*folder) return;
  HDC screen = GetDC(nullptr);
  const TBitmap shot =
      win32::CaptureDC(screen, TRect{area.left - 10, area.top - 10, area.right + 10, area.bottom + 10});
  ReleaseDC(nullptr, screen);
  const std::vector<uint8_t> bytes = WriteBmpImage(shot);
  std::ofstream(std::string(folder) + "/" + name + ".bmp", std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline RECT Union(RECT a, RECT b) {
  return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

inline RECT WindowRectOf(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return r;
}

}  // namespace tavo::skin::tray_test
