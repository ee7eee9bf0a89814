// Loads arbitrary bytes as an archive and walks its directory: names,
// comments, sort views. Every failure must be one of the engine's own
// exceptions; crashes, leaks and hangs are findings.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/Path.h"
#include "unzip/UnZip.h"

namespace {

std::string ScratchFile() {
  static const std::string path = [] {
    const char* base = getenv("TMPDIR");
    return std::string(base ? base : "/tmp") + "/tavo-fuzz-zipdir-" + std::to_string(getpid()) + ".zip";
  }();
  return path;
}

void Walk(tavo::zip::TUnZip& unzip) {
  const int count = unzip.EntryCount();
  for (int i = 0; i < count; ++i) {
    const auto& entry = unzip.Entry(i);
    (void)entry.EffectiveCompressedSize();
    (void)unzip.EntryComment(i);
  }
  (void)unzip.ArchiveComment();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = ScratchFile();
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  // The first byte picks what a missing end record means and the sort mode,
  // so that the rebuild and every comparison are reached.
  const uint8_t selector = size > 0 ? data[0] : 0;
  try {
    tavo::zip::TUnZip unzip;
    unzip.DoProcessMessages = false;
    unzip.IncompleteZipMode = static_cast<tavo::zip::TIncompleteZipMode>(selector % 3);
    unzip.SortMode = static_cast<tavo::zip::TZipSortMode>((selector / 3) % 8);
    unzip.SetZipName(tavo::platform::EnginePath(path));
    unzip.LoadZipDirectory();
    Walk(unzip);
    unzip.ApplySortMode(tavo::zip::TZipSortMode::ByName);
    Walk(unzip);
  } catch (const tavo::Exception&) {
  }
  return 0;
}
