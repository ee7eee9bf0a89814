// Path rules of the installation run.
#include "app/InstallRules.h"

#include "core/Mbcs.h"

namespace tavo::app {

// Texts are code page 936 bytes: the installer's own strings as the system
// stores them, whatever the encoding of this source file.
const TInstalledProgram kInstalledPrograms[3] = {
    {"tavo\\Manager.exe", "\xB9\xDC\xC0\xED\xC8\xED\xBC\xFE.lnk"},              // 管理软件.lnk
    {"tavo\\Backend.exe", "\xBA\xF3\xCC\xA8\xC8\xED\xBC\xFE.lnk"},              // 后台软件.lnk
    {"tavo\\DbLaunch.exe", "\xC6\xF4\xB6\xAF\xCA\xFD\xBE\xDD\xBF\xE2.lnk"},     // 启动数据库.lnk
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
