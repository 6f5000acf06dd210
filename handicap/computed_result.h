#pragma once
// What a handicap computed from the day's scores produces for one card.
#include <vector>

#include "core/records/golfer_entry.h"

namespace quillon {

struct ComputedResult {
  int gross = 0;  // sum of the raw hole scores
  int adjusted_gross = 0;  // sum of the capped scores where caps apply
  int handicap = 0;  // whole strokes
  int net = 0;  // net score, or the to-par total of Best Holes
  // The report's "Adj" and "Deduct" columns. Callaway family: adjustment in
  // strokes, deduction in tenths of holes (5 = half a hole). Callaway 9 Hole:
  // adjustment in tenths of a stroke, deduction in hundredths of holes.
  int adjustment = 0;
  int deduction = 0;
  // The worst scores that were deducted, worst first (the last may have
  // counted only in part).
  std::vector<int> deducted_scores;
  bool sets_handicap_index = true;  // handicap_index = handicap x 10
  bool sets_scoring_bytes = false;  // course_hcap = playing_hcap = handicap
};

// Writes the result into the golfer entry as the formats keep it.
void store_computed(GolferEntry& golfer, const ComputedResult& result);

}  // namespace quillon
