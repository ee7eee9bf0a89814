// Lumen loaded from the shipped stored skin, with its frame values placed
// by hand on a window (right and bottom values move by the window's size
// minus the picture's 277 x 116), for the behaviour tests.
#pragma once

#include <string>

#include "skin/CompressedStoredSkin.h"
#include "skin/FrameHitTest.h"
#include "skin/MaskRegion.h"
#include "skin/NinePart.h"
#include "skin/SkinData.h"

namespace tavo::skin::testing {

struct TLumenFrame {
  TSkinNotifier notifier;
  TCompressedStoredSkin stored;
  TSkinData data{nullptr, &notifier};
  int W, H, dx, dy;
  TRect MaskRect;
  TMaskPieces Strips;
  TNinePartGeometry MaskGeometry;

  TLumenFrame(int width, int height) : W(width), H(height), dx(width - 277), dy(height - 116) {
    stored.ImportCompressedFile(std::string(TAVO_SOURCE_DIR) + "/assets/skins/Lumen.skn");
    data.SetCompressedStoredSkin(&stored);
    // maskrectarea 9,17,273,112 on the window.
    MaskRect = TRect{9, 17, 273 + dx, 112 + dy};
    MaskGeometry = PlaceNinePart(data.lefttoppoint, data.righttoppoint, data.leftbottompoint, data.rightbottompoint,
                                 data.maskrectarea, data.Picture.Width(), data.Picture.Height(), W, H);
    Strips = CreateMaskPieces(W, H, data.Mask, MaskGeometry);
  }

  // The hit-test input of the window: client 13,46,265,107; hit-test
  // points 12,12 / 265,12 / 12,108 / 265,108; the caption object's
  // rectangle 46,16,136,35 widened by dx.
  TSkinnedHitInput HitInput(bool sizeable, bool withMask = true) const {
    TSkinnedHitInput in;
    in.FormWidth = W;
    in.FormHeight = H;
    in.ClientRect = TRect{13, 46, 265 + dx, 107 + dy};
    in.MaskRect = MaskRect;
    in.HitLeftTop = TPoint{12, 12};
    in.HitRightTop = TPoint{265 + dx, 12};
    in.HitLeftBottom = TPoint{12, 108 + dy};
    in.HitRightBottom = TPoint{265 + dx, 108 + dy};
    in.BorderWidth = data.borderwidth;
    in.Mask = withMask ? &Strips : nullptr;
    in.CaptionRects = {TRect{46, 16, 136 + dx, 35}};
    in.Sizeable = sizeable;
    return in;
  }
};

}  // namespace tavo::skin::testing
