// The skin INI dialect and its value readers and writers.
#include "skin/SkinIni.h"

#include <algorithm>
#include <array>

#include "core/Exception.h"
#include "core/Mbcs.h"
#include "skin/SkinExceptions.h"

namespace tavo::skin {

namespace {

constexpr size_t kHashBuckets = 256;

size_t HashName(std::string_view upper) {
  uint32_t h = 0;
  for (unsigned char c : upper) h = h * 31 + c;
  return h % kHashBuckets;
}

bool SameName(std::string_view a, std::string_view b) { return a.size() == b.size() && UpperCase8(a) == UpperCase8(b); }

}  // namespace

std::string_view TrimText(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return text.substr(begin, end - begin);
}

std::string UpperCase8(std::string_view text) {
  std::string out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(out[i]);
    if (IsLeadByte(c)) {
      ++i;  // the trail byte may look like a letter; it is not one
    } else if (c >= 'a' && c <= 'z') {
      out[i] = static_cast<char>(c - 'a' + 'A');
    }
  }
  return out;
}

bool TryStrToInt(std::string_view text, int32_t& value) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return false;
  uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return false;
    magnitude = magnitude * base + digit;
    if (magnitude > 0xFFFFFFFFull) return false;
  }
  int64_t result;
  if (base == 16) {
    // Hex is a bit pattern: "$FFFFFFFF" is -1.
    result = static_cast<int32_t>(static_cast<uint32_t>(magnitude));
    if (negative) result = -result;
    if (result > INT32_MAX) return false;
  } else {
    result = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    if (result < INT32_MIN || result > INT32_MAX) return false;
  }
  value = static_cast<int32_t>(result);
  return true;
}

// --- the dialect -------------------------------------------------------------

std::vector<std::string> TSkinIni::SplitLines(std::string_view text) {
  const size_t zero = text.find('\0');
  if (zero != std::string_view::npos) text = text.substr(0, zero);
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

void TSkinIni::SetLines(std::vector<std::string> lines) {
  sections_.clear();
  for (const std::string& raw : lines) {
    const std::string_view line = TrimText(raw);
    if (line.empty() || line[0] == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      sections_.push_back(TSection{std::string(TrimText(line.substr(1, line.size() - 2))), {}, {}});
      continue;
    }
    if (sections_.empty()) continue;  // lines before the first section
    TEntry entry;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
      entry.value = std::string(line);
    } else {
      entry.key = std::string(TrimText(line.substr(0, eq)));
      entry.value = std::string(TrimText(line.substr(eq + 1)));
      entry.hasValue = true;
    }
    sections_.back().entries.push_back(std::move(entry));
  }
  Invalidate();
}

std::vector<std::string> TSkinIni::Lines() const {
  std::vector<std::string> lines;
  for (const TSection& s : sections_) {
    lines.push_back("[" + s.name + "]");
    for (const TEntry& e : s.entries) lines.push_back(e.hasValue ? e.key + "=" + e.value : e.value);
    lines.emplace_back();
  }
  return lines;
}

void TSkinIni::Invalidate() {
  sectionBuckets_.clear();
  for (TSection& s : sections_) s.keyBuckets.clear();
}

const TSkinIni::TSection* TSkinIni::FindSection(std::string_view name) const {
  if (sectionBuckets_.empty()) {
    sectionBuckets_.resize(kHashBuckets);
    for (size_t i = 0; i < sections_.size(); ++i)
      sectionBuckets_[HashName(UpperCase8(sections_[i].name))].push_back(static_cast<int>(i));
  }
  const std::string upper = UpperCase8(name);
  const auto& bucket = sectionBuckets_[HashName(upper)];
  // Buckets hold indexes in text order: the last match is the later section.
  for (auto it = bucket.rbegin(); it != bucket.rend(); ++it)
    if (SameName(sections_[*it].name, name)) return &sections_[*it];
  return nullptr;
}

TSkinIni::TSection* TSkinIni::FindSection(std::string_view name) {
  return const_cast<TSection*>(static_cast<const TSkinIni*>(this)->FindSection(name));
}

const TSkinIni::TEntry* TSkinIni::FindEntry(const TSection& section, std::string_view key) {
  if (section.keyBuckets.empty()) {
    section.keyBuckets.resize(kHashBuckets);
    for (size_t i = 0; i < section.entries.size(); ++i)
      if (section.entries[i].hasValue)
        section.keyBuckets[HashName(UpperCase8(section.entries[i].key))].push_back(static_cast<int>(i));
  }
  const auto& bucket = section.keyBuckets[HashName(UpperCase8(key))];
  for (auto it = bucket.rbegin(); it != bucket.rend(); ++it)
    if (SameName(section.entries[*it].key, key)) return &section.entries[*it];
  return nullptr;
}

bool TSkinIni::SectionExists(std::string_view section) const {
  const TSection* s = FindSection(section);
  return s != nullptr && !s->entries.empty();
}

