// Normalising the install directory and taking a path's directory part.
#include "app/PathRules.h"

namespace tavo::app {

std::string NormalizeDir(std::string_view dir, int codePage) {
  auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  size_t begin = 0;
  size_t end = dir.size();
  while (begin < end && isBlank(dir[begin])) ++begin;
  // A trail byte is never 0x20 or below in code page 936, so trimming from
  // the right cannot cut a character in half.
  while (end > begin && isBlank(dir[end - 1])) --end;
  std::string result(dir.substr(begin, end - begin));
  // "\" as a trail byte does not end the directory: look at whole characters.
  if (!result.empty() && !EndsWithPathDelimiter(result, codePage)) result += '\\';
  return result;
}

std::string DirectoryPart(std::string_view path, int codePage) { return ExtractFilePath(path, codePage); }

}  // namespace tavo::app
