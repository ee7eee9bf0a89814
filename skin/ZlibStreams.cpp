// The zlib stream classes.
#include "skin/ZlibStreams.h"

#include <algorithm>
#include <climits>

#include "skin/SkinExceptions.h"

namespace tavo::skin {

namespace {

int ZlibLevel(TCompressionLevel level) {
  switch (level) {
    case TCompressionLevel::clNone: return Z_NO_COMPRESSION;
    case TCompressionLevel::clFastest: return Z_BEST_SPEED;
    case TCompressionLevel::clDefault: return Z_DEFAULT_COMPRESSION;
    case TCompressionLevel::clMax: return Z_BEST_COMPRESSION;
  }
  return Z_DEFAULT_COMPRESSION;
}

int CCheck(int code) {
  if (code < 0) throw ECompressionError(kCompressError);
  return code;
}

int DCheck(int code) {
  // A stream that asks for a preset dictionary cannot be inflated without
  // one, and inflate would ask again forever: that is damage too.
  if (code < 0 || code == Z_NEED_DICT) throw EDecompressionError(kDecompressError);
  return code;
}

// zlib counts in unsigned int; feed it at most this much per call.
constexpr size_t kMaxZlibStep = UINT_MAX / 2;

}  // namespace

TCustomZlibStream::TCustomZlibStream(TStream& stream) : stream_(stream), streamPosition_(stream.Position()) {}

void TCustomZlibStream::DoProgress() {
  if (OnProgress) OnProgress(*this);
}

// --- compression -----------------------------------------------------------

TCompressionStream::TCompressionStream(TCompressionLevel level, TStream& destination)
    : TCustomZlibStream(destination) {
  zrec_.next_out = buffer_.data();
  zrec_.avail_out = static_cast<uInt>(buffer_.size());
  CCheck(deflateInit(&zrec_, ZlibLevel(level)));
}

TCompressionStream::~TCompressionStream() {
  try {
    Finish();
  } catch (...) {
    // A destructor must not throw; callers who need to see a failed final
    // write call Finish themselves first.
  }
  deflateEnd(&zrec_);
}

void TCompressionStream::FlushBuffer() {
  if (stream_.Position() != streamPosition_) stream_.SetPosition(streamPosition_);
  stream_.WriteBuffer(buffer_.data(), buffer_.size() - zrec_.avail_out);
  streamPosition_ = stream_.Position();
  zrec_.next_out = buffer_.data();
  zrec_.avail_out = static_cast<uInt>(buffer_.size());
}

size_t TCompressionStream::Write(const void* buffer, size_t count) {
  if (finished_) throw ECompressionError(kInvalidStreamOperation);
  const uint8_t* in = static_cast<const uint8_t*>(buffer);
  size_t left = count;
  while (left > 0) {
    const size_t step = std::min(left, kMaxZlibStep);
    zrec_.next_in = const_cast<Bytef*>(in);
    zrec_.avail_in = static_cast<uInt>(step);
    while (zrec_.avail_in > 0) {
      CCheck(deflate(&zrec_, Z_NO_FLUSH));
      if (zrec_.avail_out == 0) {
        FlushBuffer();
        DoProgress();
      }
    }
    in += step;
    left -= step;
  }
  return count;
}

void TCompressionStream::Finish() {
  if (finished_) return;
  finished_ = true;
  zrec_.next_in = nullptr;
  zrec_.avail_in = 0;
  for (;;) {
    const int code = CCheck(deflate(&zrec_, Z_FINISH));
    if (zrec_.avail_out < buffer_.size()) FlushBuffer();
    if (code == Z_STREAM_END) break;
  }
}

size_t TCompressionStream::Read(void*, size_t) { throw ECompressionError(kInvalidStreamOperation); }

int64_t TCompressionStream::Seek(int64_t offset, TSeekOrigin origin) {
  if (offset == 0 && origin == TSeekOrigin::soCurrent) return static_cast<int64_t>(zrec_.total_in);
  throw ECompressionError(kInvalidStreamOperation);
}

double TCompressionStream::CompressionRate() const {
  if (zrec_.total_in == 0) return 0;
  return (1.0 - static_cast<double>(zrec_.total_out) / static_cast<double>(zrec_.total_in)) * 100.0;
}

// --- decompression ---------------------------------------------------------

TDecompressionStream::TDecompressionStream(TStream& source)
    : TCustomZlibStream(source), sourceStart_(streamPosition_) {
  zrec_.next_in = buffer_.data();
  zrec_.avail_in = 0;
  DCheck(inflateInit(&zrec_));
}

TDecompressionStream::~TDecompressionStream() { inflateEnd(&zrec_); }

size_t TDecompressionStream::Read(void* buffer, size_t count) {
  count = std::min(count, kMaxZlibStep);
  zrec_.next_out = static_cast<Bytef*>(buffer);
  zrec_.avail_out = static_cast<uInt>(count);
  if (stream_.Position() != streamPosition_) stream_.SetPosition(streamPosition_);
  while (zrec_.avail_out > 0 && !ended_) {
    if (zrec_.avail_in == 0) {
      zrec_.avail_in = static_cast<uInt>(stream_.Read(buffer_.data(), buffer_.size()));
      if (zrec_.avail_in == 0) break;
      zrec_.next_in = buffer_.data();
      streamPosition_ = stream_.Position();
      DoProgress();
    }
    // Once the zlib stream has ended, inflate makes no more progress: stop
    // there rather than loop on the bytes that follow it.
    if (DCheck(inflate(&zrec_, Z_NO_FLUSH)) == Z_STREAM_END) ended_ = true;
  }
  return count - zrec_.avail_out;
}

size_t TDecompressionStream::Write(const void*, size_t) { throw EDecompressionError(kInvalidStreamOperation); }

void TDecompressionStream::Skip(int64_t count) {
  std::array<uint8_t, kZlibChunkSize> scratch;
  while (count > 0) {
    const size_t want = static_cast<size_t>(std::min<int64_t>(count, scratch.size()));
    const size_t got = Read(scratch.data(), want);
    count -= static_cast<int64_t>(got);
    if (got < want) break;
  }
}

int64_t TDecompressionStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int64_t produced = static_cast<int64_t>(zrec_.total_out);
  if (offset == 0 && origin == TSeekOrigin::soBeginning) {
    DCheck(inflateReset(&zrec_));
    zrec_.next_in = buffer_.data();
    zrec_.avail_in = 0;
    ended_ = false;
    stream_.SetPosition(sourceStart_);
    streamPosition_ = sourceStart_;
    return 0;
  }
  if (origin == TSeekOrigin::soCurrent && offset >= 0) {
    Skip(offset);
  } else if (origin == TSeekOrigin::soBeginning && offset > produced) {
    Skip(offset - produced);
  } else {
    throw EDecompressionError(kInvalidStreamOperation);
  }
  return static_cast<int64_t>(zrec_.total_out);
}

std::vector<uint8_t> InflateAll(const std::vector<uint8_t>& compressed) {
  TMemoryStream source(compressed);
  TDecompressionStream inflater(source);
  TMemoryStream out;
  std::array<uint8_t, kZlibChunkSize> chunk;
  for (;;) {
    const size_t got = inflater.Read(chunk.data(), chunk.size());
    if (got == 0) break;
    out.Write(chunk.data(), got);
  }
  return std::move(out.Data());
}

std::vector<uint8_t> DeflateAll(const std::vector<uint8_t>& data, TCompressionLevel level) {
  TMemoryStream out;
  {
    TCompressionStream deflater(level, out);
    deflater.WriteBuffer(data.data(), data.size());
    deflater.Finish();
  }
  return std::move(out.Data());
}

}  // namespace tavo::skin
