// zlib streams over another TStream: TCompressionStream deflates what is
// written to it, TDecompressionStream inflates what is read from it. Both
// move data through a 4096-byte buffer. Portable.
#pragma once

#include <zlib.h>

#include <array>
#include <functional>

#include "skin/MemoryStream.h"
#include "skin/SkinFormat.h"

namespace tavo::skin {

class TCustomZlibStream;
using TNotifyEvent = std::function<void(TCustomZlibStream& sender)>;

// Wraps the stream it compresses into or decompresses from. It remembers
// that stream's position and puts it back there before each transfer, so
// other users of the stream may move it in between.
class TCustomZlibStream : public TStream {
 public:
  explicit TCustomZlibStream(TStream& stream);
  TCustomZlibStream(const TCustomZlibStream&) = delete;
  TCustomZlibStream& operator=(const TCustomZlibStream&) = delete;

  // Called after every 4096-byte block moved to or from the wrapped stream.
  TNotifyEvent OnProgress;

 protected:
  void DoProgress();

  TStream& stream_;
  int64_t streamPosition_;
  z_stream zrec_{};
  std::array<uint8_t, kZlibChunkSize> buffer_{};
};

enum class TCompressionLevel { clNone, clFastest, clDefault, clMax };

// Write-only. Destroying it (or calling Finish) completes the zlib stream.
class TCompressionStream : public TCustomZlibStream {
 public:
  TCompressionStream(TCompressionLevel level, TStream& destination);
  ~TCompressionStream() override;

  size_t Read(void* buffer, size_t count) override;
  size_t Write(const void* buffer, size_t count) override;
  // Only Seek(0, soCurrent) is allowed: it answers the count of bytes taken in.
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  // Flushes the rest of the stream to the destination; later writes fail.
  // Throws what the destination throws, which the destructor cannot.
  void Finish();
  // Compressed size relative to uncompressed, in percent.
  double CompressionRate() const;

 private:
  void FlushBuffer();
  bool finished_ = false;
};

// Read-only over a zlib stream. A read returns fewer bytes than asked only
// when the source (or the zlib stream) has ended.
class TDecompressionStream : public TCustomZlibStream {
 public:
  explicit TDecompressionStream(TStream& source);
  ~TDecompressionStream() override;

  size_t Read(void* buffer, size_t count) override;
  size_t Write(const void* buffer, size_t count) override;
  // Seek(0, soBeginning) restarts; forward seeks read and discard; any other
  // seek throws EDecompressionError "Invalid stream operation".
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;

 private:
  void Skip(int64_t count);
  int64_t sourceStart_;
  bool ended_ = false;
};

// Inflates a whole zlib stream held in memory, in 4096-byte reads.
std::vector<uint8_t> InflateAll(const std::vector<uint8_t>& compressed);
// Deflates data into one zlib stream at the given level.
std::vector<uint8_t> DeflateAll(const std::vector<uint8_t>& data, TCompressionLevel level);

}  // namespace tavo::skin
