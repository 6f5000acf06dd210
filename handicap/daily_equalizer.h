#pragma once
// The Daily Equalizer handicap of an 18-hole card.
#include "core/records/golfer_entry.h"
#include "handicap/computed_result.h"

namespace quillon {

// Format 5. The three worst holes count at most one more than the 15th best
// score; the deduction is in tenths of holes like Callaway's.
ComputedResult score_daily_equalizer(const GolferEntry& golfer);

}  // namespace quillon
