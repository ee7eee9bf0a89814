// TSkinFormInput: the form half of the frame's mouse host — activity,
// client rectangle, cursor, capture, hints and the tracking timer — over
// the portable hover and press state machine. Win32 side of TSkinForm.
#pragma once

#include "skin/FrameMouse.h"
#include "skin/FrameObjectBehaviour.h"

namespace tavo::skin {

class TSkinForm;

class TSkinFormInput : public TObjectListMouseHost {
 public:
  TSkinFormInput(TSkinForm& frame, TActiveObjectList& objects);

  TFrameMouse& Mouse() { return mouse_; }
  const TFrameMouse& Mouse() const { return mouse_; }

  bool FormActive() const override;
  TRect ClientRect() const override;
  TPoint CursorPos() const override;
  bool ObjectHintsOn() const override;
  void SetCapture() override;
  void ReleaseCapture() override;
  void ShowHintText(const std::string& text) override;
  void HideHintText() override;
  void EnableTrackingTimer(bool enabled) override;

 private:
  TSkinForm& frame_;
  TFrameMouse mouse_;
};

}  // namespace tavo::skin
