// The seekable byte stream the engine reads archives and writes files
// through, and its adapter over a platform file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/File.h"

namespace tavo::zip {

using platform::TSeekOrigin;

class TStream {
 public:
  virtual ~TStream() = default;
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  // Origin values outside 0..2 are passed as they are so that the buffered
  // stream can reject them with their number.
  virtual int64_t Seek(int64_t offset, int origin) = 0;
  virtual int64_t Size() = 0;
  virtual void SetSize(int64_t size) = 0;
  int64_t Position() { return Seek(0, static_cast<int>(TSeekOrigin::Current)); }
};

// An unbuffered stream over an open platform file.
class THandleStream : public TStream {
 public:
  explicit THandleStream(std::unique_ptr<platform::TFileStream> file) : file_(std::move(file)) {}
  int64_t Read(void* buffer, int64_t count) override { return file_->Read(buffer, count); }
  int64_t Write(const void* buffer, int64_t count) override { return file_->Write(buffer, count); }
  int64_t Seek(int64_t offset, int origin) override {
    return file_->Seek(offset, static_cast<TSeekOrigin>(origin));
  }
  int64_t Size() override { return file_->Size(); }
  void SetSize(int64_t size) override { file_->SetSize(size); }
  platform::TFileStream& File() { return *file_; }

 private:
  std::unique_ptr<platform::TFileStream> file_;
};

}  // namespace tavo::zip
