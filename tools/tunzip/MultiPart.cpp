// Split-set naming and disk requests for tunzip.
#include "tools/tunzip/MultiPart.h"

#include <cctype>
#include <cstdio>

#include "core/Exception.h"
#include "core/Mbcs.h"
#include "platform/CodePage.h"
#include "platform/File.h"
#include "platform/Path.h"
#include "tools/tunzip/Terminal.h"

namespace tavo::tunzip {

namespace {

bool AllDigits(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

// Compared in the engine's code page, where the path's characters are known.
bool EndsWithNoCase(const std::string& s, const std::string& tail) {
  return EndsWithTextMbcs(platform::EnginePath(s), tail, platform::AnsiCodePage());
}

bool HostFileExists(const std::string& hostPath) { return platform::FileExists(platform::EnginePath(hostPath)); }

// The last part of the split set `hostPath` belongs to, and its naming;
// the path itself when it is no recognisable part.
std::string LastPart(const std::string& hostPath, zip::TBlockMode& mode) {
  mode = zip::TBlockMode::bmStandard;
  const size_t dot = hostPath.rfind('.');
  const size_t slash = hostPath.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return hostPath;
  const std::string stem = hostPath.substr(0, dot), ext = hostPath.substr(dot + 1);
  if (ext.size() >= 3 && (ext[0] == 'z' || ext[0] == 'Z') && AllDigits(ext.substr(1))) {
    // "x.zip.z01" or "x.z01": the last part is "x.zip".
    const std::string base = EndsWithNoCase(stem, ".zip") ? stem.substr(0, stem.size() - 4) : stem;
    return HostFileExists(base + ".zip") ? base + ".zip" : hostPath;
  }
  if (ext.size() == 3 && AllDigits(ext)) {
    // "x.001": the highest number in an unbroken run from 1.
    mode = zip::TBlockMode::bmClassic;
    int n = 1;
    while (n < 999 && HostFileExists(stem + Format(".%3.3d", n + 1))) ++n;
    return HostFileExists(stem + Format(".%3.3d", n)) ? stem + Format(".%3.3d", n) : hostPath;
  }
  return hostPath;
}

}  // namespace

void NameArchive(zip::TUnZip& unzip, const std::string& hostPath) {
  zip::TBlockMode mode;
  unzip.SetZipName(platform::EnginePath(LastPart(hostPath, mode)));
  unzip.BlockMode = mode;
  if (mode == zip::TBlockMode::bmStandard) {
    unzip.OnFileNameForSplitPart = [](zip::TUnZip&, std::string& fName, int part, zip::TSplitPartType type) {
      if (type == zip::TSplitPartType::spLast) {
        fName += ".zip";
        return;
      }
      const std::string standard = fName + Format(".zip.z%2.2d", part);
      const std::string infoZip = fName + Format(".z%2.2d", part);
      fName = !platform::FileExists(standard) && platform::FileExists(infoZip) ? infoZip : standard;
    };
  }
  unzip.OnGetNextDisk = [](zip::TUnZip& u, int disk, std::string& fName) {
    if (u.MultiMode() != zip::TMultiMode::mmSpan) return;
    std::fprintf(stderr, "Insert disk %d of the multi-disk set and press Enter (q to cancel): ", disk);
    std::fflush(stderr);
    std::string answer;
    if (!ReadLine(answer) || answer == "q" || answer == "Q") fName.clear();
  };
}

}  // namespace tavo::tunzip
