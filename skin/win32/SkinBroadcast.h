// The Win32 side of the skin notifications: a form's window joins the skin
// notifier, and every skin message (1225, 1226, 1227, 1274) reaches it as a
// synchronous SendMessage with the skin data in wParam and 1000 in lParam.
// TSkinFormDelivery joins every form of the program, each from the moment
// it is created.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "skin/SkinData.h"
#include "skin/SkinFormat.h"
#include "skin/SkinNotifier.h"

namespace tavo::ui {
class TForm;
}

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

// Links every form of the screen registry to one notifier: the forms that
// exist when it is made, then each new one from inside its constructor, so
// a form's window is registered before any of its controls (which makes the
// form hear a skin message before its controls do). A destroyed form is
// unlinked.
class TSkinFormDelivery {
 public:
  explicit TSkinFormDelivery(TSkinNotifier& notifier = TSkinNotifier::Default());
  ~TSkinFormDelivery();
  TSkinFormDelivery(const TSkinFormDelivery&) = delete;
  TSkinFormDelivery& operator=(const TSkinFormDelivery&) = delete;

  bool Delivers(const ui::TForm& form) const;

 private:
  void Add(ui::TForm& form);
  void Remove(ui::TForm& form);

  TSkinNotifier& notifier_;
  int listener_ = 0;
  std::vector<std::pair<ui::TForm*, std::unique_ptr<TSkinWindowLink>>> links_;
};

// Makes the application's delivery for the default notifier once; later
// calls do nothing. Every skinned control and frame calls it before it
// registers itself.
void DeliverSkinMessagesToForms();

// True for the four skin messages.
constexpr bool IsSkinMessage(UINT message) {
  return message == MsgSkinChanging || message == MsgSkinChanged || message == MsgSkinChangedAfter ||
         message == MsgResStringsChanged;
}

// The skin data a skin message is about.
inline TSkinData* SkinDataOfMessage(WPARAM wParam) { return reinterpret_cast<TSkinData*>(wParam); }

}  // namespace tavo::skin
