#pragma once
// "Tournament List": every tournament of the database (multi-round events
// left out), as one line each or as a block of details each.
namespace quillon {

struct State;

// Returns false, after telling the user, when there is no tournament.
bool print_tournament_list(State& state, bool with_details);

}  // namespace quillon
