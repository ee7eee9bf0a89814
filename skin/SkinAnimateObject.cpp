// The animation object: its frames, its steps, its reactions and commands.
#include "skin/SkinAnimateObject.h"

#include <algorithm>

#include "skin/Geometry.h"

namespace tavo::skin {

TSkinAnimateObject::TSkinAnimateObject(TFrameObjectHost& frame, TSkinData& data, TDataSkinAnimate& record)
    : TActiveSkinObject(frame, data, record),
      TimerInterval(std::max(record.timerinterval, kTick)),
      CountFrames(record.countframes),
      Cycle(record.cycle),
      ButtonStyle(record.buttonstyle),
      Command(record.command) {
  Morphing = false;
}

TRect TSkinAnimateObject::FrameRect(int n) const {
  const int w = RectWidth(SkinRect), h = RectHeight(SkinRect);
  const int left = ActiveSkinRect.left, top = ActiveSkinRect.top;
  return TRect{left + (n - 1) * w, top, left + n * w, top + h};
}

void TSkinAnimateObject::Draw(TBitmap& canvas, bool) { CopyToObject(canvas, ActivePicture, FrameRect(FrameNumber)); }

void TSkinAnimateObject::AnimationStep() {
  if (TickAccumulator < TimerInterval) {
    TickAccumulator += kTick;
    return;
  }
  if (Direction == TDirection::Forward) {
    FrameNumber = FrameNumber + 1 > CountFrames ? 1 : FrameNumber + 1;
    if (!Cycle && FrameNumber == CountFrames) Active = false;
  } else {
    FrameNumber = FrameNumber - 1 <= 0 ? CountFrames : FrameNumber - 1;
    if (FrameNumber == 1) Active = false;
  }
  Frame().RedrawObject(*this);
  TickAccumulator = kTick;
}

void TSkinAnimateObject::PopupObjectMenu() { PopupMenuOf(MenuItem, PopupUp); }

void TSkinAnimateObject::Execute() {
  switch (Command) {
    case TStdCommand::cmSysMenu:
      MenuItem = Frame().SystemMenu();
      PopupObjectMenu();
      break;
    case TStdCommand::cmDefault: PopupObjectMenu(); break;
    case TStdCommand::cmClose:
    case TStdCommand::cmMaximize:
    case TStdCommand::cmMinimize:
    case TStdCommand::cmRollUp:
    case TStdCommand::cmMinimizeToTray: Frame().ExecuteCommand(Command); break;
  }
}

void TSkinAnimateObject::DblClick() {
  if (Command == TStdCommand::cmSysMenu) Frame().CloseForm();
}

void TSkinAnimateObject::MouseEnter() {
  MouseIn = true;
  if (ButtonStyle) {
    Active = true;
    Direction = TDirection::Forward;
    Frame().SetAnimationTimer(true);
  }
  Frame().FireMouseEnter(IDName);
}

void TSkinAnimateObject::MouseLeave() {
  if (!MouseIn) return;
  MouseIn = false;
  if (ButtonStyle) {
    Active = true;
    Direction = TDirection::Backward;
    Frame().SetAnimationTimer(true);
  }
  Frame().FireMouseLeave(IDName);
}

void TSkinAnimateObject::MouseUp(int x, int y, TSkinMouseButton button) {
  const bool run = MouseIn && ButtonStyle && button == TSkinMouseButton::mbLeft;
  TActiveSkinObject::MouseUp(x, y, button);
  if (run) Execute();
}

}  // namespace tavo::skin
