// skinc: the skin compiler. "build" turns a skin INI file and the BMP
// pictures beside it into a compressed skin file, its container carrying the
// builder's version 3 or, asked for, version 1 (the layout is the same; our
// shipped skins carry 1); "import" reads a compressed
// skin file and writes its zlib stream as a form stores it; "dump" shows what
// a compressed skin file or a bare zlib stream holds.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <typeinfo>
#include <vector>

#include "skin/BmpReader.h"
#include "skin/CompressedStoredSkin.h"
#include "skin/SkinData.h"
#include "skin/SkinExceptions.h"
#include "skin/ZlibStreams.h"

using namespace tavo::skin;

namespace {

constexpr uint8_t kZlibFirstByte = 0x78;  // deflate with a 32 KB window

int Usage() {
  std::cerr << "usage: skinc build [--container-version 1|3] <skin.ini> <out.skn>\n"
               "       skinc import <in.skn> <out.zlib>\n"
               "       skinc dump <in.skn|in.zlib> [--extract <dir>]\n";
  return 2;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw ESkinException("Cannot write file \"" + path + "\"");
}

// A compressed skin file, or a bare zlib stream as a form stores it.
void LoadStored(const std::string& path, TCompressedStoredSkin& stored) {
  const std::vector<uint8_t> bytes = ReadWholeFile(path);
  if (!bytes.empty() && bytes[0] == kZlibFirstByte) stored.CompressedData = bytes;
  else stored.ImportCompressedData(bytes);
}

const char* DepthName(const TBitmap& b) {
  if (b.Empty()) return "empty";
  switch (b.PixelFormat()) {
    case TPixelFormat::pf1bit: return "1-bit";
    case TPixelFormat::pf4bit: return "4-bit";
    case TPixelFormat::pf8bit: return "8-bit";
    case TPixelFormat::pf16bit: return "16-bit";
    case TPixelFormat::pf24bit: return "24-bit";
    case TPixelFormat::pf32bit: return "32-bit";
  }
  return "?";
}

void ShowPicture(const char* role, const TBitmap& b) {
  if (b.Empty()) std::printf("  %-16s empty\n", role);
  else std::printf("  %-16s %d x %d, %s\n", role, b.Width(), b.Height(), DepthName(b));
}

// The record class without namespace and compiler decoration.
template <typename T>
std::string ClassName(const T& record) {
  std::string name = typeid(record).name();
  const size_t at = name.find("TData");
  if (at == std::string::npos) return name;
  name = name.substr(at);
  while (!name.empty() && (name.back() == 'E' || (name.back() >= '0' && name.back() <= '9'))) name.pop_back();
  return name;
}

std::string RectText(const tavo::TRect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

int Dump(const std::string& path, const std::string& extractDir) {
  TCompressedStoredSkin stored;
  LoadStored(path, stored);
  std::printf("file: %s\ncompressed: %zu bytes\n", path.c_str(), stored.CompressedData.size());
  if (stored.Empty()) {
    std::printf("empty stored skin\n");
    return 0;
  }
  TMemoryStream data;
  stored.Decompress(data);
  data.SetPosition(0);
  std::printf("inflated: %zu bytes\n", data.Size());
  TSkinData skin(nullptr, nullptr);
  if (!skin.ReadContainer(data)) {
    std::printf("version: %d (not loadable)\n", skin.Version);
    return 1;
  }
  std::printf("version: %d\npictures:\n", skin.Version);
  ShowPicture("picture", skin.Picture);
  ShowPicture("inactivepicture", skin.InActivePicture);
  ShowPicture("mask", skin.Mask);
  std::printf("active pictures: %zu\n", skin.ActivePictures.size());
  for (size_t i = 0; i < skin.ActivePictures.size(); ++i) {
    const std::string role = "  [" + std::to_string(i) + "]";
    ShowPicture(role.c_str(), skin.ActivePictures[i]);
  }
  if (!extractDir.empty()) {
    auto save = [&](const std::string& name, const TBitmap& b) {
      if (!b.Empty()) WriteFile(extractDir + "/" + name + ".bmp", WriteBmpImage(b));
    };
    save("picture", skin.Picture);
    save("inactivepicture", skin.InActivePicture);
    save("mask", skin.Mask);
    for (size_t i = 0; i < skin.ActivePictures.size(); ++i)
      save("active" + std::to_string(i), skin.ActivePictures[i]);
  }
  std::printf("objects: %zu\n", skin.SkinObjects.size());
  for (const auto& o : skin.SkinObjects)
    std::printf("  %-24s %-28s skinrect %s\n", o->IDName.c_str(), ClassName(*o).c_str(), RectText(o->skinrect).c_str());
  std::printf("controls: %zu\n", skin.SkinControls.size());
  for (const auto& c : skin.SkinControls)
    std::printf("  %-24s %-28s picture %d skinrect %s\n", c->IDName.c_str(), ClassName(*c).c_str(), c->pictureindex,
                RectText(c->skinrect).c_str());
  std::printf("ini text: %zu lines\n", skin.IniText.size());
  for (const std::string& line : skin.IniText) std::printf("%s\n", line.c_str());
  return 0;
}

// Rewrites the version field at the start of the inflated container.
// Versions 1 and 3 share one layout; 2 would need two extra pictures.
void SetContainerVersion(TCompressedStoredSkin& stored, int32_t version) {
  std::vector<uint8_t> container = InflateAll(stored.CompressedData);
  if (container.size() < 4) throw ESkinException("skinc: the built container is too short");
  for (int i = 0; i < 4; ++i) container[static_cast<size_t>(i)] = static_cast<uint8_t>(static_cast<uint32_t>(version) >> (8 * i));
  stored.CompressedData = DeflateAll(container, TCompressionLevel::clMax);
}

int Build(const std::string& ini, const std::string& out, int32_t version) {
  TCompressedStoredSkin stored;
  if (!stored.BuildFromSkinFile(ini)) {
    std::cerr << "skinc: " << ini << " lacks one of [VERSION], [PICTURES], [FORMINFO], [SKINOBJECTS], [SKINCONTROLS]\n";
    return 1;
  }
  if (version != 3) SetContainerVersion(stored, version);
  WriteFile(out, stored.ExportCompressedData());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 3 && args[0] == "build") return Build(args[1], args[2], 3);
    if (args.size() == 5 && args[0] == "build" && args[1] == "--container-version") {
      if (args[2] != "1" && args[2] != "3") {
        std::cerr << "skinc: container version " << args[2] << " cannot be built; use 1 or 3\n";
        return 2;
      }
      return Build(args[3], args[4], args[2] == "1" ? 1 : 3);
    }
    if (args.size() == 3 && args[0] == "import") {
      TCompressedStoredSkin stored;
      stored.ImportCompressedFile(args[1]);
      if (stored.Empty()) {
        std::cerr << "skinc: " << args[1] << " has a version above 3; nothing imported\n";
        return 1;
      }
      TMemoryStream check;
      stored.Decompress(check);  // fails loudly on a damaged stream
      WriteFile(args[2], stored.CompressedData);
      return 0;
    }
    if (args.size() == 2 && args[0] == "dump") return Dump(args[1], "");
    if (args.size() == 4 && args[0] == "dump" && args[2] == "--extract") return Dump(args[1], args[3]);
  } catch (const std::exception& e) {
    std::cerr << "skinc: " << e.what() << "\n";
    return 1;
  }
  return Usage();
}
