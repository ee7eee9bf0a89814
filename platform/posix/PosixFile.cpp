// POSIX implementation of the file, directory, date and drive services.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

#include "core/Exception.h"
#include "platform/File.h"
#include "platform/Path.h"

namespace tavo::platform {

namespace {

std::string ErrorText(int code) { return std::strerror(code); }

}  // namespace

TFileStream::TFileStream(const std::string& path, TFileOpenMode mode, TFileShareMode /*share*/) : path_(path) {
  const std::string host = HostPath(path);
  int flags = O_CLOEXEC;
  switch (mode) {
    case TFileOpenMode::Read: flags |= O_RDONLY; break;
    case TFileOpenMode::ReadWrite: flags |= O_RDWR; break;
    case TFileOpenMode::Create: flags |= O_RDWR | O_CREAT | O_TRUNC; break;
  }
  // A file without any write permission is read-only to everyone, the
  // superuser included, as the read-only attribute is on Windows: refusing
  // it here keeps the engine's clear-the-attribute-and-retry path the same
  // on both hosts. A new file (the usual case) costs no extra call.
  auto readOnly = [](const struct stat& st) {
    return S_ISREG(st.st_mode) && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
  };
  fd_ = -1;
  if (mode == TFileOpenMode::Create) {
    fd_ = ::open(host.c_str(), flags | O_EXCL, 0666);
    if (fd_ < 0 && errno == EEXIST) {
      struct stat existing;
      if (::stat(host.c_str(), &existing) == 0 && readOnly(existing))
        errno = EACCES;  // refused before O_TRUNC could empty it
      else
        fd_ = ::open(host.c_str(), flags, 0666);
    }
  } else {
    fd_ = ::open(host.c_str(), flags, 0666);
  }
  if (fd_ >= 0) {
    struct stat st;
    if (::fstat(fd_, &st) == 0 && (S_ISDIR(st.st_mode) || (mode == TFileOpenMode::ReadWrite && readOnly(st)))) {
      const int refusal = S_ISDIR(st.st_mode) ? EISDIR : EACCES;
      ::close(fd_);
      fd_ = -1;
      errno = refusal;
    }
  }
  if (fd_ < 0) {
    const int code = errno;
    if (mode == TFileOpenMode::Create)
      throw EFCreateError(Format("Cannot create file \"%s\". %s", path.c_str(), ErrorText(code).c_str()), code);
    throw EFOpenError(Format("Cannot open file \"%s\". %s", path.c_str(), ErrorText(code).c_str()), code);
  }
}

TFileStream::~TFileStream() {
  if (fd_ >= 0) ::close(fd_);
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
  int64_t done = 0;
  auto* p = static_cast<char*>(buffer);
  while (done < count) {
    const ssize_t n = ::read(fd_, p + done, static_cast<size_t>(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  int64_t done = 0;
  const auto* p = static_cast<const char*>(buffer);
  while (done < count) {
    const ssize_t n = ::write(fd_, p + done, static_cast<size_t>(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int whence = origin == TSeekOrigin::Begin ? SEEK_SET : origin == TSeekOrigin::Current ? SEEK_CUR : SEEK_END;
  const off_t r = ::lseek(fd_, static_cast<off_t>(offset), whence);
  return r < 0 ? -1 : static_cast<int64_t>(r);
}

int64_t TFileStream::Size() {
  struct stat st;
  if (::fstat(fd_, &st) != 0) return -1;
  return static_cast<int64_t>(st.st_size);
}

void TFileStream::SetSize(int64_t size) {
  if (::ftruncate(fd_, static_cast<off_t>(size)) != 0) {
    const int code = errno;
    throw EOSError(Format("Cannot set the size of \"%s\" to %lld. %s", path_.c_str(), static_cast<long long>(size),
                          ErrorText(code).c_str()),
                   code);
  }
}

void TFileStream::FlushBuffers() { ::fsync(fd_); }

uint32_t TFileStream::DosDateTime() {
  struct stat st;
  if (::fstat(fd_, &st) != 0) return 0;
  return UnixToDosDateTime(static_cast<int64_t>(st.st_mtime));
}

void TFileStream::SetDosDateTime(uint32_t dosDateTime) {
  struct timespec times[2];
  times[0].tv_sec = times[1].tv_sec = static_cast<time_t>(DosDateTimeToUnix(dosDateTime));
  times[0].tv_nsec = times[1].tv_nsec = 0;
  ::futimens(fd_, times);
}

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(HostPath(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st;
  return ::stat(HostPath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ForceDirectories(const std::string& path) {
  std::string host = HostPath(path);
  while (host.size() > 1 && host.back() == '/') host.pop_back();
  if (host.empty()) return false;
  struct stat st;
  if (::stat(host.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
  // Create each missing level from the top down.
  for (size_t pos = host.find('/', 1); ; pos = host.find('/', pos + 1)) {
    const std::string part = pos == std::string::npos ? host : host.substr(0, pos);
    if (::stat(part.c_str(), &st) != 0) {
      if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return false;
    } else if (!S_ISDIR(st.st_mode)) {
      return false;
    }
    if (pos == std::string::npos) break;
  }
  return true;
}

bool RemoveFile(const std::string& path) { return ::unlink(HostPath(path).c_str()) == 0; }

std::string GetCurrentDir() {
  char buffer[4096];
  if (::getcwd(buffer, sizeof buffer) == nullptr) return std::string();
  return EnginePath(buffer);
}

int64_t FileAge(const std::string& path) {
  struct stat st;
  if (::stat(HostPath(path).c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return -1;
  return UnixToDosDateTime(static_cast<int64_t>(st.st_mtime));
}

int32_t FileGetAttr(const std::string& path) {
  struct stat st;
  if (::stat(HostPath(path).c_str(), &st) != 0) return -1;
  int32_t attributes = 0;
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) attributes |= static_cast<int32_t>(faReadOnly);
  if (S_ISDIR(st.st_mode)) attributes |= static_cast<int32_t>(faDirectory);
  return attributes;
}

bool FileSetAttr(const std::string& path, uint32_t attributes) {
  const std::string host = HostPath(path);
  struct stat st;
  if (::stat(host.c_str(), &st) != 0) return false;
  mode_t mode = st.st_mode & 07777;
  if (attributes & faReadOnly)
    mode &= static_cast<mode_t>(~(S_IWUSR | S_IWGRP | S_IWOTH));
  else
    mode |= S_IWUSR;
  return ::chmod(host.c_str(), mode) == 0;
}

TDriveType DriveType(const std::string& root) {
  return DirectoryExists(root) ? TDriveType::Fixed : TDriveType::NoRootDir;
}

std::string VolumeLabel(const std::string& /*root*/) { return std::string(); }

int64_t DosDateTimeToUnix(uint32_t dosDateTime) {
  struct tm t {};
  const uint32_t date = dosDateTime >> 16;
  const uint32_t time = dosDateTime & 0xFFFF;
  t.tm_year = static_cast<int>(((date >> 9) & 0x7F) + 80);
  t.tm_mon = static_cast<int>((date >> 5) & 0x0F) - 1;
  t.tm_mday = static_cast<int>(date & 0x1F);
  t.tm_hour = static_cast<int>((time >> 11) & 0x1F);
  t.tm_min = static_cast<int>((time >> 5) & 0x3F);
  t.tm_sec = static_cast<int>((time & 0x1F) * 2);
  if (t.tm_mon < 0) t.tm_mon = 0;
  if (t.tm_mday == 0) t.tm_mday = 1;
  t.tm_isdst = -1;
  return static_cast<int64_t>(::mktime(&t));
}

uint32_t UnixToDosDateTime(int64_t unixTime) {
  const time_t tt = static_cast<time_t>(unixTime);
  struct tm t {};
  ::localtime_r(&tt, &t);
  if (t.tm_year < 80) return (1u << 5 | 1u) << 16;  // before 1980: the DOS epoch
  const uint32_t date = static_cast<uint32_t>((t.tm_year - 80) << 9 | (t.tm_mon + 1) << 5 | t.tm_mday);
  const uint32_t time = static_cast<uint32_t>(t.tm_hour << 11 | t.tm_min << 5 | t.tm_sec / 2);
  return date << 16 | time;
}

}  // namespace tavo::platform
