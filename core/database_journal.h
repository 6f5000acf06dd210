#pragma once
// The rollback journal beside the database ("qlwin4.jnl" beside "qlwin4.dat"):
// the old bytes of every region a transaction is about to change, made durable
// before the first of them is written, and removed once the last write has
// been flushed. Finding a journal means a transaction was cut off; writing its
// old bytes back and restoring the old length undoes it.
//
// Layout: a head of 8 bytes "QLJRNL02", the file's length before the
// transaction and after it (-1 when not known), the number of changed regions
// and, for each, its offset, length and the checksum of its new bytes, and a
// checksum of the head; then records of offset (8), length (4), checksum (8)
// and the old bytes. Records are only appended; a torn record and everything
// after it are ignored, which is safe because the database is written only
// after the records describing it have been flushed.
//
// A journal whose head describes the new state is not rolled back when the
// file already holds that state whole: the change was complete and flushed,
// and only the journal's removal did not last (a power cut). So the removal
// needs no flush of the folder.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/status.h"

namespace quillon {

struct JournalRecord {
  std::int64_t offset = 0;
  std::string old_bytes;
};

struct ChangedRegion {
  std::int64_t offset = 0;
  std::int64_t length = 0;
  std::uint64_t checksum = 0;  // content_checksum of its new bytes
};

std::filesystem::path journal_path_for(const std::filesystem::path& database);

std::uint64_t content_checksum(const char* data, std::size_t n);

// The head and records of a journal as bytes to append to the file.
std::string journal_head(std::int64_t original_length, std::int64_t new_length = -1,
                         const std::vector<ChangedRegion>& changed = {});
std::string journal_records(const std::vector<JournalRecord>& records);

struct JournalContents {
  bool head_valid = false;
  std::int64_t original_length = 0;
  std::int64_t new_length = -1;
  std::vector<ChangedRegion> changed;
  std::vector<JournalRecord> records;  // the whole ones, up to the first torn one
};
JournalContents parse_journal(const std::string& bytes);

// Puts back what the journal at `journal` records into the open database
// `database_fd`, flushes it and removes the journal. A journal whose head is
// torn was never followed by a database write and is only removed.
// `rolled_back` tells whether anything was put back.
[[nodiscard]] Status roll_back_journal(int database_fd, const std::filesystem::path& journal,
                                       bool* rolled_back = nullptr);

// Removes a journal; with `flush_folder` the folder is flushed too, so that a
// journal that cannot tell a finished change from a cut-off one (no new
// state in its head) does not come back after a power cut.
[[nodiscard]] Status remove_journal(const std::filesystem::path& journal, bool flush_folder = true);

}  // namespace quillon
