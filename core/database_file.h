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
#include <utility>
#include <vector>

#include "core/status.h"

namespace quillon {

struct ChangedRegion;

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

  // Transactions (DatabaseTransaction): from begin to commit the file is
  // locked, writes and length changes are kept in memory (reads see them) and
  // flushes wait for the commit. The commit saves the old bytes of every
  // changed region in the journal beside the file and flushes it, then writes
  // the changes and flushes the file once, then removes the journal. A commit
  // that fails, an abandoned transaction or a process killed half-way leave
  // the file as it was before: the journal is rolled back here, or by the next
  // opener or locker of the file. Very large transactions move their changes
  // to the file early, journaling them first. Begins and commits nest; an
  // abandoned inner transaction makes the outer commit fail.
  [[nodiscard]] Status begin_transaction();
  [[nodiscard]] Status commit_transaction();
  void abandon_transaction();
  bool in_transaction() const { return tx_.has_value(); }
  // Puts back what a journal left by a cut-off transaction records. Runs on
  // opening and on taking the lock; call it with the lock held.
  [[nodiscard]] Status roll_back_leftover_journal();

  // Test hook: the process kills itself (SIGKILL) at the given step of the
  // next commits, a step being one write, flush, resize or removal of the
  // database or its journal; 0 kills at the first.
  void crash_at_step(std::optional<int> step) { crash_step_ = step; }

  // Test hook: the first write after this many more bytes, or a reservation
  // growing the file by more, fails with "no space left" (a full disk arriving
  // in the middle of an operation); later writes succeed again.
  void fail_writes_after(std::optional<std::int64_t> bytes) { write_budget_ = bytes; }
  // Test hook: reads fail with an I/O error once this many more bytes have
  // been read (a failing disk), until the hook is cleared.
  void fail_reads_after(std::optional<std::int64_t> bytes) { read_budget_ = bytes; }

 private:
  void remember_identity();
  std::size_t read_file_at(std::int64_t offset, void* data, std::size_t n) const;
  std::size_t read_in_transaction(std::int64_t offset, void* data, std::size_t n) const;
  Status budgeted_write(int fd, std::int64_t offset, const void* data, std::size_t n);
  Status write_out(bool last);
  Status spill_if_large();
  Status journal_changes(bool last);
  std::vector<ChangedRegion> changed_regions() const;
  Status apply_changes();
  void end_transaction(bool roll_back);
  void crash_point();
  std::filesystem::path journal_path() const;

  struct PendingWrite {
    std::int64_t offset;
    std::string bytes;
  };
  struct Transaction {
    // Declared, so that clang sees it default-constructible inside this class.
    Transaction() {}
    int depth = 1;
    Status failure = Status::ok();  // why the commit cannot succeed
    bool locked = false;
    std::int64_t original_length = 0;
    std::int64_t length = 0;  // as the transaction sees it
    std::optional<std::int64_t> truncated_to;  // file bytes from here on are gone
    std::vector<PendingWrite> pending;
    std::size_t pending_bytes = 0;
    std::vector<std::pair<std::int64_t, std::int64_t>> journaled;  // [begin, end), sorted
    int journal_fd = -1;
    bool head_knows_new_state = false;
    std::int64_t journal_end = 0;
  };
  std::optional<Transaction> tx_;
  std::optional<int> crash_step_;

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
