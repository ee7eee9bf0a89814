// Archive streams over one file or over the pieces of a numbered set.
#include "unzip/ArchiveStream.h"

#include <algorithm>
#include <cctype>

#include "core/Exception.h"
#include "core/Mbcs.h"
#include "platform/File.h"
#include "unzip/ZipExceptions.h"
#include "unzip/ZipFormat.h"

namespace tavo::zip {

TPieceStream::TPieceStream(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    auto piece = std::make_unique<platform::TFileStream>(path, platform::TFileOpenMode::Read,
                                                         platform::TFileShareMode::DenyWrite);
    starts_.push_back(size_);
    size_ += std::max<int64_t>(0, piece->Size());
    pieces_.push_back(std::move(piece));
  }
}

int64_t TPieceStream::Read(void* buffer, int64_t count) {
  auto* out = static_cast<uint8_t*>(buffer);
  int64_t done = 0;
  while (done < count && position_ < size_) {
    // The piece holding the position: the last one starting at or before it.
    const size_t k = static_cast<size_t>(std::upper_bound(starts_.begin(), starts_.end(), position_) - starts_.begin()) - 1;
    const int64_t end = k + 1 < starts_.size() ? starts_[k + 1] : size_;
    if (pieces_[k]->Seek(position_ - starts_[k], TSeekOrigin::Begin) < 0) break;
    const int64_t got = pieces_[k]->Read(out + done, std::min(count - done, end - position_));
    if (got <= 0) break;
    done += got;
    position_ += got;
  }
  return done;
}

int64_t TPieceStream::Seek(int64_t offset, int origin) {
  int64_t target = offset;
  if (origin == static_cast<int>(TSeekOrigin::Current)) target = position_ + offset;
  if (origin == static_cast<int>(TSeekOrigin::End)) target = size_ + offset;
  if (target < 0) return -1;
  position_ = target;
  return position_;
}

uint32_t TPieceStream::DosDateTime() {
  uint32_t newest = 0;
  for (auto& piece : pieces_) newest = std::max(newest, piece->DosDateTime());
  return newest;
}

namespace {

// The position of the extension's three digits, npos when there are none.
size_t NumberAt(const std::string& name) {
  const size_t slash = LastDelimiter(name, "\\");
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash) || name.size() - dot != 4)
    return std::string::npos;
  for (size_t i = dot + 1; i < name.size(); ++i)
    if (!std::isdigit(static_cast<unsigned char>(name[i]))) return std::string::npos;
  return dot + 1;
}

}  // namespace

TArchiveHolder::TArchiveHolder(const std::string& path, platform::TFileShareMode share) {
  auto handle = std::make_unique<THandleStream>(
      std::make_unique<platform::TFileStream>(path, platform::TFileOpenMode::Read, share));
  file = &handle->File();
  raw = std::move(handle);
}

TArchiveHolder::TArchiveHolder(const std::vector<std::string>& paths) {
  auto joined = std::make_unique<TPieceStream>(paths);
  pieces = joined.get();
  raw = std::move(joined);
}

TArchiveStream::TArchiveStream(const std::string& path, platform::TFileShareMode share)
    : TArchiveHolder(path, share), TS_BufferStream(*raw) {}

TArchiveStream::TArchiveStream(const std::vector<std::string>& paths)
    : TArchiveHolder(paths), TS_BufferStream(*raw) {}

uint32_t TArchiveStream::DosDateTime() { return file ? file->DosDateTime() : pieces->DosDateTime(); }

std::string NumberedPiece(const std::string& name, int number) {
  const size_t at = NumberAt(name);
  return name.substr(0, at == std::string::npos ? name.size() : at) + Format("%3.3d", number);
}

bool FindNumberedSet(const std::string& name, std::vector<std::string>& pieces, std::string& missing) {
  pieces.clear();
  missing.clear();
  const size_t at = NumberAt(name);
  if (at == std::string::npos) return false;
  const int named = std::stoi(name.substr(at));
  if (named < 1) return false;
  if (!platform::FileExists(NumberedPiece(name, 1))) {
    // Without piece 1 the name belongs to a set only when another piece
    // stands beside it ("report.123" alone is just a file).
    bool neighbour = platform::FileExists(NumberedPiece(name, named + 1));
    for (int n = 2; n < named && !neighbour; ++n) neighbour = platform::FileExists(NumberedPiece(name, n));
    if (!neighbour) return false;
    missing = NumberedPiece(name, 1);
    return true;
  }
  for (int n = 1; n <= 999; ++n) {
    const std::string piece = NumberedPiece(name, n);
    if (!platform::FileExists(piece)) {
      if (n <= named) missing = piece;
      break;
    }
    pieces.push_back(piece);
  }
  return true;
}

bool FindEndRecord(TStream& stream, std::vector<uint8_t>& tail, int64_t& offset) {
  const int64_t size = stream.Size();
  if (size < static_cast<int64_t>(kEndCentralSize)) return false;
  const int64_t window = std::min<int64_t>(static_cast<int64_t>(kEndSearchWindow), size);
  tail.resize(static_cast<size_t>(window));
  stream.Seek(size - window, static_cast<int>(TSeekOrigin::Begin));
  if (stream.Read(tail.data(), window) != window) return false;
  for (offset = window - static_cast<int64_t>(kEndCentralSize); offset >= 0; --offset) {
    const uint8_t* p = tail.data() + offset;
    if (p[0] == 0x50 && GetU32(p) == kEndCentralSignature) return true;
  }
  return false;
}

int64_t EndRecordDisk(TStream& stream) {
  std::vector<uint8_t> tail;
  int64_t offset = 0;
  if (!FindEndRecord(stream, tail, offset)) return -1;
  const uint8_t* p = tail.data() + offset;
  const uint16_t disk = GetU16(p + endrec::kThisDisk);
  if (disk == kSentinel16 && offset >= static_cast<int64_t>(kZip64LocatorSize) &&
      GetU32(p - kZip64LocatorSize) == kZip64LocatorSignature) {
    const uint32_t total = GetU32(p - kZip64LocatorSize + locator::kTotalDisks);
    return total > 0 ? static_cast<int64_t>(total) - 1 : 0;
  }
  return disk;
}

}  // namespace tavo::zip
