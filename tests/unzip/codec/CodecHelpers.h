// Runs the entry data pipeline over bytes in memory, for the codec tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "unzip/DataPipeline.h"

namespace tavo::test {

struct DecodeResult {
  bool decoded = false;
  std::string output;
  uint32_t crc = 0;
  std::vector<size_t> blocks;       // sizes of the written output blocks
  std::vector<int> filePercents;
};

// Decodes `compressed` as an entry of the given method and flags. The
// compressed size defaults to the data's size.
DecodeResult DecodeEntry(uint16_t method, uint16_t flags, const std::string& compressed,
                         uint64_t uncompressedSize, int64_t compressedSize = -1);

// Reads a stored (method 0) entry's data from an archive made by a tool, by
// walking local headers: name -> (method, flags, crc, compressed bytes).
struct RawEntry {
  std::string name;
  uint16_t method = 0, flags = 0;
  uint32_t crc = 0, dosDateTime = 0;
  uint64_t uncompressedSize = 0;
  std::string data;  // what follows the local header (encryption header included)
};
std::vector<RawEntry> ReadRawEntries(const std::string& archive);

// Packs one entry into an archive file and returns the path's content.
std::string OneEntryArchive(const std::string& name, uint16_t method, uint16_t flags, const std::string& compressed,
                            const std::string& plain);

}  // namespace tavo::test
