// make_legacy_zip METHOD FLAGS INPUT OUTPUT.zip
// Compresses INPUT with our legacy encoder for METHOD (1 shrink, 2..5
// reduce, 6 implode with FLAGS bits 1 and 2) into a one-entry archive.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/TestFiles.h"
#include "support/ZipBuilder.h"
#include "unzip/codec/LegacyEncoders.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: make_legacy_zip METHOD FLAGS INPUT OUTPUT.zip\n");
    return 2;
  }
  const int method = std::atoi(argv[1]);
  const int flags = std::atoi(argv[2]);
  const std::string plain = tavo::test::ReadFile(argv[3]);
  std::string packed;
  if (method == 1)
    packed = tavo::test::Shrink(plain);
  else if (method >= 2 && method <= 5)
    packed = tavo::test::Reduce(plain, method - 1);
  else if (method == 6)
    packed = tavo::test::Implode(plain, flags & 2, flags & 4);
  else
    return 2;
  tavo::test::ZipBuilder b;
  tavo::test::ZipEntry e = tavo::test::ZipEntry::Stored("data.bin", plain);
  e.method = static_cast<uint16_t>(method);
  e.flags = static_cast<uint16_t>(method == 6 ? flags & 6 : 0);
  e.data = packed;
  b.Add(e);
  b.WriteTo(argv[4]);
  std::printf("%zu -> %zu bytes\n", plain.size(), packed.size());
  return 0;
}
