// Fuzzes the skin INI reader with arbitrary text: every fixed section, every
// object and control kind, and writing the result back and reading it again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "skin/SkinData.h"
#include "skin/SkinExceptions.h"

using namespace tavo::skin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const TSkinIni ini(TSkinIni::SplitLines(text));
  TSkinNotifier notifier;
  TSkinData skin(nullptr, &notifier);
  try {
    skin.ReadSkinIni(ini);
  } catch (const ESkinException&) {
    return 0;
  }
  // What was read must survive a round trip through SaveToIni.
  TSkinIni saved;
  skin.SaveToIni(saved);
  TSkinData again(nullptr, &notifier);
  again.ReadSkinIni(TSkinIni(saved.Lines()));
  if (again.SkinObjects.size() != skin.SkinObjects.size() || again.SkinControls.size() != skin.SkinControls.size())
    __builtin_trap();
  return 0;
}
