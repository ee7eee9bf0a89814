// Drives another program's windows the way a user does: starts it, waits
// for its windows by caption, clicks with the system's mouse input, takes
// screenshots of what is on the screen, and waits for the program to end.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

namespace tavo::e2e {

// A Windows path for a path given either way: "/x/y" (a host path, as CTest
// passes them) becomes "Z:\x\y", the drive Wine maps to the host's root.
std::wstring WindowsPath(const std::string& path);

// A value from the environment, or the fallback when it is not set.
std::string EnvironmentOr(const char* name, const std::string& fallback);

class TWindowDriver {
 public:
  TWindowDriver() = default;
  ~TWindowDriver();
  TWindowDriver(const TWindowDriver&) = delete;
  TWindowDriver& operator=(const TWindowDriver&) = delete;

  // Starts the program in its own directory; false when it cannot start.
  bool Start(const std::wstring& exe);
  DWORD ProcessId() const { return info_.dwProcessId; }
  // Waits for the program to end; false on timeout. ExitCode is then valid.
  bool WaitForExit(DWORD timeoutMs);
  DWORD ExitCode() const;
  bool Running() const;

  // A visible top-level window of the program with this caption; null when
  // none shows up in time.
  HWND WaitForWindow(const std::wstring& caption, DWORD timeoutMs) const;
  // Waits until the window is hidden or gone.
  static bool WaitForHidden(HWND wnd, DWORD timeoutMs);
  // Waits until the window takes input again (a modal window above it has
  // closed); false on timeout.
  static bool WaitForEnabled(HWND wnd, DWORD timeoutMs);
  // The colour the screen shows at a client point of wnd.
  static COLORREF ScreenPixel(HWND wnd, POINT clientPoint);
  // The child window at a client point of wnd (wnd itself when none).
  static HWND ChildAt(HWND wnd, POINT clientPoint);

  // Moves the mouse to a client point of wnd and clicks the left button.
  static void Click(HWND wnd, POINT clientPoint);
  // Moves the mouse to a client point of wnd and clicks the right button.
  static void RightClick(HWND wnd, POINT clientPoint);
  // Two left clicks at a client point, well inside the system's
  // double-click time.
  static void DoubleClick(HWND wnd, POINT clientPoint);
  // Presses the left button at one client point, moves in `steps` even
  // steps to the other and releases it there.
  static void Drag(HWND wnd, POINT from, POINT to, int steps = 8);
  // Moves the mouse to a client point of wnd without pressing anything.
  static void MoveMouse(HWND wnd, POINT clientPoint);
  // Presses and releases one key (a virtual-key code) in the window that
  // has the keyboard focus.
  static void PressKey(WORD key);
  // Presses the keys in order and releases them in reverse: {VK_MENU,
  // VK_SPACE} is Alt+Space.
  static void PressKeys(std::initializer_list<WORD> keys);
  // Saves what the screen shows of the window as a PNG file.
  static bool Screenshot(HWND wnd, const std::wstring& file);

  // Scales a length given at 96 dots per inch to the screen.
  static int Scale(int value);

 private:
  // One mouse event at a screen point (absolute coordinates).
  static void SendMouse(POINT screenPoint, DWORD flags);
  static void SendKey(WORD key, bool up);

  PROCESS_INFORMATION info_{};
};

}  // namespace tavo::e2e
