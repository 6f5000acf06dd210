#pragma once
// Free space where a file is about to be written.
#include <cstdint>
#include <filesystem>
#include <optional>

namespace quillon {

// Bytes an ordinary user may still write in the folder's file system;
// nothing when the folder cannot be examined.
std::optional<std::int64_t> free_bytes_in(const std::filesystem::path& folder);

}  // namespace quillon
