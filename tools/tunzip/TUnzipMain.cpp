// tunzip: list, test and extract archives with the extraction engine.
//   tunzip l [-s MODE] [-O CP] ARCHIVE      list like "unzip -l"
//   tunzip v [-s MODE] [-O CP] ARCHIVE      list like "unzip -v"
//   tunzip x [-d DIR] [-o|-n] [-P PASSWORD] [-q] [-O CP] ARCHIVE [PATTERN...]
//   tunzip t [-P PASSWORD] [-q] [-O CP] ARCHIVE [PATTERN...]
// CP is the code page of names stored without a UTF-8 mark (CP936, CP932,
// CP437, ...).
// MODE is a sort mode: ByName, ByFileName, ByDirectoryName, ByDate,
// ByCompressedSize, ByUnCompressedSize, ByRate, ByNone (default).
// Exit codes: 0 success, 1 warnings, 2 errors, 10 usage.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "core/Mbcs.h"
#include "platform/CodePage.h"
#include "platform/Path.h"
#include "tools/tunzip/Extract.h"
#include "tools/tunzip/Listing.h"
#include "tools/tunzip/MultiPart.h"
#include "unzip/UnZip.h"

using namespace tavo;

namespace {

using tunzip::kExitError;
using tunzip::kExitOk;
using tunzip::kExitUsage;

const char* const kSortNames[] = {"ByName", "ByFileName", "ByDirectoryName", "ByDate",
                                  "ByCompressedSize", "ByUnCompressedSize", "ByRate", "ByNone"};

void Usage() {
  std::fprintf(stderr,
               "usage: tunzip l|v [-s MODE] [-O CP] ARCHIVE\n"
               "       tunzip x [-d DIR] [-o|-n] [-P PASSWORD] [-q] [-O CP] ARCHIVE [PATTERN...]\n"
               "       tunzip t [-P PASSWORD] [-q] [-O CP] ARCHIVE [PATTERN...]\n"
               "  l   list names, sizes and dates\n"
               "  v   list with method, compressed size, ratio and CRC-32\n"
               "  x   extract (into DIR, default the current directory)\n"
               "  t   test: decode every entry and check its CRC-32\n"
               "  -s  sort: ByName ByFileName ByDirectoryName ByDate ByCompressedSize\n"
               "            ByUnCompressedSize ByRate ByNone\n"
               "  -o  overwrite existing files; -n never overwrite (default: ask)\n"
               "  -P  password for encrypted entries (asked for when wrong)\n"
               "  -q  quiet\n"
               "  -O  code page of names stored without a UTF-8 mark: CP936, CP932, CP437, ...\n"
               "      (default: the OEM code page for MS-DOS archives, else the system's)\n"
               "PATTERN: * ? and sets <a-z> <!0-9>; a pattern matches the whole path.\n"
               "Exit status: 0 ok, 1 entries skipped, 2 errors, 10 usage.\n");
}

bool SameIgnoringCase(const char* a, const char* b) { return SameTextMbcs(a, b); }

// "CP932", "cp932" or "932"; false for anything else or a code page the
// system cannot convert from.
bool ParseCodePage(const char* text, int& codePage) {
  if ((text[0] == 'C' || text[0] == 'c') && (text[1] == 'P' || text[1] == 'p')) text += 2;
  if (*text < '1' || *text > '9') return false;
  int value = 0;
  for (; *text; ++text) {
    if (*text < '0' || *text > '9' || value > 99999) return false;
    value = value * 10 + (*text - '0');
  }
  // A code page the system knows converts some non-ASCII byte, or some
  // double-byte character, to UTF-8.
  std::string out;
  for (int b = 0x80; b <= 0xFF; ++b) {
    const std::string one(1, static_cast<char>(b));
    if (platform::ConvertCodePageExact(one, value, 65001, out) ||
        platform::ConvertCodePageExact(one + "\xA1", value, 65001, out)) {
      codePage = value;
      return true;
    }
  }
  return false;
}

bool ParseSortMode(const char* text, zip::TZipSortMode& mode) {
  for (int i = 0; i < 8; ++i) {
    if (SameIgnoringCase(text, kSortNames[i])) {
      mode = static_cast<zip::TZipSortMode>(i);
      return true;
    }
  }
  return false;
}

}  // namespace

