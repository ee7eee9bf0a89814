// Looking at an installation from outside setup.exe.
#include "tests/e2e/InstallChecks.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>
#include <cstddef>
#include <cwctype>
#include <fstream>
#include <iterator>

#include "tests/e2e/WindowDriver.h"

namespace tavo::e2e {
namespace {

// Points of the layouts at 96 dots per inch: the bar of the splash window
// and its two captions (relative to the bar), the buttons of the directory
// window.
constexpr POINT kBarOnSplash{10, 403 + 20};
constexpr POINT kInstallOnBar{63 + 50, 6 + 13};
constexpr POINT kExitOnBar{247 + 20, 6 + 13};
constexpr POINT kNextOnDirectory{199 + 47, 226 + 12};
constexpr POINT kCancelOnDirectory{315 + 47, 226 + 12};
constexpr COLORREF kBarColor = RGB(0, 234, 234);
constexpr int kStatusWidth = 512;
constexpr int kStatusHeight = 47;

POINT Scaled(POINT p) { return POINT{TWindowDriver::Scale(p.x), TWindowDriver::Scale(p.y)}; }

std::wstring Widen(const std::string& text, UINT codePage) {
  const int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

// Asks the window itself: for another program's window GetWindowText gives
// only the caption the system keeps, which an edit box does not update.
std::wstring WindowText(HWND wnd) {
  wchar_t text[512] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(wnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &copied);
  return text;
}

std::wstring ClassOf(HWND wnd) {
  wchar_t name[64] = {};
  GetClassNameW(wnd, name, 64);
  return name;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(
      parent,
      [](HWND wnd, LPARAM list) CALLBACK -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return children;
}

HWND FirstChildOfClass(HWND parent, const std::wstring& lowerClass) {
  for (HWND child : Children(parent)) {
    if (GetParent(child) == parent && ToLower(ClassOf(child)) == lowerClass) return child;
  }
  return nullptr;
}

// The head of the process environment block and of the process parameters
// it points at, as far as the start-up window flags. The fields are laid
// out with the pointer size of this build, so the offsets are right for a
// process of the same kind in either build.
struct TPebHead {
  BYTE flags[4];
  void* mutant;
  void* imageBase;
  void* loader;
  const void* parameters;
};
struct TUnicodeStringHead {
  USHORT length;
  USHORT maximumLength;
  void* buffer;
};
struct TProcessParametersHead {
  ULONG maximumLength, length, flags, debugFlags;
  void* consoleHandle;
  ULONG consoleFlags;
  void* standardHandles[3];
  TUnicodeStringHead currentDirectory;
  void* currentDirectoryHandle;
  TUnicodeStringHead dllPath, imagePathName, commandLine;
  void* environment;
  ULONG startingX, startingY, countX, countY, countCharsX, countCharsY, fillAttribute;
  ULONG windowFlags;
  ULONG showWindowFlags;
};
static_assert(offsetof(TPebHead, parameters) == 4 * sizeof(void*), "the parameters pointer follows four words");
static_assert(offsetof(TProcessParametersHead, windowFlags) == (sizeof(void*) == 8 ? 0xA4 : 0x68),
              "the window flags sit where the system keeps them");

// The window flags and show state a process of this build's kind was
// started with, read from its process parameters. A process of the other
// kind keeps them elsewhere and is left unread.
void ReadStartup(HANDLE process, TChildProcess& child) {
  using TQuery = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  static const auto query = reinterpret_cast<TQuery>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  BOOL childWow64 = FALSE;
  BOOL selfWow64 = FALSE;
  if (!query || !IsWow64Process(process, &childWow64) || !IsWow64Process(GetCurrentProcess(), &selfWow64) ||
      childWow64 != selfWow64)
    return;
  PROCESS_BASIC_INFORMATION basic{};
  if (query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0 || !basic.PebBaseAddress) return;
  TPebHead peb{};
  if (!ReadProcessMemory(process, basic.PebBaseAddress, &peb, sizeof peb, nullptr) || !peb.parameters) return;
  TProcessParametersHead parameters{};
  if (!ReadProcessMemory(process, peb.parameters, &parameters, sizeof parameters, nullptr)) return;
  child.startupRead = true;
  child.usesShowWindow = (parameters.windowFlags & STARTF_USESHOWWINDOW) != 0;
  child.showWindow = parameters.showWindowFlags;
}

HWND Bar(HWND splash) { return TWindowDriver::ChildAt(splash, Scaled(kBarOnSplash)); }

void ListInto(const std::wstring& root, const std::wstring& relative, std::map<std::wstring, TFileFacts>& tree) {
  WIN32_FIND_DATAW found;
  const std::wstring dir = relative.empty() ? root : root + L"\\" + relative;
  HANDLE search = FindFirstFileW((dir + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring path = relative.empty() ? name : relative + L"\\" + name;
    TFileFacts facts;
    facts.directory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    facts.readOnly = (found.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    facts.writeTime = (static_cast<unsigned long long>(found.ftLastWriteTime.dwHighDateTime) << 32) |
                      found.ftLastWriteTime.dwLowDateTime;
    if (facts.directory) {
      ListInto(root, path, tree);
    } else {
      facts.content = ReadFileBytes(root + L"\\" + path);
    }
    tree[path] = std::move(facts);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace

std::string Narrow(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                    nullptr);
  std::string narrow(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), n, nullptr, nullptr);
  return narrow;
}

std::wstring ToLower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

void ForceDirectories(const std::wstring& dir) {
  const size_t cut = dir.find_last_of(L'\\');
  if (cut != std::wstring::npos && cut > 2) ForceDirectories(dir.substr(0, cut));
  CreateDirectoryW(dir.c_str(), nullptr);
}

void RemoveTree(const std::wstring& dir) {
  const DWORD attributes = GetFileAttributesW(dir.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    SetFileAttributesW(dir.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(dir.c_str());
    return;
  }
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((dir + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") RemoveTree(dir + L"\\" + name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(dir.c_str());
}

bool WriteFileBytes(const std::wstring& file, const std::string& bytes) {
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  std::ofstream out(file.c_str(), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::string ReadFileBytes(const std::wstring& file) {
  std::ifstream in(file.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReadTrace(const std::wstring& installDir) {
  return ReadFileBytes(installDir + L"\\install-trace.log") + ReadFileBytes(installDir + L"\\postinst-trace.log");
}

std::map<std::wstring, TFileFacts> ListTree(const std::wstring& dir) {
  std::map<std::wstring, TFileFacts> tree;
  ListInto(dir, L"", tree);
  return tree;
}

std::wstring DesktopDirectory() {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, path))) return std::wstring();
  return path;
}

bool ReadShortcut(const std::wstring& file, TShortcut& link) {
  IShellLinkA* shell = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&shell)))) {
    return false;
  }
  IPersistFile* persist = nullptr;
  bool ok = SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)));
  if (ok) ok = SUCCEEDED(persist->Load(file.c_str(), STGM_READ));
  if (ok) {
    char path[MAX_PATH + 1] = {};
    char dir[MAX_PATH + 1] = {};
    ok = SUCCEEDED(shell->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
         SUCCEEDED(shell->GetWorkingDirectory(dir, MAX_PATH));
    link.target = Widen(path, CP_ACP);
    link.workingDirectory = Widen(dir, CP_ACP);
  }
  if (persist) persist->Release();
  shell->Release();
  return ok;
}

TBoxFacts ReadBox(HWND box) {
  TBoxFacts facts;
  for (HWND child : Children(box)) {
    if (!IsWindowVisible(child)) continue;
    const std::wstring kind = ToLower(ClassOf(child));
    if (kind == L"button") {
      facts.buttons.push_back(GetDlgCtrlID(child));
    } else if (kind == L"static") {
      if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        facts.icon = facts.icon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
      } else if (!WindowText(child).empty()) {
        facts.text = WindowText(child);
      }
    }
  }
  std::sort(facts.buttons.begin(), facts.buttons.end());
  return facts;
}

HWND WaitForBox(DWORD processId, const std::wstring& caption, DWORD timeoutMs) {
  struct TSearch {
    DWORD pid;
    const std::wstring* caption;
    HWND found;
  };
  const DWORD start = GetTickCount();
  for (;;) {
    TSearch search{processId, &caption, nullptr};
    EnumWindows(
        [](HWND wnd, LPARAM param) CALLBACK -> BOOL {
          auto* s = reinterpret_cast<TSearch*>(param);
          DWORD pid = 0;
          GetWindowThreadProcessId(wnd, &pid);
          if (pid != s->pid || !IsWindowVisible(wnd) || ClassOf(wnd) != L"#32770") return TRUE;
          if (WindowText(wnd) != *s->caption) return TRUE;
          s->found = wnd;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (search.found || GetTickCount() - start > timeoutMs) return search.found;
    Sleep(100);
  }
}

void ClickButton(HWND box, int id) {
  HWND button = GetDlgItem(box, id);
  RECT r{};
  GetClientRect(button, &r);
  TWindowDriver::Click(button, POINT{r.right / 2, r.bottom / 2});
}

void MoveAside(HWND box, HWND wnd) {
  RECT under{}, boxRect{};
  GetWindowRect(wnd, &under);
  GetWindowRect(box, &boxRect);
  SetWindowPos(box, nullptr, boxRect.left, under.bottom + 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Sleep(500);
}

std::wstring ChildText(HWND wnd) {
  const std::vector<HWND> children = Children(wnd);
  return children.empty() ? std::wstring() : WindowText(children.front());
}

HWND FindStatusWindow(DWORD processId) {
  struct TSearch {
    DWORD pid;
    int width, height;
    HWND found;
  } search{processId, TWindowDriver::Scale(kStatusWidth), TWindowDriver::Scale(kStatusHeight), nullptr};
  EnumWindows(
      [](HWND wnd, LPARAM param) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<TSearch*>(param);
        DWORD pid = 0;
        GetWindowThreadProcessId(wnd, &pid);
        RECT r{};
        if (pid != s->pid || !GetClientRect(wnd, &r) || r.right != s->width || r.bottom != s->height) return TRUE;
        s->found = wnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND TopWindowOf(DWORD processId) {
  for (HWND wnd = GetTopWindow(nullptr); wnd; wnd = GetWindow(wnd, GW_HWNDNEXT)) {
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid == processId && IsWindowVisible(wnd)) return wnd;
  }
  return nullptr;
}

void WaitPaintedBar(HWND splash) {
  const HWND bar = Bar(splash);
  const DWORD start = GetTickCount();
  while (TWindowDriver::ScreenPixel(bar, POINT{5, 5}) != kBarColor && GetTickCount() - start < 10000) Sleep(100);
  Sleep(300);
}

void ClickInstall(HWND splash) { TWindowDriver::Click(Bar(splash), Scaled(kInstallOnBar)); }

void ClickExit(HWND splash) { TWindowDriver::Click(Bar(splash), Scaled(kExitOnBar)); }

bool TypeDirectory(HWND directory, const std::wstring& text) {
  const HWND edit = FirstChildOfClass(directory, L"edit");
  if (!edit) return false;
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  return WindowText(edit) == text;
}

std::wstring DirectoryText(HWND directory) {
  const HWND edit = FirstChildOfClass(directory, L"edit");
  return edit ? WindowText(edit) : std::wstring();
}

bool ShowDriveList(HWND directory, bool show) {
  const HWND combo = FirstChildOfClass(directory, L"combobox");
  if (!combo) return false;
  SendMessageW(combo, CB_SHOWDROPDOWN, show ? TRUE : FALSE, 0);
  return true;
}

bool OpenLastDirectoryEntry(HWND directory) {
  const HWND list = FirstChildOfClass(directory, L"listbox");
  if (!list) return false;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  if (count <= 0) return false;
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(count - 1), 0);
  PostMessageW(list, WM_KEYDOWN, VK_RETURN, 1);
  PostMessageW(list, WM_KEYUP, VK_RETURN, 0xC0000001);
  return true;
}

void ClickNext(HWND directory) { TWindowDriver::Click(directory, Scaled(kNextOnDirectory)); }

void ClickCancel(HWND directory) { TWindowDriver::Click(directory, Scaled(kCancelOnDirectory)); }

TChildWatcher::TChildWatcher(DWORD parentId) : parentId_(parentId), thread_([this] { Poll(); }) {}

TChildWatcher::~TChildWatcher() {
  stop_ = true;
  thread_.join();
}

std::vector<TChildProcess> TChildWatcher::Children() const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<TChildProcess> children;
  for (const auto& entry : seen_) children.push_back(entry.second);
  return children;
}

namespace {

// The size of a file, or -1 when there is none. Read without opening the
// file: cmd.exe opens a redirection without sharing, so a watcher holding
// the trace open at that moment would cost the batch file its line.
long long SizeOf(const std::wstring& file) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool Exists(const std::wstring& file) { return GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

std::vector<TChildProcess> TChildWatcher::WaitFor(const std::wstring& installDir, DWORD timeoutMs) {
  // Each follow-up program that is installed writes its own trace; the wait
  // ends once those traces are there and nothing has grown for a while (a
  // program that should not have started would show by then), or when the
  // time is up. With no follow-up program installed it lasts the whole time.
  constexpr DWORD kQuiet = 1000;
  const std::wstring batchTrace = installDir + L"\\postinst-trace.log";
  const std::wstring programTrace = installDir + L"\\install-trace.log";
  const bool batch = Exists(installDir + L"\\postinst.bat");
  const bool program = Exists(installDir + L"\\tavo\\DbLaunch.exe");
  const DWORD start = GetTickCount();
  long long lastBatch = SizeOf(batchTrace);
  long long lastProgram = SizeOf(programTrace);
  DWORD changed = start;
  while (GetTickCount() - start < timeoutMs) {
    Sleep(100);
    const long long nowBatch = SizeOf(batchTrace);
    const long long nowProgram = SizeOf(programTrace);
    if (nowBatch != lastBatch || nowProgram != lastProgram) {
      lastBatch = nowBatch;
      lastProgram = nowProgram;
      changed = GetTickCount();
    }
    const bool expectedSeen = (!batch || lastBatch > 0) && (!program || lastProgram > 0);
    if ((batch || program) && expectedSeen && GetTickCount() - changed > kQuiet) break;
  }
  return Children();
}

void TChildWatcher::Poll() {
  while (!stop_) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot != INVALID_HANDLE_VALUE) {
      PROCESSENTRY32W entry{};
      entry.dwSize = sizeof(entry);
      for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        // A process seen at its very start has no name yet: look again.
        if (entry.th32ParentProcessID != parentId_ || !entry.szExeFile[0]) continue;
        std::lock_guard<std::mutex> lock(mutex_);
        if (seen_.count(entry.th32ProcessID)) continue;
        TChildProcess child;
        child.id = entry.th32ProcessID;
        child.exe = entry.szExeFile;
        // A process that is gone before it could be opened keeps a zero
        // creation time, which no ordering check accepts.
        if (HANDLE process =
                OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, entry.th32ProcessID)) {
          FILETIME exited, kernel, user;
          GetProcessTimes(process, &child.created, &exited, &kernel, &user);
          ReadStartup(process, child);
          CloseHandle(process);
        } else if (HANDLE limited = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID)) {
          FILETIME exited, kernel, user;
          GetProcessTimes(limited, &child.created, &exited, &kernel, &user);
          CloseHandle(limited);
        }
        seen_[child.id] = child;
      }
      CloseHandle(snapshot);
    }
    Sleep(5);
  }
}

}  // namespace tavo::e2e
