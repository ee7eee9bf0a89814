// Unshrink (method 1): dynamic LZW with 9- to 13-bit codes, code-size growth
// and partial clearing of the leaves, both signalled by control code 256.
#include <cstring>

#include "unzip/Decoders.h"

namespace tavo::zip {
namespace {

constexpr unsigned kInitialBits = 9;
constexpr unsigned kMaxBits = 13;
constexpr int kControlCode = 256;
constexpr int kFirstFree = 257;
constexpr int kTableSize = 8192;  // codes 0..8191; the tables hold one more
constexpr int kControlGrow = 1;
constexpr int kControlClear = 2;
constexpr int16_t kFree = -1;

// Layout of the work area: prefixes at the start, suffixes after them, the
// decode stack at the end.
constexpr size_t kPrefixOffset = 0;
constexpr size_t kSuffixOffset = (kTableSize + 1) * sizeof(int16_t);
constexpr size_t kStackSize = kTableSize;
constexpr size_t kStackOffset = TDataPipeline::kWorkSize - kStackSize;
static_assert(kSuffixOffset + kTableSize + 1 <= kStackOffset, "unshrink tables overlap the stack");

// Frees every code from 257 on that no other code uses as its prefix and
// returns the first free code. The stack serves as the mark table.
int ClearLeaves(int16_t* prefix, uint8_t* marks) {
  std::memset(marks, 0, kStackSize);
  for (int c = kFirstFree; c < kTableSize; ++c)
    if (prefix[c] != kFree) marks[prefix[c]] = 1;
  for (int c = kFirstFree; c < kTableSize; ++c)
    if (prefix[c] != kFree && !marks[c]) prefix[c] = kFree;
  int next = kFirstFree;
  while (next < kTableSize && prefix[next] != kFree) ++next;
  return next;
}

}  // namespace

bool Unshrink(TDataPipeline& pipe) {
  uint8_t* work = pipe.Work();
  int16_t* prefix = reinterpret_cast<int16_t*>(work + kPrefixOffset);
  uint8_t* suffix = work + kSuffixOffset;
  uint8_t* stack = work + kStackOffset;
  uint8_t* const stackEnd = stack + kStackSize;

  for (int c = 0; c < 256; ++c) {
    prefix[c] = 0;
    suffix[c] = static_cast<uint8_t>(c);
  }
  for (int c = 256; c <= kTableSize; ++c) prefix[c] = kFree;

  unsigned codeSize = kInitialBits;
  int nextFree = kFirstFree;

  int code = static_cast<int>(pipe.GetBits(codeSize));
  if (pipe.InputExhausted()) {
    pipe.WriteOutputBlock();
    return true;
  }
  if (code > 255) return false;  // the first code must be a byte
  pipe.PutByte(static_cast<uint8_t>(code));
  int prev = code;
  uint8_t lastFirst = static_cast<uint8_t>(code);

  for (;;) {
    code = static_cast<int>(pipe.GetBits(codeSize));
    if (pipe.InputExhausted()) break;
    if (code == kControlCode) {
      const uint32_t sub = pipe.GetBits(codeSize);
      if (pipe.InputExhausted()) break;
      if (sub == kControlGrow) {
        // Codes wider than 13 bits do not exist: the stream is damaged.
        if (codeSize == kMaxBits) return false;
        ++codeSize;
      } else if (sub == kControlClear) {
        nextFree = ClearLeaves(prefix, stack);
      }
      continue;
    }

    uint8_t* sp = stackEnd;
    int cur = code;
    if (prefix[code] == kFree) {
      // The code being defined right now: the previous string plus its own
      // first byte.
      *--sp = lastFirst;
      cur = prev;
    }
    // A chain longer than the stack (one that runs through itself) or one
    // through a free code cannot come from a shrinker: reject rather than
    // loop or overrun.
    while (cur > 255) {
      if (sp == stack) return false;
      *--sp = suffix[cur];
      cur = prefix[cur];
    }
    if (cur < 0 || sp == stack) return false;
    *--sp = static_cast<uint8_t>(cur);
    lastFirst = static_cast<uint8_t>(cur);
    pipe.PutBytes(sp, static_cast<size_t>(stackEnd - sp));

    if (nextFree < kTableSize) {
      prefix[nextFree] = static_cast<int16_t>(prev);
      suffix[nextFree] = lastFirst;
      ++nextFree;
      while (nextFree < kTableSize && prefix[nextFree] != kFree) ++nextFree;
    }
    prev = code;
  }
  pipe.WriteOutputBlock();
  return true;
}

}  // namespace tavo::zip
