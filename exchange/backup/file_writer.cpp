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

namespace {

constexpr std::size_t page_size = 4096;

bool all_zero(const std::uint8_t* data, std::size_t n) {
  static const std::uint8_t zeros[page_size] = {};
  while (n > 0) {
    std::size_t take = std::min(n, page_size);
    if (std::memcmp(data, zeros, take) != 0) return false;
    data += take;
    n -= take;
  }
  return true;
}

}  // namespace

Status ImageWriter::put_at(std::int64_t offset, const std::uint8_t* data, std::size_t n) {
  while (n > 0) {
    std::size_t chunk = allowed_bytes(n);
    if (chunk == 0) return Status::failed("cannot write " + file_.target().string() + ": " + system_error_text());
    ssize_t put = ::pwrite(file_.descriptor(), data, chunk, offset);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      if (put == 0) errno = ENOSPC;
      return Status::failed("cannot write " + file_.target().string() + ": " + system_error_text());
    }
    data += put;
    offset += put;
    n -= static_cast<std::size_t>(put);
  }
  return Status::ok();
}

Status ImageWriter::write(const void* data, std::size_t n) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  while (n > 0) {
    // Whole pages of the file are judged at once; the rest of a page is written.
    std::size_t to_page_end = page_size - static_cast<std::size_t>(length_ % static_cast<std::int64_t>(page_size));
    std::size_t take = std::min(n, to_page_end);
    bool hole = take == page_size && all_zero(bytes, take);
    if (hole) {
      // The test hook counts a hole as written: it is progress through the image.
      if (allowed_bytes(take) < take) {
        write_checkpoint();
        errno = ENOSPC;
        return Status::failed("cannot write " + file_.target().string() + ": " + system_error_text());
      }
      if (!holes_.empty() && holes_.back().second == length_) holes_.back().second += static_cast<std::int64_t>(take);
      else holes_.emplace_back(length_, length_ + static_cast<std::int64_t>(take));
    } else {
      // Runs of written pages go in one call.
      std::size_t run = take;
      while (run < n && n - run >= page_size && !all_zero(bytes + run, page_size)) run += page_size;
      if (run < n && n - run < page_size) run = n;
      if (Status put = put_at(length_, bytes, run); !put) return put;
      take = run;
    }
    bytes += take;
    n -= take;
    length_ += static_cast<std::int64_t>(take);
  }
  return Status::ok();
}

Status ImageWriter::fill_holes_with_zeros() {
  static const std::uint8_t zeros[page_size] = {};
  for (auto [start, end] : holes_)
    for (std::int64_t at = start; at < end; at += static_cast<std::int64_t>(page_size))
      if (Status put = put_at(at, zeros, static_cast<std::size_t>(std::min<std::int64_t>(page_size, end - at))); !put)
        return put;
  return Status::ok();
}

Status ImageWriter::finish() {
  int fd = file_.descriptor();
  if (::ftruncate(fd, length_) != 0)
    return Status::failed("cannot write " + file_.target().string() + ": " + system_error_text());
  if (holes_.empty() || length_ == 0) return Status::ok();
  if (::fallocate(fd, 0, 0, length_) == 0) return Status::ok();
  if (errno != EOPNOTSUPP && errno != ENOSYS)
    return Status::failed("cannot write " + file_.target().string() + ": " + system_error_text());
  return fill_holes_with_zeros();
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