std::optional<std::string> TSkinIni::Find(std::string_view section, std::string_view key) const {
  const TSection* s = FindSection(section);
  if (s == nullptr) return std::nullopt;
  const TEntry* e = FindEntry(*s, key);
  if (e == nullptr) return std::nullopt;
  return e->value;
}

std::string TSkinIni::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  auto v = Find(section, key);
  return v ? *v : std::string(def);
}

int32_t TSkinIni::ReadInteger(std::string_view section, std::string_view key, int32_t def) const {
  auto v = Find(section, key);
  int32_t result;
  return v && TryStrToInt(*v, result) ? result : def;
}

void TSkinIni::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  TSection* s = FindSection(section);
  if (s == nullptr) {
    sections_.push_back(TSection{std::string(section), {}, {}});
    s = &sections_.back();
    // Keep the section hash current rather than rebuilding it per write.
    sectionBuckets_[HashName(UpperCase8(section))].push_back(static_cast<int>(sections_.size() - 1));
  }
  if (const TEntry* found = FindEntry(*s, key)) {
    const_cast<TEntry*>(found)->value = std::string(value);
    return;
  }
  s->entries.push_back(TEntry{std::string(key), std::string(value), true});
  s->keyBuckets[HashName(UpperCase8(key))].push_back(static_cast<int>(s->entries.size() - 1));
}

size_t TSkinIni::SectionSize(std::string_view section) const {
  const TSection* s = FindSection(section);
  return s == nullptr ? 0 : s->entries.size();
}

std::vector<int32_t> TSkinIni::IndexKeys(std::string_view section) const {
  std::vector<int32_t> keys;
  const TSection* s = FindSection(section);
  if (s == nullptr) return keys;
  for (const TEntry& e : s->entries) {
    const std::string& k = e.key;
    if (k.empty() || k.size() > 10 || (k.size() > 1 && k[0] == '0')) continue;
    if (!std::all_of(k.begin(), k.end(), [](char c) { return c >= '0' && c <= '9'; })) continue;
    const int64_t v = std::stoll(k);
    if (v <= INT32_MAX) keys.push_back(static_cast<int32_t>(v));
  }
  std::sort(keys.begin(), keys.end());
  keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
  return keys;
}

int64_t TSkinIni::LargestIndexKey(std::string_view section) const {
  const std::vector<int32_t> keys = IndexKeys(section);
  return keys.empty() ? -1 : keys.back();
}

void TSkinIni::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TSkinIni::EraseSection(std::string_view section) {
  std::erase_if(sections_, [&](const TSection& s) { return SameName(s.name, section); });
  Invalidate();
}

// --- value readers -------------------------------------------------------------

namespace {

// The number rule of rectangles and points: "," closes a field, digits are
// collected, everything else (a minus sign, spaces) is skipped. Fields past
// the expected count are ignored.
template <size_t N>
std::array<int32_t, N> ReadNumberFields(std::string_view value) {
  std::array<std::string, N> fields;
  size_t field = 0;
  for (char c : value) {
    if (c == ',') {
      if (++field == N) break;
    } else if (c >= '0' && c <= '9') {
      fields[field] += c;
    }
  }
  std::array<int32_t, N> numbers{};
  for (size_t i = 0; i < N; ++i) {
    if (!TryStrToInt(fields[i], numbers[i])) throw EConvertError(fields[i]);
  }
  return numbers;
}

std::optional<std::string> Lookup(const TSkinIni& ini, std::string_view section, std::string_view key) {
  return ini.Find(section, key);
}

template <typename E, size_t N>
E ReadEnum(const TSkinIni& ini, std::string_view section, std::string_view key,
           const std::array<const char*, N>& names, E absent, E other) {
  auto v = Lookup(ini, section, key);
  if (!v) return absent;
  for (size_t i = 0; i < N; ++i)
    if (*v == names[i]) return static_cast<E>(i);
  return other;
}

constexpr std::array<const char*, 7> kMorphKindNames = {"mkdefault",      "mkgradient",   "mkleftgradient", "mkrightgradient",
                                                       "mkleftslide", "mkrightslide", "mkpush"};
constexpr std::array<const char*, 6> kInactiveEffectNames = {"iebrightness", "iedarkness",  "iegrayscale",
                                                            "ienoise",      "iesplitblur", "ieinvert"};
constexpr std::array<const char*, 7> kCommandNames = {"cmclose",  "cmmaximize", "cmminimize",      "cmsysmenu",
                                                     "cmdefault", "cmrollup",   "cmminimizetotray"};
constexpr std::array<const char*, 4> kFontStyleNames = {"fsbold", "fsitalic", "fsunderline", "fsstrikeout"};

}  // namespace

TRect ReadRect(const TSkinIni& ini, std::string_view section, std::string_view key) {
  auto v = Lookup(ini, section, key);
  if (!v) return TRect{};
  const auto n = ReadNumberFields<4>(*v);
  return TRect{n[0], n[1], n[2], n[3]};
}

