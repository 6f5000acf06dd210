#pragma once
// The open database file: positioned reads and writes on a file that other
// processes may have open at the same time (no lock is ever taken).
#include <cstdint>
#include <filesystem>

#include "core/status.h"

namespace quillon {

class DatabaseFile {
 public:
  DatabaseFile() = default;
  ~DatabaseFile();
  DatabaseFile(const DatabaseFile&) = delete;
  DatabaseFile& operator=(const DatabaseFile&) = delete;

  // Opens an existing file for reading and writing.
  Status open(const std::filesystem::path& path);
  // Creates the file; fails when it exists already.
  Status create_new(const std::filesystem::path& path);
  void close();
  bool is_open() const { return fd_ >= 0; }
  const std::filesystem::path& path() const { return path_; }

  // Reads up to n bytes at offset; returns the number read (0 at or past the end).
  std::size_t read_at(std::int64_t offset, void* data, std::size_t n) const;
  // Writes n bytes at offset; fails when not all of them were written. The
  // reasons name the step and the system's description ("write: No space left
  // on device").
  Status write_at(std::int64_t offset, const void* data, std::size_t n);
  // Flushes written data to the disk.
  Status flush();
  std::int64_t length() const;
  Status set_length(std::int64_t length);

 private:
  int fd_ = -1;
  std::filesystem::path path_;
};

}  // namespace quillon
