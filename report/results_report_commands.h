#pragma once
// The Print menu's results commands, by number:
//   1607  traditional results          1611, 1612  gross skins with / without halves
//   1608  hole by hole scores          1613, 1614  net skins with / without halves
//   1609  alphabetical results         1621, 1622  scoring report by gross / by net
//   1615  alternating gross & net      1636        aces and deuces
//   1639  scrolling results for display on a TV
#include "core/status.h"

namespace quillon {

struct State;

// Whether the number is one of the commands above.
bool is_results_report_command(int command);

// Runs the command in the order of every report: the tournament is chosen
// (and, where the report covers a division, the division), the old page
// deleted, the report written and the page shown. Does nothing for other numbers.
Status run_results_report_command(State& state, int command);

}  // namespace quillon
