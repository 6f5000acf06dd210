// Purging old tournaments: the file is compacted and multi-round events follow
// their days to their new numbers.
#include <cstring>
#include <map>
#include <vector>

#include "core/database.h"
#include "core/database_io.h"

namespace quillon {

Status purge_tournaments(State& state, Date cutoff, int& purged) {
  int cutoff_day = day_number(cutoff.year, cutoff.month, cutoff.day);
  int free_slots = 0;
  purged = 0;
  std::vector<bool> keep(state.tournament_count + 1, false);
  for (int t = 1; t <= state.tournament_count; ++t) {
    read_record(state, RecordKind::tournament, t);
    if (tournament_slot_free(state.header)) {
      ++free_slots;
    } else if (tournament_day_number(state.header) < cutoff_day) {
      ++purged;
    } else {
      keep[t] = true;
    }
  }

  std::map<int, int> renumbered;
  std::vector<char> block(tournament_block_size);
  int w = 1;
  for (int t = 1; t <= state.tournament_count; ++t) {
    if (!keep[t]) continue;
    if (t != w) {
      std::memset(block.data(), 0, block.size());
      state.db.read_at(tournament_offset(state, t), block.data(), block.size());
      if (Status moved = write_bytes(state, tournament_offset(state, w), block.data(), block.size()); !moved)
        return moved;
    }
    renumbered[t] = w;
    ++w;
  }

  int old_count = state.tournament_count;
  state.tournament_count = old_count - free_slots - purged;
  if (Status resized = resize_database(state); !resized) return resized;

  // Multi-round events name their days by tournament number: follow the moves,
  // and drop days that are gone so that no event points at another tournament.
  for (int t = 1; t <= state.tournament_count; ++t) {
    read_record(state, RecordKind::tournament, t);
    if (state.header.format != multi_round_format) continue;
    std::int16_t relinked[5] = {0, 0, 0, 0, 0};
    int n = 0;
    bool changed = false;
    for (int k = 0; k < 5 && state.header.round_tournaments[k] != 0; ++k) {
      int old_number = state.header.round_tournaments[k];
      auto it = renumbered.find(old_number);
      if (it != renumbered.end()) {
        relinked[n++] = static_cast<std::int16_t>(it->second);
        changed = changed || it->second != old_number;
      } else if (old_number >= 1 && old_number <= old_count) {
        changed = true;  // that day was purged
      } else {
        relinked[n++] = static_cast<std::int16_t>(old_number);
      }
    }
    if (!changed) continue;
    std::memcpy(state.header.round_tournaments, relinked, sizeof relinked);
    if (Status written = write_record(state, RecordKind::tournament, t); !written) return written;
  }
  return Status::ok();
}

}  // namespace quillon
