// The per-entry data pipeline: compressed blocks in, decrypted, decoded by
// the entry's method, collected in output blocks that are size-checked,
// written, added to the CRC-32 and reported as progress.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace tavo::zip {

class TZipCrypt;

// What the pipeline needs to know about the entry being decoded.
struct TPipelineEntry {
  uint16_t CompressionMethod = 0;  // 0 stored, 1 shrunk, 2..5 reduced, 6 imploded, 8 deflated
  uint16_t BitFlag = 0;            // bit 0 encrypted; bits 1 and 2 choose the explode variant
  uint64_t CompressedSize = 0;     // effective size of the data, WITHOUT the 12-byte encryption header
  uint64_t UncompressedSize = 0;   // effective size; output beyond it raises EBiggerThanUncompressed
  // Keys already positioned after a successful header check, or null when the
  // entry is not encrypted. Not owned; must outlive Decode().
  TZipCrypt* Keys = nullptr;
  // True when the run's Password is empty: encrypted STORED entries are then
  // written without decryption (input blocks of other methods are always
  // decrypted when Keys is set).
  bool PasswordEmpty = false;
};

// TDataPipeline: the state and buffers of one extraction run's decoding.
// Owns the three work buffers (input 32769 bytes, output 32769 bytes, the
// legacy decoders' window/table area 32780 bytes); create one per run and
// call Reset + Decode per entry. Portable: it never touches files itself but
// goes through the callbacks below.
//
// Contract for the driver:
//   1. Per run: create it; set TotalBytes (TotalDone starts at 0) and the
//      callbacks that do not change per entry.
//   2. Per entry: position the archive at the first byte of the entry's data
//      (after the encryption header, whose check the driver did with
//      TZipCrypt), create the output file, then call Reset(entry) and Decode().
//   3. Decode() returns true when the data was decoded to its end; false when
//      the decoder rejected the data (deflate input ending before the stream
//      ends, a shrunk stream asking for codes wider than 13 bits or with a
//      chain that does not end, an imploded stream with a bad tree or a code
//      that is in no tree, reduced/imploded input that runs out before
//      UncompressedSize bytes). On false the driver should take the entry as
//      not decoded and fail it, whatever Crc() says. Crc() is the final
//      CRC-32 (already inverted) of everything written.
//   Throws (EZipException family): EFatalUnzipError "Premature end of file
//   reached" when ReadBlock delivers fewer bytes than asked; EBiggerThanUncompressed
//   "File is larger than uncompressed size!" when the output would pass
//   UncompressedSize (the driver catches it: entry not decoded);
//   ECantWriteUCF "Cant write uncompressed file" when WriteBlock writes fewer
//   bytes than given; EZCompressionError "error" when zlib reports an error;
//   and whatever the callbacks throw (e.g. EUserCanceled from ReadBlock).
//   Methods other than 0, 1..6, 8 are not decoded: check CanDecode() first.
class TDataPipeline {
 public:
  static constexpr size_t kBlockSize = 32768;
  static constexpr size_t kWorkSize = 32780;
  // zlib inflates into an area of this many blocks, handed out block by
  // block: zlib copies the last 32 KB of every call's output into its own
  // window, so a larger area spares that copy for most of the data while
  // the output still goes out in the same 32 KB blocks.
  static constexpr size_t kInflateBlocks = 8;

  // Reads exactly `count` bytes of the entry's compressed data into `buffer`
  // (continuing into the next part of a multi-part archive as needed) and
  // returns how many it read; fewer than `count` means the archive ended.
  using TReadBlock = std::function<size_t(uint8_t* buffer, size_t count)>;
  // Writes `count` bytes to the output file; returns how many were written.
  using TWriteBlock = std::function<size_t(const uint8_t* data, size_t count)>;
  // Progress in percent (0..100).
  using TPercentEvent = std::function<void(int percent)>;
  // Decrypts `count` bytes in place (the component's OnDecrypt, bound to the
  // Password by the driver). When unset, the built-in decryption is used.
  using TDecryptBlock = std::function<void(uint8_t* buffer, size_t count)>;
  // Dispatches pending window messages.
  using TProcessMessages = std::function<void()>;
  // Shows a message (HandleMessage): id, text, caption, flags; returns the answer.
  using TShowMessage =
      std::function<int(int messageId, const std::string& msg1, const std::string& msg2, uint32_t flags)>;

  TDataPipeline();
  ~TDataPipeline();
  TDataPipeline(const TDataPipeline&) = delete;
  TDataPipeline& operator=(const TDataPipeline&) = delete;

  // Callbacks; ReadBlock and WriteBlock are required, the others optional.
  TReadBlock ReadBlock;
  TWriteBlock WriteBlock;
  TPercentEvent OnFilePercentDone;
  TPercentEvent OnTotalPercentDone;  // TotalDone grows only while this is set
  TDecryptBlock OnDecrypt;
  TProcessMessages ProcessMessages;  // set only when DoProcessMessages is on
  TShowMessage ShowMessage;          // message 193 when explode cannot get its tables

