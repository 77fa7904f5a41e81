#include "tables/dbase/os_file.h"

#include <cerrno>
#include <string>
#include <utility>

#ifdef _WIN32
#define NOMINMAX
#include <windows.h>

#include <algorithm>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vadelto::dbase {
namespace fs = std::filesystem;

OsFile::~OsFile() {
  Close();
}

OsFile::OsFile(OsFile&& other) noexcept {
  *this = std::move(other);
}

OsFile& OsFile::operator=(OsFile&& other) noexcept {
  if (this != &other) {
    Close();
#ifdef _WIN32
    handle_ = std::exchange(other.handle_, nullptr);
#else
    fd_ = std::exchange(other.fd_, -1);
#endif
    writable_ = other.writable_;
    error_ = other.error_;
  }
  return *this;
}

#ifdef _WIN32

namespace {

int ErrnoOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
      return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_WRITE_PROTECT:
      return EROFS;
    default:
      return EIO;
  }
}

}  // namespace

bool OsFile::Fail() {
  error_ = ErrnoOf(GetLastError());
  return false;
}

OsFile::Status OsFile::Open(const fs::path& file, LockKind lock) {
  Close();
  // Share modes are the lock: an exclusive open shares nothing.
  const DWORD share = lock == LockKind::Exclusive ? 0 : FILE_SHARE_READ | FILE_SHARE_WRITE;
  HANDLE h = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  writable_ = h != INVALID_HANDLE_VALUE;
  if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED &&
      lock == LockKind::Shared) {
    h = CreateFileW(file.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    error_ = ErrnoOf(error);
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return Status::Locked;
    return error_ == ENOENT ? Status::Missing : Status::Failed;
  }
  handle_ = h;
  return Status::Ok;
}

bool OsFile::IsOpen() const {
  return handle_ != nullptr;
}

bool OsFile::ReadAll(std::string& contents) {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(handle_, &size)) return Fail();
  contents.resize(static_cast<std::size_t>(size.QuadPart));
  LARGE_INTEGER start{};
  if (!SetFilePointerEx(handle_, start, nullptr, FILE_BEGIN)) return Fail();
  std::size_t done = 0;
  while (done < contents.size()) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(contents.size() - done, 1u << 30));
    if (!ReadFile(handle_, contents.data() + done, want, &got, nullptr)) return Fail();
    if (got == 0) break;
    done += got;
  }
  contents.resize(done);
  return true;
}

bool OsFile::WriteAt(std::uint64_t offset, std::string_view data) {
  LARGE_INTEGER at{};
  at.QuadPart = static_cast<LONGLONG>(offset);
  if (!SetFilePointerEx(handle_, at, nullptr, FILE_BEGIN)) return Fail();
  std::size_t done = 0;
  while (done < data.size()) {
    DWORD put = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1u << 30));
    if (!WriteFile(handle_, data.data() + done, want, &put, nullptr)) return Fail();
    done += put;
  }
  return true;
}

bool OsFile::Truncate(std::uint64_t size) {
  LARGE_INTEGER at{};
  at.QuadPart = static_cast<LONGLONG>(size);
  if (!SetFilePointerEx(handle_, at, nullptr, FILE_BEGIN) || !SetEndOfFile(handle_)) return Fail();
  return true;
}

bool OsFile::Sync() {
  return FlushFileBuffers(handle_) ? true : Fail();
}

void OsFile::Close() {
  if (handle_) CloseHandle(handle_);
  handle_ = nullptr;
}

int ReplaceFile(const fs::path& target, std::string_view contents) {
  const fs::path temporary = fs::path(target).concat(L".tmp");
  HANDLE h = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return ErrnoOf(GetLastError());
  DWORD put = 0;
  const bool written =
      WriteFile(h, contents.data(), static_cast<DWORD>(contents.size()), &put, nullptr) &&
      put == contents.size() && FlushFileBuffers(h);
  const DWORD error = GetLastError();
  CloseHandle(h);
  if (!written || !MoveFileExW(temporary.c_str(), target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const int result = ErrnoOf(written ? GetLastError() : error);
    DeleteFileW(temporary.c_str());
    return result;
  }
  return 0;
}

bool InUse(const fs::path& file) {
  HANDLE h = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_SHARING_VIOLATION;
  CloseHandle(h);
  return false;
}

#else

namespace {

// Open-file-description locks belong to the open, not to the process, so two opens in one
// process exclude each other as two programs do.
bool Lock(int fd, short type) {
  struct flock lock {};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  return fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

}  // namespace

bool OsFile::Fail() {
  error_ = errno;
  return false;
}

OsFile::Status OsFile::Open(const fs::path& file, LockKind lock) {
  Close();
  fd_ = ::open(file.c_str(), O_RDWR | O_CLOEXEC);
  writable_ = fd_ >= 0;
  if (fd_ < 0 && (errno == EACCES || errno == EROFS) && lock == LockKind::Shared) {
    fd_ = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  }
  if (fd_ < 0) {
    error_ = errno;
    return error_ == ENOENT ? Status::Missing : Status::Failed;
  }
  struct stat info {};
  if (fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
    error_ = S_ISDIR(info.st_mode) ? EISDIR : errno;
    Close();
    return Status::Failed;
  }
  if (!Lock(fd_, lock == LockKind::Exclusive ? F_WRLCK : F_RDLCK)) {
    error_ = errno;
    Close();
    return error_ == EAGAIN || error_ == EACCES ? Status::Locked : Status::Failed;
  }
  return Status::Ok;
}

bool OsFile::IsOpen() const {
  return fd_ >= 0;
}

bool OsFile::ReadAll(std::string& contents) {
  struct stat info {};
  if (fstat(fd_, &info) != 0) return Fail();
  contents.resize(static_cast<std::size_t>(info.st_size));
  std::size_t done = 0;
  while (done < contents.size()) {
    const ssize_t got =
        ::pread(fd_, contents.data() + done, contents.size() - done, static_cast<off_t>(done));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Fail();
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  contents.resize(done);
  return true;
}

bool OsFile::WriteAt(std::uint64_t offset, std::string_view data) {
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t put =
        ::pwrite(fd_, data.data() + done, data.size() - done, static_cast<off_t>(offset + done));
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) return Fail();
    done += static_cast<std::size_t>(put);
  }
  return true;
}

bool OsFile::Truncate(std::uint64_t size) {
  return ::ftruncate(fd_, static_cast<off_t>(size)) == 0 ? true : Fail();
}

bool OsFile::Sync() {
  return ::fdatasync(fd_) == 0 ? true : Fail();
}

void OsFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

int ReplaceFile(const fs::path& target, std::string_view contents) {
  // A name of our own beside the target: renaming within one folder is atomic.
  int fd = -1;
  fs::path temporary;
  for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
    temporary = target;
    temporary += "." + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return errno;
  }
  if (fd < 0) return EEXIST;
  std::size_t done = 0;
  int error = 0;
  while (error == 0 && done < contents.size()) {
    const ssize_t put = ::write(fd, contents.data() + done, contents.size() - done);
    if (put < 0 && errno != EINTR) error = errno;
    if (put > 0) done += static_cast<std::size_t>(put);
  }
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return error;
  }
  const int folder = ::open(target.parent_path().empty() ? "." : target.parent_path().c_str(),
                            O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return 0;
}

bool InUse(const fs::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  const bool used = fcntl(fd, F_OFD_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
  ::close(fd);
  return used;
}

#endif

}  // namespace vadelto::dbase
