#pragma once
// Keeps the files of this process below a size while it lives, as a nearly
// full disk would; writes past it fail with "File too large" instead of a signal.
#include <sys/resource.h>

namespace quillon::testing {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*old_handler_)(int) = nullptr;
};

}  // namespace quillon::testing
