// Fuzzes the inflate decoder through the entry data pipeline with arbitrary
// data, sizes and flags: no crash, no leak, no hang, no output past the size.
#include "fuzz/DecodeFuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tavo::fuzz::RunDecode(8, data, size);
  return 0;
}
