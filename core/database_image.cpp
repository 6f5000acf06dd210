#include "core/database_image.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

#include "core/file_io.h"

namespace quillon {

namespace {

constexpr std::size_t copy_chunk_size = std::size_t{1} << 20;

Status cannot(const std::string& what, const std::filesystem::path& file, const std::string& why) {
  return Status::failed("cannot " + what + " " + file.string() + ": " + why);
}

// Copies every byte of `in` to `out`, from the start of both.
Status copy_all(int in, int out, const std::filesystem::path& source, const std::filesystem::path& written) {
  std::vector<char> chunk(copy_chunk_size);
  std::int64_t offset = 0;
  for (;;) {
    errno = 0;
    std::size_t got = read_fully_at(in, offset, chunk.data(), chunk.size());
    if (got == 0 && errno != 0) return cannot("read", source, last_system_error());
    if (got == 0) return Status::ok();
    Status put = write_fully_at(out, offset, chunk.data(), got);
    if (!put) return cannot("write", written, put.reason());
    offset += static_cast<std::int64_t>(got);
  }
}

}  // namespace

Status save_database_image(const std::filesystem::path& source, const std::filesystem::path& target) {
  const std::filesystem::path temporary = target.string() + ".new";
  int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return cannot("read", source, last_system_error());
  int out = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (out < 0) {
    Status failure = cannot("create", temporary, last_system_error());
    ::close(in);
    return failure;
  }
  Status copied = copy_all(in, out, source, temporary);
  if (copied && ::fsync(out) != 0 && errno != EINVAL) copied = cannot("write", temporary, last_system_error());
  ::close(in);
  if (::close(out) != 0 && copied) copied = cannot("write", temporary, last_system_error());
  if (copied && std::rename(temporary.c_str(), target.c_str()) != 0)
    copied = cannot("replace", target, last_system_error());
  if (!copied) ::unlink(temporary.c_str());
  return copied;
}

}  // namespace quillon
