// Runs the entry data pipeline over bytes in memory, for the codec tests.
#include "unzip/codec/CodecHelpers.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "support/ZipBuilder.h"

namespace tavo::test {

DecodeResult DecodeEntry(uint16_t method, uint16_t flags, const std::string& compressed,
                         uint64_t uncompressedSize, int64_t compressedSize) {
  zip::TDataPipeline pipe;
  DecodeResult r;
  size_t at = 0;
  pipe.ReadBlock = [&](uint8_t* buffer, size_t count) {
    const size_t n = std::min(count, compressed.size() - at);
    std::memcpy(buffer, compressed.data() + at, n);
    at += n;
    return n;
  };
  pipe.WriteBlock = [&](const uint8_t* data, size_t count) {
    r.output.append(reinterpret_cast<const char*>(data), count);
    r.blocks.push_back(count);
    return count;
  };
  pipe.OnFilePercentDone = [&](int percent) { r.filePercents.push_back(percent); };
  zip::TPipelineEntry entry;
  entry.CompressionMethod = method;
  entry.BitFlag = flags;
  entry.CompressedSize = compressedSize < 0 ? compressed.size() : static_cast<uint64_t>(compressedSize);
  entry.UncompressedSize = uncompressedSize;
  pipe.Reset(entry);
  r.decoded = pipe.Decode();
  r.crc = pipe.Crc();
  return r;
}

namespace {
uint32_t U16(const std::string& s, size_t at) {
  return static_cast<uint8_t>(s.at(at)) | static_cast<uint8_t>(s.at(at + 1)) << 8;
}
uint32_t U32(const std::string& s, size_t at) { return U16(s, at) | U16(s, at + 2) << 16; }
}  // namespace

std::vector<RawEntry> ReadRawEntries(const std::string& archive) {
  const size_t end = archive.rfind(std::string("PK\x05\x06", 4));
  if (end == std::string::npos) throw std::runtime_error("no end record");
  const size_t count = U16(archive, end + 10);
  size_t at = U32(archive, end + 16);
  std::vector<RawEntry> entries;
  for (size_t i = 0; i < count; ++i) {
    RawEntry e;
    e.flags = static_cast<uint16_t>(U16(archive, at + 8));
    e.method = static_cast<uint16_t>(U16(archive, at + 10));
    e.dosDateTime = U32(archive, at + 12);
    e.crc = U32(archive, at + 16);
    const size_t compressed = U32(archive, at + 20);
    e.uncompressedSize = U32(archive, at + 24);
    const size_t nameLen = U16(archive, at + 28);
    const size_t extraLen = U16(archive, at + 30);
    const size_t commentLen = U16(archive, at + 32);
    const size_t local = U32(archive, at + 42);
    e.name = archive.substr(at + 46, nameLen);
    const size_t dataAt = local + 30 + U16(archive, local + 26) + U16(archive, local + 28);
    e.data = archive.substr(dataAt, compressed);
    entries.push_back(e);
    at += 46 + nameLen + extraLen + commentLen;
  }
  return entries;
}

std::string OneEntryArchive(const std::string& name, uint16_t method, uint16_t flags, const std::string& compressed,
                            const std::string& plain) {
  ZipBuilder b;
  ZipEntry e = ZipEntry::Stored(name, plain);
  e.method = method;
  e.flags = flags;
  e.data = compressed;
  e.versionNeeded = 10;
  b.Add(e);
  return b.Build();
}

}  // namespace tavo::test
