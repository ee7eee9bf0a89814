// The portable rules of the drive and directory chooser.
#include "app/ChooserRules.h"

#include <algorithm>

namespace tavo::app {
namespace {

constexpr char kDelimiter = '\\';

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Calls visit(position, length) for each whole character of s: length 2
// for a double-byte character, 1 otherwise (also for a lead byte cut off at
// the end).
template <class Visit>
void ForEachChar(std::string_view s, int codePage, Visit visit) {
  for (size_t i = 0; i < s.size();) {
    const size_t length = (IsLeadByte(static_cast<unsigned char>(s[i]), codePage) && i + 1 < s.size()) ? 2 : 1;
    visit(i, length);
    i += length;
  }
}

// Positions of the whole-character "\" of s.
std::vector<size_t> DelimiterPositions(std::string_view s, int codePage) {
  std::vector<size_t> found;
  ForEachChar(s, codePage, [&](size_t i, size_t length) {
    if (length == 1 && s[i] == kDelimiter) found.push_back(i);
  });
  return found;
}

// The path without a trailing "\" unless it is a root ("C:\", "\\srv\shr\").
std::string_view TrimTrailingDelimiter(std::string_view path, size_t driveLength, int codePage) {
  while (path.size() > driveLength + 1 && EndsWithPathDelimiter(path, codePage)) path.remove_suffix(1);
  return path;
}

// The names of the directories between the drive part and the end of path.
std::vector<std::string> NamesBelowDrive(std::string_view rest, int codePage) {
  std::vector<std::string> names;
  size_t start = 0;
  for (size_t pos : DelimiterPositions(rest, codePage)) {
    if (pos > start) names.emplace_back(rest.substr(start, pos - start));
    start = pos + 1;
  }
  if (start < rest.size()) names.emplace_back(rest.substr(start));
  return names;
}

}  // namespace

EInOutError::EInOutError(unsigned long code) : EOSError(InOutErrorMessage(code), code) {}

std::string InOutErrorMessage(unsigned long code) {
  switch (code) {
    case 2: return "File not found";
    case 3: return "Invalid filename";
    case 4: return "Too many open files";
    case 5: return "File access denied";
    default: return Format("I/O error %lu", code);
  }
}

const char* DriveGlyphName(TDriveKind kind) {
  switch (kind) {
    case TDriveKind::dkRemovable: return "FLOPPY";
    case TDriveKind::dkFixed: return "HARD";
    case TDriveKind::dkRemote: return "NETWORK";
    case TDriveKind::dkCDROM: return "CDROM";
    case TDriveKind::dkRamDisk: return "RAM";
    case TDriveKind::dkOther: break;
  }
  return nullptr;
}

char CaseDriveLetter(char letter, TTextCase textCase) {
  return textCase == TTextCase::tcUpperCase ? AsciiUpper(letter) : AsciiLower(letter);
}

std::string DriveItemText(const TDriveFacts& drive, TTextCase textCase, int codePage) {
  const std::string letter(1, CaseDriveLetter(drive.Letter, textCase));
  auto cased = [&](const std::string& text) {
    return textCase == TTextCase::tcUpperCase ? UpperCaseFileName(text, codePage) : LowerCaseFileName(text, codePage);
  };
  const std::string bracketedLabel = Format("[%s]", cased(drive.Label).c_str());
  switch (drive.Kind) {
    case TDriveKind::dkRemovable:
      // The medium is not queried: a floppy drive would spin up or prompt.
      return letter + ":";
    case TDriveKind::dkRemote:
      if (!drive.RemoteName.empty()) return Format("%s: %s", letter.c_str(), cased(drive.RemoteName).c_str());
      return Format("%s: %s", letter.c_str(), bracketedLabel.c_str());
    case TDriveKind::dkFixed:
    case TDriveKind::dkCDROM:
    case TDriveKind::dkRamDisk:
      return Format("%s: %s", letter.c_str(), bracketedLabel.c_str());
    case TDriveKind::dkOther:
      break;
  }
  return std::string();
}

std::string LowerCaseFileName(std::string_view name, int codePage) { return LowerCaseMbcs(name, codePage); }

std::string UpperCaseFileName(std::string_view name, int codePage) { return UpperCaseMbcs(name, codePage); }

bool SameFileName(std::string_view a, std::string_view b, bool caseSensitive, int codePage) {
  if (caseSensitive) return a == b;
  return LowerCaseFileName(a, codePage) == LowerCaseFileName(b, codePage);
}

bool FileNameLess(std::string_view a, std::string_view b, int codePage) {
  const std::string la = LowerCaseFileName(a, codePage);
  const std::string lb = LowerCaseFileName(b, codePage);
  // Compare as unsigned bytes so that double-byte names sort after ASCII.
  auto bytes = [](const std::string& s) {
    return std::basic_string_view<unsigned char>(reinterpret_cast<const unsigned char*>(s.data()), s.size());
  };
  if (la != lb) return bytes(la) < bytes(lb);
  return bytes(std::string(a)) < bytes(std::string(b));
}

std::string DrivePart(std::string_view path, int codePage) {
  if (path.size() >= 2 && path[1] == ':' && AsciiLower(path[0]) >= 'a' && AsciiLower(path[0]) <= 'z')
    return std::string(path.substr(0, 2));
  if (path.size() >= 2 && path[0] == kDelimiter && path[1] == kDelimiter) {
    // \\server\share: the share name ends at the next "\" after the
    // server name's end, or with the path.
    const std::vector<size_t> delims = DelimiterPositions(path, codePage);
    if (delims.size() >= 4) return std::string(path.substr(0, delims[3]));
    return std::string(path);
  }
  return std::string();
}

char DriveLetterOf(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':' && AsciiLower(path[0]) >= 'a' && AsciiLower(path[0]) <= 'z') return path[0];
  return 0;
}

