// Lead-byte rules and the path helpers built on them.
#include "core/Mbcs.h"

namespace tavo {

bool IsLeadByte(unsigned char b, int codePage) {
  switch (codePage) {
    case 936:
    case 949:
    case 950:
      return b >= 0x81 && b <= 0xFE;
    case 932:
      return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    default:
      return false;
  }
}

size_t LastDelimiter(std::string_view s, std::string_view delims, int codePage) {
  size_t found = std::string_view::npos;
  for (size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (IsLeadByte(c, codePage) && i + 1 < s.size()) {
      ++i;  // skip the trail byte: it may be 0x5C without being "\"
      continue;
    }
    if (delims.find(static_cast<char>(c)) != std::string_view::npos) found = i;
  }
  return found;
}

std::string ExtractFilePath(std::string_view path, int codePage) {
  const size_t pos = LastDelimiter(path, "\\:", codePage);
  return pos == std::string_view::npos ? std::string() : std::string(path.substr(0, pos + 1));
}

std::string ExtractFileName(std::string_view path, int codePage) {
  const size_t pos = LastDelimiter(path, "\\:", codePage);
  return std::string(pos == std::string_view::npos ? path : path.substr(pos + 1));
}

bool EndsWithPathDelimiter(std::string_view s, int codePage) {
  return !s.empty() && LastDelimiter(s, "\\", codePage) == s.size() - 1;
}

}  // namespace tavo
