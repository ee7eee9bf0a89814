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

void ListShort(zip::TUnZip& unzip, const std::string& archiveName, FILE* out) {
  PrintHeader(unzip, archiveName, out);
  std::fprintf(out, "  Length      Date    Time    Name\n---------  ---------- -----   ----\n");
  uint64_t total = 0;
  const int count = unzip.EntryCount();
  for (int i = 0; i < count; ++i) {
    const TZipHeaderInfo& e = unzip.Entry(i);
    total += e.EffectiveUncompressedSize();
    std::fprintf(out, "%9" PRIu64 "  ", e.EffectiveUncompressedSize());
    PrintDate(out, e.LastModDateTime);
    std::fprintf(out, "   %s\n", DisplayName(e).c_str());
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
