#pragma once
// "Import Golfers from Handicap Database" (command 1105): the two-list window
// in import mode, its holding list filled from the configured source.
#include <random>

#include "tournament/score_card.h"

namespace quillon {

struct State;

// Asks for the tournament, checks that the source can be read (the Ravelin
// file must exist) and opens the window; ADD places the members into groups
// and OK stores them with their member ID, flag, index, gender and division.
// `scorer` and `random` serve the window's Prev Rnd and Random buttons.
// Returns whether OK stored the groups.
bool import_golfers(State& state, const CardScorer& scorer, std::mt19937& random);

}  // namespace quillon
