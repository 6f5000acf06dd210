#pragma once
// Records read as values: the state's record buffers and its current
// tournament, course and group stay as they are, so a callee never needs to
// save and restore a buffer around a read.
//
//   Result<CourseRecord> tee = load_course(state, slot);
//   if (!tee) return tee.status();
#include "core/records/course_record.h"
#include "core/records/golfer_entry.h"
#include "core/records/tournament_header.h"
#include "core/result.h"

namespace quillon {

struct State;

// A slot beyond the end of the file reads as an empty (all-zero) record, as
// read_record does; slot numbers below 1 are empty too. A failure is the
// read error, not yet shown to the user.
[[nodiscard]] Result<CourseRecord> load_course(const State& state, int slot);
[[nodiscard]] Result<TournamentHeader> load_header(const State& state, int tournament);
// Group `group` of `tournament`, laid out by the tournament's `header` (its
// group size); entries beyond the group size are zero.
[[nodiscard]] Result<GroupBuffer> load_group(const State& state, int tournament, const TournamentHeader& header,
                                             int group);

// Shows a failure that the user has not seen yet; the failure is then told.
[[nodiscard]] Status tell_read_failure(State& state, const Status& failure);
template <typename Record>
[[nodiscard]] Result<Record> telling(State& state, Result<Record> loaded) {
  if (loaded || !loaded.status().needs_telling()) return loaded;
  return tell_read_failure(state, loaded.status());
}

}  // namespace quillon
