// The installation run's path rules, kept apart from Win32 so that they are
// tested natively: creating the install directory with its parents, and the
// paths of the installed programs, shortcuts and follow-up launches.
#pragma once

#include <functional>
#include <string>

namespace tavo::app {

// The two file-system questions the directory creation rule asks; the
// installer answers them with the system, tests with a fake tree.
struct TDirectoryOps {
  std::function<bool(const std::string& path)> DirectoryExists;
  std::function<bool(const std::string& path)> CreateDirectory;  // one level, no parents
};

// Creates the directory named by path with its missing parents:
//  - an empty path fails;
//  - one trailing "\" is dropped;
//  - a path shorter than three bytes, or an existing directory, succeeds
//    without creating anything;
//  - the directory part (up to the last "\" or ":", whole code page 936
//    characters only) must be non-empty, so blanks and bare relative names
//    fail; when it equals the path, nothing more is needed;
//  - the parent is created first by the same rule, then the path itself.
bool CreateInstallDirectory(const std::string& path, const TDirectoryOps& ops);

// Whether a typed install directory can name a directory on its own: once
// one trailing "\" is dropped it still has a directory part (a drive or a
// separator). Blanks and bare relative names have none; the system would
// resolve them against the current directory, so the run must not take
// them for an existing directory but send them to the creation rule, which
// refuses them.
bool HasDirectoryPart(const std::string& path);

// The launch buffer holds at most 199 bytes of path and a terminating NUL.
// A longer path is never started: a truncated one would name another file.
constexpr size_t kLaunchBufferSize = 200;
bool FitsLaunchBuffer(const std::string& path);

// An installed program, its shortcut's file name on the desktop (code page
// 936 text) and how it is looked up.
struct TInstalledProgram {
  const char* RelativePath;
  const char* ShortcutName;
};

// The three programs in the order their shortcuts are written.
extern const TInstalledProgram kInstalledPrograms[3];

// The package beside the installer, and its fixed password.
extern const char* const kPackageName;
extern const char* const kPackagePassword;
// The follow-up programs, relative to the install directory.
extern const char* const kPostInstallBatch;
extern const char* const kDatabaseStarter;

}  // namespace tavo::app
