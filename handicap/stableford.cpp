#include "handicap/stableford.h"

#include <algorithm>

#include "handicap/course_handicap.h"
#include "handicap/stroke_allocation.h"
#include "handicap/tee_values.h"

namespace quillon {

namespace {

// Offset that turns "strokes over par" into a table position.
int scale_offset(StablefordTable table) {
  switch (table) {
    case StablefordTable::net_par: return 5;
    case StablefordTable::net_bogey:
    case StablefordTable::custom: return 4;
    case StablefordTable::none: break;
  }
  return 3;
}

constexpr int lowest_position = 0;
constexpr int highest_position = static_cast<int>(standard_stableford_points.size()) - 1;

}  // namespace

int division_allowance_of(const TournamentHeader& header, int division) {
  if (division < 1 || division > 10) return 100;
  return header.division_allowance[division - 1];
}

StablefordResult score_stableford(Format format, const GolferEntry& golfer, const CourseRecord& tee,
                                  const TournamentHeader& header, const SystemRecord& system) {
  StablefordResult r;
  char sex = golfer.gender;
  r.course_hcap = course_handicap(golfer.handicap_index, tee_values::slope(tee, sex), tee_values::rating(tee, sex),
                                  tee_values::total_par(tee, sex), header.include_rating_and_par == 1);
  r.playing_hcap = playing_handicap(r.course_hcap, division_allowance_of(header, golfer.division));

  const StablefordTable table = format_traits(format).stableford;
  // The gross setting of the custom table applies to individual play only.
  bool take_strokes = !(format == Format::stableford_custom && (system.flags & system_flag::custom_stableford_gross));
  const int holes = tee_values::hole_count(tee);
  for (int hole = 1; hole <= holes; ++hole) {
    int score = golfer.hole_scores[hole - 1];
    r.gross += score;
    int net = take_strokes ? net_hole_score(tee, score, sex, hole, r.playing_hcap) : score;
    r.net_row[hole - 1] = net;
    int position =
        std::clamp(net - tee_values::par(tee, sex, hole) + scale_offset(table), lowest_position, highest_position);
    int points =
        table == StablefordTable::custom ? system.stableford_points[position] : standard_stableford_points[position];
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
