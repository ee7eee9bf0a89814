// What the installation tests look at from outside setup.exe: files and
// trees, shortcuts read back through the shell, message boxes, the status
// window, the programs setup.exe starts, and the clicks on the windows.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tavo::e2e {

std::string Narrow(const std::wstring& text);  // UTF-8, for messages
std::wstring ToLower(std::wstring text);

// Makes a folder with its parents; removes a tree, read-only files included.
void ForceDirectories(const std::wstring& dir);
void RemoveTree(const std::wstring& dir);

bool WriteFileBytes(const std::wstring& file, const std::string& bytes);
std::string ReadFileBytes(const std::wstring& file);
// The traces the demo programs ("install-trace.log") and postinst.bat
// ("postinst-trace.log") append to at the install root, one after the
// other; empty when there are none.
std::string ReadTrace(const std::wstring& installDir);

struct TFileFacts {
  bool directory = false;
  bool readOnly = false;
  unsigned long long writeTime = 0;
  std::string content;
};
// Every file and folder below dir by its relative path.
std::map<std::wstring, TFileFacts> ListTree(const std::wstring& dir);

// The user's desktop folder as the shell names it.
std::wstring DesktopDirectory();

struct TShortcut {
  std::wstring target;
  std::wstring workingDirectory;
};
// Loads a shortcut file through IShellLinkA; false when it cannot.
bool ReadShortcut(const std::wstring& file, TShortcut& link);

// A message box: its text, its buttons' ids and whether it shows an icon.
struct TBoxFacts {
  std::wstring text;
  std::vector<int> buttons;
  bool icon = false;
};
TBoxFacts ReadBox(HWND box);
// A message box of the process with this caption (the application's own
// window carries the same title, so boxes are told by their dialog class);
// null when none comes in time.
HWND WaitForBox(DWORD processId, const std::wstring& caption, DWORD timeoutMs);
// Clicks the box's button with this id with the mouse.
void ClickButton(HWND box, int id);
// Moves the box below the window so that both can be photographed.
void MoveAside(HWND box, HWND wnd);

// The text of the window's first child (the status line of the status
// window).
std::wstring ChildText(HWND wnd);
// The status window: the program's top-level window, shown or not, whose
// client area is 512 × 47 at 96 dots per inch.
HWND FindStatusWindow(DWORD processId);
// The visible top-level window of the process nearest the top.
HWND TopWindowOf(DWORD processId);

// The splash window's bar painted; its two captions; the directory window's
// edit box and buttons.
void WaitPaintedBar(HWND splash);
void ClickInstall(HWND splash);
void ClickExit(HWND splash);
bool TypeDirectory(HWND directory, const std::wstring& text);
void ClickNext(HWND directory);
void ClickCancel(HWND directory);
// Opens the last entry of the directory list (the last sub-directory of
// the current directory) as the keyboard does: select it, press Enter.
// False when the window has no directory list.
bool OpenLastDirectoryEntry(HWND directory);
// Opens or closes the drop-down list of the directory window's drive list;
// false when there is none.
bool ShowDriveList(HWND directory, bool show);
// The text of the directory window's edit box.
std::wstring DirectoryText(HWND directory);

// A program started by the watched process.
struct TChildProcess {
  DWORD id = 0;
  std::wstring exe;
  FILETIME created{};
  // The window state it was started with (STARTUPINFO's wShowWindow, when
  // STARTF_USESHOWWINDOW is set), read from the process while it runs.
  bool startupRead = false;
  bool usesShowWindow = false;
  unsigned showWindow = 0;
};

// Watches, on its own thread, for processes whose parent is the given
// process and notes when each was created.
class TChildWatcher {
 public:
  explicit TChildWatcher(DWORD parentId);
  ~TChildWatcher();
  TChildWatcher(const TChildWatcher&) = delete;
  TChildWatcher& operator=(const TChildWatcher&) = delete;

  std::vector<TChildProcess> Children() const;
  // Waits until the follow-up programs installed at installDir have left
  // their traces and the traces have stopped growing (or the time is up);
  // the children seen.
  std::vector<TChildProcess> WaitFor(const std::wstring& installDir, DWORD timeoutMs);

 private:
  void Poll();

  DWORD parentId_;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::map<DWORD, TChildProcess> seen_;
  std::thread thread_;
};

}  // namespace tavo::e2e
