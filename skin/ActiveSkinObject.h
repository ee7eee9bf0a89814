// TActiveSkinObject, the base of the frame's active objects (its images,
// morphing and hover reactions), and TUserObject, which the application
// paints. Portable; the objects reach their frame through TFrameObjectHost.
#pragma once

#include <string>

#include "core/Rect.h"
#include "skin/Bitmap.h"
#include "skin/FrameObjectHost.h"
#include "skin/SkinData.h"
#include "skin/SkinObjects.h"
#include "skin/SkinTypes.h"

namespace tavo::skin {

// Which class an object is, for the frame's layout and loops.
enum class TObjectKind { okActive, okUser, okButton, okStdButton, okCaption, okAnimate };

// One part of the frame that changes: owns nothing but its state; borrows
// its pictures from the skin data, so it must be freed before the skin is
// cleared. All rectangles except ObjectRect are in the coordinates of the
// picture they come from; ObjectRect is in window coordinates.
class TActiveSkinObject {
 public:
  // Made from a record of the skin data: every field from its key. With no
  // usable active picture the active rectangle is cleared here and in the
  // record; morphing without an active rectangle is off.
  TActiveSkinObject(TFrameObjectHost& frame, TSkinData& data, TDataSkinObject& record);
  virtual ~TActiveSkinObject() = default;
  TActiveSkinObject(const TActiveSkinObject&) = delete;
  TActiveSkinObject& operator=(const TActiveSkinObject&) = delete;

  virtual TObjectKind Kind() const { return TObjectKind::okActive; }

  // True while the morph factor has further to go towards the active flag.
  virtual bool NeedsMorphStep() const;
  // Draws the object's current image onto canvas at ObjectRect. Without
  // fullRedraw the normal image is left to what the frame piece shows.
  virtual void Draw(TBitmap& canvas, bool fullRedraw);
  virtual void DblClick() {}
  // X, Y in window coordinates.
  virtual void MouseDown(int x, int y, TSkinMouseButton button);
  virtual void MouseUp(int x, int y, TSkinMouseButton button);
  virtual void MouseMove(int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();

  // Morphing on: start the frame's morph timer; off: redraw at once.
  void StartTransition();
  // Active with the factor short of 1, or inactive with it above 0.
  bool TransitionUnderWay() const;

  TFrameObjectHost& Frame() const { return frame_; }

  double MorphFactor = 0;
  bool MouseIn = false;
  const TBitmap* Picture = nullptr;        // the skin's main picture
  const TBitmap* ActivePicture = nullptr;  // null: no active images
  TSkinData* SkinData = nullptr;
  std::string IDName;
  std::string Hint;
  TRect SkinRect, ActiveSkinRect, InActiveSkinRect;
  TRect ObjectRect;
  bool Active = false;
  bool Morphing = false;
  TMorphKind MorphKind = TMorphKind::mkDefault;
  bool Enabled = true;
  bool Visible = true;
  bool SkinRectInAPicture = false;

 protected:
  // An object without a record (the default buttons).
  explicit TActiveSkinObject(TFrameObjectHost& frame);

  // The picture the normal rectangle is cut from.
  const TBitmap* NormalPicture() const { return SkinRectInAPicture ? ActivePicture : Picture; }
  // Copies rect of picture onto ObjectRect of canvas, scaled when the
  // sizes differ; nothing without a picture or with an empty rectangle.
  void CopyToObject(TBitmap& canvas, const TBitmap* picture, const TRect& rect) const;
  // Blends rect of normal with activeRect of active at the morph factor by
  // the morph kind and draws the result at ObjectRect.
  void DrawBlend(TBitmap& canvas, const TBitmap* normal, const TRect& rect, const TBitmap* active,
                 const TRect& activeRect) const;
  // Pops the menu's sub-items up through the frame; nothing without a menu
  // or without sub-items.
  void PopupMenuOf(TObjectMenu* menu, bool upward);
  // The frame's events with a copy of ObjectRect.
  void FireMouseDown(int x, int y, TSkinMouseButton button) const;
  void FireMouseUp(int x, int y, TSkinMouseButton button) const;

 private:
  TFrameObjectHost& frame_;
};

// Painted by the application through the frame's OnPaintEvent.
class TUserObject : public TActiveSkinObject {
 public:
  TUserObject(TFrameObjectHost& frame, TSkinData& data, TDataUserObject& record)
      : TActiveSkinObject(frame, data, record) {}
  TObjectKind Kind() const override { return TObjectKind::okUser; }
  void Draw(TBitmap& canvas, bool fullRedraw) override;
};

// A picture of w x h holding rect of picture, scaled (white when there is
// no picture). Shared by the object families.
TBitmap CutPicture(const TBitmap* picture, const TRect& rect, int w, int h);

}  // namespace tavo::skin
