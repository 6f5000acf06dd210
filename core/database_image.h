#pragma once
// Byte-for-byte copies of the database file, taken before risky changes.
#include <filesystem>

#include "core/status.h"

namespace quillon {

// Copies `source` to `target`, replacing it only once the copy is complete and
// on the disk; until then an older `target` stays as it was. A failure's reason
// names the file ("cannot write /home/ann/ql4/qlwin4db.sav: File too large").
[[nodiscard]] Status save_database_image(const std::filesystem::path& source, const std::filesystem::path& target);

}  // namespace quillon
