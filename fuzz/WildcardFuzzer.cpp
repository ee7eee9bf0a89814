// Fuzzes the entry-selection wildcard matcher against the slow reference
// matcher: the verdicts must agree on every pattern and name short enough
// for the reference; longer ones must still finish quickly (no backtracking
// blow-up), which the fuzzer's time limit checks.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/WildcardReference.h"
#include "unzip/Wildcard.h"

// Input: one byte choosing the code page (odd: 936, even: 1252), then the
// pattern, a zero byte, and the name.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const int codePage = (data[0] & 1) ? 936 : 1252;
  const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const size_t cut = rest.find('\0');
  const std::string pattern = rest.substr(0, cut);
  const std::string text = cut == std::string::npos ? std::string() : rest.substr(cut + 1);
  const bool fast = tavo::zip::WildcardMatch(pattern, text, codePage);
  const auto stars = std::count(pattern.begin(), pattern.end(), '*');
  if (stars > 4 || pattern.size() > 40 || text.size() > 64) return 0;
  const bool slow = tavo::fuzz::ReferenceWildcardMatch(pattern, text, codePage);
  if (fast != slow) {
    std::fprintf(stderr, "verdicts differ (cp %d): pattern \"%s\" text \"%s\": fast %d, reference %d\n", codePage,
                 pattern.c_str(), text.c_str(), fast, slow);
    std::abort();
  }
  return 0;
}
