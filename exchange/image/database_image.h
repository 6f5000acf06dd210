#pragma once
// Byte-for-byte copies of the database file, taken before risky changes.
#include <filesystem>
#include <string>

namespace quillon {

// Copies `source` to `target`, replacing it only once the copy is complete and
// flushed; a link planted at `target` is replaced, not followed. Returns false
// (with the reason in `error`) when the copy is not complete; the old target
// is then left as it was.
[[nodiscard]] bool save_database_image(const std::filesystem::path& source, const std::filesystem::path& target,
                         std::string* error = nullptr);

}  // namespace quillon
