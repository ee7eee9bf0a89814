// Files, directories, dates, attributes and drives: the part of the system
// the portable engines need, behind one interface. Paths are engine paths:
// 8-bit text in the system code page with "\" separators (see Path.h for how
// a POSIX host maps them).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/Exception.h"

namespace tavo::platform {

// A file could not be opened ("Cannot open file ...").
class EFOpenError : public EOSError {
 public:
  using EOSError::EOSError;
};

// A file could not be created ("Cannot create file ..."); the extraction
// driver treats this one specially (read-only files it may replace).
class EFCreateError : public EOSError {
 public:
  using EOSError::EOSError;
};

enum class TFileOpenMode { Read, ReadWrite, Create };
enum class TFileShareMode { DenyNone, DenyWrite, Exclusive };
enum class TSeekOrigin { Begin = 0, Current = 1, End = 2 };

// An open file, unbuffered. Reads and writes return the byte count done;
// short counts at the end of the file are not errors.
class TFileStream {
 public:
  // Throws EFOpenError (Read, ReadWrite) or EFCreateError (Create).
  TFileStream(const std::string& path, TFileOpenMode mode, TFileShareMode share);
  ~TFileStream();
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  int64_t Read(void* buffer, int64_t count);
  int64_t Write(const void* buffer, int64_t count);
  // Returns the new position, or -1 when the system refuses.
  int64_t Seek(int64_t offset, TSeekOrigin origin);
  int64_t Size();
  // Throws EOSError when the system refuses.
  void SetSize(int64_t size);
  // Forces the system's buffers of this file to the disk.
  void FlushBuffers();
  // Last-write time of the open file as a DOS date-time (date high word).
  uint32_t DosDateTime();
  // Sets the last-write time of the open file from a DOS date-time.
  void SetDosDateTime(uint32_t dosDateTime);
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
#ifdef _WIN32
  void* handle_;
#else
  int fd_;
#endif
};

// DOS file attribute bits, as stored in the low byte of an archive entry's
// external attributes.
constexpr uint32_t faReadOnly = 0x01;
constexpr uint32_t faHidden = 0x02;
constexpr uint32_t faSysFile = 0x04;
constexpr uint32_t faVolumeID = 0x08;
constexpr uint32_t faDirectory = 0x10;
constexpr uint32_t faArchive = 0x20;

bool FileExists(const std::string& path);  // a file, not a directory
bool DirectoryExists(const std::string& path);
// Creates the directory and all its missing parents; false when it fails.
bool ForceDirectories(const std::string& path);
bool RemoveFile(const std::string& path);
std::string GetCurrentDir();
// Last-write time of a file as a DOS date-time; -1 when there is no file.
int64_t FileAge(const std::string& path);
// Attribute bits of a file, -1 when there is none. On POSIX only
// faReadOnly (no write permission bit) and faDirectory are reported.
int32_t FileGetAttr(const std::string& path);
// Sets a file's attributes; on POSIX faReadOnly clears the write bits and
// its absence restores the owner's write bit; other DOS bits are ignored.
bool FileSetAttr(const std::string& path, uint32_t attributes);

// The values of the Windows DRIVE_* constants.
enum class TDriveType { Unknown = 0, NoRootDir = 1, Removable = 2, Fixed = 3, Remote = 4, CDRom = 5, RamDisk = 6 };
// Type of the drive whose root is given ("A:\"); POSIX hosts report Fixed
// for an existing directory and NoRootDir otherwise.
TDriveType DriveType(const std::string& root);
// Volume label of the drive whose root is given; empty where there is none.
// A drive without a medium gives none, without prompting for one.
std::string VolumeLabel(const std::string& root);

// DOS date-time conversions through the host's local time; 0 converts to
// 1980-01-01 00:00:00. Seconds since 1970 in local time (not UTC).
int64_t DosDateTimeToUnix(uint32_t dosDateTime);
uint32_t UnixToDosDateTime(int64_t unixTime);

}  // namespace tavo::platform
