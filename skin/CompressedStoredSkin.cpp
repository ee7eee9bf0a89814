// Building, importing and inflating stored skins.
#include "skin/CompressedStoredSkin.h"

#include <fstream>
#include <iterator>

#include "core/Mbcs.h"
#include "skin/BmpReader.h"
#include "skin/SkinExceptions.h"
#include "skin/SkinFormat.h"
#include "skin/SkinIni.h"
#include "skin/ZlibStreams.h"

namespace tavo::skin {

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ESkinException("Cannot open file \"" + path + "\"");
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string SkinFileDirectory(const std::string& path) {
  const size_t last = LastDelimiter(path, "\\/:");
  return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

void TCompressedStoredSkin::SetFileName(const std::string& path) {
  if (Designing && !Loading) {
    BuildFromSkinFile(path);
    fileName_ = path.substr(SkinFileDirectory(path).size());
  } else {
    fileName_ = path;
  }
}

void TCompressedStoredSkin::SetCompressedFileName(const std::string& path) {
  if (Designing && !Loading) {
    ImportCompressedFile(path);
    compressedFileName_ = path.substr(SkinFileDirectory(path).size());
  } else {
    compressedFileName_ = path;
  }
}

void TCompressedStoredSkin::Decompress(TMemoryStream& into) const {
  const std::vector<uint8_t> inflated = InflateAll(CompressedData);
  into.Seek(0, TSeekOrigin::soEnd);
  into.WriteBuffer(inflated.data(), inflated.size());
}

bool TCompressedStoredSkin::BuildFromSkinFile(const std::string& path) {
  const std::vector<uint8_t> bytes = ReadWholeFile(path);
  return BuildFromSkinText(std::string(bytes.begin(), bytes.end()), SkinFileDirectory(path));
}

namespace {

void WriteI32(TMemoryStream& out, int32_t v) {
  std::vector<uint8_t> bytes;
  PutU32(bytes, static_cast<uint32_t>(v));
  out.WriteBuffer(bytes.data(), bytes.size());
}

TBitmap LoadBmpFile(const std::string& path) {
  TMemoryStream file(ReadWholeFile(path));
  TBitmap bitmap;
  ReadBmpImage(file, bitmap);
  return bitmap;
}

}  // namespace

bool TCompressedStoredSkin::BuildFromSkinText(const std::string& iniText, const std::string& pictureDir) {
  const std::vector<std::string> lines = TSkinIni::SplitLines(iniText);
  const TSkinIni ini(lines);
  for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
    if (!ini.SectionExists(section)) return false;

  // Read every picture before touching the buffer, so a missing file leaves
  // the previous skin in place.
  TMemoryStream container;
  WriteI32(container, kBuilderSkinVersion);
  for (const char* key : {"picture", "inactivepicture", "mask"}) {
    const std::string name = ini.ReadString("PICTURES", key, "");
    const TBitmap bitmap = name.empty() ? TBitmap() : LoadBmpFile(pictureDir + name);
    const uint8_t flag = bitmap.Empty() ? kPictureAbsent : kPicturePresent;
    container.WriteBuffer(&flag, 1);
    if (!bitmap.Empty()) {
      const auto image = WriteBmpImage(bitmap);
      container.WriteBuffer(image.data(), image.size());
    }
  }
  std::vector<std::string> active;
  ReadList(ini, "PICTURES", "activepictures", active);
  WriteI32(container, static_cast<int32_t>(active.size()));
  for (const std::string& name : active) {
    const auto image = WriteBmpImage(LoadBmpFile(pictureDir + name));
    container.WriteBuffer(image.data(), image.size());
  }
  for (const std::string& line : lines) {
    container.WriteBuffer(line.data(), line.size());
    container.WriteBuffer(kIniLineEnd, 2);
  }
  CompressedData = DeflateAll(container.Data(), TCompressionLevel::clMax);
  return true;
}

void TCompressedStoredSkin::ImportCompressedFile(const std::string& path) {
  CompressedData.clear();
  ImportCompressedData(ReadWholeFile(path));
}

void TCompressedStoredSkin::ImportCompressedData(const std::vector<uint8_t>& file) {
  CompressedData.clear();
  TMemoryStream in(file);
  uint8_t field[4];
  in.ReadBuffer(field, 4);
  if (GetI32(field) > kMaxSkinVersion) return;
  in.ReadBuffer(field, 4);
  const int32_t length = GetI32(field);
  if (length < 0 || static_cast<size_t>(length) > in.Remaining()) throw EReadError();
  CompressedData.assign(file.begin() + 8, file.begin() + 8 + length);
}

std::vector<uint8_t> TCompressedStoredSkin::ExportCompressedData() const {
  std::vector<uint8_t> out;
  PutU32(out, static_cast<uint32_t>(kBuilderSkinVersion));
  PutU32(out, static_cast<uint32_t>(CompressedData.size()));
  out.insert(out.end(), CompressedData.begin(), CompressedData.end());
  return out;
}

}  // namespace tavo::skin
