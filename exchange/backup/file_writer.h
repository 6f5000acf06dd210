#pragma once
// Checked writing of the backup and restore files: every write, flush and
// close is examined, and a file that could not be written in full is removed.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "core/status.h"

namespace quillon {

class AtomicFile;

// AtomicFile::write under the test hook of write_limit.h (a full disk or a
// killed process after a number of bytes). `out_of_space` tells whether a
// failure was the disk or quota running full.
[[nodiscard]] Status write_limited(AtomicFile& file, const void* data, std::size_t n, bool* out_of_space = nullptr);

class FileWriter {
 public:
  FileWriter() = default;
  // A writer that was never finished removes its half-written file.
  ~FileWriter();
  FileWriter(const FileWriter&) = delete;
  FileWriter& operator=(const FileWriter&) = delete;

  // Creates the file (replacing an existing one) with the given permissions.
  [[nodiscard]] Status create(const std::filesystem::path& path, unsigned mode = 0644);
  [[nodiscard]] Status write(const void* data, std::size_t n);
  // Closes the file; with `durable` its data is on the disk first.
  [[nodiscard]] Status finish(bool durable);
  // Closes and removes the file.
  void abandon();

  std::int64_t written() const { return written_; }
  const std::filesystem::path& path() const { return path_; }

 private:
  Status failure(const char* what);

  int fd_ = -1;
  std::filesystem::path path_;
  std::int64_t written_ = 0;
};

// Flushes a folder's entries to the disk, so that a rename in it survives a crash.
[[nodiscard]] Status sync_folder(const std::filesystem::path& folder);

// The system's description of the last failure, for messages.
std::string system_error_text();

}  // namespace quillon
