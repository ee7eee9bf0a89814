// TUnZip: the extraction engine component. It reads an archive's directory
// (Zip64, multi-part, damaged directories rebuilt from local headers), lists
// and sorts its entries, and extracts them under a destination directory,
// reporting through events. Portable: it reaches the system only through
// platform/.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "unzip/ArchiveStream.h"
#include "unzip/BufferStream.h"
#include "unzip/EndCentral.h"
#include "unzip/EntryNames.h"
#include "unzip/SortedZip.h"
#include "unzip/ZipCrypt.h"
#include "unzip/ZipExceptions.h"
#include "unzip/ZipHeaderInfo.h"

namespace tavo::zip {

class TDataPipeline;

enum class TIncompleteZipMode { izAssumeMulti, izAssumeBad, izAssumeNotAZip };
enum class TMultiMode { mmNone, mmSpan, mmBlocks };
enum class TBlockMode { bmStandard, bmClassic };
enum class TSplitPartType { spFirst, spMiddle, spLast };
enum class TUZOverwriteMode { Prompt, Always, Never, ifNewer, ifOlder };
enum class TSkipReason {
  srBadPassword,
  srNoOverwrite,
  srFileOpenError,
  srCreateError,
  srExcludeList,
  srArchiveBitNotSet,
  srNoFileToFreshen,
  srSkippedInStartZip,
  // The entry's local header is not where the directory says, or its name
  // and extra field run past the end of the archive (SkipMessage says where).
  srBadLocalHeader
};

class TUnZip;

using TIncompleteZip = std::function<void(TUnZip& sender, TIncompleteZipMode& incompleteMode)>;
using TStartUnzipInfo = std::function<void(TUnZip& sender, int numFiles, int64_t totalBytes, bool& stopNow)>;
using TStartUnZipEvent = std::function<void(TUnZip& sender, int fileIndex, std::string& fName, bool& skip)>;
using TEndUnZipEvent = std::function<void(TUnZip& sender, int fileIndex, const std::string& fName)>;
using TPromptForOverwrite =
    std::function<void(TUnZip& sender, bool& overWriteIt, int fileIndex, std::string& fName)>;
using TSkippingFile = std::function<void(TUnZip& sender, TSkipReason reason, const std::string& fName,
                                         int fileIndex, bool& retry)>;
using TBadPassword = std::function<void(TUnZip& sender, int fileIndex, std::string& newPassword)>;
using TBadCRC = std::function<void(TUnZip& sender, uint32_t calcCRC, uint32_t storedCRC, int fileIndex)>;
using TUnZipComplete = std::function<void(TUnZip& sender, int fileCount)>;
using THandleMessageEvent = std::function<void(TUnZip& sender, int messageID, const std::string& msg1,
                                               const std::string& msg2, uint32_t flags, int& returnValue)>;
using TFilePercentDone = std::function<void(TUnZip& sender, int percent)>;
using TTotalPercentDone = std::function<void(TUnZip& sender, int percent)>;
using TDecryptEvent =
    std::function<void(TUnZip& sender, uint8_t* buffer, int length, const std::string& password)>;
using TGetNextDisk = std::function<void(TUnZip& sender, int nextDisk, std::string& fName)>;
using TFileNameForSplitPartEvent =
    std::function<void(TUnZip& sender, std::string& fName, int partNum, TSplitPartType splitType)>;

class TUnZip {
 public:
  TUnZip();
  virtual ~TUnZip();
  TUnZip(const TUnZip&) = delete;
  TUnZip& operator=(const TUnZip&) = delete;

  // ---- Reading the directory ----

  const std::string& ZipName() const { return zipName_; }
  // Equal names (ignoring case) change nothing; a name ending in "?" asks
  // with the file-open dialog (EUserCanceled when cancelled). Discards the
  // directory and closes the archive.
  void SetZipName(const std::string& value);
  const std::string& BaseName() const { return baseName_; }

  TZipSortMode SortMode = TZipSortMode::ByNone;
  TIncompleteZipMode IncompleteZipMode = TIncompleteZipMode::izAssumeMulti;
  bool KeepZipOpen = false;
  bool DoProcessMessages = true;
  TOEMConvert OEMConvert = TOEMConvert::oemAlways;
  // Code page of entry names that carry no UTF-8 mark (no flag bit 11, no
  // valid Unicode Path block), such as 932 or 437; 0 keeps the OEMConvert
  // rule (OEM code page for MS-DOS hosts, the ANSI code page for others).
  int NameCodePage = 0;
  int ThisVersion() const { return 305; }
  void SetThisVersion(int) {}
  int ThisBuild() const { return 1; }
  void SetThisBuild(int) {}
  TIncompleteZip OnInCompleteZip;

