#include "handicap/stableford.h"

#include <algorithm>

#include "handicap/course_handicap.h"
#include "handicap/stroke_allocation.h"
#include "handicap/tee_values.h"

namespace quillon {

namespace {

// Offset that turns "strokes over par" into a table position.
int scale_offset(int format) {
  switch (format) {
    case 3: return 5;
    case 4: case 20: case 26: return 4;
    default: return 3;
  }
}

bool uses_custom_table(int format) { return format == 20 || format == 26; }

}  // namespace

int division_allowance_of(const TournamentHeader& header, int division) {
  if (division < 1 || division > 10) return 100;
  return header.division_allowance[division - 1];
}

StablefordResult score_stableford(int format, const GolferEntry& golfer, const CourseRecord& tee,
                                  const TournamentHeader& header, const SystemRecord& system) {
  StablefordResult r;
  char sex = golfer.gender;
  r.course_hcap = course_handicap(golfer.handicap_index, tee_values::slope(tee, sex), tee_values::rating(tee, sex),
                                  tee_values::total_par(tee, sex), header.include_rating_and_par == 1);
  r.playing_hcap = playing_handicap(r.course_hcap, division_allowance_of(header, golfer.division));

  bool take_strokes = !(format == 20 && (system.flags & system_flag::custom_stableford_gross));
  const int holes = tee_values::hole_count(tee);
  for (int hole = 1; hole <= holes; ++hole) {
    int score = golfer.hole_scores[hole - 1];
    r.gross += score;
    int net = take_strokes ? net_hole_score(tee, score, sex, hole, r.playing_hcap) : score;
    r.net_row[hole - 1] = net;
    int position = std::clamp(net - tee_values::par(tee, sex, hole) + scale_offset(format), 0, 7);
    int points = uses_custom_table(format) ? system.stableford_points[position]
                                           : standard_stableford_points[position];
    r.points_row[hole - 1] = points;
    r.points += points;
  }
  r.points_row[hole_row_total] = r.points;
  return r;
}

void store_stableford(GolferEntry& golfer, const StablefordResult& result) {
  golfer.course_hcap = static_cast<std::int8_t>(result.course_hcap);
  golfer.playing_hcap = static_cast<std::int8_t>(result.playing_hcap);
  golfer.gross_score = static_cast<std::int16_t>(result.gross);
  golfer.adjusted_gross = static_cast<std::int16_t>(result.gross);
  golfer.net_score = static_cast<std::int16_t>(result.points);
}

}  // namespace quillon