int CountPathDelimiters(std::string_view path, int codePage) {
  return static_cast<int>(DelimiterPositions(path, codePage).size());
}

std::string JoinPath(std::string_view dir, std::string_view name, int codePage) {
  std::string out(dir);
  if (!EndsWithPathDelimiter(out, codePage)) out += kDelimiter;
  out += name;
  return out;
}

std::string ParentDirectory(std::string_view path, int codePage) {
  const std::string drive = DrivePart(path, codePage);
  const std::string root = drive + kDelimiter;
  const std::string_view trimmed = TrimTrailingDelimiter(path, drive.size(), codePage);
  const std::string_view rest = trimmed.substr(std::min(drive.size(), trimmed.size()));
  const std::vector<size_t> delims = DelimiterPositions(rest, codePage);
  if (delims.empty() || delims.back() == 0) return root;
  return drive + std::string(rest.substr(0, delims.back()));
}

bool IsListedSubDirectory(std::string_view name, bool hidden, bool system) {
  return !name.empty() && name != "." && name != ".." && !hidden && !system;
}

std::vector<TDirEntry> BuildDirEntries(std::string_view current, std::vector<std::string> subDirectories,
                                       bool preserveCase, int codePage) {
  std::vector<TDirEntry> entries;
  const std::string drive = DrivePart(current, codePage);
  if (drive.empty()) return entries;
  const std::string_view path = TrimTrailingDelimiter(current, drive.size(), codePage);
  const std::string_view rest = path.substr(std::min(drive.size(), path.size()));
  const std::vector<std::string> names = NamesBelowDrive(rest, codePage);
  auto shown = [&](const std::string& name) { return preserveCase ? name : LowerCaseFileName(name, codePage); };

  // The root, then each directory on the path; the last one is current.
  std::string entryPath = drive + kDelimiter;
  entries.push_back(TDirEntry{entryPath, entryPath, TDirEntryKind::deRoot, 2});
  for (size_t k = 0; k < names.size(); ++k) {
    entryPath = JoinPath(entryPath, names[k], codePage);
    entries.push_back(TDirEntry{shown(names[k]), entryPath, TDirEntryKind::dePath, 4 * static_cast<int>(k + 1) + 2});
  }
  entries.back().Kind = TDirEntryKind::deCurrent;
  const std::string currentPath = entries.back().Path;

  std::sort(subDirectories.begin(), subDirectories.end(),
            [codePage](const std::string& a, const std::string& b) { return FileNameLess(a, b, codePage); });
  const int subIndent = 4 * CountPathDelimiters(currentPath, codePage) + 6;
  for (const std::string& name : subDirectories)
    entries.push_back(
        TDirEntry{shown(name), JoinPath(currentPath, name, codePage), TDirEntryKind::deSubDirectory, subIndent});
  return entries;
}

int CurrentEntryIndex(const std::vector<TDirEntry>& entries) {
  for (size_t i = 0; i < entries.size(); ++i)
    if (entries[i].Kind == TDirEntryKind::deCurrent) return static_cast<int>(i);
  return -1;
}

}  // namespace tavo::app
