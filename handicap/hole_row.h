#pragma once
// Per-hole values of one golfer: holes 1..18 in slots 0..17 and a total in
// slot 18, as the results code reads them after a golfer has been scored.
#include <array>

#include "core/records/golfer_entry.h"

namespace quillon {

inline constexpr int hole_row_total = 18;
using HoleRow = std::array<int, 19>;

// The 18 hole scores of a card as whole numbers (0 = not entered).
using HoleScores = std::array<int, 18>;

inline HoleScores hole_scores_of(const GolferEntry& golfer) {
  HoleScores scores{};
  for (int i = 0; i < 18; ++i) scores[i] = golfer.hole_scores[i];
  return scores;
}

}  // namespace quillon
