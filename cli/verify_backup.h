#pragma once
// quillon-cli verify-backup FILE: the checks a restore makes, in memory, with
// nothing written and the database left alone.
#include <iosfwd>
#include <string>

namespace quillon::cli {

// Prints what the backup holds to `out`, or why it cannot be restored to
// `err`; returns the exit status: 0 sound and proven whole by its checksum
// file, 1 not sound, 2 sound as far as it goes but without a checksum file
// its completeness cannot be proven.
int verify_backup_file(const std::string& file, std::ostream& out, std::ostream& err);

}  // namespace quillon::cli
