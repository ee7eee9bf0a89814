// TByteReader: little-endian fields read from a byte buffer, never past its
// end; and TPositionGuard, which puts a stream back where it stood.
#pragma once

#include <cstddef>
#include <cstdint>

#include "unzip/Stream.h"
#include "unzip/ZipFormat.h"

namespace tavo::zip {

// Reads fields in order from a buffer it does not own. A read that does not
// fit returns false, takes nothing and leaves the position where it was.
class TByteReader {
 public:
  TByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  size_t Position() const { return pos_; }
  size_t Remaining() const { return size_ - pos_; }
  bool Fits(size_t count) const { return count <= Remaining(); }

  bool U16(uint16_t& out) { return Take(2, [&](const uint8_t* p) { out = GetU16(p); }); }
  bool U32(uint32_t& out) { return Take(4, [&](const uint8_t* p) { out = GetU32(p); }); }
  bool U64(uint64_t& out) { return Take(8, [&](const uint8_t* p) { out = GetU64(p); }); }
  // Passes over count bytes; false (and no move) when fewer remain.
  bool Skip(size_t count) { return Take(count, [](const uint8_t*) {}); }

 private:
  template <typename F>
  bool Take(size_t count, F read) {
    if (!Fits(count)) return false;
    read(data_ + pos_);
    pos_ += count;
    return true;
  }

  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

// Remembers a stream's position and seeks back to it when it goes out of
// scope: "save position, seek, read, seek back" in one place.
class TPositionGuard {
 public:
  explicit TPositionGuard(TStream& stream) : stream_(stream), position_(stream.Position()) {}
  ~TPositionGuard() { stream_.Seek(position_, static_cast<int>(TSeekOrigin::Begin)); }
  TPositionGuard(const TPositionGuard&) = delete;
  TPositionGuard& operator=(const TPositionGuard&) = delete;
  int64_t Saved() const { return position_; }

 private:
  TStream& stream_;
  int64_t position_;
};

}  // namespace tavo::zip
