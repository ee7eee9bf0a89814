// The frame's button objects: TSkinButtonObject (pressed and disabled
// images, a menu that pops up on press) and TSkinStdButtonObject (a caption
// button with a command, its restore images, and the glyph-drawn default
// buttons of plain mode). Portable.
#pragma once

#include <string>

#include "skin/ActiveSkinObject.h"

namespace tavo::skin {

class TSkinButtonObject : public TActiveSkinObject {
 public:
  TSkinButtonObject(TFrameObjectHost& frame, TSkinData& data, TDataSkinButton& record);
  TObjectKind Kind() const override { return TObjectKind::okButton; }

  bool NeedsMorphStep() const override;
  void Draw(TBitmap& canvas, bool fullRedraw) override;
  void MouseDown(int x, int y, TSkinMouseButton button) override;
  void MouseUp(int x, int y, TSkinMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  bool Down() const { return down_; }
  // Sets the down flag (a morphing active button shows its active end) and
  // redraws; a morphing button released starts its transition.
  void SetDown(bool value);
  // Pops MenuItem up when it has sub-items.
  void PopupObjectMenu();

  TRect DownRect;
  TRect DisableSkinRect;  // the record's "disableskinrsect"
  TObjectMenu* MenuItem = nullptr;  // not owned
  bool PopupUp = false;

 protected:
  explicit TSkinButtonObject(TFrameObjectHost& frame) : TActiveSkinObject(frame) {}
  // The release of a button without a menu, then the base's event.
  void ReleaseButton(int x, int y, TSkinMouseButton button);

 private:
  bool down_ = false;
};

class TSkinStdButtonObject : public TSkinButtonObject {
 public:
  TSkinStdButtonObject(TFrameObjectHost& frame, TSkinData& data, TDataSkinStdButton& record);
  // A default button of plain mode: in-a-picture, normal, active and
  // pressed rectangles (0, 0, 1, 1), drawn with glyphs.
  TSkinStdButtonObject(TFrameObjectHost& frame, TStdCommand command, std::string idName);
  TObjectKind Kind() const override { return TObjectKind::okStdButton; }

  bool NeedsMorphStep() const override;
  void Draw(TBitmap& canvas, bool fullRedraw) override;
  void DblClick() override;
  void MouseDown(int x, int y, TSkinMouseButton button) override;
  void MouseUp(int x, int y, TSkinMouseButton button) override;

  // The command's action: the window commands go to the frame; system menu
  // and default do nothing (the system menu opens on the press).
  void Execute();
  // True while the command is in effect: maximize while maximized,
  // minimize while minimized, roll up while rolled up.
  bool CommandInEffect() const;
  // The system-menu button drawn as the form's icon.
  bool DrawnAsIcon() const;

  TStdCommand Command = TStdCommand::cmDefault;
  TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
  bool Skinned = true;  // made from a record

 private:
  void DrawRestoreImage(TBitmap& canvas);
  void DrawDefaultButton(TBitmap& canvas);
};

// The glyph colours and fills of the default buttons.
constexpr TColor kDefaultButtonFrame = kPlainHotFrame;        // 8388608
constexpr TColor kDefaultButtonDownFace = kPlainPressedFace;  // 11899781
constexpr TColor kDefaultButtonHotFace = kPlainHotFace;       // 13811126

}  // namespace tavo::skin
