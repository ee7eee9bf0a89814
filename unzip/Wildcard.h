// The wildcard matcher that selects entries for extraction: "*", "?", and
// sets between "<" and ">" (ranges "a-c", negation with "^" or "!"); a star
// directly followed by a set matches a run of characters from that set.
#pragma once

#include <string_view>

#include "core/Mbcs.h"

namespace tavo::zip {

// True when the pattern matches the whole text. Both are lower-cased (ASCII
// letters that are whole characters) first. Both are read as characters of
// the code page: "?" takes a whole double-byte character, and a set lists
// and ranges whole characters (a double-byte character counts as the value
// lead * 256 + trail). A malformed set (nothing listed, no ">", a range
// without its second character) makes the pattern match nothing.
//
// Runs in time polynomial in the lengths (about text length times the
// square of the number of stars), whatever the archive's names are.
bool WildcardMatch(std::string_view pattern, std::string_view text, int codePage = kDefaultCodePage);

}  // namespace tavo::zip
