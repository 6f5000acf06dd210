#include "exchange/network/net_files.h"

#include <fstream>

#include "core/atomic_file.h"

namespace quillon {

Status replace_file(const std::filesystem::path& path, std::string_view bytes, mode_t mode) {
  if (write_file_atomically(path, bytes, mode)) return Status::ok();
  return Status::failed("The file \"" + path.string() + "\" could not be written.");
}

Result<std::string> read_file_head(const std::filesystem::path& path, std::size_t limit) {
  Status unreadable = Status::failed("The file \"" + path.string() + "\" could not be read.");
  std::ifstream in(path, std::ios::binary);
  if (!in) return unreadable;
  std::string bytes(limit, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(limit));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (in.bad()) return unreadable;
  return bytes;
}

}  // namespace quillon
