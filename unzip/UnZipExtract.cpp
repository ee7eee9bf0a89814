// The extraction run: selecting entries, building destination paths that
// stay inside DestDir, overwrite decisions, output files, decoding through
// the data pipeline, CRC checks, dates, attributes and events.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/Mbcs.h"
#include "platform/CodePage.h"
#include "platform/File.h"
#include "unzip/DataPipeline.h"
#include "unzip/EntryPath.h"
#include "unzip/PartSource.h"
#include "unzip/UnZip.h"
#include "unzip/Wildcard.h"
#include "unzip/ZipFormat.h"

namespace tavo::zip {

namespace {

constexpr int kBegin = static_cast<int>(TSeekOrigin::Begin);
constexpr int kMsgReplaceFile = 196;
constexpr int kMsgUnknownMethod = 197;
constexpr uint32_t kMbYesNo = 4;
constexpr int kIdYes = 6;
constexpr size_t kMaxPromptLength = 300;

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
  return StartsWithTextMbcs(text, prefix, platform::AnsiCodePage());
}

// Run totals stay within 0..INT64_MAX however large the sizes the entries
// claim.
int64_t SaturatingAdd(int64_t total, uint64_t size) {
  const auto room = static_cast<uint64_t>(INT64_MAX - total);
  return size >= room ? INT64_MAX : total + static_cast<int64_t>(size);
}

int64_t SaturatingSubtract(int64_t total, uint64_t size) {
  return size >= static_cast<uint64_t>(total) ? 0 : total - static_cast<int64_t>(size);
}

bool IsAbsolute(const std::string& path) {
  return (!path.empty() && path[0] == '\\') || (path.size() >= 2 && path[1] == ':');
}

}  // namespace

// The directory an entry is written to, ending in "\" unless empty (the
// current directory). Returns false when the entry must not be written: the
// archive's part of the final path (after a RelativePathList prefix is cut)
// climbs out of DestDir with "..", names a Windows device or stream, or
// ends a name in "." or " "; an absolute stored path while DestDir is
// empty; or "?" stands for part of its name (not UTF-8, or not in the ANSI
// code page).
bool TUnZip::DestinationDir(const TZipHeaderInfo& entry, std::string& dir) const {
  dir.clear();
  const int codePage = platform::AnsiCodePage();
  if (entry.NameReplaced || ClimbsOut(entry.Path(), codePage)) return false;
  // What the archive contributes below DestDir; checked as it will be used.
  std::string fromArchive = entry.FileName();
  if (RecreateDirs && !entry.Directory().empty()) {
    std::string r = entry.Directory();
    for (const std::string& prefix : RelativePathList) {
      if (StartsWithIgnoringCase(r, prefix)) {
        r.erase(0, prefix.size());
        break;
      }
    }
    if (r.empty() || !IsAbsolute(r)) {
      dir = destDir_.empty() ? r : destDir_ + "\\" + r;
    } else if (destDir_.empty()) {
      // An absolute stored path goes under DestDir; with no DestDir it
      // would go wherever it names, so it is refused.
      return false;
    } else if (r[0] == '\\') {
      dir = destDir_ + r;
    } else {
      r.erase(0, 2);  // the drive letter and colon; keep a separator after DestDir
      dir = destDir_ + (r.empty() || r[0] != '\\' ? "\\" : "") + r;
    }
    fromArchive = r + entry.FileName();
  } else if (!destDir_.empty()) {
    // An empty DestDir is the current directory, not the root of the drive.
    dir = destDir_ + "\\";
  }
  return !ClimbsOut(fromArchive, codePage) && !NamesWindowsDevice(fromArchive, codePage);
}

bool TUnZip::Selects(const TZipHeaderInfo& entry) const {
  const std::string name = entry.Path();
  for (const std::string& pattern : FilesList)
    if (WildcardMatch(pattern, name, platform::AnsiCodePage())) return true;
  return false;
}

