// TCompressedStoredSkin: one skin held as a zlib stream of the stored skin
// container, as a form stores it; building it from a skin folder and
// importing it from a compressed skin file. Portable.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/MemoryStream.h"
#include "skin/SkinComponent.h"

namespace tavo::skin {

class TCompressedStoredSkin : public TSkinComponent {
 public:
  // The zlib stream of one container; empty means no skin.
  std::vector<uint8_t> CompressedData;
  std::string Description;

  // Component state: while Designing and not Loading, assigning FileName
  // builds the skin from that INI file and assigning CompressedFileName
  // imports that file; otherwise both only store the text.
  bool Designing = false;
  bool Loading = false;

  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& path);
  const std::string& CompressedFileName() const { return compressedFileName_; }
  void SetCompressedFileName(const std::string& path);

  bool Empty() const { return CompressedData.empty(); }

  // Inflates the whole buffer and appends the result to the stream.
  void Decompress(TMemoryStream& into) const;

  // Builds the buffer from a skin INI file and the BMP files beside it.
  // Returns false, leaving the buffer as it was, unless the file has all of
  // [VERSION], [PICTURES], [FORMINFO], [SKINOBJECTS] and [SKINCONTROLS].
  // Throws when the file or a named picture cannot be read or decoded.
  bool BuildFromSkinFile(const std::string& path);
  // The same from text already read; pictureDir ends in a separator or is
  // empty.
  bool BuildFromSkinText(const std::string& iniText, const std::string& pictureDir);

  // Reads a compressed skin file: 32-bit version (at most 3), 32-bit
  // length L, L bytes of zlib stream. A later version leaves the buffer
  // empty; a short file throws EReadError.
  void ImportCompressedFile(const std::string& path);
  void ImportCompressedData(const std::vector<uint8_t>& file);
  // The compressed skin file form of the buffer (version 3).
  std::vector<uint8_t> ExportCompressedData() const;

 private:
  std::string fileName_;
  std::string compressedFileName_;
};

// Reads a whole file; throws ESkinException naming the file when it cannot.
std::vector<uint8_t> ReadWholeFile(const std::string& path);
// Directory part of a host or Windows path, ending in its separator.
std::string SkinFileDirectory(const std::string& path);

}  // namespace tavo::skin
