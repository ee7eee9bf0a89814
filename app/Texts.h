// Every Chinese text of the installer, as the code page 936 (GBK) bytes the
// program shows and compares at run time. Written as byte escapes so that
// the bytes do not depend on the compiler's or the system's code page; the
// text itself stands in the comment beside each.
#pragma once

namespace tavo::app {

// 安装程序 — the application's title: taskbar button and error boxes
inline constexpr char kApplicationTitle[] = "\xB0\xB2\xD7\xB0\xB3\xCC\xD0\xF2";
// 电话呼叫中心安装程序 — caption of the splash window
inline constexpr char kSetUpCaption[] = "\xB5\xE7\xBB\xB0\xBA\xF4\xBD\xD0\xD6\xD0\xD0\xC4\xB0\xB2\xD7\xB0\xB3\xCC\xD0\xF2";
// 安装程序 — the splash window's install caption
inline constexpr char kInstallCaption[] = "\xB0\xB2\xD7\xB0\xB3\xCC\xD0\xF2";
// "退     出 " — the splash window's exit caption: five spaces inside, one after
inline constexpr char kExitCaption[] = "\xCD\xCB     \xB3\xF6 ";
// 叫号程序安装 — caption of the directory window
inline constexpr char kStep1Caption[] = "\xBD\xD0\xBA\xC5\xB3\xCC\xD0\xF2\xB0\xB2\xD7\xB0";
// 请选择安装目录： — the directory window's prompt
inline constexpr char kChooseDirectory[] = "\xC7\xEB\xD1\xA1\xD4\xF1\xB0\xB2\xD7\xB0\xC4\xBF\xC2\xBC\xA3\xBA";
// 下一步 — next
inline constexpr char kNextStep[] = "\xCF\xC2\xD2\xBB\xB2\xBD";
// 取消 — cancel
inline constexpr char kCancel[] = "\xC8\xA1\xCF\xFB";
// 宋体 — the font face of the captions
inline constexpr char kSongTi[] = "\xCB\xCE\xCC\xE5";
// 特殊文件夹路径:\r\n — what a shell folder without a file-system path gives
inline constexpr char kFallbackFolder[] = "\xCC\xD8\xCA\xE2\xCE\xC4\xBC\xFE\xBC\xD0\xC2\xB7\xBE\xB6:\r\n";
// 正在建立安装目录.... — status line while the install directory is made
inline constexpr char kCreatingDirectory[] = "\xD5\xFD\xD4\xDA\xBD\xA8\xC1\xA2\xB0\xB2\xD7\xB0\xC4\xBF\xC2\xBC....";
// 正在安装软件.... — status line while the package is extracted
inline constexpr char kInstalling[] = "\xD5\xFD\xD4\xDA\xB0\xB2\xD7\xB0\xC8\xED\xBC\xFE....";
// 创建安装目录失败，不能安装程序。 — status line when the install directory cannot be made
inline constexpr char kCreateDirectoryFailed[] =
    "\xB4\xB4\xBD\xA8\xB0\xB2\xD7\xB0\xC4\xBF\xC2\xBC\xCA\xA7\xB0\xDC\xA3\xAC\xB2\xBB\xC4\xDC\xB0\xB2\xD7\xB0\xB3\xCC\xD0\xF2\xA1\xA3";
// 提示 — caption of the completion box
inline constexpr char kHint[] = "\xCC\xE1\xCA\xBE";
// 所有程序都已安装完成。 — the completion box
inline constexpr char kAllInstalled[] = "\xCB\xF9\xD3\xD0\xB3\xCC\xD0\xF2\xB6\xBC\xD2\xD1\xB0\xB2\xD7\xB0\xCD\xEA\xB3\xC9\xA1\xA3";
// 管理软件.lnk, 后台软件.lnk, 启动数据库.lnk — the desktop shortcuts
inline constexpr char kManagerShortcut[] = "\xB9\xDC\xC0\xED\xC8\xED\xBC\xFE.lnk";
inline constexpr char kBackendShortcut[] = "\xBA\xF3\xCC\xA8\xC8\xED\xBC\xFE.lnk";
inline constexpr char kDbLaunchShortcut[] = "\xC6\xF4\xB6\xAF\xCA\xFD\xBE\xDD\xBF\xE2.lnk";

}  // namespace tavo::app
