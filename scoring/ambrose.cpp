#include "scoring/ambrose.h"

#include <cstdint>

namespace quillon {

int ambrose_team_handicap(const GroupBuffer& group, int group_size) {
  int sum = 0;
  int count = 0;
  for (int slot = 0; slot < group_size; ++slot) {
    const GolferEntry& g = group.entries[slot];
    if (g.name[0] == '\0') continue;
    sum += g.handicap_index;
    ++count;
  }
  if (count == 0) return 0;
  int mean = sum / count;
  return sum >= 0 ? (mean + 5) / 10 : (mean - 5) / 10;
}

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
