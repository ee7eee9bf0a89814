// make_legacy_zip METHOD FLAGS INPUT OUTPUT.zip [--fuzz-seed]
// Compresses INPUT with our legacy encoder for METHOD (1 shrink, 2..5
// reduce, 6 implode with FLAGS bits 1 and 2; 8 deflate through zlib) into a
// one-entry archive, or with --fuzz-seed into the input layout of the
// decoder fuzz targets (flags, size, mode, data; the unreduce target takes
// one more leading byte for the factor).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/TestFiles.h"
#include "support/ZipBuilder.h"
#include "unzip/codec/LegacyEncoders.h"

int main(int argc, char** argv) {
  const bool seed = argc == 6 && std::string(argv[5]) == "--fuzz-seed";
  if (argc != 5 && !seed) {
    std::fprintf(stderr, "usage: make_legacy_zip METHOD FLAGS INPUT OUTPUT.zip [--fuzz-seed]\n");
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
  else if (method == 8)
    packed = tavo::test::DeflateRaw(plain, 9);
  else
    return 2;
  const uint16_t storedFlags = static_cast<uint16_t>(method == 6 ? flags & 6 : 0);
  if (seed) {
    std::string out;
    if (method >= 2 && method <= 5) out.push_back(static_cast<char>(method - 2));
    const size_t size = plain.size() & 0xFFFFFF;
    out += {static_cast<char>(storedFlags), 0, static_cast<char>(size), static_cast<char>(size >> 8),
            static_cast<char>(size >> 16), 0};
    tavo::test::WriteFile(argv[4], out + packed);
    return 0;
  }
  tavo::test::ZipBuilder b;
  tavo::test::ZipEntry e = tavo::test::ZipEntry::Stored("data.bin", plain);
  e.method = static_cast<uint16_t>(method);
  e.flags = storedFlags;
  e.data = packed;
  b.Add(e);
  b.WriteTo(argv[4]);
  std::printf("%zu -> %zu bytes\n", plain.size(), packed.size());
  return 0;
}
