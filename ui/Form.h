// Top-level windows built from a layout table: caption, client size, border,
// position, colour and font at 96 dots per inch, scaled to the screen.
// Shown modelessly or modally; modal windows nest.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/BorderIcons.h"
#include "ui/WinControl.h"

namespace tavo::ui {

enum class TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TPosition { poDesigned, poScreenCenter };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;

// A key press offered to a form as a shortcut before it is dispatched: the
// virtual-key code in the low byte with the modifier bits 0x2000 (Shift),
// 0x4000 (Ctrl) and 0x8000 (Alt), and the serial number the message loop
// gave the key message, so that a handler can tell the same press offered
// again from a new one.
struct TShortCutKey {
  uint16_t ShortCut = 0;
  uint32_t Serial = 0;
};
// Sets handled when the key was a shortcut; the focused control then does
// not get it.
using TShortCutEvent = std::function<void(const TShortCutKey& key, bool& handled)>;

// The window part of a form's layout.
struct TFormLayout {
  std::string Caption;
  int ClientWidth = 0;
  int ClientHeight = 0;
  TBorderStyle BorderStyle = TBorderStyle::bsSizeable;
  TPosition Position = TPosition::poScreenCenter;
  int Left = 0;  // poDesigned only
  int Top = 0;
  TColor Color = clBtnFace;
  TFont Font;
};

class TForm : public TWinControl {
 public:
  // Creates the window, hidden, owned by the application's window.
  explicit TForm(const TFormLayout& layout);
  ~TForm() override;

  TBorderStyle BorderStyle() const { return borderStyle_; }
  TPosition Position() const { return position_; }

  int ClientWidth() const;
  int ClientHeight() const;
  // Sets the client area's size in pixels: the window changes by the
  // difference, whoever decides the size of its frame (the system or a
  // component that answers WM_NCCALCSIZE).
  void SetClientSize(int width, int height);

  // True from the form's activation to its deactivation; already updated
  // when the default handling of WM_ACTIVATE runs.
  bool Active() const { return active_; }

  // The caption buttons the window shows itself: biSystemMenu, biMinimize
  // and biMaximize map to the system menu and the two boxes where the
  // border style has a caption; the others have no native button. Setting
  // changes the window's style bits in place.
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);

  // The form's own icon; null when it has none (the window then shows the
  // application's). Not owned: the caller keeps it alive.
  HICON Icon() const { return icon_; }
  void SetIcon(HICON icon);

  // Shows the window (OnShow first) and activates it.
  void Show();
  void Hide();
  // Shows the window and runs a message loop until ModalResult is set; the
  // other windows of the program are disabled meanwhile. Returns the result.
  TModalResult ShowModal();
  bool Modal() const { return modal_; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result) { modalResult_ = result; }
  // A modal form ends its loop (mrCancel) once the running handler returns;
  // another form hides; the main form ends the program.
  void Close();

  // The control that gets the focus when the form is activated.
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);

  // Offered every key press (WM_KEYDOWN, WM_SYSKEYDOWN) of the form's
  // windows by the message loop, before the focused control gets it.
  TShortCutEvent OnShortCut;
  // Runs OnShortCut; true when it handled the key.
  bool IsShortCut(const TShortCutKey& key);

  // Raised by Show and ShowModal before the window appears.
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;

 protected:
  void WndProc(TMessage& message) override;
  virtual void DoShow();
  virtual void DoHide();

 private:
  void PlaceOnScreen();
  friend class TWinControl;

  TBorderStyle borderStyle_;
  TPosition position_;
  bool modal_ = false;
  TModalResult modalResult_ = mrNone;
  TWinControl* activeControl_ = nullptr;
  bool active_ = false;
  TBorderIcons borderIcons_;
  HICON icon_ = nullptr;
};

// Window styles for a border style (top-level windows).
DWORD FormStyle(TBorderStyle borderStyle);
DWORD FormExStyle(TBorderStyle borderStyle);
// The border icons that window style bits show.
TBorderIcons NativeBorderIcons(DWORD style);

}  // namespace tavo::ui
