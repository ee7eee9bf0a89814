// Message box watcher, text recorder and file helpers for the run tests.
#include "tests/app/RunTestSupport.h"

#include <shellapi.h>

#include <algorithm>
#include <fstream>

namespace tavo::testing_support {
namespace {

std::string TextOf(HWND wnd) {
  char text[1024] = {};
  GetWindowTextA(wnd, text, sizeof text);
  return text;
}

std::string ClassOf(HWND wnd) {
  char name[64] = {};
  GetClassNameA(wnd, name, sizeof name);
  return name;
}

// The message box's text is its static control with id 0xFFFF.
constexpr int kBoxTextId = 0xFFFF;

}  // namespace

TBoxWatcher::TBoxWatcher(const std::atomic<bool>* flag) : flag_(flag), thread_([this] { Poll(); }) {}

TBoxWatcher::~TBoxWatcher() {
  stop_ = true;
  thread_.join();
}

std::vector<TSeenBox> TBoxWatcher::Boxes() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return boxes_;
}

void TBoxWatcher::Poll() {
  while (!stop_) {
    std::vector<HWND> found;
    EnumWindows(
        [](HWND wnd, LPARAM param) CALLBACK -> BOOL {
          DWORD pid = 0;
          GetWindowThreadProcessId(wnd, &pid);
          if (pid == GetCurrentProcessId() && IsWindowVisible(wnd) && ClassOf(wnd) == "#32770")
            reinterpret_cast<std::vector<HWND>*>(param)->push_back(wnd);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    for (HWND box : found) {
      if (std::find(handled_.begin(), handled_.end(), box) != handled_.end()) continue;
      TSeenBox seen;
      seen.whileFlag = flag_ && flag_->load();
      seen.caption = TextOf(box);
      seen.text = TextOf(GetDlgItem(box, kBoxTextId));
      for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            IsWindowVisible(child) && SendMessageA(child, STM_GETICON, 0, 0))
          seen.icon = true;
      }
      {
        std::lock_guard<std::mutex> lock(mutex_);
        boxes_.push_back(seen);
      }
      handled_.push_back(box);
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    Sleep(20);
  }
}

TTextRecorder::TTextRecorder(HWND wnd) : wnd_(wnd) {
  SetPropA(wnd_, "TavoTextRecorder", this);
  previous_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(wnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
}

TTextRecorder::~TTextRecorder() {
  SetWindowLongPtrA(wnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
  RemovePropA(wnd_, "TavoTextRecorder");
}

LRESULT CALLBACK TTextRecorder::Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<TTextRecorder*>(GetPropA(wnd, "TavoTextRecorder"));
  if (msg == WM_SETTEXT && lParam) self->texts_.emplace_back(reinterpret_cast<const char*>(lParam));
  return CallWindowProcA(self->previous_, wnd, msg, wParam, lParam);
}

bool DirectoryExists(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void RemoveTree(const std::string& path) {
  if (!DirectoryExists(path)) return;
  std::string from = path;
  from.push_back('\0');  // the list ends in two NULs
  SHFILEOPSTRUCTA op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  SHFileOperationA(&op);
}

void MakeDirectories(const std::string& path) {
  for (size_t i = 3; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == '\\') CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
  }
}

}  // namespace tavo::testing_support
