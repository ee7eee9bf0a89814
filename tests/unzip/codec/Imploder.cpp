// Test imploder: greedy matches over a 4 or 8 KB dictionary, coded with
// Shannon-Fano trees built from the data's own frequencies.
#include <algorithm>
#include <numeric>
#include <queue>

#include "unzip/codec/LegacyEncoders.h"

namespace tavo::test {

std::vector<uint8_t> LimitedCodeLengths(const std::vector<uint64_t>& freqIn, unsigned maxBits) {
  std::vector<uint64_t> freq(freqIn);
  for (auto& f : freq) f += 1;  // every symbol gets a code
  const size_t n = freq.size();
  for (;;) {
    // Huffman: merge the two lightest until one tree is left.
    std::vector<int> parent(2 * n, -1);
    using Node = std::pair<uint64_t, int>;
    std::priority_queue<Node, std::vector<Node>, std::greater<Node>> heap;
    for (size_t i = 0; i < n; ++i) heap.push({freq[i], static_cast<int>(i)});
    int next = static_cast<int>(n);
    while (heap.size() > 1) {
      const Node a = heap.top();
      heap.pop();
      const Node b = heap.top();
      heap.pop();
      parent[a.second] = next;
      parent[b.second] = next;
      heap.push({a.first + b.first, next++});
    }
    std::vector<uint8_t> lengths(n);
    unsigned longest = 0;
    for (size_t i = 0; i < n; ++i) {
      unsigned depth = 0;
      for (int p = static_cast<int>(i); parent[p] >= 0; p = parent[p]) ++depth;
      lengths[i] = static_cast<uint8_t>(std::max(depth, 1u));
      longest = std::max(longest, depth);
    }
    if (longest <= maxBits) return lengths;
    for (auto& f : freq) f = (f + 1) / 2;  // flatten and try again
  }
}

std::vector<uint16_t> ShannonFanoCodes(const std::vector<uint8_t>& lengths) {
  const size_t n = lengths.size();
  std::vector<size_t> order(n);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return lengths[a] < lengths[b]; });
  std::vector<uint16_t> codes(n);
  uint32_t code = 0, increment = 0;
  unsigned lastLength = 0;
  for (size_t k = n; k-- > 0;) {
    const size_t s = order[k];
    code += increment;
    if (lengths[s] != lastLength) {
      lastLength = lengths[s];
      increment = 1u << (16 - lastLength);
    }
    codes[s] = static_cast<uint16_t>(code >> (16 - lengths[s]));
  }
  return codes;
}

namespace {

struct Token {
  bool literal;
  uint8_t byte;
  size_t distance, length;
};

class TreeWriter {
 public:
  explicit TreeWriter(const std::vector<uint64_t>& freq) : lengths_(LimitedCodeLengths(freq, 16)),
                                                           codes_(ShannonFanoCodes(lengths_)) {}
  // Run-length description: a byte of (bytes - 1), then bytes holding
  // (length - 1) in the low and (repeat - 1) in the high four bits.
  void Describe(BitWriter& out) const {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < lengths_.size();) {
      size_t run = 1;
      while (i + run < lengths_.size() && run < 16 && lengths_[i + run] == lengths_[i]) ++run;
      bytes.push_back(static_cast<uint8_t>(((run - 1) << 4) | (lengths_[i] - 1)));
      i += run;
    }
    out.Put(static_cast<uint32_t>(bytes.size() - 1), 8);
    for (uint8_t b : bytes) out.Put(b, 8);
  }
  // The code goes out most significant bit first.
  void Put(BitWriter& out, size_t symbol) const {
    const unsigned len = lengths_[symbol];
    for (unsigned i = len; i-- > 0;) out.Put((codes_[symbol] >> i) & 1u, 1);
  }
  unsigned Longest() const { return *std::max_element(lengths_.begin(), lengths_.end()); }

 private:
  std::vector<uint8_t> lengths_;
  std::vector<uint16_t> codes_;
};

}  // namespace

std::string Implode(const std::string& text, bool dictionary8K, bool literalTree, ImplodeStats* stats) {
  ImplodeStats local;
  ImplodeStats& st = stats ? *stats : local;
  const auto* data = reinterpret_cast<const uint8_t*>(text.data());
  const size_t n = text.size();
  const unsigned lowBits = dictionary8K ? 7 : 6;
  const size_t maxDistance = size_t{1} << (lowBits + 6);
  const size_t minMatch = literalTree ? 3 : 2;
  const size_t maxLength = minMatch + 63 + 255;

  std::vector<Token> tokens;
  std::vector<int64_t> head(1 << 16, -1), chain(n, -1);
  auto hash = [&](size_t p) { return ((data[p] << 8) ^ data[p + 1]) & 0xFFFF; };
  auto insert = [&](size_t p) {
    if (p + 1 < n) {
      chain[p] = head[hash(p)];
      head[hash(p)] = static_cast<int64_t>(p);
    }
  };
  size_t pos = 0;
  while (pos < n) {
    size_t bestLen = 0, bestDist = 0;
    if (pos + 1 < n) {
      int tries = 128;
      for (int64_t c = head[hash(pos)]; c >= 0 && tries-- > 0; c = chain[c]) {
        const size_t d = pos - static_cast<size_t>(c);
        if (d > maxDistance) break;
        size_t len = 0;
        while (len < maxLength && pos + len < n && data[pos + len - d] == data[pos + len]) ++len;
        if (len > bestLen) {
          bestLen = len;
          bestDist = d;
        }
      }
    }
    if (bestLen >= minMatch) {
      tokens.push_back({false, 0, bestDist, bestLen});
      for (size_t k = 0; k < bestLen; ++k) insert(pos++);
    } else {
      tokens.push_back({true, data[pos], 0, 0});
      insert(pos++);
    }
  }

  std::vector<uint64_t> litFreq(256, 0), lenFreq(64, 0), distFreq(64, 0);
  for (const Token& t : tokens) {
    if (t.literal) {
      ++litFreq[t.byte];
    } else {
      ++lenFreq[std::min<size_t>(t.length - minMatch, 63)];
      ++distFreq[(t.distance - 1) >> lowBits];
    }
  }
  const TreeWriter litTree(litFreq), lenTree(lenFreq), distTree(distFreq);
  BitWriter out;
  if (literalTree) litTree.Describe(out);
  lenTree.Describe(out);
  distTree.Describe(out);
  for (const Token& t : tokens) {
    if (t.literal) {
      out.Put(1, 1);
      if (literalTree)
        litTree.Put(out, t.byte);
      else
        out.Put(t.byte, 8);
      ++st.literals;
    } else {
      out.Put(0, 1);
      const size_t d = t.distance - 1;
      out.Put(static_cast<uint32_t>(d & ((1u << lowBits) - 1)), lowBits);
      distTree.Put(out, d >> lowBits);
      const size_t l = t.length - minMatch;
      if (l >= 63) {
        lenTree.Put(out, 63);
        out.Put(static_cast<uint32_t>(l - 63), 8);
      } else {
        lenTree.Put(out, l);
      }
      ++st.matches;
    }
  }
  st.maxCodeLength = std::max({literalTree ? litTree.Longest() : 0u, lenTree.Longest(), distTree.Longest()});
  return out.Finish();
}

}  // namespace tavo::test
