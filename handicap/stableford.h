#pragma once
// Stableford points per hole: "Stableford (Net Par)", "Stableford (Net Bogie)"
// and the custom table of the system record ("Stableford (Custom)" and the
// Stableford best-ball team).
#include <array>
#include <cstdint>

#include "core/records/course_record.h"
#include "core/records/golfer_entry.h"
#include "core/records/system_record.h"
#include "core/records/tournament_header.h"
#include "handicap/formats.h"
#include "handicap/hole_row.h"

namespace quillon {

inline constexpr std::array<std::int8_t, 8> standard_stableford_points = {7, 6, 5, 4, 3, 2, 1, 0};

struct StablefordResult {
  int course_hcap = 0;
  int playing_hcap = 0;
  int gross = 0;
  int points = 0;
  HoleRow net_row{};  // net hole scores (gross ones when strokes are not taken)
  HoleRow points_row{};  // points per hole, the total in the last slot
};

// Scores the golfer's card over the tee's holes with the playing handicap of
// the golfer's division. `format` picks the scale and table; formats without
// a Stableford table get the scale with par at 3 points on the standard table.
StablefordResult score_stableford(Format format, const GolferEntry& golfer, const CourseRecord& tee,
                                  const TournamentHeader& header, const SystemRecord& system);

// Stores the handicaps, the gross (also as adjusted gross) and the points (as
// the net score) into the golfer entry.
void store_stableford(GolferEntry& golfer, const StablefordResult& result);

// The division's allowance percent; 100 for a division outside 1..10.
int division_allowance_of(const TournamentHeader& header, int division);

}  // namespace quillon
