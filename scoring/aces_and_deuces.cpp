#include "scoring/aces_and_deuces.h"

#include <algorithm>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/records/header_values.h"
#include "core/state.h"

namespace quillon {

Result<AcesAndDeuces> find_aces_and_deuces(State& state, int division) {
  AcesAndDeuces r;
  const int group_size = group_size_of(state.header);
  for (int g = 1; g <= state.header.group_count; ++g) {
    if (Status read = read_record(state, RecordKind::group, g); !read) return read;
    for (int slot = 1; slot <= group_size; ++slot) {
      const GolferEntry& golfer = state.group.entries[slot - 1];
      if (golfer.name[0] == '\0' || (division != 0 && golfer.division != division)) continue;
      ++r.golfers;
      if (golfer.hole_scores[0] == 0) {
        ++r.without_scores;
        continue;
      }
      for (int hole = 1; hole <= 18; ++hole) {
        int score = golfer.hole_scores[hole - 1];
        if (score == 1) r.aces.push_back({hole, field_text(golfer.name)});
        if (score == 2) r.deuces.push_back({hole, field_text(golfer.name)});
      }
    }
  }
  return r;
}

}  // namespace quillon
