// A slow wildcard matcher that follows the selection rules word for word,
// by backtracking: the yardstick the fast matcher is compared with (by the
// wildcard fuzzer and the wildcard tests). Exponential in the number of
// stars; keep its inputs short.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Mbcs.h"

namespace tavo::fuzz {

class ReferenceWildcard {
 public:
  ReferenceWildcard(std::string_view pattern, std::string_view text, int codePage) : codePage_(codePage) {
    p_ = Characters(LowerCaseMbcs(pattern, codePage));
    t_ = Characters(LowerCaseMbcs(text, codePage));
    lonePatternStar_ = LowerCaseMbcs(pattern, codePage) == "*";
  }

  bool Match() {
    if (lonePatternStar_) return true;
    // A malformed set anywhere makes the pattern match nothing.
    for (size_t i = 0; i < p_.size(); ++i) {
      if (p_[i] != '<') continue;
      Set set;
      i = ReadSet(i, set);
      if (i == kBad) return false;
      --i;
    }
    return From(0, 0);
  }

 private:
  static constexpr size_t kBad = static_cast<size_t>(-1);

  // Characters as numbers: a byte, or lead * 256 + trail.
  std::vector<uint32_t> Characters(const std::string& s) const {
    std::vector<uint32_t> out;
    for (size_t i = 0; i < s.size(); ++i) {
      const auto b = static_cast<unsigned char>(s[i]);
      if (IsLeadByte(b, codePage_) && i + 1 < s.size())
        out.push_back(b * 256u + static_cast<unsigned char>(s[++i]));
      else
        out.push_back(b);
    }
    return out;
  }

  struct Set {
    bool negated = false;
    std::vector<std::pair<uint32_t, uint32_t>> ranges;
    bool Contains(uint32_t c) const {
      bool listed = false;
      for (const auto& r : ranges)
        if (r.first <= c && c <= r.second) listed = true;
      return listed != negated;
    }
  };

  // Reads the set starting at "<"; returns the position after ">" or kBad.
  size_t ReadSet(size_t i, Set& set) const {
    ++i;
    if (i < p_.size() && (p_[i] == '^' || p_[i] == '!')) {
      set.negated = true;
      ++i;
    }
    size_t items = 0;
    while (i < p_.size() && p_[i] != '>') {
      if (i + 1 < p_.size() && p_[i + 1] == '-') {
        if (i + 2 >= p_.size() || p_[i + 2] == '>') return kBad;
        set.ranges.push_back({p_[i], p_[i + 2]});
        i += 3;
      } else {
        set.ranges.push_back({p_[i], p_[i]});
        i += 1;
      }
      ++items;
    }
    if (i >= p_.size() || items == 0) return kBad;
    return i + 1;
  }

  // A set holds no character when no byte and no double-byte character of
  // the code page is in it; tried one character at a time.
  bool Empty(const Set& set) const {
    for (uint32_t c = 0; c < 256; ++c)
      if (set.Contains(c)) return false;
    for (uint32_t lead = 0; lead < 256; ++lead) {
      if (!IsLeadByte(static_cast<unsigned char>(lead), codePage_)) continue;
      for (uint32_t trail = 0; trail < 256; ++trail)
        if (set.Contains(lead * 256 + trail)) return false;
    }
    return true;
  }

  bool From(size_t pi, size_t ti) {
    for (; pi < p_.size(); ++pi, ++ti) {
      if (p_[pi] == '*') return AtStar(pi, ti);
      if (ti >= t_.size()) return false;
      if (p_[pi] == '<') {
        Set set;
        const size_t after = ReadSet(pi, set);
        if (!set.Contains(t_[ti])) return false;
        pi = after - 1;
      } else if (p_[pi] != '?' && p_[pi] != t_[ti]) {
        return false;
      }
    }
    return ti == t_.size();
  }

  bool AtStar(size_t pi, size_t ti) {
    // Further stars are passed over; each "?" among them takes a character,
    // and using up the text that way fails.
    while (pi < p_.size() && (p_[pi] == '*' || p_[pi] == '?')) {
      if (p_[pi] == '?') {
        if (ti >= t_.size() || ++ti >= t_.size()) return false;
      }
      ++pi;
    }
    // This star's set, if it has one, goes into the one slot.
    slotSet_ = false;
    if (pi < p_.size() && p_[pi] == '<') {
      Set set;
      pi = ReadSet(pi, set);
      if (Empty(set)) return false;
      slot_ = set;
      slotSet_ = true;
    }
    if (pi == p_.size()) {
      for (; ti < t_.size(); ++ti)
        if (slotSet_ && !slot_.Contains(t_[ti])) return false;
      return true;
    }
    for (; ti < t_.size(); ++ti) {
      if ((p_[pi] == '<' || p_[pi] == t_[ti]) && From(pi, ti)) return true;
      if (slotSet_ && !slot_.Contains(t_[ti])) return false;
    }
    return false;
  }

  int codePage_;
  std::vector<uint32_t> p_, t_;
  bool lonePatternStar_ = false;
  Set slot_;
  bool slotSet_ = false;
};

inline bool ReferenceWildcardMatch(std::string_view pattern, std::string_view text, int codePage) {
  return ReferenceWildcard(pattern, text, codePage).Match();
}

}  // namespace tavo::fuzz
