#pragma once
// Byte-for-byte copies of the database file, taken before risky changes.
#include <filesystem>
#include <string>

namespace quillon {

// Copies `source` to `target`, replacing it. Returns false (with the reason in
// `error`) when the copy is not complete; a partial target is removed.
bool save_database_image(const std::filesystem::path& source, const std::filesystem::path& target,
                         std::string* error = nullptr);

}  // namespace quillon
