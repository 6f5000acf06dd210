#include "core/file_io.h"

#include <fcntl.h>
#include <unistd.h>
#include <atomic>
#include <cerrno>
#include <cstring>

namespace quillon {

std::size_t read_fully_at(int fd, std::int64_t offset, void* data, std::size_t n) {
  std::size_t done = 0;
  auto* out = static_cast<char*>(data);
  while (done < n) {
    ssize_t got = ::pread(fd, out + done, n - done, offset + static_cast<std::int64_t>(done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

Status write_fully_at(int fd, std::int64_t offset, const void* data, std::size_t n) {
  std::size_t done = 0;
  auto* in = static_cast<const char*>(data);
  while (done < n) {
    ssize_t put = ::pwrite(fd, in + done, n - done, offset + static_cast<std::int64_t>(done));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      if (put == 0) errno = ENOSPC;
      return Status::failed(last_system_error());
    }
    done += static_cast<std::size_t>(put);
  }
  return Status::ok();
}

namespace {
std::atomic<long> flushes{0};
}

Status durable_flush(int fd) {
  ++flushes;
  if (::fdatasync(fd) != 0 && errno != EINVAL && errno != EROFS) return Status::failed(last_system_error());
  return Status::ok();
}

Status durable_flush_folder(const std::filesystem::path& folder) {
  int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return Status::failed(last_system_error());
  ++flushes;
  bool flushed = ::fsync(dir) == 0 || errno == EINVAL || errno == EROFS;
  Status status = flushed ? Status::ok() : Status::failed(last_system_error());
  ::close(dir);
  return status;
}

long flush_count() { return flushes.load(); }

std::string last_system_error() { return std::strerror(errno); }

}  // namespace quillon
