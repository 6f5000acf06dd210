#pragma once
// The "Aces & Deuces" page: every ace, then every deuce, and their totals.
namespace quillon {

struct State;

// Command 1636. Works on the current tournament for a division (0 = all);
// writes the report page and returns true.
bool aces_and_deuces_report(State& state, int division);

}  // namespace quillon
