// TSkinIni: the INI dialect of a skin's text (trimmed lines, ";" comments,
// case-insensitive sections and keys with the later one winning, 256-bucket
// hash lookups), and the readers and writers of the skin value types.
// Portable.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Rect.h"
#include "skin/SkinTypes.h"

namespace tavo::skin {

class TSkinIni {
 public:
  TSkinIni() = default;
  explicit TSkinIni(std::vector<std::string> lines) { SetLines(std::move(lines)); }

  // Splits 8-bit text into lines: CR LF, a lone CR or a lone LF ends a line;
  // a zero byte ends the text.
  static std::vector<std::string> SplitLines(std::string_view text);

  // Parses the lines; the previous content is dropped.
  void SetLines(std::vector<std::string> lines);
  // The content as lines, sections in order, for writing back.
  std::vector<std::string> Lines() const;

  // True when the section exists and has at least one line.
  bool SectionExists(std::string_view section) const;
  // Number of lines in the section (0 when absent).
  size_t SectionSize(std::string_view section) const;
  // The keys of the section written as list indexes (decimal digits, no
  // leading zero, at most 2^31 - 1), ascending, each once.
  std::vector<int32_t> IndexKeys(std::string_view section) const;
  // The largest of them, or -1 when the section has none.
  int64_t LargestIndexKey(std::string_view section) const;
  // The value of a key, or nothing when the section or key is absent.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  bool ValueExists(std::string_view section, std::string_view key) const { return Find(section, key).has_value(); }

  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  // Decimal with an optional sign, or "0x"/"0X"/"$" and hex digits; a text
  // that is not a 32-bit number gives def.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;

  // Sets a key (adding the section at the end when missing).
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int32_t value);
  void EraseSection(std::string_view section);

 private:
  struct TEntry {
    std::string key;    // trimmed; empty for a line without "="
    std::string value;  // trimmed value, or the whole line when it has no "="
    bool hasValue = false;
  };
  struct TSection {
    std::string name;
    std::vector<TEntry> entries;
    // Key hash: 256 buckets of entry indexes, built on first lookup.
    mutable std::vector<std::vector<int>> keyBuckets;
  };

  const TSection* FindSection(std::string_view name) const;
  TSection* FindSection(std::string_view name);
  static const TEntry* FindEntry(const TSection& section, std::string_view key);
  void Invalidate();

  std::vector<TSection> sections_;
  mutable std::vector<std::vector<int>> sectionBuckets_;
};

// The number behind ReadInteger's rule; false when text is not a number.
bool TryStrToInt(std::string_view text, int32_t& value);
// Trims spaces and control characters at both ends.
std::string_view TrimText(std::string_view text);
// Upper-cases the single-byte letters, leaving double-byte characters whole.
std::string UpperCase8(std::string_view text);

// Value readers, shared by every record.
// Rectangles and points: digits are collected per ","-separated field and
// every other character is skipped; a field with no digit, or one too large
// for 32 bits, throws EConvertError. Absent keys give zero.
TRect ReadRect(const TSkinIni& ini, std::string_view section, std::string_view key);
TPoint ReadPoint(const TSkinIni& ini, std::string_view section, std::string_view key);
// True exactly when the integer is 1.
bool ReadBoolean(const TSkinIni& ini, std::string_view section, std::string_view key);
TFontStyles ReadFontStyle(const TSkinIni& ini, std::string_view section, std::string_view key);
TAlignment ReadAlignment(const TSkinIni& ini, std::string_view section, std::string_view key);
TMorphKind ReadMorphKind(const TSkinIni& ini, std::string_view section, std::string_view key);
TInactiveEffect ReadInactiveEffect(const TSkinIni& ini, std::string_view section, std::string_view key);
TStdCommand ReadCommand(const TSkinIni& ini, std::string_view section, std::string_view key);
// Reads key + "count", then the keys "0" to count-1, stopping after the
// largest index key the section holds: a sparse list keeps its high
// entries, and a damaged count builds no endless run of empty texts. A list
// never holds more than kMaxListTexts texts.
constexpr int32_t kMaxListTexts = 65536;
void ReadList(const TSkinIni& ini, std::string_view section, std::string_view key, std::vector<std::string>& list);

// Writers in the conventional forms, for SaveToIni.
void WriteRect(TSkinIni& ini, std::string_view section, std::string_view key, const TRect& r);
void WritePoint(TSkinIni& ini, std::string_view section, std::string_view key, const TPoint& p);
void WriteBoolean(TSkinIni& ini, std::string_view section, std::string_view key, bool value);
void WriteFontStyle(TSkinIni& ini, std::string_view section, std::string_view key, TFontStyles value);
void WriteAlignment(TSkinIni& ini, std::string_view section, std::string_view key, TAlignment value);
void WriteMorphKind(TSkinIni& ini, std::string_view section, std::string_view key, TMorphKind value);
void WriteInactiveEffect(TSkinIni& ini, std::string_view section, std::string_view key, TInactiveEffect value);
void WriteCommand(TSkinIni& ini, std::string_view section, std::string_view key, TStdCommand value);
void WriteList(TSkinIni& ini, std::string_view section, std::string_view key, const std::vector<std::string>& list);

// True when the rectangle's width or height is below 1.
constexpr bool IsRectEmpty(const TRect& r) {
  return int64_t{r.right} - r.left < 1 || int64_t{r.bottom} - r.top < 1;
}

}  // namespace tavo::skin
