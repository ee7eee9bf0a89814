// POSIX implementation of code pages (iconv), path mapping and the
// window-less user-interface services.
#include <iconv.h>

#include <cerrno>
#include <string>

#include "core/Mbcs.h"
#include "platform/CodePage.h"
#include "platform/MessagePump.h"
#include "platform/Path.h"
#include "platform/Ui.h"

namespace tavo::platform {

namespace {

int gAnsiCodePage = 936;
int gOemCodePage = 936;
int gMessageBoxAnswer = 2;

std::string IconvName(int codePage) {
  switch (codePage) {
    case 65001: return "UTF-8";
    case 20127: return "ASCII";
    case 28591: return "ISO-8859-1";
    default: return "CP" + std::to_string(codePage);
  }
}

bool IsAscii(const std::string& text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

}  // namespace

int AnsiCodePage() { return gAnsiCodePage; }
int OemCodePage() { return gOemCodePage; }

void SetCodePages(int ansiCodePage, int oemCodePage) {
  gAnsiCodePage = ansiCodePage;
  gOemCodePage = oemCodePage;
}

std::string ConvertCodePage(const std::string& text, int fromCodePage, int toCodePage) {
  if (fromCodePage == toCodePage || IsAscii(text)) return text;
  iconv_t cd = ::iconv_open(IconvName(toCodePage).c_str(), IconvName(fromCodePage).c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return text;
  std::string out;
  out.reserve(text.size() * 2);
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char buffer[256];
  while (inLeft > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    const size_t r = ::iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
    if (r == static_cast<size_t>(-1) && errno != E2BIG) {
      // A byte that does not convert is kept as it is.
      out.push_back(*in);
      ++in;
      --inLeft;
      ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  ::iconv_close(cd);
  return out;
}

bool ConvertCodePageExact(const std::string& text, int fromCodePage, int toCodePage, std::string& out) {
  // Every code page used here keeps ASCII as it is; other text is converted
  // even between equal pages, which checks that it is valid there.
  if (IsAscii(text)) {
    out = text;
    return true;
  }
  iconv_t cd = ::iconv_open(IconvName(toCodePage).c_str(), IconvName(fromCodePage).c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  out.clear();
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char buffer[256];
  bool ok = true;
  while (ok && inLeft > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    const size_t r = ::iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
    // EILSEQ: invalid input or no such character; EINVAL: incomplete input.
    if (r == static_cast<size_t>(-1) && errno != E2BIG) ok = false;
  }
  if (ok) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    if (::iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1)) ok = false;
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
  }
  ::iconv_close(cd);
  return ok;
}

std::string OemToAnsi(const std::string& text) { return ConvertCodePage(text, gOemCodePage, gAnsiCodePage); }
std::string AnsiToUtf8(const std::string& text) { return ConvertCodePage(text, gAnsiCodePage, 65001); }
std::string Utf8ToAnsi(const std::string& text) { return ConvertCodePage(text, 65001, gAnsiCodePage); }

std::string HostPath(const std::string& enginePath) {
  std::string path = AnsiToUtf8(enginePath);
  // In UTF-8 no byte of a multi-byte character is "\", so the separators
  // can be replaced byte by byte once the text is converted.
  if (path.size() >= 2 && path[1] == ':' &&
      ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')))
    path.erase(0, 2);
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

std::string EnginePath(const std::string& hostPath) {
  std::string path = Utf8ToAnsi(hostPath);
  // Only after the conversion back: a trail byte of a double-byte character
  // may be 0x2F, so the separators are replaced where "/" is a character.
  std::string out;
  out.reserve(path.size());
  for (size_t i = 0; i < path.size(); ++i) {
    const auto c = static_cast<unsigned char>(path[i]);
    if (IsLeadByte(c, gAnsiCodePage) && i + 1 < path.size()) {
      out.push_back(path[i]);
      out.push_back(path[++i]);
      continue;
    }
    out.push_back(c == '/' ? '\\' : path[i]);
  }
  return out;
}

// No windows: only a pump the program set has anything to do.
void ProcessMessages() { RunMessagePump(); }

int ShowMessageBox(const std::string& /*text*/, const std::string& /*caption*/, unsigned /*flags*/) {
  return gMessageBoxAnswer;
}

void SetMessageBoxAnswer(int answer) { gMessageBoxAnswer = answer; }

bool OpenFileDialog(const std::string& /*title*/, const std::string& /*filter*/, const std::string& /*initialDir*/,
                    std::string& /*chosen*/) {
  return false;
}

bool SelectDirectoryDialog(const std::string& /*caption*/, const std::string& /*initialDir*/,
                           std::string& /*chosen*/) {
  return false;
}

}  // namespace tavo::platform
