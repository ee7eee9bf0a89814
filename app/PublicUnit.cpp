// Shell services: special folders, shortcuts, the program's directory.
#include "app/PublicUnit.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "app/Texts.h"
#include "platform/CodePage.h"
#include "ui/Application.h"
#include "ui/Handles.h"
#include "ui/UiException.h"

namespace tavo::app {

std::string GetSpecialFolderDir(int folder) {
  TShellFolderCalls shell;
  shell.GetLocation = [](int id, void** items) -> long {
    return SHGetSpecialFolderLocation(ui::Application().Handle(), id, reinterpret_cast<LPITEMIDLIST*>(items));
  };
  shell.GetPath = [](const void* items, char* path) -> bool {
    return SHGetPathFromIDListA(static_cast<LPCITEMIDLIST>(items), path) != FALSE;
  };
  return GetSpecialFolderDir(folder, shell);
}

std::string GetSpecialFolderDir(int folder, const TShellFolderCalls& shell) {
  std::string result = kFallbackFolder;
  void* items = nullptr;
  if (SUCCEEDED(shell.GetLocation(folder, &items)) && items) {
    // SHGetPathFromIDListA writes up to MAX_PATH bytes; a smaller buffer
    // would be overrun by a long path. Longer paths make the call fail and
    // leave the fallback text: a path is never cut short.
    char path[MAX_PATH + 1] = {};
    // Wine answers for folders that live only in the shell's namespace with
    // a "::{class id}" parsing name where Windows fails; that is no path.
    if (shell.GetPath(items, path) && path[0] && !(path[0] == ':' && path[1] == ':')) result = path;
    CoTaskMemFree(items);
  }
  return result;
}

void CreateShortcut(const std::string& target, const std::wstring& linkFile) {
  ui::TComPtr<IUnknown> object;
  const HRESULT created = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                           IID_IUnknown, object.PutVoid());
  if (FAILED(created)) ui::RaiseOSError(static_cast<unsigned long>(created));
  ui::TComPtr<IShellLinkA> link;
  ui::TComPtr<IPersistFile> file;
  if (FAILED(object.As(IID_IShellLinkA, link)) || !link) throw EIntfCastError();
  if (FAILED(object.As(IID_IPersistFile, file)) || !file) throw EIntfCastError();
  // What the shell makes of the settings is not examined: a shortcut that
  // cannot be saved is simply not there.
  link->SetPath(target.c_str());
  link->SetWorkingDirectory(DirectoryPart(target, platform::AnsiCodePage()).c_str());
  file->Save(linkFile.c_str(), FALSE);
}

std::string GetAppDir() {
  // A path that fills the buffer was cut short: try again with more room.
  std::vector<char> path(MAX_PATH + 1);
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size() || path.size() >= 32768) {
      return DirectoryPart(std::string(path.data(), n), platform::AnsiCodePage());
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace tavo::app
