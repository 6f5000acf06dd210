#pragma once
// Byte-for-byte copies of the database file, taken before risky changes.
#include <filesystem>

#include "core/status.h"

namespace quillon {

// Copies `source` (a regular file) to `target`, replacing it only once the copy
// is complete and on the disk; until then an older `target` stays as it was.
// The copy is made under a fresh name created exclusively, so a link planted
// at `target` is replaced, never followed. A failure's reason names the file
// ("cannot write /home/ann/ql4/qlwin4db.sav: File too large").
[[nodiscard]] Status save_database_image(const std::filesystem::path& source, const std::filesystem::path& target);

// The same copy for any file the program keeps in its home folder (the
// background image).
[[nodiscard]] inline Status replace_file_with_copy(const std::filesystem::path& source,
                                                   const std::filesystem::path& target) {
  return save_database_image(source, target);
}

}  // namespace quillon
