#pragma once
// The open database file: positioned reads and writes on a file that other
// processes may have open at the same time. Read-modify-write sequences take
// the file's advisory lock (DatabaseLock) so that two openers do not lose each
// other's changes.
#include <sys/types.h>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

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
  void close();
  bool is_open() const { return fd_ >= 0; }
  const std::filesystem::path& path() const { return path_; }

  // Reads up to n bytes at offset; returns the number read (0 at or past the
  // end). An I/O error stops the read and is remembered: read_failed() tells
  // and read_error() says why.
  std::size_t read_at(std::int64_t offset, void* data, std::size_t n) const;
  bool read_failed() const { return read_failed_; }
  void clear_read_failure() const { read_failed_ = false; }
  const std::string& read_error() const { return read_error_; }
  // Reads exactly n bytes at offset; fails on an I/O error or a short read.
  Status read_exact(std::int64_t offset, void* data, std::size_t n) const;
  // Writes n bytes at offset; fails when not all of them were written or when
  // the file at the path is no longer the one that was opened. The reasons
  // name the step and the system's description ("write: No space left on
  // device").
  [[nodiscard]] Status write_at(std::int64_t offset, const void* data, std::size_t n);
  // Flushes written data to the disk.
  [[nodiscard]] Status flush();
  std::int64_t length() const;
  [[nodiscard]] Status set_length(std::int64_t length);
  // Allocates disk space for [offset, offset + n) so that later writes there
  // cannot fail for want of space; the file grows to cover the range.
  [[nodiscard]] Status reserve(std::int64_t offset, std::int64_t n);
  // Whether the path still names the file that was opened (not replaced or
  // removed by someone else meanwhile).
  bool still_at_path() const;
  // still_at_path() as a result whose reason says what happened.
  Status check_still_at_path() const;

  // The whole-file advisory write lock; nested calls count. Open file
  // description locks: they exclude other openers, in this process too, and
  // closing another descriptor of the file does not drop them.
  Status lock();
  void unlock();

  // Test hook: the first write after this many more bytes, or a reservation
  // growing the file by more, fails with "no space left" (a full disk arriving
  // in the middle of an operation); later writes succeed again.
  void fail_writes_after(std::optional<std::int64_t> bytes) { write_budget_ = bytes; }
  // Test hook: reads fail with an I/O error once this many more bytes have
  // been read (a failing disk), until the hook is cleared.
  void fail_reads_after(std::optional<std::int64_t> bytes) { read_budget_ = bytes; }

 private:
  void remember_identity();

  int fd_ = -1;
  std::filesystem::path path_;
  dev_t device_ = 0;
  ino_t inode_ = 0;
  int lock_depth_ = 0;
  std::optional<std::int64_t> write_budget_;
  mutable std::optional<std::int64_t> read_budget_;
  mutable bool read_failed_ = false;
  mutable std::string read_error_;
};

// Holds the database's write lock for one read-modify-write.
class DatabaseLock {
 public:
  explicit DatabaseLock(DatabaseFile& file) : file_(file), status_(file.lock()) {}
  ~DatabaseLock() {
    if (status_.is_ok()) file_.unlock();
  }
  DatabaseLock(const DatabaseLock&) = delete;
  DatabaseLock& operator=(const DatabaseLock&) = delete;
  bool held() const { return status_.is_ok(); }
  // Why the lock could not be taken.
  const Status& status() const { return status_; }

 private:
  DatabaseFile& file_;
  Status status_;
};

}  // namespace quillon
