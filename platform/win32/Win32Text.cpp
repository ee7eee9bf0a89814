// Win32 implementation of code pages, paths and the user-interface services.
#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <string>
#include <vector>

// winuser.h maps OemToAnsi onto OemToCharA; ours is a function of its own.
#undef OemToAnsi

#include "platform/CodePage.h"
#include "platform/MessagePump.h"
#include "platform/Path.h"
#include "platform/Ui.h"

namespace tavo::platform {

int AnsiCodePage() { return static_cast<int>(GetACP()); }
int OemCodePage() { return static_cast<int>(GetOEMCP()); }
void SetCodePages(int, int) {}

std::string ConvertCodePage(const std::string& text, int fromCodePage, int toCodePage) {
  if (fromCodePage == toCodePage || text.empty()) return text;
  const int wide = MultiByteToWideChar(static_cast<UINT>(fromCodePage), 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0);
  if (wide <= 0) return text;
  std::wstring w(static_cast<size_t>(wide), L'\0');
  MultiByteToWideChar(static_cast<UINT>(fromCodePage), 0, text.data(), static_cast<int>(text.size()), w.data(), wide);
  const int narrow =
      WideCharToMultiByte(static_cast<UINT>(toCodePage), 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
  if (narrow <= 0) return text;
  std::string out(static_cast<size_t>(narrow), '\0');
  WideCharToMultiByte(static_cast<UINT>(toCodePage), 0, w.data(), wide, out.data(), narrow, nullptr, nullptr);
  return out;
}

bool ConvertCodePageExact(const std::string& text, int fromCodePage, int toCodePage, std::string& out) {
  out.clear();
  if (text.empty()) return true;
  const auto from = static_cast<UINT>(fromCodePage), to = static_cast<UINT>(toCodePage);
  const int size = static_cast<int>(text.size());
  const int wide = MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (wide <= 0) return false;
  std::wstring w(static_cast<size_t>(wide), L'\0');
  MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, text.data(), size, w.data(), wide);
  // UTF-8 and UTF-7 take neither the best-fit flag nor the default-character
  // report; every other page reports a character it has no place for.
  const bool utf = to == CP_UTF8 || to == CP_UTF7;
  BOOL usedDefault = FALSE;
  const DWORD flags = utf ? 0 : WC_NO_BEST_FIT_CHARS;
  const int narrow =
      WideCharToMultiByte(to, flags, w.data(), wide, nullptr, 0, nullptr, utf ? nullptr : &usedDefault);
  if (narrow <= 0 || usedDefault) return false;
  out.assign(static_cast<size_t>(narrow), '\0');
  WideCharToMultiByte(to, flags, w.data(), wide, out.data(), narrow, nullptr, utf ? nullptr : &usedDefault);
  if (usedDefault) return false;
  // A conversion that does not come back to the same characters lost some.
  const int back = MultiByteToWideChar(to, 0, out.data(), narrow, nullptr, 0);
  std::wstring w2(back > 0 ? static_cast<size_t>(back) : 0, L'\0');
  if (back > 0) MultiByteToWideChar(to, 0, out.data(), narrow, w2.data(), back);
  return w2 == w;
}

std::string OemToAnsi(const std::string& text) {
  std::string out(text.size(), '\0');
  if (!text.empty()) OemToCharBuffA(text.data(), out.data(), static_cast<DWORD>(text.size()));
  return out;
}

std::string AnsiToUtf8(const std::string& text) { return ConvertCodePage(text, AnsiCodePage(), CP_UTF8); }
std::string Utf8ToAnsi(const std::string& text) { return ConvertCodePage(text, CP_UTF8, AnsiCodePage()); }

std::string HostPath(const std::string& enginePath) { return enginePath; }
std::string EnginePath(const std::string& hostPath) { return hostPath; }

void ProcessMessages() {
  if (RunMessagePump()) return;
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The quit belongs to the caller's message loop: hand it back.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  return MessageBoxA(nullptr, text.c_str(), caption.empty() ? nullptr : caption.c_str(), flags);
}

void SetMessageBoxAnswer(int) {}

bool OpenFileDialog(const std::string& title, const std::string& filter, const std::string& initialDir,
                    std::string& chosen) {
  // The filter's "|" separators become the NULs the dialog expects.
  std::vector<char> filterText(filter.begin(), filter.end());
  for (char& c : filterText)
    if (c == '|') c = '\0';
  filterText.push_back('\0');
  filterText.push_back('\0');
  char file[MAX_PATH * 2] = {};
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.lpstrFilter = filterText.data();
  ofn.lpstrFile = file;
  ofn.nMaxFile = sizeof file;
  ofn.lpstrInitialDir = initialDir.c_str();
  ofn.lpstrTitle = title.c_str();
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameA(&ofn)) return false;
  chosen = file;
  return true;
}

namespace {

int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED && data) SendMessageA(window, BFFM_SETSELECTIONA, TRUE, data);
  return 0;
}

}  // namespace

bool SelectDirectoryDialog(const std::string& caption, const std::string& initialDir, std::string& chosen) {
  BROWSEINFOA info{};
  char display[MAX_PATH] = {};
  info.pszDisplayName = display;
  info.lpszTitle = caption.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  info.lpfn = BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(initialDir.c_str());
  PIDLIST_ABSOLUTE list = SHBrowseForFolderA(&info);
  if (!list) return false;
  char path[MAX_PATH] = {};
  const bool ok = SHGetPathFromIDListA(list, path) != 0;
  CoTaskMemFree(list);
  if (ok) chosen = path;
  return ok;
}

}  // namespace tavo::platform
