// Purging old tournaments: the file is compacted and multi-round events follow
// their days to their new numbers.
#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

#include "core/database.h"
#include "core/database_io.h"
#include "core/database_snapshot.h"
#include "core/database_transaction.h"
#include "core/messages.h"

namespace quillon {

namespace {

Status compact(State& state, const std::vector<bool>& keep, std::map<int, int>& renumbered) {
  std::vector<char> block(tournament_block_size);
  std::int64_t length = state.db.length();
  int w = 1;
  for (int t = 1; t <= state.tournament_count; ++t) {
    if (!keep[t]) continue;
    if (t != w) {
      // The last block may be partial; the rest of its copy stays zero.
      std::int64_t from = tournament_offset(state, t);
      auto n = static_cast<std::size_t>(std::min<std::int64_t>(tournament_block_size, length - from));
      std::memset(block.data(), 0, block.size());
      if (Status read = state.db.read_exact(from, block.data(), n); !read) return read;
      if (Status moved = state.db.write_at(tournament_offset(state, w), block.data(), block.size()); !moved)
        return moved;
    }
    renumbered[t] = w;
    ++w;
  }
  return Status::ok();
}

// After a failed compaction: the snapshot goes back in, or the user learns
// where the good copy is.
Status put_back(State& state, int old_count, const Status& why) {
  Status restored = restore_from_snapshot(state);
  state.tournament_count = old_count;
  if (restored) {
    error_box(state,
              "The purge could not be completed (%s).\n\nThe database has been put back as it was before the "
              "purge.",
              why.reason().c_str());
  } else {
    error_box(state,
              "The purge could not be completed (%s), and the database could not be put back (%s).\n\nA copy of "
              "the database as it was before the purge is in \"qlwin4db.sav\".  Quillon will shut down; copy "
              "\"qlwin4db.sav\" over \"qlwin4.dat\" before starting it again.",
              why.reason().c_str(), restored.reason().c_str());
    state.exit_requested = true;
  }
  return Status::told();
}

}  // namespace

Status purge_tournaments(State& state, Date cutoff, int& purged) {
  purged = 0;
  DatabaseLock lock(state.db);
  if (!lock.held()) {
    error_box(state, "The Quillon database could not be locked (%s).  Nothing was purged.",
              lock.status().reason().c_str());
    return Status::told();
  }
  // Count under the lock: another opener may have added tournaments.
  state.tournament_count = tournament_count_from_length(state.db.length(), state.tournament_base);
  int cutoff_day = day_number(cutoff.year, cutoff.month, cutoff.day);
  int free_slots = 0;
  std::vector<bool> keep(state.tournament_count + 1, false);
  for (int t = 1; t <= state.tournament_count; ++t) {
    if (Status read = read_record(state, RecordKind::tournament, t); !read) {
      purged = 0;
      return read;
    }
    if (tournament_slot_free(state.header)) {
      ++free_slots;
    } else if (tournament_day_number(state.header) < cutoff_day) {
      ++purged;
    } else {
      keep[t] = true;
    }
  }

  if (free_slots + purged == 0) return Status::ok();
  if (Status s = take_snapshot(state); !s) {
    error_box(state, "A error was encountered making a backup copy of the database (%s).  Nothing was purged.",
              s.reason().c_str());
    purged = 0;
    return Status::told();
  }
  int old_count = state.tournament_count;
  std::map<int, int> renumbered;
  // The compaction and the relinking reach the disk together or not at all.
  DatabaseTransaction change(state);
  if (Status s = compact(state, keep, renumbered); !s) {
    change.abandon();
    return put_back(state, old_count, s);
  }
  state.tournament_count = old_count - free_slots - purged;
  if (Status resized = state.db.set_length(expected_file_length(state)); !resized) {
    change.abandon();
    return put_back(state, old_count, resized);
  }

  // Multi-round events name their days by tournament number: follow the moves,
  // and drop days that are gone so that no event points at another tournament.
  for (int t = 1; t <= state.tournament_count; ++t) {
    if (Status read = read_record(state, RecordKind::tournament, t); !read) return read;
    if (state.header.format != multi_round_format) continue;
    std::int16_t relinked[max_event_days] = {};
    int n = 0;
    bool changed = false;
    for (int k = 0; k < max_event_days && state.header.round_tournaments[k] != 0; ++k) {
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
  if (Status committed = change.commit_quietly(); !committed) return put_back(state, old_count, committed);
  return Status::ok();
}

}  // namespace quillon
