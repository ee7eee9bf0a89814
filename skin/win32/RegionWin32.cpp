// HRGNs from region data and back.
#include "skin/win32/RegionWin32.h"

#include <cstring>
#include <vector>

namespace tavo::skin::win32 {

namespace {

HRGN FromBytes(const TRegionData& piece) {
  const std::vector<uint8_t> bytes = piece.Bytes();
  // RGNDATA needs DWORD alignment; a vector's storage from operator new has it.
  return ExtCreateRegion(nullptr, static_cast<DWORD>(bytes.size()), reinterpret_cast<const RGNDATA*>(bytes.data()));
}

}  // namespace

ui::THRgn CreateRegion(const TRegionData& data) {
  const std::vector<TRegionData> pieces = SplitRegionData(data, kMaxRegionRects);
  ui::THRgn result(FromBytes(pieces.front()));
  if (!result) result.reset(CreateRectRgn(0, 0, 0, 0));
  for (size_t i = 1; i < pieces.size() && result; ++i) {
    ui::THRgn piece(FromBytes(pieces[i]));
    if (!piece || CombineRgn(result.get(), result.get(), piece.get(), RGN_OR) == ERROR) return nullptr;
  }
  return result;
}

ui::THRgn CreateRegion(const TRegion& region) {
  TRegionData data;
  data.Rects = region.Rects();
  data.Bounds = region.Bounds();
  return CreateRegion(data);
}

TRegion ReadRegion(HRGN region) {
  TRegion out;
  const DWORD size = GetRegionData(region, 0, nullptr);
  if (size < sizeof(RGNDATAHEADER)) return out;
  std::vector<DWORD> storage((size + sizeof(DWORD) - 1) / sizeof(DWORD));
  auto* data = reinterpret_cast<RGNDATA*>(storage.data());
  if (GetRegionData(region, size, data) == 0) return out;
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  for (DWORD i = 0; i < data->rdh.nCount; ++i)
    out.Add(TRect{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom});
  return out;
}

bool SetWindowRegion(HWND wnd, ui::THRgn region, bool redraw) {
  if (!SetWindowRgn(wnd, region.get(), redraw ? TRUE : FALSE)) return false;
  // The window owns the region now; deleting it would break its shape.
  (void)region.release();
  return true;
}

}  // namespace tavo::skin::win32
