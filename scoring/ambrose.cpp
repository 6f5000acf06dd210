#include "scoring/ambrose.h"

#include "handicap/team_handicap.h"

#include <algorithm>
#include <cstdint>

namespace quillon {

void score_ambrose(GroupBuffer& group, int group_size) {
  GolferEntry& card = group.entries[0];
  int gross = 0;
  for (int hole = 0; hole < 18; ++hole) gross += card.hole_scores[hole];
  int handicap = ambrose_team_handicap(group, group_size);
  card.gross_score = static_cast<std::int16_t>(gross);
  card.adjusted_gross = static_cast<std::int16_t>(gross);
  card.team_handicap = static_cast<std::int16_t>(handicap);
  card.net_score = static_cast<std::int16_t>(gross - handicap);
}

}  // namespace quillon
