// End to end: the installation run. setup.exe is staged in a scratch folder
// beside a package, started, driven to "下一步" with a typed directory, and
// what it leaves behind is checked: the installed tree against what Info-ZIP
// unzip extracts from the same package, the desktop shortcuts read back
// through the shell, the boxes it shows and the programs it starts.
//
// Inputs (host or Windows paths): TAVO_SETUP_EXE (default this build's
// app/setup.exe), TAVO_DEMO_PACKAGE (demo/tavo.ex_), TAVO_DEMO_REFERENCE (the
// package as unzip extracts it, made by the build), TAVO_SCREENSHOT_DIR
// (out/e2e in the source tree), TAVO_E2E_WORK (scratch, e2e-install in the
// build), TAVO_NAME_PACKAGES (the packages with UTF-8 Chinese names and
// their tree, made by make-name-packages.sh). The drive-letter case needs D: mapped to a scratch folder, which
// the test fixture map-drive.sh does.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/support/ZipBuilder.h"
#include "tests/e2e/InstallChecks.h"
#include "tests/e2e/WindowDriver.h"

namespace tavo::e2e {
namespace {

const wchar_t kSplashCaption[] = L"电话呼叫中心安装程序";
const wchar_t kDirectoryCaption[] = L"叫号程序安装";
const wchar_t kHintCaption[] = L"提示";
const wchar_t kErrorCaption[] = L"安装程序";
const wchar_t kAllInstalled[] = L"所有程序都已安装完成。";
const wchar_t kInstalling[] = L"正在安装软件....";
const wchar_t kCreateFailed[] = L"创建安装目录失败，不能安装程序。";
// The engine's message for a file without an end record, as the error box
// shows it: with "." appended.
const wchar_t kIncompleteZip[] = L"Incomplete Zip File.";

const wchar_t* const kShortcuts[3] = {L"管理软件.lnk", L"后台软件.lnk", L"启动数据库.lnk"};
const wchar_t* const kPrograms[3] = {L"tavo\\Manager.exe", L"tavo\\Backend.exe", L"tavo\\DbLaunch.exe"};

constexpr DWORD kWindowTimeout = 30000;

class InstallFlowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    setupExe = WindowsPath(EnvironmentOr("TAVO_SETUP_EXE", std::string(TAVO_BINARY_DIR) + "/app/setup.exe"));
    package = WindowsPath(EnvironmentOr("TAVO_DEMO_PACKAGE", std::string(TAVO_BINARY_DIR) + "/demo/tavo.ex_"));
    reference = WindowsPath(
        EnvironmentOr("TAVO_DEMO_REFERENCE", std::string(TAVO_BINARY_DIR) + "/tests/e2e/demo-reference"));
    shots = WindowsPath(EnvironmentOr("TAVO_SCREENSHOT_DIR", std::string(TAVO_SOURCE_DIR) + "/out/e2e"));
    work = WindowsPath(EnvironmentOr("TAVO_E2E_WORK", std::string(TAVO_BINARY_DIR) + "/e2e-install"));
    namePackages = WindowsPath(
        EnvironmentOr("TAVO_NAME_PACKAGES", std::string(TAVO_BINARY_DIR) + "/tests/e2e/name-packages"));
    ForceDirectories(shots);
    ForceDirectories(work);
    desktop = DesktopDirectory();
    ASSERT_FALSE(desktop.empty()) << "no desktop folder";
    for (const wchar_t* name : kShortcuts) {
      const std::wstring link = desktop + L"\\" + name;
      SetFileAttributesW(link.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(link.c_str());
    }
  }

  void TearDown() override { CoUninitialize(); }

  // A scratch folder holding setup.exe and, when asked, the package (the
  // demo package unless another is named).
  std::wstring Stage(const std::wstring& name, bool withPackage, std::wstring from = {}) {
    if (from.empty()) from = package;
    const std::wstring dir = work + L"\\" + name;
    RemoveTree(dir);
    ForceDirectories(dir);
    EXPECT_TRUE(CopyFileW(setupExe.c_str(), (dir + L"\\setup.exe").c_str(), FALSE)) << "cannot stage setup.exe";
    if (withPackage) {
      EXPECT_TRUE(CopyFileW(from.c_str(), (dir + L"\\tavo.ex_").c_str(), FALSE)) << "cannot stage tavo.ex_";
    }
    return dir;
  }

