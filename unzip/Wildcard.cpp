// The wildcard matcher.
#include "unzip/Wildcard.h"

#include <bitset>
#include <string>

namespace tavo::zip {

namespace {

using CharSet = std::bitset<256>;

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return out;
}

// Parses the set starting at pattern[pos] == '<'. On success fills `set`,
// sets `empty` when it holds no character and returns the position after
// ">"; returns npos when the set is malformed.
size_t ParseSet(const std::string& p, size_t pos, CharSet& set, bool& empty) {
  set.reset();
  ++pos;
  bool negate = false;
  if (pos < p.size() && (p[pos] == '^' || p[pos] == '!')) {
    negate = true;
    ++pos;
  }
  bool listed = false;
  while (pos < p.size() && p[pos] != '>') {
    const auto first = static_cast<unsigned char>(p[pos]);
    if (pos + 1 < p.size() && p[pos + 1] == '-') {
      if (pos + 2 >= p.size() || p[pos + 2] == '>') return std::string::npos;  // range without its end
      const auto last = static_cast<unsigned char>(p[pos + 2]);
      for (unsigned c = first; c <= last; ++c) set.set(c);
      pos += 3;
    } else {
      set.set(first);
      ++pos;
    }
    listed = true;
  }
  if (pos >= p.size() || !listed) return std::string::npos;  // no ">" or nothing listed
  if (negate) set.flip();
  empty = set.none();
  return pos + 1;
}

class Matcher {
 public:
  Matcher(std::string pattern, std::string text) : p_(std::move(pattern)), t_(std::move(text)) {}

  bool Run() {
    if (p_ == "*") return true;
    if (!Wellformed()) return false;
    return Match(0, 0);
  }

 private:
  // Every set in the pattern must be complete and list something.
  bool Wellformed() const {
    for (size_t i = 0; i < p_.size();) {
      if (p_[i] != '<') {
        ++i;
        continue;
      }
      CharSet set;
      bool empty = false;
      const size_t next = ParseSet(p_, i, set, empty);
      if (next == std::string::npos) return false;
      i = next;
    }
    return true;
  }

  bool Match(size_t pi, size_t ti) {
    while (pi < p_.size()) {
      const char c = p_[pi];
      if (c == '*') return Star(pi, ti);
      if (ti >= t_.size()) return false;
      if (c == '?') {
        ++pi;
        ++ti;
      } else if (c == '<') {
        CharSet set;
        bool empty = false;
        pi = ParseSet(p_, pi, set, empty);
        if (!set.test(static_cast<unsigned char>(t_[ti]))) return false;
        ++ti;
      } else {
        if (c != t_[ti]) return false;
        ++pi;
        ++ti;
      }
    }
    return ti == t_.size();
  }

  // At a star: skip further stars, let each "?" among them take a character,
  // take the star's own set into the one slot, then try the rest of the
  // pattern at every text position where it can start.
  bool Star(size_t pi, size_t ti) {
    while (pi < p_.size() && (p_[pi] == '*' || p_[pi] == '?')) {
      if (p_[pi] == '?') {
        if (ti >= t_.size()) return false;
        ++ti;
        if (ti >= t_.size()) return false;
      }
      ++pi;
    }
    hasSlot_ = false;
    if (pi < p_.size() && p_[pi] == '<') {
      bool empty = false;
      pi = ParseSet(p_, pi, slot_, empty);
      if (empty) return false;
      hasSlot_ = true;
    }
    if (pi >= p_.size()) {
      // The pattern ends with the star: it takes the rest of the text, which
      // must all be in the star's set when it has one.
      for (; ti < t_.size(); ++ti)
        if (hasSlot_ && !slot_.test(static_cast<unsigned char>(t_[ti]))) return false;
      return true;
    }
    const char next = p_[pi];
    for (; ti < t_.size(); ++ti) {
      if ((next == '<' || t_[ti] == next) && Match(pi, ti)) return true;
      // The star passes over this character; a later star may have replaced
      // the set in the slot meanwhile.
      if (hasSlot_ && !slot_.test(static_cast<unsigned char>(t_[ti]))) return false;
    }
    return false;
  }

  std::string p_, t_;
  CharSet slot_;
  bool hasSlot_ = false;
};

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view text) {
  return Matcher(Lower(pattern), Lower(text)).Run();
}

}  // namespace tavo::zip
