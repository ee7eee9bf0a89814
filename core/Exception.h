// The general exception every subsystem's own family derives from, and the
// printf-style formatting our fixed messages use.
#pragma once

#include <cstdarg>
#include <stdexcept>
#include <string>

namespace tavo {

// Formats like printf into a std::string ("Index %d is out of range").
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string FormatV(const char* fmt, va_list args);

// Base of every failure the program raises. The message is 8-bit text in the
// system code page, exactly as it is shown to the user.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// A failure reported by the operating system, carrying its error code.
class EOSError : public Exception {
 public:
  EOSError(const std::string& message, unsigned long code) : Exception(message), code_(code) {}
  unsigned long ErrorCode() const { return code_; }

 private:
  unsigned long code_;
};

// A component was given an object of the wrong class (a frame whose owner
// is not a form). The message is always "Invalid class typecast".
class EInvalidCast : public Exception {
 public:
  EInvalidCast() : Exception(kMessage) {}
  static constexpr const char* kMessage = "Invalid class typecast";
};

// Text of the application's error box for an uncaught failure: the message,
// with "." appended when its last character sorts after ".".
std::string ErrorBoxText(const std::string& message);

}  // namespace tavo
