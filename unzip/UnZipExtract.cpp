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

bool IsAbsolute(const std::string& path) {
  return (!path.empty() && path[0] == '\\') || (path.size() >= 2 && path[1] == ':');
}

// True when a component of the path, split at "\" and "/" as whole
// characters of the system code page, is "..": such a path climbs out of
// the directory it is put under.
bool ClimbsOut(const std::string& path) {
  const int codePage = platform::AnsiCodePage();
  // A drive prefix ("C:..") is not part of the first component.
  size_t start = path.size() >= 2 && path[1] == ':' ? 2 : 0;
  for (size_t i = 0; i <= path.size(); ++i) {
    if (i < path.size() && IsLeadByte(static_cast<unsigned char>(path[i]), codePage) && i + 1 < path.size()) {
      ++i;
      continue;
    }
    if (i == path.size() || path[i] == '\\' || path[i] == '/') {
      if (i >= start && path.compare(start, i - start, "..") == 0) return true;
      start = i + 1;
    }
  }
  return false;
}

}  // namespace

// The directory an entry is written to, ending in "\" unless empty (the
// current directory). Returns false when the entry's stored path would place
// it outside DestDir (a ".." component, or an absolute path while DestDir is
// empty), or when "?" stands for part of its name (not UTF-8, or not in the
// ANSI code page): such entries are not written.
bool TUnZip::DestinationDir(const TZipHeaderInfo& entry, std::string& dir) const {
  dir.clear();
  if (entry.NameReplaced || ClimbsOut(entry.Path())) return false;
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
      return true;
    }
    // An absolute stored path goes under DestDir; with no DestDir it would
    // go wherever it names, so it is refused.
    if (destDir_.empty()) return false;
    if (r[0] == '\\') {
      dir = destDir_ + r;
    } else {
      r.erase(0, 2);  // the drive letter and colon; keep a separator after DestDir
      dir = destDir_ + (r.empty() || r[0] != '\\' ? "\\" : "") + r;
    }
    return true;
  }
  // An empty DestDir is the current directory, not the root of the drive.
  if (!destDir_.empty()) dir = destDir_ + "\\";
  return true;
}

bool TUnZip::Selects(const TZipHeaderInfo& entry) const {
  const std::string name = entry.Path();
  for (const std::string& pattern : FilesList)
    if (WildcardMatch(pattern, name, platform::AnsiCodePage())) return true;
  return false;
}

