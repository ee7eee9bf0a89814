// The installation run inside the test program: the status window's tick
// with a typed install directory, the status texts it shows, the boxes it
// puts up and what it leaves on disk; and the application's message pump
// while the engine extracts. The package the run looks for lies beside the
// running program, so the tests that need one write it there and remove it.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/PublicUnit.h"
#include "app/Step1Unit.h"
#include "app/Step2Unit.h"
#include "app/Texts.h"
#include "core/Exception.h"
#include "tests/app/RunTestSupport.h"
#include "tests/support/ZipBuilder.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/UiException.h"
#include "unzip/Zip.h"

namespace tavo::app {
namespace {

using namespace tavo::testing_support;
using test::ZipBuilder;
using test::ZipEntry;
using ui::testing_support::PumpUntil;

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ui::testing_support::TUiEnvironment);

// A package whose entries are stored as they are.
std::string StoredZip(const std::vector<std::pair<std::string, std::string>>& files) {
  ZipBuilder zip;
  for (const auto& [name, content] : files) zip.Add(ZipEntry::Stored(name, content));
  return zip.Build();
}

// Lets the messages that follow a tick (the error box of a failure) be
// handled for a while.
void PumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    ui::Application().ProcessMessages();
    Sleep(5);
  }
}

std::vector<std::string> Captions(const std::vector<TSeenBox>& boxes) {
  std::vector<std::string> captions;
  for (const TSeenBox& box : boxes) captions.push_back(box.caption);
  return captions;
}

class InstallRunTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // The program entry's title: the caption of the error box.
    ui::Application().SetTitle(kApplicationTitle);
  }

  // Fresh windows for every run: the extraction component remembers the
  // package it last read.
  void SetUp() override {
    step1 = std::make_unique<TStep1Frm>();
    step2 = std::make_unique<TStep2Frm>();
    scratch = GetAppDir() + "install-run";
    RemoveTree(scratch);
    MakeDirectories(scratch);
    package = GetAppDir() + "tavo.ex_";
    DeleteFileA(package.c_str());
    InstallArmed = false;
    step2->Label1.SetCaption("");
  }

  void TearDown() override {
    DeleteFileA(package.c_str());
    RemoveTree(scratch);
    InstallArmed = false;
    step2.reset();
    step1.reset();
  }

  // One tick of the status window's timer, through the message loop as the
  // program gets it, with the boxes it shows dismissed.
  std::vector<TSeenBox> Tick(const std::string& typed, std::vector<std::string>* statusTexts = nullptr) {
    step1->Edit1.SetText(typed);
    TBoxWatcher boxes;
    {
      TTextRecorder status(step2->Label1.Handle());
      step2->Timer1.SetInterval(10);
      step2->Timer1.SetEnabled(true);
      EXPECT_TRUE(PumpUntil([&] { return !step2->Timer1.Enabled(); }, 20000));
      PumpFor(300);
      if (statusTexts) *statusTexts = status.Texts();
    }
    return boxes.Boxes();
  }

  std::unique_ptr<TStep1Frm> step1;
  std::unique_ptr<TStep2Frm> step2;
  std::string scratch, package;
};

TEST_F(InstallRunTest, TickWhileNotArmedInstallsNothing) {
  const std::string target = scratch + "\\not\\armed";
  std::vector<std::string> texts;
  const std::vector<TSeenBox> boxes = Tick(target, &texts);
  EXPECT_FALSE(step2->Timer1.Enabled());
  EXPECT_FALSE(DirectoryExists(scratch + "\\not")) << "an unarmed tick made the install directory";
  EXPECT_TRUE(texts.empty()) << texts.front();
  EXPECT_TRUE(boxes.empty()) << boxes.front().caption;
  EXPECT_FALSE(InstallArmed);
}

