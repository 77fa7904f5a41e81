#pragma once

#include <filesystem>
#include <string_view>

namespace vadelto {

// A file replaced all at once: the bytes go to a temporary file beside the target, which is
// flushed to disk and then renamed over it. Until Commit succeeds the target keeps its old
// content (or stays absent); a temporary file that is not committed is removed.
class AtomicFile {
 public:
  explicit AtomicFile(std::filesystem::path target);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // False when this or an earlier step failed (the temporary file could not be made, the
  // disk is full...); once false, nothing more is written.
  bool Write(std::string_view bytes);
  bool Commit();

 private:
  void Discard();

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  int descriptor_ = -1;
  bool failed_ = false;
};

}  // namespace vadelto
