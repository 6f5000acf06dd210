#pragma once
// The values a new tournament starts with.
#include "core/records/tournament_header.h"

namespace quillon {

struct State;

// A zeroed header filled with the defaults of a new tournament: today's date,
// the system's default format, tie-break, interval, course and rating setting.
// The shotgun allocation comes from the first division's course (read here).
TournamentHeader new_tournament_header(State& state);

// Both shotguns' allocation from the pars of a tee: par minus 2 groups per hole.
void set_shotgun_defaults(TournamentHeader& header, State& state, int tee_slot);

}  // namespace quillon
