// TDirectoryReader: the end record, the Zip64 records, the ".zfc" directory
// file, central and local headers with their extra fields, and rebuilding
// a damaged directory from local headers.
#include <algorithm>
#include <cstring>
#include <vector>

#include "core/Mbcs.h"
#include "platform/CodePage.h"
#include "platform/File.h"
#include "unzip/ByteReader.h"
#include "unzip/DirectoryReader.h"
#include "unzip/PartSource.h"
#include "unzip/UnZip.h"
#include "unzip/ZipFormat.h"

namespace tavo::zip {

namespace {

constexpr int kBegin = static_cast<int>(TSeekOrigin::Begin);
constexpr int kCurrent = static_cast<int>(TSeekOrigin::Current);

// More parts than this cannot be a real set: the end record is taken as
// missing.
constexpr uint32_t kMaxPartNumber = 999;
// The rebuild scan lets window messages through this often.
constexpr int64_t kScanMessageInterval = 10240;

bool HasExtensionIgnoringCase(const std::string& name, const char* ext) {
  return EndsWithTextMbcs(name, ext, platform::AnsiCodePage());
}

// The last "\\" of a name in the ANSI code page, npos when none. Without a
// byte above 0x7F there is no double-byte character whose trail byte could
// look like one, and the plain search from the end gives the same answer.
size_t LastBackslash(const std::string& name) {
  for (const char c : name)
    if (static_cast<unsigned char>(c) >= 0x80) return LastDelimiter(name, "\\");
  return name.rfind('\\');
}

// ZipName with its extension replaced by ".zfc".
std::string DirectoryFileName(const std::string& zipName) {
  const size_t slash = LastDelimiter(zipName, "\\");
  const size_t start = slash == std::string::npos ? 0 : slash + 1;
  const size_t dot = zipName.rfind('.');
  const std::string stem = dot == std::string::npos || dot < start ? zipName : zipName.substr(0, dot);
  return stem + ".zfc";
}

}  // namespace

// Finds the end record in the last 65557 bytes of the stream, nearest to the
// end, and the Zip64 locator and end record before it. Returns false when
// there is none. An empty stream counts as found (an archive without
// entries, the record left cleared).
bool TDirectoryReader::LocateEndRecord(TStream& stream) {
  const int64_t size = stream.Size();
  if (size < static_cast<int64_t>(kEndCentralSize)) return size == 0;
  std::vector<uint8_t> tail;
  int64_t offset = 0;
  if (!FindEndRecord(stream, tail, offset)) return false;
  const int64_t window = static_cast<int64_t>(tail.size());
  {
    const uint8_t* p = tail.data() + offset;
    u_.endRecord_.Clear();
    u_.endRecord_.Signature = GetU32(p + endrec::kSignature);
    u_.endRecord_.ThisDisk = GetU16(p + endrec::kThisDisk);
    u_.endRecord_.CentralDirDisk = GetU16(p + endrec::kCentralDirDisk);
    u_.endRecord_.EntriesThisDisk = GetU16(p + endrec::kEntriesThisDisk);
    u_.endRecord_.TotalEntries = GetU16(p + endrec::kTotalEntries);
    u_.endRecord_.CentralDirSize = GetU32(p + endrec::kCentralDirSize);
    u_.endRecord_.CentralDirOffset = GetU32(p + endrec::kCentralDirOffset);
    u_.endRecord_.CommentLength = GetU16(p + endrec::kCommentLength);
    u_.endRecord_.CommentPosition = size - window + offset + static_cast<int64_t>(kEndCentralSize);
    if (offset >= static_cast<int64_t>(kZip64LocatorSize)) {
      const uint8_t* l = p - kZip64LocatorSize;
      if (GetU32(l) == kZip64LocatorSignature) {
        auto locator = std::make_unique<TZip64Locator>();
        locator->Signature = GetU32(l + locator::kSignature);
        locator->Zip64EndDisk = GetU32(l + locator::kZip64EndDisk);
        locator->Zip64EndOffset = GetU64(l + locator::kZip64EndOffset);
        locator->TotalDisks = GetU32(l + locator::kTotalDisks);
        const uint64_t at = locator->Zip64EndOffset;
        u_.endRecord_.Locator = std::move(locator);
        uint8_t rec[kZip64EndCentralSize];
        // An offset past the file reads nothing: the Zip64 record is then
        // left out rather than filled with stale bytes.
        if (at < static_cast<uint64_t>(size) &&
            stream.Seek(static_cast<int64_t>(at), kBegin) == static_cast<int64_t>(at) &&
            stream.Read(rec, kZip64EndCentralSize) == static_cast<int64_t>(kZip64EndCentralSize)) {
          auto z = std::make_unique<TZip64EndCentral>();
          z->Signature = GetU32(rec + zip64end::kSignature);
          z->RecordSize = GetU64(rec + zip64end::kRecordSize);
          z->VersionMadeBy = GetU16(rec + zip64end::kVersionMadeBy);
          z->VersionNeeded = GetU16(rec + zip64end::kVersionNeeded);
          z->ThisDisk = GetU32(rec + zip64end::kThisDisk);
          z->CentralDirDisk = GetU32(rec + zip64end::kCentralDirDisk);
          z->EntriesThisDisk = GetU64(rec + zip64end::kEntriesThisDisk);
          z->TotalEntries = GetU64(rec + zip64end::kTotalEntries);
          z->CentralDirSize = GetU64(rec + zip64end::kCentralDirSize);
          z->CentralDirOffset = GetU64(rec + zip64end::kCentralDirOffset);
          u_.endRecord_.Zip64End = std::move(z);
        }
      }
    }
  }
  return true;
}

// Where the fields that central and local headers share lie in each.
struct THeaderLayout {
  bool central;
  uint32_t signature;
  size_t size, versionNeeded, bitFlag, method, dateTime, crc32, compressedSize, uncompressedSize, nameLength,
      extraLength;
};

constexpr THeaderLayout kCentralLayout{true,
                                       kCentralHeaderSignature,
                                       kCentralHeaderSize,
                                       central::kVersionNeeded,
                                       central::kBitFlag,
                                       central::kMethod,
                                       central::kDateTime,
                                       central::kCrc32,
                                       central::kCompressedSize,
                                       central::kUncompressedSize,
                                       central::kNameLength,
                                       central::kExtraLength};
constexpr THeaderLayout kLocalLayout{false,
                                     kLocalHeaderSignature,
                                     kLocalHeaderSize,
                                     local::kVersionNeeded,
                                     local::kBitFlag,
                                     local::kMethod,
                                     local::kDateTime,
                                     local::kCrc32,
                                     local::kCompressedSize,
                                     local::kUncompressedSize,
                                     local::kNameLength,
                                     local::kExtraLength};

// Reads the fixed part and the name of a central or local header at the
// position of `src` into `h` and `entry`: the shared fields, the name decoded
// and split into Directory and FileName, the local header offset... left to
// the caller. A central header that runs over the end of its part continues
// in the next one when `nextPartRequest` (src then becomes the new part).
// On failure the stream is back where it was (unless it changed parts) and
// false is returned; on success it stands after the name.
bool TDirectoryReader::ReadHeader(TStream*& src, const THeaderLayout& layout, uint8_t* h, TZipHeaderInfo& entry,
                        bool nextPartRequest) {
  TStream* const first = src;
  const int64_t start = src->Position();
  int64_t got = src->Read(h, static_cast<int64_t>(layout.size));
  if (nextPartRequest &&
      (got == 0 || (got < static_cast<int64_t>(layout.size) && got >= 4 && GetU32(h) == layout.signature))) {
    src = &TPartSource(u_).Next();
    got += std::max<int64_t>(0, src->Read(h + got, static_cast<int64_t>(layout.size) - got));
  }
  auto fail = [&] {
    if (src == first) src->Seek(start, kBegin);
    return false;
  };
  if (got < static_cast<int64_t>(layout.size) || GetU32(h) != layout.signature) return fail();
  std::string name(GetU16(h + layout.nameLength), '\0');
  if (src->Read(name.data(), static_cast<int64_t>(name.size())) != static_cast<int64_t>(name.size())) return fail();
  const uint16_t bitFlag = GetU16(h + layout.bitFlag);
  // A local header does not say its host: a legacy name is taken as OEM text.
  const bool msDosHost = !layout.central || (GetU16(h + central::kVersionMadeBy) >> 8) == kHostMsDos;
  TEntryName decoded = u_.ConvertName(*src, name, bitFlag, msDosHost, GetU16(h + layout.extraLength));
  entry.NameReplaced = decoded.replaced;
  entry.VersionNeeded = GetU16(h + layout.versionNeeded);
  entry.BitFlag = bitFlag;
  entry.CompressionMethod = GetU16(h + layout.method);
  const uint32_t dosTime = GetU16(h + layout.dateTime), dosDate = GetU16(h + layout.dateTime + 2);
  entry.LastModDateTime = SanitizeDosDateTime(dosDate << 16 | dosTime);
  entry.Crc32 = GetU32(h + layout.crc32);
  entry.CompressedSize = GetU32(h + layout.compressedSize);
  entry.UncompressedSize = GetU32(h + layout.uncompressedSize);
  std::string& path = decoded.name;
  const size_t pathSize = path.size();
  const size_t slash = LastBackslash(path);
  if (slash == std::string::npos) {
    entry.SetDirectory(std::string());
    entry.SetFileName(std::move(path));
  } else {
    entry.SetDirectory(path.substr(0, slash + 1));
    entry.SetFileName(path.substr(slash + 1));
  }
  entry.FileNameLength = static_cast<uint16_t>(std::min<size_t>(pathSize, 0xFFFF));
  return true;
}

// Reads a central header at the stream's position into `entry`. On failure
// the stream is back where it was. On success it stands at the entry's extra
// field.
bool TDirectoryReader::ReadCentralHeader(TStream& stream, TZipHeaderInfo& entry, bool nextPartRequest) {
  TStream* src = &stream;
  const int64_t start = stream.Position();
  uint8_t h[kCentralHeaderSize];
  if (!ReadHeader(src, kCentralLayout, h, entry, nextPartRequest)) return false;
  entry.VersionMadeBy = GetU16(h + central::kVersionMadeBy);
  entry.ExtraFieldLength = GetU16(h + central::kExtraLength);
  entry.FileCommentLength = GetU16(h + central::kCommentLength);
  entry.DiskNumberStart = GetU16(h + central::kDiskNumberStart);
  entry.InternalAttributes = GetU16(h + central::kInternalAttributes);
  entry.ExternalAttributes = GetU32(h + central::kExternalAttributes);
  entry.LocalHeaderOffset = GetU32(h + central::kLocalHeaderOffset);
  entry.CentralHeaderOffset = start;
  entry.FileComment.reset();
  entry.Selected = false;
  if (entry.ExtraFieldLength > 0) {
    TPositionGuard back(*src);
    entry.ExtraFieldPosition = back.Saved();
    entry.ExtraFieldSize = entry.ExtraFieldLength;
    ParseExtraField(*src, entry);
  }
  return true;
}

// Walks the extra field's blocks; the Zip64 block (tag 1) fills Zip64Info
// for each field whose central value is its sentinel, in the order
// uncompressed size, compressed size, local header offset, disk number. A
// value that does not fit inside the field is left out.
void TDirectoryReader::ParseExtraField(TStream& stream, TZipHeaderInfo& entry) {
  std::vector<uint8_t> extra(entry.ExtraFieldLength);
  const int64_t got = stream.Read(extra.data(), static_cast<int64_t>(extra.size()));
  TByteReader field(extra.data(), static_cast<size_t>(std::max<int64_t>(0, got)));
  uint16_t tag = 0, dataSize = 0;
  while (field.Fits(kExtraBlockHeaderSize)) {
    field.U16(tag);
    field.U16(dataSize);
    if (tag != kZip64ExtraTag) {
      if (!field.Skip(dataSize)) break;
      continue;
    }
    TZip64Info& info = entry.EnsureZip64Info();
    if (entry.UncompressedSize == kSentinel32) field.U64(info.UncompressedSize);
    if (entry.CompressedSize == kSentinel32) field.U64(info.CompressedSize);
    if (entry.LocalHeaderOffset == kSentinel32) field.U64(info.LocalHeaderOffset);
    if (entry.DiskNumberStart == kSentinel16) field.U32(info.DiskStartNumber);
  }
}

// Reads a local header (for a rebuild) at the stream's position. On success
// the stream stands after the name.
bool TDirectoryReader::ReadLocalHeader(TStream& stream, TZipHeaderInfo& entry) {
  TStream* src = &stream;
  const int64_t start = stream.Position();
  uint8_t h[kLocalHeaderSize];
  if (!ReadHeader(src, kLocalLayout, h, entry, false)) return false;
  entry.VersionMadeBy = 0;
  entry.LocalExtraFieldLength = GetU16(h + local::kExtraLength);
  entry.ExtraFieldLength = 0;
  entry.FileCommentLength = 0;
  entry.DiskNumberStart = 0;
  entry.InternalAttributes = 0;
  entry.ExternalAttributes = 0;
  entry.CentralHeaderOffset = 0;
  entry.LocalHeaderOffset = static_cast<uint32_t>(start);
  if (start >= static_cast<int64_t>(kSentinel32)) entry.SetEffectiveLocalHeaderOffset(static_cast<uint64_t>(start));
  if (entry.LocalExtraFieldLength >= kZip64InfoSize) {
    TPositionGuard back(stream);
    uint8_t z[kZip64InfoSize];
    if (stream.Read(z, kZip64InfoSize) == static_cast<int64_t>(kZip64InfoSize) && GetU16(z) == kZip64ExtraTag) {
      TZip64Info& info = entry.EnsureZip64Info();
      info.Tag = GetU16(z);
      info.DataSize = GetU16(z + 2);
      info.UncompressedSize = GetU64(z + 4);
      info.CompressedSize = GetU64(z + 12);
      // Keep the offset this header was found at when the sentinel says so.
      if (entry.LocalHeaderOffset != kSentinel32) info.LocalHeaderOffset = GetU64(z + 20);
      info.DiskStartNumber = GetU32(z + 28);
    }
  }
  return true;
}

// Scans for local headers and builds the entry list from them. Returns false
// when the archive was rebuilt before or no local header is found.
bool TDirectoryReader::RebuildDirectory() {
  if (u_.rebuilt_) return false;
  u_.rebuilt_ = true;
  u_.FreeLists();
  TStream& stream = *u_.archive_;
  int64_t pos = HasExtensionIgnoringCase(u_.zipName_, ".EXE") ? kSfxScanStart : 0;
  stream.Seek(pos, kBegin);
  // Byte-by-byte scan for "PK\3\4" followed by a version-needed field whose
  // high byte is below 10.
  static const uint8_t kSig[4] = {0x50, 0x4B, 0x03, 0x04};
  int matched = 0;
  int64_t sinceMessages = 0;
  for (;;) {
    uint8_t b;
    if (stream.Read(&b, 1) != 1) return false;
    ++pos;
    if (++sinceMessages >= kScanMessageInterval) {
      sinceMessages = 0;
      u_.ProcessMessagesIfOn();
    }
    if (b == kSig[matched]) {
      ++matched;
    } else {
      matched = b == kSig[0] ? 1 : 0;
    }
    if (matched == 4) {
      uint8_t version[2];
      if (stream.Read(version, 2) != 2) return false;
      pos += 2;
      if (version[1] < 10) break;
      // Not a header: go on right after the signature's first byte.
      pos -= 5;
      stream.Seek(pos, kBegin);
      matched = 0;
    }
  }
  stream.Seek(pos - 6, kBegin);
  u_.NewEntryList();
  for (;;) {
    u_.ProcessMessagesIfOn();
    auto entry = std::make_unique<TZipHeaderInfo>(u_.OEMConvert);
    if (!ReadLocalHeader(stream, *entry)) break;
    int64_t skip = static_cast<int64_t>(entry->LocalExtraFieldLength);
    const uint64_t compressed = entry->EffectiveCompressedSize();
    skip += compressed > static_cast<uint64_t>(INT64_MAX / 2) ? INT64_MAX / 2 : static_cast<int64_t>(compressed);
    if (entry->BitFlag & kFlagDataDescriptor) skip += static_cast<int64_t>(kDataDescriptorSize);
    // A forward scan finds headers at rising offsets, so the list is in
    // physical order as it grows; a header at or before the last one (which
    // cannot happen) ends the scan rather than break that order.
    if (u_.entryList_->Count() > 0 &&
        u_.entryList_->Compare(*u_.entryList_->Items(u_.entryList_->Count() - 1), *entry) >= 0)
      break;
    u_.AppendEntry(std::move(entry));
    stream.Seek(skip, kCurrent);
  }
  u_.endRecord_.ThisDisk = 0;
  const int64_t here = stream.Position();
  u_.endRecord_.CentralDirOffset = here >= static_cast<int64_t>(kSentinel32) ? kSentinel32 : static_cast<uint32_t>(here);
  u_.endRecord_.TotalEntries = static_cast<uint16_t>(std::min(u_.entryList_->Count(), 0xFFFF));
  if (u_.entryList_->Count() >= 0xFFFF || here >= static_cast<int64_t>(kSentinel32)) {
    auto z = std::make_unique<TZip64EndCentral>();
    z->TotalEntries = static_cast<uint64_t>(u_.entryList_->Count());
    z->CentralDirOffset = static_cast<uint64_t>(here);
    u_.endRecord_.TotalEntries = kSentinel16;
    u_.endRecord_.Zip64End = std::move(z);
  }
  u_.currentDisk_ = 0;
  u_.numberOfParts_ = 1;
  return true;
}

// Reads the central headers the end record announces from src_ (the
// archive stream, or the ".zfc" file) into EntryList, in reading order. A
// header that cannot be read rebuilds a single-part archive and starts over
// against the scanned entries; after a rebuild the headers only update the
// scanned entries they match. Raises EBadZipFile when nothing helps.
void TDirectoryReader::ReadCentralEntries() {
  uint16_t pendingSkip = 0;
  TZipHeaderInfo* previous = nullptr;
  for (uint64_t i = 0; i < u_.endRecord_.EffectiveTotalEntries(); ++i) {
    u_.ProcessMessagesIfOn();
    auto entry = std::make_unique<TZipHeaderInfo>(u_.OEMConvert);
    const bool nextPart = !u_.rebuilt_ && u_.MultiMode() != TMultiMode::mmNone && !fromDirectoryFile_;
    bool ok = ReadCentralHeader(*src_, *entry, nextPart);
    src_ = fromDirectoryFile_ ? u_.directoryFile_.get() : u_.archive_.get();
    if (!ok && pendingSkip > 0) {
      // The previous entry's extra field length was wrong: look for this
      // header again as if that entry had no extra field.
      if (previous) previous->ExtraFieldLength = 0;
      src_->Seek(-static_cast<int64_t>(pendingSkip), kCurrent);
      previous = nullptr;
      ok = ReadCentralHeader(*src_, *entry, nextPart);
      src_ = fromDirectoryFile_ ? u_.directoryFile_.get() : u_.archive_.get();
    }
    pendingSkip = 0;
    if (!ok) {
      if (u_.rebuilt_) break;
      if (u_.MultiMode() != TMultiMode::mmNone || fromDirectoryFile_ || !RebuildDirectory()) {
        u_.ClearArchive();
        throw EBadZipFile(kMsgNotValidZip);
      }
      src_ = u_.archive_.get();
      previous = nullptr;
      i = static_cast<uint64_t>(-1);  // restart at 0 against the scanned entries
      continue;
    }
    if (u_.rebuilt_) {
      const int found = u_.entryList_->Find(*entry);
      if (found >= 0) {
        TZipHeaderInfo* listed = u_.entryList_->Items(found);
        const uint32_t keepOffset = listed->LocalHeaderOffset;
        std::unique_ptr<TZip64Info> keepZip64 =
            listed->Zip64Info ? std::make_unique<TZip64Info>(*listed->Zip64Info) : nullptr;
        listed->Assign(*entry);
        listed->LocalHeaderOffset = keepOffset;
        if (keepOffset == kSentinel32 && keepZip64) listed->EnsureZip64Info().LocalHeaderOffset = keepZip64->LocalHeaderOffset;
      }
      src_->Seek(static_cast<int64_t>(entry->ExtraFieldLength) + entry->FileCommentLength, kCurrent);
      continue;
    }
    TZipHeaderInfo* added = u_.AppendEntry(std::move(entry));
    if (u_.endRecord_.EffectiveThisDisk() > 0 && added->FileCommentLength > 0 && !fromDirectoryFile_) {
      TPositionGuard back(*src_);
      src_->Seek(added->ExtraFieldLength, kCurrent);
      std::string comment(added->FileCommentLength, '\0');
      const int64_t got = src_->Read(comment.data(), static_cast<int64_t>(comment.size()));
      comment.resize(static_cast<size_t>(std::max<int64_t>(0, got)));
      added->FileComment = std::make_unique<std::string>(comment);
    }
    src_->Seek(static_cast<int64_t>(added->ExtraFieldLength) + added->FileCommentLength, kCurrent);
    if (added->ExtraFieldLength > 0) {
      pendingSkip = added->ExtraFieldLength;
      previous = added;
    }
  }
}

void TUnZip::ReadDirectory() { TDirectoryReader(*this).Read(); }

void TDirectoryReader::Read() {
  u_.archiveDate_ = u_.archive_->DosDateTime();
  u_.archiveDateKnown_ = true;
  u_.FreeLists();
  // The ".zfc" file is closed however the reading ends.
  struct DirectoryFileCloser {
    std::unique_ptr<TArchiveStream>& file;
    ~DirectoryFileCloser() { file.reset(); }
  } closer{u_.directoryFile_};
  const bool found = LocateDirectory();
  u_.announcedEntries_ = found ? u_.endRecord_.EffectiveTotalEntries() : 0;
  if (found)
    EnterCentralDirectory();
  else
    NoEndRecord();
  if (!u_.entryList_ || u_.entryList_->Count() == 0) u_.NewEntryList();
  u_.numberOfParts_ = static_cast<int>(u_.endRecord_.EffectiveThisDisk()) + 1;
  ReadEntries();
  LoadSetComment();
  // OpenPart keeps CurrentDisk in step with the part the stream is on; only
  // a directory read from the ".zfc" file leaves the archive untouched.
  if (fromDirectoryFile_) u_.currentDisk_ = 0;
  u_.ApplySortMode(u_.SortMode);
}

bool TDirectoryReader::LocateDirectory() {
  auto missing = [this] {
    const TEndCentral& e = u_.endRecord_;
    return e.EffectiveThisDisk() > kMaxPartNumber || e.EffectiveCentralDirDisk() > kMaxPartNumber ||
           e.EffectiveCentralDirDisk() > e.EffectiveThisDisk();
  };
  src_ = u_.archive_.get();
  fromDirectoryFile_ = false;
  if (LocateEndRecord(*u_.archive_) && !missing()) return true;
  const std::string zfc = DirectoryFileName(u_.zipName_);
  if (!platform::FileExists(zfc)) return false;
  u_.directoryFile_ = std::make_unique<TArchiveStream>(zfc, platform::TFileShareMode::DenyWrite);
  if (LocateEndRecord(*u_.directoryFile_) && !missing()) {
    fromDirectoryFile_ = true;
    src_ = u_.directoryFile_.get();
    return true;
  }
  u_.directoryFile_.reset();
  return false;
}

void TDirectoryReader::EnterCentralDirectory() {
  const TEndCentral& e = u_.endRecord_;
  u_.currentDisk_ = fromDirectoryFile_ ? 0 : static_cast<int>(e.EffectiveThisDisk());
  if (e.EffectiveThisDisk() == 0) {
    u_.SetMultiMode(TMultiMode::mmNone);
  } else if (u_.MultiMode() == TMultiMode::mmNone) {
    u_.SetMultiMode(u_.IsRemovableArchiveDrive() ? TMultiMode::mmSpan : TMultiMode::mmBlocks);
  }
  if (e.EffectiveTotalEntries() == 0) return;
  if (!fromDirectoryFile_) {
    TPartSource(u_).Enter(e.EffectiveCentralDirDisk());
    src_ = u_.archive_.get();
  }
  const uint64_t offset = fromDirectoryFile_ ? 0 : e.EffectiveCentralDirOffset();
  src_->Seek(offset > static_cast<uint64_t>(INT64_MAX) ? INT64_MAX : static_cast<int64_t>(offset), kBegin);
}

void TDirectoryReader::NoEndRecord() {
  if (u_.OnInCompleteZip) u_.OnInCompleteZip(u_, u_.IncompleteZipMode);
  if (u_.IncompleteZipMode == TIncompleteZipMode::izAssumeNotAZip) throw ENotAZipFile(kMsgNotValidZip);
  if (u_.IncompleteZipMode == TIncompleteZipMode::izAssumeMulti) throw EIncompleteZip(kMsgIncompleteZip);
  if (!RebuildDirectory()) {
    u_.ClearArchive();
    throw EBadZipFile(kMsgNotValidZip);
  }
  src_ = u_.archive_.get();
}

void TDirectoryReader::ReadEntries() {
  for (;;) {
    ReadCentralEntries();
    if (u_.rebuilt_) return;
    // The list was appended in reading order; put it in physical order. Two
    // entries at one part and offset make the directory untrustworthy.
    try {
      u_.entryList_->Sort();
      return;
    } catch (const EListError&) {
      if (u_.MultiMode() != TMultiMode::mmNone || fromDirectoryFile_ || !RebuildDirectory()) {
        u_.ClearArchive();
        throw EBadZipFile(kMsgNotValidZip);
      }
      src_ = u_.archive_.get();
    }
  }
}

void TDirectoryReader::LoadSetComment() {
  const TEndCentral& e = u_.endRecord_;
  if (e.EffectiveThisDisk() == 0 || e.CommentLength == 0) return;
  if (fromDirectoryFile_) {
    u_.LoadArchiveComment(*u_.directoryFile_);
    return;
  }
  // A last part above 0 makes the archive multi-part (EnterCentralDirectory).
  TPartSource(u_).Enter(e.EffectiveThisDisk());
  u_.LoadArchiveComment(*u_.archive_);
}

}  // namespace tavo::zip