  // Opens the archive when needed and reads its directory. EIncompleteZip is
  // swallowed when no OnInCompleteZip handler is assigned (the handler makes
  // it try again); any other failure clears the component and passes on.
  void LoadZipDirectory();
  // Opens the archive stream when closed; reads the directory when there is
  // no entry list or the file's date changed since it was read.
  void OpenArchive();
  // Frees the archive stream unless KeepZipOpen.
  void CloseArchive();
  // Back to the created state with an empty ZipName.
  void ClearArchive();
  void ApplySortMode(TZipSortMode mode);

  int EntryCount() const;
  // Entries by their index in the sorted view; EListError "Index %d is out
  // of range" outside 0..EntryCount()-1.
  const TZipHeaderInfo& Entry(int index) const;
  std::string EntryName(int index) const;
  std::string EntryComment(int index);
  std::string ArchiveComment();

  const TEndCentral& EndRecord() const { return endRecord_; }
  // The number of entries the end record announced when the directory was
  // read (0 without an end record). A directory rebuilt from local headers
  // may hold fewer: callers compare it with EntryCount() to tell.
  uint64_t AnnouncedEntries() const { return announcedEntries_; }
  uint32_t ArchiveDate() const { return archiveDate_; }
  int CurrentDisk() const { return currentDisk_; }
  int NumberOfParts() const { return numberOfParts_; }
  bool Rebuilt() const { return rebuilt_; }
  bool ArchiveOpen() const { return archive_ != nullptr; }

  virtual TMultiMode MultiMode() const { return multiMode_; }
  virtual void SetMultiMode(TMultiMode mode) { multiMode_ = mode; }
  virtual bool CheckDiskLabels() const { return checkDiskLabels_; }
  virtual void SetCheckDiskLabels(bool value) { checkDiskLabels_ = value; }

  // ---- Multi-part archives ----

  TBlockMode BlockMode = TBlockMode::bmStandard;
  TGetNextDisk OnGetNextDisk;
  TFileNameForSplitPartEvent OnFileNameForSplitPart;

  // ---- Extraction ----

  const std::string& DestDir() const { return destDir_; }
  // "?" asks with the directory dialog (EUserCanceled when cancelled); one
  // trailing "\" is removed.
  void SetDestDir(const std::string& value);
  const std::string& RootDir() const { return rootDir_; }
  // Stores the value with a trailing "\" (empty stays empty) and makes it
  // the one line of RelativePathList.
  void SetRootDir(const std::string& value);
  std::vector<std::string> RelativePathList;
  bool RecreateDirs = false;
  TUZOverwriteMode OverwriteMode = TUZOverwriteMode::Prompt;
  std::vector<std::string> FilesList;
  bool DoAll = false;
  bool RetainAttributes = true;
  bool ReplaceReadOnly = false;
  bool FlushFilesOnClose = false;
  std::string Password;

  TStartUnzipInfo OnStartUnZipInfo;
  TStartUnZipEvent OnStartUnZip;
  TEndUnZipEvent OnEndUnZip;
  TPromptForOverwrite OnPromptForOverwrite;
  TSkippingFile OnSkippingFile;
  TBadPassword OnBadPassword;
  TBadCRC OnBadCRC;
  TUnZipComplete OnUnZipComplete;
  THandleMessageEvent OnHandleMessage;
  TFilePercentDone OnFilePercentDone;
  TTotalPercentDone OnTotalPercentDone;
  TDecryptEvent OnDecrypt;

  // Extracts the selected entries (all with DoAll, else those matching a
  // FilesList pattern); returns the number extracted.
  int ExtractFiles();
  // Shows a message through OnHandleMessage or the platform message box.
  int HandleMessage(int messageID, const std::string& msg1, const std::string& msg2, uint32_t flags);

  // While OnSkippingFile runs for srBadLocalHeader: a sentence naming the
  // entry and the offset of its header. Empty otherwise.
  const std::string& SkipMessage() const { return skipMessage_; }

  // Totals of the last extraction run, kept within 0..INT64_MAX.
  int64_t TotalBytes() const { return totalBytes_; }
  int64_t TotalDone() const { return totalDone_; }

