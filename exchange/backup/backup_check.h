#pragma once
// What a backup must prove before it may replace the database: a header of
// this version, a packed stream that parses to its end, an unpacked image
// that begins with the header's own system record and whose length fits the
// layout that record describes (the start-up's own rule), and, when the
// checksum file is beside it, the SHA-256 that file gives. The backup is read
// once; the image goes to a sink (the restore's new database) or nowhere.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/records/system_record.h"
#include "core/status.h"
#include "exchange/backup/pack.h"

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
  int tournament_slots = 0;  // counted from the length
  int tournaments = 0;  // the slots that hold a tournament
  // The tournament with the latest date (the highest slot among equals).
  std::string newest_name;
  int newest_year = 0, newest_month = 0, newest_day = 0;
};

enum class BackupProblem { none, unopened, unreadable, version, checksum, damaged, output };

struct BackupContents {
  SystemRecord header{};
  DatabaseImageFacts facts;
  std::filesystem::path checksum_file;
  bool has_checksum = false;  // a checksum file lies beside the backup (and matched, when all is well)
  BackupProblem problem = BackupProblem::none;
};

// "The backup was created using an earlier version ..." when the header is not
// of this program's version and letter.
[[nodiscard]] Status check_backup_version(const SystemRecord& header);

// Checks an unpacked image's facts against the backup's header: it begins
// with the same system record and its length fits the layout.
[[nodiscard]] Status check_image(const SystemRecord& header, const SystemRecord& own, std::int64_t length);

// Reads and checks the whole backup, sending the image to `image` when given.
// A failure's reason is what is wrong and `contents.problem` its kind:
// unopened, unreadable and version reasons are whole sentences, checksum reasons too,
// damaged reasons a phrase for damaged_backup_text, output reasons the sink's.
[[nodiscard]] Status read_backup(const std::filesystem::path& backup, Unpacker::Sink* image, BackupContents& contents);

// The error the restore shows for a backup that fails a check.
std::string damaged_backup_text(const std::string& reason);

// "It holds 12 tournaments; the newest is "Club Championship" of 02-Jun-2026."
std::string backup_holdings_text(const DatabaseImageFacts& facts);

}  // namespace quillon