void TUnZip::Skip(TSkipReason reason, const std::string& fName, int index) {
  if (OnSkippingFile) OnSkippingFile(*this, reason, fName, index, skipRetry_);
  totalBytes_ = SaturatingSubtract(totalBytes_, working_.EffectiveUncompressedSize());
  if (pipeline_) pipeline_->TotalBytes = SaturatingSubtract(pipeline_->TotalBytes, working_.EffectiveUncompressedSize());
}

int TUnZip::ExtractFiles() {
  if (destDir_ == "?") return 0;
  LoadZipDirectory();
  OpenArchive();
  const int count = RunExtraction();
  CloseArchive();
  return count;
}

// Checks the 12-byte encryption header at the stream's position with
// Password, asking OnBadPassword for others. On success the keys are ready
// for the entry's data and the working entry's compressed size excludes the
// header.
bool TUnZip::CheckPassword(int index) {
  const uint64_t size = working_.EffectiveCompressedSize();
  if (size < kEncryptionHeaderSize) return false;
  uint8_t header[kEncryptionHeaderSize];
  if (archive_->Read(header, kEncryptionHeaderSize) != static_cast<int64_t>(kEncryptionHeaderSize)) return false;
  working_.SetEffectiveCompressedSize(size - kEncryptionHeaderSize);
  const uint8_t expected = TZipCrypt::ExpectedCheckByte(working_.BitFlag, working_.Crc32, working_.LastModDateTime);
  for (;;) {
    if (keys_.CheckHeader(Password, header, expected)) return true;
    if (!OnBadPassword) return false;
    std::string newPassword = Password;
    OnBadPassword(*this, index, newPassword);
    if (newPassword == Password) return false;
    Password = newPassword;
  }
}

int TUnZip::RunExtraction() {
  const bool keepOpen = KeepZipOpen;
  KeepZipOpen = true;
  int count = 0;
  bool sortChanged = false;
  const TZipSortMode previousSort = SortMode;
  skipRetry_ = false;
  working_.OEMConvert = OEMConvert;
  auto pipeline = std::make_unique<TDataPipeline>();
  pipeline_ = pipeline.get();
  try {
    if (!destDir_.empty() && !platform::DirectoryExists(destDir_)) platform::ForceDirectories(destDir_);
    if (endRecord_.EffectiveThisDisk() > 0 && SortMode != TZipSortMode::ByNone) {
      ApplySortMode(TZipSortMode::ByNone);
      sortChanged = true;
    }
    totalBytes_ = 0;
    totalDone_ = 0;
    int numFiles = EntryCount();
    for (int i = 0; i < EntryCount(); ++i) {
      ProcessMessagesIfOn();
      auto& entry = *sortedView_->Items(i);
      if (entry.FileName().empty() && !RecreateDirs)
        entry.Selected = false;
      else
        entry.Selected = DoAll || Selects(entry);
      if (entry.Selected)
        totalBytes_ = SaturatingAdd(totalBytes_, entry.EffectiveUncompressedSize());
      else
        --numFiles;
    }
    bool stopNow = false;
    if (OnStartUnZipInfo) OnStartUnZipInfo(*this, numFiles, totalBytes_, stopNow);

    TDataPipeline& pipe = *pipeline;
    pipe.TotalBytes = totalBytes_;
    pipe.TotalDone = 0;
    if (DoProcessMessages) pipe.ProcessMessages = [this] { ProcessMessagesIfOn(); };
    if (OnFilePercentDone) pipe.OnFilePercentDone = [this](int p) { OnFilePercentDone(*this, p); };
    if (OnTotalPercentDone) pipe.OnTotalPercentDone = [this](int p) { OnTotalPercentDone(*this, p); };
    if (OnDecrypt)
      pipe.OnDecrypt = [this](uint8_t* b, size_t n) { OnDecrypt(*this, b, static_cast<int>(n), Password); };
    pipe.ShowMessage = [this](int id, const std::string& m1, const std::string& m2, uint32_t f) {
      return HandleMessage(id, m1, m2, f);
    };
    // A multi-part archive goes on in the next part.
    pipe.ReadBlock = [this](uint8_t* buffer, size_t count) { return TPartSource(*this).ReadOn(buffer, count); };

    if (numFiles > 0 && !stopNow) {
      for (int i = 0; i < EntryCount(); ++i) {
        if (!sortedView_->Items(i)->Selected) continue;
        bool retry = false;
        do {
          if (ExtractEntry(i, pipe, retry)) ++count;
        } while (retry);
      }
    }
  } catch (...) {
    totalDone_ = pipeline->TotalDone;
    pipeline_ = nullptr;
    pipeline.reset();
    FilesList.clear();
    if (sortChanged) ApplySortMode(previousSort);
    if (OnUnZipComplete) OnUnZipComplete(*this, count);
    KeepZipOpen = keepOpen;
    throw;
  }
  totalDone_ = pipeline->TotalDone;
  totalBytes_ = pipeline->TotalBytes;
  pipeline_ = nullptr;
  pipeline.reset();
  FilesList.clear();
  if (sortChanged) ApplySortMode(previousSort);
  if (OnUnZipComplete) OnUnZipComplete(*this, count);
  KeepZipOpen = keepOpen;
  return count;
}

