// Entry names as archivers store them, turned into the engine's names: 8-bit
// text in the ANSI code page with "\" separators.
//  - bit 11 of the general purpose flag: the stored name is UTF-8;
//  - otherwise an Info-ZIP Unicode Path block (0x7075) of version 1 whose
//    CRC-32 equals that of the stored name gives the UTF-8 name instead; a
//    block of another version or with another CRC is ignored;
//  - otherwise, from a host other than MS-DOS and with no legacy code page
//    chosen, a non-ASCII name that is well-formed UTF-8 and converts exactly
//    to the ANSI code page is taken as UTF-8 (POSIX archivers in UTF-8
//    locales store names so, unmarked);
//  - otherwise the name is 8-bit: from the chosen legacy code page when one
//    is given, else converted from the OEM code page for MS-DOS hosts (unless
//    OEMConvert is oemNever) and taken as it is for other hosts.
// Bytes that are not valid UTF-8 and characters that the target code page
// has no place for become "?" (never a valid file name character on
// Windows), and the name is marked as replaced: the engine lists such an
// entry but never writes it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "unzip/ZipHeaderInfo.h"

namespace tavo::zip {

struct TEntryName {
  std::string name;       // ANSI code page, "\" separators
  bool replaced = false;  // "?" stands for text that did not convert
};

// What an entry's stored name is decoded with.
struct TNameSource {
  uint16_t bitFlag = 0;
  bool msDosHost = false;
  TOEMConvert oemConvert = TOEMConvert::oemAlways;
  // Code page of names with no UTF-8 mark; 0: the OEM/ANSI rule.
  int legacyCodePage = 0;
  // The entry's extra field (central or local), may be empty.
  const uint8_t* extra = nullptr;
  size_t extraSize = 0;
};

TEntryName DecodeEntryName(const std::string& stored, const TNameSource& source);

// The UTF-8 name of a valid Unicode Path block for `stored`; false when the
// extra field holds none (missing, another version, another CRC, cut short).
bool UnicodePathName(const uint8_t* extra, size_t extraSize, const std::string& stored, std::string& utf8);

// Text in `fromCodePage` converted to `toCodePage` character by character
// where it does not convert as a whole: what does not convert becomes "?"
// and sets `replaced`. Bytes that are not valid UTF-8 count as one
// unconvertible character each.
std::string ConvertMarked(const std::string& text, int fromCodePage, int toCodePage, bool& replaced);

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or
// values above U+10FFFF).
bool IsValidUtf8(const std::string& text);

}  // namespace tavo::zip
