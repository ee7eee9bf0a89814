// The wildcard matcher: the pattern is cut at its stars into literal
// segments, and the verdict is computed segment by segment from the last one
// back, as tables over text positions, instead of by backtracking.
#include "unzip/Wildcard.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <utility>
#include <vector>

namespace tavo::zip {

namespace {

// One whole character: a byte, or lead * 256 + trail.
using Code = uint32_t;

std::vector<Code> Decode(std::string_view s, int codePage) {
  std::vector<Code> out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (IsLeadByte(b, codePage) && i + 1 < s.size()) {
      out.push_back(static_cast<Code>(b) << 8 | static_cast<unsigned char>(s[++i]));
    } else {
      out.push_back(b);
    }
  }
  return out;
}

class CharSet {
 public:
  void Add(Code first, Code last) {
    if (first > last) return;  // a reversed range holds nothing
    for (Code c = first; c <= std::min<Code>(last, 0xFF); ++c) bytes_.set(c);
    if (last > 0xFF) wide_.emplace_back(std::max<Code>(first, 0x100), last);
  }
  void Negate() { negate_ = true; }

  bool Has(Code c) const {
    bool in = false;
    if (c <= 0xFF) {
      in = bytes_.test(c);
    } else {
      for (const auto& [lo, hi] : wide_) in = in || (c >= lo && c <= hi);
    }
    return in != negate_;
  }

  // True when no character of the code page is in the set. Every byte can
  // be a character (a lead byte cut off at the end stands for itself), and
  // so can every lead byte with any byte after it.
  bool Empty(int codePage) const {
    if (!negate_) return bytes_.none() && wide_.empty();
    if (!bytes_.all()) return false;
    for (Code lead = 0x80; lead <= 0xFF; ++lead)
      if (IsLeadByte(static_cast<unsigned char>(lead), codePage) && !WideCovers(lead << 8, lead << 8 | 0xFF))
        return false;
    return true;
  }

 private:
  bool WideCovers(Code lo, Code hi) const {
    std::vector<std::pair<Code, Code>> ranges = wide_;
    std::sort(ranges.begin(), ranges.end());
    Code next = lo;
    for (const auto& [a, b] : ranges) {
      if (a > next) break;
      if (b >= next) next = b + 1;
      if (next > hi) return true;
    }
    return false;
  }

  std::bitset<256> bytes_;
  std::vector<std::pair<Code, Code>> wide_;
  bool negate_ = false;
};

struct Token {
  enum Kind : uint8_t { kLiteral, kAny, kSet, kStar } kind;
  Code code;  // the character as written ("?", "*" and "<" included)
  int set;    // index into the sets for kSet
};

// Parses the set that starts with p[pos] == '<'; returns the position after
// its ">", or npos when it is malformed.
size_t ParseSet(const std::vector<Code>& p, size_t pos, CharSet& set) {
  constexpr size_t npos = static_cast<size_t>(-1);
  ++pos;
  if (pos < p.size() && (p[pos] == '^' || p[pos] == '!')) {
    set.Negate();
    ++pos;
  }
  bool listed = false;
  while (pos < p.size() && p[pos] != '>') {
    if (pos + 1 < p.size() && p[pos + 1] == '-') {
      if (pos + 2 >= p.size() || p[pos + 2] == '>') return npos;  // a range without its end
      set.Add(p[pos], p[pos + 2]);
      pos += 3;
    } else {
      set.Add(p[pos], p[pos]);
      ++pos;
    }
    listed = true;
  }
  if (pos >= p.size() || !listed) return npos;  // no ">", or nothing listed
  return pos + 1;
}

// A run of stars with the "?" among them, and the set right after it.
struct StarGroup {
  size_t questions = 0;
  int set = -1;  // -1: none
};

// The pattern cut at its stars: segments[0], groups[1], segments[1], ...
// groups[0] is unused so that group g is followed by segment g.
struct Pattern {
  std::vector<CharSet> sets;
  std::vector<bool> emptySets;  // sets that hold no character of the code page
  std::vector<std::vector<Token>> segments;
  std::vector<StarGroup> groups;
};

bool Compile(const std::vector<Code>& p, int codePage, Pattern& out) {
  std::vector<Token> tokens;
  for (size_t i = 0; i < p.size();) {
    if (p[i] == '<') {
      CharSet set;
      const size_t next = ParseSet(p, i, set);
      if (next == static_cast<size_t>(-1)) return false;
      out.sets.push_back(std::move(set));
      tokens.push_back({Token::kSet, p[i], static_cast<int>(out.sets.size() - 1)});
      i = next;
      continue;
    }
    const Token::Kind kind = p[i] == '*' ? Token::kStar : p[i] == '?' ? Token::kAny : Token::kLiteral;
    tokens.push_back({kind, p[i], -1});
    ++i;
  }
  out.segments.emplace_back();
  out.groups.emplace_back();
  for (size_t i = 0; i < tokens.size();) {
    if (tokens[i].kind != Token::kStar) {
      out.segments.back().push_back(tokens[i++]);
      continue;
    }
    StarGroup group;
    for (; i < tokens.size() && (tokens[i].kind == Token::kStar || tokens[i].kind == Token::kAny); ++i)
      if (tokens[i].kind == Token::kAny) ++group.questions;
    if (i < tokens.size() && tokens[i].kind == Token::kSet) group.set = tokens[i++].set;
    out.groups.push_back(group);
    out.segments.emplace_back();
  }
  for (const CharSet& set : out.sets) out.emptySets.push_back(set.Empty(codePage));
  return true;
}

// What one step of the match yields: a match, or no match together with the
// star set left in the shared slot. The slot holds the set of the star met
// last (a later star replaces it), and a star that fails still leaves its
// set there for the star that tried it.
constexpr int kMatched = -2;
constexpr int kSlotUnchanged = -1;  // no star reached: the slot is as it was
constexpr int kSlotNone = 0;        // the last star had no set (or an empty one)
// Values 1..k: the slot holds the set of star group g.

class Matcher {
 public:
  Matcher(const Pattern& pattern, const std::vector<Code>& text)
      : p_(pattern), t_(text), n_(text.size()), column_(pattern.groups.size()) {}