int MainExtract(const std::string& command, int argc, char** argv) {
  tunzip::TExtractOptions options;
  options.test = command == "t";
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-d" && i + 1 < argc && !options.test) {
      options.destination = argv[++i];
    } else if (arg == "-o" && !options.test) {
      options.overwrite = zip::TUZOverwriteMode::Always;
    } else if (arg == "-n" && !options.test) {
      options.overwrite = zip::TUZOverwriteMode::Never;
    } else if (arg == "-P" && i + 1 < argc) {
      options.password = argv[++i];
      options.havePassword = true;
    } else if (arg == "-q") {
      options.quiet = true;
    } else if (arg == "-O" && i + 1 < argc) {
      if (!ParseCodePage(argv[++i], options.nameCodePage)) {
        std::fprintf(stderr, "tunzip: unknown code page \"%s\"\n", argv[i]);
        return kExitUsage;
      }
    } else if (!arg.empty() && arg[0] == '-' && options.archive.empty()) {
      Usage();
      return kExitUsage;
    } else if (options.archive.empty()) {
      options.archive = arg;
    } else {
      options.patterns.push_back(arg);
    }
  }
  if (options.archive.empty()) {
    Usage();
    return kExitUsage;
  }
  return tunzip::RunExtract(options);
}

int main(int argc, char** argv) {
  if (argc < 3) {
    Usage();
    return kExitUsage;
  }
  const std::string command = argv[1];
  if (command == "x" || command == "t") return MainExtract(command, argc, argv);
  zip::TZipSortMode sortMode = zip::TZipSortMode::ByNone;
  int nameCodePage = 0;
  std::string archive;
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "-s") == 0 && i + 1 < argc) {
      if (!ParseSortMode(argv[++i], sortMode)) {
        std::fprintf(stderr, "tunzip: unknown sort mode \"%s\"\n", argv[i]);
        return kExitUsage;
      }
    } else if (std::strcmp(argv[i], "-O") == 0 && i + 1 < argc) {
      if (!ParseCodePage(argv[++i], nameCodePage)) {
        std::fprintf(stderr, "tunzip: unknown code page \"%s\"\n", argv[i]);
        return kExitUsage;
      }
    } else if (archive.empty() && argv[i][0] != '-') {
      archive = argv[i];
    } else {
      Usage();
      return kExitUsage;
    }
  }
  if (archive.empty() || (command != "l" && command != "v")) {
    Usage();
    return kExitUsage;
  }
  try {
    zip::TUnZip unzip;
    unzip.DoProcessMessages = false;
    // Entry comments are read from the archive one by one: keep it open.
    unzip.KeepZipOpen = true;
    // A missing end record is a damaged archive here: rebuild it from its
    // local headers rather than treat it as one part of a set.
    unzip.IncompleteZipMode = zip::TIncompleteZipMode::izAssumeBad;
    unzip.SortMode = sortMode;
    unzip.NameCodePage = nameCodePage;
    tunzip::NameArchive(unzip, archive);
    unzip.LoadZipDirectory();
    if (command == "l")
      tunzip::ListShort(unzip, archive, stdout);
    else
      tunzip::ListVerbose(unzip, archive, stdout);
    if (!tunzip::AllEntriesRead(unzip, archive)) return kExitError;
  } catch (const std::exception& e) {
    std::fflush(stdout);
    std::fprintf(stderr, "tunzip: %s: %s\n", archive.c_str(), tunzip::TerminalText(e.what()).c_str());
    return kExitError;
  }
  return kExitOk;
}
