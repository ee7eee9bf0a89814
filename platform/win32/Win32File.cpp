// Win32 implementation of the file, directory, date and drive services.
#include <windows.h>

#include "core/Exception.h"
#include "core/Mbcs.h"
#include "platform/File.h"
#include "platform/Path.h"

namespace tavo::platform {

namespace {

std::string ErrorText(DWORD code) {
  char* text = nullptr;
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                     FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string result = n && text ? std::string(text, n) : std::string();
  if (text) LocalFree(text);
  while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == ' '))
    result.pop_back();
  return result;
}

HANDLE AsHandle(void* h) { return static_cast<HANDLE>(h); }

uint32_t FileTimeToDos(const FILETIME& ft) {
  FILETIME local;
  WORD date = 0, time = 0;
  if (!FileTimeToLocalFileTime(&ft, &local) || !FileTimeToDosDateTime(&local, &date, &time)) return 0;
  return static_cast<uint32_t>(date) << 16 | time;
}

}  // namespace

TFileStream::TFileStream(const std::string& path, TFileOpenMode mode, TFileShareMode share) : path_(path) {
  DWORD access = GENERIC_READ;
  DWORD disposition = OPEN_EXISTING;
  if (mode != TFileOpenMode::Read) access |= GENERIC_WRITE;
  if (mode == TFileOpenMode::Create) disposition = CREATE_ALWAYS;
  DWORD shareFlags = 0;
  if (share == TFileShareMode::DenyNone) shareFlags = FILE_SHARE_READ | FILE_SHARE_WRITE;
  if (share == TFileShareMode::DenyWrite) shareFlags = FILE_SHARE_READ;
  // Windows refuses to write a file with the read-only attribute; Wine run
  // by the superuser does not (it keeps the attribute as permission bits),
  // so the refusal is made here too. A new file costs no extra call.
  auto readOnly = [&] {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           (attributes & FILE_ATTRIBUTE_READONLY);
  };
  HANDLE h = INVALID_HANDLE_VALUE;
  DWORD refusal = 0;
  if (mode == TFileOpenMode::Create) {
    h = CreateFileA(path.c_str(), access, shareFlags, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS) {
      if (readOnly())
        refusal = ERROR_ACCESS_DENIED;
      else
        h = CreateFileA(path.c_str(), access, shareFlags, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
  } else if (mode == TFileOpenMode::ReadWrite && readOnly()) {
    refusal = ERROR_ACCESS_DENIED;
  } else {
    h = CreateFileA(path.c_str(), access, shareFlags, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD code = refusal ? refusal : GetLastError();
    if (mode == TFileOpenMode::Create)
      throw EFCreateError(Format("Cannot create file \"%s\". %s", path.c_str(), ErrorText(code).c_str()), code);
    throw EFOpenError(Format("Cannot open file \"%s\". %s", path.c_str(), ErrorText(code).c_str()), code);
  }
  handle_ = h;
}

TFileStream::~TFileStream() { CloseHandle(AsHandle(handle_)); }

int64_t TFileStream::Read(void* buffer, int64_t count) {
  int64_t done = 0;
  auto* p = static_cast<char*>(buffer);
  while (done < count) {
    const DWORD want = static_cast<DWORD>(count - done > 0x40000000 ? 0x40000000 : count - done);
    DWORD got = 0;
    if (!ReadFile(AsHandle(handle_), p + done, want, &got, nullptr) || got == 0) break;
    done += got;
  }
  return done;
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  int64_t done = 0;
  const auto* p = static_cast<const char*>(buffer);
  while (done < count) {
    const DWORD want = static_cast<DWORD>(count - done > 0x40000000 ? 0x40000000 : count - done);
    DWORD put = 0;
    if (!WriteFile(AsHandle(handle_), p + done, want, &put, nullptr) || put == 0) break;
    done += put;
  }
  return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  LARGE_INTEGER distance, result;
  distance.QuadPart = offset;
  const DWORD method = origin == TSeekOrigin::Begin ? FILE_BEGIN : origin == TSeekOrigin::Current ? FILE_CURRENT : FILE_END;
  if (!SetFilePointerEx(AsHandle(handle_), distance, &result, method)) return -1;
  return result.QuadPart;
}

int64_t TFileStream::Size() {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(AsHandle(handle_), &size)) return -1;
  return size.QuadPart;
}

void TFileStream::SetSize(int64_t size) {
  const int64_t position = Seek(0, TSeekOrigin::Current);
  if (Seek(size, TSeekOrigin::Begin) < 0 || !SetEndOfFile(AsHandle(handle_))) {
    const DWORD code = GetLastError();
    Seek(position, TSeekOrigin::Begin);
    throw EOSError(Format("Cannot set the size of \"%s\" to %lld. %s", path_.c_str(), static_cast<long long>(size),
                          ErrorText(code).c_str()),
                   code);
  }
  Seek(position, TSeekOrigin::Begin);
}

void TFileStream::FlushBuffers() { FlushFileBuffers(AsHandle(handle_)); }

uint32_t TFileStream::DosDateTime() {
  FILETIME written;
  if (!GetFileTime(AsHandle(handle_), nullptr, nullptr, &written)) return 0;
  return FileTimeToDos(written);
}

void TFileStream::SetDosDateTime(uint32_t dosDateTime) {
  FILETIME local, utc;
  if (DosDateTimeToFileTime(static_cast<WORD>(dosDateTime >> 16), static_cast<WORD>(dosDateTime & 0xFFFF), &local) &&
      LocalFileTimeToFileTime(&local, &utc))
    SetFileTime(AsHandle(handle_), nullptr, nullptr, &utc);
}

bool FileExists(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool ForceDirectories(const std::string& path) {
  std::string dir = path;
  while (dir.size() > 3 && (dir.back() == '\\' || dir.back() == '/')) dir.pop_back();
  if (dir.empty()) return false;
  if (DirectoryExists(dir)) return true;
  // Windows takes "/" as a separator too.
  const size_t slash = LastDelimiter(dir, "\\/");
  const std::string parent = slash == std::string::npos ? std::string() : dir.substr(0, slash + 1);
  if (!parent.empty() && parent != dir && parent.back() != ':' && !(parent.size() <= 3 && parent[1] == ':') &&
      !ForceDirectories(parent))
    return false;
  return CreateDirectoryA(dir.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

std::string GetCurrentDir() {
  char buffer[MAX_PATH * 2];
  const DWORD n = GetCurrentDirectoryA(sizeof buffer, buffer);
  return n && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

int64_t FileAge(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return -1;
  return FileTimeToDos(data.ftLastWriteTime);
}

int32_t FileGetAttr(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a == INVALID_FILE_ATTRIBUTES ? -1 : static_cast<int32_t>(a);
}

bool FileSetAttr(const std::string& path, uint32_t attributes) {
  // Archives made on other hosts keep their own mode bits above the DOS
  // ones; only the bits Windows lets a program set are passed on.
  constexpr uint32_t kSettable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                 FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_TEMPORARY |
                                 FILE_ATTRIBUTE_OFFLINE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  return SetFileAttributesA(path.c_str(), attributes & kSettable) != 0;
}

TDriveType DriveType(const std::string& root) { return static_cast<TDriveType>(GetDriveTypeA(root.c_str())); }

std::string VolumeLabel(const std::string& root) {
  char label[MAX_PATH + 1] = {};
  DWORD serial = 0, maxLength = 0, flags = 0;
  // A drive without a medium would otherwise put up "insert a disk".
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  const BOOL ok = GetVolumeInformationA(root.c_str(), label, sizeof label, &serial, &maxLength, &flags, nullptr, 0);
  SetErrorMode(oldMode);
  return ok ? std::string(label) : std::string();
}

int64_t DosDateTimeToUnix(uint32_t dosDateTime) {
  FILETIME local;
  if (!DosDateTimeToFileTime(static_cast<WORD>(dosDateTime >> 16), static_cast<WORD>(dosDateTime & 0xFFFF), &local))
    return 315532800LL;
  ULARGE_INTEGER v;
  v.LowPart = local.dwLowDateTime;
  v.HighPart = local.dwHighDateTime;
  return static_cast<int64_t>(v.QuadPart / 10000000ULL) - 11644473600LL;
}

uint32_t UnixToDosDateTime(int64_t unixTime) {
  ULARGE_INTEGER v;
  v.QuadPart = static_cast<ULONGLONG>(unixTime + 11644473600LL) * 10000000ULL;
  FILETIME local;
  local.dwLowDateTime = v.LowPart;
  local.dwHighDateTime = v.HighPart;
  WORD date = 0, time = 0;
  if (!FileTimeToDosDateTime(&local, &date, &time)) return (1u << 5 | 1u) << 16;
  return static_cast<uint32_t>(date) << 16 | time;
}

}  // namespace tavo::platform
