// The archive file as the engine reads it: one platform file, or the pieces
// of a numbered set ("name.zip.001", ".002", ...) whose concatenation is the
// archive, read as one stream.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "unzip/BufferStream.h"
#include "unzip/Stream.h"

namespace tavo::zip {

// Read-only files joined end to end; positions run over all of them.
class TPieceStream : public TStream {
 public:
  // Throws the platform's EFOpenError for a piece that cannot be opened.
  explicit TPieceStream(const std::vector<std::string>& paths);
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void*, int64_t) override { return 0; }
  int64_t Seek(int64_t offset, int origin) override;
  int64_t Size() override { return size_; }
  void SetSize(int64_t) override {}
  // The newest last-write time of the pieces, as a DOS date-time.
  uint32_t DosDateTime();

 private:
  std::vector<std::unique_ptr<platform::TFileStream>> pieces_;
  std::vector<int64_t> starts_;  // where each piece begins in the joined stream
  int64_t size_ = 0;
  int64_t position_ = 0;
};

// Holds the raw stream of a TArchiveStream; a base class so that it exists
// before the buffered stream that wraps it is constructed.
struct TArchiveHolder {
  TArchiveHolder(const std::string& path, platform::TFileShareMode share);
  explicit TArchiveHolder(const std::vector<std::string>& paths);
  std::unique_ptr<TStream> raw;
  platform::TFileStream* file = nullptr;  // the one file, when not a set
  TPieceStream* pieces = nullptr;         // the pieces, when a set
};

// The buffered archive stream over one file or the pieces of a set.
class TArchiveStream : private TArchiveHolder, public TS_BufferStream {
 public:
  TArchiveStream(const std::string& path, platform::TFileShareMode share);
  explicit TArchiveStream(const std::vector<std::string>& pieces);
  uint32_t DosDateTime();
  bool IsNumberedSet() const { return pieces != nullptr; }
};

// The pieces of the numbered set a file name belongs to: its extension is
// three digits and piece 1 exists, or another piece stands beside it. `pieces` lists
// them from 1 up to the first number that does not exist; `missing` names
// that number's file when it lies at or below the one named (a gap before
// it). False when the name is no piece of a numbered set.
bool FindNumberedSet(const std::string& name, std::vector<std::string>& pieces, std::string& missing);
// The file name of piece `number` of the set `name` belongs to.
std::string NumberedPiece(const std::string& name, int number);

// Reads the last 65557 bytes (or the whole stream when shorter) into `tail`
// and finds the end record signature nearest to the end: its offset in
// `tail`. False when there is none or the stream is shorter than a record.
bool FindEndRecord(TStream& stream, std::vector<uint8_t>& tail, int64_t& offset);

// The part number ("this disk") of the end record nearest to the end of the
// stream, from the Zip64 locator when the record holds the sentinel; -1 when
// there is no end record.
int64_t EndRecordDisk(TStream& stream);

}  // namespace tavo::zip