  // Run totals for the total percentage. The driver sets TotalBytes after its
  // selection pass and takes skipped entries' sizes off it.
  int64_t TotalBytes = 0;
  int64_t TotalDone = 0;

  static bool CanDecode(uint16_t method);

  // Resets the per-entry state: buffers empty, bit reader empty, CRC
  // 0xFFFFFFFF, bytes written 0, remaining compressed bytes = entry size.
  void Reset(const TPipelineEntry& entry);
  // Decodes the entry by its method; see the contract above.
  bool Decode();

  uint32_t Crc() const { return ~crc_; }
  uint64_t BytesWritten() const { return written_; }
  const TPipelineEntry& Entry() const { return entry_; }

  // Percent(part, whole): 0 when whole <= 0, else part*100/whole rounded to
  // the nearest integer and capped at 100.
  static int Percent(int64_t part, int64_t whole);

  // ---- Operations offered to the decoders ----

  // Takes the next compressed byte; false when none is left.
  bool TakeByte(uint8_t& byte) {
    if (left_ <= 0) {
      --left_;
      return false;
    }
    --left_;
    if (inCount_ == 0 && !RefillInput()) return false;
    --inCount_;
    byte = in_[inPos_++];
    return true;
  }

  // Adds whole bytes to the bit buffer until it holds at least 25 bits or no
  // byte is left. Sets the end-of-input flag when no byte could be added.
  void FillBits() {
    endOfInput_ = true;
    uint8_t b;
    while (bitCount_ < 25 && TakeByte(b)) {
      bitBuf_ |= static_cast<uint32_t>(b) << bitCount_;
      bitCount_ += 8;
      endOfInput_ = false;
    }
  }

  // The next n bits (1..16), least significant first. When fewer than n bits
  // are left the missing bits read as 0 and InputExhausted() turns true.
  uint32_t GetBits(unsigned n) {
    if (bitCount_ < n) {
      FillBits();
      if (bitCount_ < n) {
        exhausted_ = true;
        uint32_t v = bitBuf_;
        bitBuf_ = 0;
        bitCount_ = 0;
        return v & ((1u << n) - 1);
      }
    }
    uint32_t v = bitBuf_ & ((1u << n) - 1);
    bitBuf_ >>= n;
    bitCount_ -= n;
    return v;
  }

  // Peeks at up to n bits (n <= 16) without taking them; missing bits are 0.
  uint32_t PeekBits(unsigned n) {
    if (bitCount_ < n) FillBits();
    return bitBuf_ & ((1u << n) - 1);
  }
  // Drops n bits after a peek; dropping more than are left marks exhaustion.
  void DropBits(unsigned n) {
    if (bitCount_ < n) {
      exhausted_ = true;
      bitBuf_ = 0;
      bitCount_ = 0;
      return;
    }
    bitBuf_ >>= n;
    bitCount_ -= n;
  }

  bool EndOfInput() const { return endOfInput_; }
  // True once a GetBits/DropBits asked for more bits than the data held.
  bool InputExhausted() const { return exhausted_; }

  // Appends a byte to the output block; a full block is written.
  void PutByte(uint8_t b) {
    out_[outCount_++] = b;
    if (outCount_ == kBlockSize) WriteOutputBlock();
  }
  // Appends bytes (any count) to the output, writing full blocks.
  void PutBytes(const uint8_t* data, size_t count) {
    if (outCount_ + count < kBlockSize) {
      // Short strings (the LZW and match output) are copied inline.
      uint8_t* dst = out_.get() + outCount_;
      for (size_t i = 0; i < count; ++i) dst[i] = data[i];
      outCount_ += count;
      return;
    }
    PutBytesSlow(data, count);
  }

  // Writes the collected output bytes: size guard, write, CRC, progress.
  void WriteOutputBlock();
  // The same for `count` bytes (at most one block) at `data`.
  void WriteOutput(uint8_t* data, size_t count);

  // The legacy decoders' shared window/table area (kWorkSize bytes).
  uint8_t* Work() { return work_.get(); }

 private:
  bool RefillInput();
  void PutBytesSlow(const uint8_t* data, size_t count);
  size_t ReadCompressedBlock(uint8_t* buffer);
  bool DecodeStored();
  bool DecodeDeflated();

  std::unique_ptr<uint8_t[]> in_;
  std::unique_ptr<uint8_t[]> out_;
  std::unique_ptr<uint8_t[]> work_;
  std::unique_ptr<uint8_t[]> inflateOut_;  // kInflateBlocks blocks, made at the first deflated entry
  TPipelineEntry entry_;

  size_t inPos_ = 0;
  size_t inCount_ = 0;       // untaken input bytes
  uint64_t remaining_ = 0;   // compressed bytes not yet read from the archive
  int64_t left_ = 0;         // compressed bytes not yet taken by the byte reader
  uint32_t bitBuf_ = 0;
  unsigned bitCount_ = 0;
  bool endOfInput_ = false;
  bool exhausted_ = false;
  size_t outCount_ = 0;
  uint64_t written_ = 0;
  uint32_t crc_ = 0xFFFFFFFFu;
};

}  // namespace tavo::zip
