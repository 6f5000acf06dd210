#include "tournament/multi_round.h"

#include <algorithm>
#include <cstring>

#include "core/database.h"
#include "core/database_transaction.h"
#include "core/messages.h"
#include "core/record_values.h"
#include "core/state.h"
#include "handicap/formats.h"
#include "tournament/multi_round_dialog.h"
#include "tournament/tournament_commands.h"

namespace quillon {

std::vector<int> event_days(const TournamentHeader& event) {
  std::vector<int> days;
  for (int k = 0; k < max_event_days && event.round_tournaments[k] != 0; ++k)
    days.push_back(event.round_tournaments[k]);
  return days;
}

bool excluded_from_events(int code) {
  switch (static_cast<Format>(code)) {
    case Format::best_123_gross:
    case Format::net_with_callaway_division:
    case Format::best_balls_gross:
    case Format::best_balls_net:
    case Format::scramble:
    case Format::best_123_net:
    case Format::best_two_gross_net:
    case Format::best_balls_callaway: return true;
    default: return false;
  }
}

// "Stableford (Custom)" counts as Stableford like the two built-in tables.
bool counts_as_stableford(int code) {
  return is_table_format(code) && is_individual_stableford(static_cast<Format>(code));
}

TournamentHeader peek_header(State& state, int t) {
  Result<TournamentHeader> read = telling(state, load_header(state, t));
  return read ? *read : TournamentHeader{};
}

int event_division_count(State& state, const TournamentHeader& event) {
  int most = 1;
  for (int day : event_days(event)) most = std::max(most, static_cast<int>(peek_header(state, day).division_count));
  return most;
}

int previous_event_day(State& state, int t) {
  for (int e = 1; e <= state.tournament_count; ++e) {
    TournamentHeader h = peek_header(state, e);
    if (h.format != multi_round_format || tournament_slot_free(h)) continue;
    std::vector<int> days = event_days(h);
    for (std::size_t k = 1; k < days.size(); ++k)
      if (days[k] == t) return days[k - 1];
  }
  return 0;
}

bool unlink_from_events(State& state, int removed) {
  const TournamentHeader kept = state.header;
  const int kept_number = state.current_tournament;
  DatabaseTransaction change(state);
  bool ok = true;
  for (int e = 1; ok && e <= state.tournament_count; ++e) {
    if (!read_record(state, RecordKind::tournament, e)) {
      ok = false;
      break;
    }
    if (state.header.format != multi_round_format || tournament_slot_free(state.header)) continue;
    std::vector<int> days = event_days(state.header);
    std::int16_t relinked[max_event_days] = {};
    int n = 0;
    for (int d : days)
      if (d != removed) relinked[n++] = static_cast<std::int16_t>(d);
    if (n == static_cast<int>(days.size())) continue;
    std::memcpy(state.header.round_tournaments, relinked, sizeof relinked);
    ok = write_record(state, RecordKind::tournament, e).is_ok();
  }
  ok = ok && change.commit();
  state.header = kept;
  state.current_tournament = kept_number;
  return ok;
}

int add_multi_round_tournament(State& state) {
  int slot = slot_for_new_tournament(state);
  if (slot == 0) return 0;
  MultiRoundDialogModel dialog(state, TournamentHeader{}, true, slot);
  if (!state.ui.run_dialog(dialog)) return 0;
  state.header = dialog.header();
  return store_new_tournament(state);
}

int change_multi_round_tournament(State& state, int slot) {
  MultiRoundDialogModel dialog(state, state.header, false, slot);
  if (!state.ui.run_dialog(dialog)) return 0;
  state.header = dialog.header();
  return write_new_tournament(state, slot) ? slot : 0;
}

}  // namespace quillon
