// JPEG decoding through libjpeg into a 24-bit DIB section, and drawing it.
#include "ui/Picture.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "core/Exception.h"
#include "ui/UiException.h"

namespace tavo::ui {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return:
// jump back to the decoder's frame, past libjpeg's own C frames only.
struct TJpegError {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void OnJpegError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<TJpegError*>(info->err)->jump, 1);
}

void SilentOutput(j_common_ptr) {}

// Decodes into top-down RGB rows; false with the libjpeg message on failure.
// Only plain data lives in this frame, so the long jump skips no destructor
// that matters.
bool DecodeJpeg(const uint8_t* data, size_t size, std::vector<uint8_t>& rgb, int& width, int& height,
                char (&message)[JMSG_LENGTH_MAX]) {
  jpeg_decompress_struct info;
  TJpegError error;
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = &OnJpegError;
  error.manager.output_message = &SilentOutput;
  if (setjmp(error.jump)) {
    error.manager.format_message(reinterpret_cast<j_common_ptr>(&info), message);
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  width = static_cast<int>(info.output_width);
  height = static_cast<int>(info.output_height);
  const size_t rowBytes = static_cast<size_t>(width) * 3;
  rgb.resize(rowBytes * static_cast<size_t>(height));
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = rgb.data() + rowBytes * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

BITMAPINFO Bgr24Info(int width, int height) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;  // top-down rows
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  bi.bmiHeader.biCompression = BI_RGB;
  return bi;
}

}  // namespace

TPicture TPicture::FromJpeg(std::span<const uint8_t> data) {
  if (data.empty()) throw EInvalidGraphic("JPEG picture is empty");
  std::vector<uint8_t> rgb;
  int width = 0;
  int height = 0;
  char message[JMSG_LENGTH_MAX] = {};
  if (!DecodeJpeg(data.data(), data.size(), rgb, width, height, message))
    throw EInvalidGraphic(Format("JPEG picture cannot be decoded: %s", message));
  if (width <= 0 || height <= 0) throw EInvalidGraphic("JPEG picture has no pixels");

  TPicture picture;
  const BITMAPINFO bi = Bgr24Info(width, height);
  void* bits = nullptr;
  picture.bitmap_.reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!picture.bitmap_ || !bits) RaiseLastOSError();
  picture.bits_ = static_cast<uint8_t*>(bits);
  picture.width_ = width;
  picture.height_ = height;
  picture.stride_ = (width * 3 + 3) & ~3;
  for (int y = 0; y < height; ++y) {
    const uint8_t* src = rgb.data() + static_cast<size_t>(y) * width * 3;
    uint8_t* dst = picture.bits_ + static_cast<size_t>(y) * picture.stride_;
    for (int x = 0; x < width; ++x) {
      dst[x * 3 + 0] = src[x * 3 + 2];
      dst[x * 3 + 1] = src[x * 3 + 1];
      dst[x * 3 + 2] = src[x * 3 + 0];
    }
  }
  GdiFlush();
  return picture;
}

TPicture TPicture::FromJpegResource(HINSTANCE module, const char* name) {
  return FromJpeg(ResourceBytes(module, name));
}

uint32_t TPicture::Pixel(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  const uint8_t* p = bits_ + static_cast<size_t>(y) * stride_ + static_cast<size_t>(x) * 3;
  return static_cast<uint32_t>(p[2]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[0]) << 16);
}

void TPicture::StretchDraw(HDC dc, const RECT& dest) const {
  if (!bits_) return;
  const BITMAPINFO bi = Bgr24Info(width_, height_);
  // HALFTONE averages the pixels a shrink drops instead of skipping them;
  // it needs the brush origin set afterwards.
  const int oldMode = SetStretchBltMode(dc, HALFTONE);
  POINT oldOrigin;
  SetBrushOrgEx(dc, 0, 0, &oldOrigin);
  StretchDIBits(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, 0, 0, width_, height_, bits_,
                &bi, DIB_RGB_COLORS, SRCCOPY);
  SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
  SetStretchBltMode(dc, oldMode);
}

std::span<const uint8_t> ResourceBytes(HINSTANCE module, const char* name, const char* type) {
  HRSRC info = FindResourceA(module, name, type);
  HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) {
    const std::string id = IS_INTRESOURCE(name) ? Format("#%u", static_cast<unsigned>(reinterpret_cast<uintptr_t>(name)))
                                                : std::string(name);
    throw EResNotFound(Format("Resource %s not found", id.c_str()));
  }
  return {static_cast<const uint8_t*>(data), static_cast<size_t>(SizeofResource(module, info))};
}

}  // namespace tavo::ui
