// The per-entry data pipeline, and the stored and deflated decoders.
#include "unzip/DataPipeline.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "core/WideMath.h"
#include "unzip/Crc32.h"
#include "unzip/Decoders.h"
#include "unzip/ZipCrypt.h"
#include "unzip/ZipExceptions.h"
#include "unzip/ZipFormat.h"

namespace tavo::zip {
namespace {

constexpr const char* kMsgPrematureEnd = "Premature end of file reached";
constexpr const char* kMsgBiggerThanUncompressed = "File is larger than uncompressed size!";
constexpr const char* kMsgZlibError = "error";

// Releases the zlib stream on every way out of the deflate decoder.
struct TInflateGuard {
  z_stream* stream;
  bool active = true;
  ~TInflateGuard() {
    if (active) inflateEnd(stream);
  }
};

}  // namespace

TDataPipeline::TDataPipeline()
    : in_(new uint8_t[kBlockSize + 1]),
      out_(new uint8_t[kBlockSize + 1]),
      work_(new uint8_t[kWorkSize]) {}

TDataPipeline::~TDataPipeline() = default;

bool TDataPipeline::CanDecode(uint16_t method) {
  return method == kMethodStored || (method >= kMethodShrunk && method <= kMethodImploded) ||
         method == kMethodDeflated;
}

int TDataPipeline::Percent(int64_t part, int64_t whole) {
  if (whole <= 0) return 0;
  if (part <= 0) return 0;
  if (part >= whole) return 100;
  const auto w = static_cast<uint64_t>(whole);
  return static_cast<int>(MulAddDivU64(static_cast<uint64_t>(part), 100u, w / 2, w));
}

void TDataPipeline::Reset(const TPipelineEntry& entry) {
  entry_ = entry;
  inPos_ = 0;
  inCount_ = 0;
  remaining_ = entry.CompressedSize;
  left_ = entry.CompressedSize > static_cast<uint64_t>(INT64_MAX) ? INT64_MAX
                                                                  : static_cast<int64_t>(entry.CompressedSize);
  bitBuf_ = 0;
  bitCount_ = 0;
  endOfInput_ = false;
  exhausted_ = false;
  outCount_ = 0;
  written_ = 0;
  crc_ = 0xFFFFFFFFu;
}

size_t TDataPipeline::ReadCompressedBlock(uint8_t* buffer) {
  if (ProcessMessages) ProcessMessages();
  const size_t n = static_cast<size_t>(std::min<uint64_t>(kBlockSize, remaining_));
  remaining_ -= n;
  if (n == 0) return 0;
  if (ReadBlock(buffer, n) < n) throw EFatalUnzipError(kMsgPrematureEnd);
  return n;
}

bool TDataPipeline::RefillInput() {
  const size_t n = ReadCompressedBlock(in_.get());
  if (n == 0) return false;
  if (entry_.Keys != nullptr) {
    if (OnDecrypt)
      OnDecrypt(in_.get(), n);
    else
      entry_.Keys->DecryptBlock(in_.get(), n);
  }
  inPos_ = 0;
  inCount_ = n;
  return true;
}

void TDataPipeline::PutBytesSlow(const uint8_t* data, size_t count) {
  while (count > 0) {
    const size_t room = kBlockSize - outCount_;
    const size_t n = std::min(room, count);
    std::memcpy(out_.get() + outCount_, data, n);
    outCount_ += n;
    data += n;
    count -= n;
    if (outCount_ == kBlockSize) WriteOutputBlock();
  }
}

void TDataPipeline::WriteOutputBlock() {
  if (outCount_ == 0) return;
  WriteOutput(out_.get(), outCount_);
  outCount_ = 0;
}

void TDataPipeline::WriteOutput(uint8_t* data, size_t n) {
  // Stored data is decrypted on the way out, and only with a password: an
  // empty Password writes an encrypted stored entry as it is.
  if (entry_.CompressionMethod == kMethodStored && entry_.Keys != nullptr && !entry_.PasswordEmpty)
    entry_.Keys->DecryptBlock(data, n);
  if (written_ + n > entry_.UncompressedSize) throw EBiggerThanUncompressed(kMsgBiggerThanUncompressed);
  if (WriteBlock(data, n) < n) throw ECantWriteUCF(kMsgCantWrite);
  crc_ = Crc32Update(crc_, data, n);
  written_ += n;
  if (OnFilePercentDone) OnFilePercentDone(Percent(static_cast<int64_t>(written_),
                                                   static_cast<int64_t>(entry_.UncompressedSize)));
  if (OnTotalPercentDone) {
    TotalDone += static_cast<int64_t>(n);
    OnTotalPercentDone(Percent(TotalDone, TotalBytes));
  }
}

bool TDataPipeline::Decode() {
  switch (entry_.CompressionMethod) {
    case kMethodStored:
      return DecodeStored();
    case kMethodDeflated:
      return DecodeDeflated();
    case kMethodShrunk:
      return Unshrink(*this);
    case kMethodImploded:
      return Explode(*this);
    default:
      if (entry_.CompressionMethod >= kMethodReduced1 && entry_.CompressionMethod <= kMethodReduced4)
        return Unreduce(*this, entry_.CompressionMethod - 1);
      return false;
  }
}

bool TDataPipeline::DecodeStored() {
  while (remaining_ > 0) {
    outCount_ = ReadCompressedBlock(out_.get());
    WriteOutputBlock();
  }
  return true;
}

// Raw deflate through zlib. Input blocks go straight to zlib; the output
// block is handed out whenever it is full and at the stream's end. When the
// entry's compressed bytes are used up before the stream ends, the data is
// truncated and the entry fails at once (zlib gets no made-up input).
bool TDataPipeline::DecodeDeflated() {
  constexpr size_t kArea = kInflateBlocks * kBlockSize;
  if (!inflateOut_) inflateOut_.reset(new uint8_t[kArea]);
  uint8_t* const area = inflateOut_.get();
  z_stream zs;
  std::memset(&zs, 0, sizeof zs);
  if (inflateInit2(&zs, -15) < 0) throw EZCompressionError(kMsgZlibError);
  TInflateGuard guard{&zs};
  zs.next_out = area;
  zs.avail_out = kArea;
  size_t handed = 0;  // bytes of the area already written
  for (;;) {
    bool noMoreInput = false;
    if (zs.avail_in == 0) {
      inCount_ = 0;
      if (left_ > 0 && RefillInput()) {
        left_ -= static_cast<int64_t>(inCount_);
        zs.next_in = in_.get();
        zs.avail_in = static_cast<uInt>(inCount_);
      } else {
        noMoreInput = true;  // zlib may still hold output it could not place
      }
    }
    const int rc = inflate(&zs, Z_NO_FLUSH);
    if (rc == Z_BUF_ERROR && noMoreInput) return false;  // truncated deflate data
    if (rc < 0) throw EZCompressionError(kMsgZlibError);
    // Each whole block goes out as soon as it is complete and the last,
    // partial one at the end of the stream: the same blocks at the same
    // moments as with a 32 KB output buffer (the area holds whole blocks).
    const size_t produced = kArea - zs.avail_out;
    const size_t ready = rc == Z_STREAM_END ? produced : produced / kBlockSize * kBlockSize;
    while (handed < ready) {
      const size_t n = std::min(kBlockSize, ready - handed);
      WriteOutput(area + handed, n);
      handed += n;
    }
    const bool full = zs.avail_out == 0;
    if (full) {
      zs.next_out = area;
      zs.avail_out = kArea;
      handed = 0;
    }
    if (rc == Z_STREAM_END) break;
    if (noMoreInput && !full) return false;  // truncated deflate data
  }
  guard.active = false;
  if (inflateEnd(&zs) < 0) throw EZCompressionError(kMsgZlibError);
  return true;
}

}  // namespace tavo::zip
