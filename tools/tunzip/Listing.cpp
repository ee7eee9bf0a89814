// The "l" and "v" listings.
#include "tools/tunzip/Listing.h"

#include <algorithm>
#include <cinttypes>

#include "platform/CodePage.h"

namespace tavo::tunzip {

using zip::TZipHeaderInfo;

std::string TerminalText(const std::string& text) {
#ifdef _WIN32
  return text;
#else
  return platform::AnsiToUtf8(text);
#endif
}

std::string DisplayName(const TZipHeaderInfo& entry) {
  std::string name = TerminalText(entry.Path());
  // After the conversion no byte of a multi-byte character is "\".
  std::replace(name.begin(), name.end(), '\\', '/');
  return name;
}

std::string MethodName(const TZipHeaderInfo& entry) {
  switch (entry.CompressionMethod) {
    case 0: return "Stored";
    case 1: return "Shrunk";
    case 2: case 3: case 4: case 5: return "Reduce" + std::to_string(entry.CompressionMethod - 1);
    case 6: return "Implode";
    case 8: {
      static const char kVariant[4] = {'N', 'X', 'F', 'S'};
      return std::string("Defl:") + kVariant[(entry.BitFlag >> 1) & 3];
    }
    default: return "Unk:" + std::to_string(entry.CompressionMethod);
  }
}

int RatioPercent(uint64_t compressed, uint64_t uncompressed) {
  if (uncompressed == 0) return 0;
  // Permille first, then rounded half away from zero to whole percent.
  const long double permille = 1000.0L - static_cast<long double>(compressed) * 1000.0L / uncompressed;
  const long long p = static_cast<long long>(permille);
  return static_cast<int>(p >= 0 ? (p + 5) / 10 : (p - 5) / 10);
}

namespace {

void PrintDate(FILE* out, uint32_t dosDateTime) {
  const uint32_t date = dosDateTime >> 16, time = dosDateTime & 0xFFFF;
  std::fprintf(out, "%04u-%02u-%02u %02u:%02u", 1980 + (date >> 9), (date >> 5) & 0x0F, date & 0x1F, time >> 11,
               (time >> 5) & 0x3F);
}

void PrintHeader(zip::TUnZip& unzip, const std::string& archiveName, FILE* out) {
  std::fprintf(out, "Archive:  %s\n", TerminalText(archiveName).c_str());
  const std::string comment = unzip.ArchiveComment();
  if (!comment.empty()) std::fprintf(out, "%s\n", TerminalText(comment).c_str());
}

}  // namespace

bool AllEntriesRead(const zip::TUnZip& unzip, const std::string& archiveName) {
  const uint64_t announced = unzip.AnnouncedEntries();
  const auto read = static_cast<uint64_t>(unzip.EntryCount());
  if (read >= announced) return true;
  std::fflush(stdout);
  std::fprintf(stderr, "tunzip: %s: only %" PRIu64 " of %" PRIu64 " entries could be read\n",
               TerminalText(archiveName).c_str(), read, announced);
  return false;
}

namespace {

// Collects the listing's text and writes it in large blocks: a million
// entries make a million lines, and one stdio call per field was most of
// the listing's time.
class TListingOutput {
 public:
  explicit TListingOutput(FILE* out) : out_(out) { text_.reserve(kBlock + 1024); }
  ~TListingOutput() { Flush(); }
  TListingOutput(const TListingOutput&) = delete;
  TListingOutput& operator=(const TListingOutput&) = delete;

