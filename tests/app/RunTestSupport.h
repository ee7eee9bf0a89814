// Helpers for tests that run the installer's handlers inside the test
// program: a watcher that reads and dismisses the message boxes the program
// puts up, a recorder of the texts a window is given, and files on disk.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tavo::testing_support {

// A message box as it was seen.
struct TSeenBox {
  std::string caption;
  std::string text;
  bool icon = false;
  bool whileFlag = false;  // the watched flag was set when the box came
};

// Watches, on a thread of its own, for the message boxes of this process,
// notes each one and presses its OK button.
class TBoxWatcher {
 public:
  // flag, when given, is read the moment a box is found.
  explicit TBoxWatcher(const std::atomic<bool>* flag = nullptr);
  ~TBoxWatcher();
  TBoxWatcher(const TBoxWatcher&) = delete;
  TBoxWatcher& operator=(const TBoxWatcher&) = delete;

  std::vector<TSeenBox> Boxes() const;

 private:
  void Poll();

  const std::atomic<bool>* flag_;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<TSeenBox> boxes_;
  std::vector<HWND> handled_;
  std::thread thread_;
};

// Records every text set on a window (WM_SETTEXT) while it lives.
class TTextRecorder {
 public:
  explicit TTextRecorder(HWND wnd);
  ~TTextRecorder();
  TTextRecorder(const TTextRecorder&) = delete;
  TTextRecorder& operator=(const TTextRecorder&) = delete;

  const std::vector<std::string>& Texts() const { return texts_; }

 private:
  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

  HWND wnd_;
  WNDPROC previous_;
  std::vector<std::string> texts_;
};

bool DirectoryExists(const std::string& path);
bool FileExists(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
// Removes a tree, when it is there.
void RemoveTree(const std::string& path);
// Makes a directory with its parents.
void MakeDirectories(const std::string& path);

}  // namespace tavo::testing_support
