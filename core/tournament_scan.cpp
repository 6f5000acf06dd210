// The start-up scan: the tournament count from the file length, the purge
// reminder and the trimming of trailing free slots.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/database.h"
#include "core/messages.h"
#include "core/text.h"

namespace quillon {

namespace {

// A slot may go only when it holds neither a name nor any golfer data: a
// header whose name is damaged still has its golfers, and they must stay.
bool tournament_block_empty(State& state, int t) {
  std::vector<char> block(tournament_block_size, 0);  // bytes past the end stay zero
  state.db.read_at(tournament_offset(state, t), block.data(), block.size());
  if (state.db.read_failed()) return false;
  TournamentHeader header{};
  std::memcpy(&header, block.data(), sizeof header);
  if (!tournament_slot_free(header)) return false;
  return std::all_of(block.begin() + tournament_header_size, block.end(), [](char c) { return c == 0; });
}

}  // namespace

int tournament_count_from_length(std::int64_t file_length, std::int64_t base) {
  if (file_length <= base) return 0;
  std::int64_t after = file_length - base;
  std::int64_t q = after / tournament_block_size;
  return static_cast<int>(q + (after % tournament_block_size ? 1 : 0));
}

Status scan_tournaments_at_startup(State& state) {
  state.tournament_count = tournament_count_from_length(state.db.length(), state.tournament_base);
  int this_year = state.today.year;
  // Tournaments counted by age in years; the last place counts all older ones.
  constexpr int ages_told = 8;
  int tally[ages_told] = {};
  bool any_free = false;
  for (int t = 1; t <= state.tournament_count; ++t) {
    if (Status read = read_record(state, RecordKind::tournament, t); !read) return read;
    if (tournament_slot_free(state.header)) any_free = true;
    int year = full_year(static_cast<std::uint8_t>(state.header.date_year));
    if (year <= this_year) {
      int age = this_year - year;
      tally[std::min(age, ages_told - 1)] += 1;
    }
  }

  if (state.tournament_count > state.system.purge_reminder_limit) {
    std::string text =
        format_text(message_limit,
                    "Your database currently contains %d tournaments.  The database can accomodate up to 999 "
                    "tournaments but the greater the number of tournaments in the database, the slower the "
                    "system will run.\n\n",
                    state.tournament_count);
    for (int age = 0; age < ages_told; ++age)
      if (tally[age] != 0) text += format_text(64, "%d : %d tournaments\n", this_year - age, tally[age]);
    text +=
        "\nIf you would like to purge some of the older tournaments in order to speed up your system "
        "select 'Maintenance' / 'Purge Older Tournaments'.\n\n";
    text += format_text(message_limit,
                        "If you would like to adjust the 'Purge Reminder Limit', the tournament count at "
                        "which point this reminder is displayed, select 'Maintenance' / 'System "
                        "Configuration'.  The limit is currently set at %d.",
                        state.system.purge_reminder_limit);
    show_message_text(state, message_kind::information, text);
  }

  if (any_free) trim_trailing_free_slots(state);
  return Status::ok();
}

void trim_trailing_free_slots(State& state) {
  DatabaseLock lock(state.db);
  if (!lock.held()) return;
  // Another opener may have added tournaments since the count was taken.
  int count = tournament_count_from_length(state.db.length(), state.tournament_base);
  int kept = count;
  while (kept >= 1 && tournament_block_empty(state, kept)) --kept;
  state.tournament_count = kept;
  // A file that keeps its length (the user has been told) keeps its count.
  if (kept != count && !resize_database(state)) state.tournament_count = count;
}

}  // namespace quillon
