// tunzip: list an archive with the extraction engine.
//   tunzip l [-s MODE] ARCHIVE      list like "unzip -l"
//   tunzip v [-s MODE] ARCHIVE      list like "unzip -v"
// MODE is a sort mode: ByName, ByFileName, ByDirectoryName, ByDate,
// ByCompressedSize, ByUnCompressedSize, ByRate, ByNone (default).
// Exit codes: 0 success, 1 warnings, 2 errors, 10 usage.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "platform/Path.h"
#include "tools/tunzip/Listing.h"
#include "unzip/UnZip.h"

using namespace tavo;

namespace {

constexpr int kExitOk = 0;
constexpr int kExitError = 2;
constexpr int kExitUsage = 10;

const char* const kSortNames[] = {"ByName", "ByFileName", "ByDirectoryName", "ByDate",
                                  "ByCompressedSize", "ByUnCompressedSize", "ByRate", "ByNone"};

void Usage() {
  std::fprintf(stderr,
               "usage: tunzip l|v [-s MODE] ARCHIVE\n"
               "  l   list names, sizes and dates\n"
               "  v   list with method, compressed size, ratio and CRC-32\n"
               "  -s  sort: ByName ByFileName ByDirectoryName ByDate ByCompressedSize\n"
               "            ByUnCompressedSize ByRate ByNone\n");
}

bool SameIgnoringCase(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b) {
    const char ca = (*a >= 'A' && *a <= 'Z') ? static_cast<char>(*a + 32) : *a;
    const char cb = (*b >= 'A' && *b <= 'Z') ? static_cast<char>(*b + 32) : *b;
    if (ca != cb) return false;
  }
  return *a == *b;
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

int main(int argc, char** argv) {
  if (argc < 3) {
    Usage();
    return kExitUsage;
  }
  const std::string command = argv[1];
  zip::TZipSortMode sortMode = zip::TZipSortMode::ByNone;
  std::string archive;
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "-s") == 0 && i + 1 < argc) {
      if (!ParseSortMode(argv[++i], sortMode)) {
        std::fprintf(stderr, "tunzip: unknown sort mode \"%s\"\n", argv[i]);
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
    unzip.SetZipName(platform::EnginePath(archive));
    unzip.LoadZipDirectory();
    if (command == "l")
      tunzip::ListShort(unzip, archive, stdout);
    else
      tunzip::ListVerbose(unzip, archive, stdout);
  } catch (const std::exception& e) {
    std::fflush(stdout);
    std::fprintf(stderr, "tunzip: %s: %s\n", archive.c_str(), tunzip::TerminalText(e.what()).c_str());
    return kExitError;
  }
  return kExitOk;
}