// Texts that name no directory of their own take the failure path: the
// creation status, then the failure status, no box, the run disarmed.
TEST_F(InstallRunTest, EmptyBlankAndRelativeDirectoriesFailWithTheStatusText) {
  const std::string relative = "tavo-relative-install";
  RemoveTree(relative);
  for (const std::string& typed : {std::string(), std::string("   "), relative, relative + "\\"}) {
    SCOPED_TRACE("typed \"" + typed + "\"");
    InstallArmed = true;
    std::vector<std::string> texts;
    const std::vector<TSeenBox> boxes = Tick(typed, &texts);
    EXPECT_EQ(texts, (std::vector<std::string>{kCreatingDirectory, kCreateDirectoryFailed}));
    EXPECT_EQ(step2->Label1.Caption(), kCreateDirectoryFailed);
    EXPECT_TRUE(boxes.empty()) << boxes.front().caption;
    EXPECT_FALSE(InstallArmed) << "the failure path leaves the run armed";
    EXPECT_FALSE(step2->Timer1.Enabled());
    EXPECT_FALSE(DirectoryExists(relative)) << "a relative name was made in the current directory";
  }
  RemoveTree(relative);
}

TEST_F(InstallRunTest, MissingAbsoluteDirectoryIsMadeWithItsParents) {
  const std::string target = scratch + "\\new\\deeper\\CallCentre";
  InstallArmed = true;
  std::vector<std::string> texts;
  const std::vector<TSeenBox> boxes = Tick(target, &texts);
  EXPECT_EQ(texts, (std::vector<std::string>{kCreatingDirectory, kInstalling}));
  EXPECT_TRUE(DirectoryExists(target));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, kHint);
  EXPECT_EQ(boxes[0].text, kAllInstalled);
  EXPECT_TRUE(InstallArmed);
}

TEST_F(InstallRunTest, ExistingDirectoryIsNotAnnouncedAsCreated) {
  InstallArmed = true;
  std::vector<std::string> texts;
  const std::vector<TSeenBox> boxes = Tick(scratch, &texts);
  EXPECT_EQ(texts, std::vector<std::string>{kInstalling});
  EXPECT_EQ(Captions(boxes), std::vector<std::string>{kHint});
}

// A failure raised inside the run goes to the application's error box; the
// run stops there: no completion box, and the batch file that would record
// its start is not started.
TEST_F(InstallRunTest, PackageThatIsNoArchiveEndsTheRunInTheErrorBox) {
  WriteFile(package, std::string(4000, 'x'));
  WriteFile(scratch + "\\postinst.bat", "@echo started> \"%~dp0started.txt\"\r\n");
  InstallArmed = true;
  std::vector<std::string> texts;
  const std::vector<TSeenBox> boxes = Tick(scratch, &texts);
  ASSERT_EQ(Captions(boxes), std::vector<std::string>{kApplicationTitle});
  EXPECT_EQ(boxes[0].text, "Incomplete Zip File.");
  EXPECT_TRUE(boxes[0].icon);
  EXPECT_EQ(texts, std::vector<std::string>{kInstalling});
  EXPECT_FALSE(step2->Timer1.Enabled());
  Sleep(1500);
  EXPECT_FALSE(FileExists(scratch + "\\started.txt")) << "postinst.bat was started after the failure";
}

// The shell-link object cannot be made while COM is not initialised: the
// first shortcut raises, and nothing after it follows.
TEST_F(InstallRunTest, ShortcutThatCannotBeMadeEndsTheRunInTheErrorBox) {
  WriteFile(package, StoredZip({{"readme.txt", "the product\r\n"}}));
  MakeDirectories(scratch + "\\tavo");
  WriteFile(scratch + "\\tavo\\Manager.exe", "MZ");
  WriteFile(scratch + "\\postinst.bat", "@echo started> \"%~dp0started.txt\"\r\n");
  InstallArmed = true;
  // The shell calls of earlier runs may have initialised COM again on top
  // of the application: undo every level, and restore them afterwards.
  int levels = 0;
  APTTYPE type;
  APTTYPEQUALIFIER qualifier;
  while (levels < 64 && CoGetApartmentType(&type, &qualifier) == S_OK) {
    CoUninitialize();
    ++levels;
  }
  ASSERT_GT(levels, 0);
  // A thread the shell started for an earlier call may keep a multithreaded
  // apartment in the process, through which the object is still made; it
  // goes away once the shell is done with it.
  bool comAvailable = true;
  for (int attempt = 0; attempt < 100 && comAvailable; ++attempt) {
    IUnknown* object = nullptr;
    comAvailable = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                              reinterpret_cast<void**>(&object)));
    if (object) object->Release();
    if (comAvailable) Sleep(100);
  }
  if (comAvailable) {
    for (int i = 0; i < levels; ++i) CoInitialize(nullptr);
    GTEST_SKIP() << "the shell-link object can still be made without COM in this process";
  }
  const std::vector<TSeenBox> boxes = Tick(scratch);
  for (int i = 0; i < levels; ++i) CoInitialize(nullptr);
  ASSERT_EQ(Captions(boxes), std::vector<std::string>{kApplicationTitle});
  EXPECT_TRUE(FileExists(scratch + "\\readme.txt")) << "the package was not extracted before the shortcuts: " << boxes[0].text;
  EXPECT_EQ(boxes[0].text, ErrorBoxText(ui::SysErrorMessage(static_cast<unsigned long>(CO_E_NOTINITIALIZED))));
  Sleep(1500);
  EXPECT_FALSE(FileExists(scratch + "\\started.txt")) << "postinst.bat was started after the failure";
}

