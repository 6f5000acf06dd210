#include "exchange/network/net_files.h"

#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/file_io.h"

namespace quillon {

Status replace_file(const std::filesystem::path& path, std::string_view bytes, mode_t mode) {
  std::filesystem::path temporary = path;
  temporary += ".new";
  Status failure = Status::failed("The file \"" + path.string() + "\" could not be written.");
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
  if (fd < 0) return failure;
  // The mode of a file left over from before is set again.
  bool written =
      ::fchmod(fd, mode) == 0 && write_fully_at(fd, 0, bytes.data(), bytes.size()).is_ok() && ::fsync(fd) == 0;
  bool closed = ::close(fd) == 0;
  if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return failure;
  }
  return Status::ok();
}

bool read_file_head(const std::filesystem::path& path, std::size_t limit, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(limit, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(limit));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return !in.bad();
}

}  // namespace quillon