// Extracts entry `index` of the sorted view; true when it counts as
// extracted. Sets `retry` when a new password asks for another attempt.
// The steps below run in this order; each one that refuses the entry has
// reported why (or, for OnStartUnZip's skip, left no trace).
bool TUnZip::ExtractEntry(int index, TDataPipeline& pipe, bool& retry) {
  retry = false;
  working_.Assign(*sortedView_->Items(index));
  const bool encrypted = working_.Encrypted();
  int64_t dataStart = 0;
  if (!working_.FileName().empty() && !LocateEntryData(index, dataStart)) return false;

  std::string dir;
  if (!DestinationDir(working_, dir)) {
    // Never written: the stored path leads outside the destination or to
    // something that is not a plain file.
    Skip(TSkipReason::srCreateError, working_.Path(), index);
    return false;
  }
  if (working_.FileName().empty()) {
    if (RecreateDirs && !dir.empty() && !platform::DirectoryExists(dir)) platform::ForceDirectories(dir);
    return true;
  }

  std::string fName = dir + working_.FileName();
  bool skip = false;
  if (OnStartUnZip) OnStartUnZip(*this, index, fName, skip);
  // A skip leaves no trace: neither an event nor the count; the total keeps
  // the entry's size.
  if (skip) return false;
  const std::string fileDir = ExtractFilePath(fName);
  if (!fileDir.empty() && !platform::DirectoryExists(fileDir)) platform::ForceDirectories(fileDir);

  if (encrypted && !CheckPassword(index)) {
    Skip(TSkipReason::srBadPassword, working_.Path(), index);
    return false;
  }
  if (!MayWrite(index, fName)) return false;
  std::unique_ptr<TS_BufferStream> out = CreateOutput(index, fName);
  if (!out) return false;
  const bool decoded = DecodeInto(std::move(out), pipe, dataStart, fName);
  if (decoded) RestoreDateAndAttributes(fName);
  return CheckResult(index, pipe, decoded, fName, retry);
}

// Opens the entry's part, reads its local header and checks it before any
// data is read: the signature, and that the local name and extra field end
// inside the archive. On success `dataStart` is where the entry's data (or
// its encryption header) begins. A header that fails skips the entry with
// srBadLocalHeader; SkipMessage names the entry and the offset.
bool TUnZip::LocateEntryData(int index, int64_t& dataStart) {
  TPartSource parts(*this);
  parts.Enter(working_.EffectiveDiskNumberStart());
  const uint64_t offset = working_.EffectiveLocalHeaderOffset();
  std::fill(std::begin(localHeader_), std::end(localHeader_), 0);
  const int64_t size = archive_->Size();
  bool fits = offset <= static_cast<uint64_t>(size) &&
              archive_->Seek(static_cast<int64_t>(offset), kBegin) == static_cast<int64_t>(offset) &&
              archive_->Read(localHeader_, kLocalHeaderSize) == static_cast<int64_t>(kLocalHeaderSize) &&
              GetU32(localHeader_) == kLocalHeaderSignature;
  if (fits) {
    dataStart = static_cast<int64_t>(offset) + static_cast<int64_t>(kLocalHeaderSize) +
                GetU16(localHeader_ + local::kNameLength) + GetU16(localHeader_ + local::kExtraLength);
    // In a set whose data runs on into the next part, the name and extra
    // field may too; in the last part they must end inside it.
    fits = dataStart <= size || parts.HasNext();
  }
  if (!fits) {
    skipMessage_ = Format("Bad local header for %s at offset %s", working_.Path().c_str(),
                          std::to_string(offset).c_str());
    Skip(TSkipReason::srBadLocalHeader, working_.Path(), index);
    skipMessage_.clear();
    return false;
  }
  archive_->Seek(dataStart, kBegin);
  return true;
}

