#pragma once
// The paragraph printed under a results table that explains how ties were
// broken, as report lines.
#include <string>
#include <vector>

#include "core/records/tournament_header.h"

namespace quillon {

struct State;

// The explanation block of the tournament's format group and tie-break
// method on a course of `hole_count` holes, from the opening table tag to the
// closing "<br>". Empty for method "None" and for formats outside the groups.
std::vector<std::string> print_tie_break_explanation(const TournamentHeader& header, int hole_count);

// The same for the current tournament, on the course of its first division.
std::vector<std::string> print_tie_break_explanation(State& state);

}  // namespace quillon
