// Shared by the decoder fuzz targets: turns arbitrary bytes into one entry
// (flags, sizes, compressed data) and runs it through the data pipeline.
//
// Input layout: 2 bytes general purpose flags, 3 bytes uncompressed size
// (little-endian, up to 16 MB), 1 byte size mode (0: compressed size equals
// the data; 1: the archive ends early; 2: the compressed size stops short
// of the data), then the compressed data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "unzip/DataPipeline.h"
#include "unzip/ZipExceptions.h"

namespace tavo::fuzz {

inline void RunDecode(uint16_t method, const uint8_t* data, size_t size) {
  if (size < 6) return;
  const uint16_t flags = static_cast<uint16_t>(data[0] | data[1] << 8);
  const uint64_t uncompressed = data[2] | data[3] << 8 | static_cast<uint32_t>(data[4]) << 16;
  const uint8_t mode = data[5] % 3;
  const uint8_t* body = data + 6;
  const size_t bodySize = size - 6;

  zip::TDataPipeline pipe;
  size_t at = 0;
  const size_t available = mode == 1 ? bodySize / 2 : bodySize;
  pipe.ReadBlock = [&](uint8_t* buffer, size_t count) {
    const size_t n = count < available - at ? count : available - at;
    std::memcpy(buffer, body + at, n);
    at += n;
    return n;
  };
  uint64_t written = 0;
  pipe.WriteBlock = [&](const uint8_t*, size_t count) {
    written += count;
    return count;
  };
  zip::TPipelineEntry entry;
  entry.CompressionMethod = method;
  entry.BitFlag = flags & ~uint16_t{1};
  entry.CompressedSize = mode == 2 ? bodySize / 3 : bodySize;
  entry.UncompressedSize = uncompressed;
  pipe.Reset(entry);
  try {
    pipe.Decode();
  } catch (const zip::EZipException&) {
    // Short archives, oversized output and zlib errors are reported this way.
  }
  // Nothing may be written past the entry's size.
  if (written > uncompressed) __builtin_trap();
}

}  // namespace tavo::fuzz
