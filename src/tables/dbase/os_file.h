#pragma once

// The operating system's side of a table: one open file with the lock that makes an
// exclusive open exclusive (open-file-description locks on Linux, share modes on Windows),
// whole-file reads, positioned writes, and replacing a file in one step.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace vadelto::dbase {

enum class LockKind { Shared, Exclusive };

class OsFile {
 public:
  enum class Status { Ok, Missing, Locked, Failed };

  OsFile() = default;
  ~OsFile();
  OsFile(OsFile&& other) noexcept;
  OsFile& operator=(OsFile&& other) noexcept;
  OsFile(const OsFile&) = delete;
  OsFile& operator=(const OsFile&) = delete;

  // Opens an existing file for reading and writing (for reading only where writing is
  // denied, shared opens only) and takes the lock without waiting.
  Status Open(const std::filesystem::path& file, LockKind lock);
  bool IsOpen() const;
  bool Writable() const { return writable_; }
  int LastError() const { return error_; }  // an errno value

  bool ReadAll(std::string& contents);
  bool WriteAt(std::uint64_t offset, std::string_view data);
  bool Truncate(std::uint64_t size);
  bool Sync();
  void Close();

 private:
  bool Fail();
#ifdef _WIN32
  void* handle_ = nullptr;
#else
  int fd_ = -1;
#endif
  bool writable_ = false;
  int error_ = 0;
};

// Writes `contents` to a new file beside `target`, then renames it over `target`: a crash
// leaves either the old file or the new one. Returns 0 or an errno value.
int ReplaceFile(const std::filesystem::path& target, std::string_view contents);

// Whether another open of `file` holds a lock (or share mode) that an exclusive open would
// collide with. A missing file is not in use.
bool InUse(const std::filesystem::path& file);

}  // namespace vadelto::dbase
