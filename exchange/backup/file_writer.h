#pragma once
// Checked writing of the backup and restore files: every write, flush and
// close is examined, and a file that could not be written in full is removed.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <utility>
#include <vector>

#include "core/status.h"

namespace quillon {

class AtomicFile;

// AtomicFile::write under the test hook of write_limit.h (a full disk or a
// killed process after a number of bytes). `out_of_space` tells whether a
// failure was the disk or quota running full.
[[nodiscard]] Status write_limited(AtomicFile& file, const void* data, std::size_t n, bool* out_of_space = nullptr);

// Writes a database image into an AtomicFile without writing its runs of zero
// pages: they are left as holes and, at the end, the whole length is
// allocated, so that the image reads back byte for byte and later writes
// into it cannot run out of space. Where the file system cannot allocate
// without writing, the zeros are written after all. Honours the test hook.
class ImageWriter {
 public:
  explicit ImageWriter(AtomicFile& file) : file_(file) {}
  [[nodiscard]] Status write(const void* data, std::size_t n);
  // Sets the length and allocates the holes.
  [[nodiscard]] Status finish();
  std::int64_t length() const { return length_; }

 private:
  Status put_at(std::int64_t offset, const std::uint8_t* data, std::size_t n);
  Status fill_holes_with_zeros();

  AtomicFile& file_;
  std::int64_t length_ = 0;
  // The zero pages left unwritten, as [start, end) ranges.
  std::vector<std::pair<std::int64_t, std::int64_t>> holes_;
};

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
