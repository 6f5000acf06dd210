#include "exchange/backup/file_writer.h"

#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>

#include "core/atomic_file.h"
#include "exchange/backup/write_limit.h"

namespace quillon {

namespace {

// The test hook's budget; negative = no limit.
struct WriteLimit {
  std::int64_t remaining = -1;
  WriteLimitAction action = WriteLimitAction::fail_as_full;
};

WriteLimit& write_limit() {
  static WriteLimit limit;
  return limit;
}

[[noreturn]] void kill_this_process() {
  ::kill(::getpid(), SIGKILL);
  ::_exit(137);
}

// How many of n bytes the hook lets through; kills or sets errno when short.
std::size_t allowed_bytes(std::size_t n) {
  WriteLimit& limit = write_limit();
  if (limit.remaining < 0) return n;
  if (limit.remaining == 0) {
    if (limit.action == WriteLimitAction::kill_process) kill_this_process();
    errno = ENOSPC;
    return 0;
  }
  std::size_t allowed = static_cast<std::size_t>(std::min<std::int64_t>(limit.remaining, static_cast<std::int64_t>(n)));
  limit.remaining -= static_cast<std::int64_t>(allowed);
  return allowed;
}

}  // namespace

void limit_writes_for_tests(std::int64_t bytes, WriteLimitAction action) { write_limit() = {bytes, action}; }
void clear_write_limit_for_tests() { write_limit() = {}; }

void write_checkpoint() {
  const WriteLimit& limit = write_limit();
  if (limit.remaining == 0 && limit.action == WriteLimitAction::kill_process) kill_this_process();
}

std::string system_error_text() { return std::strerror(errno); }

Status write_limited(AtomicFile& file, const void* data, std::size_t n, bool* out_of_space) {
  if (out_of_space) *out_of_space = false;
  const char* p = static_cast<const char*>(data);
  while (n > 0) {
    std::size_t chunk = allowed_bytes(n);
    Status written = chunk == 0 ? Status::failed("cannot write " + file.target().string() + ": " + system_error_text())
                                : file.write(p, chunk);
    if (!written) {
      if (out_of_space) *out_of_space = errno == ENOSPC || errno == EDQUOT;
      return written;
    }
    p += chunk;
    n -= chunk;
  }
  return Status::ok();
}

FileWriter::~FileWriter() { abandon(); }

Status FileWriter::failure(const char* what) {
  std::string reason = std::string(what) + " " + path_.string() + ": " + system_error_text();
  abandon();
  return Status::failed(reason);
}

Status FileWriter::create(const std::filesystem::path& path, unsigned mode) {
  abandon();
  path_ = path;
  written_ = 0;
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, static_cast<mode_t>(mode));
  if (fd_ < 0) return Status::failed("cannot create " + path.string() + ": " + system_error_text());
  return Status::ok();
}

Status FileWriter::write(const void* data, std::size_t n) {
  if (fd_ < 0) return Status::failed("cannot write " + path_.string() + ": the file is not open");
  const char* p = static_cast<const char*>(data);
  while (n > 0) {
    std::size_t chunk = allowed_bytes(n);
    if (chunk == 0) return failure("cannot write");
    ssize_t put = ::write(fd_, p, chunk);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      if (put == 0) errno = ENOSPC;
      return failure("cannot write");
    }
    p += put;
    n -= static_cast<std::size_t>(put);
    written_ += put;
  }
  return Status::ok();
}

Status FileWriter::finish(bool durable) {
  if (fd_ < 0) return Status::failed("cannot write " + path_.string() + ": the file is not open");
  if (durable && ::fsync(fd_) != 0) return failure("cannot flush");
  int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) {
    std::string reason = "cannot write " + path_.string() + ": " + system_error_text();
    ::unlink(path_.c_str());
    return Status::failed(reason);
  }
  return Status::ok();
}

void FileWriter::abandon() {
  if (fd_ < 0) return;
  ::close(fd_);
  fd_ = -1;
  ::unlink(path_.c_str());
}

Status sync_folder(const std::filesystem::path& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return Status::failed("cannot open the folder " + folder.string() + ": " + system_error_text());
  bool ok = ::fsync(fd) == 0 || errno == EINVAL;
  std::string reason = ok ? std::string() : "cannot flush the folder " + folder.string() + ": " + system_error_text();
  ::close(fd);
  return ok ? Status::ok() : Status::failed(reason);
}

}  // namespace quillon
