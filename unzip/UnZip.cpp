// TUnZip: properties, the archive stream's life, the sorted views, entry
// access and comments.
#include "unzip/UnZip.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/Mbcs.h"
#include "platform/CodePage.h"
#include "platform/File.h"
#include "platform/Ui.h"
#include "unzip/ByteReader.h"
#include "unzip/ZipFormat.h"

namespace tavo::zip {

namespace {

constexpr const char* kOpenTitle = "Open a Zip File";
constexpr const char* kOpenFilter =
    "Zip Files (*.ZIP)|*.zip|SFX Files (*.EXE)|*.exe|Jar Files (*.JAR)|*.jar|All Files (*.*)|*.*";

}  // namespace

TUnZip::TUnZip() = default;

TUnZip::~TUnZip() { ClearArchive(); }

void TUnZip::SetZipName(const std::string& value) {
  if (SameTextMbcs(value, zipName_, platform::AnsiCodePage())) return;
  std::string name = value;
  if (!name.empty() && name.back() == '?') {
    const std::string dir = ExtractFilePath(name.substr(0, name.size() - 1));
    const std::string initial = !dir.empty() && platform::DirectoryExists(dir) ? dir : "C:\\";
    std::string chosen;
    if (!platform::OpenFileDialog(kOpenTitle, kOpenFilter, initial, chosen)) throw EUserCanceled(kMsgCanceledZipName);
    name = chosen;
  }
  zipName_ = name;
  lastPartName_ = name;
  // BaseName: everything before the first "." after the last "\".
  const size_t slash = LastDelimiter(name, "\\");
  const size_t start = slash == std::string::npos ? 0 : slash + 1;
  const size_t dot = name.find('.', start);
  baseName_ = dot == std::string::npos ? name : name.substr(0, dot);
  FreeLists();
  announcedEntries_ = 0;
  endRecord_.Clear();
  archiveDate_ = 0;
  archiveDateKnown_ = false;
  FreeArchive();
  rebuilt_ = false;
}

void TUnZip::FreeArchive() { archive_.reset(); }

void TUnZip::FreeLists() {
  sortedOwn_.reset();
  sortedView_ = nullptr;
  entryList_.reset();
  entries_.clear();
}

void TUnZip::NewEntryList() {
  FreeLists();
  entryList_ = std::make_unique<TSortedZip>(TZipSortMode::ByNone, TDuplicates::dupError);
  sortedView_ = entryList_.get();
}

TZipHeaderInfo* TUnZip::AppendEntry(std::unique_ptr<TZipHeaderInfo> entry) {
  TZipHeaderInfo* added = entry.get();
  entries_.push_back(std::move(entry));
  entryList_->Append(added);
  return added;
}

void TUnZip::OpenArchiveStream() {
  zipName_ = lastPartName_;
  // The archive's own name is its last part: the one holding the end record.
  currentDisk_ = static_cast<int>(endRecord_.EffectiveThisDisk());
  std::vector<std::string> pieces;
  std::string missing;
  if (FindNumberedSet(zipName_, pieces, missing)) {
    if (!missing.empty()) throw EMissingPiece(Format(kMsgMissingPiece, missing.c_str()));
    auto joined = std::make_unique<TArchiveStream>(pieces);
    const int64_t disk = EndRecordDisk(*joined);
    if (disk < 0) {
      // No end record in all the pieces there are: the set goes on in the
      // next piece, which is not there.
      throw EMissingPiece(Format(kMsgMissingPiece, NumberedPiece(zipName_, static_cast<int>(pieces.size()) + 1).c_str()));
    }
    // An end record for a set of one part: the pieces are cuts of one
    // archive. Otherwise they are the parts of a split set, each read alone.
    if (disk == 0) {
      archive_ = std::move(joined);
      currentDisk_ = 0;
      return;
    }
  }
  archive_ = std::make_unique<TArchiveStream>(zipName_, platform::TFileShareMode::DenyWrite);
}

void TUnZip::OpenArchive() {
  if (!archive_) OpenArchiveStream();
  if (!entryList_ || !archiveDateKnown_ || archive_->DosDateTime() != archiveDate_) ReadDirectory();
}

void TUnZip::CloseArchive() {
  if (!KeepZipOpen) FreeArchive();
}

void TUnZip::ClearArchive() {
  FreeArchive();
  directoryFile_.reset();
  FreeLists();
  announcedEntries_ = 0;
  endRecord_.Clear();
  rebuilt_ = false;
  archiveDate_ = 0;
  archiveDateKnown_ = false;
  numberOfParts_ = 1;
  SetMultiMode(TMultiMode::mmNone);
  zipName_.clear();
  lastPartName_.clear();
  baseName_.clear();
}

void TUnZip::LoadZipDirectory() {
  for (;;) {
    try {
      OpenArchive();
      break;
    } catch (const EIncompleteZip&) {
      FreeArchive();
      if (!OnInCompleteZip) break;
    } catch (...) {
      ClearArchive();
      throw;
    }
  }
  CloseArchive();
}

void TUnZip::ApplySortMode(TZipSortMode mode) {
  sortedOwn_.reset();
  sortedView_ = entryList_.get();
  if (mode != TZipSortMode::ByNone && entryList_) {
    sortedOwn_ = std::make_unique<TSortedZip>(mode, TDuplicates::dupAccept);
    for (int i = 0; i < entryList_->Count(); ++i) sortedOwn_->Append(entryList_->Items(i));
    sortedOwn_->Sort();
    sortedView_ = sortedOwn_.get();
  }
  SortMode = mode;
}

int TUnZip::EntryCount() const { return entryList_ ? entryList_->Count() : 0; }

const TZipHeaderInfo& TUnZip::Entry(int index) const {
  if (!sortedView_ || index < 0 || index >= sortedView_->Count()) throw EListError(Format(kMsgIndexOutOfRange, index));
  return *sortedView_->Items(index);
}

std::string TUnZip::EntryName(int index) const { return Entry(index).FileName(); }

std::string TUnZip::EntryComment(int index) {
  auto& entry = const_cast<TZipHeaderInfo&>(Entry(index));
  if (entry.FileCommentLength == 0) return std::string();
  if (entry.FileComment) return *entry.FileComment;
  OpenArchive();
  // The directory may have been read again: look the entry up afresh.
  auto& current = const_cast<TZipHeaderInfo&>(Entry(index));
  if (current.FileCommentLength > 0 && !current.FileComment) LoadEntryComment(current);
  std::string comment = current.FileComment ? *current.FileComment : std::string();
  if (MultiMode() == TMultiMode::mmNone) CloseArchive();
  return comment;
}

void TUnZip::LoadEntryComment(TZipHeaderInfo& entry) {
  TStream& stream = *archive_;
  TPositionGuard back(stream);
  stream.Seek(entry.CentralHeaderOffset, static_cast<int>(TSeekOrigin::Begin));
  uint8_t header[kCentralHeaderSize];
  std::string comment;
  if (stream.Read(header, kCentralHeaderSize) == static_cast<int64_t>(kCentralHeaderSize)) {
    stream.Seek(GetU16(header + central::kNameLength) + GetU16(header + central::kExtraLength),
                static_cast<int>(TSeekOrigin::Current));
    comment.resize(GetU16(header + central::kCommentLength));
    comment.resize(static_cast<size_t>(std::max<int64_t>(0, stream.Read(comment.data(), static_cast<int64_t>(comment.size())))));
    // A UTF-8 comment is handed on in the ANSI code page like the name; a
    // comment is only shown, so what does not convert simply reads "?".
    bool replaced = false;
    if (GetU16(header + central::kBitFlag) & kFlagUtf8)
      comment = ConvertMarked(comment, 65001, platform::AnsiCodePage(), replaced);
  }
  entry.FileComment = std::make_unique<std::string>(comment);
}

std::string TUnZip::ArchiveComment() {
  if (endRecord_.Comment) return *endRecord_.Comment;
  if (endRecord_.CommentLength == 0) return std::string();
  OpenArchive();
  if (!endRecord_.Comment) LoadArchiveComment(*archive_);
  std::string comment = endRecord_.Comment ? *endRecord_.Comment : std::string();
  if (MultiMode() == TMultiMode::mmNone) CloseArchive();
  return comment;
}

void TUnZip::LoadArchiveComment(TStream& stream) {
  TPositionGuard back(stream);
  stream.Seek(endRecord_.CommentPosition, static_cast<int>(TSeekOrigin::Begin));
  std::string comment(endRecord_.CommentLength, '\0');
  const int64_t got = stream.Read(comment.data(), static_cast<int64_t>(comment.size()));
  comment.resize(static_cast<size_t>(std::max<int64_t>(0, got)));
  endRecord_.Comment = std::make_unique<std::string>(comment);
}

void TUnZip::ProcessMessagesIfOn() {
  if (DoProcessMessages) platform::ProcessMessages();
}

TEntryName TUnZip::ConvertName(TStream& stream, const std::string& stored, uint16_t bitFlag, bool msDosHost,
                               uint16_t extraLength) const {
  TNameSource source;
  source.bitFlag = bitFlag;
  source.msDosHost = msDosHost;
  source.oemConvert = OEMConvert;
  source.legacyCodePage = NameCodePage;
  // The extra field matters only for a Unicode Path block, which a UTF-8
  // name does not need.
  std::vector<uint8_t> extra;
  if (extraLength > 0 && (bitFlag & kFlagUtf8) == 0) {
    TPositionGuard back(stream);
    extra.resize(extraLength);
    const int64_t got = stream.Read(extra.data(), extraLength);
    extra.resize(static_cast<size_t>(std::max<int64_t>(0, got)));
    source.extra = extra.data();
    source.extraSize = extra.size();
  }
  return DecodeEntryName(stored, source);
}

void TUnZip::SetDestDir(const std::string& value) {
  std::string dir = value;
  if (dir == "?") {
    const std::string initial = platform::DirectoryExists(destDir_) ? destDir_ : platform::GetCurrentDir();
    std::string chosen;
    if (!platform::SelectDirectoryDialog("", initial, chosen)) throw EUserCanceled(kMsgCanceledDestDir);
    dir = chosen;
  }
  if (EndsWithPathDelimiter(dir)) dir.pop_back();
  destDir_ = dir;
}

void TUnZip::SetRootDir(const std::string& value) {
  rootDir_ = value.empty() || EndsWithPathDelimiter(value) ? value : value + "\\";
  RelativePathList.clear();
  RelativePathList.push_back(rootDir_);
}

int TUnZip::HandleMessage(int messageID, const std::string& msg1, const std::string& msg2, uint32_t flags) {
  if (OnHandleMessage) {
    int result = 0;
    OnHandleMessage(*this, messageID, msg1, msg2, flags, result);
    return result;
  }
  return platform::ShowMessageBox(msg1, msg2, flags);
}

}  // namespace tavo::zip
