// Reading an archive's directory: the end record search, the Zip64 records,
// the ".zfc" directory file, central headers with their extra fields, and
// rebuilding a damaged directory from local headers.
#include <algorithm>
#include <cstring>
#include <vector>

#include "core/Mbcs.h"
#include "platform/CodePage.h"
#include "platform/File.h"
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
bool TUnZip::LocateEndRecord(TStream& stream) {
  const int64_t size = stream.Size();
  if (size < static_cast<int64_t>(kEndCentralSize)) return size == 0;
  const int64_t window = std::min<int64_t>(static_cast<int64_t>(kEndSearchWindow), size);
  std::vector<uint8_t> tail(static_cast<size_t>(window));
  stream.Seek(size - window, kBegin);
  if (stream.Read(tail.data(), window) != window) return false;
  for (int64_t offset = window - static_cast<int64_t>(kEndCentralSize); offset >= 0; --offset) {
    const uint8_t* p = tail.data() + offset;
    if (p[0] != 0x50 || GetU32(p) != kEndCentralSignature) continue;
    endRecord_.Clear();
    endRecord_.Signature = GetU32(p + endrec::kSignature);
    endRecord_.ThisDisk = GetU16(p + endrec::kThisDisk);
    endRecord_.CentralDirDisk = GetU16(p + endrec::kCentralDirDisk);
    endRecord_.EntriesThisDisk = GetU16(p + endrec::kEntriesThisDisk);
    endRecord_.TotalEntries = GetU16(p + endrec::kTotalEntries);
    endRecord_.CentralDirSize = GetU32(p + endrec::kCentralDirSize);
    endRecord_.CentralDirOffset = GetU32(p + endrec::kCentralDirOffset);
    endRecord_.CommentLength = GetU16(p + endrec::kCommentLength);
    endRecord_.CommentPosition = size - window + offset + static_cast<int64_t>(kEndCentralSize);
    if (offset >= static_cast<int64_t>(kZip64LocatorSize)) {
      const uint8_t* l = p - kZip64LocatorSize;
      if (GetU32(l) == kZip64LocatorSignature) {
        auto locator = std::make_unique<TZip64Locator>();
        locator->Signature = GetU32(l + locator::kSignature);
        locator->Zip64EndDisk = GetU32(l + locator::kZip64EndDisk);
        locator->Zip64EndOffset = GetU64(l + locator::kZip64EndOffset);
        locator->TotalDisks = GetU32(l + locator::kTotalDisks);
        const uint64_t at = locator->Zip64EndOffset;
        endRecord_.Locator = std::move(locator);
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
          endRecord_.Zip64End = std::move(z);
        }
      }
    }
    return true;
  }
  return false;
}

