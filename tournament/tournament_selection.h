#pragma once
// The "Tournament Selection" list and its lines.
#include <functional>
#include <string>
#include <vector>

#include "core/records/tournament_header.h"
#include "core/result.h"

namespace quillon {

struct State;

// The line of a tournament in selection lists, tabbed or plain. Reads the
// course of division 1 for its abbreviated name.
std::string tournament_list_line(State& state, const TournamentHeader& header, bool tabbed);

// The key that lists tournaments latest first when sorted descending: date
// "%03d%02d%02d" and the name, upper-cased.
std::string tournament_sort_key(const TournamentHeader& header);

// Which tournaments a selection lists: the days only, or multi-round events too.
enum class TournamentList { days, days_and_events };

// A tournament of a list: its slot and the line the list shows.
struct TournamentLine {
  int slot = 0;
  std::string line;
};

// The used tournament slots that `keep` accepts, newest first (by
// tournament_sort_key, descending; equal keys in slot order), each with the
// line `line_of` makes. The current tournament header is left as it was.
std::vector<TournamentLine> tournaments_newest_first(
    State& state, const std::function<bool(int slot, const TournamentHeader&)>& keep,
    const std::function<std::string(State&, const TournamentHeader&)>& line_of);

// Lets the user pick a tournament (newest first); takes the only one without
// asking. The chosen header is read and made current. Returns its number, or
// 0 when the list was cancelled, there is none to list or the chosen header
// could not be read (the user is told).
int select_tournament(State& state, TournamentList list);

// Whether a tournament other than a multi-round event exists (leaves the last
// header read in the buffer). Fails, told, when a header could not be read.
[[nodiscard]] Result<bool> any_tournament(State& state);

}  // namespace quillon
