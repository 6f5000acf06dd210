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

// The same copy for any file the program keeps in its home folder (the
// background image): complete and flushed before it replaces the old one,
// and never written through a link planted under the target's name.
[[nodiscard]] inline bool replace_file_with_copy(const std::filesystem::path& source,
                                                 const std::filesystem::path& target, std::string* error = nullptr) {
  return save_database_image(source, target, error);
}

}  // namespace quillon
