#include "core/database_file.h"

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
  return fd_ >= 0;
}

bool DatabaseFile::create_new(const std::filesystem::path& path) {
  close();
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  path_ = path;
  if (fd_ < 0) remember_error("create");
  return fd_ >= 0;
}

void DatabaseFile::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

std::size_t DatabaseFile::read_at(std::int64_t offset, void* data, std::size_t n) const {
  if (fd_ < 0) return 0;
  std::size_t done = 0;
  auto* out = static_cast<char*>(data);
  while (done < n) {
    ssize_t got = ::pread(fd_, out + done, n - done, offset + static_cast<std::int64_t>(done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

bool DatabaseFile::write_at(std::int64_t offset, const void* data, std::size_t n) {
  if (fd_ < 0) {
    last_error_ = "the database file is not open";
    return false;
  }
  std::size_t done = 0;
  auto* in = static_cast<const char*>(data);
  while (done < n) {
    ssize_t put = ::pwrite(fd_, in + done, n - done, offset + static_cast<std::int64_t>(done));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      if (put == 0) errno = ENOSPC;
      remember_error("write");
      return false;
    }
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
  if (fd_ < 0 || ::ftruncate(fd_, length) != 0) {
    remember_error("resize");
    return false;
  }
  return true;
}

void DatabaseFile::remember_error(const char* what) {
  last_error_ = std::string(what) + ": " + std::strerror(errno);
}

}  // namespace quillon
