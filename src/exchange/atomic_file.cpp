#include "exchange/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <utility>

#include <fmt/format.h>

namespace vadelto {
namespace fs = std::filesystem;

namespace {

// Opens a new file with a name of its own beside `target`.
int CreateTemporary(const fs::path& target, fs::path& temporary) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary =
        target.parent_path() / fmt::format(".{}.{:08x}.tmp", target.filename().string(), random());
    const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor >= 0 || errno != EEXIST) return descriptor;
  }
  return -1;
}

}  // namespace

AtomicFile::AtomicFile(fs::path target) : target_(std::move(target)) {
  if (target_.filename().empty()) {
    failed_ = true;
    return;
  }
  descriptor_ = CreateTemporary(target_, temporary_);
  if (descriptor_ < 0) {
    failed_ = true;
    return;
  }
  // A replaced file keeps its permissions.
  struct stat existing;
  if (::stat(target_.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
    ::fchmod(descriptor_, existing.st_mode & 07777);
  }
}

AtomicFile::~AtomicFile() {
  Discard();
}

bool AtomicFile::Write(std::string_view bytes) {
  while (!failed_ && !bytes.empty()) {
    const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      failed_ = true;
    } else {
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
  }
  return !failed_;
}

bool AtomicFile::Commit() {
  if (failed_ || ::fsync(descriptor_) != 0) {
    Discard();
    return false;
  }
  const int descriptor = std::exchange(descriptor_, -1);
  if (::close(descriptor) != 0 || std::rename(temporary_.c_str(), target_.c_str()) != 0) {
    Discard();
    return false;
  }
  temporary_.clear();
  // Makes the rename itself durable; the file is already complete either way.
  const fs::path folder = target_.parent_path().empty() ? fs::path(".") : target_.parent_path();
  const int directory = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (directory >= 0) {
    ::fsync(directory);
    ::close(directory);
  }
  return true;
}

void AtomicFile::Discard() {
  failed_ = true;
  if (descriptor_ >= 0) ::close(std::exchange(descriptor_, -1));
  if (!temporary_.empty()) {
    ::unlink(temporary_.c_str());
    temporary_.clear();
  }
}

}  // namespace vadelto
