// Test shrinker: LZW with 9- to 13-bit codes that grows the code size with
// 256,1 and clears leaves with 256,2, keeping its table exactly as a decoder
// rebuilds it (entries are defined one code late).
#include <cstring>

#include "unzip/codec/LegacyEncoders.h"

namespace tavo::test {

void BitWriter::Put(uint32_t value, unsigned bits) {
  for (unsigned i = 0; i < bits; ++i) {
    buf_ |= ((value >> i) & 1u) << count_;
    if (++count_ == 8) {
      out_.push_back(static_cast<char>(buf_));
      buf_ = 0;
      count_ = 0;
    }
  }
}

std::string BitWriter::Finish() {
  if (count_ > 0) out_.push_back(static_cast<char>(buf_));
  buf_ = 0;
  count_ = 0;
  return std::move(out_);
}

namespace {

constexpr int kTable = 8192;
constexpr int kFree = -1;

class Shrinker {
 public:
  Shrinker() : child_(static_cast<size_t>(kTable) * 256, -1), prefix_(kTable, kFree), suffix_(kTable, 0),
               length_(kTable, 0) {
    for (int c = 0; c < 256; ++c) {
      prefix_[c] = 0;
      suffix_[c] = static_cast<uint8_t>(c);
      length_[c] = 1;
    }
  }

  std::string Run(const std::string& text, const ShrinkOptions& options, ShrinkStats& stats) {
    const auto* data = reinterpret_cast<const uint8_t*>(text.data());
    const size_t n = text.size();
    size_t pos = 0;
    int prev = -1;
    size_t sinceClear = 0;
    while (pos < n) {
      int code = data[pos];
      size_t len = 1;
      while (pos + len < n) {
        const int c = child_[static_cast<size_t>(code) * 256 + data[pos + len]];
        if (c < 0) break;
        code = c;
        ++len;
      }
      // The entry about to be defined (previous string + this string's first
      // byte) can already be used: the decoder's code-being-defined case.
      if (prev >= 0 && next_ < kTable) {
        const size_t plen = length_[prev] + 1;
        if (plen > len && pos + plen <= n && Matches(prev, data + pos) && data[pos + plen - 1] == data[pos]) {
          code = next_;
          len = plen;
          ++stats.kwkwk;
        }
      }
      Emit(code, stats);
      if (prev >= 0 && next_ < kTable) Define(prev, data[pos]);
      prev = code;
      pos += len;
      ++sinceClear;
      // A full table must be cleared at once: Info-ZIP's unshrink rejects a
      // stream that goes on past a full table. Other clears wait for a
      // single-byte code, so the previous code is never among the freed.
      const bool full = options.clearWhenFull && next_ >= kTable;
      const bool due = options.clearEvery != 0 && sinceClear >= options.clearEvery && code < 256;
      if ((full || due) && pos < n) {
        Emit(256, stats);
        Emit(2, stats);
        ++stats.clearCodes;
        ClearLeaves();
        sinceClear = 0;
      }
    }
    stats.finalBits = bits_;
    return out_.Finish();
  }

 private:
  bool Matches(int code, const uint8_t* at) const {
    // Compares the string of `code` with the bytes at `at`.
    size_t i = length_[code];
    while (code > 255) {
      if (at[--i] != suffix_[code]) return false;
      code = prefix_[code];
    }
    return at[0] == code;
  }

  void Emit(int code, ShrinkStats& stats) {
    while (code >= (1 << bits_)) {
      out_.Put(256, bits_);
      out_.Put(1, bits_);
      ++bits_;
      ++stats.growCodes;
    }
    out_.Put(static_cast<uint32_t>(code), bits_);
  }

  void Define(int prefix, uint8_t byte) {
    prefix_[next_] = prefix;
    suffix_[next_] = byte;
    length_[next_] = length_[prefix] + 1;
    child_[static_cast<size_t>(prefix) * 256 + byte] = next_;
    ++next_;
    while (next_ < kTable && prefix_[next_] != kFree) ++next_;
  }

  void ClearLeaves() {
    std::vector<uint8_t> used(kTable, 0);
    for (int c = 257; c < kTable; ++c)
      if (prefix_[c] != kFree) used[prefix_[c]] = 1;
    for (int c = 257; c < kTable; ++c) {
      if (prefix_[c] == kFree || used[c]) continue;
      int& slot = child_[static_cast<size_t>(prefix_[c]) * 256 + suffix_[c]];
      if (slot == c) slot = -1;
      prefix_[c] = kFree;
    }
    next_ = 257;
    while (next_ < kTable && prefix_[next_] != kFree) ++next_;
  }

  std::vector<int> child_;
  std::vector<int> prefix_;
  std::vector<uint8_t> suffix_;
  std::vector<size_t> length_;
  int next_ = 257;
  unsigned bits_ = 9;
  BitWriter out_;
};

}  // namespace

std::string Shrink(const std::string& data, const ShrinkOptions& options, ShrinkStats* stats) {
  ShrinkStats local;
  Shrinker s;
  return s.Run(data, options, stats ? *stats : local);
}

}  // namespace tavo::test
