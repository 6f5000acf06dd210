#include "tournament/field.h"

#include <cstring>

#include "core/database.h"
#include "core/database_transaction.h"
#include "core/messages.h"
#include "core/record_values.h"
#include "core/records/header_values.h"
#include "core/state.h"
#include "handicap/course_handicap.h"
#include "tournament/tee_times.h"

namespace quillon {

Result<int> count_golfers(State& state) {
  int count = 0;
  for (int g = 1; g <= state.header.group_count; ++g) {
    if (Status read = read_record(state, RecordKind::group, g); !read) return read;
    for (int i = 0; i < group_size_of(state.header); ++i)
      if (state.group.entries[i].name[0] != 0) ++count;
  }
  return count;
}

int max_group_count(int group_size) {
  if (group_size < 1 || group_size > max_group_size) return 0;
  int by_golfers = golfers_per_tournament / group_size;
  return by_golfers < 255 ? by_golfers : 255;
}

bool group_fits(const State& state, int group) {
  return group >= 1 && group <= max_group_count(state.header.group_size);
}

bool group_fits_telling(State& state, int group) {
  if (group_fits(state, group)) return true;
  const int size = state.header.group_size;
  if (group < 1 || size < 1 || size > max_group_size || group * size > golfers_per_tournament) return false;
  not_done_box(state, message_kind::warning,
               "With %d golfer(s) per group a tournament can hold at most %d groups, as the number of groups is "
               "stored in one byte.  Group %d cannot be added.",
               size, max_group_count(size), group);
  return false;
}

bool grow_groups_to(State& state, int group) {
  if (!group_fits(state, group)) return false;
  if (group <= state.header.group_count) return true;
  GroupBuffer kept = state.group;
  std::memset(&state.group, 0, sizeof state.group);
  DatabaseTransaction change(state);
  bool ok = true;
  for (int g = state.header.group_count + 1; ok && g <= group; ++g)
    ok = write_record(state, RecordKind::group, g).is_ok();
  state.group = kept;
  if (!ok) return false;
  const std::uint8_t old_count = state.header.group_count;
  state.header.group_count = static_cast<std::uint8_t>(group);
  refresh_last_tee_time(state.header);
  if (write_record(state, RecordKind::tournament, state.current_tournament) && change.commit()) return true;
  state.header.group_count = old_count;
  refresh_last_tee_time(state.header);
  return false;
}

bool clear_golfer_area(State& state, int slot) {
  constexpr int cleared_group_size = 4;
  const std::int8_t kept_size = state.header.group_size;
  const GroupBuffer kept_group = state.group;
  state.current_tournament = slot;
  state.header.group_size = cleared_group_size;
  std::memset(&state.group, 0, sizeof state.group);
  DatabaseTransaction change(state);
  bool ok = true;
  for (int g = 1; ok && g <= golfers_per_tournament / cleared_group_size; ++g)
    ok = write_record(state, RecordKind::group, g).is_ok();
  ok = ok && change.commit();
  state.header.group_size = kept_size;
  state.group = kept_group;
  return ok;
}

int tee_of_division(const State& state, int division) {
  if (division < 1 || division > 10) division = 1;
  return state.header.division_tee[division - 1];
}

CourseRecord division_tee(State& state, int division, const CourseRecord& fallback) {
  int slot = tee_of_division(state, division);
  Result<CourseRecord> tee = telling(state, load_course(state, slot));
  if (!tee) return fallback;
  // A slot beyond the end of the file reads nothing.
  return slot >= 1 && slot <= state.system.course_slot_count ? *tee : fallback;
}

char entry_gender(const State& state, char stored) { return entry_gender(stored, state.header.default_gender); }

char entry_gender(char stored, char tournament_default) {
  if (stored == 'M' || stored == 'F') return stored;
  return tournament_default == 'F' ? 'F' : 'M';
}

Result<int> assign_division(State& state, int index_tenths, int tee_slot, char gender) {
  int n = state.header.division_count;
  if (n <= 1) return 1;
  int value = index_tenths;
  if (state.header.auto_assign_by_course_hcap == 1) {
    Result<CourseRecord> tee = telling(state, load_course(state, tee_slot));
    if (!tee) return tee.status();
    // Division 0 is none: the Callaway division of format 8 must not turn the
    // comparison into a truncated index.
    value = 10 * golfer_course_handicap(state.header, *tee, index_tenths, gender, 0);
  }
  for (int d = 1; d <= n - 1 && d <= 9; ++d)
    if (value <= state.header.division_handicap_limit[d - 1]) return d;
  return n > 10 ? 10 : n;
}

}  // namespace quillon
