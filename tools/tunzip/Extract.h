// tunzip's "x" (extract) and "t" (test) commands.
#pragma once

#include <string>
#include <vector>

#include "unzip/UnZip.h"

namespace tavo::tunzip {

struct TExtractOptions {
  std::string archive;              // host path
  std::string destination;          // host path; empty: the current directory
  std::vector<std::string> patterns;  // entry patterns; none: every entry
  zip::TUZOverwriteMode overwrite = zip::TUZOverwriteMode::Prompt;
  bool havePassword = false;
  std::string password;
  bool quiet = false;
  bool test = false;  // decode and check only; no files are left
  int nameCodePage = 0;  // code page of names without a UTF-8 mark; 0: the engine's rule
};

// Exit codes shared by every command.
constexpr int kExitOk = 0;
constexpr int kExitWarning = 1;  // entries skipped
constexpr int kExitError = 2;    // bad CRCs, unreadable archive, failures
constexpr int kExitUsage = 10;

// Runs an extraction or test; returns the exit code. Failures are reported
// on standard error in one line.
int RunExtract(const TExtractOptions& options);

}  // namespace tavo::tunzip
