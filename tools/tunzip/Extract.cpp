// The "x" and "t" commands: events of the engine turned into terminal output,
// prompts and an exit code.
#include "tools/tunzip/Extract.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>

#include "platform/CodePage.h"
#include "platform/File.h"
#include "platform/Path.h"
#include "tools/tunzip/Listing.h"
#include "tools/tunzip/MultiPart.h"
#include "tools/tunzip/Terminal.h"

namespace tavo::tunzip {

namespace {

using zip::TSkipReason;
using zip::TUnZip;

// Runs with fewer bytes than this finish too fast for a progress bar.
constexpr int64_t kProgressThreshold = 4 * 1024 * 1024;
constexpr int kBarWidth = 40;

const char* ReasonText(TSkipReason reason) {
  switch (reason) {
    case TSkipReason::srBadPassword: return "incorrect password";
    case TSkipReason::srNoOverwrite: return "file exists, not replaced";
    case TSkipReason::srCreateError: return "cannot create (or unsafe path)";
    case TSkipReason::srBadLocalHeader: return "bad local header";
    default: return "skipped";
  }
}

std::string Shown(const std::string& enginePath) {
  std::string text = TerminalText(enginePath);
  std::replace(text.begin(), text.end(), '\\', '/');
  return text;
}

// The host's name of an engine path as the terminal shows it: on POSIX the
// host name is UTF-8 already and must not be converted a second time.
std::string ShownHostPath(const std::string& enginePath) {
#ifdef _WIN32
  return enginePath;
#else
  return platform::HostPath(enginePath);
#endif
}

// A fresh directory for "t", removed afterwards.
class TempDir {
 public:
  TempDir() {
    namespace fs = std::filesystem;
    std::random_device rd;
    for (int i = 0; i < 100 && path_.empty(); ++i) {
      const fs::path p = fs::temp_directory_path() / ("tunzip-test-" + std::to_string(rd()));
      std::error_code ec;
      if (fs::create_directory(p, ec)) path_ = p.string();
    }
  }
  ~TempDir() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

class ProgressBar {
 public:
  explicit ProgressBar(bool enabled) : enabled_(enabled) {}
  void Show(int percent) {
    if (!enabled_ || percent == last_) return;
    last_ = percent;
    const int filled = percent * kBarWidth / 100;
    std::fprintf(stderr, "\r[%s%s] %3d%%", std::string(static_cast<size_t>(filled), '#').c_str(),
                 std::string(static_cast<size_t>(kBarWidth - filled), ' ').c_str(), percent);
    std::fflush(stderr);
    drawn_ = true;
  }
  void Finish() {
    if (drawn_) std::fprintf(stderr, "\n");
    drawn_ = false;
  }
  ~ProgressBar() { Finish(); }

