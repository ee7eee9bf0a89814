// Button objects: pressed, disabled and restore images, the glyph-drawn
// default buttons, the press and release reactions and the commands.
#include "skin/SkinButtonObject.h"

#include "skin/Geometry.h"
#include "skin/Glyphs.h"
#include "skin/PixelCopy.h"

namespace tavo::skin {

// --- TSkinButtonObject -------------------------------------------------------

TSkinButtonObject::TSkinButtonObject(TFrameObjectHost& frame, TSkinData& data, TDataSkinButton& record)
    : TActiveSkinObject(frame, data, record), DownRect(record.downrect), DisableSkinRect(record.disableskinrsect) {}

bool TSkinButtonObject::NeedsMorphStep() const {
  // A button held down by its open menu keeps its look until the menu
  // closes.
  if (down_ && MenuItem != nullptr) return false;
  return TActiveSkinObject::NeedsMorphStep();
}

void TSkinButtonObject::Draw(TBitmap& canvas, bool fullRedraw) {
  if (!Enabled && !IsNullRect(DisableSkinRect))
    CopyToObject(canvas, ActivePicture, DisableSkinRect);
  else if (down_ && MouseIn && !IsNullRect(DownRect))
    CopyToObject(canvas, ActivePicture, DownRect);
  else
    TActiveSkinObject::Draw(canvas, fullRedraw);
}

void TSkinButtonObject::SetDown(bool value) {
  down_ = value;
  if (Morphing && Active) MorphFactor = 1;
  Frame().RedrawObject(*this);
  if (Morphing && !down_) StartTransition();
}

void TSkinButtonObject::PopupObjectMenu() { PopupMenuOf(MenuItem, PopupUp); }

void TSkinButtonObject::MouseEnter() {
  MouseIn = true;
  Active = true;
  if (!IsNullRect(DownRect) && down_) {
    // Coming back over a held button shows the pressed image at once.
    if (Morphing) MorphFactor = 1;
    Frame().RedrawObject(*this);
  } else if (!IsNullRect(ActiveSkinRect)) {
    StartTransition();
  }
  Frame().FireMouseEnter(IDName);
}

void TSkinButtonObject::MouseLeave() {
  MouseIn = false;
  Active = false;
  if (!(down_ && MenuItem != nullptr)) {
    Frame().RedrawObject(*this);
    StartTransition();
  }
  Frame().FireMouseLeave(IDName);
}

void TSkinButtonObject::MouseDown(int x, int y, TSkinMouseButton button) {
  if (!Enabled) return;
  if (button == TSkinMouseButton::mbLeft && !down_) {
    SetDown(true);
    PopupObjectMenu();
  }
  FireMouseDown(x, y, button);
}

void TSkinButtonObject::ReleaseButton(int x, int y, TSkinMouseButton button) {
  // Released whether or not the button was disabled while held, so that it
  // never stays down once enabled again.
  if (button == TSkinMouseButton::mbLeft && MenuItem == nullptr && down_) SetDown(false);
  TActiveSkinObject::MouseUp(x, y, button);
}

void TSkinButtonObject::MouseUp(int x, int y, TSkinMouseButton button) { ReleaseButton(x, y, button); }

// --- TSkinStdButtonObject ----------------------------------------------------

TSkinStdButtonObject::TSkinStdButtonObject(TFrameObjectHost& frame, TSkinData& data, TDataSkinStdButton& record)
    : TSkinButtonObject(frame, data, record),
      Command(record.command),
      RestoreRect(record.restorerect),
      RestoreActiveRect(record.restoreactiverect),
      RestoreDownRect(record.restoredownrect),
      RestoreInActiveRect(record.restoreinactiverect) {}

TSkinStdButtonObject::TSkinStdButtonObject(TFrameObjectHost& frame, TStdCommand command, std::string idName)
    : TSkinButtonObject(frame), Command(command), Skinned(false) {
  IDName = std::move(idName);
  SkinRectInAPicture = true;
  SkinRect = ActiveSkinRect = DownRect = TRect{0, 0, 1, 1};
  ObjectRect = SkinRect;
}

bool TSkinStdButtonObject::DrawnAsIcon() const {
  return Command == TStdCommand::cmSysMenu && SkinRectInAPicture && Frame().ShowIcon();
}

bool TSkinStdButtonObject::NeedsMorphStep() const {
  if (DrawnAsIcon()) return false;
  return TSkinButtonObject::NeedsMorphStep();
}

bool TSkinStdButtonObject::CommandInEffect() const {
  switch (Command) {
    case TStdCommand::cmMaximize: return Frame().WindowState() == TWindowState::wsMaximized;
    case TStdCommand::cmMinimize: return Frame().WindowState() == TWindowState::wsMinimized;
    case TStdCommand::cmRollUp: return Frame().RolledUp();
    default: return false;
  }
}

void TSkinStdButtonObject::Draw(TBitmap& canvas, bool fullRedraw) {
  if (!Skinned) {
    DrawDefaultButton(canvas);
    return;
  }
  if (Enabled && (Frame().FormActive() || IsNullRect(InActiveSkinRect))) {
    if (DrawnAsIcon()) {
      Frame().DrawFormIcon(canvas, ObjectRect.left, ObjectRect.top);
      MorphFactor = 0;
      return;
    }
    if (CommandInEffect() && !IsNullRect(RestoreRect)) {
      DrawRestoreImage(canvas);
      return;
    }
  }
  TSkinButtonObject::Draw(canvas, fullRedraw);
}

void TSkinStdButtonObject::DrawRestoreImage(TBitmap& canvas) {
  if (!Frame().FormActive() && !IsNullRect(RestoreInActiveRect))
    CopyToObject(canvas, ActivePicture, RestoreInActiveRect);
  else if (Down() && MouseIn && !IsNullRect(RestoreDownRect))
    CopyToObject(canvas, ActivePicture, RestoreDownRect);
  else if (Morphing && TransitionUnderWay())
    DrawBlend(canvas, ActivePicture, RestoreRect, ActivePicture, RestoreActiveRect);
  else if (Active && !IsNullRect(RestoreActiveRect))
    CopyToObject(canvas, ActivePicture, RestoreActiveRect);
  else
    CopyToObject(canvas, ActivePicture, RestoreRect);
}

void TSkinStdButtonObject::DrawDefaultButton(TBitmap& canvas) {
  if (Command == TStdCommand::cmSysMenu && Frame().ShowIcon()) {
    Frame().DrawFormIcon(canvas, ObjectRect.left, ObjectRect.top);
    return;
  }
  const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
  if (w < 1 || h < 1) return;
  TBitmap face = NewPicture(w, h);
  const bool pressed = Down() && MouseIn;
  if (MouseIn) {
    FillRect(face, TRect{0, 0, w, h}, kDefaultButtonFrame);
    FillRect(face, TRect{1, 1, w - 1, h - 1}, pressed ? kDefaultButtonDownFace : kDefaultButtonHotFace);
  } else {
    FillRect(face, TRect{0, 0, w, h}, Frame().SystemColor(TFrameSysColor::clBtnFace));
  }
  const int x = pressed ? w / 2 - 4 : w / 2 - 5;
  const int y = pressed ? h / 2 - 3 : h / 2 - 4;
  const TColor color = Frame().SystemColor(Enabled ? TFrameSysColor::clBtnText : TFrameSysColor::clBtnShadow);
  const TWindowState state = Frame().WindowState();
  switch (Command) {
    case TStdCommand::cmClose: DrawCrossGlyph(face, x, y, color); break;
    case TStdCommand::cmMaximize:
      if (state == TWindowState::wsMaximized)
        DrawTwoWindowsGlyph(face, x, y, color);
      else
        DrawWindowGlyph(face, x, y, color);
      break;
    case TStdCommand::cmMinimize:
      if (state == TWindowState::wsMinimized)
        DrawTwoWindowsGlyph(face, x, y, color);
      else
        DrawUnderlineGlyph(face, x, y, color);
      break;
    case TStdCommand::cmSysMenu: DrawBarGlyph(face, x, y, color); break;
    case TStdCommand::cmRollUp:
      if (Frame().RolledUp())
        DrawTriangleDownGlyph(face, x, y, color);
      else
        DrawTriangleUpGlyph(face, x, y, color);
      break;
    case TStdCommand::cmMinimizeToTray: DrawSquareGlyph(face, x, y, color); break;
    case TStdCommand::cmDefault: break;
  }
  CopyRect(canvas, TRect{ObjectRect.left, ObjectRect.top, ObjectRect.left + w, ObjectRect.top + h}, face,
           TRect{0, 0, w, h});
}

void TSkinStdButtonObject::Execute() {
  switch (Command) {
    case TStdCommand::cmClose:
    case TStdCommand::cmMaximize:
    case TStdCommand::cmMinimize:
    case TStdCommand::cmRollUp:
    case TStdCommand::cmMinimizeToTray: Frame().ExecuteCommand(Command); break;
    case TStdCommand::cmSysMenu:  // opened by the press
    case TStdCommand::cmDefault: break;
  }
}

void TSkinStdButtonObject::DblClick() {
  if (Command == TStdCommand::cmSysMenu) Frame().CloseForm();
}

void TSkinStdButtonObject::MouseDown(int, int, TSkinMouseButton button) {
  if (!Enabled || button != TSkinMouseButton::mbLeft || Down()) return;
  SetDown(true);
  if (Command == TStdCommand::cmSysMenu) {
    MenuItem = Frame().SystemMenu();
    PopupObjectMenu();
  }
}

void TSkinStdButtonObject::MouseUp(int x, int y, TSkinMouseButton button) {
  const bool run = Enabled && Active && button == TSkinMouseButton::mbLeft;
  if (Command == TStdCommand::cmClose) {
    // Released (and its event fired) before the form goes; nothing may
    // touch this object after Execute.
    ReleaseButton(x, y, button);
    if (run) Execute();
  } else {
    if (run) Execute();
    ReleaseButton(x, y, button);
  }
}

}  // namespace tavo::skin
