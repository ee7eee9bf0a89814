// The portable rules of the drive and directory chooser: drive item texts,
// the directory list's entries (paths, names, indents), sub-directory
// filtering and sorting, file-name case, and the I/O failure messages.
// No system calls here: the Win32 widgets gather the facts and ask.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/Exception.h"
#include "core/Mbcs.h"

namespace tavo::app {

// A drive or directory that cannot be entered. The message is the fixed
// text for the system error code (InOutErrorMessage).
class EInOutError : public EOSError {
 public:
  explicit EInOutError(unsigned long code);
};

// "File not found" (2), "Invalid filename" (3), "Too many open files" (4),
// "File access denied" (5), otherwise "I/O error <code>".
std::string InOutErrorMessage(unsigned long code);

// Case of the drive list's letters, labels and remote names.
enum class TTextCase { tcLowerCase, tcUpperCase };

// Drive types as the drive list tells them apart.
enum class TDriveKind { dkRemovable, dkFixed, dkRemote, dkCDROM, dkRamDisk, dkOther };

// Name of the glyph resource for a drive kind; null for kinds not listed.
const char* DriveGlyphName(TDriveKind kind);

// Facts about one drive, as the system reports them.
struct TDriveFacts {
  char Letter = 'c';
  TDriveKind Kind = TDriveKind::dkFixed;
  std::string Label;       // volume label; empty when it cannot be read
  std::string RemoteName;  // network connection name; empty when none
};

// The item text of a drive: "a:" for removable drives; the letter, ": " and
// the label in brackets for fixed, CD-ROM and RAM drives; the remote name
// (or else the bracketed label) for network drives. Letter and text are in
// the case of textCase. Empty for a drive that is not listed.
std::string DriveItemText(const TDriveFacts& drive, TTextCase textCase, int codePage = kDefaultCodePage);

// A drive letter in the case of textCase.
char CaseDriveLetter(char letter, TTextCase textCase);

// File-name case rules of the code page: ASCII letters of single-byte
// characters change; double-byte characters stay as they are (their trail
// bytes may look like letters).
std::string LowerCaseFileName(std::string_view name, int codePage = kDefaultCodePage);
std::string UpperCaseFileName(std::string_view name, int codePage = kDefaultCodePage);

// True when two names are the same name on a volume that is (or is not)
// case-sensitive.
bool SameFileName(std::string_view a, std::string_view b, bool caseSensitive, int codePage = kDefaultCodePage);

// Orders names without regard to case; names that differ only in case
// keep a fixed order (by their bytes).
bool FileNameLess(std::string_view a, std::string_view b, int codePage = kDefaultCodePage);

// The drive part of a path: "C:" for a drive-letter path, "\\server\share"
// for a network path, empty when the path has neither.
std::string DrivePart(std::string_view path, int codePage = kDefaultCodePage);

// The drive letter of a drive-letter path, 0 for a network path or none.
char DriveLetterOf(std::string_view path);

// Number of "\" characters of a path, counting whole characters only.
int CountPathDelimiters(std::string_view path, int codePage = kDefaultCodePage);

// A directory and a name below it, with one "\" between them.
std::string JoinPath(std::string_view dir, std::string_view name, int codePage = kDefaultCodePage);

// The directory that holds a path: "C:\Windows" for "C:\Windows\System32",
// "C:\" for "C:\Windows" and for "C:\" itself; "\\server\share\" likewise
// for network paths.
std::string ParentDirectory(std::string_view path, int codePage = kDefaultCodePage);

// True when a directory found below the current one is listed: not "." or
// "..", neither hidden nor system.
bool IsListedSubDirectory(std::string_view name, bool hidden, bool system);

// What an entry of the directory list stands for; it picks the glyph.
enum class TDirEntryKind { deRoot, dePath, deCurrent, deSubDirectory };

struct TDirEntry {
  std::string Text;  // what the list shows
  std::string Path;  // the directory it opens
  TDirEntryKind Kind = TDirEntryKind::deRoot;
  int Indent = 0;  // left edge of the glyph, in pixels
};

// Contract: the entries of the directory list for `current` (a full path as
// the system reports it: a root ends in "\", any other directory does not;
// a stray trailing "\" is ignored) and the names of its sub-directories,
// already filtered and in any order. Returns the root, the directories on
// the path, the current directory (the root itself when it is current) and
// the sorted sub-directories. Names are shown lower case unless the volume
// preserves case. The current directory's entry is at index
// CurrentEntryIndex(). An empty or drive-less path gives no entries.
std::vector<TDirEntry> BuildDirEntries(std::string_view current, std::vector<std::string> subDirectories,
                                       bool preserveCase, int codePage = kDefaultCodePage);

// Index of the current directory's entry in what BuildDirEntries returns;
// -1 when there are no entries.
int CurrentEntryIndex(const std::vector<TDirEntry>& entries);

}  // namespace tavo::app
