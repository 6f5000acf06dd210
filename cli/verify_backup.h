#pragma once
// quillon-cli verify-backup FILE: the checks a restore makes, on a backup
// unpacked into a temporary file, with the database left alone.
#include <iosfwd>
#include <string>

namespace quillon::cli {

// Prints what the backup holds to `out`, or why it cannot be restored to
// `err`; returns the exit status (0 sound, 1 not).
int verify_backup_file(const std::string& file, std::ostream& out, std::ostream& err);

}  // namespace quillon::cli
