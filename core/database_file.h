#pragma once
// The open database file: positioned reads and writes on a file that other
// processes may have open at the same time. Read-modify-write sequences take
// the file's advisory lock (DatabaseLock) so that two openers do not lose each
// other's changes.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>

namespace quillon {

class DatabaseFile {
 public:
  DatabaseFile() = default;
  ~DatabaseFile();
  DatabaseFile(const DatabaseFile&) = delete;
  DatabaseFile& operator=(const DatabaseFile&) = delete;

  // Opens an existing file for reading and writing.
  bool open(const std::filesystem::path& path);
  // Creates a new file of a unique name made from the template, whose last
  // six characters are "XXXXXX" and are replaced by the name chosen.
  bool create_temporary(std::string& name_template);
  void close();
  bool is_open() const { return fd_ >= 0; }
  const std::filesystem::path& path() const { return path_; }

  // Reads up to n bytes at offset; returns the number read (0 at or past the
  // end). An I/O error stops the read and is remembered: read_failed() tells.
  std::size_t read_at(std::int64_t offset, void* data, std::size_t n) const;
  bool read_failed() const { return read_failed_; }
  void clear_read_failure() const { read_failed_ = false; }
  // Reads exactly n bytes at offset; false on an I/O error or a short read.
  [[nodiscard]] bool read_exact(std::int64_t offset, void* data, std::size_t n) const;
  // Writes n bytes at offset; false when not all of them were written or when
  // the file at the path is no longer the one that was opened.
  [[nodiscard]] bool write_at(std::int64_t offset, const void* data, std::size_t n);
  // Flushes written data to the disk.
  [[nodiscard]] bool flush();
  std::int64_t length() const;
  [[nodiscard]] bool set_length(std::int64_t length);
  // Allocates disk space for [offset, offset + n) so that later writes there
  // cannot fail for want of space; the file grows to cover the range.
  [[nodiscard]] bool reserve(std::int64_t offset, std::int64_t n);
  // Whether the path still names the file that was opened (not replaced or
  // removed by someone else meanwhile).
  [[nodiscard]] bool still_at_path();

  // The whole-file advisory write lock; nested calls count. Open file
  // description locks: they exclude other openers, in this process too, and
  // closing another descriptor of the file does not drop them.
  [[nodiscard]] bool lock();
  void unlock();

  // Test hook: the first write after this many more bytes, or a reservation
  // growing the file by more, fails with "no space left" (a full disk arriving
  // in the middle of an operation); later writes succeed again.
  void fail_writes_after(std::optional<std::int64_t> bytes) { write_budget_ = bytes; }
  // Test hook: reads fail with an I/O error once this many more bytes have
  // been read (a failing disk), until the hook is cleared.
  void fail_reads_after(std::optional<std::int64_t> bytes) { read_budget_ = bytes; }

  // The system's description of the last failure.
  const std::string& last_error() const { return last_error_; }

 private:
  void remember_error(const char* what) const;
  void remember_identity();

  int fd_ = -1;
  std::filesystem::path path_;
  dev_t device_ = 0;
  ino_t inode_ = 0;
  int lock_depth_ = 0;
  std::optional<std::int64_t> write_budget_;
  mutable std::optional<std::int64_t> read_budget_;
  mutable bool read_failed_ = false;
  mutable std::string last_error_;
};

// Holds the database's write lock for one read-modify-write.
class DatabaseLock {
 public:
  explicit DatabaseLock(DatabaseFile& file) : file_(file), held_(file.lock()) {}
  ~DatabaseLock() {
    if (held_) file_.unlock();
  }
  DatabaseLock(const DatabaseLock&) = delete;
  DatabaseLock& operator=(const DatabaseLock&) = delete;
  bool held() const { return held_; }

 private:
  DatabaseFile& file_;
  bool held_;
};

}  // namespace quillon
