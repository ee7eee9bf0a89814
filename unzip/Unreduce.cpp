// Unreduce (methods 2 to 5): follower-set coding of byte values, expanded by
// the DLE-144 state machine into literals and matches over a 16 KB window.
#include "unzip/Decoders.h"

namespace tavo::zip {
namespace {

constexpr size_t kWindowSize = 16384;
constexpr size_t kWindowMask = kWindowSize - 1;
constexpr size_t kFollowerSetSize = 64;
constexpr uint8_t kDle = 144;
static_assert(kWindowSize + 256 * kFollowerSetSize <= TDataPipeline::kWorkSize,
              "unreduce window and follower sets exceed the work area");

// B(N): the bits needed to write N - 1, at least 1.
unsigned FollowerIndexBits(unsigned n) {
  unsigned bits = 1;
  while ((1u << bits) < n) ++bits;
  return bits;
}

// The window and its flushing into the pipeline's output.
class TReduceWindow {
 public:
  TReduceWindow(TDataPipeline& pipe, uint8_t* window, uint64_t total)
      : pipe_(pipe), window_(window), total_(total) {}

  bool Done() const { return produced_ >= total_; }

  void Put(uint8_t b) {
    window_[pos_++] = b;
    ++produced_;
    if (pos_ == kWindowSize) {
      pipe_.PutBytes(window_, kWindowSize);
      pos_ = 0;
      wrapped_ = true;
    }
  }

  // Copies `length` bytes from `distance` back; positions before the start
  // of the data read as zeros. Overlapping copies repeat bytes just written.
  void Copy(size_t distance, size_t length) {
    while (length-- > 0 && !Done()) {
      const uint8_t b = (!wrapped_ && distance > pos_) ? 0 : window_[(pos_ - distance) & kWindowMask];
      Put(b);
    }
  }

  void Flush() {
    pipe_.PutBytes(window_, pos_);
    pos_ = 0;
    pipe_.WriteOutputBlock();
  }

 private:
  TDataPipeline& pipe_;
  uint8_t* window_;
  uint64_t total_;
  uint64_t produced_ = 0;
  size_t pos_ = 0;
  bool wrapped_ = false;
};

}  // namespace

bool Unreduce(TDataPipeline& pipe, int factor) {
  if (factor < 1 || factor > 4) return false;
  uint8_t* window = pipe.Work();
  uint8_t* followers = window + kWindowSize;
  uint8_t setSize[256];
  uint8_t indexBits[256];

  // Follower sets are stored from byte value 255 down to 0.
  for (int j = 255; j >= 0; --j) {
    const unsigned n = pipe.GetBits(6);
    setSize[j] = static_cast<uint8_t>(n);
    indexBits[j] = static_cast<uint8_t>(FollowerIndexBits(n));
    for (unsigned i = 0; i < n; ++i) followers[j * kFollowerSetSize + i] = static_cast<uint8_t>(pipe.GetBits(8));
  }

  const unsigned lengthMask = 0x7Fu >> (factor - 1);  // L: 127, 63, 31, 15
  const unsigned distShift = 8 - factor;              // D: 7, 6, 5, 4
  const unsigned distMask = (1u << factor) - 1;       // M: 1, 3, 7, 15

  TReduceWindow out(pipe, window, pipe.Entry().UncompressedSize);
  unsigned last = 0;
  int state = 0;
  unsigned v = 0;
  size_t length = 0;
  while (!out.Done()) {
    unsigned c;
    if (setSize[last] == 0) {
      c = pipe.GetBits(8);
    } else if (pipe.GetBits(1)) {
      c = pipe.GetBits(8);
    } else {
      // An index past the set's end reads a stale slot of the 64-byte set:
      // wrong bytes for damaged data, never outside the table.
      c = followers[last * kFollowerSetSize + pipe.GetBits(indexBits[last])];
    }
    if (pipe.InputExhausted()) return false;  // data ends before its size
    last = c;
    switch (state) {
      case 0:
        if (c != kDle)
          out.Put(static_cast<uint8_t>(c));
        else
          state = 1;
        break;
      case 1:
        if (c == 0) {
          out.Put(kDle);
          state = 0;
        } else {
          v = c;
          length = v & lengthMask;
          state = (length == lengthMask) ? 2 : 3;
        }
        break;
      case 2:
        length += c;
        state = 3;
        break;
      default:
        out.Copy(((v >> distShift) & distMask) * 256 + c + 1, length + 3);
        state = 0;
        break;
    }
  }
  out.Flush();
  return true;
}

}  // namespace tavo::zip
