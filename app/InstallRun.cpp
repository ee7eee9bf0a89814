// The installation run: the status window's tick makes the install
// directory, extracts the package beside the installer into it, puts the
// programs' shortcuts on the desktop, reports completion and starts the
// follow-up programs.
#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <string>

#include "app/InstallRules.h"
#include "app/PathRules.h"
#include "app/PublicUnit.h"
#include "app/Step1Unit.h"
#include "app/Step2Unit.h"
#include "app/Texts.h"
#include "platform/CodePage.h"
#include "platform/File.h"
#include "ui/Application.h"

namespace tavo::app {
namespace {

// The desktop is CSIDL_DESKTOP.
constexpr int kDesktopFolder = 0;

// The install directory as typed into the directory window, read afresh at
// each use: not trimmed.
std::string InstallDirText() { return Step1Frm ? Step1Frm->Edit1.Text() : std::string(); }

std::string NormalizedInstallDir() { return NormalizeDir(InstallDirText(), platform::AnsiCodePage()); }

std::wstring ToWide(const std::string& text) {
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

TDirectoryOps SystemDirectoryOps() {
  return TDirectoryOps{[](const std::string& path) { return platform::DirectoryExists(path); },
                       [](const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != FALSE; }};
}

// Starts a follow-up program with its default shell action, inheriting the
// installer's current directory. The shell takes the path from a buffer of
// kLaunchBufferSize bytes: a path that does not fit is not started at all,
// since a cut-off path would name some other file. What the shell answers
// is not examined.
void Launch(const std::string& path, int show) {
  if (!platform::FileExists(path) || !FitsLaunchBuffer(path)) return;
  char buffer[kLaunchBufferSize] = {};
  std::memcpy(buffer, path.data(), path.size());
  ShellExecuteA(nullptr, nullptr, buffer, nullptr, nullptr, show);
}

}  // namespace

void TStep2Frm::ShowStatus(const char* text) {
  Label1.SetCaption(text);
  Label1.Repaint();
}

void TStep2Frm::Timer1Timer(ui::TObject&) {
  // The timer stays stopped for the whole run: no second tick can start
  // one while this one works.
  Timer1.SetEnabled(false);
  if (!InstallArmed) return;
  try {
    if (!SetUp()) return;
  } catch (...) {
    // A failure of the engine or the shell ends the run and passes on to
    // the application's error box. The status window has no control to
    // leave it by, so it closes once the box is dismissed: the user is back
    // at the directory window and can choose again.
    Close();
    throw;
  }
  ui::Application().MessageBox(kAllInstalled, kHint, MB_OK);
  const std::string dir = NormalizedInstallDir();
  Launch(dir + kPostInstallBatch, SW_SHOWNORMAL);
  Launch(dir + kDatabaseStarter, SW_MINIMIZE);
  if (Step1Frm) Step1Frm->Close();
  Close();
}

bool TStep2Frm::SetUp() {
  const std::string typed = InstallDirText();
  // A text without a drive or separator (blanks, a bare name) is never taken
  // for an existing directory, though the system would find it relative to
  // the current directory: it goes to the creation rule, which refuses it.
  if (!HasDirectoryPart(typed) || !platform::DirectoryExists(typed)) {
    ShowStatus(kCreatingDirectory);
    if (!CreateInstallDirectory(typed, SystemDirectoryOps())) {
      ShowStatus(kCreateDirectoryFailed);
      Timer1.SetEnabled(false);
      InstallArmed = false;
      Close();
      return false;
    }
  }
  ShowStatus(kInstalling);
  const std::string archive = GetAppDir() + kPackageName;
  if (!platform::FileExists(archive)) return true;
  UnSetFile(archive, NormalizedInstallDir());
  const std::string desktop = GetSpecialFolderDir(kDesktopFolder);
  const std::string dir = NormalizedInstallDir();
  for (const TInstalledProgram& program : kInstalledPrograms) {
    const std::string target = dir + program.RelativePath;
    if (platform::FileExists(target)) CreateShortcut(target, ToWide(desktop + "\\" + program.ShortcutName));
  }
  return true;
}

void TStep2Frm::UnSetFile(const std::string& archive, const std::string& installDir) {
  if (!platform::FileExists(archive)) return;
  Zip1.SetZipName(archive);
  Zip1.LoadZipDirectory();
  Zip1.Password = kPackagePassword;
  Zip1.DoAll = true;
  Zip1.SetDestDir(installDir);
  Zip1.RecreateDirs = true;
  Zip1.RetainAttributes = true;
  Zip1.ReplaceReadOnly = true;
  Zip1.ExtractFiles();
}

}  // namespace tavo::app
