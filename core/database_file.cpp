#include "core/database_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillon {

DatabaseFile::~DatabaseFile() { close(); }

bool DatabaseFile::open(const std::filesystem::path& path) {
  close();
  fd_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  path_ = path;
  if (fd_ < 0) remember_error("open");
  remember_identity();
  return fd_ >= 0;
}

bool DatabaseFile::create_temporary(std::string& name_template) {
  close();
  fd_ = ::mkostemp(name_template.data(), O_CLOEXEC);
  path_ = name_template;
  if (fd_ < 0) {
    remember_error("create");
    return false;
  }
  if (::fchmod(fd_, 0644) != 0) {
    remember_error("create");
    close();
    ::unlink(name_template.c_str());
    return false;
  }
  remember_identity();
  return true;
}

void DatabaseFile::close() {
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
        remember_error("read");
        break;
      }
      chunk = std::min<std::size_t>(chunk, static_cast<std::size_t>(*read_budget_));
    }
    ssize_t got = ::pread(fd_, out + done, chunk, offset + static_cast<std::int64_t>(done));
    if (got < 0 && errno == EINTR) continue;
    if (got > 0 && read_budget_) *read_budget_ -= got;
    if (got < 0) {
      read_failed_ = true;
      remember_error("read");
    }
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

bool DatabaseFile::read_exact(std::int64_t offset, void* data, std::size_t n) const {
  std::size_t got = read_at(offset, data, n);
  if (got == n) return true;
  if (!read_failed_) last_error_ = "read: the file ends before the data it should hold";
  return false;
}

bool DatabaseFile::still_at_path() {
  struct stat st {};
  if (::stat(path_.c_str(), &st) == 0 && st.st_dev == device_ && st.st_ino == inode_) return true;
  last_error_ = "the file \"" + path_.filename().string() +
                "\" has been replaced or removed by another program since it was opened";
  return false;
}

bool DatabaseFile::write_at(std::int64_t offset, const void* data, std::size_t n) {
  if (fd_ < 0) {
    last_error_ = "the database file is not open";
    return false;
  }
  if (!still_at_path()) return false;
  std::size_t done = 0;
  auto* in = static_cast<const char*>(data);
  while (done < n) {
    std::size_t chunk = n - done;
    if (write_budget_) {
      if (*write_budget_ <= 0) {
        write_budget_.reset();  // one fault per setting
        errno = ENOSPC;
        remember_error("write");
        return false;
      }
      chunk = std::min<std::size_t>(chunk, static_cast<std::size_t>(*write_budget_));
    }
    ssize_t put = ::pwrite(fd_, in + done, chunk, offset + static_cast<std::int64_t>(done));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      if (put == 0) errno = ENOSPC;
      remember_error("write");
      return false;
    }
    if (write_budget_) *write_budget_ -= put;
    done += static_cast<std::size_t>(put);
  }
  return true;
}

bool DatabaseFile::flush() {
  if (fd_ < 0) return false;
  if (::fdatasync(fd_) != 0 && errno != EINVAL && errno != EROFS) {
    remember_error("flush");
    return false;
  }
  return true;
}

std::int64_t DatabaseFile::length() const {
  struct stat st {};
  if (fd_ < 0 || ::fstat(fd_, &st) != 0) return 0;
  return st.st_size;
}

bool DatabaseFile::set_length(std::int64_t length) {
  if (fd_ < 0) {
    last_error_ = "the database file is not open";
    return false;
  }
  if (!still_at_path()) return false;
  if (::ftruncate(fd_, length) != 0) {
    remember_error("resize");
    return false;
  }
  return true;
}

bool DatabaseFile::reserve(std::int64_t offset, std::int64_t n) {
  if (fd_ < 0) {
    last_error_ = "the database file is not open";
    return false;
  }
  if (write_budget_ && *write_budget_ < offset + n - length()) {
    write_budget_.reset();
    errno = ENOSPC;
    remember_error("write");
    return false;
  }
  int rc = ::posix_fallocate(fd_, offset, n);
  if (rc == EINVAL || rc == EOPNOTSUPP) {
    // Not all file systems allocate ahead; writing zeros claims the space.
    // Only bytes past the end are written, so no data is touched.
    std::int64_t end = length();
    if (end >= offset + n) return true;
    std::int64_t from = std::max(end, offset);
    std::string zeros(static_cast<std::size_t>(offset + n - from), '\0');
    return write_at(from, zeros.data(), zeros.size());
  }
  if (rc != 0) {
    errno = rc;
    remember_error("write");
    return false;
  }
  return true;
}

bool DatabaseFile::lock() {
  if (fd_ < 0) return false;
  if (lock_depth_ > 0) {
    ++lock_depth_;
    return true;
  }
  struct flock whole {};
  whole.l_type = F_WRLCK;
  whole.l_whence = SEEK_SET;
  whole.l_start = 0;
  whole.l_len = 0;  // to the end, however the file grows
  while (::fcntl(fd_, F_OFD_SETLKW, &whole) != 0) {
    if (errno == EINTR) continue;
    remember_error("lock");
    return false;
  }
  lock_depth_ = 1;
  return true;
}

void DatabaseFile::unlock() {
  if (fd_ < 0 || lock_depth_ == 0) return;
  if (--lock_depth_ > 0) return;
  struct flock whole {};
  whole.l_type = F_UNLCK;
  whole.l_whence = SEEK_SET;
  ::fcntl(fd_, F_OFD_SETLK, &whole);
}

void DatabaseFile::remember_error(const char* what) const {
  last_error_ = std::string(what) + ": " + std::strerror(errno);
}

}  // namespace quillon
