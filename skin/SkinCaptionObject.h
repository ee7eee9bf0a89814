// TSkinCaptionObject: the frame's caption — the form's caption text fitted
// with "...", aligned, with an optional shadow and plate, over a background
// built from the skin, blended between its normal and active image while
// the form's activation changes. Portable.
#pragma once

#include <string>

#include "skin/ActiveSkinObject.h"
#include "skin/SpeedButtonRenderer.h"

namespace tavo::skin {

class TSkinCaptionObject : public TActiveSkinObject {
 public:
  TSkinCaptionObject(TFrameObjectHost& frame, TSkinData& data, TDataSkinCaption& record);
  TObjectKind Kind() const override { return TObjectKind::okCaption; }

  void Draw(TBitmap& canvas, bool fullRedraw) override;
  void MouseDown(int x, int y, TSkinMouseButton button) override;
  void MouseUp(int x, int y, TSkinMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  // The caption's font with the frame's caption character set.
  TButtonFont Font() const;
  // The text area relative to ObjectRect's top-left: the text rectangle
  // widened with the object, less the plate's margins.
  TRect TextArea() const;
  // Writes the caption onto canvas with the area's origin at (ox, oy), in
  // the colours of the given activity: plate, shadow, text.
  void WriteText(TBitmap& canvas, int ox, int oy, bool active);
  // The background of ObjectRect's size cut from rect of picture: with the
  // frame's left and right fixed columns kept, the middle tiled; else
  // stretched.
  TBitmap Background(const TBitmap* picture, const TRect& rect) const;
  // The normal image (background from the picture, text inactive) and the
  // active image (from the active picture, text active).
  TBitmap NormalImage();
  TBitmap ActiveImage();

  std::string FontName = "Arial";
  TFontStyles FontStyle;
  int FontHeight = 14;
  TColor FontColor = 0, ActiveFontColor = 0;
  TAlignment Alignment = TAlignment::taCenter;
  TRect TextRect;
  bool Shadow = false;
  TColor ShadowColor = 0, ActiveShadowColor = 0;
  TRect FrameRect, ActiveFrameRect, FrameTextRect;
  int FrameLeftOffset = 0, FrameRightOffset = 0;

 private:
  // Applies the skin's inactive effect when it renders the inactive look.
  void InactiveLook(TBitmap& picture) const;
};

}  // namespace tavo::skin
