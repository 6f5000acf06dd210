#pragma once
// Rules of the results engine that depend on a golfer's division as well as
// the format (the per-format ones are columns of handicap/formats.h), and the
// report types of build_results.
#include "core/records/tournament_header.h"
#include "handicap/formats.h"

namespace quillon {

// Whether the golfer of `division` is scored by Callaway in "Net Scores with 1
// Callaway Division".
bool in_callaway_division(const TournamentHeader& header, int division);

// Whether the lower (computed) handicap wins a tie on the primary value.
bool prefers_lower_handicap(const TournamentHeader& header, int division);

// Whether the golfer of `division` plays off a handicap computed from the day.
bool plays_computed_handicap(const TournamentHeader& header, int division);

// Report types of build_results.
namespace report_type {
inline constexpr int traditional = 0;
inline constexpr int gross_and_net = 1;
inline constexpr int alphabetical = 2;
inline constexpr int hole_by_hole = 3;
inline constexpr int flights_by_score = 4;
inline constexpr int hole_by_hole_points = 5;
}  // namespace report_type

}  // namespace quillon
