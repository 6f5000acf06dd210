#pragma once
// The database file "qlwin4.dat": fixed-size records at computed offsets.
//
//   0                      system record (200 bytes)
//   200                    import settings record (200 bytes)
//   100 + 300 n            course slot n = 1..S (300 bytes)
//   400 + 300 S            desktop message record (300 bytes)
//   B + 147400 (t - 1)     tournament t: header (3400) + 800 golfer entries (180)
// with B = 700 + 300 S (400 + 300 S when the file has no desktop message).
#include <cstdint>

#include "core/dates.h"
#include "core/result.h"
#include "core/state.h"
#include "core/status.h"

namespace quillon {

inline constexpr int system_record_offset = 0;
inline constexpr int import_settings_offset = 200;
inline constexpr int course_record_size = 300;
inline constexpr int tournament_header_size = 3400;
inline constexpr int golfer_entry_size = 180;
inline constexpr int tournament_block_size = tournament_header_size + golfers_per_tournament * golfer_entry_size;
inline constexpr int tournament_limit = 999;  // tournament numbers stay below this
inline constexpr int max_course_slot_count = 2450;
static_assert(tournament_block_size == 147400);

// Course slot 1 follows the two 200-byte records at 400; slot n is at 100 + 300 n.
inline constexpr int first_course_offset = 400;
inline constexpr int desktop_message_size = 300;
constexpr std::int64_t course_offset(int n) {
  return first_course_offset + static_cast<std::int64_t>(course_record_size) * (n - 1);
}
constexpr std::int64_t desktop_message_offset_for(int slots) { return course_offset(slots + 1); }
constexpr std::int64_t tournament_base_for(int slots, bool has_desktop_message = true) {
  return desktop_message_offset_for(slots) + (has_desktop_message ? desktop_message_size : 0);
}
static_assert(course_offset(1) == import_settings_offset + 200 && course_offset(2) == 700);
static_assert(tournament_base_for(50) == 700 + 300 * 50 && tournament_base_for(50, false) == 400 + 300 * 50);
std::int64_t tournament_offset(const State& state, int t);
std::int64_t group_offset(const State& state, int t, int group, int group_size);
std::int64_t expected_file_length(const State& state);

// Reads a record into its buffer. A record beyond the end of the file reads as
// zeros and a number below 1 reads nothing and leaves the buffer alone: both
// are ok. When the file could not be read the user has been told
// (Status::told) and the buffer holds zeros, not the record.
[[nodiscard]] Status read_record(State& state, RecordKind kind, int number);
// As read_record, with the number of bytes read: 0 beyond the end of the file.
[[nodiscard]] Result<int> read_record_counted(State& state, RecordKind kind, int number);
// Writes a record from its buffer and flushes the file. When the data did not
// reach the file the user has been told (Status::told); a record number outside
// the layout writes nothing and fails with the reason, untold.
[[nodiscard]] Status write_record(State& state, RecordKind kind, int number);

// Writes the group buffer as group `number` of the current tournament and
// flushes, without a message: for read-modify-write under the database lock,
// where the failure is told once the lock is released (tell_write_failure).
[[nodiscard]] Status store_group(State& state, int number);
void tell_write_failure(State& state, const Status& status);

// Opens the existing file; the reason of a failure is the system's.
[[nodiscard]] Status open_database(State& state);
// Creates and fills a new file. Fails (untold) when it exists already or cannot
// be made; fails told when writing it failed, and then leaves no file behind.
[[nodiscard]] Status create_database(State& state);
// Sets the file length to match the course slots and tournament count.
[[nodiscard]] Status resize_database(State& state);
// Sets the tournament base and desktop message from the system record's layout.
void apply_database_layout(State& state);

// Moves the tournament blocks for a new number of course slots, after taking a
// copy "qlwin4db.sav". Ends with the restart message and asks the front end to
// exit. Fails, told, when the copy could not be taken (nothing was changed) or
// when the move could not be completed (the front end is asked to exit too).
[[nodiscard]] Status change_course_slot_count(State& state, int new_slots);

// Removes free tournament slots and those dated before the cut-off, renumbering
// the rest and relinking multi-round events; `purged` is the number of dated
// tournaments removed. Fails, told, when the file could not be written.
[[nodiscard]] Status purge_tournaments(State& state, Date cutoff, int& purged);

// The start-up scan: counts tournaments from the file length, shows the purge
// reminder when there are many and trims trailing free slots. Fails, told,
// when a tournament could not be read.
[[nodiscard]] Status scan_tournaments_at_startup(State& state);
// Removes trailing tournament slots that hold nothing at all, under the lock,
// counting again from the file length first.
void trim_trailing_free_slots(State& state);
// The part of the scan that counts: T from the file length.
int tournament_count_from_length(std::int64_t file_length, std::int64_t base);

bool tournament_slot_free(const TournamentHeader& header);
int tournament_day_number(const TournamentHeader& header);

// The database's fixed texts.
inline constexpr const char* default_desktop_message =
    "This is a customizable message which can be used to save reminders.  It can be up to 250 "
    "characters long.  To customize this message select 'Maintenance' /  'System Configuration'.";
inline constexpr const char* default_ravelin_folder = "c:\\rv4";

}  // namespace quillon