// A stored archive of many small files in dir\pump.zip, and the engine set
// to extract it into dir\out: it lets messages be handled between entries.
void PrepareExtraction(const std::string& dir, zip::TZip& zip) {
  RemoveTree(dir);
  MakeDirectories(dir);
  std::vector<std::pair<std::string, std::string>> entries;
  for (int i = 0; i < 40; ++i) entries.emplace_back("data/file" + std::to_string(i) + ".txt", std::string(5000, 'a' + i % 26));
  WriteFile(dir + "\\pump.zip", StoredZip(entries));
  zip.SetZipName(dir + "\\pump.zip");
  zip.LoadZipDirectory();
  zip.DoAll = true;
  zip.SetDestDir(dir + "\\out");
  zip.RecreateDirs = true;
}

// The engine's message dispatch during an extraction is the application's
// pump: a handler that raises meanwhile is reported in the error box at
// once, and the extraction goes on to its end.
TEST(MessagePumpTest, FailureInAHandlerDuringAnExtractionIsReportedAndTheExtractionGoesOn) {
  const std::string dir = GetAppDir() + "pump-run";
  zip::TZip zip;
  PrepareExtraction(dir, zip);
  std::atomic<bool> extracting{false};
  TBoxWatcher boxes(&extracting);
  int raised = 0;
  ui::TTimer failing;
  failing.SetInterval(1);
  failing.OnTimer = [&](ui::TObject&) {
    failing.SetEnabled(false);
    ++raised;
    throw Exception("Handler failed");
  };
  failing.SetEnabled(true);
  Sleep(50);  // the tick is due before the extraction starts
  extracting = true;
  const int extracted = zip.ExtractFiles();
  extracting = false;
  PumpFor(300);
  EXPECT_EQ(raised, 1);
  const std::vector<TSeenBox> seen = boxes.Boxes();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, ui::Application().Title());
  EXPECT_EQ(seen[0].text, "Handler failed.");
  EXPECT_TRUE(seen[0].whileFlag) << "the failure was reported only after the extraction";
  EXPECT_EQ(extracted, 40);
  EXPECT_TRUE(FileExists(dir + "\\out\\data\\file39.txt"));
  RemoveTree(dir);
}

// Tab pressed while the engine extracts moves the focus as it does anywhere
// else in the program.
TEST(MessagePumpTest, TabDuringAnExtractionMovesTheFocus) {
  const std::string dir = GetAppDir() + "tab-run";
  zip::TZip zip;
  PrepareExtraction(dir, zip);
  ui::TFormLayout layout;
  layout.ClientWidth = 200;
  layout.ClientHeight = 80;
  ui::TForm form(layout);
  ui::TEdit first(form), second(form);
  first.SetDesignBounds(10, 10, 180, 21);
  first.SetTabOrder(0);
  second.SetDesignBounds(10, 40, 180, 21);
  second.SetTabOrder(1);
  form.Show();
  first.SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return first.Focused(); }));
  PostMessageA(first.Handle(), WM_KEYDOWN, VK_TAB, 1);
  EXPECT_EQ(zip.ExtractFiles(), 40);
  EXPECT_TRUE(second.Focused()) << "Tab went to the edit box instead of moving the focus";
  form.Hide();
  RemoveTree(dir);
}

}  // namespace
}  // namespace tavo::app