// Reads a central header at the stream's position into `entry`. On failure
// the stream is back where it was. On success it stands at the entry's extra
// field.
bool TUnZip::ReadCentralHeader(TStream& stream, TZipHeaderInfo& entry, bool nextPartRequest) {
  TStream* src = &stream;
  const int64_t start = src->Position();
  uint8_t h[kCentralHeaderSize];
  int64_t got = src->Read(h, kCentralHeaderSize);
  if (nextPartRequest && (got == 0 || (got < static_cast<int64_t>(kCentralHeaderSize) && got >= 4 &&
                                       GetU32(h) == kCentralHeaderSignature))) {
    OpenPart(currentDisk_ + 2);
    src = archive_.get();
    got += std::max<int64_t>(0, src->Read(h + got, static_cast<int64_t>(kCentralHeaderSize) - got));
  }
  if (got < static_cast<int64_t>(kCentralHeaderSize) || GetU32(h) != kCentralHeaderSignature) {
    if (src == &stream) src->Seek(start, kBegin);
    return false;
  }
  std::string name(GetU16(h + central::kNameLength), '\0');
  if (src->Read(name.data(), static_cast<int64_t>(name.size())) != static_cast<int64_t>(name.size())) {
    if (src == &stream) src->Seek(start, kBegin);
    return false;
  }
  const uint16_t madeBy = GetU16(h + central::kVersionMadeBy);
  TEntryName decoded = ConvertName(*src, name, GetU16(h + central::kBitFlag), (madeBy >> 8) == kHostMsDos,
                                   GetU16(h + central::kExtraLength));
  name = std::move(decoded.name);
  entry.NameReplaced = decoded.replaced;
  entry.VersionMadeBy = madeBy;
  entry.VersionNeeded = GetU16(h + central::kVersionNeeded);
  entry.BitFlag = GetU16(h + central::kBitFlag);
  entry.CompressionMethod = GetU16(h + central::kMethod);
  const uint32_t dosTime = GetU16(h + central::kDateTime), dosDate = GetU16(h + central::kDateTime + 2);
  entry.LastModDateTime = SanitizeDosDateTime(dosDate << 16 | dosTime);
  entry.Crc32 = GetU32(h + central::kCrc32);
  entry.CompressedSize = GetU32(h + central::kCompressedSize);
  entry.UncompressedSize = GetU32(h + central::kUncompressedSize);
  entry.ExtraFieldLength = GetU16(h + central::kExtraLength);
  entry.FileCommentLength = GetU16(h + central::kCommentLength);
  entry.DiskNumberStart = GetU16(h + central::kDiskNumberStart);
  entry.InternalAttributes = GetU16(h + central::kInternalAttributes);
  entry.ExternalAttributes = GetU32(h + central::kExternalAttributes);
  entry.LocalHeaderOffset = GetU32(h + central::kLocalHeaderOffset);
  entry.CentralHeaderOffset = start;
  const size_t slash = LastDelimiter(name, "\\");
  entry.SetDirectory(slash == std::string::npos ? std::string() : name.substr(0, slash + 1));
  entry.SetFileName(slash == std::string::npos ? name : name.substr(slash + 1));
  entry.FileNameLength = static_cast<uint16_t>(std::min<size_t>(name.size(), 0xFFFF));
  entry.FileComment.reset();
  entry.Selected = false;
  if (entry.ExtraFieldLength > 0) {
    const int64_t extraStart = src->Position();
    entry.ExtraFieldPosition = extraStart;
    entry.ExtraFieldSize = entry.ExtraFieldLength;
    ParseExtraField(*src, entry);
    src->Seek(extraStart, kBegin);
  }
  return true;
}

// Walks the extra field's blocks; the Zip64 block (tag 1) fills Zip64Info
// for each field whose central value is its sentinel, in the order
// uncompressed size, compressed size, local header offset, disk number.
void TUnZip::ParseExtraField(TStream& stream, TZipHeaderInfo& entry) {
  std::vector<uint8_t> extra(entry.ExtraFieldLength);
  const int64_t got = stream.Read(extra.data(), static_cast<int64_t>(extra.size()));
  const size_t size = static_cast<size_t>(std::max<int64_t>(0, got));
  size_t pos = 0;
  while (pos + kExtraBlockHeaderSize <= size) {
    const uint16_t tag = GetU16(&extra[pos]);
    const uint16_t dataSize = GetU16(&extra[pos + 2]);
    pos += kExtraBlockHeaderSize;
    if (tag != kZip64ExtraTag) {
      pos += dataSize;
      continue;
    }
    // The values are read only while they lie inside the extra field.
    auto take64 = [&](uint64_t& out) {
      if (pos + 8 > size) return;
      out = GetU64(&extra[pos]);
      pos += 8;
    };
    TZip64Info& info = entry.EnsureZip64Info();
    if (entry.UncompressedSize == kSentinel32) take64(info.UncompressedSize);
    if (entry.CompressedSize == kSentinel32) take64(info.CompressedSize);
    if (entry.LocalHeaderOffset == kSentinel32) take64(info.LocalHeaderOffset);
    if (entry.DiskNumberStart == kSentinel16 && pos + 4 <= size) {
      info.DiskStartNumber = GetU32(&extra[pos]);
      pos += 4;
    }
  }
}

