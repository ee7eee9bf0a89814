// The test ZIP builder.
#include "support/ZipBuilder.h"

#include <zlib.h>

#include <fstream>
#include <stdexcept>

namespace tavo::test {

void PutU16(std::string& out, uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void PutU32(std::string& out, uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

void PutU64(std::string& out, uint64_t v) {
  PutU32(out, static_cast<uint32_t>(v));
  PutU32(out, static_cast<uint32_t>(v >> 32));
}

uint32_t Crc32(const std::string& data) {
  return static_cast<uint32_t>(
      crc32(0L, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

std::string DeflateRaw(const std::string& data, int level) {
  z_stream z{};
  if (deflateInit2(&z, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
    throw std::runtime_error("deflateInit2 failed");
  std::string out(deflateBound(&z, static_cast<uLong>(data.size())) + 16, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  const int r = deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  if (r != Z_STREAM_END) throw std::runtime_error("deflate did not finish");
  return out;
}

namespace {

struct Keys {
  uint32_t k0 = 0x12345678, k1 = 0x23456789, k2 = 0x34567890;
  static uint32_t CrcStep(uint32_t crc, uint8_t b) {
    // One byte of the reflected CRC-32, computed bitwise (independent of the
    // engine's table).
    crc ^= b;
    for (int i = 0; i < 8; ++i) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    return crc;
  }
  void Update(uint8_t p) {
    k0 = CrcStep(k0, p);
    k1 = (k1 + (k0 & 0xFF)) * 134775813u + 1;
    k2 = CrcStep(k2, static_cast<uint8_t>(k1 >> 24));
  }
  uint8_t Stream() const {
    const uint32_t t = (k2 & 0xFFFF) | 2;
    return static_cast<uint8_t>((t * (t ^ 1)) >> 8);
  }
};

}  // namespace

std::string EncryptTraditional(const std::string& data, const std::string& password, uint8_t checkByte) {
  Keys keys;
  for (unsigned char c : password) keys.Update(c);
  std::string plain;
  for (int i = 0; i < 11; ++i) plain.push_back(static_cast<char>(0x35 + i * 7));
  plain.push_back(static_cast<char>(checkByte));
  plain += data;
  std::string out(plain.size(), '\0');
  for (size_t i = 0; i < plain.size(); ++i) {
    const auto p = static_cast<uint8_t>(plain[i]);
    out[i] = static_cast<char>(p ^ keys.Stream());
    keys.Update(p);
  }
  return out;
}

std::string Zip64Extra(const std::vector<uint64_t>& values64, std::optional<uint32_t> disk) {
  std::string block;
  PutU16(block, 1);
  PutU16(block, static_cast<uint32_t>(values64.size() * 8 + (disk ? 4 : 0)));
  for (uint64_t v : values64) PutU64(block, v);
  if (disk) PutU32(block, *disk);
  return block;
}

uint32_t DosDateTime(int year, int month, int day, int hour, int minute, int second) {
  const uint32_t date = static_cast<uint32_t>((year - 1980) << 9 | month << 5 | day);
  const uint32_t time = static_cast<uint32_t>(hour << 11 | minute << 5 | second / 2);
  return date << 16 | time;
}

ZipEntry ZipEntry::Stored(const std::string& name, const std::string& content) {
  ZipEntry e;
  e.name = name;
  e.data = content;
  e.method = 0;
  e.versionNeeded = 10;
  e.crc = Crc32(content);
  e.uncompressedSize = content.size();
  return e;
}

ZipEntry ZipEntry::Deflated(const std::string& name, const std::string& content, int level) {
  ZipEntry e;
  e.name = name;
  e.data = DeflateRaw(content, level);
  e.method = 8;
  e.crc = Crc32(content);
  e.uncompressedSize = content.size();
  return e;
}

ZipEntry& ZipEntry::Encrypt(const std::string& password) {
  flags |= 1;
  const uint8_t check = dataDescriptor ? static_cast<uint8_t>(dosDateTime >> 8) : static_cast<uint8_t>(crc >> 24);
  data = EncryptTraditional(data, password, check);
  return *this;
}

ZipEntry& ZipBuilder::Add(ZipEntry entry) {
  entries_.push_back(std::move(entry));
  return entries_.back();
}

std::string ZipBuilder::Build() {
  std::string out = prefix;
  localOffsets.clear();
  centralOffsets.clear();
  for (const ZipEntry& e : entries_) {
    localOffsets.push_back(out.size());
    if (e.omitLocal) continue;
    const uint16_t flags = static_cast<uint16_t>(e.flags | (e.dataDescriptor ? 8 : 0));
    std::string extra = e.localExtra;
    if (e.zip64) extra = Zip64Extra({e.uncompressedSize, e.data.size()}) + extra;
    PutU32(out, 0x04034B50);
    PutU16(out, e.localVersionNeeded.value_or(e.versionNeeded));
    PutU16(out, flags);
    PutU16(out, e.method);
    PutU32(out, e.dosDateTime);
    const bool dd = e.dataDescriptor;
    PutU32(out, e.localCrc.value_or(dd ? 0 : e.crc));
    PutU32(out, e.localCompressedSize.value_or(dd ? 0 : e.zip64 ? 0xFFFFFFFF : static_cast<uint32_t>(e.data.size())));
    PutU32(out, e.localUncompressedSize.value_or(dd   ? 0
                                                 : e.zip64 ? 0xFFFFFFFF
                                                           : static_cast<uint32_t>(e.uncompressedSize)));
    PutU16(out, e.localNameLength.value_or(static_cast<uint16_t>(e.name.size())));
    PutU16(out, e.localExtraLength.value_or(static_cast<uint16_t>(extra.size())));
    out += e.name;
    out += extra;
    out += e.data;
    if (dd) {
      PutU32(out, 0x08074B50);
      PutU32(out, e.crc);
      PutU32(out, static_cast<uint32_t>(e.data.size()));
      PutU32(out, static_cast<uint32_t>(e.uncompressedSize));
    }
  }
  out += betweenDataAndCentral;
  centralDirStart = out.size();
  if (!omitCentral) {
    for (size_t i = 0; i < entries_.size(); ++i) {
      const ZipEntry& e = entries_[i];
      centralOffsets.push_back(out.size());
      const uint16_t flags = static_cast<uint16_t>(e.flags | (e.dataDescriptor ? 8 : 0));
      std::string extra = e.centralExtra;
      if (e.zip64 || e.zip64Offset) {
        std::vector<uint64_t> values;
        if (e.zip64) values = {e.uncompressedSize, e.data.size()};
        if (e.zip64Offset) values.push_back(localOffsets[i]);
        extra = Zip64Extra(values) + extra;
      }
      PutU32(out, e.centralSignature.value_or(0x02014B50));
      PutU16(out, e.versionMadeBy);
      PutU16(out, e.versionNeeded);
      PutU16(out, flags);
      PutU16(out, e.method);
      PutU32(out, e.dosDateTime);
      PutU32(out, e.centralCrc.value_or(e.crc));
      PutU32(out, e.centralCompressedSize.value_or(e.zip64 ? 0xFFFFFFFF : static_cast<uint32_t>(e.data.size())));
      PutU32(out, e.centralUncompressedSize.value_or(e.zip64 ? 0xFFFFFFFF
                                                             : static_cast<uint32_t>(e.uncompressedSize)));
      PutU16(out, static_cast<uint32_t>(e.name.size()));
      PutU16(out, e.centralExtraLength.value_or(static_cast<uint16_t>(extra.size())));
      PutU16(out, static_cast<uint32_t>(e.comment.size()));
      PutU16(out, e.centralDiskNumberStart.value_or(static_cast<uint16_t>(e.diskNumberStart)));
      PutU16(out, e.internalAttributes);
      PutU32(out, e.externalAttributes);
      PutU32(out, e.centralLocalHeaderOffset.value_or(e.zip64Offset ? 0xFFFFFFFF
                                                                    : static_cast<uint32_t>(localOffsets[i])));
      out += e.name;
      out += extra;
      out += e.comment;
    }
  }
  const uint64_t centralSize = out.size() - centralDirStart;
  if (zip64End) {
    const uint64_t zip64Start = out.size();
    PutU32(out, 0x06064B50);
    PutU64(out, 44);
    PutU16(out, 45);
    PutU16(out, 45);
    PutU32(out, zip64ThisDisk.value_or(0));
    PutU32(out, zip64CentralDirDisk.value_or(0));
    PutU64(out, zip64TotalEntries.value_or(entries_.size()));
    PutU64(out, zip64TotalEntries.value_or(entries_.size()));
    PutU64(out, centralSize);
    PutU64(out, centralDirStart);
    PutU32(out, 0x07064B50);
    PutU32(out, zip64ThisDisk.value_or(0));
    PutU64(out, zip64Start);
    PutU32(out, zip64ThisDisk.value_or(0) + 1);
  }
  endRecordStart = out.size();
  if (!omitEnd) {
    PutU32(out, 0x06054B50);
    PutU16(out, thisDisk.value_or(zip64End ? 0xFFFF : 0));
    PutU16(out, centralDirDisk.value_or(zip64End ? 0xFFFF : 0));
    PutU16(out, entriesThisDisk.value_or(zip64End ? 0xFFFF : static_cast<uint16_t>(entries_.size())));
    PutU16(out, totalEntries.value_or(zip64End ? 0xFFFF : static_cast<uint16_t>(entries_.size())));
    PutU32(out, centralDirSize.value_or(zip64End ? 0xFFFFFFFF : static_cast<uint32_t>(centralSize)));
    PutU32(out, centralDirOffset.value_or(zip64End ? 0xFFFFFFFF : static_cast<uint32_t>(centralDirStart)));
    PutU16(out, commentLength.value_or(static_cast<uint16_t>(comment.size())));
    out += comment;
  }
  return out;
}

void ZipBuilder::WriteTo(const std::string& path) {
  const std::string bytes = Build();
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!f) throw std::runtime_error("cannot write " + path);
}

}  // namespace tavo::test
