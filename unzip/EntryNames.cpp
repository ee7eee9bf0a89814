// Decoding of stored entry names: the UTF-8 flag, the Unicode Path block and
// the legacy 8-bit rule.
#include "unzip/EntryNames.h"

#include <algorithm>

#include "platform/CodePage.h"
#include "unzip/Crc32.h"
#include "unzip/ZipFormat.h"

namespace tavo::zip {

namespace {

constexpr int kUtf8CodePage = 65001;
// The longest character of any code page used here, in bytes.
constexpr size_t kMaxCharBytes = 4;

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

// Length of the well-formed UTF-8 character at text[i], 0 when there is none.
size_t Utf8CharLength(const std::string& text, size_t i) {
  const auto b = [&](size_t k) { return static_cast<unsigned char>(text[i + k]); };
  const unsigned char c = b(0);
  if (c < 0x80) return 1;
  size_t n;
  unsigned char lo = 0x80, hi = 0xBF;  // range of the second byte
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    if (c == 0xE0) lo = 0xA0;  // overlong
    if (c == 0xED) hi = 0x9F;  // surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    if (c == 0xF0) lo = 0x90;  // overlong
    if (c == 0xF4) hi = 0x8F;  // above U+10FFFF
  } else {
    return 0;
  }
  if (i + n > text.size()) return 0;
  if (b(1) < lo || b(1) > hi) return 0;
  for (size_t k = 2; k < n; ++k)
    if (b(k) < 0x80 || b(k) > 0xBF) return 0;
  return n;
}

bool IsAscii(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

uint32_t StoredNameCrc(const std::string& stored) {
  return Crc32Update(0xFFFFFFFF, reinterpret_cast<const uint8_t*>(stored.data()), stored.size()) ^ 0xFFFFFFFF;
}

}  // namespace

bool IsValidUtf8(const std::string& text) {
  for (size_t i = 0; i < text.size();) {
    const size_t n = Utf8CharLength(text, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::string ConvertMarked(const std::string& text, int fromCodePage, int toCodePage, bool& replaced) {
  const bool fromUtf8 = fromCodePage == kUtf8CodePage;
  std::string out;
  if ((!fromUtf8 || IsValidUtf8(text)) && platform::ConvertCodePageExact(text, fromCodePage, toCodePage, out))
    return out;
  // Character by character: the shortest run of bytes that converts is one
  // character; a byte that starts none becomes "?".
  out.clear();
  std::string piece;
  for (size_t i = 0; i < text.size();) {
    size_t taken = 0;
    if (fromUtf8) {
      const size_t n = Utf8CharLength(text, i);
      if (n > 0 && platform::ConvertCodePageExact(text.substr(i, n), fromCodePage, toCodePage, piece)) taken = n;
    } else {
      for (size_t n = 1; n <= kMaxCharBytes && i + n <= text.size(); ++n) {
        if (platform::ConvertCodePageExact(text.substr(i, n), fromCodePage, toCodePage, piece)) {
          taken = n;
          break;
        }
      }
    }
    if (taken > 0) {
      out += piece;
      i += taken;
    } else {
      out.push_back('?');
      replaced = true;
      // An unconvertible UTF-8 character is one "?", not one per byte.
      const size_t n = fromUtf8 ? Utf8CharLength(text, i) : 0;
      i += n > 0 ? n : 1;
    }
  }
  return out;
}

bool UnicodePathName(const uint8_t* extra, size_t extraSize, const std::string& stored, std::string& utf8) {
  size_t pos = 0;
  while (extra && pos + kExtraBlockHeaderSize <= extraSize) {
    const uint16_t tag = U16(extra + pos);
    const size_t dataSize = U16(extra + pos + 2);
    const size_t data = pos + kExtraBlockHeaderSize;
    if (data + dataSize > extraSize) return false;
    if (tag == kUnicodePathExtraTag && dataSize >= kUnicodePathHeaderSize) {
      const uint8_t* block = extra + data;
      if (block[0] != kUnicodePathVersion || U32(block + 1) != StoredNameCrc(stored)) return false;
      utf8.assign(reinterpret_cast<const char*>(block + kUnicodePathHeaderSize), dataSize - kUnicodePathHeaderSize);
      return !utf8.empty();
    }
    pos = data + dataSize;
  }
  return false;
}

TEntryName DecodeEntryName(const std::string& stored, const TNameSource& source) {
  TEntryName result;
  std::string utf8;
  const bool isUtf8 = (source.bitFlag & kFlagUtf8) != 0;
  if (isUtf8 || UnicodePathName(source.extra, source.extraSize, stored, utf8)) {
    if (isUtf8) utf8 = stored;
    // No byte of a multi-byte UTF-8 character is "/", so the separators can
    // be replaced before the conversion.
    std::replace(utf8.begin(), utf8.end(), '/', '\\');
    result.name = ConvertMarked(utf8, kUtf8CodePage, platform::AnsiCodePage(), result.replaced);
    return result;
  }
  // Archivers on POSIX hosts in a UTF-8 locale (Info-ZIP zip among them)
  // store UTF-8 names with neither mark. Such a name is read as UTF-8 when
  // it is well-formed, not plain ASCII, and every character has a place in
  // the ANSI code page; 8-bit names seldom pass all three, and one that does
  // not keeps the legacy reading.
  if (!source.msDosHost && source.legacyCodePage == 0 && !IsAscii(stored) && IsValidUtf8(stored)) {
    utf8 = stored;
    std::replace(utf8.begin(), utf8.end(), '/', '\\');
    if (platform::ConvertCodePageExact(utf8, kUtf8CodePage, platform::AnsiCodePage(), result.name)) return result;
  }
  result.name = stored;
  // In the double-byte code pages of legacy names no trail byte is "/".
  std::replace(result.name.begin(), result.name.end(), '/', '\\');
  if (source.legacyCodePage != 0)
    result.name = ConvertMarked(result.name, source.legacyCodePage, platform::AnsiCodePage(), result.replaced);
  else if (source.msDosHost && source.oemConvert != TOEMConvert::oemNever)
    result.name = platform::OemToAnsi(result.name);
  return result;
}

}  // namespace tavo::zip