  void Text(const char* s, size_t n) {
    text_.append(s, n);
    if (text_.size() >= kBlock) Flush();
  }
  void Text(const std::string& s) { Text(s.data(), s.size()); }
  // The decimal digits of value, right-aligned in width with pad before.
  void Number(uint64_t value, size_t width, char pad) {
    char digits[20];
    size_t n = 0;
    do {
      digits[n++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value != 0);
    if (n < width) text_.append(width - n, pad);
    while (n > 0) text_.push_back(digits[--n]);
  }
  // "yyyy-mm-dd hh:mm"
  void Date(uint32_t dosDateTime) {
    const uint32_t date = dosDateTime >> 16, time = dosDateTime & 0xFFFF;
    Number(1980 + (date >> 9), 4, '0');
    text_.push_back('-');
    Number((date >> 5) & 0x0F, 2, '0');
    text_.push_back('-');
    Number(date & 0x1F, 2, '0');
    text_.push_back(' ');
    Number(time >> 11, 2, '0');
    text_.push_back(':');
    Number((time >> 5) & 0x3F, 2, '0');
  }
  // The entry's DisplayName; an ASCII name needs no conversion and is
  // copied straight from its two parts.
  void Name(const TZipHeaderInfo& entry) {
    const std::string& dir = entry.Directory();
    const std::string& file = entry.FileName();
    if (!IsAsciiText(dir) || !IsAsciiText(file)) {
      Text(DisplayName(entry));
      return;
    }
    const size_t from = text_.size();
    text_.append(dir).append(file);
    std::replace(text_.begin() + static_cast<std::ptrdiff_t>(from), text_.end(), '\\', '/');
  }
  void Flush() {
    if (!text_.empty()) std::fwrite(text_.data(), 1, text_.size(), out_);
    text_.clear();
  }

 private:
  static bool IsAsciiText(const std::string& s) {
    for (const char c : s)
      if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
  }
  static constexpr size_t kBlock = 256 * 1024;
  FILE* out_;
  std::string text_;
};

}  // namespace

void ListShort(zip::TUnZip& unzip, const std::string& archiveName, FILE* out) {
  PrintHeader(unzip, archiveName, out);
  std::fprintf(out, "  Length      Date    Time    Name\n---------  ---------- -----   ----\n");
  uint64_t total = 0;
  const int count = unzip.EntryCount();
  {
    TListingOutput lines(out);
    for (int i = 0; i < count; ++i) {
      const TZipHeaderInfo& e = unzip.Entry(i);
      const uint64_t size = e.EffectiveUncompressedSize();
      total += size;
      lines.Number(size, 9, ' ');
      lines.Text("  ", 2);
      lines.Date(e.LastModDateTime);
      lines.Text("   ", 3);
      lines.Name(e);
      lines.Text("\n", 1);
    }
  }
  std::fprintf(out, "---------                     -------\n%9" PRIu64 "                     %d file%s\n", total,
               count, count == 1 ? "" : "s");
}

void ListVerbose(zip::TUnZip& unzip, const std::string& archiveName, FILE* out) {
  PrintHeader(unzip, archiveName, out);
  std::fprintf(out,
               " Length   Method    Size  Cmpr    Date    Time   CRC-32   Name\n"
               "--------  ------  ------- ---- ---------- ----- --------  ----\n");
  uint64_t total = 0, totalCompressed = 0;
  const int count = unzip.EntryCount();
  for (int i = 0; i < count; ++i) {
    const TZipHeaderInfo& e = unzip.Entry(i);
    const uint64_t size = e.EffectiveUncompressedSize();
    uint64_t csize = e.EffectiveCompressedSize();
    // Like unzip, the size column leaves out the 12-byte encryption header.
    if (e.Encrypted() && csize >= 12) csize -= 12;
    total += size;
    totalCompressed += csize;
    std::fprintf(out, "%8" PRIu64 "  %-7s%8" PRIu64 " %3d%% ", size, MethodName(e).c_str(), csize,
                 RatioPercent(csize, size));
    PrintDate(out, e.LastModDateTime);
    std::fprintf(out, " %08x  %s\n", e.Crc32, DisplayName(e).c_str());
    if (e.FileCommentLength > 0) std::fprintf(out, "%s\n", TerminalText(unzip.EntryComment(i)).c_str());
  }
  std::fprintf(out,
               "--------          -------  ---                            -------\n"
               "%8" PRIu64 "         %8" PRIu64 " %3d%%                            %d file%s\n",
               total, totalCompressed, RatioPercent(totalCompressed, total), count, count == 1 ? "" : "s");
}

}  // namespace tavo::tunzip
