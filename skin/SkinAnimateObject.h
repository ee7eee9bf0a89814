// TSkinAnimateObject: a frame animation whose frames lie side by side in an
// active picture, played forward while the mouse is over a button-style
// animation and backward when it leaves, with an optional command and menu.
// Portable.
#pragma once

#include "skin/ActiveSkinObject.h"

namespace tavo::skin {

class TSkinAnimateObject : public TActiveSkinObject {
 public:
  enum class TDirection { Forward, Backward };

  TSkinAnimateObject(TFrameObjectHost& frame, TSkinData& data, TDataSkinAnimate& record);
  TObjectKind Kind() const override { return TObjectKind::okAnimate; }

  void Draw(TBitmap& canvas, bool fullRedraw) override;
  void DblClick() override;
  void MouseUp(int x, int y, TSkinMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  // One tick of the animation timer (25 ms) for an active animation: counts
  // up to the timer interval, then moves one frame and redraws.
  void AnimationStep();
  void Execute();
  // Pops MenuItem up when it has sub-items.
  void PopupObjectMenu();

  // The rectangle of frame n in the active picture.
  TRect FrameRect(int n) const;

  static constexpr int kTick = 25;  // ms of one animation tick

  int FrameNumber = 1;
  TDirection Direction = TDirection::Forward;
  int TickAccumulator = kTick;
  int TimerInterval = 50;  // never below kTick
  int CountFrames = 1;
  bool Cycle = false;
  bool ButtonStyle = false;
  TStdCommand Command = TStdCommand::cmDefault;
  TObjectMenu* MenuItem = nullptr;  // not owned
  bool PopupUp = false;
};

}  // namespace tavo::skin