// The overwrite decision for an existing FName (OverwriteMode, the prompt);
// false after skipping the entry with srNoOverwrite.
bool TUnZip::MayWrite(int index, std::string& fName) {
  if (OverwriteMode == TUZOverwriteMode::Always || !platform::FileExists(fName)) return true;
  bool overwrite = false;
  switch (OverwriteMode) {
    case TUZOverwriteMode::Prompt:
      if (OnPromptForOverwrite) {
        OnPromptForOverwrite(*this, overwrite, index, fName);
      } else {
        std::string msg = "Replace existing file " + EntryName(index) + "?";
        if (msg.size() > kMaxPromptLength) msg.resize(kMaxPromptLength);
        overwrite = HandleMessage(kMsgReplaceFile, msg, "File Exists Alert", kMbYesNo) == kIdYes;
      }
      break;
    case TUZOverwriteMode::ifNewer:
    case TUZOverwriteMode::ifOlder: {
      const int64_t existing = platform::FileAge(fName);
      const auto entryTime = static_cast<int64_t>(working_.LastModDateTime);
      overwrite = OverwriteMode == TUZOverwriteMode::ifNewer ? entryTime > existing : entryTime < existing;
      break;
    }
    default: break;
  }
  if (!overwrite) Skip(TSkipReason::srNoOverwrite, fName, index);
  return overwrite;
}

std::unique_ptr<TS_BufferStream> TUnZip::CreateOutputFile(const std::string& fName) {
  return std::make_unique<TLFNFileStream>(fName, platform::TFileOpenMode::Create, platform::TFileShareMode::DenyWrite,
                                          kDefaultStreamBuffer, FlushFilesOnClose);
}

// Creates the output file at its final size, positioned at 0. A read-only
// file in the way is made writable once with ReplaceReadOnly. Returns null
// after skipping the entry with srCreateError.
std::unique_ptr<TS_BufferStream> TUnZip::CreateOutput(int index, const std::string& fName) {
  std::unique_ptr<TS_BufferStream> out;
  for (int attempt = 0; !out; ++attempt) {
    try {
      out = CreateOutputFile(fName);
      out->SetSize(static_cast<int64_t>(std::min<uint64_t>(working_.EffectiveUncompressedSize(), INT64_MAX)));
      out->Seek(0, kBegin);
    } catch (const platform::EFCreateError&) {
      out.reset();
      if (ReplaceReadOnly && attempt == 0) {
        const int32_t attributes = platform::FileGetAttr(fName);
        if (attributes >= 0 && (attributes & static_cast<int32_t>(platform::faReadOnly)))
          platform::FileSetAttr(fName, static_cast<uint32_t>(attributes) & ~platform::faReadOnly);
        continue;
      }
      Skip(TSkipReason::srCreateError, fName, index);
      return nullptr;
    } catch (const Exception&) {
      // The file was created but cannot take its size (a size no disk holds).
      const bool created = out != nullptr;
      out.reset();
      if (created) platform::RemoveFile(fName);
      Skip(TSkipReason::srCreateError, fName, index);
      return nullptr;
    }
  }
  return out;
}

