// skinc builds a container of the version it is asked for: 1 as the
// shipped skins carry, its own 3 by default, and refuses 2, whose layout
// needs two extra pictures it has none of.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "skin/CompressedStoredSkin.h"
#include "skin/SkinData.h"
#include "skin/ZlibStreams.h"

namespace tavo::skin {
namespace {

#ifndef _WIN32
const std::string kSkinc = std::string(TAVO_BINARY_DIR) + "/tools/skinc/skinc";
const std::string kLumenIni = std::string(TAVO_SOURCE_DIR) + "/assets/skins/Lumen/Lumen.ini";

int RunSkinc(const std::string& arguments) {
  const std::string command = "'" + kSkinc + "' " + arguments + " >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int32_t ContainerVersion(const std::string& path) {
  TCompressedStoredSkin stored;
  stored.ImportCompressedFile(path);
  const std::vector<uint8_t> container = InflateAll(stored.CompressedData);
  if (container.size() < 4) return -1;
  return static_cast<int32_t>(container[0] | container[1] << 8 | container[2] << 16 | container[3] << 24);
}

TEST(Skinc, BuildsTheAskedContainerVersion) {
  if (!std::filesystem::exists(kSkinc)) GTEST_SKIP() << "skinc is not built: " << kSkinc;
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "tavo-skinc-version-test";
  std::filesystem::create_directories(dir);
  const std::string one = (dir / "one.skn").string(), three = (dir / "three.skn").string(),
                    plain = (dir / "plain.skn").string(), two = (dir / "two.skn").string();
  ASSERT_EQ(RunSkinc("build --container-version 1 '" + kLumenIni + "' '" + one + "'"), 0);
  ASSERT_EQ(RunSkinc("build --container-version 3 '" + kLumenIni + "' '" + three + "'"), 0);
  ASSERT_EQ(RunSkinc("build '" + kLumenIni + "' '" + plain + "'"), 0);
  EXPECT_NE(RunSkinc("build --container-version 2 '" + kLumenIni + "' '" + two + "'"), 0);
  EXPECT_FALSE(std::filesystem::exists(two));
  EXPECT_EQ(ContainerVersion(one), 1);
  EXPECT_EQ(ContainerVersion(three), 3);
  EXPECT_EQ(ContainerVersion(plain), 3);

  // Version 1 loads the same skin.
  TSkinNotifier notifier;
  TCompressedStoredSkin stored;
  stored.ImportCompressedFile(one);
  TSkinData data(nullptr, &notifier);
  data.SetCompressedStoredSkin(&stored);
  EXPECT_EQ(data.Version, 1);
  EXPECT_EQ(data.Picture.Width(), 277);
  EXPECT_EQ(data.SkinObjects.size(), 12u);
  std::filesystem::remove_all(dir);
}
#endif

}  // namespace
}  // namespace tavo::skin