 protected:
  // Opens part n (counting from 1) of a multi-part archive; it becomes the
  // archive stream.
  virtual void OpenPart(int partNumber);
  void GetNextDisk(int nextDisk, std::string& fName);
  void FileNameForSplitPart(std::string& fName, int partNumber, TSplitPartType splitType);
  // The drive type and volume label of a drive root ("A:\"); the platform's
  // answers unless a descendant supplies others.
  virtual platform::TDriveType DriveTypeOf(const std::string& root) const;
  virtual std::string VolumeLabelOf(const std::string& root) const;
  // True when ZipName lies on a removable or CD-ROM drive.
  bool IsRemovableArchiveDrive() const;
  // True when the disk in ZipName's drive is labelled for part n (its label,
  // cut to 11 characters, ends in n with three digits); always in modes
  // other than mmSpan.
  bool DiskLabelFits(int partNumber) const;
  void ProcessMessagesIfOn();
  // Creates the output file FName for writing; the platform file unless a
  // descendant supplies another stream.
  virtual std::unique_ptr<TS_BufferStream> CreateOutputFile(const std::string& fName);

 private:
  friend class TDirectoryReader;
  friend class TPartSource;

  void FreeArchive();
  void FreeLists();
  // A fresh, empty EntryList that is also the sorted view.
  void NewEntryList();
  // Hands the record to the component and appends it to EntryList.
  TZipHeaderInfo* AppendEntry(std::unique_ptr<TZipHeaderInfo> entry);
  void OpenArchiveStream();
  void ReadDirectory();
  // The engine's name for a stored entry name, from its flag, its host and
  // the extra field (central or local) of `extraLength` bytes at the
  // stream's position; the stream is left where it was.
  TEntryName ConvertName(TStream& stream, const std::string& stored, uint16_t bitFlag, bool msDosHost,
                         uint16_t extraLength) const;
  void LoadEntryComment(TZipHeaderInfo& entry);
  void LoadArchiveComment(TStream& stream);
  bool DestinationDir(const TZipHeaderInfo& entry, std::string& dir) const;
  int RunExtraction();
  bool ExtractEntry(int index, TDataPipeline& pipeline, bool& retry);
  bool LocateEntryData(int index, int64_t& dataStart);
  bool MayWrite(int index, std::string& fName);
  std::unique_ptr<TS_BufferStream> CreateOutput(int index, const std::string& fName);
  bool DecodeInto(std::unique_ptr<TS_BufferStream> out, TDataPipeline& pipe, int64_t dataStart,
                  const std::string& fName);
  void RestoreDateAndAttributes(const std::string& fName);
  bool CheckResult(int index, TDataPipeline& pipe, bool decoded, const std::string& fName, bool& retry);
  void Skip(TSkipReason reason, const std::string& fName, int index);
  bool CheckPassword(int index);
  bool Selects(const TZipHeaderInfo& entry) const;

  std::string zipName_;
  // The name ZipName was set to: the part holding the end record. ZipName
  // follows the parts an operation opens; every new opening starts here.
  std::string lastPartName_;
  std::string baseName_;
  std::unique_ptr<TArchiveStream> archive_;
  std::unique_ptr<TArchiveStream> directoryFile_;  // the ".zfc" file while it is read
  TEntryStore entries_;                    // owns the records EntryList refers to
  std::unique_ptr<TSortedZip> entryList_;  // physical order, duplicates refused
  std::unique_ptr<TSortedZip> sortedOwn_;  // the sorted view when it is not entryList_
  TSortedZip* sortedView_ = nullptr;
  TEndCentral endRecord_;
  uint32_t archiveDate_ = 0;
  uint64_t announcedEntries_ = 0;
  bool archiveDateKnown_ = false;
  int currentDisk_ = 0;
  int numberOfParts_ = 1;
  bool rebuilt_ = false;
  TMultiMode multiMode_ = TMultiMode::mmNone;
  bool checkDiskLabels_ = true;

  std::string destDir_;
  std::string rootDir_;
  TZipHeaderInfo working_;
  uint8_t localHeader_[30] = {};
  TZipCrypt keys_;
  int64_t totalBytes_ = 0;
  int64_t totalDone_ = 0;
  bool skipRetry_ = false;
  std::string skipMessage_;
  TDataPipeline* pipeline_ = nullptr;
};

}  // namespace tavo::zip
