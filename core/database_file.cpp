#include "core/database_file.h"

#include "core/database_journal.h"
#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>

namespace quillon {

namespace {

// The failure of the system call just made, as "what: description".
Status system_failure(const char* what) { return Status::failed(std::string(what) + ": " + last_system_error()); }

Status not_open() { return Status::failed("the database file is not open"); }

}  // namespace

DatabaseFile::~DatabaseFile() { close(); }

Status DatabaseFile::open(const std::filesystem::path& path) {
  close();
  fd_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  path_ = path;
  if (fd_ < 0) return system_failure("open");
  remember_identity();
  // A journal left by a transaction that was cut off is put back before the
  // file is used; the lock waits for a transaction still running elsewhere.
  std::error_code ec;
  if (std::filesystem::exists(journal_path(), ec)) {
    if (Status locked = lock(); !locked) return locked;
    unlock();
  }
  return Status::ok();
}

void DatabaseFile::close() {
  if (tx_) end_transaction(true);
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  lock_depth_ = 0;
}

void DatabaseFile::remember_identity() {
  struct stat st {};
  if (fd_ >= 0 && ::fstat(fd_, &st) == 0) {
    device_ = st.st_dev;
    inode_ = st.st_ino;
  }
}

std::size_t DatabaseFile::read_at(std::int64_t offset, void* data, std::size_t n) const {
  return tx_ ? read_in_transaction(offset, data, n) : read_file_at(offset, data, n);
}

std::size_t DatabaseFile::read_file_at(std::int64_t offset, void* data, std::size_t n) const {
  read_failed_ = false;
  if (fd_ < 0) return 0;
  std::size_t done = 0;
  auto* out = static_cast<char*>(data);
  while (done < n) {
    std::size_t chunk = n - done;
    if (read_budget_) {
      if (*read_budget_ <= 0) {
        errno = EIO;
        read_failed_ = true;
        read_error_ = "read: " + last_system_error();
        break;
      }
      chunk = std::min<std::size_t>(chunk, static_cast<std::size_t>(*read_budget_));
    }
    ssize_t got = ::pread(fd_, out + done, chunk, offset + static_cast<std::int64_t>(done));
    if (got < 0 && errno == EINTR) continue;
    if (got > 0 && read_budget_) *read_budget_ -= got;
    if (got < 0) {
      read_failed_ = true;
      read_error_ = "read: " + last_system_error();
    }
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

Status DatabaseFile::read_exact(std::int64_t offset, void* data, std::size_t n) const {
  std::size_t got = read_at(offset, data, n);
  if (got == n) return Status::ok();
  if (read_failed_) return Status::failed(read_error_);
  return Status::failed("read: the file ends before the data it should hold");
}

bool DatabaseFile::still_at_path() const {
  struct stat st {};
  return ::stat(path_.c_str(), &st) == 0 && st.st_dev == device_ && st.st_ino == inode_;
}

Status DatabaseFile::check_still_at_path() const {
  if (still_at_path()) return Status::ok();
  return Status::failed("the file \"" + path_.filename().string() +
                        "\" has been replaced or removed by another program since it was opened");
}

Status DatabaseFile::write_at(std::int64_t offset, const void* data, std::size_t n) {
  if (fd_ < 0) return not_open();
  if (tx_) {
    tx_->pending.push_back({offset, std::string(static_cast<const char*>(data), n)});
    tx_->pending_bytes += n;
    tx_->length = std::max(tx_->length, offset + static_cast<std::int64_t>(n));
    return spill_if_large();
  }
  if (Status here = check_still_at_path(); !here) return here;
  return budgeted_write(fd_, offset, data, n);
}

Status DatabaseFile::budgeted_write(int fd, std::int64_t offset, const void* data, std::size_t n) {
  if (!write_budget_) {
    Status written = write_fully_at(fd, offset, data, n);
    return written ? written : Status::failed("write: " + written.reason());
  }
  // The test hook: as much as the budget allows, then "no space left".
  auto allowed = static_cast<std::size_t>(std::max<std::int64_t>(*write_budget_, 0));
  std::size_t first = std::min(n, allowed);
  if (first > 0) {
    Status written = write_fully_at(fd, offset, data, first);
    if (!written) return Status::failed("write: " + written.reason());
    *write_budget_ -= static_cast<std::int64_t>(first);
  }
  if (first == n) return Status::ok();
  write_budget_.reset();  // one fault per setting
  errno = ENOSPC;
  return system_failure("write");
}

Status DatabaseFile::flush() {
  if (fd_ < 0) return not_open();
  if (tx_) return Status::ok();  // the commit flushes
  Status flushed = durable_flush(fd_);
  return flushed ? flushed : Status::failed("flush: " + flushed.reason());
}

std::int64_t DatabaseFile::length() const {
  if (tx_) return tx_->length;
  struct stat st {};
  if (fd_ < 0 || ::fstat(fd_, &st) != 0) return 0;
  return st.st_size;
}

Status DatabaseFile::set_length(std::int64_t length) {
  if (fd_ < 0) return not_open();
  if (tx_) {
    if (length < tx_->length) {
      // Writes past the new end are gone, and so are the file's bytes there.
      for (PendingWrite& w : tx_->pending)
        if (w.offset + static_cast<std::int64_t>(w.bytes.size()) > length)
          w.bytes.resize(static_cast<std::size_t>(std::max<std::int64_t>(length - w.offset, 0)));
      tx_->truncated_to = std::min(tx_->truncated_to.value_or(length), length);
    }
    tx_->length = length;
    return Status::ok();
  }
  if (Status here = check_still_at_path(); !here) return here;
  if (::ftruncate(fd_, length) != 0) return system_failure("resize");
  return Status::ok();
}

Status DatabaseFile::reserve(std::int64_t offset, std::int64_t n) {
  if (fd_ < 0) return not_open();
  if (tx_) {
    // The space is claimed when the commit writes; a full disk then rolls back.
    if (offset + n > tx_->length) return set_length(offset + n);
    return Status::ok();
  }
  if (write_budget_ && *write_budget_ < offset + n - length()) {
    write_budget_.reset();
    errno = ENOSPC;
    return system_failure("write");
  }
  int rc = ::posix_fallocate(fd_, offset, n);
  if (rc == EINVAL || rc == EOPNOTSUPP) {
    // Not all file systems allocate ahead; writing zeros claims the space.
    // Only bytes past the end are written, so no data is touched.
    std::int64_t end = length();
    if (end >= offset + n) return Status::ok();
    std::int64_t from = std::max(end, offset);
    std::string zeros(static_cast<std::size_t>(offset + n - from), '\0');
    return write_at(from, zeros.data(), zeros.size());
  }
  if (rc != 0) {
    errno = rc;
    return system_failure("write");
  }
  return Status::ok();
}

Status DatabaseFile::lock() {
  if (fd_ < 0) return not_open();
  if (lock_depth_ > 0) {
    ++lock_depth_;
    return Status::ok();
  }
  struct flock whole {};
  whole.l_type = F_WRLCK;
  whole.l_whence = SEEK_SET;
  whole.l_start = 0;
  whole.l_len = 0;  // to the end, however the file grows
  while (::fcntl(fd_, F_OFD_SETLKW, &whole) != 0) {
    if (errno == EINTR) continue;
    return system_failure("lock");
  }
  lock_depth_ = 1;
  if (Status recovered = roll_back_leftover_journal(); !recovered) {
    unlock();
    return recovered;
  }
  return Status::ok();
}

void DatabaseFile::unlock() {
  if (fd_ < 0 || lock_depth_ == 0) return;
  if (--lock_depth_ > 0) return;
  struct flock whole {};
  whole.l_type = F_UNLCK;
  whole.l_whence = SEEK_SET;
  ::fcntl(fd_, F_OFD_SETLK, &whole);
}

}  // namespace quillon
