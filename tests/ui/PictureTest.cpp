// JPEG pictures: colours come out in the right channels, the window picture
// is in the resources, and bad data or a missing resource raise.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "ui/Picture.h"
#include "ui/UiException.h"

namespace tavo::ui {
namespace {

// An 16 x 8 JPEG at full quality: left half pure red, right half pure blue.
std::vector<uint8_t> RedBlueJpeg() {
  jpeg_compress_struct info;
  jpeg_error_mgr error;
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &out, &size);
  info.image_width = 16;
  info.image_height = 8;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<uint8_t> row(16 * 3);
  for (int x = 0; x < 16; ++x) {
    row[x * 3] = x < 8 ? 255 : 0;
    row[x * 3 + 2] = x < 8 ? 0 : 255;
  }
  while (info.next_scanline < info.image_height) {
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&info, &r, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<uint8_t> bytes(out, out + size);
  jpeg_destroy_compress(&info);
  free(out);
  return bytes;
}

TEST(PictureTest, DecodesColoursIntoTheirChannels) {
  const std::vector<uint8_t> jpeg = RedBlueJpeg();
  const TPicture picture = TPicture::FromJpeg(jpeg);
  ASSERT_EQ(picture.Width(), 16);
  ASSERT_EQ(picture.Height(), 8);
  const uint32_t left = picture.Pixel(2, 4);
  const uint32_t right = picture.Pixel(13, 4);
  EXPECT_GT(GetRValue(left), 230);
  EXPECT_LT(GetBValue(left), 25);
  EXPECT_GT(GetBValue(right), 230);
  EXPECT_LT(GetRValue(right), 25);
}

TEST(PictureTest, StretchDrawFillsTheDestination) {
  const TPicture picture = TPicture::FromJpeg(RedBlueJpeg());
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 64, -10, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  picture.StretchDraw(dc, RECT{0, 0, 64, 10});
  GdiFlush();
  const auto* px = static_cast<const uint32_t*>(bits);
  // BGRX: red in the left quarter, blue in the right quarter, 4x wider.
  EXPECT_GT((px[5 * 64 + 4] >> 16) & 0xFF, 200u);
  EXPECT_GT(px[5 * 64 + 60] & 0xFF, 200u);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

TEST(PictureTest, WindowPictureIsEmbeddedAtItsSize) {
  const TPicture picture = TPicture::FromJpegResource(GetModuleHandleA(nullptr), "WINDOWPICTURE");
  EXPECT_EQ(picture.Width(), 431);
  EXPECT_EQ(picture.Height(), 404);
}

TEST(PictureTest, DamagedDataAndMissingResourcesRaise) {
  std::vector<uint8_t> jpeg = RedBlueJpeg();
  jpeg.resize(20);
  EXPECT_THROW(TPicture::FromJpeg(jpeg), EInvalidGraphic);
  const std::vector<uint8_t> text = {'n', 'o', 't', ' ', 'j', 'p', 'e', 'g'};
  EXPECT_THROW(TPicture::FromJpeg(text), EInvalidGraphic);
  EXPECT_THROW(TPicture::FromJpeg({}), EInvalidGraphic);
  EXPECT_THROW(TPicture::FromJpegResource(GetModuleHandleA(nullptr), "NOSUCHPICTURE"), EResNotFound);
}

}  // namespace
}  // namespace tavo::ui
