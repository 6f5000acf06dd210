#pragma once
// What a backup must prove before it may replace the database: a header of
// this version, a packed stream that parses to its end, and an unpacked image
// that begins with the header's own system record and whose length fits the
// layout that record describes.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/records/system_record.h"
#include "core/status.h"

namespace quillon {

// The backup file starts with a copy of the system record.
inline constexpr std::int64_t backup_header_size = sizeof(SystemRecord);

// The longest database file the layout allows: the most course slots and
// tournaments 1..998.
std::int64_t largest_database_length();

// What an image holds, as the start-up scan would count it.
struct DatabaseImageFacts {
  std::int64_t length = 0;
  int course_slots = 0;
  int tournaments = 0;
};

// Whether an image of `length` bytes can be the database `system` describes;
// the failure's reason says why not.
Status check_image_layout(const SystemRecord& system, std::int64_t length);

// Checks the unpacked image file against the backup's header; the failure's
// reason says what is wrong.
[[nodiscard]] Status check_database_image(const std::filesystem::path& image, const SystemRecord& header,
                                          DatabaseImageFacts* facts = nullptr);

// "The backup was created using an earlier version ..." when the header is not
// of this program's version and letter.
[[nodiscard]] Status check_backup_version(const SystemRecord& header);

// The error shown for a backup that fails a check.
std::string damaged_backup_text(const std::string& reason);

// The whole check without touching the database: the header, the version,
// the stream, then the image unpacked into a temporary file in `work_folder`
// (removed afterwards). The failure's reason is the text for the user.
[[nodiscard]] Status verify_backup(const std::filesystem::path& backup, const std::filesystem::path& work_folder,
                                   SystemRecord& header, DatabaseImageFacts& facts);

}  // namespace quillon
