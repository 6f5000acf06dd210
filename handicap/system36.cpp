#include "handicap/system36.h"

#include "handicap/tee_values.h"

namespace quillon {

int system36_value(const GolferEntry& golfer, const CourseRecord& tee) {
  const int holes = tee_values::hole_count(tee);
  int value = holes == 9 ? 18 : 36;
  for (int hole = 1; hole <= holes; ++hole) {
    int over_par = golfer.hole_scores[hole - 1] - tee_values::par(tee, golfer.gender, hole);
    if (over_par <= 0) value -= 2;
    else if (over_par == 1) value -= 1;
  }
  return value;
}

ComputedResult score_system36(const GolferEntry& golfer, const CourseRecord& tee, const TournamentHeader& header) {
  ComputedResult r;
  for (int h = 0; h < tee_values::hole_count(tee); ++h) r.gross += golfer.hole_scores[h];
  r.adjusted_gross = r.gross;
  r.handicap = system36_value(golfer, tee);
  const int entered = golfer.handicap_index / 10;
  if ((header.options & use_entered_handicap_option) && entered != 0 && entered <= r.handicap) r.handicap = entered;
  r.net = r.gross - r.handicap;
  // The results read the handicap played from the scoring bytes.
  r.sets_scoring_bytes = true;
  return r;
}

}  // namespace quillon
