// Lead-byte rules and the path helpers built on them.
#include "core/Mbcs.h"

namespace tavo {

namespace {

char FoldUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char FoldLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Length in bytes of the character starting at s[i]: 2 for a lead byte with
// a byte after it, else 1 (a lead byte cut off at the end counts as itself).
size_t CharLength(std::string_view s, size_t i, int codePage) {
  return IsLeadByte(static_cast<unsigned char>(s[i]), codePage) && i + 1 < s.size() ? 2 : 1;
}

std::string MapCase(std::string_view s, int codePage, char (*fold)(char)) {
  std::string out(s);
  for (size_t i = 0; i < out.size();) {
    const size_t length = CharLength(s, i, codePage);
    if (length == 1) out[i] = fold(out[i]);
    i += length;
  }
  return out;
}

// True when position pos of s is the start of a character (or the end).
bool IsCharBoundary(std::string_view s, size_t pos, int codePage) {
  size_t i = 0;
  while (i < pos) i += CharLength(s, i, codePage);
  return i == pos;
}

}  // namespace

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

std::string UpperCaseMbcs(std::string_view s, int codePage) { return MapCase(s, codePage, FoldUpper); }

std::string LowerCaseMbcs(std::string_view s, int codePage) { return MapCase(s, codePage, FoldLower); }

int CompareTextMbcs(std::string_view a, std::string_view b, int codePage) {
  // Each side is walked by its own characters: a byte that is a trail byte
  // in one name is compared unfolded even when the other name has an ASCII
  // letter there.
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const size_t la = CharLength(a, i, codePage), lb = CharLength(b, j, codePage);
    for (size_t k = 0; k < la || k < lb; ++k) {
      // Only a lead byte cut off at the end is one byte long against two:
      // the shorter side has ended.
      if (k >= la) return -1;
      if (k >= lb) return 1;
      auto ca = static_cast<unsigned char>(la == 1 ? FoldUpper(a[i + k]) : a[i + k]);
      auto cb = static_cast<unsigned char>(lb == 1 ? FoldUpper(b[j + k]) : b[j + k]);
      if (ca != cb) return ca < cb ? -1 : 1;
    }
    i += la;
    j += lb;
  }
  const size_t restA = a.size() - i, restB = b.size() - j;
  return restA == restB ? 0 : restA < restB ? -1 : 1;
}

bool SameTextMbcs(std::string_view a, std::string_view b, int codePage) {
  return a.size() == b.size() && CompareTextMbcs(a, b, codePage) == 0;
}

bool StartsWithTextMbcs(std::string_view text, std::string_view prefix, int codePage) {
  return text.size() >= prefix.size() && IsCharBoundary(text, prefix.size(), codePage) &&
         SameTextMbcs(text.substr(0, prefix.size()), prefix, codePage);
}

bool EndsWithTextMbcs(std::string_view text, std::string_view suffix, int codePage) {
  if (text.size() < suffix.size()) return false;
  const size_t start = text.size() - suffix.size();
  return IsCharBoundary(text, start, codePage) && SameTextMbcs(text.substr(start), suffix, codePage);
}

}  // namespace tavo
