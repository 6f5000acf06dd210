#pragma once
// The open database file: positioned reads and writes on a file that other
// processes may have open at the same time (no lock is ever taken).
#include <cstdint>
#include <filesystem>
#include <string>

namespace quillon {

class DatabaseFile {
 public:
  DatabaseFile() = default;
  ~DatabaseFile();
  DatabaseFile(const DatabaseFile&) = delete;
  DatabaseFile& operator=(const DatabaseFile&) = delete;

  // Opens an existing file for reading and writing.
  bool open(const std::filesystem::path& path);
  // Creates the file; fails when it exists already.
  bool create_new(const std::filesystem::path& path);
  void close();
  bool is_open() const { return fd_ >= 0; }
  const std::filesystem::path& path() const { return path_; }

  // Reads up to n bytes at offset; returns the number read (0 at or past the end).
  std::size_t read_at(std::int64_t offset, void* data, std::size_t n) const;
  // Writes n bytes at offset; false when not all of them were written.
  bool write_at(std::int64_t offset, const void* data, std::size_t n);
  // Flushes written data to the disk.
  bool flush();
  std::int64_t length() const;
  bool set_length(std::int64_t length);

  // The system's description of the last failure.
  const std::string& last_error() const { return last_error_; }

 private:
  void remember_error(const char* what);

  int fd_ = -1;
  std::filesystem::path path_;
  std::string last_error_;
};

}  // namespace quillon
