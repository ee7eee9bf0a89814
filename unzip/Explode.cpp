// Explode (method 6): a sliding dictionary of 4 or 8 KB whose literals,
// lengths and distances are coded with Shannon-Fano trees.
#include <cstring>
#include <memory>
#include <new>

#include "unzip/Decoders.h"

namespace tavo::zip {
namespace {

constexpr size_t kWindowSize = 32768;
constexpr size_t kWindowMask = kWindowSize - 1;
static_assert(kWindowSize <= TDataPipeline::kWorkSize, "explode window exceeds the work area");
constexpr unsigned kMaxCodeBits = 16;
constexpr uint16_t kFlag8KDictionary = 0x0002;
constexpr uint16_t kFlagLiteralTree = 0x0004;
constexpr uint64_t kLargeEntry = 200000;  // above it distances use 8-bit lookups
constexpr int kMessageOutOfMemory = 193;

// One Shannon-Fano tree: the codes of each length form a run of consecutive
// values (APPNOTE's construction), so a code of length L is symbol
// sorted[last[L] - (code - low[L])] when code - low[L] < count[L]. A lookup
// table indexed by the next `bits` input bits resolves short codes at once.
class TShannonFanoTree {
 public:
  struct TEntry {
    uint16_t symbol;
    uint8_t length;  // 0: the code is longer than the table or in no tree
  };

  // Reads the run-length description of `count` code lengths; false when it
  // does not add up to exactly `count`, or the codes overflow 16 bits.
  bool Read(TDataPipeline& pipe, unsigned count, unsigned bits) {
    uint8_t lengths[256];
    const unsigned descriptionBytes = pipe.GetBits(8) + 1;
    unsigned k = 0;
    for (unsigned i = 0; i < descriptionBytes; ++i) {
      const unsigned b = pipe.GetBits(8);
      const unsigned length = (b & 0x0F) + 1;
      const unsigned repeat = (b >> 4) + 1;
      if (k + repeat > count) return false;
      for (unsigned r = 0; r < repeat; ++r) lengths[k++] = static_cast<uint8_t>(length);
    }
    if (k != count || pipe.InputExhausted()) return false;
    return Build(lengths, count, bits);
  }

  // Decodes one symbol; -1 when the input holds no code of this tree.
  int Decode(TDataPipeline& pipe) const {
    const uint32_t peek = pipe.PeekBits(kMaxCodeBits);
    const TEntry e = table_[peek & ((1u << bits_) - 1)];
    if (e.length != 0) {
      pipe.DropBits(e.length);
      return e.symbol;
    }
    uint32_t code = 0;
    for (unsigned len = 1; len <= kMaxCodeBits; ++len) {
      code = (code << 1) | ((peek >> (len - 1)) & 1);
      if (count_[len] != 0 && code - low_[len] < count_[len]) {
        pipe.DropBits(len);
        return sorted_[last_[len] - (code - low_[len])];
      }
    }
    return -1;
  }

  bool Allocate(unsigned bits) {
    table_.reset(new (std::nothrow) TEntry[size_t{1} << bits]);
    return table_ != nullptr;
  }

