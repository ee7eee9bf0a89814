// The floor for extraction speed: reads every entry's compressed data in
// 32 KB blocks, inflates it with zlib and computes its CRC-32; with OUTDIR
// it also writes each entry to its file there (plain stdio, 32 KB writes,
// directories made as needed), so that a comparison with the engine
// measures the engine and not the disk. Directory reading goes through the
// engine.
//   bench_bare_inflate ARCHIVE [OUTDIR]
#include <zlib.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/Mbcs.h"
#include "platform/File.h"
#include "platform/Path.h"
#include "unzip/BufferStream.h"
#include "unzip/UnZip.h"
#include "unzip/ZipFormat.h"

using namespace tavo;

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: bench_bare_inflate ARCHIVE [OUTDIR]\n");
    return 10;
  }
  const std::string outDir = argc == 3 ? platform::EnginePath(argv[2]) : std::string();
  try {
    zip::TUnZip unzip;
    unzip.DoProcessMessages = false;
    unzip.SetZipName(platform::EnginePath(argv[1]));
    unzip.LoadZipDirectory();
    zip::TLFNFileStream in(platform::EnginePath(argv[1]), platform::TFileOpenMode::Read,
                           platform::TFileShareMode::DenyWrite);
    std::vector<uint8_t> input(32768), output(32768);
    uint64_t total = 0;
    int bad = 0;
    for (int i = 0; i < unzip.EntryCount(); ++i) {
      const zip::TZipHeaderInfo& e = unzip.Entry(i);
      if (e.FileName().empty()) continue;
      std::FILE* file = nullptr;
      if (!outDir.empty()) {
        const std::string path = outDir + "\\" + e.Path();
        platform::ForceDirectories(ExtractFilePath(path));
        file = std::fopen(platform::HostPath(path).c_str(), "wb");
        if (!file) {
          std::fprintf(stderr, "bench_bare_inflate: cannot create %s\n", platform::HostPath(path).c_str());
          return 2;
        }
      }
      // Writes one decoded block to the file, when there is one.
      auto put = [&](const uint8_t* data, size_t n) {
        if (file && std::fwrite(data, 1, n, file) != n) ++bad;
      };
      uint8_t header[zip::kLocalHeaderSize];
      in.Seek(static_cast<int64_t>(e.EffectiveLocalHeaderOffset()), 0);
      in.Read(header, zip::kLocalHeaderSize);
      in.Seek(zip::GetU16(header + zip::local::kNameLength) + zip::GetU16(header + zip::local::kExtraLength), 1);
      uint64_t left = e.EffectiveCompressedSize();
      uLong crc = crc32(0L, Z_NULL, 0);
      z_stream z{};
      if (e.CompressionMethod == zip::kMethodDeflated) inflateInit2(&z, -15);
      int rc = Z_OK;
      while (left > 0 && rc != Z_STREAM_END) {
        const int64_t n = static_cast<int64_t>(left < input.size() ? left : input.size());
        if (in.Read(input.data(), n) != n) break;
        left -= static_cast<uint64_t>(n);
        if (e.CompressionMethod != zip::kMethodDeflated) {
          crc = crc32(crc, input.data(), static_cast<uInt>(n));
          put(input.data(), static_cast<size_t>(n));
          total += static_cast<uint64_t>(n);
          continue;
        }
        z.next_in = input.data();
        z.avail_in = static_cast<uInt>(n);
        do {
          z.next_out = output.data();
          z.avail_out = static_cast<uInt>(output.size());
          rc = inflate(&z, Z_NO_FLUSH);
          const size_t produced = output.size() - z.avail_out;
          crc = crc32(crc, output.data(), static_cast<uInt>(produced));
          put(output.data(), produced);
          total += produced;
        } while (rc == Z_OK && (z.avail_in > 0 || z.avail_out == 0));
      }
      if (e.CompressionMethod == zip::kMethodDeflated) inflateEnd(&z);
      if (static_cast<uint32_t>(crc) != e.Crc32) ++bad;
      if (file && std::fclose(file) != 0) ++bad;
    }
    std::printf("%llu bytes, %d bad\n", static_cast<unsigned long long>(total), bad);
    return bad ? 2 : 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench_bare_inflate: %s\n", e.what());
    return 2;
  }
}
