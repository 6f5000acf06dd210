#include "core/database_image.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <string>
#include <vector>

#include "core/atomic_file.h"
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
  Result<AtomicFile> out = AtomicFile::create(target, copy_mode);
  if (!out) {
    ::close(in);
    return out.status();
  }
  // Failures name the copy the user knows of, not the temporary name.
  Status copied = copy_all(in, out->descriptor(), source, target);
  ::close(in);
  if (!copied) return copied;
  return out->commit();
}

}  // namespace quillon
