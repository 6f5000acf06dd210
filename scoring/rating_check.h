#pragma once
// Before results are built: every division whose golfers play a tee without
// the rating of their sex stops the report.
namespace quillon {

struct State;
class DivisionTees;

// Checks divisions 1..division_count of the current tournament against its
// named, not disqualified golfers. The field is read only when a tee lacks a
// rating. Shows the first failure and returns false.
bool check_division_ratings(State& state, const DivisionTees& tees);

}  // namespace quillon
