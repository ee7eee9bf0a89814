// The code page 936 bytes of every Chinese text, checked against glibc's
// own UTF-8 to GBK conversion of the text as it reads.
#include "app/Texts.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace tavo::app {
namespace {

std::string ToGbk(const std::string& utf8) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return "<no converter>";
  std::string in = utf8;
  std::string out(in.size() * 2 + 4, '\0');
  char* src = in.data();
  char* dst = out.data();
  size_t srcLeft = in.size();
  size_t dstLeft = out.size();
  const size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1)) return "<conversion failed>";
  out.resize(out.size() - dstLeft);
  return out;
}

struct TTextCase {
  const char* name;
  const char* bytes;
  std::string utf8;
};

class TextsTest : public testing::TestWithParam<TTextCase> {};

TEST_P(TextsTest, BytesAreTheGbkOfTheText) { EXPECT_EQ(std::string(GetParam().bytes), ToGbk(GetParam().utf8)); }

INSTANTIATE_TEST_SUITE_P(
    All, TextsTest,
    testing::Values(TTextCase{"ApplicationTitle", kApplicationTitle, "安装程序"},
                    TTextCase{"SetUpCaption", kSetUpCaption, "电话呼叫中心安装程序"},
                    TTextCase{"InstallCaption", kInstallCaption, "安装程序"},
                    TTextCase{"ExitCaption", kExitCaption, "退     出 "},
                    TTextCase{"Step1Caption", kStep1Caption, "叫号程序安装"},
                    TTextCase{"ChooseDirectory", kChooseDirectory, "请选择安装目录："},
                    TTextCase{"NextStep", kNextStep, "下一步"}, TTextCase{"Cancel", kCancel, "取消"},
                    TTextCase{"SongTi", kSongTi, "宋体"},
                    TTextCase{"FallbackFolder", kFallbackFolder, "特殊文件夹路径:\r\n"},
                    TTextCase{"CreatingDirectory", kCreatingDirectory, "正在建立安装目录...."},
                    TTextCase{"Installing", kInstalling, "正在安装软件...."},
                    TTextCase{"CreateDirectoryFailed", kCreateDirectoryFailed, "创建安装目录失败，不能安装程序。"},
                    TTextCase{"Hint", kHint, "提示"},
                    TTextCase{"AllInstalled", kAllInstalled, "所有程序都已安装完成。"},
                    TTextCase{"ManagerShortcut", kManagerShortcut, "管理软件.lnk"},
                    TTextCase{"BackendShortcut", kBackendShortcut, "后台软件.lnk"},
                    TTextCase{"DbLaunchShortcut", kDbLaunchShortcut, "启动数据库.lnk"}),
    [](const testing::TestParamInfo<TTextCase>& info) { return std::string(info.param.name); });

TEST(TextsTest, FallbackFolderIsSeventeenBytes) { EXPECT_EQ(sizeof(kFallbackFolder) - 1, 17u); }

}  // namespace
}  // namespace tavo::app
