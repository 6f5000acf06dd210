#include "handicap/computed_result.h"

#include <cstdint>

namespace quillon {

void store_computed(GolferEntry& golfer, const ComputedResult& result) {
  golfer.gross_score = static_cast<std::int16_t>(result.gross);
  golfer.adjusted_gross = static_cast<std::int16_t>(result.adjusted_gross);
  golfer.net_score = static_cast<std::int16_t>(result.net);
  if (result.sets_handicap_index) golfer.handicap_index = static_cast<std::int16_t>(result.handicap * 10);
  if (result.sets_scoring_bytes) {
    golfer.course_hcap = static_cast<std::int8_t>(result.handicap);
    golfer.playing_hcap = static_cast<std::int8_t>(result.handicap);
  }
}

}  // namespace quillon
