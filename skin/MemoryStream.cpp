// The in-memory byte stream.
#include "skin/MemoryStream.h"

#include <algorithm>
#include <cstring>

#include "skin/SkinExceptions.h"

namespace tavo::skin {

void TStream::ReadBuffer(void* buffer, size_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError();
}

void TStream::WriteBuffer(const void* buffer, size_t count) {
  if (count != 0 && Write(buffer, count) != count) throw ESkinException("Stream write error");
}

size_t TMemoryStream::Read(void* buffer, size_t count) {
  const size_t n = std::min(count, Remaining());
  if (n != 0) std::memcpy(buffer, data_.data() + position_, n);
  position_ += n;
  return n;
}

size_t TMemoryStream::Write(const void* buffer, size_t count) {
  if (count == 0) return 0;
  if (position_ + count > data_.size()) data_.resize(position_ + count);
  std::memcpy(data_.data() + position_, buffer, count);
  position_ += count;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t base = 0;
  if (origin == TSeekOrigin::soCurrent) base = static_cast<int64_t>(position_);
  if (origin == TSeekOrigin::soEnd) base = static_cast<int64_t>(data_.size());
  const int64_t target = base + offset;
  position_ = target < 0 ? 0 : static_cast<size_t>(target);
  return static_cast<int64_t>(position_);
}

void PutU16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

}  // namespace tavo::skin
