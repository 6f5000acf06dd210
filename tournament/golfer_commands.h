#pragma once
// The golfer maintenance commands: add golfers (1303, 1304, 988), change
// golfers in the summary (1402) or the detail (1403) window.
namespace quillon {

struct State;

// The golfer windows: a group's summary, or one golfer's detail.
enum class GolferWindow { summary, detail };

// Opens the window on a selected tournament. Returns whether a window was
// shown and closed with OK.
bool add_golfers(State& state, GolferWindow window_kind = GolferWindow::summary);
bool change_golfers_summary(State& state);
bool change_golfers_detail(State& state);

}  // namespace quillon
