#pragma once
// Writes a backup file in one pass: the system record, then the database
// packed as it is read under the database lock (a consistent image even with
// other openers). Every run of packed blocks is unpacked again in memory and
// compared with the bytes it was made from before it is written, so the
// destination is written once and holds only verified data.
#include <cstdint>
#include <string>

#include "core/result.h"

namespace quillon {

class AtomicFile;
class DatabaseFile;

struct PackedBackup {
  std::int64_t database_length = 0;
  std::int64_t file_size = 0;  // the 200-byte header and the packed stream
  std::string sha256;  // of the whole backup file, lower-case hex
};

// Where a backup stopped, for the message.
enum class BackupStep { locking, reading, verifying, writing };

struct BackupFailure {
  BackupStep step = BackupStep::reading;
  bool out_of_space = false;  // the destination ran full
};

// Appends the backup of `db` to `out` (not committed). On failure `failure`
// says at which step.
[[nodiscard]] Result<PackedBackup> write_backup_stream(DatabaseFile& db, AtomicFile& out, BackupFailure& failure);

}  // namespace quillon
