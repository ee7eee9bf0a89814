// Where engine paths meet host paths. The engines speak Windows paths: 8-bit
// text in the ANSI code page, "\" separators, optional drive letters. Windows
// uses them as they are. A POSIX host maps them at this one boundary:
//  - the text is converted from the ANSI code page to UTF-8;
//  - "\" (and "/") become "/";
//  - a drive prefix "X:" is dropped, so "C:\tmp\a" is "/tmp/a" and "C:a" is
//    "a": every drive letter names the host's one root;
//  - a leading "\" names the host root, a path without one is relative to
//    the current directory.
#pragma once

#include <string>

namespace tavo::platform {

// Engine path to the host's file name.
std::string HostPath(const std::string& enginePath);
// Host file name to an engine path (the inverse mapping; a POSIX absolute
// path "/x/y" becomes "\x\y").
std::string EnginePath(const std::string& hostPath);

}  // namespace tavo::platform
