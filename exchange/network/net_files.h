#pragma once
// Local files of the network commands, replaced whole through an AtomicFile.
#include <filesystem>
#include <string>
#include <string_view>

#include <sys/types.h>

#include "core/result.h"
#include "core/status.h"

namespace quillon {

inline constexpr mode_t owner_only_mode = 0600;
inline constexpr mode_t shared_file_mode = 0644;

[[nodiscard]] Status replace_file(const std::filesystem::path& path, std::string_view bytes,
                                  mode_t mode = shared_file_mode);

// The whole content of a file, or at most `limit` bytes of it.
[[nodiscard]] Result<std::string> read_file_head(const std::filesystem::path& path, std::size_t limit);

}  // namespace quillon
