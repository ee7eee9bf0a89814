// Test encoders for the legacy ZIP methods: shrink (1), reduce (2 to 5) and
// implode (6). No tool on the build machines writes these methods, so the
// tests make their own data with these and check it with Info-ZIP unzip
// (shrink, implode) or hand-worked vectors (reduce).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tavo::test {

// Writes bits least significant first, as the ZIP legacy methods read them.
class BitWriter {
 public:
  void Put(uint32_t value, unsigned bits);
  // Pads the last byte with zero bits and returns the bytes.
  std::string Finish();

 private:
  std::string out_;
  uint32_t buf_ = 0;
  unsigned count_ = 0;
};

struct ShrinkOptions {
  // Emit a partial clear (256, 2) after this many codes (at the next code
  // that is a single byte), 0 for never; clears also happen when the table
  // is full and clearWhenFull is set.
  size_t clearEvery = 0;
  bool clearWhenFull = true;
};
struct ShrinkStats {
  size_t growCodes = 0;   // 256,1 emitted
  size_t clearCodes = 0;  // 256,2 emitted
  size_t kwkwk = 0;       // codes emitted while being defined
  unsigned finalBits = 9;
};
std::string Shrink(const std::string& data, const ShrinkOptions& options = {}, ShrinkStats* stats = nullptr);

struct ReduceStats {
  size_t matches = 0;
  size_t longMatches = 0;  // length continued by an extra byte
  size_t followerHits = 0;
};
// Reduces with factor 1..4 (method = factor + 1). With followers, the 32
// most frequent successors of each value form its follower set; without,
// every set is empty. `zerosBefore` lets matches reach before the start of
// the data over leading zero bytes.
std::string Reduce(const std::string& data, int factor, bool followers = true, bool zerosBefore = true,
                   ReduceStats* stats = nullptr);

struct ImplodeStats {
  size_t matches = 0;
  size_t literals = 0;
  unsigned maxCodeLength = 0;
};
// Implodes with an 8 KB (bit 1) or 4 KB dictionary, with or without a
// literal tree (bit 2). Returns the compressed data; the general purpose
// flags to store are ImplodeFlags(...).
std::string Implode(const std::string& data, bool dictionary8K, bool literalTree, ImplodeStats* stats = nullptr);
inline uint16_t ImplodeFlags(bool dictionary8K, bool literalTree) {
  return static_cast<uint16_t>((dictionary8K ? 2 : 0) | (literalTree ? 4 : 0));
}

// APPNOTE's Shannon-Fano code construction: code lengths in, codes out
// (each `lengths[i]` bits, most significant bit first on the wire).
std::vector<uint16_t> ShannonFanoCodes(const std::vector<uint8_t>& lengths);
// Code lengths of at most `maxBits` for the given symbol frequencies; every
// symbol gets a code.
std::vector<uint8_t> LimitedCodeLengths(const std::vector<uint64_t>& freq, unsigned maxBits);

}  // namespace tavo::test