// Reads a local header (for a rebuild) at the stream's position. On success
// the stream stands after the name.
bool TUnZip::ReadLocalHeader(TStream& stream, TZipHeaderInfo& entry) {
  const int64_t start = stream.Position();
  uint8_t h[kLocalHeaderSize];
  if (stream.Read(h, kLocalHeaderSize) != static_cast<int64_t>(kLocalHeaderSize) ||
      GetU32(h) != kLocalHeaderSignature) {
    stream.Seek(start, kBegin);
    return false;
  }
  std::string name(GetU16(h + local::kNameLength), '\0');
  if (stream.Read(name.data(), static_cast<int64_t>(name.size())) != static_cast<int64_t>(name.size())) {
    stream.Seek(start, kBegin);
    return false;
  }
  // The host is unknown here: a legacy name is taken as OEM text.
  TEntryName decoded =
      ConvertName(stream, name, GetU16(h + local::kBitFlag), true, GetU16(h + local::kExtraLength));
  name = std::move(decoded.name);
  entry.NameReplaced = decoded.replaced;
  entry.VersionMadeBy = 0;
  entry.VersionNeeded = GetU16(h + local::kVersionNeeded);
  entry.BitFlag = GetU16(h + local::kBitFlag);
  entry.CompressionMethod = GetU16(h + local::kMethod);
  const uint32_t dosTime = GetU16(h + local::kDateTime), dosDate = GetU16(h + local::kDateTime + 2);
  entry.LastModDateTime = SanitizeDosDateTime(dosDate << 16 | dosTime);
  entry.Crc32 = GetU32(h + local::kCrc32);
  entry.CompressedSize = GetU32(h + local::kCompressedSize);
  entry.UncompressedSize = GetU32(h + local::kUncompressedSize);
  entry.LocalExtraFieldLength = GetU16(h + local::kExtraLength);
  entry.ExtraFieldLength = 0;
  entry.FileCommentLength = 0;
  entry.DiskNumberStart = 0;
  entry.InternalAttributes = 0;
  entry.ExternalAttributes = 0;
  entry.CentralHeaderOffset = 0;
  entry.LocalHeaderOffset = static_cast<uint32_t>(start);
  if (start >= static_cast<int64_t>(kSentinel32)) entry.SetEffectiveLocalHeaderOffset(static_cast<uint64_t>(start));
  const size_t slash = LastDelimiter(name, "\\");
  entry.SetDirectory(slash == std::string::npos ? std::string() : name.substr(0, slash + 1));
  entry.SetFileName(slash == std::string::npos ? name : name.substr(slash + 1));
  entry.FileNameLength = static_cast<uint16_t>(std::min<size_t>(name.size(), 0xFFFF));
  if (entry.LocalExtraFieldLength > 0) {
    const int64_t extraStart = stream.Position();
    uint8_t z[kZip64InfoSize];
    if (entry.LocalExtraFieldLength >= kZip64InfoSize &&
        stream.Read(z, kZip64InfoSize) == static_cast<int64_t>(kZip64InfoSize) && GetU16(z) == kZip64ExtraTag) {
      TZip64Info& info = entry.EnsureZip64Info();
      info.Tag = GetU16(z);
      info.DataSize = GetU16(z + 2);
      info.UncompressedSize = GetU64(z + 4);
      info.CompressedSize = GetU64(z + 12);
      // Keep the offset this header was found at when the sentinel says so.
      if (entry.LocalHeaderOffset != kSentinel32) info.LocalHeaderOffset = GetU64(z + 20);
      info.DiskStartNumber = GetU32(z + 28);
    }
    stream.Seek(extraStart, kBegin);
  }
  return true;
}

// Scans for local headers and builds the entry list from them. Returns false
// when the archive was rebuilt before or no local header is found.
bool TUnZip::RebuildDirectory() {
  if (rebuilt_) return false;
  rebuilt_ = true;
  FreeLists();
  TStream& stream = *archive_;
  int64_t pos = HasExtensionIgnoringCase(zipName_, ".EXE") ? kSfxScanStart : 0;
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
      ProcessMessagesIfOn();
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
  entryList_ = std::make_unique<TSortedZip>(true, TDuplicates::dupError, TZipSortMode::ByNone);
  sortedView_ = entryList_.get();
  for (;;) {
    ProcessMessagesIfOn();
    auto entry = std::make_unique<TZipHeaderInfo>(OEMConvert);
    if (!ReadLocalHeader(stream, *entry)) break;
    int64_t skip = static_cast<int64_t>(entry->LocalExtraFieldLength);
    const uint64_t compressed = entry->EffectiveCompressedSize();
    skip += compressed > static_cast<uint64_t>(INT64_MAX / 2) ? INT64_MAX / 2 : static_cast<int64_t>(compressed);
    if (entry->BitFlag & kFlagDataDescriptor) skip += static_cast<int64_t>(kDataDescriptorSize);
    // Two headers at one offset cannot happen in a forward scan, but a list
    // error must not escape from a rebuild.
    try {
      if (entryList_->AddSorted(entry.get()) >= 0) entry.release();
    } catch (const EListError&) {
      break;
    }
    stream.Seek(skip, kCurrent);
  }
  endRecord_.ThisDisk = 0;
  const int64_t here = stream.Position();
  endRecord_.CentralDirOffset = here >= static_cast<int64_t>(kSentinel32) ? kSentinel32 : static_cast<uint32_t>(here);
  endRecord_.TotalEntries = static_cast<uint16_t>(std::min(entryList_->Count(), 0xFFFF));
  if (entryList_->Count() >= 0xFFFF || here >= static_cast<int64_t>(kSentinel32)) {
    auto z = std::make_unique<TZip64EndCentral>();
    z->TotalEntries = static_cast<uint64_t>(entryList_->Count());
    z->CentralDirOffset = static_cast<uint64_t>(here);
    endRecord_.TotalEntries = kSentinel16;
    endRecord_.Zip64End = std::move(z);
  }
  currentDisk_ = 0;
  numberOfParts_ = 1;
  return true;
}

