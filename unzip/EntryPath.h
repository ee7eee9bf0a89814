// Safety checks on the part of an output path that comes from the archive:
// climbing out with "..", Windows device names, alternate streams and names
// Windows would silently trim. Portable: the same verdict on every build.
#pragma once

#include <string>

namespace tavo::zip {

// True when a component of `path`, split at "\" and "/" as whole characters
// of `codePage`, is "..". A leading drive ("C:") is not part of the first
// component.
bool ClimbsOut(const std::string& path, int codePage);

// True when a component of `path` would open something other than a plain
// file or directory of that name on Windows: a device (CON, PRN, AUX, NUL,
// COM1-COM9, LPT1-LPT9, any case, with or without an extension or trailing
// spaces), a name with a ":" (an alternate data stream), or a name ending in
// "." or " " (which Windows drops, so that "a." would replace "a"). The
// components "." and ".." are left to the other checks.
bool NamesWindowsDevice(const std::string& path, int codePage);

}  // namespace tavo::zip
