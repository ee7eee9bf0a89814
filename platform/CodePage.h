// Code pages of 8-bit text. Windows reports its own ANSI and OEM code pages;
// a POSIX host uses a configurable pair, 936 and 936 by default.
#pragma once

#include <string>

namespace tavo::platform {

int AnsiCodePage();
int OemCodePage();
// POSIX only: choose the pair (Windows keeps the system's and ignores this).
void SetCodePages(int ansiCodePage, int oemCodePage);

// Converts text between two code pages; 65001 is UTF-8. Bytes that do not
// convert are kept as they are.
std::string ConvertCodePage(const std::string& text, int fromCodePage, int toCodePage);
// Converts text between two code pages only when every character converts
// exactly: false when the input is not valid in `fromCodePage` (an
// incomplete character included) or a character has no place in
// `toCodePage` (no best-fit substitutes). `out` is then unspecified.
bool ConvertCodePageExact(const std::string& text, int fromCodePage, int toCodePage, std::string& out);
// The OEM-to-ANSI conversion of archive entry names.
std::string OemToAnsi(const std::string& text);
// ANSI text to UTF-8 (for terminals and POSIX file names) and back.
std::string AnsiToUtf8(const std::string& text);
std::string Utf8ToAnsi(const std::string& text);

}  // namespace tavo::platform
