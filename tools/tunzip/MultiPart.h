// Split and spanned archives on the command line: any part of a split set
// names the set, and the next disk of a spanned set is asked for on the
// terminal.
#pragma once

#include <string>

#include "unzip/UnZip.h"

namespace tavo::tunzip {

// Names the archive for `unzip`. A part of a split set ("x.z01", "x.zip.z01",
// "x.001", or the last part "x.zip") is replaced by the set's last part,
// whose end record describes the set; BlockMode follows the naming, and the
// other parts are looked up both as "x.zip.zNN" and as "x.zNN", the naming
// Info-ZIP zip uses. In spanned mode the next disk is asked for on standard
// error and read from standard input.
void NameArchive(zip::TUnZip& unzip, const std::string& hostPath);

}  // namespace tavo::tunzip
