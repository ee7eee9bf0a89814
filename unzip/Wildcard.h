// The wildcard matcher that selects entries for extraction: "*", "?", and
// sets between "<" and ">" (ranges "a-c", negation with "^" or "!"); a star
// directly followed by a set matches a run of characters from that set.
#pragma once

#include <string_view>

namespace tavo::zip {

// True when the pattern matches the whole text. Both are lower-cased (ASCII
// letters) first. A malformed set (nothing listed, no ">", a range without
// its second character) makes the pattern match nothing.
bool WildcardMatch(std::string_view pattern, std::string_view text);

}  // namespace tavo::zip
