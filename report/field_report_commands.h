#pragma once
// The Print menu's field and list reports, by command number:
//   1602, 1604  tee sheet with handicaps          1606  tee sheet without handicaps
//   1603        tee sheet with member IDs         1605  tee sheet with hole scores
//   1616, 1617  tournament list with / without details
//   1623        course list
//   1627, 1628  golfer list by name / by handicap
//   1637, 1638  power cart riders by name / by tee time
#include <optional>

#include "core/status.h"

namespace quillon {

struct State;

// Runs the command in the order of every report: the tournament (and, for the
// golfer and power cart lists, the division) is chosen, the old page deleted,
// the report written and the page shown. Does nothing for other numbers.
Status run_field_report_command(State& state, int command);

// The division a report covers: 0 (all) without asking when the tournament
// has one division; nothing when the list was cancelled.
std::optional<int> choose_report_division(State& state);
// The same for a tournament of `division_count` divisions (an event's days').
std::optional<int> choose_report_division(State& state, int division_count);

}  // namespace quillon
