// Extracts arbitrary bytes as an archive into a scratch directory. Besides
// crashes, leaks and hangs, a file or directory appearing beside the
// destination (a write that escaped it) is a finding.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/Path.h"
#include "unzip/UnZip.h"

namespace {

namespace fs = std::filesystem;

const fs::path& Root() {
  static const fs::path root = [] {
    const char* base = getenv("TMPDIR");
    fs::path p = fs::path(base ? base : "/tmp") / ("tavo-fuzz-extract-" + std::to_string(getpid()));
    fs::create_directories(p / "out");
    return p;
  }();
  return root;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fs::path archive = Root() / "a.zip";
  const fs::path out = Root() / "out";
  FILE* f = std::fopen(archive.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  const uint8_t selector = size > 0 ? data[size - 1] : 0;
  try {
    tavo::zip::TUnZip unzip;
    unzip.DoProcessMessages = false;
    unzip.IncompleteZipMode = tavo::zip::TIncompleteZipMode::izAssumeBad;
    unzip.SetZipName(tavo::platform::EnginePath(archive.string()));
    unzip.SetDestDir(tavo::platform::EnginePath(out.string()));
    unzip.DoAll = true;
    unzip.RecreateDirs = (selector & 1) != 0;
    unzip.OverwriteMode = tavo::zip::TUZOverwriteMode::Always;
    unzip.Password = (selector & 2) ? "pw" : "";
    if (selector & 4) unzip.SetRootDir("a");
    unzip.ExtractFiles();
  } catch (const tavo::Exception&) {
  }
  // Only the archive and the destination may exist in the root.
  for (const auto& e : fs::directory_iterator(Root())) {
    const std::string name = e.path().filename().string();
    if (name != "a.zip" && name != "out") {
      std::fprintf(stderr, "write outside the destination: %s\n", e.path().c_str());
      std::abort();
    }
  }
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(out, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec))
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(out, ec);
  fs::create_directories(out, ec);
  return 0;
}
