// Buffered streams over any stream and over platform files.
#include "unzip/BufferStream.h"

#include <algorithm>
#include <cstring>

#include "core/Exception.h"
#include "unzip/ZipExceptions.h"

namespace tavo::zip {

TS_BufferStream::TS_BufferStream(TStream& wrapped, int64_t bufferSize)
    : wrapped_(wrapped),
      buffer_(static_cast<size_t>(bufferSize > 0 ? bufferSize : kDefaultStreamBuffer)),
      wrappedPos_(wrapped.Seek(0, static_cast<int>(TSeekOrigin::Current))) {}

TS_BufferStream::~TS_BufferStream() { FinishWriting(); }

void TS_BufferStream::FinishWriting() {
  if (state_ == TState::Writing) Flush();
}

bool TS_BufferStream::Flush() {
  const int64_t pending = state_ == TState::Writing ? bufferPos_ : 0;
  const int64_t done = pending > 0 ? wrapped_.Write(buffer_.data(), pending) : 0;
  wrappedPos_ += done;
  bufferPos_ = bufferEnd_ = 0;
  state_ = TState::Unknown;
  return done == pending;
}

int64_t TS_BufferStream::Read(void* buffer, int64_t count) {
  if (state_ == TState::Writing) Flush();
  auto* out = static_cast<uint8_t*>(buffer);
  int64_t copied = 0;
  const auto size = static_cast<int64_t>(buffer_.size());
  while (copied < count) {
    if (bufferPos_ >= bufferEnd_ && count - copied >= size) {
      // Whole buffers' worth go straight into the caller's memory: one
      // system call instead of one per buffer, and no copy.
      const int64_t want = (count - copied) / size * size;
      const int64_t got = wrapped_.Read(out + copied, want);
      if (got > 0) {
        wrappedPos_ += got;
        copied += got;
      }
      bufferPos_ = bufferEnd_ = 0;
      state_ = got > 0 ? TState::Reading : TState::Unknown;
      if (got <= 0) break;
      continue;
    }
    if (bufferPos_ >= bufferEnd_) {
      const int64_t got = wrapped_.Read(buffer_.data(), size);
      if (got > 0) wrappedPos_ += got;
      bufferPos_ = 0;
      bufferEnd_ = got > 0 ? got : 0;
      state_ = bufferEnd_ > 0 ? TState::Reading : TState::Unknown;
      if (bufferEnd_ == 0) break;
    }
    const int64_t n = std::min(count - copied, bufferEnd_ - bufferPos_);
    std::memcpy(out + copied, buffer_.data() + bufferPos_, static_cast<size_t>(n));
    bufferPos_ += n;
    copied += n;
  }
  return copied;
}

int64_t TS_BufferStream::Write(const void* buffer, int64_t count) {
  if (state_ == TState::Reading) {
    // Put the wrapped stream back where the reader stands before writing.
    wrappedPos_ = wrapped_.Seek(wrappedPos_ - (bufferEnd_ - bufferPos_), static_cast<int>(TSeekOrigin::Begin));
    bufferPos_ = bufferEnd_ = 0;
    state_ = TState::Unknown;
  }
  const auto* in = static_cast<const uint8_t*>(buffer);
  const auto size = static_cast<int64_t>(buffer_.size());
  int64_t copied = 0;
  while (copied < count) {
    if (bufferPos_ == 0 && count - copied >= size) {
      // Nothing pending: whole buffers' worth go to the file directly, in
      // one system call and without a copy; the order of bytes is the same.
      const int64_t want = (count - copied) / size * size;
      const int64_t done = wrapped_.Write(in + copied, want);
      written_ = true;
      if (done > 0) {
        wrappedPos_ += done;
        copied += done;
      }
      state_ = TState::Unknown;
      if (done < want) return copied;
      continue;
    }
    const int64_t n = std::min(count - copied, size - bufferPos_);
    std::memcpy(buffer_.data() + bufferPos_, in + copied, static_cast<size_t>(n));
    bufferPos_ += n;
    copied += n;
    state_ = TState::Writing;
    written_ = true;
    if (bufferPos_ == size && !Flush()) return copied;
  }
  return copied;
}

int64_t TS_BufferStream::Seek(int64_t offset, int origin) {
  int64_t logical = wrappedPos_;
  if (state_ == TState::Reading) logical -= bufferEnd_ - bufferPos_;
  if (state_ == TState::Writing) logical += bufferPos_;
  int64_t target;
  switch (origin) {
    case static_cast<int>(TSeekOrigin::Begin): target = offset; break;
    case static_cast<int>(TSeekOrigin::Current): target = logical + offset; break;
    case static_cast<int>(TSeekOrigin::End): {
      const int64_t size = std::max(wrapped_.Size(), logical);
      target = size - (offset < 0 ? -offset : offset);
      break;
    }
    default: throw Exception(Format(kMsgInvalidSeekOrigin, origin));
  }
  if (target == logical) return target;
  if (state_ == TState::Reading && target >= wrappedPos_ - bufferEnd_ && target <= wrappedPos_) {
    // The target is inside the bytes already buffered: move within them
    // instead of reading them again (directory reading seeks back and forth
    // over each entry's extra field).
    bufferPos_ = target - (wrappedPos_ - bufferEnd_);
    return target;
  }
  if (state_ == TState::Writing && !Flush()) throw Exception(kMsgSeekError);
  const int64_t moved = wrapped_.Seek(target, static_cast<int>(TSeekOrigin::Begin));
  wrappedPos_ = moved >= 0 ? moved : wrapped_.Seek(0, static_cast<int>(TSeekOrigin::Current));
  bufferPos_ = bufferEnd_ = 0;
  state_ = TState::Unknown;
  return target;
}

int64_t TS_BufferStream::Size() {
  // The greater of the file's size and the logical position (bytes still in
  // a write buffer count), found without moving.
  int64_t logical = wrappedPos_;
  if (state_ == TState::Reading) logical -= bufferEnd_ - bufferPos_;
  if (state_ == TState::Writing) logical += bufferPos_;
  return std::max(wrapped_.Size(), logical);
}

void TS_BufferStream::SetSize(int64_t size) {
  if (state_ == TState::Writing) Flush();
  wrapped_.SetSize(size);
}

TLFNFileStream::TLFNFileStream(const std::string& path, platform::TFileOpenMode mode,
                               platform::TFileShareMode share, int64_t bufferSize, bool flushOnClose)
    : TFileHolder{std::make_unique<THandleStream>(std::make_unique<platform::TFileStream>(path, mode, share))},
      TS_BufferStream(*fileStream, bufferSize) {
  FlushOnDestroy = flushOnClose;
}

TLFNFileStream::~TLFNFileStream() {
  FinishWriting();
  if (FlushOnDestroy && Written()) Handle().FlushBuffers();
}

bool TLFNFileStream::Commit() {
  if (!Flush()) return false;
  if (FlushOnDestroy && Written()) Handle().FlushBuffers();
  return true;
}

void TLFNFileStream::SetSize(int64_t size) {
  // The caller positions the stream afterwards; the buffer is written first
  // so that no pending byte lands beyond the new end.
  Flush();
  fileStream->SetSize(size);
}

}  // namespace tavo::zip