void TUnZip::ReadDirectory() {
  archiveDate_ = archive_->Handle().DosDateTime();
  archiveDateKnown_ = true;
  FreeLists();
  bool found = LocateEndRecord(*archive_);
  auto missing = [this] {
    return endRecord_.EffectiveThisDisk() > kMaxPartNumber || endRecord_.EffectiveCentralDirDisk() > kMaxPartNumber ||
           endRecord_.EffectiveCentralDirDisk() > endRecord_.EffectiveThisDisk();
  };
  if (found && missing()) found = false;
  TStream* src = archive_.get();
  bool fromDirectoryFile = false;
  if (!found) {
    const std::string zfc = DirectoryFileName(zipName_);
    if (platform::FileExists(zfc)) {
      directoryFile_ = std::make_unique<TLFNFileStream>(zfc, platform::TFileOpenMode::Read,
                                                        platform::TFileShareMode::DenyWrite, kDefaultStreamBuffer);
      if (LocateEndRecord(*directoryFile_) && !missing()) {
        found = true;
        fromDirectoryFile = true;
        src = directoryFile_.get();
      } else {
        directoryFile_.reset();
      }
    }
  }
  struct DirectoryFileCloser {
    std::unique_ptr<TLFNFileStream>& file;
    ~DirectoryFileCloser() { file.reset(); }
  } closer{directoryFile_};

  if (found) {
    currentDisk_ = fromDirectoryFile ? 0 : static_cast<int>(endRecord_.EffectiveThisDisk());
    if (endRecord_.EffectiveThisDisk() == 0) {
      SetMultiMode(TMultiMode::mmNone);
    } else if (MultiMode() == TMultiMode::mmNone) {
      SetMultiMode(IsRemovableArchiveDrive() ? TMultiMode::mmSpan : TMultiMode::mmBlocks);
    }
    if (endRecord_.EffectiveTotalEntries() > 0) {
      if (!fromDirectoryFile && MultiMode() != TMultiMode::mmNone &&
          endRecord_.EffectiveCentralDirDisk() != static_cast<uint32_t>(currentDisk_)) {
        OpenPart(static_cast<int>(endRecord_.EffectiveCentralDirDisk()) + 1);
        src = archive_.get();
      }
      const uint64_t offset = fromDirectoryFile ? 0 : endRecord_.EffectiveCentralDirOffset();
      src->Seek(offset > static_cast<uint64_t>(INT64_MAX) ? INT64_MAX : static_cast<int64_t>(offset), kBegin);
    }
  } else {
    if (OnInCompleteZip) OnInCompleteZip(*this, IncompleteZipMode);
    if (IncompleteZipMode == TIncompleteZipMode::izAssumeNotAZip) throw ENotAZipFile(kMsgNotValidZip);
    if (IncompleteZipMode == TIncompleteZipMode::izAssumeMulti) throw EIncompleteZip(kMsgIncompleteZip);
    if (!RebuildDirectory()) {
      ClearArchive();
      throw EBadZipFile(kMsgNotValidZip);
    }
    src = archive_.get();
  }
  if (!entryList_ || entryList_->Count() == 0) {
    entryList_ = std::make_unique<TSortedZip>(true, TDuplicates::dupError, TZipSortMode::ByNone);
    sortedView_ = entryList_.get();
  }
  numberOfParts_ = static_cast<int>(endRecord_.EffectiveThisDisk()) + 1;

  uint16_t pendingSkip = 0;
  TZipHeaderInfo* previous = nullptr;
  for (uint64_t i = 0; i < endRecord_.EffectiveTotalEntries(); ++i) {
    ProcessMessagesIfOn();
    auto entry = std::make_unique<TZipHeaderInfo>(OEMConvert);
    const bool nextPart = !rebuilt_ && MultiMode() != TMultiMode::mmNone && !fromDirectoryFile;
    bool ok = ReadCentralHeader(*src, *entry, nextPart);
    src = fromDirectoryFile ? directoryFile_.get() : archive_.get();
    if (!ok && pendingSkip > 0) {
      // The previous entry's extra field length was wrong: look for this
      // header again as if that entry had no extra field.
      if (previous) previous->ExtraFieldLength = 0;
      src->Seek(-static_cast<int64_t>(pendingSkip), kCurrent);
      previous = nullptr;
      ok = ReadCentralHeader(*src, *entry, nextPart);
      src = fromDirectoryFile ? directoryFile_.get() : archive_.get();
    }
    pendingSkip = 0;
    if (!ok) {
      if (rebuilt_) break;
      if (MultiMode() != TMultiMode::mmNone || fromDirectoryFile || !RebuildDirectory()) {
        ClearArchive();
        throw EBadZipFile(kMsgNotValidZip);
      }
      src = archive_.get();
      previous = nullptr;
      i = static_cast<uint64_t>(-1);  // restart at 0 against the scanned entries
      continue;
    }
    if (rebuilt_) {
      const int found = entryList_->Find(*entry);
      if (found >= 0) {
        TZipHeaderInfo* listed = entryList_->Items(found);
        const uint32_t keepOffset = listed->LocalHeaderOffset;
        std::unique_ptr<TZip64Info> keepZip64 =
            listed->Zip64Info ? std::make_unique<TZip64Info>(*listed->Zip64Info) : nullptr;
        listed->Assign(*entry);
        listed->LocalHeaderOffset = keepOffset;
        if (keepOffset == kSentinel32 && keepZip64) listed->EnsureZip64Info().LocalHeaderOffset = keepZip64->LocalHeaderOffset;
      }
      src->Seek(static_cast<int64_t>(entry->ExtraFieldLength) + entry->FileCommentLength, kCurrent);
      continue;
    }
    TZipHeaderInfo* added = entry.get();
    bool duplicate = false;
    try {
      entryList_->AddSorted(added);
      entry.release();
    } catch (const EListError&) {
      duplicate = true;
    }
    if (duplicate) {
      if (MultiMode() != TMultiMode::mmNone || fromDirectoryFile || !RebuildDirectory()) {
        ClearArchive();
        throw EBadZipFile(kMsgNotValidZip);
      }
      src = archive_.get();
      previous = nullptr;
      i = static_cast<uint64_t>(-1);
      continue;
    }
    if (endRecord_.EffectiveThisDisk() > 0 && added->FileCommentLength > 0 && !fromDirectoryFile) {
      const int64_t here = src->Position();
      src->Seek(added->ExtraFieldLength, kCurrent);
      std::string comment(added->FileCommentLength, '\0');
      const int64_t got = src->Read(comment.data(), static_cast<int64_t>(comment.size()));
      comment.resize(static_cast<size_t>(std::max<int64_t>(0, got)));
      added->FileComment = std::make_unique<std::string>(comment);
      src->Seek(here, kBegin);
    }
    src->Seek(static_cast<int64_t>(added->ExtraFieldLength) + added->FileCommentLength, kCurrent);
    if (added->ExtraFieldLength > 0) {
      pendingSkip = added->ExtraFieldLength;
      previous = added;
    }
  }
  if (endRecord_.EffectiveThisDisk() > 0 && endRecord_.CommentLength > 0) {
    if (fromDirectoryFile) {
      LoadArchiveComment(*directoryFile_);
    } else {
      if (currentDisk_ != static_cast<int>(endRecord_.EffectiveThisDisk()))
        OpenPart(static_cast<int>(endRecord_.EffectiveThisDisk()) + 1);
      LoadArchiveComment(*archive_);
    }
  }
  // OpenPart keeps CurrentDisk in step with the part the stream is on; only
  // a directory read from the ".zfc" file leaves the archive untouched.
  if (fromDirectoryFile) currentDisk_ = 0;
  ApplySortMode(SortMode);
}

}  // namespace tavo::zip