 private:
  bool enabled_;
  int last_ = -1;
  bool drawn_ = false;
};

}  // namespace

int RunExtract(const TExtractOptions& options) {
  int skipped = 0, failed = 0;
  TempDir scratch;
  if (options.test && scratch.Path().empty()) {
    std::fprintf(stderr, "tunzip: cannot create a temporary directory\n");
    return kExitError;
  }
  const bool barWanted = !options.quiet && IsTerminal(stderr);
  ProgressBar bar(false);
  std::unique_ptr<ProgressBar> progress;
  bool overwriteAll = false, overwriteNone = false;
  try {
    TUnZip unzip;
    unzip.DoProcessMessages = false;
    unzip.IncompleteZipMode = zip::TIncompleteZipMode::izAssumeBad;
    unzip.NameCodePage = options.nameCodePage;
    tunzip::NameArchive(unzip, options.archive);
    unzip.LoadZipDirectory();
    // What could not be read is not extracted either: say so, and fail.
    if (!AllEntriesRead(unzip, options.archive)) ++failed;
    const std::string dest = options.test ? scratch.Path() : options.destination.empty() ? "." : options.destination;
    unzip.SetDestDir(platform::EnginePath(dest));
    unzip.RecreateDirs = true;
    unzip.RetainAttributes = !options.test;
    unzip.ReplaceReadOnly = true;
    unzip.OverwriteMode = options.test ? zip::TUZOverwriteMode::Always : options.overwrite;
    unzip.Password = options.password;
    unzip.DoAll = options.patterns.empty();
    for (std::string p : options.patterns) {
      std::replace(p.begin(), p.end(), '/', '\\');
      unzip.FilesList.push_back(platform::Utf8ToAnsi(p));
    }

    unzip.OnStartUnZipInfo = [&](TUnZip&, int, int64_t totalBytes, bool&) {
      progress = std::make_unique<ProgressBar>(barWanted && totalBytes >= kProgressThreshold);
    };
    unzip.OnTotalPercentDone = [&](TUnZip&, int percent) {
      if (progress) progress->Show(percent);
    };
    unzip.OnEndUnZip = [&](TUnZip& u, int index, const std::string& fName) {
      if (!options.quiet && !barWanted)
        std::printf("%s %s\n", options.test ? "    testing:" : "  extracting:",
                    (options.test ? DisplayName(u.Entry(index)) : ShownHostPath(fName)).c_str());
      if (options.test) {
        platform::FileSetAttr(fName, 0);
        platform::RemoveFile(fName);
      }
    };
    unzip.OnSkippingFile = [&](TUnZip& u, TSkipReason reason, const std::string& fName, int index, bool&) {
      ++skipped;
      if (progress) progress->Finish();
      // "?" in the name stands for bytes that are not UTF-8 or characters
      // the system code page lacks: the entry has no right name to take.
      if (reason == TSkipReason::srCreateError && index >= 0 && index < u.EntryCount() &&
          u.Entry(index).NameReplaced)
        std::fprintf(stderr, "tunzip: skipping %s: name not valid UTF-8 or not in code page %d\n",
                     Shown(fName).c_str(), platform::AnsiCodePage());
      else if (!u.SkipMessage().empty())
        std::fprintf(stderr, "tunzip: skipping %s: %s\n", Shown(fName).c_str(), TerminalText(u.SkipMessage()).c_str());
      else
        std::fprintf(stderr, "tunzip: skipping %s: %s\n", Shown(fName).c_str(), ReasonText(reason));
    };
    unzip.OnBadCRC = [&](TUnZip& u, uint32_t calc, uint32_t stored, int index) {
      ++failed;
      if (progress) progress->Finish();
      if (calc == stored)
        std::fprintf(stderr, "tunzip: %s: data ends before its recorded size\n", DisplayName(u.Entry(index)).c_str());
      else
        std::fprintf(stderr, "tunzip: %s: bad CRC %08x (should be %08x)\n", DisplayName(u.Entry(index)).c_str(),
                     calc, stored);
    };
    unzip.OnBadPassword = [&](TUnZip& u, int index, std::string& newPassword) {
      if (progress) progress->Finish();
      std::string typed;
      if (ReadPassword("[" + options.archive + "] " + DisplayName(u.Entry(index)) + " password: ", typed))
        newPassword = typed;
    };
    unzip.OnPromptForOverwrite = [&](TUnZip&, bool& overwrite, int, std::string& fName) {
      if (overwriteAll || overwriteNone) {
        overwrite = overwriteAll;
        return;
      }
      if (progress) progress->Finish();
      std::fprintf(stderr, "replace %s? [y]es, [n]o, [A]ll, [N]one: ", ShownHostPath(fName).c_str());
      std::fflush(stderr);
      std::string answer;
      if (!ReadLine(answer)) answer.assign(1, 'N');
      overwriteAll = answer == "A";
      overwriteNone = answer == "N";
      overwrite = overwriteAll || answer == "y" || answer == "Y";
    };
    unzip.OnHandleMessage = [&](TUnZip&, int, const std::string& msg1, const std::string& msg2, uint32_t,
                                int& result) {
      std::fprintf(stderr, "tunzip: %s%s%s\n", msg2.c_str(), msg2.empty() ? "" : ": ", msg1.c_str());
      result = 2;
    };
    unzip.ExtractFiles();
    if (progress) progress->Finish();
    if (options.test && !options.quiet) {
      if (failed + skipped == 0)
        std::printf("No errors detected in compressed data of %s.\n", options.archive.c_str());
      else
        std::printf("%d error(s) in %s.\n", failed + skipped, options.archive.c_str());
    }
  } catch (const std::exception& e) {
    if (progress) progress->Finish();
    std::fflush(stdout);
    std::fprintf(stderr, "tunzip: %s: %s\n", options.archive.c_str(), TerminalText(e.what()).c_str());
    return kExitError;
  }
  if (failed > 0) return kExitError;
  if (skipped > 0) return options.test ? kExitError : kExitWarning;
  return kExitOk;
}

}  // namespace tavo::tunzip
