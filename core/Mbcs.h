// Double-byte text in code page 936: the one place that knows lead bytes, so
// that no path rule ever takes the second byte of a character for "\".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavo {

// The code page our 8-bit text is in on the target systems (GBK).
constexpr int kDefaultCodePage = 936;

// True when b starts a double-byte character in the given code page.
// Code page 936 and 949/950 take 0x81..0xFE as lead bytes; 932 takes
// 0x81..0x9F and 0xE0..0xFC; single-byte code pages have none.
bool IsLeadByte(unsigned char b, int codePage = kDefaultCodePage);

// Position of the last character of s that is one of delims, counting only
// whole characters (a trail byte never matches); npos when there is none.
size_t LastDelimiter(std::string_view s, std::string_view delims, int codePage = kDefaultCodePage);

// Directory part of a path: everything up to and including its last "\" or
// ":"; empty when it has neither.
std::string ExtractFilePath(std::string_view path, int codePage = kDefaultCodePage);

// The name after the directory part.
std::string ExtractFileName(std::string_view path, int codePage = kDefaultCodePage);

// True when the last whole character of s is "\".
bool EndsWithPathDelimiter(std::string_view s, int codePage = kDefaultCodePage);

// Case folding of 8-bit text: only the ASCII letters that are whole
// characters change; both bytes of a double-byte character stay as they are
// (a GBK trail byte may well be 0x41..0x5A or 0x61..0x7A).
std::string UpperCaseMbcs(std::string_view s, int codePage = kDefaultCodePage);
std::string LowerCaseMbcs(std::string_view s, int codePage = kDefaultCodePage);

// Compares a and b ignoring the case of whole-character ASCII letters, by
// the upper-cased byte values (unsigned, so double-byte text sorts after
// ASCII): negative, zero or positive.
int CompareTextMbcs(std::string_view a, std::string_view b, int codePage = kDefaultCodePage);
bool SameTextMbcs(std::string_view a, std::string_view b, int codePage = kDefaultCodePage);

// True when text begins with prefix ignoring case and the prefix ends on a
// character boundary of text (half a double-byte character is no prefix).
bool StartsWithTextMbcs(std::string_view text, std::string_view prefix, int codePage = kDefaultCodePage);
// True when text ends with suffix ignoring case and the suffix starts on a
// character boundary of text.
bool EndsWithTextMbcs(std::string_view text, std::string_view suffix, int codePage = kDefaultCodePage);

}  // namespace tavo
