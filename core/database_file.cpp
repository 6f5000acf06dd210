#include "core/database_file.h"

#include "core/file_io.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
  return fd_ >= 0 ? Status::ok() : system_failure("open");
}

Status DatabaseFile::create_new(const std::filesystem::path& path) {
  close();
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  path_ = path;
  return fd_ >= 0 ? Status::ok() : system_failure("create");
}

void DatabaseFile::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

std::size_t DatabaseFile::read_at(std::int64_t offset, void* data, std::size_t n) const {
  return fd_ < 0 ? 0 : read_fully_at(fd_, offset, data, n);
}

Status DatabaseFile::write_at(std::int64_t offset, const void* data, std::size_t n) {
  if (fd_ < 0) return not_open();
  Status written = write_fully_at(fd_, offset, data, n);
  return written ? written : Status::failed("write: " + written.reason());
}

Status DatabaseFile::flush() {
  if (fd_ < 0) return not_open();
  if (::fdatasync(fd_) != 0 && errno != EINVAL && errno != EROFS) return system_failure("flush");
  return Status::ok();
}

std::int64_t DatabaseFile::length() const {
  struct stat st {};
  if (fd_ < 0 || ::fstat(fd_, &st) != 0) return 0;
  return st.st_size;
}

Status DatabaseFile::set_length(std::int64_t length) {
  if (fd_ < 0) return not_open();
  if (::ftruncate(fd_, length) != 0) return system_failure("resize");
  return Status::ok();
}

}  // namespace quillon
