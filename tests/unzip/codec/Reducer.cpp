// Test reducer: greedy matches expressed through the DLE-144 escapes of a
// reduction factor, then the byte values coded with follower sets.
#include <algorithm>
#include <array>

#include "unzip/codec/LegacyEncoders.h"

namespace tavo::test {
namespace {

constexpr uint8_t kDle = 144;

unsigned IndexBits(size_t n) {
  unsigned bits = 1;
  while ((size_t{1} << bits) < n) ++bits;
  return bits;
}

}  // namespace

std::string Reduce(const std::string& text, int factor, bool followers, bool zerosBefore, ReduceStats* stats) {
  ReduceStats local;
  ReduceStats& st = stats ? *stats : local;
  const auto* data = reinterpret_cast<const uint8_t*>(text.data());
  const size_t n = text.size();
  const size_t lengthMask = 0x7Fu >> (factor - 1);
  const unsigned distShift = 8 - factor;
  const size_t maxDistance = ((size_t{1} << factor) - 1) * 256 + 256;
  const size_t maxLength = lengthMask + 255 + 3;

  // 1. The value stream: literals (144 doubled as 144,0) and matches.
  std::vector<uint8_t> values;
  // Candidates come from a hash chain over 3-byte prefixes, plus the one
  // distance that reaches just before the start (zeros there).
  std::vector<int64_t> head(1 << 16, -1), chain(n, -1);
  auto hash = [&](size_t p) { return ((data[p] << 8) ^ (data[p + 1] << 4) ^ data[p + 2]) & 0xFFFF; };
  auto insert = [&](size_t p) {
    if (p + 2 < n) {
      chain[p] = head[hash(p)];
      head[hash(p)] = static_cast<int64_t>(p);
    }
  };
  size_t pos = 0;
  while (pos < n) {
    size_t bestLen = 0, bestDist = 0;
    auto consider = [&](size_t d) {
      size_t len = 0;
      while (len < maxLength && pos + len < n) {
        const uint8_t src = (pos + len >= d) ? data[pos + len - d] : 0;  // zeros before the start
        if (src != data[pos + len]) break;
        ++len;
      }
      // V = 0 would read as a literal 144: a length of 3 needs a distance
      // with a non-zero high part.
      const size_t minLen = ((d - 1) >> 8) == 0 ? 4 : 3;
      if (len >= minLen && len > bestLen) {
        bestLen = len;
        bestDist = d;
      }
    };
    if (pos + 2 < n) {
      int tries = 64;
      for (int64_t c = head[hash(pos)]; c >= 0 && tries-- > 0; c = chain[c]) {
        const size_t d = pos - static_cast<size_t>(c);
        if (d > maxDistance) break;
        consider(d);
      }
    }
    if (zerosBefore && pos + 1 <= maxDistance) consider(pos + 1);
    if (bestLen == 0) {
      values.push_back(data[pos]);
      if (data[pos] == kDle) values.push_back(0);
      insert(pos++);
      continue;
    }
    const size_t extra = bestLen - 3;
    const size_t high = (bestDist - 1) >> 8;
    const size_t lenField = std::min(extra, lengthMask);
    values.push_back(kDle);
    values.push_back(static_cast<uint8_t>((high << distShift) | lenField));
    if (lenField == lengthMask) {
      values.push_back(static_cast<uint8_t>(extra - lengthMask));
      ++st.longMatches;
    }
    values.push_back(static_cast<uint8_t>((bestDist - 1) & 0xFF));
    ++st.matches;
    for (size_t k = 0; k < bestLen; ++k) insert(pos++);
  }

  // 2. Follower sets: up to 32 most frequent successors of each value.
  std::array<std::vector<uint8_t>, 256> sets;
  if (followers) {
    std::vector<std::array<uint32_t, 256>> freq(256);
    for (auto& f : freq) f.fill(0);
    unsigned last = 0;
    for (uint8_t v : values) {
      ++freq[last][v];
      last = v;
    }
    for (int j = 0; j < 256; ++j) {
      std::vector<int> order;
      for (int v = 0; v < 256; ++v)
        if (freq[j][v] > 1) order.push_back(v);
      std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return freq[j][a] > freq[j][b]; });
      if (order.size() > 32) order.resize(32);
      for (int v : order) sets[j].push_back(static_cast<uint8_t>(v));
    }
  }

  // 3. The bit stream.
  BitWriter out;
  for (int j = 255; j >= 0; --j) {
    out.Put(static_cast<uint32_t>(sets[j].size()), 6);
    for (uint8_t v : sets[j]) out.Put(v, 8);
  }
  unsigned last = 0;
  for (uint8_t v : values) {
    const auto& set = sets[last];
    if (set.empty()) {
      out.Put(v, 8);
    } else {
      const auto it = std::find(set.begin(), set.end(), v);
      if (it == set.end()) {
        out.Put(1, 1);
        out.Put(v, 8);
      } else {
        out.Put(0, 1);
        out.Put(static_cast<uint32_t>(it - set.begin()), IndexBits(set.size()));
        ++st.followerHits;
      }
    }
    last = v;
  }
  return out.Finish();
}

}  // namespace tavo::test
