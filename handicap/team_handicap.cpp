#include "handicap/team_handicap.h"

#include <algorithm>

namespace quillon {

int ambrose_team_handicap(const GroupBuffer& group, int group_size) {
  int sum = 0;
  int count = 0;
  for (int slot = 0; slot < std::clamp(group_size, 1, max_group_size); ++slot) {
    const GolferEntry& g = group.entries[slot];
    if (g.name[0] == '\0') continue;
    sum += g.handicap_index;
    ++count;
  }
  if (count == 0) return 0;
  int mean = sum / count;
  return sum >= 0 ? (mean + 5) / 10 : (mean - 5) / 10;
}

}  // namespace quillon
