// Component-wise checks of archive-supplied paths.
#include "unzip/EntryPath.h"

#include <functional>

#include "core/Mbcs.h"

namespace tavo::zip {

namespace {

// Calls `visit` with each component of the path (split at "\" and "/" that
// are whole characters, not trail bytes); stops early when it returns true.
bool AnyComponent(const std::string& path, int codePage, size_t start,
                  const std::function<bool(const std::string&)>& visit) {
  for (size_t i = start; i <= path.size(); ++i) {
    if (i < path.size() && i + 1 < path.size() && IsLeadByte(static_cast<unsigned char>(path[i]), codePage)) {
      ++i;
      continue;
    }
    if (i == path.size() || path[i] == '\\' || path[i] == '/') {
      if (visit(path.substr(start, i - start))) return true;
      start = i + 1;
    }
  }
  return false;
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

bool IsDeviceStem(const std::string& component) {
  // The stem is what comes before the first "."; Windows ignores spaces
  // after it ("NUL .txt" is NUL).
  std::string stem = component.substr(0, component.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  for (char& c : stem) c = Upper(c);
  if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
  return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
         stem[3] >= '1' && stem[3] <= '9';
}

}  // namespace

bool ClimbsOut(const std::string& path, int codePage) {
  const size_t start = path.size() >= 2 && path[1] == ':' ? 2 : 0;
  return AnyComponent(path, codePage, start, [](const std::string& c) { return c == ".."; });
}

bool NamesWindowsDevice(const std::string& path, int codePage) {
  return AnyComponent(path, codePage, 0, [](const std::string& c) {
    if (c.empty() || c == "." || c == "..") return false;
    // A ":" or a final "." or " " is never a trail byte in a double-byte
    // code page (trail bytes start at 0x40), so the plain byte test is safe.
    if (c.find(':') != std::string::npos) return true;
    if (c.back() == '.' || c.back() == ' ') return true;
    return IsDeviceStem(c);
  });
}

}  // namespace tavo::zip