  void Photograph(HWND wnd, const std::wstring& name) {
    EXPECT_TRUE(TWindowDriver::Screenshot(wnd, shots + L"\\" + name + L".png")) << "cannot save a screenshot";
  }

  std::wstring setupExe, package, reference, shots, work, namePackages, desktop;
};

// The installed tree equals the reference tree: the same names and files,
// byte for byte, and (when the reference is an extraction of the package)
// the same dates and read-only attribute. The trace the started programs
// leave is not part of the package.
void ExpectSameTree(const std::wstring& reference, const std::wstring& installed, bool datesAndAttributes = true) {
  const std::map<std::wstring, TFileFacts> expected = ListTree(reference);
  std::map<std::wstring, TFileFacts> actual = ListTree(installed);
  actual.erase(L"install-trace.log");
  actual.erase(L"postinst-trace.log");
  ASSERT_GT(expected.size(), 8u) << "the reference tree is missing: " << Narrow(reference);
  for (const auto& [name, facts] : expected) {
    const auto found = actual.find(name);
    if (found == actual.end()) {
      ADD_FAILURE() << "not installed: " << Narrow(name);
      continue;
    }
    EXPECT_EQ(found->second.directory, facts.directory) << Narrow(name);
    if (facts.directory) continue;
    EXPECT_TRUE(found->second.content == facts.content) << "content differs: " << Narrow(name);
    if (!datesAndAttributes) continue;
    EXPECT_EQ(found->second.writeTime, facts.writeTime) << "date differs: " << Narrow(name);
    EXPECT_EQ(found->second.readOnly, facts.readOnly) << "read-only attribute differs: " << Narrow(name);
  }
  for (const auto& entry : actual) {
    EXPECT_TRUE(expected.count(entry.first)) << "installed but not in the package: " << Narrow(entry.first);
  }
}

// Each shortcut on the desktop points at its program under dir, with the
// program's folder as working directory.
void ExpectShortcuts(const std::wstring& desktop, const std::wstring& dir) {
  for (int i = 0; i < 3; ++i) {
    TShortcut link;
    ASSERT_TRUE(ReadShortcut(desktop + L"\\" + kShortcuts[i], link)) << "no shortcut " << Narrow(kShortcuts[i]);
    const std::wstring target = dir + L"\\" + kPrograms[i];
    EXPECT_EQ(ToLower(link.target), ToLower(target)) << Narrow(kShortcuts[i]);
    EXPECT_EQ(ToLower(link.workingDirectory), ToLower(target.substr(0, target.rfind(L'\\') + 1)))
        << Narrow(kShortcuts[i]);
  }
}

void ExpectNoShortcuts(const std::wstring& desktop) {
  for (const wchar_t* name : kShortcuts) {
    EXPECT_EQ(GetFileAttributesW((desktop + L"\\" + name).c_str()), INVALID_FILE_ATTRIBUTES)
        << "shortcut written: " << Narrow(name);
  }
}

// The follow-up programs among what setup.exe started (the shell may start
// helpers of its own, such as Wine's menu builder when a shortcut is saved).
std::vector<TChildProcess> FollowUps(const std::vector<TChildProcess>& children) {
  std::vector<TChildProcess> followUps;
  for (const TChildProcess& child : children) {
    const std::wstring exe = ToLower(child.exe);
    if (exe == L"cmd.exe" || exe == L"dblaunch.exe") followUps.push_back(child);
  }
  return followUps;
}

// What one run through the windows saw.
struct TRunResult {
  HWND splash = nullptr;
  HWND directory = nullptr;
  HWND status = nullptr;
  std::vector<TChildProcess> children;  // cmd.exe and DbLaunch.exe started by setup.exe
  FILETIME boxDismissed{};
};

// Starts the staged setup.exe, opens the directory window, lets chooser
// work on it (when given), types dirText into Edit1 and clicks "下一步".
// Returns false (with a failure) when a window does not come.
bool OpenAndGo(TWindowDriver& driver, const std::wstring& stage, const std::wstring& dirText, TRunResult& run,
               const std::function<void(HWND, const std::wstring&)>& photograph, const std::wstring& prefix,
               const std::function<bool(HWND directory)>& chooser = nullptr) {
  if (!driver.Start(stage + L"\\setup.exe")) {
    ADD_FAILURE() << "cannot start setup.exe, error " << GetLastError();
    return false;
  }
  run.splash = driver.WaitForWindow(kSplashCaption, kWindowTimeout);
  if (!run.splash) {
    ADD_FAILURE() << "no splash window";
    return false;
  }
  WaitPaintedBar(run.splash);
  if (photograph) photograph(run.splash, prefix + L"-1-splash");
  ClickInstall(run.splash);
  run.directory = driver.WaitForWindow(kDirectoryCaption, kWindowTimeout);
  if (!run.directory) {
    ADD_FAILURE() << "\"安装程序\" did not open the directory window";
    return false;
  }
  run.status = FindStatusWindow(driver.ProcessId());
  if (!run.status) {
    ADD_FAILURE() << "no status window among the program's windows";
    return false;
  }
  if (chooser && !chooser(run.directory)) return false;
  if (!TypeDirectory(run.directory, dirText)) {
    ADD_FAILURE() << "the directory window has no edit box";
    return false;
  }
  Sleep(300);
  if (photograph) {
    // The drive list opened over the directory list, then closed again.
    if (ShowDriveList(run.directory, true)) {
      Sleep(500);
      photograph(run.directory, prefix + L"-2-chooser-drives");
      ShowDriveList(run.directory, false);
      Sleep(300);
    }
    photograph(run.directory, prefix + L"-2-directory");
  }
  ClickNext(run.directory);
  return true;
}

// After "下一步" of a run that succeeds: waits for the completion box, checks
// it and what has (not) happened while it is up, photographs the status line
// and the box, dismisses it and watches which programs setup.exe starts.
void FinishWithCompletionBox(TWindowDriver& driver, const std::wstring& installDir, TRunResult& run,
                             const std::function<void(HWND, const std::wstring&)>& photograph,
                             const std::wstring& prefix, DWORD launchWaitMs = 20000) {
  TChildWatcher watcher(driver.ProcessId());
  const HWND box = WaitForBox(driver.ProcessId(), kHintCaption, kWindowTimeout);
  ASSERT_NE(box, nullptr) << "no completion box";
  const TBoxFacts facts = ReadBox(box);
  EXPECT_EQ(facts.text, kAllInstalled);
  EXPECT_EQ(facts.buttons, std::vector<int>{IDOK}) << "the completion box has other buttons than OK";
  EXPECT_FALSE(facts.icon) << "the completion box shows an icon";
  // The box comes before either follow-up program.
  EXPECT_TRUE(FollowUps(watcher.Children()).empty()) << "a program started before the box was dismissed";
  EXPECT_EQ(ReadTrace(installDir), "") << "a program ran before the box was dismissed";
  EXPECT_TRUE(IsWindowVisible(run.status));
  EXPECT_EQ(ChildText(run.status), kInstalling);
  if (photograph) {
    MoveAside(box, run.status);
    photograph(run.status, prefix + L"-3-status");
    photograph(box, prefix + L"-4-completion");
  }
  GetSystemTimeAsFileTime(&run.boxDismissed);
  ClickButton(box, IDOK);
  ASSERT_TRUE(TWindowDriver::WaitForHidden(box, kWindowTimeout)) << "the box did not close";
  ASSERT_TRUE(TWindowDriver::WaitForHidden(run.status, kWindowTimeout)) << "the status window stayed";
  ASSERT_TRUE(TWindowDriver::WaitForHidden(run.directory, kWindowTimeout)) << "the directory window stayed";
  run.children = watcher.WaitFor(installDir, launchWaitMs);
}

// The order of the follow-up programs: postinst.bat (run by cmd.exe) before
// DbLaunch.exe, both after the box; and the traces they left.
void ExpectLaunches(const TRunResult& run, const std::wstring& installDir, bool batch, bool dbLaunch) {
  const TChildProcess* cmd = nullptr;
  const TChildProcess* db = nullptr;
  const std::vector<TChildProcess> followUps = FollowUps(run.children);
  for (const TChildProcess& child : followUps) {
    if (ToLower(child.exe) == L"cmd.exe" && !cmd) cmd = &child;
    if (ToLower(child.exe) == L"dblaunch.exe" && !db) db = &child;
  }
  EXPECT_EQ(cmd != nullptr, batch) << "postinst.bat " << (batch ? "not started" : "started");
  EXPECT_EQ(db != nullptr, dbLaunch) << "DbLaunch.exe " << (dbLaunch ? "not started" : "started");
  for (const TChildProcess* child : {cmd, db}) {
    if (child) {
      EXPECT_GE(CompareFileTime(&child->created, &run.boxDismissed), 0) << Narrow(child->exe) << " before the box";
    }
  }
  if (cmd && db) {
    EXPECT_LE(CompareFileTime(&cmd->created, &db->created), 0) << "DbLaunch.exe started before postinst.bat";
  }
  const std::string trace = ReadTrace(installDir);
  EXPECT_EQ(trace.find("postinst.bat started") != std::string::npos, batch) << trace;
  EXPECT_EQ(trace.find("DbLaunch started") != std::string::npos, dbLaunch) << trace;
  EXPECT_EQ(trace.find("Manager started"), std::string::npos) << trace;
  EXPECT_EQ(trace.find("Backend started"), std::string::npos) << trace;
}

// Both wizard windows gone, the splash window enabled and in front of the
// program's other windows; then "退     出 " ends the program.
void ExpectBackAtSplash(TWindowDriver& driver, const TRunResult& run) {
  EXPECT_FALSE(IsWindowVisible(run.directory));
  EXPECT_FALSE(IsWindowVisible(run.status));
  EXPECT_TRUE(IsWindowVisible(run.splash));
  const DWORD start = GetTickCount();
  while (!IsWindowEnabled(run.splash) && GetTickCount() - start < 5000) Sleep(50);
  EXPECT_TRUE(IsWindowEnabled(run.splash));
  EXPECT_EQ(TopWindowOf(driver.ProcessId()), run.splash) << "the splash window is not in front";
  ClickExit(run.splash);
  EXPECT_TRUE(driver.WaitForExit(kWindowTimeout)) << "the program did not end";
}

TEST_F(InstallFlowTest, FullInstallIntoFreshDirectory) {
  const std::wstring stage = Stage(L"full", true);
  const std::wstring target = stage + L"\\target\\new\\CallCentre";
  auto photo = [this](HWND wnd, const std::wstring& name) { Photograph(wnd, name); };
  TWindowDriver driver;
  TRunResult run;
  ASSERT_TRUE(OpenAndGo(driver, stage, target, run, photo, L"install"));
  FinishWithCompletionBox(driver, target, run, photo, L"install");
  if (HasFatalFailure()) return;
  ExpectLaunches(run, target, true, true);
  ExpectSameTree(reference, target);
  ExpectShortcuts(desktop, target);
  Photograph(run.splash, L"install-5-done");
  ExpectBackAtSplash(driver, run);
}

TEST_F(InstallFlowTest, ReinstallKeepsAChangedFile) {
  const std::wstring stage = Stage(L"again", true);
  const std::wstring target = stage + L"\\target";
  const std::wstring changed = target + L"\\tavo\\config\\queue.ini";
  {
    TWindowDriver driver;
    TRunResult run;
    ASSERT_TRUE(OpenAndGo(driver, stage, target, run, nullptr, L""));
    FinishWithCompletionBox(driver, target, run, nullptr, L"");
    if (HasFatalFailure()) return;
    ExpectBackAtSplash(driver, run);
  }
  ASSERT_TRUE(WriteFileBytes(changed, "changed by the user\r\n"));
  for (const wchar_t* name : kShortcuts) DeleteFileW((desktop + L"\\" + name).c_str());
  DeleteFileW((target + L"\\install-trace.log").c_str());
  DeleteFileW((target + L"\\postinst-trace.log").c_str());

  auto photo = [this](HWND wnd, const std::wstring& name) { Photograph(wnd, name); };
  TWindowDriver driver;
  TRunResult run;
  ASSERT_TRUE(OpenAndGo(driver, stage, target, run, photo, L"reinstall"));
  FinishWithCompletionBox(driver, target, run, photo, L"reinstall");
  if (HasFatalFailure()) return;
  EXPECT_EQ(ReadFileBytes(changed), "changed by the user\r\n") << "the installed file was overwritten";
  ExpectShortcuts(desktop, target);
  ExpectLaunches(run, target, true, true);
  ExpectBackAtSplash(driver, run);
}

TEST_F(InstallFlowTest, MissingPackageStillShowsTheBoxAndStartsTheBatch) {
  const std::wstring stage = Stage(L"nopackage", false);
  const std::wstring target = stage + L"\\target";
  ForceDirectories(target);
  // A batch file left by an earlier installation.
  ASSERT_TRUE(CopyFileW(WindowsPath(std::string(TAVO_SOURCE_DIR) + "/demo/postinst.bat").c_str(),
                        (target + L"\\postinst.bat").c_str(), FALSE));
  auto photo = [this](HWND wnd, const std::wstring& name) { Photograph(wnd, name); };
  TWindowDriver driver;
  TRunResult run;
  ASSERT_TRUE(OpenAndGo(driver, stage, target, run, photo, L"nopackage"));
  FinishWithCompletionBox(driver, target, run, photo, L"nopackage");
  if (HasFatalFailure()) return;
  ExpectLaunches(run, target, true, false);
  ExpectNoShortcuts(desktop);
  EXPECT_EQ(GetFileAttributesW((target + L"\\tavo").c_str()), INVALID_FILE_ATTRIBUTES) << "something was extracted";
  ExpectBackAtSplash(driver, run);
}

// The shell gets each launch path from a 200-byte buffer: an install
// directory that leaves no room for "postinst.bat" or "tavo\DbLaunch.exe"
// still installs, but neither program is started under a cut-off name.
TEST_F(InstallFlowTest, LaunchPathsTooLongForTheBufferAreNotStarted) {
  const std::wstring stage = Stage(L"longpath", true);
  constexpr size_t kDirLength = 187;  // + "\postinst.bat" = 200 bytes
  ASSERT_LT(stage.size() + 10, kDirLength);
  const std::wstring target = stage + L"\\" + std::wstring(kDirLength - stage.size() - 1, L'n');
  ASSERT_EQ((target + L"\\postinst.bat").size(), 200u);
  TWindowDriver driver;
  TRunResult run;
  ASSERT_TRUE(OpenAndGo(driver, stage, target, run, nullptr, L""));
  FinishWithCompletionBox(driver, target, run, nullptr, L"", 6000);
  if (HasFatalFailure()) return;
  ExpectSameTree(reference, target);
  ExpectShortcuts(desktop, target);
  ExpectLaunches(run, target, false, false);
  ExpectBackAtSplash(driver, run);
}

TEST_F(InstallFlowTest, EmptyDirectoryFailsBackToTheDirectoryWindow) {
  const std::wstring stage = Stage(L"empty", true);
  TWindowDriver driver;
  TRunResult run;
  ASSERT_TRUE(OpenAndGo(driver, stage, L"", run, nullptr, L""));
  // The failure closes the status window in the same tick that opened it.
  Sleep(1500);
  ASSERT_TRUE(TWindowDriver::WaitForHidden(run.status, kWindowTimeout)) << "the status window stayed";
  EXPECT_EQ(ChildText(run.status), kCreateFailed);
  EXPECT_TRUE(IsWindowVisible(run.directory)) << "the directory window closed";
  const DWORD start = GetTickCount();
  while (!IsWindowEnabled(run.directory) && GetTickCount() - start < 5000) Sleep(50);
  EXPECT_TRUE(IsWindowEnabled(run.directory));
  EXPECT_EQ(WaitForBox(driver.ProcessId(), kHintCaption, 1500), nullptr) << "a completion box after the failure";
  Photograph(run.directory, L"empty-directory-after-failure");
  // Nothing is extracted, not even into the current directory.
  EXPECT_EQ(GetFileAttributesW((stage + L"\\tavo").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesW((stage + L"\\postinst.bat").c_str()), INVALID_FILE_ATTRIBUTES);
  ExpectNoShortcuts(desktop);
  // Back at the directory window, "取消" leads to the splash window.
  ClickCancel(run.directory);
  EXPECT_TRUE(TWindowDriver::WaitForHidden(run.directory, kWindowTimeout));
}

// D: is mapped to a scratch folder (map-drive.sh); each text is typed into
// a drive without the directory, and its parents where there are any.
struct DriveCase {
  const wchar_t* name;
  const wchar_t* typed;
  const wchar_t* installed;  // the directory the paths are built from
};

class InstallFlowDriveTest : public InstallFlowTest, public ::testing::WithParamInterface<DriveCase> {};

TEST_P(InstallFlowDriveTest, TypedDirectoryGivesTheSamePaths) {
  if (GetFileAttributesW(L"D:\\") == INVALID_FILE_ATTRIBUTES) {
    FAIL() << "drive D: is not mapped (tests/e2e/map-drive.sh)";
  }
  RemoveTree(L"D:\\Apps");
  RemoveTree(L"D:\\Deep");
  const std::wstring stage = Stage(std::wstring(L"drive-") + GetParam().name, true);
  const std::wstring installed = GetParam().installed;
  auto photo = [this](HWND wnd, const std::wstring& name) { Photograph(wnd, name); };
  TWindowDriver driver;
  TRunResult run;
  ASSERT_TRUE(OpenAndGo(driver, stage, GetParam().typed, run, photo, std::wstring(L"drive-") + GetParam().name));
  FinishWithCompletionBox(driver, installed, run, nullptr, L"");
  if (HasFatalFailure()) return;
  ExpectSameTree(reference, installed);
  ExpectShortcuts(desktop, installed);
  ExpectLaunches(run, installed, true, true);
  // The batch file found its own folder: the one separator was kept.
  EXPECT_NE(ReadTrace(installed).find("postinst.bat started"), std::string::npos);
  ExpectBackAtSplash(driver, run);
}

const DriveCase kDriveCases[] = {
    {L"TrailingBlanks", L"D:\\Apps   ", L"D:\\Apps"},
    {L"TrailingSeparator", L"D:\\Apps\\", L"D:\\Apps"},
    {L"MissingParents", L"D:\\Deep\\er\\Apps\\", L"D:\\Deep\\er\\Apps"},
};

INSTANTIATE_TEST_SUITE_P(DriveD, InstallFlowDriveTest, ::testing::ValuesIn(kDriveCases),
                         [](const auto& info) { return Narrow(info.param.name); });

TEST_F(InstallFlowTest, CorruptPackageReportsTheEngineFailure) {
  const std::wstring stage = Stage(L"corrupt", false);
  // Not an archive: text where the package should be.
  ASSERT_TRUE(WriteFileBytes(stage + L"\\tavo.ex_", std::string(4000, 'x')));
  const std::wstring target = stage + L"\\target";
  TWindowDriver driver;
  TRunResult run;
  ASSERT_TRUE(OpenAndGo(driver, stage, target, run, nullptr, L""));
  TChildWatcher watcher(driver.ProcessId());
  const HWND box = WaitForBox(driver.ProcessId(), kErrorCaption, kWindowTimeout);
  ASSERT_NE(box, nullptr) << "no error box";
  const TBoxFacts facts = ReadBox(box);
  EXPECT_EQ(facts.text, kIncompleteZip);
  EXPECT_EQ(facts.buttons, std::vector<int>{IDOK});
  EXPECT_TRUE(facts.icon) << "the error box has no icon";
  // While the box is up the status window still says where the run stopped.
  EXPECT_TRUE(IsWindowVisible(run.status));
  EXPECT_EQ(ChildText(run.status), kInstalling);
  MoveAside(box, run.status);
  Photograph(run.status, L"corrupt-status");
  Photograph(box, L"corrupt-error-box");
  ClickButton(box, IDOK);
  ASSERT_TRUE(TWindowDriver::WaitForHidden(box, kWindowTimeout));
  // Dismissing the box closes the status window: back at the directory window.
  EXPECT_TRUE(TWindowDriver::WaitForHidden(run.status, kWindowTimeout)) << "the status window stayed";
  EXPECT_TRUE(IsWindowVisible(run.directory));
  EXPECT_EQ(WaitForBox(driver.ProcessId(), kHintCaption, 1500), nullptr) << "a completion box after the failure";
  EXPECT_TRUE(FollowUps(watcher.Children()).empty()) << "a program was started after the failure";
  EXPECT_EQ(ListTree(target).size(), 0u) << "something was extracted";
  ExpectNoShortcuts(desktop);
  ClickCancel(run.directory);
  EXPECT_TRUE(TWindowDriver::WaitForHidden(run.directory, kWindowTimeout));
}

std::string LowerAscii(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// A package holding only two of the three programs: only their shortcuts
// are written, in the table's order, and the missing program gets none.
TEST_F(InstallFlowTest, OnlyTheProgramsThatExistGetShortcuts) {
  const std::wstring packageFile = work + L"\\two-programs.ex_";
  test::ZipBuilder builder;
  builder.Add(test::ZipEntry::Stored("tavo/Backend.exe", ReadFileBytes(reference + L"\\tavo\\Backend.exe")));
  builder.Add(test::ZipEntry::Stored("tavo/DbLaunch.exe", ReadFileBytes(reference + L"\\tavo\\DbLaunch.exe")));
  const std::string zip = builder.Build();
  ASSERT_GT(zip.size(), 2000u) << "the demo programs are missing from the reference tree";
  ASSERT_TRUE(WriteFileBytes(packageFile, zip));
  const std::wstring stage = Stage(L"two-programs", true, packageFile);
  const std::wstring target = stage + L"\\target";
  TWindowDriver driver;
  TRunResult run;
  ASSERT_TRUE(OpenAndGo(driver, stage, target, run, nullptr, L""));
  FinishWithCompletionBox(driver, target, run, nullptr, L"");
  if (HasFatalFailure()) return;
  EXPECT_EQ(GetFileAttributesW((desktop + L"\\" + kShortcuts[0]).c_str()), INVALID_FILE_ATTRIBUTES)
      << "a shortcut to the missing Manager.exe";
  FILETIME written[3] = {};
  for (int i = 1; i < 3; ++i) {
    TShortcut link;
    ASSERT_TRUE(ReadShortcut(desktop + L"\\" + kShortcuts[i], link)) << "no shortcut " << Narrow(kShortcuts[i]);
    EXPECT_EQ(ToLower(link.target), ToLower(target + L"\\" + kPrograms[i]));
    WIN32_FILE_ATTRIBUTE_DATA facts{};
    ASSERT_TRUE(GetFileAttributesExW((desktop + L"\\" + kShortcuts[i]).c_str(), GetFileExInfoStandard, &facts));
    written[i] = facts.ftCreationTime;
  }
  EXPECT_LE(CompareFileTime(&written[1], &written[2]), 0) << "启动数据库.lnk was written before 后台软件.lnk";
  ExpectLaunches(run, target, false, true);
  ExpectBackAtSplash(driver, run);
}

// The follow-up programs inherit the installer's current directory, which
// is the directory last opened in the chooser, not the install directory;
// the batch file gets a normal window and the database program a minimised
// one.
TEST_F(InstallFlowTest, FollowUpProgramsStartInTheChosenDirectoryWithTheirWindowStates) {
  const std::wstring stage = Stage(L"followups", true);
  const std::wstring chosen = stage + L"\\chosen";
  ForceDirectories(chosen);
  const std::wstring target = stage + L"\\target";
  // The chooser starts in setup.exe's own directory; its one sub-directory
  // is the last entry.
  auto openChosen = [&](HWND directory) {
    EXPECT_EQ(ToLower(DirectoryText(directory)), ToLower(stage));
    if (!OpenLastDirectoryEntry(directory)) return false;
    const DWORD start = GetTickCount();
    while (ToLower(DirectoryText(directory)) != ToLower(chosen) && GetTickCount() - start < 10000) Sleep(100);
    EXPECT_EQ(ToLower(DirectoryText(directory)), ToLower(chosen)) << "the chooser did not open the directory";
    return ToLower(DirectoryText(directory)) == ToLower(chosen);
  };
  TWindowDriver driver;
  TRunResult run;
  ASSERT_TRUE(OpenAndGo(driver, stage, target, run, nullptr, L"", openChosen));
  FinishWithCompletionBox(driver, target, run, nullptr, L"");
  if (HasFatalFailure()) return;
  ExpectLaunches(run, target, true, true);
  const std::string trace = ReadTrace(target);
  const std::string inChosen = "current directory " + Narrow(chosen) + "\r\n";
  for (const char* program : {"postinst.bat", "DbLaunch"}) {
    const size_t at = trace.find(std::string(program) + " started, ");
    ASSERT_NE(at, std::string::npos) << trace;
    const std::string line = trace.substr(at, trace.find('\n', at) + 1 - at);
    EXPECT_NE(LowerAscii(line).find(LowerAscii(inChosen)), std::string::npos) << line;
  }
  for (const TChildProcess& child : FollowUps(run.children)) {
    SCOPED_TRACE(Narrow(child.exe));
    ASSERT_TRUE(child.startupRead) << "the start-up settings could not be read";
    EXPECT_TRUE(child.usesShowWindow);
    EXPECT_EQ(child.showWindow, ToLower(child.exe) == L"cmd.exe" ? unsigned{SW_SHOWNORMAL} : unsigned{SW_MINIMIZE});
  }
  ExpectBackAtSplash(driver, run);
}

// Packages made by today's archivers store Chinese names as UTF-8: Python's
// zipfile flags them with bit 11, Info-ZIP zip writes them unflagged from a
// Unix host. Either installs under the right names, checked here through
// the wide-character API, and the programs under those names still start.
class InstallFlowNameTest : public InstallFlowTest, public ::testing::WithParamInterface<const wchar_t*> {};

TEST_P(InstallFlowNameTest, ChineseNamesInstallUnderTheirOwnNames) {
  const std::wstring from = namePackages + L"\\" + GetParam() + L".ex_";
  ASSERT_NE(GetFileAttributesW(from.c_str()), INVALID_FILE_ATTRIBUTES) << "no package " << Narrow(from);
  const std::wstring stage = Stage(std::wstring(L"names-") + GetParam(), true, from);
  const std::wstring target = stage + L"\\安装\\叫号";
  TWindowDriver driver;
  TRunResult run;
  ASSERT_TRUE(OpenAndGo(driver, stage, target, run, nullptr, L""));
  FinishWithCompletionBox(driver, target, run, nullptr, L"");
  if (HasFatalFailure()) return;
  for (const wchar_t* name : {L"文档\\使用说明.txt", L"tavo\\数据\\声音设置.ini", L"tavo\\配置\\淺色主题.ini"}) {
    EXPECT_NE(GetFileAttributesW((target + L"\\" + name).c_str()), INVALID_FILE_ATTRIBUTES)
        << "not installed as " << Narrow(name);
  }
  EXPECT_EQ(ReadFileBytes(target + L"\\tavo\\数据\\声音设置.ini"), "[Sound]\r\nVolume=80\r\n");
  ExpectSameTree(namePackages + L"\\reference", target, false);
  ExpectShortcuts(desktop, target);
  ExpectLaunches(run, target, true, true);
  ExpectBackAtSplash(driver, run);
}

INSTANTIATE_TEST_SUITE_P(Archivers, InstallFlowNameTest, ::testing::Values(L"python", L"infozip"),
                         [](const auto& info) { return Narrow(info.param); });

}  // namespace
}  // namespace tavo::e2e
