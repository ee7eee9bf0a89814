// The application object: COM for the user-interface thread, the title, the
// hidden owner window that carries the taskbar button, the forms it owns,
// the message loop and the error box for failures no handler caught.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Form.h"
#include "ui/Message.h"

namespace tavo::ui {

class TApplication {
 public:
  TApplication();
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // Initialises COM for this thread (single-threaded apartment) and makes
  // the owner window. Called once, before any form exists.
  void Initialize();
  // Destroys the forms and the owner window and uninitialises COM.
  void Finalize();

  // Text of the taskbar button and title of the error box.
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);

  // The hidden window that owns every form (the program's top-level owner).
  HWND Handle() const { return handle_; }

  // The program's icon: the executable's "MAINICON" until set; null when
  // the executable has none. Not owned once set by the caller.
  HICON Icon() const { return icon_; }
  void SetIcon(HICON icon);

  // Creates a form the application owns; the first one is the main form.
  template <class F, class... Args>
  F& CreateForm(Args&&... args) {
    auto form = std::make_unique<F>(std::forward<Args>(args)...);
    F& ref = *form;
    forms_.push_back(std::move(form));
    if (!mainForm_) mainForm_ = &ref;
    return ref;
  }
  TForm* MainForm() const { return mainForm_; }

  // Shows the main form (unless ShowMainForm is cleared) and runs the
  // message loop until the program ends.
  void Run();
  // Cleared by a component that starts the program hidden (in the tray).
  bool ShowMainForm = true;

  // Minimizes or restores the application window, which hides or shows
  // every form it owns with it.
  void Minimize();
  void Restore();

  // Hooks on the application window's procedure: each runs, newest first,
  // before the window's own handling, which always follows with the same
  // message. The id removes the hook again; removing works in any order.
  using TMainWindowHook = std::function<void(TMessage&)>;
  int HookMainWindow(TMainWindowHook hook);
  void UnhookMainWindow(int id);
  // Runs the hooks for a message of the application window.
  void RunMainWindowHooks(TMessage& m);
  // Ends the message loop (posts WM_QUIT).
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Waits for one message and handles it, then reports a failure a window
  // procedure kept. False once WM_QUIT has arrived.
  bool HandleMessage();
  // Handles the messages that are waiting, without waiting for more.
  void ProcessMessages();

  // Keeps a failure caught in a window procedure; the message loop shows it
  // after the message has been handled. Never throws.
  void HandleException(std::exception_ptr failure) noexcept;
  // Shows a kept failure now, if there is one.
  void ReportPendingException();
  // The error box: icon error, titled with Title(), the failure's message
  // with "." appended when its last character sorts after ".".
  void ShowException(const std::exception& failure);
  // When set, called instead of showing the error box.
  std::function<void(const std::exception&)> OnException;
  // Sees every message the loop takes before anything else does; setting
  // handled keeps the message from the rest of the loop.
  std::function<void(MSG& msg, bool& handled)> OnMessage;

  // A message box owned by the active window, titled with Title() when
  // caption is empty.
  int MessageBox(const std::string& text, const std::string& caption, UINT flags);

  // The screen's dots per inch; layouts scale by PixelsPerInch() / 96.
  int PixelsPerInch() const;

 private:
  bool PreTranslate(MSG& msg);
  // Offers a key press to its form's shortcut handler; true when handled.
  bool OfferShortCut(const MSG& msg);
  void CreateHandle();

  std::string title_;
  HWND handle_ = nullptr;
  HICON icon_ = nullptr;
  bool comInitialized_ = false;
  bool terminated_ = false;
  std::vector<std::unique_ptr<TForm>> forms_;
  TForm* mainForm_ = nullptr;
  std::exception_ptr pending_;
  std::vector<std::pair<int, TMainWindowHook>> hooks_;
  int nextHookId_ = 0;
  mutable int pixelsPerInch_ = 0;
  uint32_t keySerial_ = 0;
};

// The shortcut value of a key message (the virtual key with the Shift,
// Ctrl and Alt bits of the moment) and the serial it is offered with.
TShortCutKey ShortCutOfKeyMessage(const MSG& msg, uint32_t serial);

// The one application object of the program.
TApplication& Application();

}  // namespace tavo::ui
