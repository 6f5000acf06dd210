#pragma once
// The Daily Equalizer handicap of an 18-hole card.
#include "core/records/golfer_entry.h"
#include "handicap/computed_result.h"

namespace quillon {

struct EqualizerStep {
  int adjustment = 0;  // strokes
  int deduction = 0;  // tenths of holes
};

// The adjustment and deduction for the total t of the capped card.
EqualizerStep daily_equalizer_step(int t);

// Format 5. The three worst holes count at most one more than the 15th best
// score; the deduction is in tenths of holes like Callaway's.
ComputedResult score_daily_equalizer(const GolferEntry& golfer);

}  // namespace quillon
