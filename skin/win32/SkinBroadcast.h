// The Win32 side of the skin notifications: a form's window joins the skin
// notifier, and every skin message (1225, 1226, 1227, 1274) reaches it as a
// synchronous SendMessage with the skin data in wParam and 1000 in lParam.
#pragma once

#include <windows.h>

#include <functional>

#include "skin/SkinData.h"
#include "skin/SkinFormat.h"
#include "skin/SkinNotifier.h"

namespace tavo::skin {

// Links one form's window to the notifier for as long as it lives. The form
// pointer is the identity a skin data's owner is compared with, so the form
// that owns a skin data hears it first. window() is asked for the handle at
// each message (a form may create its window late); a null handle is
// skipped.
class TSkinWindowLink {
 public:
  TSkinWindowLink(const void* form, std::function<HWND()> window,
                  TSkinNotifier& notifier = TSkinNotifier::Default());
  // A plain window that is its own form identity.
  explicit TSkinWindowLink(HWND window, TSkinNotifier& notifier = TSkinNotifier::Default());
  ~TSkinWindowLink();
  TSkinWindowLink(const TSkinWindowLink&) = delete;
  TSkinWindowLink& operator=(const TSkinWindowLink&) = delete;

 private:
  TSkinNotifier& notifier_;
  int id_;
};

// True for the four skin messages.
constexpr bool IsSkinMessage(UINT message) {
  return message == MsgSkinChanging || message == MsgSkinChanged || message == MsgSkinChangedAfter ||
         message == MsgResStringsChanged;
}

// The skin data a skin message is about.
inline TSkinData* SkinDataOfMessage(WPARAM wParam) { return reinterpret_cast<TSkinData*>(wParam); }

}  // namespace tavo::skin
