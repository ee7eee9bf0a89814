// Failures of the window toolkit.
#pragma once

#include <string>

#include "core/Exception.h"

namespace tavo::ui {

class EUiException : public Exception {
 public:
  using Exception::Exception;
};

// A picture that cannot be decoded.
class EInvalidGraphic : public EUiException {
 public:
  using EUiException::EUiException;
};

// A resource missing from the executable.
class EResNotFound : public EUiException {
 public:
  using EUiException::EUiException;
};

// The system's text for an error code (FormatMessageA, without the trailing
// line break).
std::string SysErrorMessage(unsigned long code);

// Raises EOSError for GetLastError() (or `code`) with the system's text.
[[noreturn]] void RaiseLastOSError();
[[noreturn]] void RaiseOSError(unsigned long code);

}  // namespace tavo::ui