 private:
  bool Build(const uint8_t* lengths, unsigned count, unsigned bits) {
    bits_ = bits;
    std::memset(count_, 0, sizeof count_);
    for (unsigned s = 0; s < count; ++s) ++count_[lengths[s]];
    // Sort by length, keeping symbol order within a length.
    unsigned start[kMaxCodeBits + 2] = {};
    for (unsigned len = 1; len <= kMaxCodeBits; ++len) start[len + 1] = start[len] + count_[len];
    for (unsigned len = 1; len <= kMaxCodeBits; ++len) last_[len] = start[len + 1] - 1;
    for (unsigned s = 0; s < count; ++s) sorted_[start[lengths[s]]++] = static_cast<uint16_t>(s);
    // APPNOTE: codes are handed out from the last sorted entry backwards,
    // each one the previous plus 2^(16 - previous length), left-justified in
    // 16 bits. The smallest code of each length is that of its last entry.
    uint32_t code = 0;
    uint32_t increment = 0;
    unsigned lastLength = 0;
    for (int i = static_cast<int>(count) - 1; i >= 0; --i) {
      code += increment;
      if (code > 0xFFFFu) return false;  // more codes than 16 bits can hold
      const unsigned len = lengths[sorted_[i]];
      if (len != lastLength) {
        lastLength = len;
        increment = 1u << (kMaxCodeBits - len);
        low_[len] = code >> (kMaxCodeBits - len);
      }
    }
    if (count > 0 && code + increment > 0x10000u) return false;  // oversubscribed
    // The lookup table decodes exactly as the bit-by-bit rule above.
    const uint32_t size = 1u << bits;
    for (uint32_t index = 0; index < size; ++index) {
      TEntry e{0, 0};
      uint32_t c = 0;
      for (unsigned len = 1; len <= bits; ++len) {
        c = (c << 1) | ((index >> (len - 1)) & 1);
        if (count_[len] != 0 && c - low_[len] < count_[len]) {
          e.symbol = sorted_[last_[len] - (c - low_[len])];
          e.length = static_cast<uint8_t>(len);
          break;
        }
      }
      table_[index] = e;
    }
    return true;
  }

  std::unique_ptr<TEntry[]> table_;
  unsigned bits_ = 0;
  uint32_t count_[kMaxCodeBits + 1] = {};
  uint32_t low_[kMaxCodeBits + 1] = {};
  uint32_t last_[kMaxCodeBits + 1] = {};
  uint16_t sorted_[256] = {};
};

}  // namespace

bool Explode(TDataPipeline& pipe) {
  const TPipelineEntry& entry = pipe.Entry();
  const bool literalTree = (entry.BitFlag & kFlagLiteralTree) != 0;
  const unsigned lowDistanceBits = (entry.BitFlag & kFlag8KDictionary) ? 7 : 6;
  const unsigned minMatch = literalTree ? 3 : 2;
  const unsigned distanceLookupBits = entry.CompressedSize > kLargeEntry ? 8 : 7;

  TShannonFanoTree literals;
  TShannonFanoTree lengths;
  TShannonFanoTree distances;
  if ((literalTree && !literals.Allocate(9)) || !lengths.Allocate(7) ||
      !distances.Allocate(distanceLookupBits)) {
    if (pipe.ShowMessage) pipe.ShowMessage(kMessageOutOfMemory, "*** inflate out of memory ***", "Error", 0);
    return false;
  }
  if (literalTree && !literals.Read(pipe, 256, 9)) return false;
  if (!lengths.Read(pipe, 64, 7) || !distances.Read(pipe, 64, distanceLookupBits)) return false;

  uint8_t* window = pipe.Work();
  const uint64_t total = entry.UncompressedSize;
  uint64_t produced = 0;
  size_t pos = 0;
  bool wrapped = false;
  auto put = [&](uint8_t b) {
    window[pos++] = b;
    ++produced;
    if (pos == kWindowSize) {
      pipe.PutBytes(window, kWindowSize);
      pos = 0;
      wrapped = true;
    }
  };

  while (produced < total) {
    if (pipe.GetBits(1)) {
      int literal;
      if (literalTree) {
        literal = literals.Decode(pipe);
        if (literal < 0) return false;
      } else {
        literal = static_cast<int>(pipe.GetBits(8));
      }
      if (pipe.InputExhausted()) return false;
      put(static_cast<uint8_t>(literal));
    } else {
      const unsigned low = pipe.GetBits(lowDistanceBits);
      const int high = distances.Decode(pipe);
      if (high < 0) return false;
      const size_t distance = ((static_cast<size_t>(high) << lowDistanceBits) | low) + 1;
      const int code = lengths.Decode(pipe);
      if (code < 0) return false;
      size_t length = static_cast<size_t>(code);
      if (code == 63) length += pipe.GetBits(8);
      length += minMatch;
      if (pipe.InputExhausted()) return false;
      while (length-- > 0 && produced < total) {
        put((!wrapped && distance > pos) ? 0 : window[(pos - distance) & kWindowMask]);
      }
    }
  }
  pipe.PutBytes(window, pos);
  pipe.WriteOutputBlock();
  return true;
}

}  // namespace tavo::zip
