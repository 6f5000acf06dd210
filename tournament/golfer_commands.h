#pragma once
// The golfer maintenance commands: add golfers (1303, 1304, 988), change
// golfers in the summary (1402) or the detail (1403) window.
namespace quillon {

struct State;

// Opens the summary window, or the detail window when asked, on a selected
// tournament. Returns whether a window was shown and closed with OK.
bool add_golfers(State& state, bool detail_layout = false);
bool change_golfers_summary(State& state);
bool change_golfers_detail(State& state);

}  // namespace quillon
