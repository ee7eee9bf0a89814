// The installer's path rules that need no system: the normalised install
// directory and the directory part of a file path.
#pragma once

#include <string>
#include <string_view>

#include "core/Mbcs.h"

namespace tavo::app {

// The directory text without leading and trailing characters 0x00..0x20,
// ending in "\" unless it is empty.
std::string NormalizeDir(std::string_view dir, int codePage = kDefaultCodePage);

// Everything up to and including the last "\" or ":" of a path; the second
// byte of a double-byte character never counts as either.
std::string DirectoryPart(std::string_view path, int codePage = kDefaultCodePage);

}  // namespace tavo::app
