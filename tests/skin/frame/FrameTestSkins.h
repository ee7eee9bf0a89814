// Skins for the frame tests: the shipped Lumen loaded from its stored file,
// and small hand-made skins whose every pixel says where it came from.
#pragma once

#include <string>

#include "skin/CompressedStoredSkin.h"
#include "skin/SkinData.h"

namespace tavo::skin::test {

// Lumen as the installer loads it.
struct TLumen {
  TSkinNotifier notifier;
  TCompressedStoredSkin stored;
  TSkinData data{nullptr, &notifier};
  TLumen() {
    stored.ImportCompressedFile(std::string(TAVO_SOURCE_DIR) + "/assets/skins/Lumen.skn");
    data.SetCompressedStoredSkin(&stored);
  }
};

// A 24-bit picture whose pixel (x, y) is RGB(x, y, tag): any copied pixel
// tells the column, row and picture it came from.
inline TBitmap CoordinatePicture(int width, int height, uint8_t tag = 0) {
  TBitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.SetPixel(x, y, RGB(static_cast<uint8_t>(x), static_cast<uint8_t>(y), tag));
  return b;
}

inline TColor CoordinateColor(int x, int y, uint8_t tag = 0) {
  return RGB(static_cast<uint8_t>(x), static_cast<uint8_t>(y), tag);
}

}  // namespace tavo::skin::test
