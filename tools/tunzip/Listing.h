// tunzip's listings: "l" (names, sizes, dates) and "v" (with method,
// compressed size, ratio and CRC), laid out like Info-ZIP unzip's.
#pragma once

#include <cstdio>
#include <string>

#include "unzip/UnZip.h"

namespace tavo::tunzip {

// An entry name for the terminal: "\" shown as "/", the system code page
// converted to the terminal's (UTF-8 on POSIX). The engine has already
// turned UTF-8 names into the system code page.
std::string DisplayName(const zip::TZipHeaderInfo& entry);
// Text in the system code page converted for the terminal.
std::string TerminalText(const std::string& text);

void ListShort(zip::TUnZip& unzip, const std::string& archiveName, FILE* out);
void ListVerbose(zip::TUnZip& unzip, const std::string& archiveName, FILE* out);

// False, after saying on stderr how many of how many, when fewer entries
// could be read than the archive's end record announces.
bool AllEntriesRead(const zip::TUnZip& unzip, const std::string& archiveName);

// Method column of the verbose listing ("Stored", "Defl:N", ...).
std::string MethodName(const zip::TZipHeaderInfo& entry);
// Compression ratio in whole percent as unzip shows it (negative when the
// data grew).
int RatioPercent(uint64_t compressed, uint64_t uncompressed);

}  // namespace tavo::tunzip
