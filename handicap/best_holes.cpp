#include "handicap/best_holes.h"

#include <algorithm>
#include <vector>

#include "handicap/course_handicap.h"
#include "handicap/stroke_allocation.h"
#include "handicap/tee_values.h"

namespace quillon {

ComputedResult score_best_holes(Format format, const GolferEntry& golfer, const CourseRecord& tee,
                                const TournamentHeader& header) {
  const char sex = golfer.gender;
  const int holes = tee_values::hole_count(tee);
  ComputedResult r;
  r.sets_handicap_index = false;
  r.sets_scoring_bytes = true;  // shown as the course handicap of the results
  r.handicap = course_handicap(golfer.handicap_index, tee_values::slope(tee, sex), 0, 0, false);

  std::vector<int> to_par;
  for (int hole = 1; hole <= 18; ++hole) {
    int score = golfer.hole_scores[hole - 1];
    r.gross += score;
    if (hole > holes) continue;
    int par = tee_values::par(tee, sex, hole);
    int v = std::min(score, hole_cap(par, header.max_hole_score_index));
    if (format == Format::best_holes_net)
      v -= strokes_on_hole(tee_values::stroke_index(tee, sex, hole), r.handicap, holes);
    to_par.push_back(v - par);
  }
  std::sort(to_par.begin(), to_par.end());
  const int counted = std::clamp<int>(header.best_holes_count, 0, holes);
  for (int i = 0; i < counted; ++i) r.net += to_par[i];
  return r;
}

}  // namespace quillon
