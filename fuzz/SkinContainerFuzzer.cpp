// Fuzzes the stored skin loader: the input is a zlib stream of a container
// (as CompressedData holds it) when it starts like one, else the inflated
// container itself. Loading may throw the skin engine's failures; anything
// else — a crash, a leak, a hang — is a finding.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/SkinData.h"
#include "skin/SkinExceptions.h"

using namespace tavo::skin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TSkinNotifier notifier;
  TSkinData skin(nullptr, &notifier);
  try {
    if (size > 0 && data[0] == 0x78) {
      TCompressedStoredSkin stored;
      stored.CompressedData.assign(data, data + size);
      skin.LoadCompressedStoredSkin(stored);
    } else {
      TMemoryStream container(std::vector<uint8_t>(data, data + size));
      skin.ReadContainer(container);
    }
  } catch (const ESkinException&) {
  }
  return 0;
}
