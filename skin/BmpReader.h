// BMP file images inside a stored skin: reading one by the exact length rule
// (nothing delimits pictures but their own headers) into a TBitmap that keeps
// its bit depth and palette, and writing a TBitmap back as a BMP file image.
// Portable.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/Bitmap.h"
#include "skin/MemoryStream.h"

namespace tavo::skin {

// Reads one BMP file image from the stream's position, consuming exactly:
// 14 + the info header size; 12 bytes of masks for a 40-byte header with bit
// fields at 16 or 32 bits; the colour table (used-colour count, or 2^bits for
// 1, 4 and 8 bits; 4 bytes an entry, 3 for the core header); the image size
// field's bytes, or when 0 the padded row length times the height; never more
// than remains.
// When no byte remains, the picture is empty. Throws EInvalidGraphic "Bitmap
// image is not valid" for a missing "BM", a plane count other than 1, a bit
// count or compression we cannot decode, or an absurd size; EReadError
// "Stream read error" when the data ends inside the headers or colour table.
// Pixel bytes cut short leave the missing pixels 0.
void ReadBmpImage(TMemoryStream& stream, TBitmap& bitmap);

// A BMP file image of the picture: file header, 40-byte info header (bit
// fields for 16 bits when the masks are not 5-5-5), palette, bottom-up rows.
// Its file-size field equals the length ReadBmpImage consumes.
std::vector<uint8_t> WriteBmpImage(const TBitmap& bitmap);

}  // namespace tavo::skin