  bool Run() {
    const size_t k = p_.groups.size() - 1;
    size_t end = 0;
    if (!SegmentMatches(0, 0, end)) return false;
    if (k == 0) return end == n_;
    // Only a last segment that ends the text can complete a match: a name
    // that does not end that way fails at once.
    const std::vector<Token>& last = p_.segments[k];
    size_t lastEnd = 0;
    if (!last.empty() && (last.size() > n_ || !SegmentMatches(k, n_ - last.size(), lastEnd))) return false;
    // row[t]: the outcome of matching segment g and everything after it at
    // text position t; built for g = k first, down to g = 1.
    std::vector<int> row(n_ + 1, kSlotUnchanged), above(n_ + 1);
    row[n_ - last.size()] = kMatched;
    for (size_t g = k; g-- > 1;) {
      BuildStarTable(g + 1, row);
      for (size_t t = 0; t <= n_; ++t) {
        size_t segmentEnd = 0;
        above[t] = SegmentMatches(g, t, segmentEnd) ? Star(g + 1, segmentEnd) : kSlotUnchanged;
      }
      row.swap(above);
    }
    BuildStarTable(1, row);
    return Star(1, end) == kMatched;
  }

 private:
  bool SlotAdmits(int slot, Code c) const { return slot == kSlotNone || p_.sets[p_.groups[slot].set].Has(c); }

  bool TokenMatches(const Token& token, Code c) const {
    switch (token.kind) {
      case Token::kAny: return true;
      case Token::kSet: return p_.sets[token.set].Has(c);
      default: return token.code == c;
    }
  }

  // Segment g, character by character from text position t.
  bool SegmentMatches(size_t g, size_t t, size_t& end) const {
    const std::vector<Token>& segment = p_.segments[g];
    if (segment.size() > n_ - t) return false;
    for (size_t i = 0; i < segment.size(); ++i)
      if (!TokenMatches(segment[i], t_[t + i])) return false;
    end = t + segment.size();
    return true;
  }

  // Star group g met at text position t.
  int Star(size_t g, size_t t) const {
    const StarGroup& group = p_.groups[g];
    // Each "?" among the stars takes a character; using up the text that
    // way fails the match.
    if (group.questions > 0 && t + group.questions >= n_) return kSlotUnchanged;
    t += group.questions;
    int own = kSlotNone;
    if (group.set >= 0) {
      if (p_.emptySets[group.set]) return kSlotNone;
      own = static_cast<int>(g);
    }
    if (g + 1 == p_.groups.size() && p_.segments[g].empty()) {
      // The pattern ends with the star: the rest of the text must all be
      // admitted by its set.
      for (; t < n_; ++t)
        if (!SlotAdmits(own, t_[t])) return own;
      return kMatched;
    }
    return loop_[t * slots_.size() + column_[own]];
  }

  // The star loop of group g as a table: loop_[t][s] is the outcome of the
  // star passing on from text position t with slot s, given row, the
  // outcomes of the rest of the pattern after the group. The rest is tried
  // at each position whose character is the next pattern character (every
  // position when that is a set); each character the star passes over must
  // be admitted by whatever set the slot holds by then.
  void BuildStarTable(size_t g, const std::vector<int>& row) {
    slots_.assign(1, kSlotNone);
    if (p_.groups[g].set >= 0) slots_.push_back(static_cast<int>(g));
    for (int outcome : row)
      if (outcome > kSlotNone && std::find(slots_.begin(), slots_.end(), outcome) == slots_.end())
        slots_.push_back(outcome);
    for (size_t s = 0; s < slots_.size(); ++s) column_[slots_[s]] = s;
    const std::vector<Token>& rest = p_.segments[g];
    const bool everyPosition = !rest.empty() && rest[0].kind == Token::kSet;
    // An empty segment is followed by the next group's first "*".
    const Code next = rest.empty() ? Code('*') : rest[0].code;
    const size_t width = slots_.size();
    loop_.assign((n_ + 1) * width, 0);
    for (size_t s = 0; s < width; ++s) loop_[n_ * width + s] = slots_[s];
    for (size_t t = n_; t-- > 0;) {
      const bool tried = everyPosition || t_[t] == next;
      for (size_t s = 0; s < width; ++s) {
        int slot = slots_[s];
        if (tried) {
          if (row[t] == kMatched) {
            loop_[t * width + s] = kMatched;
            continue;
          }
          if (row[t] != kSlotUnchanged) slot = row[t];
        }
        loop_[t * width + s] = SlotAdmits(slot, t_[t]) ? loop_[(t + 1) * width + column_[slot]] : slot;
      }
    }
  }

  const Pattern& p_;
  const std::vector<Code>& t_;
  const size_t n_;
  std::vector<int> slots_;     // the slot values the current table has a column for
  std::vector<size_t> column_;  // slot value -> its column in the current table
  std::vector<int> loop_;
};

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view text, int codePage) {
  const std::string loweredPattern = LowerCaseMbcs(pattern, codePage);
  if (loweredPattern == "*") return true;
  Pattern compiled;
  if (!Compile(Decode(loweredPattern, codePage), codePage, compiled)) return false;
  const std::vector<Code> lowered = Decode(LowerCaseMbcs(text, codePage), codePage);
  return Matcher(compiled, lowered).Run();
}

}  // namespace tavo::zip
