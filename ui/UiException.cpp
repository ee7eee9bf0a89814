// System error texts and the failures built on them.
#include "ui/UiException.h"

#include <windows.h>

namespace tavo::ui {

std::string SysErrorMessage(unsigned long code) {
  char* buffer = nullptr;
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                     FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                                 nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text = n && buffer ? std::string(buffer, n) : std::string();
  if (buffer) LocalFree(buffer);
  // The system's texts end in a line break (and sometimes spaces).
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) text.pop_back();
  if (text.empty()) text = Format("System error %lu", code);
  return text;
}

void RaiseOSError(unsigned long code) { throw EOSError(SysErrorMessage(code), code); }

void RaiseLastOSError() { RaiseOSError(GetLastError()); }

}  // namespace tavo::ui
