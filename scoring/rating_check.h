#pragma once
// Before results are built: every division whose golfers play a tee without
// the rating of their sex stops the report.
#include <vector>

#include "core/records/golfer_entry.h"

namespace quillon {

struct State;
class DivisionTees;

// Checks divisions 1..division_count against the named, not disqualified
// golfers of `field` (groups 1..n). Shows the first failure and returns false.
bool check_division_ratings(State& state, const DivisionTees& tees, const std::vector<GroupBuffer>& field);

}  // namespace quillon
