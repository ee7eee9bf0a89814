// Shell services of the installer: the desktop folder's path, shortcuts to
// installed programs, the installer's own directory, and the normal form of
// a typed directory. They hold no state.
#pragma once

#include <functional>
#include <string>

#include "app/PathRules.h"
#include "core/Exception.h"

namespace tavo::app {

// The shell object lacks an interface the installer asks it for.
class EIntfCastError : public Exception {
 public:
  EIntfCastError() : Exception("Interface not supported") {}
};

// The file-system path of a shell special folder (a CSIDL value, 0 for the
// desktop) without a trailing "\", or kFallbackFolder when the shell gives
// none. Never fails.
std::string GetSpecialFolderDir(int folder);

// The two shell calls GetSpecialFolderDir makes, replaceable so that a shell
// without the folder can be tried: the folder's item list (released with
// CoTaskMemFree), and its path into a buffer of MAX_PATH + 1 bytes.
struct TShellFolderCalls {
  std::function<long(int folder, void** items)> GetLocation;
  std::function<bool(const void* items, char* path)> GetPath;
};
std::string GetSpecialFolderDir(int folder, const TShellFolderCalls& shell);

// Writes a shell shortcut file to `target`, with the target's directory as
// working directory. Raises EOSError when the shell-link object cannot be
// made and EIntfCastError when it lacks IShellLinkA or IPersistFile; a
// shortcut the shell cannot save is silently not written.
void CreateShortcut(const std::string& target, const std::wstring& linkFile);

// The running installer's own directory, ending in "\".
std::string GetAppDir();

}  // namespace tavo::app
