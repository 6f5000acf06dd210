#include "exchange/backup/disk_space.h"

#include <sys/statvfs.h>

namespace quillon {

std::optional<std::int64_t> free_bytes_in(const std::filesystem::path& folder) {
  struct statvfs info {};
  if (::statvfs(folder.c_str(), &info) != 0) return std::nullopt;
  return static_cast<std::int64_t>(info.f_bavail) * static_cast<std::int64_t>(info.f_frsize);
}

}  // namespace quillon
