// Extracts arbitrary bytes as an archive into a scratch directory. Besides
// crashes, leaks and hangs, a write that escapes the destination is a
// finding at any depth: every output name the engine announces must lie
// inside it once "." and ".." are resolved, and nothing may appear anywhere
// in the deep sandbox around it.
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

// The destination sits this many directories below the sandbox root, so that
// a climb of up to this many levels still lands inside the sandbox.
constexpr int kDepth = 16;

const fs::path& Root() {
  static const fs::path root = [] {
    const char* base = getenv("TMPDIR");
    return fs::path(base ? base : "/tmp") / ("tavo-fuzz-extract-" + std::to_string(getpid()));
  }();
  return root;
}

const fs::path& Out() {
  static const fs::path out = [] {
    fs::path p = Root();
    for (int i = 0; i < kDepth; ++i) p /= "d" + std::to_string(i);
    p /= "out";
    fs::create_directories(p);
    return p;
  }();
  return out;
}

[[noreturn]] void Escaped(const std::string& what) {
  std::fprintf(stderr, "write outside the destination: %s\n", what.c_str());
  std::abort();
}

// True when the host path, taken lexically with "." and ".." resolved, lies
// inside Out().
bool Inside(const std::string& hostPath) {
  const fs::path p = fs::path(hostPath).lexically_normal();
  const fs::path rel = p.lexically_relative(Out().lexically_normal());
  return !rel.empty() && *rel.begin() != "..";
}

// Every directory between the sandbox root and the destination may hold only
// the next one down (and the root the archive besides).
void CheckSandbox() {
  fs::path p = Root();
  for (int i = 0; i <= kDepth; ++i) {
    const std::string next = i < kDepth ? "d" + std::to_string(i) : "out";
    for (const auto& e : fs::directory_iterator(p)) {
      const std::string name = e.path().filename().string();
      if (name != next && !(i == 0 && name == "a.zip")) Escaped(e.path().string());
    }
    p /= next;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fs::path archive = Root() / "a.zip";
  const fs::path& out = Out();
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
    // A prefix without its separator: cutting it can leave a leading "..".
    if (selector & 8) unzip.RelativePathList = {"a"};
    unzip.OnStartUnZip = [](tavo::zip::TUnZip&, int, std::string& fName, bool&) {
      const std::string host = tavo::platform::HostPath(fName);
      if (!Inside(host)) Escaped(host);
    };
    unzip.ExtractFiles();
  } catch (const tavo::Exception&) {
  }
  CheckSandbox();
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(out, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec))
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(out, ec);
  fs::create_directories(out, ec);
  return 0;
}
