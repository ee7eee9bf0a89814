// Building the skinned frame's window region from its mask.
#include "skin/FrameRegion.h"

#include "skin/SkinData.h"

namespace tavo::skin {

TFrameWindowRegion BuildWindowRegion(const TFrameRegionInput& in) {
  TFrameWindowRegion out;
  if (in.BorderNone) return out;
  if (in.MaximizedMdiChild && in.Skin != nullptr && !in.Skin->Mask.Empty()) return out;
  if (in.Skin == nullptr || in.Skin->Mask.Empty()) {
    out.Strips = TStripChange::scClear;
    return out;
  }
  const TSkinData& skin = *in.Skin;
  const TFrameSkinGeometry g = FrameSkinGeometryOf(skin);
  const TPlacedFrameGeometry placed = ComputePlacedGeometry(g, in.FrameWidth, in.FrameHeight);
  const TRect& mask = placed.MaskRect;
  out.Region = TRegionChange::rcSet;
  out.Strips = TStripChange::scReplace;
  out.MaskStrips = CreateMaskPieces(in.FrameWidth, in.FrameHeight, skin.Mask, MaskStripGeometry(g, placed));
  out.TopAt = TPoint{0, 0};
  out.BottomAt = TPoint{0, mask.bottom};
  out.LeftAt = TPoint{0, mask.top};
  out.RightAt = TPoint{mask.right, mask.top};
  out.Shape.Add(mask);
  auto join = [&](const TBitmap& strip, TPoint at) {
    if (strip.Width() < 1 || strip.Height() < 1) return;
    if (const auto data = MaskRunsToRegionData(strip, at.x, at.y))
      for (const TRect& r : data->Rects) out.Shape.Add(r);
  };
  join(out.MaskStrips.Top, out.TopAt);
  join(out.MaskStrips.Bottom, out.BottomAt);
  join(out.MaskStrips.Left, out.LeftAt);
  join(out.MaskStrips.Right, out.RightAt);
  return out;
}

}  // namespace tavo::skin
