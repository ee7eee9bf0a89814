// TPartSource: where a reader of a multi-part archive decides to change
// parts. It keeps the archive stream on the part that holds what is read
// next; opening a part (naming it, asking for a disk) is TUnZip::OpenPart.
// Internal to the engine.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "unzip/UnZip.h"

namespace tavo::zip {

class TPartSource {
 public:
  explicit TPartSource(TUnZip& unzip) : u_(unzip) {}

  // True when the archive has more than one part.
  bool MultiPart() const { return u_.MultiMode() != TMultiMode::mmNone; }
  // True when a multi-part archive has a part after the current one.
  bool HasNext() const { return MultiPart() && u_.currentDisk_ + 1 < u_.numberOfParts_; }
  // Puts the stream on part `disk` (counting from 0) of a multi-part
  // archive when it is on another one.
  void Enter(uint32_t disk) {
    if (MultiPart() && disk != static_cast<uint32_t>(u_.currentDisk_)) u_.OpenPart(static_cast<int>(disk) + 1);
  }
  // Opens the part after the current one; it becomes the archive stream.
  TStream& Next() {
    u_.OpenPart(u_.currentDisk_ + 2);
    return *u_.archive_;
  }
  // Reads up to `count` bytes, going on in the next parts while they exist.
  size_t ReadOn(uint8_t* buffer, size_t count) {
    int64_t got = std::max<int64_t>(0, u_.archive_->Read(buffer, static_cast<int64_t>(count)));
    while (got < static_cast<int64_t>(count) && HasNext())
      got += std::max<int64_t>(0, Next().Read(buffer + got, static_cast<int64_t>(count) - got));
    return static_cast<size_t>(got);
  }

 private:
  TUnZip& u_;
};

}  // namespace tavo::zip
