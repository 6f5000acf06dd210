#pragma once
// Values of a tournament header read from the shared file, brought into the
// range the program works with. Every reader of these fields takes them from
// here, so that a damaged or foreign record is read the same way everywhere.
#include <algorithm>

#include "core/records/golfer_entry.h"
#include "core/records/tournament_header.h"

namespace quillon {

// Golfers per group, 1..max_group_size.
inline int group_size_of(const TournamentHeader& header) {
  return std::clamp(static_cast<int>(header.group_size), 1, max_group_size);
}

// The "Gross and Net Limit": 1..most_results, anything else reads as most_results.
inline constexpr int most_results = 400;
inline int results_limit_of(const TournamentHeader& header) {
  const int limit = header.results_limit;
  return limit >= 1 && limit <= most_results ? limit : most_results;
}

}  // namespace quillon
