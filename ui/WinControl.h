// Windowed controls: a window handle, the window procedure chain with its
// exception barrier, windowless children painted in one composed picture,
// mouse routing with capture and enter/leave, focus, tab order, alignment.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/Message.h"

namespace tavo::ui {

// How a windowed control's window is made. A system class (EDIT, LISTBOX,
// COMBOBOX, ...) is subclassed; any other class name is registered once as
// our own class whose default handling is DefWindowProcA.
struct TCreateParams {
  std::string ClassName;
  bool SystemClass = false;
  UINT ClassStyle = CS_DBLCLKS;
  DWORD Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  DWORD ExStyle = 0;
  // Top-level windows only: the owner (null for a child: its parent).
  HWND Owner = nullptr;
  std::string Caption;
  // System classes only: the creation parameter the class expects (the
  // multi-document client's CLIENTCREATESTRUCT).
  void* CreateParam = nullptr;
};

// Parameters for subclassing a system control class.
TCreateParams SystemClassParams(const char* className, DWORD style, DWORD exStyle);

class TWinControl : public TControl {
 public:
  // A child control of `parent`, or a top-level window when parent is null.
  explicit TWinControl(TWinControl* parent);
  ~TWinControl() override;

  bool IsWindowed() const override { return true; }

  HWND Handle() const { return handle_; }
  bool HandleAllocated() const { return handle_ != nullptr; }
  // The control whose window this is; null for a window that is not ours.
  static TWinControl* FromHandle(HWND wnd);

  // Where every message of the window goes first. It starts as WndProc; a
  // component may replace it and call the value it replaced.
  TWndMethod WindowProc;
  // Sends a message straight through WindowProc, without the system.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  void SetBounds(int left, int top, int width, int height) override;
  RECT ClientRect() const override;

  // Changes the window's style bits in place: clears `clear`, then sets
  // `set`. True when the style changed. The system applies a change of the
  // frame bits only after FrameChanged. This stands in for recreating the
  // window: the observable result is the same, and system controls keep
  // their contents (edit text, list and combo items).
  bool ModifyStyle(DWORD clear, DWORD set);
  bool ModifyExStyle(DWORD clear, DWORD set);
  // Makes the system ask for the non-client size again (WM_NCCALCSIZE) and
  // repaint the frame, without moving, sizing, reordering or activating.
  void FrameChanged();
  void Invalidate() override;
  // Paints the invalid parts now.
  void Update();

  // Children in z-order, bottom first: windowless and windowed alike.
  const std::vector<TControl*>& Controls() const { return controls_; }
  // The topmost visible child at a point of the client area; disabled ones
  // only when allowDisabled. Null when none.
  TControl* ControlAtPos(POINT p, bool allowDisabled = false, bool windowlessOnly = false) const;
  // The windowless child that holds mouse capture, if any.
  TControl* CaptureControl() const { return captureControl_; }
  void SetCaptureControl(TControl* control);

  // Keyboard focus.
  bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop);
  // Position among the parent's tab stops, from 0; moves the window in
  // the z-order, which is the order Tab walks.
  int TabOrder() const;
  void SetTabOrder(int order);
  // Moves the focus to the next (or previous) tab stop of this window's
  // descendants after `current`; true when the focus moved.
  bool SelectNext(TWinControl* current, bool forward);

  // Lays out the aligned children in the client area.
  void AlignControls();
  // Client area the aligned children share (panels leave their bevels out).
  virtual RECT AlignRect() const;

  // Keyboard input of the control's own window. Setting Key (or the
  // character) to 0 swallows it.
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyUp(WORD& key, TShiftState shift);
  virtual void KeyPress(char& key);

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  // Paints the visible windowless children that meet `area` (client
  // coordinates), bottom first, each with its own origin and clipping.
  void PaintControls(HDC dc, const RECT& area);

 protected:
  // Makes the window. Called by the concrete control's constructor, once.
  void CreateHandle(const TCreateParams& params);
  void DestroyHandle();

  // The control's own message handling; ends in DefaultHandler for what it
  // does not handle.
  virtual void WndProc(TMessage& message);
  // The window class's own procedure (DefWindowProcA, or the system
  // control's procedure for a subclassed one). Multi-document forms put
  // the frame's and the child's default procedures here.
  virtual void DefaultHandler(TMessage& message);

  // For our own window classes: draws the whole client area (background,
  // own drawing) into an off-screen DC before the windowless children are
  // drawn over it; the result reaches the screen in one copy. The base
  // draws the background only.
  virtual void PaintWindow(HDC dc);
  // The background of the composed picture: WM_ERASEBKGND with the
  // off-screen DC is offered through WindowProc, so a component that took
  // the window over (a skinned frame) can draw it; the client area is
  // filled with Color() only when nobody answered (result 0).
  void PaintBackground(HDC dc);

  // The window got or lost the keyboard focus: raise OnEnter / OnExit.
  virtual void DoEnter();
  virtual void DoExit();

  void FontChanged() override;
  void ColorChanged() override;
  void TextChanged() override;
  void EnabledChanged() override;
  void VisibleChanged() override;

  // Identifier of a child window (its WM_COMMAND id).
  int ControlId() const { return controlId_; }

 private:
  friend class TControl;
  friend class TGraphicControl;
  static LRESULT CALLBACK StdWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

  void InsertControl(TControl& control);
  void RemoveControl(TControl& control);
  bool HandleMouse(TMessage& message);
  void HandlePaint();
  bool HandleSetCursor(TMessage& message);
  bool ReflectToChild(TMessage& message);
  void UpdateHover(TControl* hover);
  void ApplyWindowFont();

  HWND handle_ = nullptr;
  WNDPROC defWndProc_ = nullptr;
  int controlId_ = 0;
  int nextChildId_ = 100;
  std::vector<TControl*> controls_;
  TControl* captureControl_ = nullptr;
  TControl* hoverControl_ = nullptr;
  bool mouseInWindow_ = false;
  bool tabStop_ = false;
  bool aligning_ = false;
  bool offeringErase_ = false;
};

// A windowed control of our own window class that draws itself: Paint
// draws the client area into the composed picture.
class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TWinControl* parent);

 protected:
  // Draws the background (PaintBackground) and calls Paint.
  void PaintWindow(HDC dc) override;
  virtual void Paint(HDC dc);
};

// The control under a screen point: the windowless child there, or the
// window's own control; null over windows that are not ours.
TControl* FindControlAtScreenPos(POINT screenPoint, bool allowDisabled = true);

}  // namespace tavo::ui
