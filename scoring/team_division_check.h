#pragma once
// Which teams belong in the results of one division when teams may mix
// golfers of several divisions.
#include <vector>

#include "core/result.h"

namespace quillon {

struct State;

// For every group 1..group_count of the current tournament (index 0 unused):
// whether its team is in the results of `division`. A team whose named, not
// disqualified golfers are all in the division is in, one with none of them
// is out; mixed teams are in when the user says so (one question for all).
// Fails, told, when a group could not be read.
[[nodiscard]] Result<std::vector<bool>> team_division_check(State& state, int division);

}  // namespace quillon
