// Buffered streams: TS_BufferStream buffers any stream; TLFNFileStream is a
// buffered stream over a platform file that it opens and owns.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/File.h"
#include "unzip/Stream.h"

namespace tavo::zip {

constexpr int64_t kDefaultStreamBuffer = 8192;

// Buffers reads and writes of a wrapped stream (which it does not own).
// The buffer is in one state at a time: unknown (empty), reading or writing.
class TS_BufferStream : public TStream {
 public:
  TS_BufferStream(TStream& wrapped, int64_t bufferSize = kDefaultStreamBuffer);
  ~TS_BufferStream() override;

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  // Throws "Invalid seek origin (%d)" and, when a pending write cannot be
  // flushed, "Seek error".
  int64_t Seek(int64_t offset, int origin) override;
  int64_t Size() override;
  void SetSize(int64_t size) override;
  // Writes the buffered bytes; true when all were written.
  bool Flush();
  // Finishes writing: the buffered bytes written (and, for a file with
  // FlushOnDestroy, handed to the disk); true when nothing was lost. The
  // destructor's own flush cannot report a failure: call this first.
  virtual bool Commit() { return Flush(); }

  bool FlushOnDestroy = false;

 protected:
  enum class TState { Unknown, Reading, Writing };
  // Flushes a pending write; derived destructors call it while the wrapped
  // stream still exists.
  void FinishWriting();
  bool Written() const { return written_; }

 private:
  TStream& wrapped_;
  std::vector<uint8_t> buffer_;
  int64_t bufferPos_ = 0;  // next byte to read, or bytes buffered for writing
  int64_t bufferEnd_ = 0;  // bytes valid in the buffer when reading
  int64_t wrappedPos_;     // position of the wrapped stream, kept to spare system calls
  TState state_ = TState::Unknown;
  bool written_ = false;
};

// Holds the platform file of a TLFNFileStream; a base class so that the file
// exists before the buffered stream that wraps it is constructed.
struct TFileHolder {
  std::unique_ptr<THandleStream> fileStream;
};

// A buffered file stream that opens and owns its platform file.
class TLFNFileStream : private TFileHolder, public TS_BufferStream {
 public:
  // Throws the platform's EFOpenError or EFCreateError.
  TLFNFileStream(const std::string& path, platform::TFileOpenMode mode, platform::TFileShareMode share,
                 int64_t bufferSize = kDefaultStreamBuffer, bool flushOnClose = false);
  ~TLFNFileStream() override;

  void SetSize(int64_t size) override;
  bool Commit() override;
  platform::TFileStream& Handle() { return fileStream->File(); }
};

}  // namespace tavo::zip
