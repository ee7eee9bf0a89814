// TFrameObjectHost: what the frame's active objects ask of the frame that
// owns them (activity, caption, window state, redraws, timers, events,
// commands, menus, text), and the small value types they share with it.
// Portable: the Win32 TSkinForm implements it; tests use a recording stub.
#pragma once

#include <string>

#include "core/Rect.h"
#include "skin/Bitmap.h"
#include "skin/SkinTypes.h"
#include "skin/SpeedButtonRenderer.h"

namespace tavo::skin {

class TActiveSkinObject;

// The mouse button of a press or release, as the frame passes it on.
enum class TSkinMouseButton { mbLeft, mbRight, mbMiddle };

// The frame's window state (the roll-up state is kept beside it).
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };

// The system colours the objects draw with.
enum class TFrameSysColor { clBtnFace, clBtnText, clBtnShadow };

// A menu an object pops up: the menu component adapts its item to this so
// the objects need not know the menu model.
class TObjectMenu {
 public:
  virtual ~TObjectMenu() = default;
  virtual bool HasSubItems() const = 0;
};

// Measures and writes one line of 8-bit text with a transparent background.
class TFrameTextPainter {
 public:
  virtual ~TFrameTextPainter() = default;
  // Width (x) and height (y) of the text in the font.
  virtual TPoint TextExtent(const std::string& text, const TButtonFont& font) = 0;
  // Writes the text with its cell's top-left corner at (x, y), leaving the
  // pixels between the letters as they are.
  virtual void DrawTextAt(TBitmap& canvas, int x, int y, const std::string& text, const TButtonFont& font,
                       TColor color) = 0;
};

// Contract for implementers: every call comes from the user-interface
// thread while the frame paints or handles a message; none may throw.
class TFrameObjectHost {
 public:
  virtual ~TFrameObjectHost() = default;

  // --- state the objects read -------------------------------------------
  // The form counts as active (the frame's own rule for multi-document
  // forms, the form's active state otherwise).
  virtual bool FormActive() const = 0;
  // The caption text, already extended for a multi-document form.
  virtual std::string CaptionText() const = 0;
  virtual TWindowState WindowState() const = 0;
  virtual bool RolledUp() const = 0;
  // The frame's ShowIcon property.
  virtual bool ShowIcon() const = 0;
  // Draws the form's small icon with its top-left corner at (x, y).
  virtual void DrawFormIcon(TBitmap& canvas, int x, int y) = 0;
  // Character set of skinned captions: the resource strings' one when the
  // skin data has them, else the frame's DefCaptionFont's.
  virtual int CaptionCharset() const = 0;
  virtual TColor SystemColor(TFrameSysColor color) const = 0;
  virtual TFrameTextPainter& TextPainter() = 0;

  // --- services ----------------------------------------------------------
  // Draws the object alone, full redraw, straight onto the window.
  virtual void RedrawObject(TActiveSkinObject& object) = 0;
  // Asks the window to repaint its non-client area (WM_NCPAINT).
  virtual void RequestNcPaint() = 0;
  // Starts (true) or stops the morph timer (20 ms) and the animation timer
  // (25 ms); their ticks come back as StepMorph and StepAnimation.
  virtual void SetMorphTimer(bool enabled) = 0;
  virtual void SetAnimationTimer(bool enabled) = 0;

  // Carries out a window command of a caption button or an animation:
  // close, maximize, minimize, roll up, minimize to tray (the window-state
  // rules live on the frame's side). System menu and default never come
  // here.
  virtual void ExecuteCommand(TStdCommand command) = 0;
  // Closes the form (a double click on a system-menu object).
  virtual void CloseForm() = 0;
  // The system menu, rebuilt for this use; null while the frame has none.
  virtual TObjectMenu* SystemMenu() = 0;
  // Pops the menu's sub-items up at the object's rectangle in screen
  // coordinates, upward when asked.
  virtual void PopupMenu(TActiveSkinObject& object, TObjectMenu& menu, bool upward) = 0;

  // --- events (each fires only when assigned) --------------------------
  virtual void FireMouseEnter(const std::string& idName) = 0;
  virtual void FireMouseLeave(const std::string& idName) = 0;
  virtual void FireMouseDown(const std::string& idName, int x, int y, TRect objectRect, TSkinMouseButton button) = 0;
  virtual void FireMouseUp(const std::string& idName, int x, int y, TRect objectRect, TSkinMouseButton button) = 0;
  virtual void FireMouseMove(const std::string& idName, int x, int y, TRect objectRect) = 0;
  virtual void FirePaint(const std::string& idName, TBitmap& canvas, TRect objectRect) = 0;
  // OnActivate when active, else OnDeActivate.
  virtual void FireActivate(bool active) = 0;
};

}  // namespace tavo::skin
