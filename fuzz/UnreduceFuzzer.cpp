// Fuzzes the unreduce decoder through the entry data pipeline with arbitrary
// data, sizes and flags: no crash, no leak, no hang, no output past the size.
#include "fuzz/DecodeFuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The method comes from the first byte: 2 to 5, reduction factors 1 to 4.
  if (size < 1) return 0;
  tavo::fuzz::RunDecode(static_cast<uint16_t>(2 + data[0] % 4), data + 1, size - 1);
  return 0;
}