// Decodes the entry's data from `dataStart` into `out` and closes it, the
// last buffered bytes written and checked like every other write. True when
// the decoder finished; an entry bigger than recorded or of an unknown
// method is not decoded (its CRC check then fails). Any other failure,
// a write error of the last block included, deletes the partial file and
// passes on.
bool TUnZip::DecodeInto(std::unique_ptr<TS_BufferStream> out, TDataPipeline& pipe, int64_t dataStart,
                        const std::string& fName) {
  TPipelineEntry pe;
  pe.CompressionMethod = working_.CompressionMethod;
  pe.BitFlag = working_.BitFlag;
  pe.CompressedSize = working_.EffectiveCompressedSize();
  pe.UncompressedSize = working_.EffectiveUncompressedSize();
  pe.Keys = working_.Encrypted() ? &keys_ : nullptr;
  pe.PasswordEmpty = Password.empty();
  TS_BufferStream* outPtr = out.get();
  pipe.WriteBlock = [outPtr](const uint8_t* data, size_t n) -> size_t {
    return static_cast<size_t>(std::max<int64_t>(0, outPtr->Write(data, static_cast<int64_t>(n))));
  };
  bool decoded = false;
  try {
    pipe.Reset(pe);
    archive_->Seek(dataStart + (working_.Encrypted() ? static_cast<int64_t>(kEncryptionHeaderSize) : 0), kBegin);
    if (TDataPipeline::CanDecode(pe.CompressionMethod)) {
      decoded = pipe.Decode();
    } else {
      HandleMessage(kMsgUnknownMethod, "Unknown Compression Method", "Zip Error", 0);
      decoded = true;
    }
    // The buffer holds up to its size of the file's last bytes: a full disk
    // shows only here.
    if (!out->Commit()) throw ECantWriteUCF(kMsgCantWrite);
  } catch (const EBiggerThanUncompressed&) {
    decoded = false;
  } catch (...) {
    // A half-written file with its full size set would look complete: it
    // goes, and the failure passes on.
    pipe.WriteBlock = nullptr;
    out.reset();
    platform::FileSetAttr(fName, 0);
    platform::RemoveFile(fName);
    throw;
  }
  pipe.WriteBlock = nullptr;
  out.reset();
  return decoded;
}

// Sets the file's date from the entry and, with RetainAttributes, its
// attributes (all 32 bits).
void TUnZip::RestoreDateAndAttributes(const std::string& fName) {
  try {
    platform::TFileStream touch(fName, platform::TFileOpenMode::ReadWrite, platform::TFileShareMode::DenyNone);
    touch.SetDosDateTime(working_.LastModDateTime);
  } catch (const Exception&) {
  }
  if (RetainAttributes) platform::FileSetAttr(fName, working_.ExternalAttributes);
}

// The CRC-32 and size check: OnEndUnZip and true when both hold; otherwise
// the bad-password or bad-CRC events, and the file is deleted.
bool TUnZip::CheckResult(int index, TDataPipeline& pipe, bool decoded, const std::string& fName, bool& retry) {
  const uint32_t crc = pipe.Crc();
  // Success needs the CRC and every byte: a stream that ends early leaves
  // the file at its preset size with a tail of zeros.
  if (decoded && crc == working_.Crc32 && pipe.BytesWritten() == working_.EffectiveUncompressedSize()) {
    if (OnEndUnZip) OnEndUnZip(*this, index, fName);
    return true;
  }
  if (working_.Encrypted()) {
    if (OnBadPassword) {
      std::string newPassword = Password;
      OnBadPassword(*this, index, newPassword);
      if (newPassword != Password) {
        Password = newPassword;
        retry = true;
      }
    }
    if (!retry && OnSkippingFile) OnSkippingFile(*this, TSkipReason::srBadPassword, working_.Path(), index, skipRetry_);
  } else if (OnBadCRC) {
    OnBadCRC(*this, crc, working_.Crc32, index);
  }
  // A read-only attribute just restored must not keep the bad file.
  platform::FileSetAttr(fName, 0);
  platform::RemoveFile(fName);
  return false;
}

}  // namespace tavo::zip
