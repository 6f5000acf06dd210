#pragma once
// The "Tournament Selection" list and its lines.
#include <string>

#include "core/records/tournament_header.h"

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

// Lets the user pick a tournament (newest first); takes the only one without
// asking. The chosen header
// is read and made current. Returns its number, or 0 when the list was
// cancelled or there is none to list (the user is told).
int select_tournament(State& state, TournamentList list);

// Whether a tournament other than a multi-round event exists (leaves the last
// header read in the buffer).
bool any_tournament(State& state);

}  // namespace quillon
