// The behaviour decisions over the frame's real object list: the mouse
// state machine's view of the objects, the caption rectangles and placed
// geometry the hit test reads, ApplyBorderIcons and RefreshObjectHints.
// Portable; the Win32 frame adds the form, capture, hints and timer.
#pragma once

#include <vector>

#include "skin/FrameBorderIcons.h"
#include "skin/FrameGeometry.h"
#include "skin/FrameHitTest.h"
#include "skin/FrameMouse.h"
#include "skin/FrameObjects.h"

namespace tavo::skin {

// The object half of TFrameMouseHost: counts, flags and reactions come
// from the list (which may be rebuilt between calls); the form half
// (activity, client, cursor, capture, hints, timer) is the frame's.
class TObjectListMouseHost : public TFrameMouseHost {
 public:
  explicit TObjectListMouseHost(TActiveObjectList& objects) : objects_(objects) {}

  int ObjectCount() const final;
  TFrameObjectInfo ObjectInfo(int index) const final;
  void MouseEnter(int index) final;
  void MouseLeave(int index) final;
  void MouseDown(int index, int x, int y, TSkinMouseButton button) final;
  void MouseUp(int index, int x, int y, TSkinMouseButton button) final;
  void MouseMove(int index, int x, int y) final;
  void DblClick(int index) final;
  void ResetHoverStates() final;

 protected:
  TActiveObjectList& objects_;
};

// ObjectRect of every caption object, in list order.
std::vector<TRect> CaptionObjectRects(const TActiveObjectList& objects);

// The skinned hit test's geometry from the placed values, the skin's
// "borderwidth", the frame's mask strips (null without a mask) and the
// laid-out objects; the state flags are left for the caller.
TSkinnedHitInput SkinnedHitInputOf(const TPlacedFrameGeometry& placed, int borderWidth, const TMaskPieces* strips,
                                   const TActiveObjectList& objects);

// ApplyBorderIcons on the objects themselves (RefreshObjectHints is the
// caller's next step).
void ApplyBorderIcons(TActiveObjectList& objects, const TFrameIconSet& icons, bool hideCaptionButtons,
                      const TActivateCustomObjectEvent& onActivate);

// With useDefaultObjectHint and a skin data, every standard button and
// animate object takes its command's hint (the skin data's resource
// strings when assigned, else the built-in texts); default-command
// objects keep their record's hint. skinData null: nothing changes.
void RefreshObjectHints(TActiveObjectList& objects, const TSkinData* skinData, bool useDefaultObjectHint);

}  // namespace tavo::skin
