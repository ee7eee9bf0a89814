// bench_decode ARCHIVE OUTDIR | --no-output
// Extracts every entry of a ZIP archive (methods 0, 1, 2..5, 6, 8; no
// encryption) with the engine's data pipeline and decoders, checking each
// CRC-32, so the decoders can be timed against other extractors on the same
// archive. Entry names are flattened into OUTDIR. With --no-output the data
// is decoded and checked but not written (the bare decoding loop).
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "unzip/DataPipeline.h"
#include "unzip/ZipExceptions.h"

namespace {

uint32_t U16(const uint8_t* p) { return p[0] | p[1] << 8; }
uint32_t U32(const uint8_t* p) { return U16(p) | U16(p + 2) << 16; }

struct Entry {
  std::string name;
  uint16_t method, flags;
  uint32_t crc;
  uint64_t compressed, uncompressed, localOffset;
};

bool ReadAt(FILE* f, uint64_t at, void* buf, size_t n) {
  return fseeko(f, static_cast<off_t>(at), SEEK_SET) == 0 && fread(buf, 1, n, f) == n;
}

std::vector<Entry> ReadDirectory(FILE* f) {
  fseeko(f, 0, SEEK_END);
  const uint64_t size = static_cast<uint64_t>(ftello(f));
  const uint64_t tail = size < 65557 ? size : 65557;
  std::vector<uint8_t> buf(tail);
  if (!ReadAt(f, size - tail, buf.data(), tail)) return {};
  size_t end = std::string::npos;
  for (size_t i = tail - 22 + 1; i-- > 0;)
    if (U32(&buf[i]) == 0x06054B50) {
      end = i;
      break;
    }
  if (end == std::string::npos) return {};
  const uint32_t count = U16(&buf[end + 10]);
  const uint32_t cdSize = U32(&buf[end + 12]);
  const uint32_t cdOffset = U32(&buf[end + 16]);
  std::vector<uint8_t> cd(cdSize);
  if (!ReadAt(f, cdOffset, cd.data(), cdSize)) return {};
  std::vector<Entry> entries;
  size_t at = 0;
  for (uint32_t i = 0; i < count && at + 46 <= cd.size(); ++i) {
    const uint8_t* h = &cd[at];
    Entry e;
    e.flags = static_cast<uint16_t>(U16(h + 8));
    e.method = static_cast<uint16_t>(U16(h + 10));
    e.crc = U32(h + 16);
    e.compressed = U32(h + 20);
    e.uncompressed = U32(h + 24);
    const size_t nameLen = U16(h + 28), extraLen = U16(h + 30), commentLen = U16(h + 32);
    e.localOffset = U32(h + 42);
    e.name.assign(reinterpret_cast<const char*>(h + 46), nameLen);
    entries.push_back(e);
    at += 46 + nameLen + extraLen + commentLen;
  }
  return entries;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: bench_decode ARCHIVE OUTDIR|--no-output\n");
    return 2;
  }
  const bool write = std::strcmp(argv[2], "--no-output") != 0;
  FILE* archive = std::fopen(argv[1], "rb");
  if (!archive) {
    std::perror(argv[1]);
    return 2;
  }
  const std::vector<Entry> entries = ReadDirectory(archive);
  tavo::zip::TDataPipeline pipe;
  FILE* out = nullptr;
  pipe.ReadBlock = [&](uint8_t* buffer, size_t count) { return std::fread(buffer, 1, count, archive); };
  pipe.WriteBlock = [&](const uint8_t* data, size_t count) {
    return out ? std::fwrite(data, 1, count, out) : count;
  };
  int failures = 0;
  for (const Entry& e : entries) {
    if (e.name.empty() || e.name.back() == '/') continue;
    uint8_t local[30];
    if (!ReadAt(archive, e.localOffset, local, sizeof local) ||
        fseeko(archive, static_cast<off_t>(e.localOffset + 30 + U16(local + 26) + U16(local + 28)), SEEK_SET) != 0) {
      ++failures;
      continue;
    }
    if (write) {
      std::string flat = e.name;
      for (char& c : flat)
        if (c == '/' || c == '\\') c = '_';
      out = std::fopen((std::string(argv[2]) + "/" + flat).c_str(), "wb");
      if (!out) {
        std::perror(flat.c_str());
        return 2;
      }
    }
    tavo::zip::TPipelineEntry pe;
    pe.CompressionMethod = e.method;
    pe.BitFlag = e.flags;
    pe.CompressedSize = e.compressed;
    pe.UncompressedSize = e.uncompressed;
    bool ok = false;
    try {
      pipe.Reset(pe);
      ok = tavo::zip::TDataPipeline::CanDecode(e.method) && pipe.Decode() && pipe.Crc() == e.crc;
    } catch (const tavo::zip::EZipException& ex) {
      std::fprintf(stderr, "%s: %s\n", e.name.c_str(), ex.what());
    }
    if (out) std::fclose(out);
    out = nullptr;
    if (!ok) {
      std::fprintf(stderr, "%s: bad data or CRC\n", e.name.c_str());
      ++failures;
    }
  }
  std::fclose(archive);
  return failures == 0 ? 0 : 1;
}
