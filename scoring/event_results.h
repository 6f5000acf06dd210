#pragma once
// The results of a multi-round event: every day tournament scored in turn,
// golfers matched to day 1's field by name, their day values added up and
// ranked with the results engine's ordering.
#include <array>
#include <string>
#include <vector>

#include "core/records/golfer_entry.h"
#include "scoring/ranking.h"
#include "scoring/result_row.h"

namespace quillon {

struct State;

inline constexpr int event_day_limit = 5;

struct EventDayScore {
  bool played = false;
  int value = 0;  // gross for "Gross Scores", else net strokes or points
  int gross = 0;
};

// One golfer of the event: day 1's name and what each day gave.
struct EventGolfer {
  std::string name;
  std::array<EventDayScore, event_day_limit> days{};
  int days_played = 0;
  int value_total() const;
  int gross_total() const;
};

struct EventResults {
  bool produced = false;
  int report_type = 0;
  int division = 0;  // 0 = all
  int day_count = 0;
  int format = 0;  // day 1's format
  bool mixed_formats = false;
  bool stableford = false;  // the days are Stableford (points, more is better)
  int gross_limit = 400;
  bool manual_winner_applied = false;
  bool manual_winner_ignored = false;  // flagged on the last day, alternating layout
  std::vector<EventGolfer> golfers;  // in day 1's field order
  std::vector<ResultRow> rows;  // ranked; field_position indexes golfers
  std::vector<AlternatingPlace> places;  // alternating gross and net report only

  const EventGolfer& golfer_of(const ResultRow& row) const {
    return golfers[static_cast<std::size_t>(row.field_position)];
  }
};

// Builds the results of the event whose header is current (format 99, slot
// state.current_tournament) for a report type and a division (0 = all). The
// event's header is current again afterwards. Not produced when a day's format
// cannot be part of an event (the user is told).
EventResults build_event_results(State& state, int report_type, int division);

}  // namespace quillon
