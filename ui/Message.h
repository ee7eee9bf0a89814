// The message record that travels through a windowed control's window
// procedure chain, and the reflected notification numbers.
#pragma once

#include <windows.h>

#include <functional>

namespace tavo::ui {

struct TMessage {
  HWND Wnd = nullptr;
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

// A window procedure as a replaceable method. A component that takes a
// control's messages over keeps the previous value and calls it for what it
// does not handle.
using TWndMethod = std::function<void(TMessage&)>;

// Notifications a parent receives about a child window (WM_COMMAND,
// WM_DRAWITEM, ...) are sent on to the child's object as CN_BASE + the
// original message number, so each control handles its own.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_COMPAREITEM = CN_BASE + WM_COMPAREITEM;
constexpr UINT CN_DELETEITEM = CN_BASE + WM_DELETEITEM;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_VKEYTOITEM = CN_BASE + WM_VKEYTOITEM;
constexpr UINT CN_CHARTOITEM = CN_BASE + WM_CHARTOITEM;

}  // namespace tavo::ui