void TUnZip::Skip(TSkipReason reason, const std::string& fName, int index) {
  if (OnSkippingFile) OnSkippingFile(*this, reason, fName, index, skipRetry_);
  const auto size = static_cast<int64_t>(std::min<uint64_t>(working_.EffectiveUncompressedSize(), INT64_MAX / 4));
  totalBytes_ -= size;
  if (pipeline_) pipeline_->TotalBytes -= size;
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
        totalBytes_ += static_cast<int64_t>(std::min<uint64_t>(entry.EffectiveUncompressedSize(), INT64_MAX / 4));
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
    pipe.ReadBlock = [this](uint8_t* buffer, size_t count) -> size_t {
      int64_t got = std::max<int64_t>(0, archive_->Read(buffer, static_cast<int64_t>(count)));
      // A multi-part archive goes on in the next part.
      while (got < static_cast<int64_t>(count) && MultiMode() != TMultiMode::mmNone &&
             currentDisk_ + 1 < numberOfParts_) {
        OpenPart(currentDisk_ + 2);
        got += std::max<int64_t>(0, archive_->Read(buffer + got, static_cast<int64_t>(count) - got));
      }
      return static_cast<size_t>(got);
    };

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
bool TUnZip::ExtractEntry(int index, TDataPipeline& pipe, bool& retry) {
  retry = false;
  working_.Assign(*sortedView_->Items(index));
  const bool encrypted = working_.Encrypted();
  int64_t dataStart = 0;
  if (!working_.FileName().empty()) {
    if (MultiMode() != TMultiMode::mmNone && working_.EffectiveDiskNumberStart() != static_cast<uint32_t>(currentDisk_))
      OpenPart(static_cast<int>(working_.EffectiveDiskNumberStart()) + 1);
    const uint64_t offset = working_.EffectiveLocalHeaderOffset();
    archive_->Seek(offset > static_cast<uint64_t>(INT64_MAX / 2) ? INT64_MAX / 2 : static_cast<int64_t>(offset), kBegin);
    std::fill(std::begin(localHeader_), std::end(localHeader_), 0);
    archive_->Read(localHeader_, kLocalHeaderSize);
    dataStart = archive_->Position() + GetU16(localHeader_ + local::kNameLength) +
                GetU16(localHeader_ + local::kExtraLength);
    archive_->Seek(dataStart, kBegin);
  }

  std::string dir;
  if (!DestinationDir(working_, dir)) {
    // Never written: the stored path leads outside the destination.
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
  if (skip) {
    // Leaves no trace: neither an event nor the count; the total keeps the
    // entry's size.
    return false;
  }
  const std::string fileDir = ExtractFilePath(fName);
  if (!fileDir.empty() && !platform::DirectoryExists(fileDir)) platform::ForceDirectories(fileDir);

  if (encrypted && !CheckPassword(index)) {
    Skip(TSkipReason::srBadPassword, working_.Path(), index);
    return false;
  }

  if (OverwriteMode != TUZOverwriteMode::Always && platform::FileExists(fName)) {
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
    if (!overwrite) {
      Skip(TSkipReason::srNoOverwrite, fName, index);
      return false;
    }
  }

  std::unique_ptr<TLFNFileStream> out;
  for (int attempt = 0; !out; ++attempt) {
    try {
      out = std::make_unique<TLFNFileStream>(fName, platform::TFileOpenMode::Create,
                                             platform::TFileShareMode::DenyWrite, kDefaultStreamBuffer,
                                             FlushFilesOnClose);
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
      return false;
    } catch (const Exception&) {
      // The file was created but cannot take its size (a size no disk holds).
      const bool created = out != nullptr;
      out.reset();
      if (created) platform::RemoveFile(fName);
      Skip(TSkipReason::srCreateError, fName, index);
      return false;
    }
  }

  TPipelineEntry pe;
  pe.CompressionMethod = working_.CompressionMethod;
  pe.BitFlag = working_.BitFlag;
  pe.CompressedSize = working_.EffectiveCompressedSize();
  pe.UncompressedSize = working_.EffectiveUncompressedSize();
  pe.Keys = encrypted ? &keys_ : nullptr;
  pe.PasswordEmpty = Password.empty();
  TLFNFileStream* outPtr = out.get();
  pipe.WriteBlock = [outPtr](const uint8_t* data, size_t n) -> size_t {
    return static_cast<size_t>(std::max<int64_t>(0, outPtr->Write(data, static_cast<int64_t>(n))));
  };
  bool decoded = false;
  try {
    pipe.Reset(pe);
    archive_->Seek(dataStart + (encrypted ? static_cast<int64_t>(kEncryptionHeaderSize) : 0), kBegin);
    if (TDataPipeline::CanDecode(pe.CompressionMethod)) {
      decoded = pipe.Decode();
    } else {
      HandleMessage(kMsgUnknownMethod, "Unknown Compression Method", "Zip Error", 0);
      decoded = true;
    }
  } catch (const EBiggerThanUncompressed&) {
    decoded = false;
  } catch (...) {
    // A half-written file with its full size set would look complete: it
    // goes, and the failure passes on.
    pipe.WriteBlock = nullptr;
    out.reset();
    platform::RemoveFile(fName);
    throw;
  }
  pipe.WriteBlock = nullptr;
  bool closed = true;
  try {
    out.reset();
  } catch (...) {
    closed = false;
  }
  if (decoded && closed) {
    try {
      platform::TFileStream touch(fName, platform::TFileOpenMode::ReadWrite, platform::TFileShareMode::DenyNone);
      touch.SetDosDateTime(working_.LastModDateTime);
    } catch (const Exception&) {
    }
    if (RetainAttributes) platform::FileSetAttr(fName, working_.ExternalAttributes);
  }

  const uint32_t crc = pipe.Crc();
  // Success needs the CRC and every byte: a stream that ends early leaves
  // the file at its preset size with a tail of zeros.
  if (decoded && closed && crc == working_.Crc32 && pipe.BytesWritten() == working_.EffectiveUncompressedSize()) {
    if (OnEndUnZip) OnEndUnZip(*this, index, fName);
    return true;
  }
  if (encrypted) {
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
