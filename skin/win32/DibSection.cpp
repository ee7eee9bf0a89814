// DIB sections from portable pictures, and reading a DC back.
#include "skin/win32/DibSection.h"

#include <cstring>

namespace tavo::skin::win32 {

namespace {

BITMAPINFO TopDown24(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // negative: row 0 is the top row, as in TBitmap
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

ui::THBitmap CreateDibSection(const TBitmap& picture) {
  if (picture.Empty()) return nullptr;
  const TBitmap converted = picture.PixelFormat() == TPixelFormat::pf24bit ? TBitmap() : picture.To24Bit();
  const TBitmap& pixels = picture.PixelFormat() == TPixelFormat::pf24bit ? picture : converted;
  const BITMAPINFO info = TopDown24(pixels.Width(), pixels.Height());
  void* bits = nullptr;
  ui::THBitmap section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!section || !bits) return nullptr;
  // A 24-bit TBitmap row is padded to 4 bytes exactly like a DIB row, so the
  // whole picture is one block.
  std::memcpy(bits, pixels.Data().data(), pixels.Data().size());
  GdiFlush();
  return section;
}

bool DrawBitmap(HDC dc, int x, int y, const TBitmap& picture) {
  ui::THBitmap section = CreateDibSection(picture);
  if (!section) return false;
  ui::THMemDC memory(CreateCompatibleDC(dc));
  if (!memory) return false;
  ui::TSelect select(memory.get(), section.get());
  return BitBlt(dc, x, y, picture.Width(), picture.Height(), memory.get(), 0, 0, SRCCOPY) != FALSE;
}

bool DrawEffectBmp(HDC dc, int x, int y, const TEffectBmp& picture) {
  if (picture.Width() < 1 || picture.Height() < 1) return false;
  // TBitmapInfoHeader has BITMAPINFOHEADER's layout field for field.
  static_assert(sizeof(TBitmapInfoHeader) == sizeof(BITMAPINFOHEADER));
  BITMAPINFO info{};
  std::memcpy(&info.bmiHeader, &picture.Header(), sizeof(BITMAPINFOHEADER));
  const int lines = SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(picture.Width()),
                                      static_cast<DWORD>(picture.Height()), 0, 0, 0,
                                      static_cast<UINT>(picture.Height()), picture.Bits(), &info, DIB_RGB_COLORS);
  return lines > 0;
}

TBitmap CaptureDC(HDC dc, const TRect& r) {
  const int width = r.right - r.left, height = r.bottom - r.top;
  TBitmap out(width, height, TPixelFormat::pf24bit);
  if (out.Empty()) return out;
  const BITMAPINFO info = TopDown24(width, height);
  void* bits = nullptr;
  ui::THBitmap section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  ui::THMemDC memory(CreateCompatibleDC(dc));
  if (!section || !bits || !memory) return TBitmap();
  {
    ui::TSelect select(memory.get(), section.get());
    if (!BitBlt(memory.get(), 0, 0, width, height, dc, r.left, r.top, SRCCOPY)) return TBitmap();
    GdiFlush();
  }
  std::memcpy(out.Data().data(), bits, out.Data().size());
  return out;
}

}  // namespace tavo::skin::win32
