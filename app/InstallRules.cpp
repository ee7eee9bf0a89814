// Path rules of the installation run.
#include "app/InstallRules.h"

#include "app/Texts.h"
#include "core/Mbcs.h"

namespace tavo::app {

// The shortcut names are the installer's own texts, kept once in Texts.h.
const TInstalledProgram kInstalledPrograms[3] = {
    {"tavo\\Manager.exe", kManagerShortcut},
    {"tavo\\Backend.exe", kBackendShortcut},
    {"tavo\\DbLaunch.exe", kDbLaunchShortcut},
};

const char* const kPackageName = "tavo.ex_";
const char* const kPackagePassword = "4720136";
const char* const kPostInstallBatch = "postinst.bat";
const char* const kDatabaseStarter = "tavo\\DbLaunch.exe";

bool CreateInstallDirectory(const std::string& path, const TDirectoryOps& ops) {
  if (path.empty()) return false;
  std::string p = path;
  if (EndsWithPathDelimiter(p)) p.pop_back();
  if (p.size() < 3 || ops.DirectoryExists(p)) return true;
  const std::string parent = ExtractFilePath(p);
  if (parent.empty()) return false;
  if (parent == p) return true;
  if (!CreateInstallDirectory(parent, ops)) return false;
  return ops.CreateDirectory(p);
}

bool HasDirectoryPart(const std::string& path) {
  std::string p = path;
  if (EndsWithPathDelimiter(p)) p.pop_back();
  return !ExtractFilePath(p).empty();
}

bool FitsLaunchBuffer(const std::string& path) { return path.size() < kLaunchBufferSize; }

}  // namespace tavo::app
