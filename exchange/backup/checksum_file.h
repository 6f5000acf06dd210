#pragma once
// The checksum file written beside every backup: "CLUB.BKP.sha256" holding
// one line in the format of sha256sum ("<64 hex digits>  CLUB.BKP"), so that
// `sha256sum -c CLUB.BKP.sha256` checks the backup too. The packed format has
// no length or checksum of its own; this file is how a backup proves it is whole.
#include <filesystem>
#include <string>
#include <vector>

#include "core/result.h"
#include "core/status.h"

namespace quillon {

// "CLUB.BKP" -> "CLUB.BKP.sha256".
std::filesystem::path checksum_path_for(const std::filesystem::path& backup);

// The line sha256sum writes for the file named `file_name`.
std::string checksum_line(const std::string& sha256_hex, const std::string& file_name);

// Replaces the checksum file of `backup` (through AtomicFile) with one line
// for each SHA-256 given. Two lines stand only while a backup replaces an
// earlier one of the same name: then the old file and the new one both match.
[[nodiscard]] Status write_checksum_file(const std::filesystem::path& backup, const std::vector<std::string>& sha256s);

// The SHA-256s the checksum file of `backup` gives for it, in lower case;
// none when there is no checksum file; a failure naming the file when it
// cannot be read or holds no line for the backup.
[[nodiscard]] Result<std::vector<std::string>> read_checksum_file(const std::filesystem::path& backup);

}  // namespace quillon
