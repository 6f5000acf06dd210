#include "core/database_image.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "core/file_io.h"

namespace quillon {

namespace {

constexpr std::size_t copy_chunk_size = std::size_t{1} << 20;
constexpr mode_t copy_mode = 0644;

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

// Makes the rename itself durable.
void flush_folder(const std::filesystem::path& folder) {
  int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  ::fsync(dir);
  ::close(dir);
}

}  // namespace

Status save_database_image(const std::filesystem::path& source, const std::filesystem::path& target) {
  int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return cannot("read", source, last_system_error());
  struct stat st {};
  bool stated = ::fstat(in, &st) == 0;
  if (!stated || !S_ISREG(st.st_mode)) {
    // Only a regular file has an end to copy up to.
    Status failure = cannot("read", source, stated ? "not a regular file" : last_system_error());
    ::close(in);
    return failure;
  }
  // A fresh name, created exclusively: a link planted in the folder is never
  // written through, and the rename replaces a link at `target` itself.
  std::string temporary = target.string() + ".XXXXXX";
  int out = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (out < 0) {
    Status failure = cannot("create", target, last_system_error());
    ::close(in);
    return failure;
  }
  // Failures name the copy the user knows of, not the temporary name.
  Status copied = copy_all(in, out, source, target);
  if (copied && ::fsync(out) != 0 && errno != EINVAL) copied = cannot("write", target, last_system_error());
  if (copied && ::fchmod(out, copy_mode) != 0) copied = cannot("write", target, last_system_error());
  ::close(in);
  if (::close(out) != 0 && copied) copied = cannot("write", target, last_system_error());
  if (copied && std::rename(temporary.c_str(), target.c_str()) != 0)
    copied = cannot("replace", target, last_system_error());
  if (!copied) {
    ::unlink(temporary.c_str());
    return copied;
  }
  flush_folder(target.parent_path());
  return copied;
}

}  // namespace quillon