TPoint ReadPoint(const TSkinIni& ini, std::string_view section, std::string_view key) {
  auto v = Lookup(ini, section, key);
  if (!v) return TPoint{};
  const auto n = ReadNumberFields<2>(*v);
  return TPoint{n[0], n[1]};
}

bool ReadBoolean(const TSkinIni& ini, std::string_view section, std::string_view key) {
  return ini.ReadInteger(section, key, 0) == 1;
}

TFontStyles ReadFontStyle(const TSkinIni& ini, std::string_view section, std::string_view key) {
  TFontStyles styles;
  auto v = Lookup(ini, section, key);
  if (!v) return styles;
  for (size_t i = 0; i < kFontStyleNames.size(); ++i)
    if (v->find(kFontStyleNames[i]) != std::string::npos) styles.Include(static_cast<TFontStyle>(i));
  return styles;
}

TAlignment ReadAlignment(const TSkinIni& ini, std::string_view section, std::string_view key) {
  auto v = Lookup(ini, section, key);
  if (!v || *v == "tacenter") return TAlignment::taCenter;
  if (*v == "taleftjustify") return TAlignment::taLeftJustify;
  return TAlignment::taRightJustify;
}

TMorphKind ReadMorphKind(const TSkinIni& ini, std::string_view section, std::string_view key) {
  return ReadEnum(ini, section, key, kMorphKindNames, TMorphKind::mkDefault, TMorphKind::mkDefault);
}

TInactiveEffect ReadInactiveEffect(const TSkinIni& ini, std::string_view section, std::string_view key) {
  return ReadEnum(ini, section, key, kInactiveEffectNames, TInactiveEffect::ieBrightness,
                  TInactiveEffect::ieGrayScale);
}

TStdCommand ReadCommand(const TSkinIni& ini, std::string_view section, std::string_view key) {
  return ReadEnum(ini, section, key, kCommandNames, TStdCommand::cmDefault, TStdCommand::cmMinimizeToTray);
}

void ReadList(const TSkinIni& ini, std::string_view section, std::string_view key, std::vector<std::string>& list) {
  list.clear();
  const int32_t count = ini.ReadInteger(section, std::string(key) + "count", 0);
  // Entries after the largest index present would all be empty: stop there,
  // so a damaged count cannot build millions of them, while a sparse list
  // (count=100 with only 99=) keeps its last entry. An index beyond
  // kMaxListTexts is damage too: honouring it would take gigabytes.
  const int64_t limit = std::min<int64_t>({count, ini.LargestIndexKey(section) + 1, kMaxListTexts});
  for (int32_t i = 0; i < limit; ++i) {
    list.push_back(ini.ReadString(section, std::to_string(i), ""));
  }
}

// --- value writers -------------------------------------------------------------

void WriteRect(TSkinIni& ini, std::string_view section, std::string_view key, const TRect& r) {
  ini.WriteString(section, key, Format("%d,%d,%d,%d", r.left, r.top, r.right, r.bottom));
}

void WritePoint(TSkinIni& ini, std::string_view section, std::string_view key, const TPoint& p) {
  ini.WriteString(section, key, Format("%d,%d", p.x, p.y));
}

void WriteBoolean(TSkinIni& ini, std::string_view section, std::string_view key, bool value) {
  ini.WriteInteger(section, key, value ? 1 : 0);
}

void WriteFontStyle(TSkinIni& ini, std::string_view section, std::string_view key, TFontStyles value) {
  std::string text;
  for (size_t i = 0; i < kFontStyleNames.size(); ++i) {
    if (!value.Contains(static_cast<TFontStyle>(i))) continue;
    if (!text.empty()) text += ",";
    text += kFontStyleNames[i];
  }
  ini.WriteString(section, key, text);
}

void WriteAlignment(TSkinIni& ini, std::string_view section, std::string_view key, TAlignment value) {
  const char* text = value == TAlignment::taLeftJustify ? "taleftjustify"
                     : value == TAlignment::taCenter    ? "tacenter"
                                                        : "tarightjustify";
  ini.WriteString(section, key, text);
}

void WriteMorphKind(TSkinIni& ini, std::string_view section, std::string_view key, TMorphKind value) {
  ini.WriteString(section, key, kMorphKindNames[static_cast<size_t>(value)]);
}

void WriteInactiveEffect(TSkinIni& ini, std::string_view section, std::string_view key, TInactiveEffect value) {
  ini.WriteString(section, key, kInactiveEffectNames[static_cast<size_t>(value)]);
}

void WriteCommand(TSkinIni& ini, std::string_view section, std::string_view key, TStdCommand value) {
  ini.WriteString(section, key, kCommandNames[static_cast<size_t>(value)]);
}

void WriteList(TSkinIni& ini, std::string_view section, std::string_view key, const std::vector<std::string>& list) {
  ini.WriteInteger(section, std::string(key) + "count", static_cast<int32_t>(list.size()));
  for (size_t i = 0; i < list.size(); ++i) ini.WriteString(section, std::to_string(i), list[i]);
}

}  // namespace tavo::skin
