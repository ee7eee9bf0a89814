// Shell services under Wine: a shortcut read back through the shell, the
// desktop's path and its fallback text, the program's own directory, and
// the failure when COM is not there.
#include "app/PublicUnit.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "app/Texts.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/Handles.h"

namespace tavo::app {
namespace {

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ui::testing_support::TUiEnvironment);

std::wstring Wide(const std::string& s) {
  const int n = MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

struct TShortcut {
  std::string target;
  std::string workingDirectory;
};

// Reads a shortcut file back through the shell's own link object.
TShortcut ReadShortcut(const std::wstring& file) {
  ui::TComPtr<IShellLinkA> link;
  EXPECT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                         link.PutVoid())));
  ui::TComPtr<IPersistFile> persist;
  EXPECT_TRUE(SUCCEEDED(link.As(IID_IPersistFile, persist)));
  EXPECT_TRUE(SUCCEEDED(persist->Load(file.c_str(), STGM_READ)));
  char target[MAX_PATH] = {};
  char directory[MAX_PATH] = {};
  link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
  link->GetWorkingDirectory(directory, MAX_PATH);
  return {target, directory};
}

class TDesktopFile {
 public:
  explicit TDesktopFile(const std::string& name) : path_(GetSpecialFolderDir(CSIDL_DESKTOP) + "\\" + name) {
    DeleteFileA(path_.c_str());
  }
  ~TDesktopFile() { DeleteFileA(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

TEST(PublicUnitTest, DesktopFolderIsAnExistingDirectoryWithoutTrailingSeparator) {
  const std::string desktop = GetSpecialFolderDir(CSIDL_DESKTOP);
  ASSERT_NE(desktop, kFallbackFolder);
  EXPECT_NE(desktop.back(), '\\');
  const DWORD attributes = GetFileAttributesA(desktop.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(PublicUnitTest, ShortcutOnTheDesktopPointsAtTargetAndItsDirectory) {
  // The shortcut names the installer uses, in code page 936.
  for (const char* name : {kBackendShortcut, kManagerShortcut}) {
    const TDesktopFile link(name);
    const std::string target = "D:\\app\\tavo\\Backend.exe";
    CreateShortcut(target, Wide(link.Path()));
    ASSERT_NE(GetFileAttributesA(link.Path().c_str()), INVALID_FILE_ATTRIBUTES) << link.Path();
    const TShortcut read = ReadShortcut(Wide(link.Path()));
    EXPECT_EQ(read.target, target);
    EXPECT_EQ(read.workingDirectory, "D:\\app\\tavo\\");
  }
}

TEST(PublicUnitTest, ShortcutWorkingDirectoryKeepsATrailByteThatLooksLikeASeparator) {
  // 乗 is 0x81 0x5C: the directory is "C:\乗\", not "C:\" and a half.
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string dir = std::string(temp) + "\x81\x5C";
  CreateDirectoryA(dir.c_str(), nullptr);
  const std::string target = dir + "\\Manager.exe";
  const TDesktopFile link("tavo-test-5c.lnk");
  CreateShortcut(target, Wide(link.Path()));
  const TShortcut read = ReadShortcut(Wide(link.Path()));
  EXPECT_EQ(read.workingDirectory, dir + "\\");
  RemoveDirectoryA(dir.c_str());
}

TEST(PublicUnitTest, UnsavableShortcutIsSilentlyNotWritten) {
  const std::string missing = "C:\\no such directory\\x\\";
  EXPECT_NO_THROW(CreateShortcut("C:\\a.exe", Wide(missing + "a.lnk")));
  EXPECT_EQ(GetFileAttributesA((missing + "a.lnk").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(PublicUnitTest, FolderWithoutPathGivesTheFallbackText) {
  // The printers folder exists only in the shell's namespace; an unknown id
  // gives no folder at all. Both leave the 17-byte fallback text.
  for (int folder : {CSIDL_PRINTERS, CSIDL_CONTROLS, 0x7F}) {
    const std::string text = GetSpecialFolderDir(folder);
    EXPECT_EQ(text, std::string("\xCC\xD8\xCA\xE2\xCE\xC4\xBC\xFE\xBC\xD0\xC2\xB7\xBE\xB6:\r\n")) << folder;
    EXPECT_EQ(text.size(), 17u);
  }
}

TEST(PublicUnitTest, UnavailableDesktopGivesTheFallbackText) {
  // A shell that has no desktop folder, one whose folder has no path, one
  // that gives an empty path: the fallback text each time.
  const struct {
    long location;
    bool path;
    const char* text;
  } shells[] = {{E_FAIL, true, "C:\\x"}, {S_OK, false, "C:\\x"}, {S_OK, true, ""}};
  for (const auto& s : shells) {
    TShellFolderCalls shell;
    shell.GetLocation = [&](int folder, void** items) -> long {
      EXPECT_EQ(folder, CSIDL_DESKTOP);
      *items = FAILED(s.location) ? nullptr : CoTaskMemAlloc(2);
      return s.location;
    };
    shell.GetPath = [&](const void*, char* path) {
      strcpy(path, s.text);
      return s.path;
    };
    EXPECT_EQ(GetSpecialFolderDir(CSIDL_DESKTOP, shell), kFallbackFolder);
  }
  // A path of 256 to 259 bytes fits the shell's MAX_PATH and comes back whole.
  TShellFolderCalls shell;
  const std::string longPath = "C:\\" + std::string(255, 'd');
  shell.GetLocation = [](int, void** items) -> long {
    *items = CoTaskMemAlloc(2);
    return S_OK;
  };
  shell.GetPath = [&](const void*, char* path) {
    strcpy(path, longPath.c_str());
    return true;
  };
  EXPECT_EQ(GetSpecialFolderDir(CSIDL_DESKTOP, shell), longPath);
}

TEST(PublicUnitTest, AppDirIsTheTestProgramsDirectory) {
  char module[MAX_PATH * 2] = {};
  GetModuleFileNameA(nullptr, module, sizeof(module));
  const std::string dir = GetAppDir();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '\\');
  EXPECT_EQ(std::string(module).rfind(dir, 0), 0u) << module;
  EXPECT_EQ(std::string(module).substr(dir.size()), "app_win32_tests.exe");
  // The directory CTest built the program in, as Wine names it.
  std::string expected = std::string(TAVO_BINARY_DIR) + "/tests/app/";
  for (char& c : expected) c = c == '/' ? '\\' : c;
  EXPECT_EQ(_stricmp(dir.substr(2).c_str(), expected.c_str()), 0) << dir;
}

TEST(PublicUnitTest, ShortcutWithoutComRaisesTheSystemsText) {
  unsigned long code = 0;
  std::string message;
  // A thread of its own, where COM was never initialised.
  std::thread([&] {
    try {
      CreateShortcut("C:\\a.exe", L"C:\\a.lnk");
    } catch (const EOSError& e) {
      code = e.ErrorCode();
      message = e.what();
    }
  }).join();
  EXPECT_EQ(code, static_cast<unsigned long>(CO_E_NOTINITIALIZED));
  EXPECT_FALSE(message.empty());
}

}  // namespace
}  // namespace tavo::app
