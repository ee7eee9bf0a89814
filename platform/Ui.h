// The few user-interface services the engines call: message pumping, the
// message box and the file and directory dialogs. A POSIX host has no
// windows: pumping does nothing, the message box answers a configurable
// value without printing anything, and dialogs are cancelled.
#pragma once

#include <functional>
#include <string>

namespace tavo::platform {

// Dispatches the pending window messages of the calling thread; a quit
// message met here is posted again and ends the dispatch. When the program
// has set a message pump, the dispatch is the pump's, so that its keyboard
// handling and its report of failures raised in handlers go on during long
// work as well.
void ProcessMessages();
// Sets the pump ProcessMessages hands the dispatch to; an empty function
// returns to the plain dispatch.
void SetMessagePump(std::function<void()> pump);

// MessageBoxA without an owner window; returns the button chosen
// (1 OK, 2 Cancel, 6 Yes, 7 No, ...).
int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags);
// POSIX only: the answer MessageBox gives (default 2, Cancel).
void SetMessageBoxAnswer(int answer);

// File-open dialog. The filter lists description|pattern pairs separated by
// "|". Returns false when cancelled; otherwise the chosen path.
bool OpenFileDialog(const std::string& title, const std::string& filter, const std::string& initialDir,
                    std::string& chosen);
// Directory-selection dialog; false when cancelled.
bool SelectDirectoryDialog(const std::string& caption, const std::string& initialDir, std::string& chosen);

// Shows the default arrow cursor while the object lives and then the cursor
// that showed before (a message box asking the user in the middle of a busy
// operation). Nothing on a POSIX host.
class TArrowCursor {
 public:
  TArrowCursor();
  ~TArrowCursor();
  TArrowCursor(const TArrowCursor&) = delete;
  TArrowCursor& operator=(const TArrowCursor&) = delete;

 private:
  // The cursor to restore; only the Windows build keeps one.
  [[maybe_unused]] void* previous_ = nullptr;
};

}  // namespace tavo::platform
