// The skin engine's failures: one base deriving from tavo::Exception and one
// class per kind, each with its fixed message.
#pragma once

#include <string>

#include "core/Exception.h"

namespace tavo::skin {

class ESkinException : public Exception {
 public:
  using Exception::Exception;
};

// A picture that is not a BMP file image we can decode.
class EInvalidGraphic : public ESkinException {
 public:
  EInvalidGraphic() : ESkinException("Bitmap image is not valid") {}
};

// The data ended where more bytes were needed.
class EReadError : public ESkinException {
 public:
  EReadError() : ESkinException("Stream read error") {}
};

// A rectangle or point field that is not a 32-bit number; the message names
// the field's text.
class EConvertError : public ESkinException {
 public:
  explicit EConvertError(const std::string& field)
      : ESkinException("'" + field + "' is not a valid integer value") {}
};

// Failures of the zlib stream classes.
class EZlibError : public ESkinException {
 public:
  using ESkinException::ESkinException;
};
class ECompressionError : public EZlibError {
 public:
  using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
 public:
  using EZlibError::EZlibError;
};

constexpr char kInvalidStreamOperation[] = "Invalid stream operation";
constexpr char kCompressError[] = "error";
constexpr char kDecompressError[] = "compression error";

}  // namespace tavo::skin
