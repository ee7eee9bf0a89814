// The application's error box for failures no handler caught: the system's
// message box with the error icon, the application's title, and the message
// with a full stop when its last character sorts after ".".
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/Exception.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/Application.h"
#include "ui/Timer.h"

namespace tavo::ui {
namespace {

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new testing_support::TUiEnvironment);

struct TBoxSeen {
  std::string caption;
  std::string text;
  bool errorIcon = false;
};

// Shows the error box for `message` and reads it while it is up (the box's
// own message loop runs our timer), then presses OK.
TBoxSeen ShowAndRead(const std::string& message) {
  TBoxSeen seen;
  TTimer watcher;
  watcher.SetInterval(50);
  watcher.OnTimer = [&](TObject&) {
    HWND box = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND wnd, LPARAM found) CALLBACK -> BOOL {
          char cls[32] = {};
          GetClassNameA(wnd, cls, sizeof(cls));
          if (std::string(cls) != "#32770" || !IsWindowVisible(wnd)) return TRUE;
          *reinterpret_cast<HWND*>(found) = wnd;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&box));
    if (!box) return;
    watcher.SetEnabled(false);
    char text[256] = {};
    GetWindowTextA(box, text, sizeof(text));
    seen.caption = text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      char cls[32] = {};
      GetClassNameA(child, cls, sizeof(cls));
      if (_stricmp(cls, "Static") != 0) continue;
      if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        const auto icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        seen.errorIcon = icon && icon == LoadIconA(nullptr, IDI_HAND);
      } else {
        GetWindowTextA(child, text, sizeof(text));
        if (*text) seen.text = text;
      }
    }
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  };
  Application().ShowException(Exception(message));
  return seen;
}

struct TBoxCase {
  std::string message;
  std::string shown;
};

class ErrorBoxTest : public ::testing::TestWithParam<TBoxCase> {};

TEST_P(ErrorBoxTest, ShowsMessageUnderTheTitleWithTheErrorIcon) {
  const std::string title = "\xB0\xB2\xD7\xB0\xB3\xCC\xD0\xF2";
  Application().SetTitle(title);
  const TBoxSeen seen = ShowAndRead(GetParam().message);
  Application().SetTitle("");
  EXPECT_EQ(seen.caption, title);
  EXPECT_EQ(seen.text, GetParam().shown);
  EXPECT_TRUE(seen.errorIcon);
}

INSTANTIATE_TEST_SUITE_P(Messages, ErrorBoxTest,
                         ::testing::Values(TBoxCase{"Disk full", "Disk full."}, TBoxCase{"Done.", "Done."},
                                           TBoxCase{"Stop!", "Stop!"},
                                           // A GBK character's bytes sort after "." too.
                                           TBoxCase{"\xCA\xA7\xB0\xDC", "\xCA\xA7\xB0\xDC."}));

}  // namespace
}  // namespace tavo::ui
